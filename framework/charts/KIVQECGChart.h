#pragma once

#include "KIVQTraceChart.h"
#include "core/KIVQControl.h"

namespace KIVQtLib {

class KIVQECGChartImpl;

// A scrolling signal such as an electrocardiogram: one gradient polyline through points the caller
// feeds in widget pixels, optional gradient fills above and below it, and the previous sweep kept
// visible right of the current one behind a 40-pixel gap. Made in code only.
class KIVQTLIB_EXPORT KIVQECGChart : public KIVQControlBase<KIVQECGChart, KIVQTraceChart, KIVQECGChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQECGChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtecgchart"; }
    static QWidget* createKIVQECGChart() { return new KIVQECGChart; }

    // First colour at the top of the gradient, second at the bottom. A colour never set draws nothing.
    void setBelowFillColor(QColor top, QColor bottom);
    void setAboveFillColor(QColor top, QColor bottom);
    // Fills need at least three points.
    void enableFillColor(bool below, bool above);

protected:
    KIVQTraceChartImpl* traceImpl() const override;
};

} // namespace KIVQtLib
