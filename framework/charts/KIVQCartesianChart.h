#pragma once

#include "KIVQChartBase.h"

#include <QStringList>

namespace KIVQtLib {

class KIVQCartesianChartImpl;

// What the bar and line charts offer beside their series: categories and the hover mode.
class KIVQCartesianChart : public KIVQChartBase
{
    Q_OBJECT
public:
    using KIVQChartBase::KIVQChartBase;

    void setCategories(const QStringList& categories);
    const QStringList& categories() const;
    // 0 off (and clears any hover), 1 one item, 2 one category.
    void setTooltipMode(int mode);
    int tooltipMode() const;

protected:
    // The chart's set-up with the week's days as categories and the hover off.
    void setUpCartesian();

private:
    KIVQCartesianChartImpl* cartesian() const;
};

} // namespace KIVQtLib
