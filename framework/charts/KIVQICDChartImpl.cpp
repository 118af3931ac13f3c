#include "KIVQICDChartImpl.h"

#include <QPainter>

namespace KIVQtLib {

KIVQICDChartImpl::KIVQICDChartImpl(KIVQICDChart* owner, const QString& typeName)
    : KIVQTraceChartImpl(owner, typeName, 1.0f, false)
{
}

void KIVQICDChartImpl::drawContent(QPainter& p, const QRect& rect) const
{
    if (type == KIVQtICDTrace)
        drawTrace(p);
    else if (type == KIVQtICDFlatLine)
        p.drawLine(QPointF(0, 40), QPointF(rect.width(), 40));
}

} // namespace KIVQtLib
