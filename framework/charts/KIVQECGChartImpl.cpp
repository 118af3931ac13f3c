#include "KIVQECGChartImpl.h"

#include "KIVQECGChart.h"

#include <QPainter>
#include <QPainterPath>

namespace KIVQtLib {

KIVQECGChartImpl::KIVQECGChartImpl(KIVQECGChart* owner, const QString& typeName)
    : KIVQTraceChartImpl(owner, typeName, 3.0f)
{
}

void KIVQECGChartImpl::paint(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.translate(rect.topLeft());
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(0, 0), rect.size());
    p.setPen(tracePen(area));
    p.setBrush(Qt::NoBrush);
    drawTrace(p);
    // Over the trace, as the fills are meant to be translucent.
    if (points.size() >= 3) {
        if (fillBelow)
            drawFill(p, area, area.height(), belowTop, belowBottom);
        if (fillAbove)
            drawFill(p, area, 0, aboveTop, aboveBottom);
    }
    drawSweep(p, area);
    p.restore();
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
