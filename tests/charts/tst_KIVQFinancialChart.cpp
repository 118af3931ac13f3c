#include "ChartTestHelpers.h"

#include "charts/FinancialData.h"
#include "charts/KIVQChartZoomSlider.h"
#include "charts/KIVQFinancialChart.h"
#include "charts/KIVQFinancialChartImpl.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const QSize kSize(600, 400);
const QColor kRising(230, 76, 69);
const QColor kMa5(234, 179, 8);

// Candle i closes at i + 1 over an open of i + 1 (or the given close), with high and low 1 away.
QVector<KIVQCandle> rising(int n)
{
    QVector<KIVQCandle> candles;
    for (int i = 0; i < n; ++i)
        candles << KIVQCandle{QStringLiteral("L%1").arg(i), i + 1.0, i + 2.0, i + 0.0, i + 1.0, 100};
    return candles;
}

// The plot is (66, 48, 506, 226) at 600 by 400 with the slider on; item i of n at the slider's 0 .. 1.
double itemX(int i, int n)
{
    return 66 + 506.0 * i / (n - 1);
}

// How much of one pixel row a rising body covers at x, summed over the column: white blends to the
// rising colour through the green channel.
double bodyRows(const QImage& image, int x, int from, int to)
{
    double rows = 0;
    for (int y = from; y <= to; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > c.green())
            rows += (255.0 - c.green()) / (255.0 - kRising.green());
    }
    return rows;
}

} // namespace

class tst_KIVQFinancialChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void demoData();
    void csvRows_data();
    void csvRows();
    void tickAverageRunsOverStoredTicks();
    void movingAverages();
    void tooltipText_data();
    void tooltipText();
    void hover_data();
    void hover();
    void flatCandleHasOnePixelBody();
    void introRevealsCandlesNotAverages();
    void sliderDragLeavesIntroAlone();
    void nonFiniteCandleIsNoCandle();
    void emptySeriesSaysSo();
};

void tst_KIVQFinancialChart::demoData()
{
    KIVQFinancialChart chart;
    QCOMPARE(chart.candles().size(), 62);
    QCOMPARE(chart.ticks().size(), 49);
    // The ticks are of the last day.
    QVERIFY(chart.ticks().last().label.startsWith(chart.candles().last().label));
    QCOMPARE(chart.impl()->firstVisible(), 33);
    QCOMPARE(chart.impl()->lastVisible(), 61);
    QCOMPARE(chart.impl()->plotRect(kSize), QRectF(66, 48, 506, 226));
    chart.setZoomEnabled(false);
    QCOMPARE(chart.impl()->plotRect(kSize), QRectF(66, 48, 506, 270));
    QCOMPARE(chart.impl()->firstVisible(), 0);
}

void tst_KIVQFinancialChart::csvRows_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QVector<double>>("values"); // open, high, low, close, volume of the first candle
    QTest::newRow("demo: open, close, high, low in the text")
        << chart::demoDailyText() << 62 << "03-02" << QVector<double>{24.8, 24.99, 24.63, 24.87, 182000};
    QTest::newRow("a short line is skipped")
        << QByteArray("\n2026-01-05,1,2,3,4\n2026-01-06,1,2,3,4,5\n") << 1 << "01-06" << QVector<double>{1, 3, 4, 2, 5};
    QTest::newRow("abc reads 0") << QByteArray("2026-01-06,abc,2,3,4,5") << 1 << "01-06"
                                 << QVector<double>{0, 3, 4, 2, 5};
    QTest::newRow("NaN and infinities read 0")
        << QByteArray("2026-01-06,nan,inf,3,-inf,5") << 1 << "01-06" << QVector<double>{0, 3, 0, 0, 5};
    QTest::newRow("empty field reads 0, extra fields ignored")
        << QByteArray("2026-01-06,,2,3,4,5,x,y") << 1 << "01-06" << QVector<double>{0, 3, 4, 2, 5};
    QTest::newRow("blanks and carriage returns trimmed")
        << QByteArray("  2026-01-06,1,2,3,4,5  \r\n\r\n") << 1 << "01-06" << QVector<double>{1, 3, 4, 2, 5};
    QTest::newRow("a blank line is a short line") << QByteArray(" \n\t\n") << 0 << "" << QVector<double>{};
}

void tst_KIVQFinancialChart::csvRows()
{
    QFETCH(QByteArray, text);
    QFETCH(QVector<double>, values);
    const QVector<KIVQCandle> candles = chart::parseCandles(text);
    QTEST(int(candles.size()), "count");
    if (candles.isEmpty())
        return;
    const KIVQCandle& c = candles.first();
    QTEST(c.label, "label");
    QCOMPARE((QVector<double>{c.open, c.high, c.low, c.close, c.volume}), values);
}

