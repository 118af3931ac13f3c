#include "KIVQCartesianChartImpl.h"

#include "ChartFrame.h"
#include "KIVQChartBase.h"

#include <QPainter>

namespace KIVQtLib {

void KIVQCartesianChartImpl::setTooltipMode(int mode)
{
    tooltipMode = mode;
    if (mode == TooltipOff)
        clearHoverState();
}

QColor KIVQCartesianChartImpl::seriesColor(int i) const
{
    return chart::seriesColor(seriesOwnColor(i), chart()->theme(), i);
}

int KIVQCartesianChartImpl::categoryCount() const
{
    int n = categories.size();
    for (int i = 0; i < seriesCount(); ++i) {
        if (seriesVisible(i))
            n = qMax(n, seriesValues(i).size());
    }
    return qMax(n, 1);
}

bool KIVQCartesianChartImpl::hasVisibleValue() const
{
    for (int i = 0; i < seriesCount(); ++i) {
        if (!seriesVisible(i))
            continue;
        for (double v : seriesValues(i)) {
            if (chart::isValue(v))
                return true;
        }
    }
    return false;
}

bool KIVQCartesianChartImpl::hasValueAt(int category) const
{
    for (int i = 0; i < seriesCount(); ++i) {
        if (seriesVisible(i) && chart::valueAt(seriesValues(i), category))
            return true;
    }
    return false;
}

QRectF KIVQCartesianChartImpl::plotRect(const QSize& size) const
{
    return chart::plotRect(size, seriesCount() > 0, chart()->legendPosition());
}

QVector<KIVQChartLegendItem> KIVQCartesianChartImpl::legendItems(const QSize& size, const QRectF& plot)
{
    QVector<KIVQChartLegendItem> items;
    const int position = chart()->legendPosition();
    const QRectF area = chart::legendArea(size, plot, position);
    if (area.isEmpty())
        return items;
    items.reserve(seriesCount());
    for (int i = 0; i < seriesCount(); ++i) {
        KIVQChartLegendItem item;
        item.index = i;
        item.color = seriesColor(i);
        item.name = seriesName(i);
        if (item.name.isEmpty())
            item.name = QStringLiteral("Series %1").arg(i + 1);
        item.visible = seriesVisible(i);
        items << item;
    }
    chart::LegendMetrics m;
    m.entryHeight = qMax(chart()->theme().labelPixelSize + 7, 18);
    m.columnStep = m.entryHeight + 8;
    m.rowStep = m.entryHeight + 6;
    chart::layoutLegend(items, area, position == LegendRight || position == LegendLeft, m, QFontMetrics(fonts().label));
    return items;
}

bool KIVQCartesianChartImpl::updateHover(const QPoint& pos, const QSize& size)
{
    const QRectF plot = plotRect(size);
    int category = -1, series = -1;
    QPointF point;
    if (!hoverEnabled || tooltipMode == TooltipOff || !hasVisibleValue() || !plot.contains(pos) ||
        !findHover(pos, plot, category, series, point))
        return clearHoverState();
    const bool changed = !hoverActive || category != hoveredCategory || series != hoveredSeries || pos != lastMouse;
    hoverActive = true;
    hoveredCategory = category;
    hoveredSeries = series;
    hoveredPoint = point;
    lastMouse = pos;
    return changed;
}

bool KIVQCartesianChartImpl::toggleLegendAt(const QPoint& pos, const QSize& size)
{
    const QVector<KIVQChartLegendItem> items = legendItems(size, plotRect(size));
    const int hit = chart::legendHit(items, pos);
    if (hit < 0)
        return false;
    setSeriesVisible(items[hit].index, !items[hit].visible);
    clearHoverState();
    return true;
}

bool KIVQCartesianChartImpl::clearHoverState()
{
    const bool changed = hoverActive || hoveredCategory != -1 || hoveredSeries != -1;
    hoverActive = false;
    hoveredCategory = -1;
    hoveredSeries = -1;
    hoveredPoint = QPointF();
    chart()->clearHover();
    return changed;
}

void KIVQCartesianChartImpl::drawTitleAndValueLabels(QPainter& p, const QSize& size, const QRectF& plot,
                                                     const chart::ValueRange& range)
{
    const KIVQChartTheme& theme = chart()->theme();
    chart::drawTitle(p, title, theme.titleColor, fonts().title, size.width());
    if (m_valueLabels.isEmpty() || range.min != m_labelRange.min || range.max != m_labelRange.max) {
        m_labelRange = range;
        m_valueLabels = chart::valueLabels(range);
    }
    chart::drawValueLabels(p, plot, m_valueLabels, theme.labelColor, fonts().label);
}

void KIVQCartesianChartImpl::drawSeriesLegend(QPainter& p, const QSize& size, const QRectF& plot)
{
    const QVector<KIVQChartLegendItem> items = legendItems(size, plot);
    chart::drawLegend(
        p, items, chart()->theme(), fonts().label,
        [this](QPainter& painter, const KIVQChartLegendItem& item, const QColor& c) {
            drawLegendMarker(painter, item, c);
        },
        [](const KIVQChartLegendItem& item) { return item.name; });
}

} // namespace KIVQtLib
