#include "KIVQLineChart.h"

#include "KIVQLineChartImpl.h"

namespace KIVQtLib {

KIVQLineChart::KIVQLineChart(QWidget* parent) : KIVQCartesianChart(parent)
{
    m_impl.reset(new KIVQLineChartImpl(this));
    m_impl->applyTheme();
    setMinimumSize(420, 260);
    setMouseTracking(true);

    setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                   QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")});
    setSmooth(false);
    setAreaFill(false);
    setTooltipMode(0);
    setThemeIndex(0);
    setBackgroundColor(QColor());
    setData(QStringLiteral("Data"), {150, 230, 224, 218, 135, 147, 260}, QColor());
}

KIVQLineChart::~KIVQLineChart()
{
    releaseImpl(m_impl);
}

KIVQ_CONTROL_DEFINE(KIVQLineChart)

KIVQLineChartImpl* KIVQLineChart::impl() const
{
    return static_cast<KIVQLineChartImpl*>(m_impl.get());
}

KIVQChartImpl* KIVQLineChart::chartImpl() const
{
    return impl();
}

void KIVQLineChart::setSeries(const QVector<KIVQLineSeries>& series)
{
    impl()->series = series;
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
