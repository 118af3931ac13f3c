#include "KIVQBarChart.h"

#include "KIVQBarChartImpl.h"

namespace KIVQtLib {

KIVQBarChart::KIVQBarChart(QWidget* parent) : KIVQCartesianChart(parent)
{
    m_impl.reset(new KIVQBarChartImpl(this));
    m_impl->applyTheme();
    setMinimumSize(420, 260);
    setMouseTracking(true);

    setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                   QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")});
    setTooltipMode(0);
    setThemeIndex(0);
    setBackgroundColor(QColor());
    setData(QStringLiteral("Data"), {120, 200, 150, 80, 70, 110, 130}, QColor());
}

KIVQBarChart::~KIVQBarChart()
{
    releaseImpl(m_impl);
}

KIVQ_CONTROL_DEFINE(KIVQBarChart)

KIVQBarChartImpl* KIVQBarChart::impl() const
{
    return static_cast<KIVQBarChartImpl*>(m_impl.get());
}

KIVQChartImpl* KIVQBarChart::chartImpl() const
{
    return impl();
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
