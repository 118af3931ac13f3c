#include "KIVQScatterChart.h"

#include "KIVQScatterChartImpl.h"

namespace KIVQtLib {

bool KIVQScatterSeries::operator==(const KIVQScatterSeries& other) const
{
    return name == other.name && points == other.points && color == other.color && visible == other.visible &&
           pointSize == other.pointSize;
}

KIVQScatterChart::KIVQScatterChart(QWidget* parent) : KIVQChartControl(parent)
{
    attachImpl();
    setUpChart();
    KIVQScatterSeries a;
    a.name = QStringLiteral("Series A");
    a.pointSize = 8;
    a.points = {{8, 15}, {12, 24}, {18, 31}, {25, 40}, {32, 28}};
    KIVQScatterSeries b;
    b.name = QStringLiteral("Series B");
    b.pointSize = 10;
    b.points = {{10, 8}, {16, 14}, {22, 19}, {30, 26}, {36, 21}};
    setSeries({a, b});
}

void KIVQScatterChart::setSeries(const QVector<KIVQScatterSeries>& series)
{
    impl()->series = series;
    impl()->clearHoverState();
    restartAnimation();
}

const QVector<KIVQScatterSeries>& KIVQScatterChart::series() const
{
    return impl()->series;
}

} // namespace KIVQtLib
