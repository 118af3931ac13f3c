#include "KIVQLineChartImpl.h"

#include "ChartFrame.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace KIVQtLib {

KIVQLineChartImpl::KIVQLineChartImpl(KIVQLineChart* chart, const QString& typeName)
    : KIVQSeriesChartImpl(chart, typeName)
{
    title = QStringLiteral("Basic Line Chart");
}

chart::ValueRange KIVQLineChartImpl::valueRange(const QVector<KIVQLineSeries>& series, int start, int end)
{
    chart::Extent e;
    for (const KIVQLineSeries& s : series) {
        const int last = qMin(end, s.values.size() - 1);
        for (int i = qMax(start, 0); s.visible && i <= last; ++i)
            e.add(s.values[i]);
    }
    if (!e.any)
        return {0.0, 1.0};
    chart::ValueRange r{e.lo, e.hi};
    if (chart::fuzzyEqual(r.min, r.max)) {
        r.min -= 1;
        r.max += 1;
    }
    const double span = qMax(r.max - r.min, 1.0);
    if (r.min > 0)
        r.min = 0;
    else
        r.min -= span * 0.05;
    r.max += span * 0.08;
    return r;
}

double KIVQLineChartImpl::introShare(int i, int n, double progress)
{
    double t = progress;
    if (n > 1) {
        const double step = 1.0 / ((n - 1) * 0.5 + 1.0);
        t = (progress - i * step * 0.5) / step;
    }
    const double s = qBound(0.0, t, 1.0);
    return s * s * (3 - 2 * s);
}

QPainterPath KIVQLineChartImpl::linePath(const QVector<QPointF>& points, bool smooth)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points[0]);
    const int n = points.size();
    if (!smooth || n < 3) {
        for (int i = 1; i < n; ++i)
            path.lineTo(points[i]);
        return path;
    }
    const double k = 0.85 / 6;
    for (int i = 0; i + 1 < n; ++i) {
        const QPointF& p0 = points[qMax(i - 1, 0)];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[i + 1];
        const QPointF& p3 = points[qMin(i + 2, n - 1)];
        path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
    return path;
}

QVector<int> KIVQLineChartImpl::labelledCategories(int start, int end, double plotWidth)
{
    QVector<int> result;
    const int count = end - start + 1;
    int step = 1;
    if (count > 1) {
        const int perPlot = qMax(int(std::floor(plotWidth / 76)) + 1, 2);
        step = qMax(int(std::ceil(double(count) / perPlot)), 1);
    }
    int last = start;
    for (int i = start; i <= end; i += step) {
        result << i;
        last = i;
    }
    if (last != end && end > start)
        result << end;
    return result;
}

bool KIVQLineChartImpl::pointAt(int s, int i, const QRectF& plot, const chart::ValueRange& range, double progress,
                                QPointF* point) const
{
    const QVector<double>& values = series[s].values;
    double v;
    if (!chart::valueAt(values, i, &v))
        return false;
    const int end = categoryCount() - 1;
    const double x = plot.left() + plot.width() * i / qMax(end, 1);
    const double risen = (v - range.min) * introShare(i, values.size(), progress);
    *point = QPointF(x, plot.bottom() - plot.height() * risen / range.span());
    return true;
}

void KIVQLineChartImpl::collectPoints(int s, const QRectF& plot, const chart::ValueRange& range, double progress) const
{
    m_points.clear();
    m_pointCategories.clear();
    const int last = qMin(categoryCount(), series[s].values.size()) - 1;
    QPointF point;
    for (int i = 0; i <= last; ++i) {
        if (pointAt(s, i, plot, range, progress, &point)) {
            m_points << point;
            m_pointCategories << i;
        }
    }
}

