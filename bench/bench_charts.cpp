// One repaint of the dashboard's vital-sign trend chart: two series of 24 values, smooth, with areas,
// markers and a top legend, at 800 by 450; and of a financial chart with 1,000 candles, all of them in
// the window, at 960 by 540. Raster through the chart's paint, and through OpenGL the way the widget
// repaints (run those under Xvfb; without a GL context they are skipped).
#include "charts/KIVQFinancialChart.h"
#include "charts/KIVQLineChart.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace KIVQtLib;

namespace {

// paintGL is the widget's own; the benchmark calls it as the widget would.
class TrendChart : public KIVQLineChart
{
public:
    using KIVQLineChart::paintGL;
};

class CandleChart : public KIVQFinancialChart
{
public:
    using KIVQFinancialChart::paintGL;
};

void fillCandles(KIVQFinancialChart& chart)
{
    QVector<KIVQCandle> candles;
    double close = 40;
    for (int i = 0; i < 1000; ++i) {
        const double open = close;
        close = open + 0.8 * std::sin(i * 0.37) + 0.3 * std::cos(i * 1.9);
        const double high = qMax(open, close) + 0.4, low = qMin(open, close) - 0.4;
        candles << KIVQCandle{QStringLiteral("D%1").arg(i), open, high, low, close, 1000.0 + i};
    }
    chart.setAnimationEnabled(false);
    chart.setCandles(candles);
    chart.setZoomRange(0, 1);
    chart.resize(960, 540);
}

// Times one repaint through OpenGL as the widget does it, with the GPU's work finished.
template <class Chart, class Fill> void benchOpenGL(Fill fill)
{
    if (!QOpenGLContext().create())
        QSKIP("No OpenGL context; run under Xvfb.");
    Chart chart;
    fill(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.makeCurrent();
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    QBENCHMARK
    {
        chart.paintGL();
        gl->glFinish();
    }
    chart.doneCurrent();
}

void fillTrend(KIVQLineChart& chart)
{
    QVector<KIVQLineSeries> series(2);
    QStringList hours;
    for (int i = 0; i < 24; ++i) {
        hours << QStringLiteral("%1:00").arg(i, 2, 10, QLatin1Char('0'));
        series[0].values << 78 + 9 * std::sin(i * 0.45);
        series[1].values << 96 + 2 * std::cos(i * 0.3);
    }
    series[0].name = QStringLiteral("Heart rate");
    series[1].name = QStringLiteral("SpO2");
    for (KIVQLineSeries& s : series) {
        s.smooth = true;
        s.area = true;
    }
    chart.setAnimationEnabled(false);
    chart.setLegendPosition(0);
    chart.setCategories(hours);
    chart.setSeries(series);
    chart.resize(800, 450);
}

} // namespace

class bench_charts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        QApplication::setFont(font);
    }

    void trendRaster()
    {
        KIVQLineChart chart;
        fillTrend(chart);
        QImage target(800, 450, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        QBENCHMARK
        {
            chart.getControlImpl()->paint(&p, QRect(0, 0, 800, 450));
        }
    }

    void trendOpenGL() { benchOpenGL<TrendChart>(fillTrend); }

    void candlesRaster()
    {
        KIVQFinancialChart chart;
        fillCandles(chart);
        QImage target(960, 540, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        QBENCHMARK
        {
            chart.getControlImpl()->paint(&p, QRect(0, 0, 960, 540));
        }
    }

    void candlesOpenGL() { benchOpenGL<CandleChart>(fillCandles); }
};

QTEST_MAIN(bench_charts)
#include "bench_charts.moc"
