#pragma once

#include "KIVQChartImpl.h"
#include "core/KIVQControl.h"

namespace KIVQtLib {

// The control template for a chart kind: ChartBase is KIVQChartBase or a class deriving from it. The
// chart paints through paintGL, not through the Impl's painter on the widget.
template <class Derived, class ChartBase, class Impl>
class KIVQChartControl : public KIVQControlBase<Derived, ChartBase, Impl>
{
    using Control = KIVQControlBase<Derived, ChartBase, Impl>;

public:
    using Control::Control;

protected:
    KIVQChartImpl* chartImpl() const override
    {
        return static_cast<KIVQChartImpl*>(const_cast<KIVQChartControl*>(this)->getControlImpl());
    }
    void paintEvent(QPaintEvent* event) override { ChartBase::paintEvent(event); }
};

} // namespace KIVQtLib