void tst_KIVQFinancialChart::tickAverageRunsOverStoredTicks()
{
    const QVector<KIVQTick> ticks =
        chart::parseTicks("2026-05-26 09:31,10,1\n2026-05-26 09:36,20,2\nshort,1\n2026-05-26 09:41,60,nan\n");
    QCOMPARE(ticks.size(), 3);
    QCOMPARE(ticks[2].label, QStringLiteral("05-26 09:41"));
    QCOMPARE(ticks[0].average, 10.0);
    QCOMPARE(ticks[1].average, 15.0);
    QCOMPARE(ticks[2].average, 30.0);
    QCOMPARE(ticks[2].volume, 0.0);

    const QVector<KIVQTick> demo = chart::parseTicks(chart::demoIntradayText());
    double sum = 0;
    for (int i = 0; i < demo.size(); ++i) {
        sum += demo[i].price;
        QCOMPARE(demo[i].average, sum / (i + 1));
    }
}

void tst_KIVQFinancialChart::movingAverages()
{
    QVector<KIVQCandle> candles = rising(40);
    const QVector<double> ma30 = chart::movingAverage(candles, 30);
    QVERIFY(std::isnan(ma30[28]));
    QCOMPARE(ma30[29], 15.5);
    QCOMPARE(ma30[39], 25.5);
    QVERIFY(std::isnan(chart::movingAverage(candles, 0)[39]));

    // A close that is no number leaves every window holding it undefined, and only those.
    candles[10].close = kNaN;
    const QVector<double> ma5 = chart::movingAverage(candles, 5);
    QCOMPARE(ma5[9], 8.0);
    for (int i = 10; i <= 14; ++i)
        QVERIFY2(std::isnan(ma5[i]), QByteArray::number(i).constData());
    QCOMPARE(ma5[15], 14.0);
}

void tst_KIVQFinancialChart::tooltipText_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    const QString day28 = "L28\nOpen: 29\nHigh: 30\nLow: 28\nClose: 29\nVolume: 100";
    QTest::newRow("daily before period 30: the shorter averages")
        << 0 << 28 << day28 + "\nMA5: 27\nMA10: 24.5\nMA20: 19.5";
    QTest::newRow("daily at 29: MA30 too") << 0 << 29
                                           << "L29\nOpen: 30\nHigh: 31\nLow: 29\nClose: 30\nVolume: 100\nMA5: 28"
                                              "\nMA10: 25.5\nMA20: 20.5\nMA30: 15.5";
    QTest::newRow("first day: no average") << 0 << 0 << "L0\nOpen: 1\nHigh: 2\nLow: 0\nClose: 1\nVolume: 100";
    QTest::newRow("volume view: no averages") << 2 << 28 << day28;
    QTest::newRow("intraday") << 1 << 1 << "T1\nPrice: 2.5\nAverage: 1.75\nVolume: 7";
    QTest::newRow("beyond the series") << 0 << 40 << "";
    QTest::newRow("negative index") << 1 << -1 << "";
}

void tst_KIVQFinancialChart::tooltipText()
{
    QFETCH(int, view);
    QFETCH(int, index);
    KIVQFinancialChart chart;
    chart.setCandles(rising(40));
    chart.setTicks({{QStringLiteral("T0"), 1, 1, 3}, {QStringLiteral("T1"), 2.5, 1.75, 7}});
    chart.setView(view);
    QTEST(chart.impl()->tooltipText(index), "text");
}

void tst_KIVQFinancialChart::hover_data()
{
    // The demo window 33 .. 61 over the plot (66, 48, 506, 226).
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<int>("index");
    QTest::newRow("left edge") << QPoint(66, 150) << 33;
    QTest::newRow("8 px left of the plot") << QPoint(58, 150) << 33;
    QTest::newRow("9 px left of the plot") << QPoint(57, 150) << -1;
    QTest::newRow("middle snaps to the nearest item") << QPoint(319, 150) << 47;
    QTest::newRow("8 px right of the plot: the last item") << QPoint(580, 150) << 61;
    QTest::newRow("9 px right of the plot") << QPoint(581, 150) << -1;
    QTest::newRow("8 px below the plot") << QPoint(319, 282) << 47;
    QTest::newRow("on the slider track") << QPoint(319, 325) << -1;
}

void tst_KIVQFinancialChart::hover()
{
    QFETCH(QPoint, mouse);
    QFETCH(int, index);
    KIVQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(kSize);
    move(&chart, mouse);
    QCOMPARE(chart.impl()->hoverIndex, index);
    QCOMPARE(chart.impl()->hovering, index >= 0);
    if (index >= 0)
        QVERIFY(chart.hoverText().startsWith(chart.candles()[index].label + QStringLiteral("\nOpen: ")));
    else
        QVERIFY(chart.hoverText().isEmpty());
    move(&chart, QPoint(5, 5));
    QVERIFY(chart.hoverText().isEmpty());
}

