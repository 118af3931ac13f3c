#include "KIVQTraceChart.h"

#include "KIVQTraceChartImpl.h"

namespace KIVQtLib {

KIVQTraceChart::KIVQTraceChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
}

void KIVQTraceChart::addData(float x, float y)
{
    traceImpl()->points.append(QPointF(x, y));
    update();
}

void KIVQTraceChart::popFront()
{
    QVector<QPointF>& points = traceImpl()->points;
    if (!points.isEmpty())
        points.removeFirst();
}

void KIVQTraceChart::popBack()
{
    QVector<QPointF>& points = traceImpl()->points;
    if (!points.isEmpty())
        points.removeLast();
}

void KIVQTraceChart::clearData()
{
    traceImpl()->points.clear();
}

int KIVQTraceChart::dataSize() const
{
    return traceImpl()->points.size();
}

QPointF KIVQTraceChart::getAt(int index) const
{
    const QVector<QPointF>& points = traceImpl()->points;
    return index >= 0 && index < points.size() ? points[index] : QPointF(0, 0);
}

void KIVQTraceChart::setLineColor(QColor top, QColor bottom)
{
    traceImpl()->lineTop = top;
    traceImpl()->lineBottom = bottom;
}

void KIVQTraceChart::setLineWeight(float weight)
{
    traceImpl()->lineWeight = weight;
}

float KIVQTraceChart::getLineWeight() const
{
    return traceImpl()->lineWeight;
}

void KIVQTraceChart::swapData()
{
    traceImpl()->sweep = grab(rect()).toImage();
}

} // namespace KIVQtLib
