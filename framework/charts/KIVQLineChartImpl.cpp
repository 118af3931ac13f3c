#include "KIVQLineChartImpl.h"

#include "ChartFrame.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
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
    return widened(e);
}

chart::ValueRange KIVQLineChartImpl::widened(const chart::Extent& e)
{
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
    return placePoint(series[s].values, i, categoryCount() - 1, plot, range, progress, point);
}

bool KIVQLineChartImpl::placePoint(const QVector<double>& values, int i, int end, const QRectF& plot,
                                   const chart::ValueRange& range, double progress, QPointF* point)
{
    double v;
    if (!chart::valueAt(values, i, &v))
        return false;
    const double x = plot.left() + plot.width() * i / qMax(end, 1);
    const double risen = (v - range.min) * introShare(i, values.size(), progress);
    *point = QPointF(x, plot.bottom() - plot.height() * risen / range.span());
    return true;
}

QVector<KIVQLineChartImpl::Line>& KIVQLineChartImpl::lines()
{
    if (m_linesRevision != m_revision || m_lines.size() != series.size()) {
        m_lines = QVector<Line>(series.size());
        for (int s = 0; s < series.size(); ++s) {
            for (double v : series[s].values)
                m_lines[s].extent.add(v);
        }
        m_linesRevision = m_revision;
    }
    return m_lines;
}

chart::ValueRange KIVQLineChartImpl::currentRange()
{
    // The window is every category, so the range is that of the visible series' whole extents.
    chart::Extent e;
    const QVector<Line>& all = lines();
    for (int s = 0; s < series.size(); ++s) {
        if (series[s].visible && all[s].extent.any) {
            e.add(all[s].extent.lo);
            e.add(all[s].extent.hi);
        }
    }
    return widened(e);
}

namespace {

// The indices of the points that decide a line in each device pixel column, ascending: every point of a
// column that holds at most four (so a short series keeps its curve and markers), else the column's
// first, lowest, highest and last, which draw what all its points would. True when any was left out.
bool keepDeciding(const QVector<double>& values, int last, double left, double width, int div, qreal ratio,
                  QVector<int>& kept)
{
    kept.clear();
    kept.reserve(qMin(last + 1, 4 * (int(width * ratio) + 2)));
    bool thinned = false;
    int column = 0;
    int count = 0;
    int few[4] = {};
    int first = -1, lo = -1, hi = -1, previous = -1;
    auto close = [&] {
        if (count <= 4) {
            for (int k = 0; k < count; ++k)
                kept << few[k];
        } else {
            int ends[4] = {first, lo, hi, previous};
            std::sort(ends, ends + 4);
            for (int k = 0; k < 4; ++k) {
                if (k == 0 || ends[k] != ends[k - 1])
                    kept << ends[k];
            }
            thinned = true;
        }
        count = 0;
    };
    for (int i = 0; i <= last; ++i) {
        const double v = values[i];
        if (!chart::isValue(v))
            continue;
        const int c = int(std::floor((left + width * i / div) * ratio));
        if (count > 0 && c != column)
            close();
        if (count == 0) {
            column = c;
            first = lo = hi = i;
        } else if (v < values[lo]) {
            lo = i;
        } else if (v > values[hi]) {
            hi = i;
        }
        if (count < 4)
            few[count] = i;
        ++count;
        previous = i;
    }
    if (count > 0)
        close();
    return thinned;
}

} // namespace

KIVQLineChartImpl::Line& KIVQLineChartImpl::placedLine(int s, const QRectF& plot, qreal ratio,
                                                       const chart::ValueRange& range, double progress)
{
    Line& line = lines()[s];
    const QVector<double>& values = series[s].values;
    const int end = categoryCount() - 1;
    if (line.left != plot.left() || line.width != plot.width() || line.ratio != ratio || line.end != end) {
        line.thinned = keepDeciding(values, qMin(end, values.size() - 1), plot.left(), plot.width(), qMax(end, 1),
                                    ratio, line.kept);
        line.left = plot.left();
        line.width = plot.width();
        line.ratio = ratio;
        line.end = end;
        line.progress = -1;
    }
    // Points a fraction of a pixel apart show no curve; a curve through the kept ones would bulge past them.
    const bool smoothLine = (smooth || series[s].smooth) && !line.thinned;
    if (line.progress != progress || line.plot != plot || line.range.min != range.min || line.range.max != range.max ||
        line.smooth != smoothLine) {
        line.points.clear();
        line.points.reserve(line.kept.size());
        QPointF point;
        for (int i : line.kept) {
            if (placePoint(values, i, end, plot, range, progress, &point))
                line.points << point;
        }
        line.path = linePath(line.points, smoothLine);
        line.area = QPainterPath();
        line.plot = plot;
        line.range = range;
        line.progress = progress;
        line.smooth = smoothLine;
    }
    return line;
}

