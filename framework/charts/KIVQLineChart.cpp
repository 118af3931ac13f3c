#include "KIVQLineChart.h"

#include "KIVQLineChartImpl.h"

namespace KIVQtLib {

KIVQLineChart::KIVQLineChart(QWidget* parent) : KIVQChartControl(parent)
{
    attachImpl();
    setUpCartesian();
    setData(QStringLiteral("Data"), {150, 230, 224, 218, 135, 147, 260}, QColor());
}

void KIVQLineChart::setSeries(const QVector<KIVQLineSeries>& series)
{
    if (!impl()->series.isSharedWith(series)) {
        impl()->series = series;
        impl()->seriesChanged();
    }
    restartAnimation();
}

const QVector<KIVQLineSeries>& KIVQLineChart::series() const
{
    return impl()->series;
}

void KIVQLineChart::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    KIVQLineSeries s;
    s.name = name;
    s.values = values;
    s.lineColor = color;
    s.smooth = impl()->smooth;
    s.area = impl()->areaFill;
    impl()->series = {s};
    impl()->seriesChanged();
    restartAnimation();
}

void KIVQLineChart::setSmooth(bool smooth)
{
    impl()->smooth = smooth;
    update();
}

bool KIVQLineChart::smooth() const
{
    return impl()->smooth;
}

void KIVQLineChart::setAreaFill(bool area)
{
    impl()->areaFill = area;
    update();
}

bool KIVQLineChart::areaFill() const
{
    return impl()->areaFill;
}

} // namespace KIVQtLib
