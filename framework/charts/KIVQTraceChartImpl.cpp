#include "KIVQTraceChartImpl.h"

#include <QPainter>

#include <cmath>

namespace KIVQtLib {

KIVQTraceChartImpl::KIVQTraceChartImpl(QWidget* owner, const QString& typeName, float weight, bool antialiased)
    : KIVQWidgetBaseImpl(owner, typeName), lineWeight(weight), m_antialiased(antialiased)
{
}

void KIVQTraceChartImpl::paint(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.translate(rect.topLeft());
    p.setRenderHint(QPainter::Antialiasing, m_antialiased);
    const QRect area(QPoint(0, 0), rect.size());
    p.setPen(QPen(QBrush(verticalGradient(area, lineTop, lineBottom)), lineWeight, Qt::SolidLine, Qt::SquareCap,
                  Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    drawContent(p, area);
    drawSweep(p, area);
    p.restore();
}

QLinearGradient KIVQTraceChartImpl::verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(QPointF(0, 0), QPointF(0, rect.height()));
    gradient.setColorAt(0, top.isValid() ? top : QColor(Qt::transparent));
    gradient.setColorAt(1, bottom.isValid() ? bottom : QColor(Qt::transparent));
    return gradient;
}

bool KIVQTraceChartImpl::isDrawable(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

int KIVQTraceChartImpl::sweepClipLeft(int width) const
{
    for (auto it = points.crbegin(); it != points.crend(); ++it) {
        if (!isDrawable(*it))
            continue;
        // Bounded before the cast: a far point must not overflow the integer.
        const double x = std::trunc(qBound(-1e6, it->x(), 1e6)) + 40;
        return qBound(0, int(x), qMax(width, 0));
    }
    return -1;
}

void KIVQTraceChartImpl::drawTrace(QPainter& p) const
{
    int from = 0;
    const int n = points.size();
    while (from < n) {
        int to = from;
        while (to < n && isDrawable(points[to]))
            ++to;
        if (to > from)
            p.drawPolyline(points.constData() + from, to - from);
        from = to + 1;
    }
}

void KIVQTraceChartImpl::drawSweep(QPainter& p, const QRect& rect) const
{
    if (sweep.isNull())
        return;
    p.save();
    const int left = sweepClipLeft(rect.width());
    if (left >= 0)
        p.setClipRect(QRect(left, 0, rect.width() - left, rect.height()));
    p.drawImage(QPoint(0, 0), sweep);
    p.restore();
}

} // namespace KIVQtLib
