#include "ChartTestHelpers.h"

#include "charts/ChartFrame.h"
#include "charts/KIVQBarChart.h"
#include "charts/KIVQBarChartImpl.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

KIVQBarSeries bars(const QVector<double>& values, bool visible = true)
{
    KIVQBarSeries s;
    s.values = values;
    s.visible = visible;
    return s;
}

// 700 by 276 plot with a bottom legend: 7 slots of 100, bars inset 16 and 68 wide for one series.
const QSize kWide(796, 400);

} // namespace

class tst_KIVQBarChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void range_data();
    void range();
    void columns_data();
    void columns();
    void negativeBarsHangBelowZero();
    void introGrowsFromZeroLine();
    void hiddenSeriesGivesUpItsPlace();
    void nonFiniteValueIsNoBar();
    void hover_data();
    void hover();
    void seriesWithoutColourInEmptyPalette();
};

void tst_KIVQBarChart::range_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QVector<double>>("hidden");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("positive: from zero, 8% above")
        << QVector<double>{120, 200, 150} << QVector<double>{} << 0.0 << 216.0;
    QTest::newRow("negative: 5% below") << QVector<double>{-10, 30} << QVector<double>{} << -12.0 << 33.2;
    QTest::newRow("no values") << QVector<double>{} << QVector<double>{} << 0.0 << 1.0;
    QTest::newRow("all zero") << QVector<double>{0, 0} << QVector<double>{} << 0.0 << 1.08;
    QTest::newRow("NaN and infinity are no values")
        << QVector<double>{kNaN, 10, kInf, -kInf} << QVector<double>{} << 0.0 << 10.8;
    QTest::newRow("only NaN") << QVector<double>{kNaN} << QVector<double>{} << 0.0 << 1.0;
    QTest::newRow("only negative values still reach zero")
        << QVector<double>{-10, -5} << QVector<double>{} << -10.5 << 0.8;
    QTest::newRow("hidden series ignored") << QVector<double>{10} << QVector<double>{1000, -1000} << 0.0 << 10.8;
}

void tst_KIVQBarChart::range()
{
    QFETCH(QVector<double>, values);
    QFETCH(QVector<double>, hidden);
    const chart::ValueRange r = KIVQBarChartImpl::valueRange({bars(hidden, false), bars(values)});
    QFETCH(double, min);
    QFETCH(double, max);
    QCOMPARE(r.min, min);
    QCOMPARE(r.max, max);
}

void tst_KIVQBarChart::columns_data()
{
    QTest::addColumn<double>("plotWidth");
    QTest::addColumn<int>("categories");
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("slot");
    QTest::addColumn<double>("inset");
    QTest::addColumn<double>("gap");
    QTest::addColumn<double>("usable");
    QTest::addColumn<double>("bar");
    QTest::newRow("7 in 700, two series") << 700.0 << 7 << 2 << 100.0 << 16.0 << 8.0 << 68.0 << 30.0;
    QTest::newRow("one series fills the slot") << 700.0 << 7 << 1 << 100.0 << 16.0 << 8.0 << 68.0 << 68.0;
    QTest::newRow("no visible series as one") << 700.0 << 7 << 0 << 100.0 << 16.0 << 8.0 << 68.0 << 68.0;
    QTest::newRow("40 in 200: minimums, groups overlap") << 200.0 << 40 << 2 << 5.0 << 0.8 << 0.4 << 12.0 << 8.0;
    QTest::newRow("wide slots cap inset and gap") << 1000.0 << 2 << 4 << 500.0 << 18.0 << 12.0 << 464.0 << 107.0;
}

void tst_KIVQBarChart::columns()
{
    QFETCH(double, plotWidth);
    QFETCH(int, categories);
    QFETCH(int, series);
    const KIVQBarColumns c = KIVQBarChartImpl::columns(plotWidth, categories, series);
    QTEST(c.slot, "slot");
    QTEST(c.inset, "inset");
    QTEST(c.gap, "gap");
    QTEST(c.usable, "usable");
    QTEST(c.bar, "bar");
}

