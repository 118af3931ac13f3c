#include "KIVQOpenGLPieChart.h"

#include "KIVQOpenGLPieChartImpl.h"

#include <cmath>

namespace KIVQtLib {

KIVQOpenGLPieChart::KIVQOpenGLPieChart(QWidget* parent) : KIVQChartControl(parent)
{
    attachImpl();
    setUpChart();
    const std::pair<const char*, double> demo[] = {
        {"Search Engine", 1048}, {"Direct", 735}, {"Email", 580}, {"Union Ads", 484}, {"Video Ads", 300}};
    QVector<KIVQPieSlice> slices;
    for (const auto& [name, value] : demo) {
        KIVQPieSlice s;
        s.name = QString::fromLatin1(name);
        s.value = value;
        slices << s;
    }
    setSlices(slices);
}

void KIVQOpenGLPieChart::setSlices(const QVector<KIVQPieSlice>& slices)
{
    impl()->slices = slices;
    restartAnimation();
}

const QVector<KIVQPieSlice>& KIVQOpenGLPieChart::slices() const
{
    return impl()->slices;
}

void KIVQOpenGLPieChart::setHoleRatio(double ratio)
{
    // A NaN would survive qBound and leave the hole undefined.
    impl()->holeRatio = std::isnan(ratio) ? 0.0 : qBound(0.0, ratio, 0.8);
    update();
}

double KIVQOpenGLPieChart::holeRatio() const
{
    return impl()->holeRatio;
}

void KIVQOpenGLPieChart::setLabelsVisible(bool visible)
{
    impl()->labelsVisible = visible;
    update();
}

bool KIVQOpenGLPieChart::labelsVisible() const
{
    return impl()->labelsVisible;
}

} // namespace KIVQtLib
