#include "KIVQScatterChartImpl.h"

#include "ChartFrame.h"

#include <QPainter>

#include <cmath>

namespace KIVQtLib {

namespace {

bool isDrawable(const QPointF& point)
{
    return chart::isValue(point.x()) && chart::isValue(point.y());
}

// Flat ranges open by 1 each way, then every range gets 8 % of its span (at least of 1) on each side.
void widen(chart::ValueRange& r)
{
    if (chart::fuzzyEqual(r.min, r.max)) {
        r.min -= 1;
        r.max += 1;
    }
    const double margin = qMax(r.max - r.min, 1.0) * 0.08;
    r.min -= margin;
    r.max += margin;
}

} // namespace

KIVQScatterChartImpl::KIVQScatterChartImpl(KIVQScatterChart* chart, const QString& typeName)
    : KIVQChartImpl(chart, typeName)
{
    title = QStringLiteral("Basic Scatter Chart");
}

QRectF KIVQScatterChartImpl::plotRect(const QSize& size) const
{
    return chart::plotRect(size, !series.isEmpty(), chart()->legendPosition(), 24);
}

bool KIVQScatterChartImpl::hasVisiblePoint() const
{
    for (const KIVQScatterSeries& s : series) {
        if (s.visible && std::any_of(s.points.cbegin(), s.points.cend(), isDrawable))
            return true;
    }
    return false;
}

KIVQScatterChartImpl::Bounds KIVQScatterChartImpl::bounds() const
{
    chart::Extent x, y;
    for (const KIVQScatterSeries& s : series) {
        if (!s.visible)
            continue;
        for (const QPointF& point : s.points) {
            if (!isDrawable(point))
                continue;
            x.add(point.x());
            y.add(point.y());
        }
    }
    if (!x.any)
        return Bounds{{0, 1}, {0, 1}};
    Bounds b{{x.lo, x.hi}, {y.lo, y.hi}};
    widen(b.x);
    widen(b.y);
    return b;
}

QPointF KIVQScatterChartImpl::screenPos(const QPointF& value, const QRectF& plot, const Bounds& b,
                                        double progress) const
{
    // The intro raises every point from the bottom edge; x does not move.
    return QPointF(plot.left() + plot.width() * (value.x() - b.x.min) / b.x.span(),
                   plot.bottom() - plot.height() * (value.y() - b.y.min) / b.y.span() * progress);
}

KIVQScatterChartImpl::Nearest KIVQScatterChartImpl::nearest(const QPoint& mouse, const QRectF& plot,
                                                            const Bounds& b) const
{
    Nearest best;
    const double progress = chart()->animationProgress();
    for (int si = 0; si < series.size(); ++si) {
        const KIVQScatterSeries& s = series[si];
        if (!s.visible)
            continue;
        for (int pi = 0; pi < s.points.size(); ++pi) {
            if (!isDrawable(s.points[pi]))
                continue;
            const QPointF screen = screenPos(s.points[pi], plot, b, progress);
            const double distance = std::hypot(screen.x() - mouse.x(), screen.y() - mouse.y());
            // Strictly nearer: of two points at one distance the earlier keeps the hover.
            if (distance <= s.pointSize + 6 && distance < best.distance)
                best = Nearest{true, si, pi, screen, distance};
        }
    }
    return best;
}

QString KIVQScatterChartImpl::tooltipText(int seriesIndex, int pointIndex) const
{
    if (seriesIndex < 0 || seriesIndex >= series.size())
        return QString();
    const KIVQScatterSeries& s = series[seriesIndex];
    if (pointIndex < 0 || pointIndex >= s.points.size())
        return QString();
    const QPointF& point = s.points[pointIndex];
    return QStringLiteral("%1\nx: %2\ny: %3")
        .arg(s.name.isEmpty() ? QStringLiteral("Series") : s.name, formatChartValue(point.x()),
             formatChartValue(point.y()));
}

QVector<KIVQChartLegendItem> KIVQScatterChartImpl::legendItems(const QSize& size, const QRectF& plot)
{
    QVector<KIVQChartLegendItem> items;
    if (series.isEmpty())
        return items;
    const int position = chart()->legendPosition();
    const QRectF area = chart::legendArea(size, plot, position);
    if (area.isEmpty())
        return items;
    items.reserve(series.size());
    for (int i = 0; i < series.size(); ++i) {
        KIVQChartLegendItem item;
        item.index = i;
        item.color = chart::seriesColor(series[i].color, chart()->theme(), i);
        item.name = series[i].name.isEmpty() ? QStringLiteral("Series %1").arg(i + 1) : series[i].name;
        item.visible = series[i].visible;
        items << item;
    }
    chart::LegendMetrics m;
    m.extraWidth = 36;
    chart::layoutLegend(items, area, position == LegendRight || position == LegendLeft, m, QFontMetrics(fonts().label));
    return items;
}

bool KIVQScatterChartImpl::updateHover(const QPoint& pos, const QSize& size)
{
    const QRectF plot = plotRect(size);
    if (!hoverEnabled || hoverMode == 0 || !hasVisiblePoint() || !plot.contains(pos))
        return clearHoverState();
    const Nearest hit = nearest(pos, plot, bounds());
    if (!hit.found)
        return clearHoverState();
    const bool changed = !hovering || hit.series != hoverSeries || hit.point != hoverPoint || pos != hoverPos;
    hovering = true;
    hoverSeries = hit.series;
    hoverPoint = hit.point;
    hoverPos = pos;
    if (tooltipEnabled)
        chart()->setHover(pos, tooltipText(hit.series, hit.point));
    else
        chart()->clearHover();
    return changed;
}

bool KIVQScatterChartImpl::toggleLegendAt(const QPoint& pos, const QSize& size)
{
    const QVector<KIVQChartLegendItem> items = legendItems(size, plotRect(size));
    const int hit = chart::legendHit(items, pos);
    if (hit < 0)
        return false;
    series[items[hit].index].visible = !items[hit].visible;
    clearHoverState();
    return true;
}

bool KIVQScatterChartImpl::clearHoverState()
{
    const bool changed = hovering || hoverSeries != -1 || hoverPoint != -1;
    hovering = false;
    hoverSeries = -1;
    hoverPoint = -1;
    chart()->clearHover();
    return changed;
}

void KIVQScatterChartImpl::fontSizes(int& titleSize, int& labelSize) const
{
    titleSize = 16;
    labelSize = 11;
}

void KIVQScatterChartImpl::paintChart(QPainter& p, const QSize& size)
{
    const KIVQChartTheme& theme = chart()->theme();
    const QRectF plot = plotRect(size);
    const Bounds b = bounds();
    chart::drawCartesianFrame(p, plot, plot.bottom(), theme, true);
    drawPoints(p, plot, b);
    chart::drawTitle(p, title, theme.titleColor, fonts().title, size.width());
    drawAxisLabels(p, plot, b);
    chart::drawLegend(
        p, legendItems(size, plot), theme, fonts().label,
        [&theme](QPainter& painter, const KIVQChartLegendItem& item, const QColor& color) {
            painter.setPen(QPen(color, 1.4));
            painter.setBrush(item.visible ? color : theme.plotBackground);
            painter.drawEllipse(QRectF(item.rect.left(), item.rect.top() + 3, 12, 12));
        },
        [](const KIVQChartLegendItem& item) { return item.name; });
}

void KIVQScatterChartImpl::drawPoints(QPainter& p, const QRectF& plot, const Bounds& b)
{
    const QColor hollow = chart()->theme().plotBackground;
    const double progress = chart()->animationProgress();
    for (int si = 0; si < series.size(); ++si) {
        const KIVQScatterSeries& s = series[si];
        if (!s.visible)
            continue;
        const QColor color = chart::seriesColor(s.color, chart()->theme(), si);
        for (int pi = 0; pi < s.points.size(); ++pi) {
            if (!isDrawable(s.points[pi]))
                continue;
            const bool hovered = hovering && si == hoverSeries && pi == hoverPoint;
            const double d = s.pointSize + (hovered ? 2.5 : 0.0);
            const double r = (0.55 + 0.45 * progress) * d / 2;
            p.setPen(QPen(color, hovered ? 2.2 : 1.4));
            p.setBrush(hovered ? color : hollow);
            p.drawEllipse(screenPos(s.points[pi], plot, b, progress), r, r);
        }
    }
}

void KIVQScatterChartImpl::drawAxisLabels(QPainter& p, const QRectF& plot, const Bounds& b)
{
    if (m_yLabels.isEmpty() || b.x.min != m_labelBounds.x.min || b.x.max != m_labelBounds.x.max ||
        b.y.min != m_labelBounds.y.min || b.y.max != m_labelBounds.y.max) {
        m_labelBounds = b;
        m_yLabels = chart::valueLabels(b.y);
        m_xLabels.clear();
        for (int i = 0; i <= 5; ++i)
            m_xLabels << formatChartValue(b.x.min + (b.x.max - b.x.min) * i / 5);
    }
    const QColor color = chart()->theme().labelColor;
    chart::drawValueLabels(p, plot, m_yLabels, color, fonts().label, chart::MarginLeft);
    for (int i = 0; i < m_xLabels.size(); ++i) {
        const double x = plot.left() + plot.width() * i / 5;
        p.drawText(QRectF(x - 28, plot.bottom() + 8, 56, 18), Qt::AlignCenter, m_xLabels[i]);
    }
}

} // namespace KIVQtLib