void tst_KIVQBarChart::negativeBarsHangBelowZero()
{
    KIVQBarChart chart;
    chart.setAnimationEnabled(false);
    chart.setSeries({bars({-10, 30})});
    const QRectF plot = chart.impl()->plotRect(kWide);
    const chart::ValueRange range = KIVQBarChartImpl::valueRange(chart.series());
    const double zero = plot.bottom() - plot.height() * 12 / 45.2;
    const QVector<KIVQLaidOutBar> laid = chart.impl()->layoutBars(plot, range, 1.0);
    QCOMPARE(laid.size(), 2);
    QCOMPARE(laid[0].rect.top(), zero);
    QVERIFY(laid[0].rect.bottom() > zero + 50);
    QCOMPARE(laid[1].rect.bottom(), zero);

    // In pixels: the negative bar below the zero line, the plot above it.
    const QImage image = render(chart, kWide);
    const QColor bar(84, 112, 198);
    CHART_COMPARE_PIXEL(image, 106, int(zero) + 20, bar);
    CHART_COMPARE_PIXEL(image, 106, int(zero) - 20, QColor(Qt::white));
}

void tst_KIVQBarChart::introGrowsFromZeroLine()
{
    KIVQBarChart chart;
    chart.resize(kWide);
    const QRectF plot = chart.impl()->plotRect(kWide);
    const chart::ValueRange range = KIVQBarChartImpl::valueRange(chart.series());
    const QVector<KIVQLaidOutBar> full = chart.impl()->layoutBars(plot, range, 1.0);

    introAt(chart, 0);
    for (const KIVQLaidOutBar& b : chart.impl()->layoutBars(plot, range, chart.animationProgress())) {
        QCOMPARE(b.rect.height(), 1.0);
        QCOMPARE(b.rect.top(), plot.bottom());
    }
    introAt(chart, 350);
    const QVector<KIVQLaidOutBar> half = chart.impl()->layoutBars(plot, range, chart.animationProgress());
    QCOMPARE(half.size(), full.size());
    for (int i = 0; i < half.size(); ++i) {
        QCOMPARE(half[i].rect.bottom(), plot.bottom());
        QCOMPARE(half[i].rect.height(), full[i].rect.height() / 2);
    }
}

void tst_KIVQBarChart::hiddenSeriesGivesUpItsPlace()
{
    KIVQBarChart chart;
    chart.setAnimationEnabled(false);
    chart.setSeries({bars({500, 500}), bars({10, 20})});
    chart.resize(kWide);
    const QRectF plot = chart.impl()->plotRect(kWide);
    QCOMPARE(chart.impl()->layoutBars(plot, KIVQBarChartImpl::valueRange(chart.series()), 1).at(1).rect.width(), 30.0);

    const QVector<KIVQChartLegendItem> legend = chart.impl()->legendItems(kWide, plot);
    click(&chart, legend[0].rect.center().toPoint());
    QVERIFY(!chart.series()[0].visible);
    QCOMPARE(KIVQBarChartImpl::valueRange(chart.series()).max, 21.6);
    const QVector<KIVQLaidOutBar> laid =
        chart.impl()->layoutBars(plot, KIVQBarChartImpl::valueRange(chart.series()), 1);
    QCOMPARE(laid.size(), 2);
    QCOMPARE(laid[0].series, 1);
    QCOMPARE(laid[0].rect.width(), 68.0);

    click(&chart, legend[0].rect.topLeft().toPoint() - QPoint(2, 2));
    QVERIFY(chart.series()[0].visible);
    click(&chart, legend[0].rect.topLeft().toPoint() - QPoint(3, 0));
    QVERIFY(chart.series()[0].visible);
}

