#pragma once

#include "KIVQICDChart.h"
#include "KIVQTraceChartImpl.h"

namespace KIVQtLib {

class KIVQTLIB_EXPORT KIVQICDChartImpl : public KIVQTraceChartImpl
{
    Q_OBJECT
public:
    KIVQICDChartImpl(KIVQICDChart* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;

    KIVQtICDType type = KIVQtICDTrace;
};

} // namespace KIVQtLib
