#pragma once

#include "ChartValues.h"

#include <QRectF>
#include <QSize>
#include <QStringList>

class QFont;
class QPainter;

namespace KIVQtLib {

struct KIVQChartTheme;

// Painting the chart kinds share: the title, the tooltip box and the cartesian frame of bar and line.
namespace chart {

enum : int
{
    MarginLeft = 56,
    MarginTop = 48,
    MarginRight = 40,
    MarginBottom = 42,
    MarginBottomLegend = 76
};

// The plot of a bar or line chart in a widget of the given size. The legend takes room only when there is
// a series to list; a position other than 0 top, 1 right or 3 left counts as bottom.
QRectF plotRect(const QSize& size, bool hasSeries, int legendPosition, int rightMargin = MarginRight);
// Where the series legend of a bar or line chart goes around that plot.
QRectF legendArea(const QSize& size, const QRectF& plot, int legendPosition);

// Centred in the band at the top; nothing for an empty title.
void drawTitle(QPainter& p, const QString& title, const QColor& color, const QFont& font, int width);

// Plot background, the six grid lines (and as many vertical ones when asked), the left axis and the
// horizontal axis at axisY.
void drawCartesianFrame(QPainter& p, const QRectF& plot, double axisY, const KIVQChartTheme& theme,
                        bool verticalGrid = false);
// Values from max down to min beside the grid lines, one per division boundary, right-aligned against
// the left margin. The labels are formatted once per range by the caller.
void drawValueLabels(QPainter& p, const QRectF& plot, const QStringList& labels, const QColor& color, const QFont& font,
                     int leftMargin = MarginLeft);
QStringList valueLabels(const ValueRange& range, int divisions = 5);
void drawCategoryLabel(QPainter& p, const QRectF& plot, double x, const QString& text);

// The tooltip box of the given size near the hover point, kept inside bounds shrunk by 8: right of and
// below the point, moved left at the right edge and above the point at the bottom edge.
QPointF tooltipPosition(const QPoint& hover, const QSizeF& box, const QRect& bounds);
void drawTooltipBox(QPainter& p, const QString& text, const QPoint& hover, const QRect& bounds,
                    const KIVQChartTheme& theme, const QFont& font);

} // namespace chart
} // namespace KIVQtLib
