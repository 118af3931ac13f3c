#pragma once

#include "KIVQChartTheme.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QVector>

namespace KIVQtLib {

// One laid-out legend entry: a series of a cartesian chart or a slice of a pie.
struct KIVQChartLegendItem
{
    int index = -1;
    QRectF rect;
    QColor color;
    QString name;
    bool visible = true;
};

namespace chart {

// The numbers in which the chart kinds' legends differ.
struct LegendMetrics
{
    int entryHeight = 18;
    int extraWidth = 38; // added to the name's advance in a row
    int maxWidth = 0;    // cap of a row entry; 0 for none
    int columnStep = 26; // down from one stacked entry to the next
    int rowStep = 24;    // down to the next row when a row wraps
    int wrapAhead = 0;   // room a row entry needs before the right edge; 0 for its own width
};

// Gives each entry its rectangle, in order: stacked in a column, or flowed in rows that wrap.
void layoutLegend(QVector<KIVQChartLegendItem>& items, const QRectF& area, bool vertical, const LegendMetrics& m,
                  const QFontMetrics& fm);
// The first entry whose rectangle grown by 2 contains the point; -1 when none does.
int legendHit(const QVector<KIVQChartLegendItem>& items, const QPointF& point);

// Marker and text per entry are the kind's own; a hidden entry is drawn lighter.
template <class Marker, class Text>
void drawLegend(QPainter& p, const QVector<KIVQChartLegendItem>& items, const KIVQChartTheme& theme, const QFont& font,
                Marker marker, Text text)
{
    p.setFont(font);
    const QColor hiddenText = theme.labelColor.lighter(145);
    for (const KIVQChartLegendItem& item : items) {
        marker(p, item, item.visible ? item.color : item.color.lighter(160));
        p.setPen(item.visible ? theme.labelColor : hiddenText);
        const QRectF r = item.rect;
        p.drawText(QRectF(r.left() + 18, r.top(), r.width() - 18, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   text(item));
    }
}

} // namespace chart
} // namespace KIVQtLib
