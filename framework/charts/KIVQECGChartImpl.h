#pragma once

#include "KIVQTraceChartImpl.h"

namespace KIVQtLib {

class KIVQECGChart;

class KIVQTLIB_EXPORT KIVQECGChartImpl : public KIVQTraceChartImpl
{
    Q_OBJECT
public:
    KIVQECGChartImpl(KIVQECGChart* owner, const QString& typeName);

    bool fillBelow = false;
    bool fillAbove = false;
    QColor belowTop, belowBottom;
    QColor aboveTop, aboveBottom;

protected:
    void drawContent(QPainter& p, const QRect& rect) const override;

private:
    // The area between the trace and the horizontal edge at edgeY.
    void drawFill(QPainter& p, const QRect& rect, double edgeY, const QColor& top, const QColor& bottom) const;
};

} // namespace KIVQtLib
