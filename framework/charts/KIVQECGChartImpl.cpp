#include "KIVQECGChartImpl.h"

#include "KIVQECGChart.h"

#include <QPainter>
#include <QPainterPath>

namespace KIVQtLib {

KIVQECGChartImpl::KIVQECGChartImpl(KIVQECGChart* owner, const QString& typeName)
    : KIVQTraceChartImpl(owner, typeName, 3.0f, true)
{
}

void KIVQECGChartImpl::drawContent(QPainter& p, const QRect& rect) const
{
    drawTrace(p);
    // Over the trace, as the fills are meant to be translucent.
    if (points.size() >= 3) {
        if (fillBelow)
            drawFill(p, rect, rect.height(), belowTop, belowBottom);
        if (fillAbove)
            drawFill(p, rect, 0, aboveTop, aboveBottom);
    }
}

void KIVQECGChartImpl::drawFill(QPainter& p, const QRect& rect, double edgeY, const QColor& top,
                                const QColor& bottom) const
{
    if (!top.isValid() && !bottom.isValid())
        return;
    QPainterPath path(QPointF(0, edgeY));
    double lastX = 0;
    for (const QPointF& point : points) {
        if (!isDrawable(point))
            continue;
        path.lineTo(point);
        lastX = point.x();
    }
    path.lineTo(lastX, edgeY);
    p.fillPath(path, verticalGradient(rect, top, bottom));
}

} // namespace KIVQtLib
