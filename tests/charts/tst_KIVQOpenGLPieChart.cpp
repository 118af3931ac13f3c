#include "ChartTestHelpers.h"

#include "charts/KIVQOpenGLPieChart.h"
#include "charts/KIVQOpenGLPieChartImpl.h"

#include <QtTest>

#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

KIVQPieSlice slice(const QString& name, double value)
{
    KIVQPieSlice s;
    s.name = name;
    s.value = value;
    return s;
}

// The point at that angle (degrees clockwise from twelve) and distance from the demo pie's centre.
QPoint polar(double degrees, double distance)
{
    const double a = qDegreesToRadians(degrees);
    return QPoint(qRound(300 + distance * std::sin(a)), qRound(174 - distance * std::cos(a)));
}

} // namespace

class tst_KIVQOpenGLPieChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void pieRect_data();
    void pieRect();
    void hit_data();
    void hit();
    void tooltipAndLegendClick();
    void introGrowsFromFinalStarts();
    void slicesWithoutShare();
    void holeRatioKeptInRange();
    void tooSmallForTheLegendDrawsNoPie();
};

void tst_KIVQOpenGLPieChart::pieRect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("slices");
    QTest::addColumn<int>("legend");
    QTest::addColumn<QRectF>("pie");
    const QSize s(600, 400);
    QTest::newRow("bottom") << s << "Beds" << false << 5 << 2 << QRectF(194, 68, 212, 212);
    QTest::newRow("other values as bottom") << s << "Beds" << false << 5 << 9 << QRectF(194, 68, 212, 212);
    QTest::newRow("top") << s << "Beds" << false << 5 << 0 << QRectF(185, 132, 230, 230);
    QTest::newRow("right") << s << "Beds" << false << 5 << 1 << QRectF(40, 68, 284, 284);
    QTest::newRow("left") << s << "Beds" << false << 5 << 3 << QRectF(264, 68, 284, 284);
    QTest::newRow("large: at most 420") << QSize(1400, 900) << "Beds" << false << 5 << 2 << QRectF(490, 68, 420, 420);
    QTest::newRow("lower than a bottom legend needs: no side")
        << QSize(420, 150) << "Beds" << false << 5 << 2 << QRectF(210, 68, 0, 0);
    QTest::newRow("narrower than a left legend needs: no side")
        << QSize(90, 400) << "Beds" << false << 5 << 3 << QRectF(70, 68, 0, 0);
    // Room kept for a title or labels that are not there goes to the pie, and a legend in more rows than
    // its usual room takes them from the pie instead of running out of the widget. The overview's ring at
    // 1280 by 720 is about this size, its legend one slice a row.
    const QSize ring(246, 220);
    QTest::newRow("titled") << ring << "Beds" << false << 4 << 2 << QRectF(107, 68, 32, 32);
    QTest::newRow("no title") << ring << "" << true << 4 << 2 << QRectF(90, 34, 66, 66);
    QTest::newRow("no title, no labels") << ring << "" << false << 4 << 2 << QRectF(77, 8, 92, 92);
    QTest::newRow("five legend rows") << QSize(246, 300) << "Beds" << false << 5 << 2 << QRectF(76, 68, 94, 94);
    QTest::newRow("five legend rows on top") << QSize(246, 300) << "Beds" << false << 5 << 0 << QRectF(80, 176, 86, 86);
}

void tst_KIVQOpenGLPieChart::pieRect()
{
    QFETCH(QSize, size);
    QFETCH(QString, title);
    QFETCH(bool, labels);
    QFETCH(int, slices);
    QFETCH(int, legend);
    KIVQOpenGLPieChart chart;
    chart.setTitle(title);
    chart.setLabelsVisible(labels);
    chart.setLegendPosition(legend);
    QVector<KIVQPieSlice> list;
    for (int i = 0; i < slices; ++i)
        list << slice(QString(QChar('A' + i)), i + 1);
    chart.setSlices(list);
    QVector<KIVQChartLegendItem> items;
    const QRectF pie = chart.impl()->layout(size, &items);
    QTEST(pie, "pie");
    if (!pie.isEmpty()) // too small a widget keeps no room for anything
        QVERIFY(items.last().rect.bottom() <= size.height());
}

void tst_KIVQOpenGLPieChart::hit_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<double>("hole");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<int>("slice");
    // Demo at 600 by 400: centre (300, 174), radius 106; slice 0 runs to 119.9 degrees, slice 1 to 204.
    QTest::newRow("inside slice 0") << false << 0.0 << QPoint(346, 148) << 0;
    QTest::newRow("on the rim") << false << 0.0 << QPoint(300, 68) << 0;
    QTest::newRow("beyond the rim") << false << 0.0 << QPoint(300, 67) << -1;
    QTest::newRow("in the hole") << false << 0.5 << QPoint(300, 174) << -1;
    QTest::newRow("just outside the hole") << false << 0.5 << polar(90, 54) << 0;
    QTest::newRow("inside slice 1") << false << 0.65 << polar(150, 90) << 1;
    QTest::newRow("last slice, before twelve") << false << 0.0 << polar(350, 50) << 4;
    QTest::newRow("single slice: everywhere") << true << 0.65 << polar(200, 90) << 0;
    QTest::newRow("single slice: at twelve") << true << 0.65 << polar(0, 90) << 0;
}

