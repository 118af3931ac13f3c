#include "ChartTestHelpers.h"

#include "charts/ChartFrame.h"
#include "charts/KIVQScatterChart.h"
#include "charts/KIVQScatterChartImpl.h"

#include <QtTest>

#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const QSize kSize(600, 400);

// Pixels in the rectangle that are not the white plot background.
int inkIn(const QImage& image, const QRect& rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += !near(image.pixelColor(x, y), Qt::white, 2);
    }
    return n;
}

KIVQScatterSeries scatter(const QVector<QPointF>& points, double size = 8, bool visible = true)
{
    KIVQScatterSeries s;
    s.points = points;
    s.pointSize = size;
    s.visible = visible;
    return s;
}

} // namespace

class tst_KIVQScatterChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void bounds_data();
    void bounds();
    void plotRect_data();
    void plotRect();
    void hover_data();
    void hover();
    void allHiddenShowsUnitAxesAndNothingElse();
    void legendClickHidesWithoutReplayingIntro();
    void setSeriesClearsHoverAndReplaysIntro();
    void introRaisesPointsFromTheBottom();
};

void tst_KIVQScatterChart::bounds_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<QRectF>("expected"); // x min, y min, x span, y span
    QTest::newRow("demo: 8 % of each span added")
        << QVector<QPointF>{{8, 15}, {12, 24}, {36, 21}, {10, 8}, {25, 40}} << QRectF(5.76, 5.44, 32.48, 37.12);
    QTest::newRow("single point: 1 each way, then 8 % of 2")
        << QVector<QPointF>{{3, 7}} << QRectF(1.84, 5.84, 2.32, 2.32);
    QTest::newRow("one x value") << QVector<QPointF>{{5, 1}, {5, 3}} << QRectF(3.84, 0.84, 2.32, 2.32);
    QTest::newRow("span below 1 gets 8 % of 1")
        << QVector<QPointF>{{0, 0}, {0.5, 0.5}} << QRectF(-0.08, -0.08, 0.66, 0.66);
    QTest::newRow("NaN and infinite points are left out")
        << QVector<QPointF>{{kNaN, 1}, {kInf, 2}, {0, 0}, {10, -kInf}, {10, 10}} << QRectF(-0.8, -0.8, 11.6, 11.6);
    QTest::newRow("only NaN: the unit range") << QVector<QPointF>{{kNaN, kNaN}} << QRectF(0, 0, 1, 1);
}

void tst_KIVQScatterChart::bounds()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(QRectF, expected);
    KIVQScatterChart chart;
    // A hidden series with far points takes no part.
    chart.setSeries({scatter({{-1000, 1000}}, 8, false), scatter(points)});
    const KIVQScatterChartImpl::Bounds b = chart.impl()->bounds();
    QCOMPARE(b.x.min, expected.left());
    QCOMPARE(b.x.max, expected.right());
    QCOMPARE(b.y.min, expected.top());
    QCOMPARE(b.y.max, expected.bottom());
}

void tst_KIVQScatterChart::plotRect_data()
{
    QTest::addColumn<int>("legend");
    QTest::addColumn<QRectF>("plot");
    QTest::newRow("top: bottom margin 42") << 0 << QRectF(56, 88, 520, 270);
    QTest::newRow("right: 176 more on the right") << 1 << QRectF(56, 48, 344, 310);
    QTest::newRow("bottom: bottom margin 76") << 2 << QRectF(56, 48, 520, 276);
    QTest::newRow("left: 176 more on the left") << 3 << QRectF(232, 48, 344, 310);
    QTest::newRow("any other value is bottom") << 9 << QRectF(56, 48, 520, 276);
}

void tst_KIVQScatterChart::plotRect()
{
    QFETCH(int, legend);
    KIVQScatterChart chart;
    chart.setLegendPosition(legend);
    QTEST(chart.impl()->plotRect(kSize), "plot");
}

void tst_KIVQScatterChart::hover_data()
{
    // Demo data at 600 by 400: (8, 15) of "Series A" (size 8) shows at (91.9, 252.9), (10, 8) of
    // "Series B" (size 10) at (123.9, 305). Two big points sit 35.9 px inside the plot's left edge.
    QTest::addColumn<bool>("big");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("filled");
    QTest::newRow("on (8, 15)") << false << QPoint(92, 253) << "Series A\nx: 8\ny: 15" << QPoint(92, 253);
    QTest::newRow("13 px away: within size + 6")
        << false << QPoint(105, 253) << "Series A\nx: 8\ny: 15" << QPoint(92, 253);
    QTest::newRow("15 px away: nothing") << false << QPoint(107, 253) << "" << QPoint();
    QTest::newRow("larger point, larger reach")
        << false << QPoint(124, 320) << "Series B\nx: 10\ny: 8" << QPoint(124, 305);
    QTest::newRow("inside the plot, on the big point's rim")
        << true << QPoint(60, 305) << "Series\nx: 0\ny: 0" << QPoint(92, 305);
    QTest::newRow("left of the plot over the big point") << true << QPoint(50, 305) << "" << QPoint();
}