void tst_KIVQFinancialChart::flatCandleHasOnePixelBody()
{
    KIVQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.setZoomRange(0, 1);
    // Range 7.68 .. 12.32: the flat body sits at y 136.65, clear of the grid lines.
    chart.setCandles({{"a", 9, 12, 8, 11, 1}, {"b", 10.5, 12, 8, 10.5, 1}, {"c", 9, 12, 8, 11, 1}});
    const QImage image = render(chart, kSize);
    // Beside the wick, inside the 18-wide bodies.
    const int left = qRound(itemX(0, 3)) + 4, middle = qRound(itemX(1, 3)) + 4;
    QVERIFY(qAbs(bodyRows(image, middle, 60, 270) - 1.0) < 0.15);
    QVERIFY(qAbs(bodyRows(image, left, 60, 270) - 226 * 2 / 4.64) < 1.0);
}

void tst_KIVQFinancialChart::introRevealsCandlesNotAverages()
{
    // Ten rising candles of one shape: MA5 runs flat at the close from index 4, at y 112.3.
    QVector<KIVQCandle> candles;
    for (int i = 0; i < 10; ++i)
        candles << KIVQCandle{QString::number(i), 10, 13, 9, 12, 1};
    KIVQFinancialChart chart;
    chart.setZoomRange(0, 1);
    chart.setCandles(candles);
    chart.resize(kSize);
    introAt(chart, 350);
    QCOMPARE(chart.animationProgress(), 0.5);
    QImage image = render(chart, kSize);
    const int mid78 = qRound((itemX(7, 10) + itemX(8, 10)) / 2);
    CHART_COMPARE_PIXEL(image, qRound(itemX(2, 10)) + 5, 180, kRising);
    CHART_COMPARE_PIXEL(image, qRound(itemX(5, 10)) + 5, 180, kRising);
    CHART_COMPARE_PIXEL(image, qRound(itemX(6, 10)) + 5, 180, Qt::white);
    CHART_COMPARE_PIXEL(image, qRound(itemX(8, 10)) + 5, 180, Qt::white);
    CHART_COMPARE_PIXEL(image, mid78, 112, kMa5);

    introAt(chart, 700);
    image = render(chart, kSize);
    CHART_COMPARE_PIXEL(image, qRound(itemX(8, 10)) + 5, 180, kRising);
}

void tst_KIVQFinancialChart::sliderDragLeavesIntroAlone()
{
    KIVQFinancialChart chart;
    chart.resize(kSize);
    introAt(chart, 350);
    move(&chart, QPoint(319, 150));
    QVERIFY(!chart.hoverText().isEmpty());

    // The window 0.55 .. 1 covers x 344 .. 572 of the track at y 316 .. 334.
    mouse(&chart, QEvent::MouseButtonPress, QPoint(458, 325), Qt::LeftButton);
    QVERIFY(chart.zoomSlider().isDragging());
    QVERIFY(chart.hoverText().isEmpty());
    move(&chart, QPoint(408, 325));
    mouse(&chart, QEvent::MouseButtonRelease, QPoint(408, 325), Qt::LeftButton);
    QVERIFY(!chart.zoomSlider().isDragging());
    QCOMPARE(chart.zoomSlider().start(), 0.55 - 50.0 / 506);
    QCOMPARE(chart.zoomSlider().end(), 1.0 - 50.0 / 506);
    QCOMPARE(chart.animationProgress(), 0.5);
    QCOMPARE(chart.impl()->firstVisible(), int(std::floor((0.55 - 50.0 / 506) * 61)));
    QCOMPARE(chart.candles().size(), 62);
}

void tst_KIVQFinancialChart::nonFiniteCandleIsNoCandle()
{
    QVector<KIVQCandle> candles = rising(3);
    KIVQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.setZoomRange(0, 1);
    chart.setCandles(candles);
    const chart::ValueRange clean = chart.impl()->valueRange(0, 2);
    candles.insert(1, KIVQCandle{"bad", 1, std::numeric_limits<double>::infinity(), -1000, 2, kNaN});
    chart.setCandles(candles);
    const chart::ValueRange range = chart.impl()->valueRange(0, 3);
    QCOMPARE(range.min, clean.min);
    QCOMPARE(range.max, clean.max);
    chart.resize(kSize);
    move(&chart, QPoint(qRound(itemX(1, 4)), 150));
    QVERIFY(!chart.impl()->hovering);
    QVERIFY(chart.hoverText().isEmpty());
    move(&chart, QPoint(qRound(itemX(2, 4)), 150));
    QCOMPARE(chart.impl()->hoverIndex, 2);
    chart.setView(2);
    render(chart, kSize);
}

void tst_KIVQFinancialChart::emptySeriesSaysSo()
{
    KIVQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.setTicks({});
    chart.setView(1);
    QCOMPARE(chart.impl()->firstVisible(), 0);
    QCOMPARE(chart.impl()->lastVisible(), -1);
    QCOMPARE(chart.impl()->valueRange(0, -1).max, 1.0);
    chart.resize(kSize);
    move(&chart, QPoint(300, 150));
    QVERIFY(chart.hoverText().isEmpty());
    // The slider has nothing to show: no track, so nothing is drawn or hit there.
    const QImage image = render(chart, kSize);
    CHART_COMPARE_PIXEL(image, 100, 325, chart.theme().background);
}

QTEST_MAIN(tst_KIVQFinancialChart)
#include "tst_KIVQFinancialChart.moc"
