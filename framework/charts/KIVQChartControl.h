#pragma once

#include "KIVQChartImpl.h"
#include "core/KIVQControl.h"

namespace KIVQtLib {

// The control template for a chart kind: ChartBase is KIVQChartBase or a class deriving from it. The
// chart paints through paintGL, not through the Impl's painter on the widget, and its Impl holds the
// widget's GL function table, so it goes with the context current.
template <class Derived, class ChartBase, class Impl>
class KIVQChartControl : public KIVQControlBase<Derived, ChartBase, Impl>
{
    using Control = KIVQControlBase<Derived, ChartBase, Impl>;

public:
    using Control::Control;
    ~KIVQChartControl() override
    {
        this->makeCurrent();
        this->releaseImpl();
        this->releasePaintDevice();
        this->doneCurrent();
    }

protected:
    KIVQChartImpl* chartImpl() const override
    {
        return static_cast<KIVQChartImpl*>(const_cast<KIVQChartControl*>(this)->getControlImpl());
    }
    void paintEvent(QPaintEvent* event) override { ChartBase::paintEvent(event); }
};

} // namespace KIVQtLib
