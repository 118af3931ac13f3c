#pragma once

#include "KIVQBarChart.h"
#include "KIVQCartesianChartImpl.h"

namespace KIVQtLib {

struct KIVQLaidOutBar
{
    int series = -1;
    int category = -1;
    QRectF rect;
    QColor color;
};

// The widths of one category's slot and of its bars.
struct KIVQBarColumns
{
    double slot = 0;
    double inset = 0;
    double gap = 0;
    double usable = 0;
    double bar = 0;
};

inline const QColor& ownColor(const KIVQBarSeries& s)
{
    return s.color;
}

class KIVQBarChartImpl : public KIVQSeriesChartImpl<KIVQBarSeries>
{
public:
    KIVQBarChartImpl(KIVQBarChart* chart, const QString& typeName);

    // Always holds zero, so every bar stands on a visible zero line.
    static chart::ValueRange valueRange(const QVector<KIVQBarSeries>& series);
    static KIVQBarColumns columns(double plotWidth, int categories, int visibleSeries);
    // The bars at the given intro progress, category by category, each group packed from the left.
    QVector<KIVQLaidOutBar> layoutBars(const QRectF& plot, const chart::ValueRange& range, double progress) const;

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    bool findHover(const QPoint& pos, const QRectF& plot, int& category, int& series, QPointF& point) override;
    void drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color) override;
};

} // namespace KIVQtLib
