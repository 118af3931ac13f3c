#include "KIVQICDChart.h"

#include "KIVQICDChartImpl.h"

namespace KIVQtLib {

KIVQICDChart::KIVQICDChart(QWidget* parent) : KIVQControlBase(parent)
{
    // Unlike the ECG trace it takes no theme entry when it is made; theme changes still reach it.
    auto* d = new KIVQICDChartImpl(this, QString::fromLatin1(typeName()));
    d->setThemeName(QString());
    attachImpl(d);
    d->setThemeName(d->typeName());
}

KIVQTraceChartImpl* KIVQICDChart::traceImpl() const
{
    return impl();
}

void KIVQICDChart::setICDType(KIVQtICDType type)
{
    impl()->type = type;
}

KIVQtICDType KIVQICDChart::getICDType() const
{
    return impl()->type;
}

} // namespace KIVQtLib
