#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace KIVQtLib {

class KIVQTraceChartImpl;

// What the ECG and ICD traces share as widgets: the point store of a sweeping display, its colours and
// the snapshot of the previous sweep. Each trace class brings its own Impl and drawing.
class KIVQTLIB_EXPORT KIVQTraceChart : public QWidget
{
    Q_OBJECT
public:
    explicit KIVQTraceChart(QWidget* parent = nullptr);

    // Points are widget pixels, added with rising x. Only adding repaints; every other change shows at
    // the next paint.
    void addData(float x, float y);
    void popFront();
    void popBack();
    void clearData();
    int dataSize() const;
    // (0, 0) outside 0 .. dataSize() - 1.
    QPointF getAt(int index) const;
    // Top and bottom of the trace's vertical gradient.
    void setLineColor(QColor top, QColor bottom);
    void setLineWeight(float weight);
    float getLineWeight() const;
    // Keeps the widget as it looks now, to be shown right of the next sweep. The points stay.
    void swapData();

protected:
    virtual KIVQTraceChartImpl* traceImpl() const = 0;
};

} // namespace KIVQtLib
