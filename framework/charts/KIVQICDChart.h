#pragma once

#include "KIVQTraceChart.h"
#include "core/KIVQControl.h"

namespace KIVQtLib {

class KIVQICDChartImpl;

// What the ICD trace draws: the points, a flat line at y 40, or (any other value) only the sweep.
enum KIVQtICDType : int
{
    KIVQtICDTrace = 0,
    KIVQtICDFlatLine = 1
};

// The twin of the ECG trace without fills, drawn without antialiasing, with a display type. Made in code
// only.
class KIVQTLIB_EXPORT KIVQICDChart : public KIVQControlBase<KIVQICDChart, KIVQTraceChart, KIVQICDChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQICDChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtecgchart"; }
    static QWidget* createKIVQICDChart() { return new KIVQICDChart; }

    void setICDType(KIVQtICDType type);
    KIVQtICDType getICDType() const;
    // Kept for callers of the trace interface; markers are not drawn.
    void addMarker(float, bool) {}
    void addMarkerValue(float, int, int, int) {}

protected:
    KIVQTraceChartImpl* traceImpl() const override;
};

} // namespace KIVQtLib
