#include "KIVQCartesianChart.h"

#include "KIVQCartesianChartImpl.h"

namespace KIVQtLib {

KIVQCartesianChartImpl* KIVQCartesianChart::cartesian() const
{
    return static_cast<KIVQCartesianChartImpl*>(chartImpl());
}

void KIVQCartesianChart::setUpCartesian()
{
    setUpChart();
    setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                   QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")});
    setTooltipMode(0);
}

void KIVQCartesianChart::setCategories(const QStringList& categories)
{
    cartesian()->categories = categories;
    update();
}

const QStringList& KIVQCartesianChart::categories() const
{
    return cartesian()->categories;
}

void KIVQCartesianChart::setTooltipMode(int mode)
{
    cartesian()->setTooltipMode(mode);
    update();
}

int KIVQCartesianChart::tooltipMode() const
{
    return cartesian()->tooltipMode;
}

} // namespace KIVQtLib
