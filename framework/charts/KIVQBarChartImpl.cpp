#include "KIVQBarChartImpl.h"

#include "ChartFrame.h"

#include <QPainter>

#include <cmath>

namespace KIVQtLib {

namespace {

double yOf(double v, const QRectF& plot, const chart::ValueRange& range)
{
    return plot.bottom() - plot.height() * (v - range.min) / range.span();
}

} // namespace

KIVQBarChartImpl::KIVQBarChartImpl(KIVQBarChart* chart, const QString& typeName) : KIVQSeriesChartImpl(chart, typeName)
{
    title = QStringLiteral("Basic Bar Chart");
}

chart::ValueRange KIVQBarChartImpl::valueRange(const QVector<KIVQBarSeries>& series)
{
    chart::Extent e;
    for (const KIVQBarSeries& s : series) {
        for (int i = 0; s.visible && i < s.values.size(); ++i)
            e.add(s.values[i]);
    }
    if (!e.any)
        return {0.0, 1.0};
    // Bars grow from zero: with only negative values the top must still reach it, or the bars would
    // hang from above the plot across the title.
    chart::ValueRange r{qMin(0.0, e.lo), qMax(0.0, e.hi)};
    if (chart::fuzzyEqual(r.min, r.max))
        r.max += 1;
    const double span = qMax(r.max - r.min, 1.0);
    r.max += span * 0.08;
    if (r.min < 0)
        r.min -= span * 0.05;
    return r;
}

KIVQBarColumns KIVQBarChartImpl::columns(double plotWidth, int categories, int visibleSeries)
{
    KIVQBarColumns c;
    c.slot = plotWidth / qMax(categories, 1);
    c.inset = qMin(c.slot * 0.16, 18.0);
    c.gap = qMin(c.slot * 0.08, 12.0);
    c.usable = qMax(c.slot - 2 * c.inset, 12.0);
    const int k = qMax(visibleSeries, 1);
    c.bar = qMax((c.usable - qMax(k - 1, 0) * c.gap) / k, 8.0);
    return c;
}

QVector<KIVQLaidOutBar> KIVQBarChartImpl::layoutBars(const QRectF& plot, const chart::ValueRange& range,
                                                     double progress) const
{
    int visible = 0;
    for (const KIVQBarSeries& s : series)
        visible += s.visible ? 1 : 0;
    const int n = categoryCount();
    const KIVQBarColumns c = columns(plot.width(), n, visible);
    const double zero = yOf(0, plot, range);
    QVector<KIVQLaidOutBar> bars;
    bars.reserve(n * visible);
    for (int category = 0; category < n; ++category) {
        int j = 0;
        for (int i = 0; i < series.size(); ++i) {
            double value;
            if (!series[i].visible || !chart::valueAt(series[i].values, category, &value))
                continue;
            const double top = yOf(progress * value, plot, range);
            const double x = plot.left() + category * c.slot + c.inset + j * (c.bar + c.gap);
            const double y0 = qMin(zero, top);
            KIVQLaidOutBar bar;
            bar.series = i;
            bar.category = category;
            bar.rect = QRectF(x, y0, c.bar, qMax(qMax(zero, top) - y0, 1.0));
            bar.color = seriesColor(i);
            bars << bar;
            ++j;
        }
    }
    return bars;
}

void KIVQBarChartImpl::paintChart(QPainter& p, const QSize& size)
{
    const KIVQChartTheme& theme = chart()->theme();
    const QRectF plot = plotRect(size);
    const chart::ValueRange range = valueRange(series);
    const QVector<KIVQLaidOutBar> bars = layoutBars(plot, range, chart()->animationProgress());
    const int n = categoryCount();
    const double slot = plot.width() / n;

    chart::drawCartesianFrame(p, plot, yOf(0, plot, range), theme);

    const bool hovering = hoverEnabled && hoverActive;
    if (hovering && hoveredCategory >= 0 && hasValueAt(hoveredCategory)) {
        const double x = plot.left() + (hoveredCategory + 0.5) * slot;
        p.setPen(QPen(theme.hoverGuideColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    const double radius = theme.barCornerRadius;
    for (const KIVQLaidOutBar& bar : bars) {
        if (bar.rect.width() <= 0 || bar.rect.height() <= 0)
            continue;
        const bool itemHovered =
            hovering && tooltipMode == TooltipItem && bar.series == hoveredSeries && bar.category == hoveredCategory;
        const bool categoryHovered = hovering && tooltipMode == TooltipCategory && bar.category == hoveredCategory;
        const QColor& border = series[bar.series].borderColor;
        p.setPen(QPen(border.isValid() ? border : bar.color.darker(120), itemHovered ? 2.0 : 1.0));
        p.setBrush(itemHovered || categoryHovered ? bar.color.lighter(115) : bar.color);
        p.drawRoundedRect(bar.rect, radius, radius);
    }

    drawTitleAndValueLabels(p, size, plot, range);
    for (int c = 0; c < n; ++c)
        chart::drawCategoryLabel(p, plot, plot.left() + c * slot + slot / 2, chart::categoryLabel(categories, c));
    drawSeriesLegend(p, size, plot);
}

bool KIVQBarChartImpl::findHover(const QPoint& pos, const QRectF& plot, int& category, int& seriesIndex, QPointF&)
{
    if (tooltipMode == TooltipCategory) {
        const int n = categoryCount();
        category = 0;
        if (n > 1) {
            const double at = std::floor(n * (pos.x() - plot.left()) / qMax(plot.width(), 1.0));
            category = int(qBound(0.0, at, double(n - 1)));
        }
        seriesIndex = -1;
        return hasValueAt(category);
    }
    const QVector<KIVQLaidOutBar> bars = layoutBars(plot, valueRange(series), chart()->animationProgress());
    for (const KIVQLaidOutBar& bar : bars) {
        if (bar.rect.adjusted(-2, -2, 2, 2).contains(pos)) {
            category = bar.category;
            seriesIndex = bar.series;
            return true;
        }
    }
    return false;
}

void KIVQBarChartImpl::drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(item.rect.left(), item.rect.top() + 3, 12, 12), 3, 3);
}

} // namespace KIVQtLib
