// One repaint of the dashboard's vital-sign trend chart: two series of 24 values, smooth, with areas,
// markers and a top legend, at 800 by 450; and of a financial chart with 1,000 candles, all of them in
// the window, at 960 by 540. Raster through the chart's paint, and through OpenGL the way the widget
// repaints (run those under Xvfb; without a GL context they are skipped).
// A line chart of 1,000,000 points at 800 by 600 against the same chart of 1,000 points, through OpenGL:
// shown with its first paint, repainted, and hovered 20 times with a repaint after each move; reported
// at the end as the ratio of the two and in 16.7 ms frames.
#include "charts/KIVQFinancialChart.h"
#include "charts/KIVQLineChart.h"
#include "charts/KIVQLineChartImpl.h"

#include <QElapsedTimer>
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

// A day of readings and more: a slow wave, noise, and one spike the line must still show.
QVector<double> longSeries(int n)
{
    QVector<double> values(n);
    quint32 seed = 12345;
    for (int i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        values[i] = 80 + 10 * std::sin(i * 6.283 * 7 / n) + (seed >> 8) % 600 / 100.0;
    }
    values[int(n * 0.61)] = 300;
    return values;
}

void finishGl(QOpenGLWidget& widget)
{
    widget.makeCurrent();
    QOpenGLContext::currentContext()->functions()->glFinish();
    widget.doneCurrent();
}

enum LongLineStep
{
    ShowStep,
    RepaintStep,
    HoverStep,
    LongLineSteps
};
const char* const kLongLineSteps[LongLineSteps] = {"shown with its first paint", "repaint", "20 hovers and a repaint"};

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

    void longLine_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("points");
        for (int step = 0; step < LongLineSteps; ++step) {
            for (int points : {1000, 1000000})
                QTest::addRow("%s, %d points", kLongLineSteps[step], points) << step << points;
        }
    }

    void longLine()
    {
        QFETCH(int, step);
        QFETCH(int, points);
        if (!QOpenGLContext().create())
            QSKIP("No OpenGL context; run under Xvfb.");
        const QVector<double> values = longSeries(points);
        auto fill = [&](TrendChart& chart) {
            chart.setAnimationEnabled(false);
            chart.setTooltipMode(1);
            chart.setCategories({});
            chart.setData(QStringLiteral("Heart rate"), values, QColor());
            chart.resize(800, 600);
        };
        qint64 total = 0;
        int rounds = 0;
        if (step == ShowStep) {
            QBENCHMARK
            {
                QElapsedTimer timer;
                timer.start();
                TrendChart chart;
                fill(chart);
                chart.show();
                QVERIFY(QTest::qWaitForWindowExposed(&chart));
                finishGl(chart);
                total += timer.nsecsElapsed();
                ++rounds;
            }
        } else {
            TrendChart chart;
            fill(chart);
            chart.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chart));
            const QRect plot = chart.impl()->plotRect(chart.size()).toRect();
            auto repaint = [&] {
                chart.makeCurrent();
                chart.paintGL();
                QOpenGLContext::currentContext()->functions()->glFinish();
                chart.doneCurrent();
            };
            int hits = 0;
            QBENCHMARK
            {
                QElapsedTimer timer;
                timer.start();
                for (int k = 0; step == HoverStep && k < 20; ++k) {
                    // Across the plot, on the wave.
                    const QPoint pos(plot.left() + plot.width() * (2 * k + 1) / 40, plot.top() + plot.height() * 3 / 4);
                    QMouseEvent move(QEvent::MouseMove, pos, chart.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                                     Qt::NoModifier);
                    QApplication::sendEvent(&chart, &move);
                    hits += chart.impl()->hoverActive ? 1 : 0;
                    repaint();
                }
                repaint();
                total += timer.nsecsElapsed();
                ++rounds;
            }
            // The hovers must find points, or they would time no search.
            QVERIFY(step != HoverStep || hits > 0);
        }
        m_longLine[step][points == 1000 ? 0 : 1] = rounds > 0 ? total / 1e6 / rounds : 0;
    }

    void cleanupTestCase()
    {
        qInfo("Line chart at 800 by 600, 1,000,000 points against 1,000:");
        for (int step = 0; step < LongLineSteps; ++step) {
            const double small = m_longLine[step][0];
            const double large = m_longLine[step][1];
            if (small <= 0 || large <= 0)
                continue;
            qInfo("  %-28s %9.1f ms against %7.1f ms: ratio %5.2f, %6.1f frames of 16.7 ms", kLongLineSteps[step],
                  large, small, large / small, large / 16.7);
        }
    }

private:
    double m_longLine[LongLineSteps][2] = {};
};

QTEST_MAIN(bench_charts)
#include "bench_charts.moc"