void KIVQLineChartImpl::paintChart(QPainter& p, const QSize& size)
{
    const KIVQChartTheme& theme = chart()->theme();
    const QRectF plot = plotRect(size);
    const int end = categoryCount() - 1;
    const chart::ValueRange range = currentRange();
    const double progress = chart()->animationProgress();
    const qreal ratio = p.device()->devicePixelRatioF();

    chart::drawCartesianFrame(p, plot, plot.bottom(), theme);

    const bool hovering = hoverEnabled && hoverActive;
    if (hovering && hoveredCategory >= 0 && hasValueAt(hoveredCategory)) {
        const double x = plot.left() + plot.width() * hoveredCategory / qMax(end, 1);
        p.setPen(QPen(theme.hoverGuideColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        for (int s = 0; s < series.size(); ++s) {
            QPointF point;
            if (!series[s].visible || (tooltipMode == TooltipItem && s != hoveredSeries) ||
                !placePoint(series[s].values, hoveredCategory, end, plot, range, progress, &point))
                continue;
            const QColor color = seriesColor(s);
            drawSprite(p, point, marker(color, 2.4, color, theme.hoveredMarkerRadius, p));
        }
    }

    for (int s = 0; s < series.size(); ++s) {
        const KIVQLineSeries& line = series[s];
        if (!line.visible)
            continue;
        Line& drawn = placedLine(s, plot, ratio, range, progress);
        if (drawn.points.isEmpty())
            continue;
        const QColor color = seriesColor(s);
        if (areaFill || line.area) {
            if (drawn.area.isEmpty()) {
                drawn.area = drawn.path;
                drawn.area.lineTo(drawn.points.last().x(), plot.bottom());
                drawn.area.lineTo(drawn.points.first().x(), plot.bottom());
                drawn.area.closeSubpath();
            }
            QColor fill = line.areaColor.isValid() ? line.areaColor : color;
            fill.setAlphaF(qBound(0.0, line.areaOpacity, 1.0));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPath(drawn.area);
        }
        const double width = qMax(line.lineWidth > 0 ? line.lineWidth : theme.lineWidth, 1.0);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(drawn.path);

        if (!showSymbols || !line.showSymbols)
            continue;
        const QPixmap plain = marker(color, 1.8, theme.plotBackground, theme.markerRadius, p);
        const bool hoverHere = hoverActive && (tooltipMode == TooltipCategory || s == hoveredSeries);
        // One batch for all plain markers: a GL draw call per marker costs a frame's worth of memory in
        // a software renderer once there are thousands.
        const QRectF source(QPointF(0, 0), plain.size());
        const qreal scale = 1 / plain.devicePixelRatioF();
        m_fragments.clear();
        int hovered = -1;
        for (int k = 0; k < drawn.points.size(); ++k) {
            if (hoverHere && drawn.kept[k] == hoveredCategory)
                hovered = k;
            else
                m_fragments << QPainter::PixmapFragment::create(drawn.points[k], source, scale, scale);
        }
        p.drawPixmapFragments(m_fragments.constData(), m_fragments.size(), plain);
        // The hovered point may be one the thinning left out; it shows all the same.
        QPointF point;
        if (hovered >= 0)
            point = drawn.points[hovered];
        if (hovered >= 0 || (hoverHere && placePoint(line.values, hoveredCategory, end, plot, range, progress, &point)))
            drawSprite(p, point, marker(color, 2.4, color, theme.hoveredMarkerRadius, p));
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
    const chart::ValueRange range = currentRange();
    const double progress = chart()->animationProgress();
    const int div = qMax(end, 1);
    double best = 14;
    bool found = false;
    for (int s = 0; s < series.size(); ++s) {
        const QVector<double>& values = series[s].values;
        const int last = qMin(end, values.size() - 1);
        if (!series[s].visible || last < 0)
            continue;
        // Points lie at rising x: search outward from the one nearest the mouse's x, and stop on each side
        // where x alone is farther than the nearest point found. Of equal distances the earlier point wins.
        auto visit = [&](int i) {
            const double x = plot.left() + plot.width() * i / div;
            if (qAbs(x - pos.x()) > best)
                return false;
            QPointF p;
            if (!placePoint(values, i, end, plot, range, progress, &p))
                return true;
            const double d = QLineF(pos, p).length();
            if (d < best || (d == best && (!found || (seriesIndex == s && i < category)))) {
                best = d;
                found = true;
                category = i;
                seriesIndex = s;
                point = p;
            }
            return true;
        };
        const int centre = qBound(0, qRound((pos.x() - plot.left()) * div / qMax(plot.width(), 1.0)), last);
        for (int i = centre; i >= 0 && visit(i); --i) {
        }
        for (int i = centre + 1; i <= last && visit(i); ++i) {
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