void KIVQLineChartImpl::paintChart(QPainter& p, const QSize& size)
{
    const KIVQChartTheme& theme = chart()->theme();
    const QRectF plot = plotRect(size);
    const int end = categoryCount() - 1;
    const chart::ValueRange range = valueRange(series, 0, end);
    const double progress = chart()->animationProgress();

    chart::drawCartesianFrame(p, plot, plot.bottom(), theme);

    const bool hovering = hoverEnabled && hoverActive;
    if (hovering && hoveredCategory >= 0 && hasValueAt(hoveredCategory)) {
        const double x = plot.left() + plot.width() * hoveredCategory / qMax(end, 1);
        p.setPen(QPen(theme.hoverGuideColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        for (int s = 0; s < series.size(); ++s) {
            QPointF point;
            if (!series[s].visible || (tooltipMode == TooltipItem && s != hoveredSeries) ||
                !pointAt(s, hoveredCategory, plot, range, progress, &point))
                continue;
            const QColor color = seriesColor(s);
            drawSprite(p, point, marker(color, 2.4, color, theme.hoveredMarkerRadius, p));
        }
    }

    for (int s = 0; s < series.size(); ++s) {
        const KIVQLineSeries& line = series[s];
        if (!line.visible)
            continue;
        collectPoints(s, plot, range, progress);
        if (m_points.isEmpty())
            continue;
        const QColor color = seriesColor(s);
        const QPainterPath path = linePath(m_points, smooth || line.smooth);
        if (areaFill || line.area) {
            QPainterPath area = path;
            area.lineTo(m_points.last().x(), plot.bottom());
            area.lineTo(m_points.first().x(), plot.bottom());
            area.closeSubpath();
            QColor fill = line.areaColor.isValid() ? line.areaColor : color;
            fill.setAlphaF(qBound(0.0, line.areaOpacity, 1.0));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPath(area);
        }
        const double width = qMax(line.lineWidth > 0 ? line.lineWidth : theme.lineWidth, 1.0);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);

        if (!showSymbols || !line.showSymbols)
            continue;
        const QPixmap plain = marker(color, 1.8, theme.plotBackground, theme.markerRadius, p);
        for (int k = 0; k < m_points.size(); ++k) {
            const bool hovered = hoverActive && m_pointCategories[k] == hoveredCategory &&
                                 (tooltipMode == TooltipCategory || s == hoveredSeries);
            drawSprite(p, m_points[k], hovered ? marker(color, 2.4, color, theme.hoveredMarkerRadius, p) : plain);
        }
    }

    drawTitleAndValueLabels(p, size, plot, range);
    for (int c : labelledCategories(0, end, plot.width()))
        chart::drawCategoryLabel(p, plot, plot.left() + plot.width() * c / qMax(end, 1),
                                 chart::categoryLabel(categories, c));
    drawSeriesLegend(p, size, plot);
}

bool KIVQLineChartImpl::findHover(const QPoint& pos, const QRectF& plot, int& category, int& seriesIndex,
                                  QPointF& point)
{
    const int end = categoryCount() - 1;
    if (tooltipMode == TooltipCategory) {
        category = 0;
        if (end > 0)
            category = qBound(0, qRound(end * (pos.x() - plot.left()) / qMax(plot.width(), 1.0)), end);
        seriesIndex = -1;
        return hasValueAt(category);
    }
    const chart::ValueRange range = valueRange(series, 0, end);
    const double progress = chart()->animationProgress();
    double best = 14;
    bool found = false;
    for (int s = 0; s < series.size(); ++s) {
        if (!series[s].visible)
            continue;
        collectPoints(s, plot, range, progress);
        for (int k = 0; k < m_points.size(); ++k) {
            const double d = QLineF(pos, m_points[k]).length();
            if (d > best || (found && d == best))
                continue;
            best = d;
            found = true;
            category = m_pointCategories[k];
            seriesIndex = s;
            point = m_points[k];
        }
    }
    return found;
}

QPixmap KIVQLineChartImpl::marker(const QColor& pen, double penWidth, const QColor& fill, double radius,
                                  const QPainter& p)
{
    const qreal ratio = p.device()->devicePixelRatioF();
    for (const MarkerSprite& m : m_markers) {
        if (m.pen == pen && m.fill == fill && m.penWidth == penWidth && m.radius == radius && m.ratio == ratio)
            return m.pixmap;
    }
    // Themes and series colours are few; a cache that outgrows them starts again.
    if (m_markers.size() >= 32)
        m_markers.clear();
    const int side = qCeil(2 * (qMax(radius, 0.0) + penWidth / 2 + 1));
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(pen, penWidth));
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
    painter.end();
    m_markers.append({pen, fill, penWidth, radius, ratio, pixmap});
    return m_markers.last().pixmap;
}

void KIVQLineChartImpl::drawSprite(QPainter& p, const QPointF& centre, const QPixmap& sprite)
{
    const double half = sprite.width() / sprite.devicePixelRatioF() / 2;
    p.drawPixmap(centre - QPointF(half, half), sprite);
}

void KIVQLineChartImpl::drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color)
{
    const double cy = item.rect.center().y();
    p.setPen(QPen(color, 2.0));
    p.drawLine(QPointF(item.rect.left(), cy), QPointF(item.rect.left() + 12, cy));
    p.setBrush(item.visible ? color : chart()->theme().plotBackground);
    p.drawEllipse(QPointF(item.rect.left() + 6, cy), 3.5, 3.5);
}

} // namespace KIVQtLib
