#include "ChartLegend.h"

namespace KIVQtLib {
namespace chart {

void layoutLegend(QVector<KIVQChartLegendItem>& items, const QRectF& area, bool vertical, const LegendMetrics& m,
                  const QFontMetrics& fm)
{
    const int left = qRound(area.left());
    const int right = qRound(area.right());
    int x = left;
    int y = qRound(area.top());
    for (KIVQChartLegendItem& item : items) {
        int width;
        if (vertical) {
            width = qRound(area.width()) - 6;
        } else {
            width = fm.horizontalAdvance(item.name) + m.extraWidth;
            if (m.maxWidth > 0)
                width = qMin(width, m.maxWidth);
            const int need = m.wrapAhead > 0 ? m.wrapAhead : width;
            if (x > left && x + need > right) {
                x = left;
                y += m.rowStep;
            }
        }
        item.rect = QRectF(x, y, width, m.entryHeight);
        if (vertical)
            y += m.columnStep;
        else
            x += width + 10;
    }
}

int legendHit(const QVector<KIVQChartLegendItem>& items, const QPointF& point)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].rect.adjusted(-2, -2, 2, 2).contains(point))
            return i;
    }
    return -1;
}

} // namespace chart
} // namespace KIVQtLib
