#pragma once

#include "KIVQICDChart.h"
#include "KIVQTraceChartImpl.h"

namespace KIVQtLib {

class KIVQTLIB_EXPORT KIVQICDChartImpl : public KIVQTraceChartImpl
{
    Q_OBJECT
public:
    KIVQICDChartImpl(KIVQICDChart* owner, const QString& typeName);

    KIVQtICDType type = KIVQtICDTrace;

protected:
    void drawContent(QPainter& p, const QRect& rect) const override;
};

} // namespace KIVQtLib