void tst_KIVQScatterChart::hover()
{
    QFETCH(bool, big);
    QFETCH(QPoint, mouse);
    KIVQScatterChart chart;
    chart.setAnimationEnabled(false);
    if (big)
        chart.setSeries({scatter({{0, 0}, {10, 10}}, 40)});
    chart.resize(kSize);
    move(&chart, mouse);
    QTEST(chart.hoverText(), "text");
    QCOMPARE(chart.impl()->hovering, !chart.hoverText().isEmpty());

    // The hovered point is filled; the others stay hollow.
    QFETCH(QPoint, filled);
    const QImage image = render(chart, kSize);
    if (!filled.isNull())
        CHART_COMPARE_PIXEL(image, filled.x(), filled.y(), chart.theme().palette[chart.impl()->hoverSeries]);
    CHART_COMPARE_PIXEL(image, 220, 258, Qt::white); // the centre of (16, 14)
}

void tst_KIVQScatterChart::allHiddenShowsUnitAxesAndNothingElse()
{
    KIVQScatterChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(kSize);
    // Around (8, 15), clear of the grid lines.
    const QRect around(84, 245, 17, 17);
    QVERIFY(inkIn(render(chart, kSize), around) > 0);

    QVector<KIVQScatterSeries> series = chart.series();
    for (KIVQScatterSeries& s : series)
        s.visible = false;
    chart.setSeries(series);
    const KIVQScatterChartImpl::Bounds b = chart.impl()->bounds();
    QCOMPARE(chart::valueLabels(b.y), QStringList({"1", "0.8", "0.6", "0.4", "0.2", "0"}));
    QCOMPARE(b.x.min, 0.0);
    QCOMPARE(b.x.max, 1.0);
    QCOMPARE(inkIn(render(chart, kSize), around), 0);
    move(&chart, QPoint(92, 253));
    QVERIFY(chart.hoverText().isEmpty());
    QVERIFY(!chart.impl()->hovering);
}

void tst_KIVQScatterChart::legendClickHidesWithoutReplayingIntro()
{
    KIVQScatterChart chart;
    chart.resize(kSize);
    introAt(chart, 350);
    QCOMPARE(chart.animationProgress(), 0.5);
    const QVector<KIVQChartLegendItem> legend = chart.impl()->legendItems(kSize, chart.impl()->plotRect(kSize));
    QCOMPARE(legend.size(), 2);
    QCOMPARE(legend[1].name, QStringLiteral("Series B"));

    click(&chart, legend[0].rect.topLeft().toPoint() - QPoint(2, 2));
    QVERIFY(!chart.series()[0].visible);
    QVERIFY(chart.series()[1].visible);
    QCOMPARE(chart.animationProgress(), 0.5);
    // Series B alone sets the bounds now.
    QCOMPARE(chart.impl()->bounds().x.min, 10 - 26 * 0.08);
    click(&chart, legend[0].rect.center().toPoint());
    QVERIFY(chart.series()[0].visible);
    click(&chart, legend[0].rect.topLeft().toPoint() - QPoint(3, 3));
    QVERIFY(chart.series()[0].visible);
}

void tst_KIVQScatterChart::setSeriesClearsHoverAndReplaysIntro()
{
    KIVQScatterChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(kSize);
    move(&chart, QPoint(92, 253));
    QVERIFY(!chart.hoverText().isEmpty());
    chart.setAnimationEnabled(true);
    chart.setSeries({scatter({{1, 1}, {2, 2}})});
    QVERIFY(chart.hoverText().isEmpty());
    QCOMPARE(chart.impl()->hoverSeries, -1);
    QCOMPARE(chart.animationProgress(), 0.0);
    QCOMPARE(chart.impl()->tooltipText(0, 1), QStringLiteral("Series\nx: 2\ny: 2"));
    QVERIFY(chart.impl()->tooltipText(0, 2).isEmpty());
    QVERIFY(chart.impl()->tooltipText(1, 0).isEmpty());
}

void tst_KIVQScatterChart::introRaisesPointsFromTheBottom()
{
    KIVQScatterChart chart;
    chart.resize(kSize);
    const QRectF plot = chart.impl()->plotRect(kSize);
    const KIVQScatterChartImpl::Bounds b = chart.impl()->bounds();
    introAt(chart, 350);
    const QPointF half = chart.impl()->screenPos({8, 15}, plot, b, chart.animationProgress());
    const QPointF full = chart.impl()->screenPos({8, 15}, plot, b, 1.0);
    QCOMPARE(half.x(), full.x());
    QCOMPARE(plot.bottom() - half.y(), (plot.bottom() - full.y()) / 2);
    // Hover follows the point where it is drawn now.
    move(&chart, half.toPoint());
    QCOMPARE(chart.hoverText(), QStringLiteral("Series A\nx: 8\ny: 15"));
}

QTEST_MAIN(tst_KIVQScatterChart)
#include "tst_KIVQScatterChart.moc"
