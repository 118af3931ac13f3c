#include "KIVQOpenGLPieChartImpl.h"

#include "ChartFrame.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

namespace KIVQtLib {

namespace {

double degreesIn360(double a)
{
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

} // namespace

KIVQOpenGLPieChartImpl::KIVQOpenGLPieChartImpl(KIVQOpenGLPieChart* chart, const QString& typeName)
    : KIVQChartImpl(chart, typeName)
{
    title = QStringLiteral("Basic Pie Chart");
}

QRectF KIVQOpenGLPieChartImpl::pieRect(const QSize& size, int legendPosition, int lift, int grow)
{
    const int w = size.width(), h = size.height();
    int availW, availH, x = 0, y = 68 - lift;
    switch (legendPosition) {
    case LegendLeft: {
        const int band = qMin(w / 3, 220) + 40;
        availH = h - 92 - 24 + lift;
        availW = w - band - 28;
        const int side = qMax(0, qMin(420, qMin(availH, availW)));
        return QRectF(qMax(w - band - side - 28, 0) / 2 + band, y, side, side);
    }
    case LegendRight:
        availW = w - 236 - 48;
        availH = h - 92 - 24 + lift;
        break;
    case LegendTop:
        availW = w - 96;
        availH = h - 170 + lift - grow;
        y = 132 - lift + grow;
        break;
    default:
        availW = w - 96;
        availH = h - 188 + lift - grow;
        break;
    }
    // A widget smaller than the legend's room would give a negative side: a mirrored pie that no point hits.
    const int side = qMax(0, qMin(420, qMin(availH, availW)));
    x = legendPosition == LegendRight ? qMax(availW - side, 0) / 2 + 24 : (w - side) / 2;
    return QRectF(x, y, side, side);
}

QRectF KIVQOpenGLPieChartImpl::legendRect(const QSize& size, int legendPosition, const QRectF& pie, int lift, int grow)
{
    const int w = size.width(), h = size.height();
    switch (legendPosition) {
    case LegendTop:
        return QRectF(48, 48 - lift, w - 96, 62 + grow);
    case LegendRight:
        return QRectF(pie.right() + 20, 72 - lift, w - pie.right() - 36, h - 120 + lift);
    case LegendLeft:
        return QRectF(24, 72 - lift, qMin(w / 3, 220), h - 120 + lift);
    default:
        return QRectF(48, pie.bottom() + 24, w - 96, 88 + grow);
    }
}

int KIVQOpenGLPieChartImpl::topRoomUnused(bool titled, bool labelled)
{
    // Without a title its line (down to 34) is free, and so is the room labels take above the pie when
    // none are drawn: a small ring in a captioned card needs it. A titled chart keeps its layout.
    if (titled)
        return 0;
    return labelled ? 34 : 60;
}

double KIVQOpenGLPieChartImpl::countedValue(const KIVQPieSlice& slice)
{
    return std::isfinite(slice.value) && slice.value > 0 ? slice.value : 0.0;
}

int KIVQOpenGLPieChartImpl::hitTest(const QPointF& point, const QRectF& pie, double holeRatio,
                                    const QVector<KIVQPieSliceAngle>& angles)
{
    const double radius = pie.width() / 2;
    if (radius <= 0)
        return -1;
    const QPointF c = pie.center();
    const double dx = point.x() - c.x(), dy = point.y() - c.y();
    const double d = std::hypot(dx, dy);
    if (d > radius || d < radius * holeRatio)
        return -1;
    const double a = degreesIn360(qRadiansToDegrees(std::atan2(dx, -dy)));
    for (const KIVQPieSliceAngle& s : angles) {
        if (s.span <= 0)
            continue;
        if (s.span >= 360)
            return s.index;
        const double from = degreesIn360(s.start), to = degreesIn360(s.start + s.span);
        if (to < from ? (a >= from || a <= to) : (a >= from && a <= to))
            return s.index;
    }
    return -1;
}

double KIVQOpenGLPieChartImpl::visibleTotal() const
{
    double total = 0;
    for (const KIVQPieSlice& s : slices) {
        if (s.visible)
            total += countedValue(s);
    }
    return total;
}

QVector<KIVQPieSliceAngle> KIVQOpenGLPieChartImpl::sliceAngles(double progress) const
{
    QVector<KIVQPieSliceAngle> angles;
    const double total = visibleTotal();
    if (total <= 0)
        return angles;
    double start = startAngle;
    for (int i = 0; i < slices.size(); ++i) {
        const double value = countedValue(slices[i]);
        if (!slices[i].visible || value <= 0)
            continue;
        const double full = value / total * sweep;
        KIVQPieSliceAngle a;
        a.index = i;
        a.value = value;
        a.start = start;
        a.span = full * progress;
        a.middle = start + a.span / 2;
        a.color = chart::seriesColor(slices[i].color, chart()->theme(), i);
        angles << a;
        start += full;
    }
    return angles;
}

QString KIVQOpenGLPieChartImpl::tooltipText(int index) const
{
    if (index < 0 || index >= slices.size())
        return QString();
    const KIVQPieSlice& s = slices[index];
    const double total = visibleTotal();
    const double value = countedValue(s);
    return QStringLiteral("%1\n%2 (%3%)")
        .arg(s.name.isEmpty() ? QStringLiteral("Slice") : s.name, formatChartValue(value),
             formatChartValue(total > 0 ? value / total * 100 : 0));
}

QRectF KIVQOpenGLPieChartImpl::layout(const QSize& size, QVector<KIVQChartLegendItem>* legend)
{
    const int position = chart()->legendPosition();
    const int lift = topRoomUnused(!title.isEmpty(), labelsVisible);
    QVector<KIVQChartLegendItem> items;
    items.reserve(slices.size());
    for (int i = 0; i < slices.size(); ++i) {
        KIVQChartLegendItem item;
        item.index = i;
        item.color = chart::seriesColor(slices[i].color, chart()->theme(), i);
        item.name = slices[i].name.isEmpty() ? QStringLiteral("Slice %1").arg(i + 1) : slices[i].name;
        item.visible = slices[i].visible;
        items << item;
    }
    chart::LegendMetrics m;
    m.entryHeight = 18;
    m.extraWidth = 84;
    m.maxWidth = 200;
    m.columnStep = 24;
    m.rowStep = 22;
    m.wrapAhead = 140;
    const QFontMetrics fm(fonts().label);
    const bool vertical = position == LegendRight || position == LegendLeft;
    // A legend in rows that needs more than its usual room takes it from the pie rather than running
    // out of the widget.
    int grow = 0;
    if (!vertical && !items.isEmpty()) {
        chart::layoutLegend(items, QRectF(48, 0, size.width() - 96, 0), false, m, fm);
        grow = qMax(qCeil(items.last().rect.bottom()) - (position == LegendTop ? 62 : 88), 0);
    }
    const QRectF pie = pieRect(size, position, lift, grow);
    if (legend) {
        if (!items.isEmpty())
            chart::layoutLegend(items, legendRect(size, position, pie, lift, grow), vertical, m, fm);
        *legend = items;
    }
    return pie;
}

QVector<KIVQChartLegendItem> KIVQOpenGLPieChartImpl::legendItems(const QSize& size)
{
    QVector<KIVQChartLegendItem> items;
    layout(size, &items);
    return items;
}

bool KIVQOpenGLPieChartImpl::updateHover(const QPoint& pos, const QSize& size)
{
    if (!hoverEnabled || hoverMode == 0)
        return clearHoverState();
    const QRectF pie = layout(size);
    const int hit = hitTest(pos, pie, holeRatio, sliceAngles(chart()->animationProgress()));
    if (hit < 0)
        return clearHoverState();
    const bool changed = !hovering || hit != hoverIndex || pos != hoverPoint;
    hovering = true;
    hoverIndex = hit;
    hoverPoint = pos;
    if (tooltipEnabled)
        chart()->setHover(pos, tooltipText(hit));
    else
        chart()->clearHover();
    return changed;
}

bool KIVQOpenGLPieChartImpl::toggleLegendAt(const QPoint& pos, const QSize& size)
{
    const QVector<KIVQChartLegendItem> items = legendItems(size);
    const int hit = chart::legendHit(items, pos);
    if (hit < 0)
        return false;
    slices[items[hit].index].visible = !items[hit].visible;
    clearHoverState();
    return true;
}

bool KIVQOpenGLPieChartImpl::clearHoverState()
{
    const bool changed = hovering || hoverIndex != -1;
    hovering = false;
    hoverIndex = -1;
    chart()->clearHover();
    return changed;
}

void KIVQOpenGLPieChartImpl::fontSizes(int& title, int& label) const
{
    title = 16;
    label = 11;
}

void KIVQOpenGLPieChartImpl::paintChart(QPainter& p, const QSize& size)
{
    const KIVQChartTheme& theme = chart()->theme();
    chart::drawTitle(p, title, theme.titleColor, fonts().title, size.width());

    QVector<KIVQChartLegendItem> legend;
    const QRectF pie = layout(size, &legend);
    const QVector<KIVQPieSliceAngle> angles = sliceAngles(chart()->animationProgress());
    p.setPen(Qt::NoPen);
    for (const KIVQPieSliceAngle& a : angles) {
        p.setBrush(hovering && a.index == hoverIndex ? a.color.lighter(115) : a.color);
        p.drawPie(pie, qRound((90 - a.start) * 16), qRound(-a.span * 16));
    }
    if (holeRatio > 0) {
        const double r = pie.width() * holeRatio / 2;
        p.setBrush(theme.plotBackground);
        p.drawEllipse(pie.center(), r, r);
    }
    if (labelsVisible && !angles.isEmpty())
        drawLabels(p, pie, angles, visibleTotal());

    chart::drawLegend(
        p, legend, theme, fonts().label,
        [](QPainter& painter, const KIVQChartLegendItem& item, const QColor& color) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(QRectF(item.rect.left(), item.rect.top() + 3, 12, 12));
        },
        [this](const KIVQChartLegendItem& item) {
            const KIVQPieSlice& s = slices[item.index];
            return QStringLiteral("%1  %2").arg(item.name, formatChartValue(std::isfinite(s.value) ? s.value : 0));
        });
}

void KIVQOpenGLPieChartImpl::drawLabels(QPainter& p, const QRectF& pie, const QVector<KIVQPieSliceAngle>& angles,
                                        double total)
{
    const KIVQChartTheme& theme = chart()->theme();
    p.setFont(fonts().label);
    const QPointF c = pie.center();
    const double r = pie.width() / 2;
    for (const KIVQPieSliceAngle& a : angles) {
        const double m = qDegreesToRadians(a.middle);
        const QPointF dir(std::sin(m), -std::cos(m));
        const QPointF inner = c + dir * r * 0.88;
        const QPointF outer = c + dir * (r + 16);
        const bool right = outer.x() >= c.x();
        const double edge = right ? outer.x() + 18 : outer.x() - 18;
        const QRectF box(right ? edge : edge - 120, outer.y() - 14, 120, 28);
        p.setPen(QPen(a.color.darker(110), 1.2));
        p.drawLine(inner, outer);
        p.drawLine(outer, QPointF(edge, outer.y()));
        p.setPen(theme.labelColor);
        const QString text =
            QStringLiteral("%1  %2%").arg(slices[a.index].name, formatChartValue(a.value / total * 100));
        p.drawText(box, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
    }
}

} // namespace KIVQtLib