void tst_KIVQBarChart::nonFiniteValueIsNoBar()
{
    KIVQBarChart chart;
    chart.setAnimationEnabled(false);
    chart.setSeries({bars({10, kNaN, kInf, 20})});
    chart.setTooltipMode(2);
    chart.resize(kWide);
    const QRectF plot = chart.impl()->plotRect(kWide);
    const QVector<KIVQLaidOutBar> laid =
        chart.impl()->layoutBars(plot, KIVQBarChartImpl::valueRange(chart.series()), 1);
    QCOMPARE(laid.size(), 2);
    QCOMPARE(laid[1].category, 3);
    for (const KIVQLaidOutBar& b : laid)
        QVERIFY(std::isfinite(b.rect.top()) && std::isfinite(b.rect.height()));
    move(&chart, QPoint(206, 250)); // the middle of slot 1 of 7
    QVERIFY(!chart.impl()->hoverActive);
    move(&chart, QPoint(406, 250));
    QCOMPARE(chart.impl()->hoveredCategory, 3);
}

void tst_KIVQBarChart::hover_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<int>("category"); // -1: nothing hovered
    QTest::addColumn<int>("series");
    // Bar c spans x 72 + 100c .. 140 + 100c, from y 324 up past 190.
    QTest::newRow("item: inside a bar") << 1 << QPoint(200, 250) << 1 << 0;
    QTest::newRow("item: 2 px right of a bar") << 1 << QPoint(242, 250) << 1 << 0;
    QTest::newRow("item: 3 px right of a bar") << 1 << QPoint(243, 250) << -1 << -1;
    QTest::newRow("item: 2 px left of a bar") << 1 << QPoint(70, 250) << 0 << 0;
    QTest::newRow("item: 3 px left of a bar") << 1 << QPoint(69, 250) << -1 << -1;
    QTest::newRow("category: between bars") << 2 << QPoint(243, 250) << 1 << -1;
    QTest::newRow("category: slot starts at its edge") << 2 << QPoint(156, 250) << 1 << -1;
    QTest::newRow("category: last pixel of the slot before") << 2 << QPoint(155, 250) << 0 << -1;
    QTest::newRow("category: the plot's right edge is the last slot") << 2 << QPoint(756, 250) << 6 << -1;
    QTest::newRow("category: below the plot") << 2 << QPoint(200, 330) << -1 << -1;
    QTest::newRow("off") << 0 << QPoint(200, 250) << -1 << -1;
}

void tst_KIVQBarChart::hover()
{
    QFETCH(int, mode);
    QFETCH(QPoint, mouse);
    QFETCH(int, category);
    KIVQBarChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(kWide);
    chart.setTooltipMode(mode);
    move(&chart, mouse);
    QCOMPARE(chart.impl()->hoverActive, category >= 0);
    QCOMPARE(chart.impl()->hoveredCategory, category);
    QTEST(chart.impl()->hoveredSeries, "series");
    if (category >= 0) {
        // The hovered bar is drawn lighter.
        const QImage image = render(chart, kWide);
        CHART_COMPARE_PIXEL(image, 106 + 100 * category, 300, QColor(84, 112, 198).lighter(115));
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    QVERIFY(!chart.impl()->hoverActive);
    QCOMPARE(chart.impl()->hoveredCategory, -1);
}

void tst_KIVQBarChart::seriesWithoutColourInEmptyPalette()
{
    KIVQBarChart chart;
    chart.setAnimationEnabled(false);
    KIVQChartTheme theme = makeChartTheme(1);
    theme.palette.clear();
    chart.setTheme(theme);
    CHART_COMPARE_PIXEL(render(chart, kWide), 106, 300, QColor(84, 112, 198));
    chart.setThemeIndex(1);
    CHART_COMPARE_PIXEL(render(chart, kWide), 106, 300, QColor(45, 183, 245));
}

QTEST_MAIN(tst_KIVQBarChart)
#include "tst_KIVQBarChart.moc"
