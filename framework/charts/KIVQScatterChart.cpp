#include "KIVQScatterChart.h"

#include "KIVQScatterChartImpl.h"

namespace KIVQtLib {

bool KIVQScatterSeries::operator==(const KIVQScatterSeries& other) const
{
    return name == other.name && points == other.points && color == other.color && visible == other.visible &&
           pointSize == other.pointSize;
}

KIVQScatterChart::KIVQScatterChart(QWidget* parent) : KIVQChartBase(parent)
{
    m_impl.reset(new KIVQScatterChartImpl(this));
    m_impl->applyTheme();
    setMinimumSize(420, 260);
    setMouseTracking(true);

    setThemeIndex(0);
    setBackgroundColor(QColor());
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

KIVQScatterChart::~KIVQScatterChart()
{
    releaseImpl(m_impl);
}

KIVQ_CONTROL_DEFINE(KIVQScatterChart)

KIVQScatterChartImpl* KIVQScatterChart::impl() const
{
    return static_cast<KIVQScatterChartImpl*>(m_impl.get());
}

KIVQChartImpl* KIVQScatterChart::chartImpl() const
{
    return impl();
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
