#include "KIVQECGChart.h"

#include "KIVQECGChartImpl.h"

namespace KIVQtLib {

KIVQECGChart::KIVQECGChart(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

KIVQTraceChartImpl* KIVQECGChart::traceImpl() const
{
    return impl();
}

void KIVQECGChart::setBelowFillColor(QColor top, QColor bottom)
{
    impl()->belowTop = top;
    impl()->belowBottom = bottom;
}

void KIVQECGChart::setAboveFillColor(QColor top, QColor bottom)
{
    impl()->aboveTop = top;
    impl()->aboveBottom = bottom;
}

void KIVQECGChart::enableFillColor(bool below, bool above)
{
    impl()->fillBelow = below;
    impl()->fillAbove = above;
}

} // namespace KIVQtLib