void tst_KIVQOpenGLPieChart::hit()
{
    QFETCH(bool, single);
    QFETCH(double, hole);
    QFETCH(QPoint, mouse);
    KIVQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    if (single)
        chart.setSlices({slice(QStringLiteral("Only"), 5)});
    chart.setHoleRatio(hole);
    chart.resize(600, 400);
    move(&chart, mouse);
    QTEST(chart.impl()->hoverIndex, "slice");
    QCOMPARE(chart.impl()->hovering, chart.impl()->hoverIndex >= 0);
    QCOMPARE(chart.hoverText().isEmpty(), chart.impl()->hoverIndex < 0);
}

void tst_KIVQOpenGLPieChart::tooltipAndLegendClick()
{
    KIVQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(600, 400);
    CHART_COMPARE_PIXEL(render(chart), 346, 148, QColor(84, 112, 198));
    move(&chart, QPoint(346, 148));
    QCOMPARE(chart.hoverText(), QStringLiteral("Search Engine\n1048 (33.3%)"));
    CHART_COMPARE_PIXEL(render(chart), 346, 148, QColor(84, 112, 198).lighter(115));

    // Hiding "Direct" spreads the shares over the rest without replaying the intro.
    const QVector<KIVQChartLegendItem> legend = chart.impl()->legendItems(QSize(600, 400));
    QCOMPARE(legend.size(), 5);
    chart.setAnimationEnabled(true);
    click(&chart, legend[1].rect.center().toPoint());
    QVERIFY(!chart.slices()[1].visible);
    QVERIFY(chart.hoverText().isEmpty());
    QCOMPARE(chart.animationProgress(), 1.0);
    move(&chart, polar(150, 50));
    QCOMPARE(chart.hoverText(), QStringLiteral("Search Engine\n1048 (43.45%)"));
    click(&chart, legend[1].rect.bottomRight().toPoint() + QPoint(2, 2));
    QVERIFY(chart.slices()[1].visible);
}

void tst_KIVQOpenGLPieChart::introGrowsFromFinalStarts()
{
    KIVQOpenGLPieChart chart;
    const QVector<KIVQPieSliceAngle> final = chart.impl()->sliceAngles(1.0);
    introAt(chart, 350);
    const QVector<KIVQPieSliceAngle> half = chart.impl()->sliceAngles(chart.animationProgress());
    QCOMPARE(half.size(), 5);
    for (int i = 0; i < half.size(); ++i) {
        QCOMPARE(half[i].start, final[i].start);
        QCOMPARE(half[i].span, final[i].span / 2);
    }
}

void tst_KIVQOpenGLPieChart::slicesWithoutShare()
{
    KIVQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(600, 400);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    chart.setSlices({slice(QStringLiteral("Lost"), nan), slice(QStringLiteral("Minus"), -4), slice(QString(), 10)});
    QCOMPARE(chart.impl()->sliceAngles(1).size(), 1);
    QCOMPARE(chart.impl()->legendItems(QSize(600, 400)).at(2).name, QStringLiteral("Slice 3"));
    move(&chart, QPoint(346, 148));
    QCOMPARE(chart.hoverText(), QStringLiteral("Slice\n10 (100%)"));

    // Only hidden or zero slices: every legend entry, but no sector and no hit.
    chart.setSlices({slice(QStringLiteral("A"), 0), slice(QStringLiteral("B"), nan)});
    QVector<KIVQPieSlice> hidden = chart.slices();
    hidden << slice(QStringLiteral("C"), 5);
    hidden.last().visible = false;
    chart.setSlices(hidden);
    QCOMPARE(chart.impl()->legendItems(QSize(600, 400)).size(), 3);
    QVERIFY(chart.impl()->sliceAngles(1).isEmpty());
    move(&chart, QPoint(346, 148));
    QVERIFY(!chart.impl()->hovering);
    CHART_COMPARE_PIXEL(render(chart), 346, 148, QColor(Qt::white));

    chart.setSlices({});
    QVERIFY(chart.impl()->legendItems(QSize(600, 400)).isEmpty());
}

void tst_KIVQOpenGLPieChart::holeRatioKeptInRange()
{
    KIVQOpenGLPieChart chart;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [given, kept] : {std::pair{1.0, 0.8}, {-0.2, 0.0}, {nan, 0.0}}) {
        chart.setHoleRatio(given);
        QCOMPARE(chart.holeRatio(), kept);
    }
}

void tst_KIVQOpenGLPieChart::tooSmallForTheLegendDrawsNoPie()
{
    KIVQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    chart.setMinimumSize(0, 0);
    chart.resize(420, 150);
    move(&chart, QPoint(210, 68));
    QVERIFY(!chart.impl()->hovering);
    // Without the clamp the pie would be drawn mirrored above its corner.
    const QImage image = render(chart, QSize(420, 150));
    CHART_COMPARE_PIXEL(image, 200, 60, QColor(Qt::white));
}

QTEST_MAIN(tst_KIVQOpenGLPieChart)
#include "tst_KIVQOpenGLPieChart.moc"
