#include "KIVQICDChartImpl.h"

#include <QPainter>

namespace KIVQtLib {

KIVQICDChartImpl::KIVQICDChartImpl(KIVQICDChart* owner, const QString& typeName)
    : KIVQTraceChartImpl(owner, typeName, 1.0f)
{
}

void KIVQICDChartImpl::paint(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.translate(rect.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect area(QPoint(0, 0), rect.size());
    p.setPen(tracePen(area));
    if (type == KIVQtICDTrace)
        drawTrace(p);
    else if (type == KIVQtICDFlatLine)
        p.drawLine(QPointF(0, 40), QPointF(area.width(), 40));
    drawSweep(p, area);
    p.restore();
}

} // namespace KIVQtLib
