#include "KIVQBarChart.h"

#include "KIVQBarChartImpl.h"

namespace KIVQtLib {

KIVQBarChart::KIVQBarChart(QWidget* parent) : KIVQChartControl(parent)
{
    attachImpl();
    setUpCartesian();
    setData(QStringLiteral("Data"), {120, 200, 150, 80, 70, 110, 130}, QColor());
}

void KIVQBarChart::setSeries(const QVector<KIVQBarSeries>& series)
{
    impl()->series = series;
    restartAnimation();
}

const QVector<KIVQBarSeries>& KIVQBarChart::series() const
{
    return impl()->series;
}

void KIVQBarChart::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    KIVQBarSeries s;
    s.name = name;
    s.values = values;
    s.color = color;
    impl()->series = {s};
    restartAnimation();
}

} // namespace KIVQtLib
