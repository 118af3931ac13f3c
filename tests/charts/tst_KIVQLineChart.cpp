#include "ChartTestHelpers.h"

#include "charts/KIVQLineChart.h"
#include "charts/KIVQLineChartImpl.h"

#include <QPainterPath>
#include <QPicture>
#include <QtTest>

#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

KIVQLineSeries line(const QVector<double>& values, bool visible = true)
{
    KIVQLineSeries s;
    s.values = values;
    s.visible = visible;
    return s;
}

// 600 by 400 with a bottom legend: plot (56, 48, 504, 276); seven categories 84 apart.
const QSize kSize(600, 400);
const QRectF kPlot(56, 48, 504, 276);

// 20,001 points over the 504 columns of the plot, about 40 to a column: a climb from 10 to 49 in each
// column, and one spike of 400 at point 10,000. The range is 0 .. 431.2.
QVector<double> sawtooth()
{
    QVector<double> values(20001);
    for (int i = 0; i < values.size(); ++i)
        values[i] = 10 + i % 40;
    values[10000] = 400;
    return values;
}

// The topmost and bottommost pixel of the line in each column of the plot, (-1, -1) where it has none.
QVector<QPair<int, int>> lineSpans(const QImage& image, const QRectF& plot)
{
    const int left = int(plot.left()) + 1;
    QVector<QPair<int, int>> spans(int(plot.right()) - left, qMakePair(-1, -1));
    for (int y = int(plot.top()); y <= int(plot.bottom()); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int i = 0; i < spans.size(); ++i) {
            const QRgb c = row[left + i];
            if (qRed(c) - qGreen(c) > 80 && qRed(c) - qBlue(c) > 40) {
                spans[i].first = spans[i].first < 0 ? y : spans[i].first;
                spans[i].second = y;
            }
        }
    }
    return spans;
}

// Whether column i of a lies within the columns i - 1 .. i + 1 of b, give or take a pixel: a point moved
// within its column shows a little in the next one through the width of the pen.
bool within(const QVector<QPair<int, int>>& a, const QVector<QPair<int, int>>& b, int i)
{
    if (a[i].first < 0)
        return true;
    int top = INT_MAX, bottom = -1;
    for (int k = qMax(i - 1, 0); k <= qMin(i + 1, b.size() - 1); ++k) {
        if (b[k].first >= 0) {
            top = qMin(top, b[k].first);
            bottom = qMax(bottom, b[k].second);
        }
    }
    return a[i].first >= top - 1 && a[i].second <= bottom + 1;
}

} // namespace

class tst_KIVQLineChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void range_data();
    void range();
    void introRisesPointByPoint_data();
    void introRisesPointByPoint();
    void path_data();
    void path();
    void categoryLabels_data();
    void categoryLabels();
    void areaFill_data();
    void areaFill();
    void hover_data();
    void hover();
    void denseLineDrawsWhatAllPointsWould_data();
    void denseLineDrawsWhatAllPointsWould();
    void hiddenSeriesLeavesCountAndRange();
    void nonFiniteValueIsNoPoint();
};

void tst_KIVQLineChart::range_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("all equal above zero: from zero") << QVector<double>{5, 5, 5} << 0.0 << 6.16;
    QTest::newRow("across zero: 5% below, 8% above") << QVector<double>{-2, 8} << -2.5 << 8.8;
    QTest::newRow("from exactly zero: 5% below") << QVector<double>{0, 10} << -0.5 << 10.8;
    QTest::newRow("all negative") << QVector<double>{-10, -20} << -20.5 << -9.2;
    QTest::newRow("no values") << QVector<double>{} << 0.0 << 1.0;
    QTest::newRow("NaN and infinity are no values")
        << QVector<double>{kNaN, 4, std::numeric_limits<double>::infinity(), 6} << 0.0 << 6.16;
}

void tst_KIVQLineChart::range()
{
    QFETCH(QVector<double>, values);
    const chart::ValueRange r = KIVQLineChartImpl::valueRange({line({1000}, false), line(values)}, 0, 10);
    QTEST(r.min, "min");
    QTEST(r.max, "max");
}

void tst_KIVQLineChart::introRisesPointByPoint_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("startMs");
    QTest::addColumn<int>("arriveMs");
    // Six points over 700 ms: point i starts at i/7 and arrives at (i+2)/7 of the way.
    QTest::newRow("first") << 0 << 0 << 200;
    QTest::newRow("third") << 2 << 200 << 400;
    QTest::newRow("last arrives at the end") << 5 << 500 << 700;
}

void tst_KIVQLineChart::introRisesPointByPoint()
{
    QFETCH(int, point);
    QFETCH(int, startMs);
    QFETCH(int, arriveMs);
    KIVQLineChart chart;
    chart.setCategories({});
    chart.setData(QStringLiteral("x"), {10, 20, 30, 40, 50, 60}, QColor());
    KIVQLineChartImpl* d = chart.impl();
    const chart::ValueRange range = KIVQLineChartImpl::valueRange(chart.series(), 0, 5);
    QPointF final, at;
    QVERIFY(d->pointAt(0, point, kPlot, range, 1.0, &final));
    auto yAt = [&](int ms) {
        introAt(chart, ms);
        d->pointAt(0, point, kPlot, range, chart.animationProgress(), &at);
        return at.y();
    };
    QCOMPARE(yAt(startMs), kPlot.bottom());
    QVERIFY(yAt(startMs + 20) < kPlot.bottom());
    QVERIFY(yAt(arriveMs - 20) > final.y());
    QCOMPARE(yAt(arriveMs), final.y());
    QCOMPARE(at.x(), final.x());
}

void tst_KIVQLineChart::path_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("smooth");
    QTest::addColumn<int>("elements");
    QTest::addColumn<bool>("curved");
    QTest::newRow("two points stay straight when smooth") << 2 << true << 2 << false;
    QTest::newRow("three points smooth: cubics") << 3 << true << 7 << true;
    QTest::newRow("three points straight") << 3 << false << 3 << false;
    QTest::newRow("one point") << 1 << true << 1 << false;
}

void tst_KIVQLineChart::path()
{
    QFETCH(int, points);
    QFETCH(bool, smooth);
    const QVector<QPointF> all{{0, 0}, {60, 60}, {120, 0}};
    const QPainterPath p = KIVQLineChartImpl::linePath(all.mid(0, points), smooth);
    QTEST(p.elementCount(), "elements");
    QFETCH(bool, curved);
    QCOMPARE(p.elementCount() > 1 && p.elementAt(1).type == QPainterPath::CurveToElement, curved);
    if (curved) {
        // The first segment takes its own start as the point before it: p1 + (p2 - p1) * 0.85 / 6.
        QCOMPARE(QPointF(p.elementAt(1)), QPointF(60, 60) * 0.85 / 6);
        QCOMPARE(QPointF(p.elementAt(3)), QPointF(60, 60));
    }
}

void tst_KIVQLineChart::categoryLabels_data()
{
    QTest::addColumn<int>("end");
    QTest::addColumn<double>("width");
    QTest::addColumn<QVector<int>>("labelled");
    QVector<int> every13;
    for (int i = 0; i <= 91; i += 13)
        every13 << i;
    every13 << 99;
    QTest::newRow("100 in 600: every 13th and the last") << 99 << 600.0 << every13;
    QTest::newRow("7 in 504: all") << 6 << 504.0 << QVector<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("one category") << 0 << 504.0 << QVector<int>{0};
    QTest::newRow("none") << -1 << 504.0 << QVector<int>{};
    QTest::newRow("narrow plot still two per row") << 13 << 10.0 << QVector<int>{0, 7, 13};
}

void tst_KIVQLineChart::categoryLabels()
{
    QFETCH(int, end);
    QFETCH(double, width);
    QTEST(KIVQLineChartImpl::labelledCategories(0, end, width), "labelled");
}

void tst_KIVQLineChart::areaFill_data()
{
    QTest::addColumn<double>("opacity");
    QTest::addColumn<QColor>("pixel");
    QTest::newRow("demo: 22% of the palette colour over the plot") << 0.22 << QColor(217, 224, 243);
    QTest::newRow("above 1 is opaque") << 1.7 << QColor(84, 112, 198);
    QTest::newRow("below 0 is transparent") << -0.3 << QColor(255, 255, 255);
}

void tst_KIVQLineChart::areaFill()
{
    KIVQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.setAreaFill(true);
    QVector<KIVQLineSeries> series = chart.series();
    QFETCH(double, opacity);
    series[0].areaOpacity = opacity;
    chart.setSeries(series);
    QFETCH(QColor, pixel);
    CHART_COMPARE_PIXEL(render(chart), 182, 250, pixel);
    chart.setAreaFill(false);
    CHART_COMPARE_PIXEL(render(chart), 182, 250, QColor(Qt::white));
}

void tst_KIVQLineChart::hover_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<int>("category"); // -1: nothing hovered
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("dense");
    // At the start of the intro every point sits on the plot bottom (y 324) at x 56 + 84i.
    QTest::newRow("item: 14 px from a point") << 1 << QPoint(322, 324) << 3 << 1 << false;
    QTest::newRow("item: 15 px from every point") << 1 << QPoint(323, 324) << -1 << -1 << false;
    QTest::newRow("item: 13 px left of a point") << 1 << QPoint(127, 324) << 1 << 1 << false;
    QTest::newRow("category: rounds down") << 2 << QPoint(265, 200) << 2 << -1 << false;
    QTest::newRow("category: rounds up") << 2 << QPoint(267, 200) << 3 << -1 << false;
    QTest::newRow("category: the plot's right edge is the last") << 2 << QPoint(560, 200) << 6 << -1 << false;
    QTest::newRow("category: right of the plot") << 2 << QPoint(561, 200) << -1 << -1 << false;
    QTest::newRow("off") << 0 << QPoint(322, 324) << -1 << -1 << false;
    // The sawtooth, drawn: the real point nearest the mouse, also where the line shows only a column's ends.
    QTest::newRow("dense: the spike, 2 px off") << 1 << QPoint(310, 72) << 10000 << 1 << true;
    QTest::newRow("dense: halfway up a climb, left of the mouse") << 1 << QPoint(200, 305) << 5700 << 1 << true;
    QTest::newRow("dense: halfway up a climb, right of the mouse") << 1 << QPoint(250, 298) << 7711 << 1 << true;
}

void tst_KIVQLineChart::hover()
{
    QFETCH(int, mode);
    QFETCH(QPoint, mouse);
    QFETCH(int, category);
    QFETCH(bool, dense);
    KIVQLineChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(!dense);
    chart.setSeries(
        {line({1, 2, 3, 4, 5, 6, 7}, false), line(dense ? sawtooth() : QVector<double>{10, 20, 30, 40, 50, 60, 70})});
    if (!dense)
        introAt(chart, 0);
    chart.setTooltipMode(mode);
    move(&chart, mouse);
    QCOMPARE(chart.impl()->hoveredCategory, category);
    QTEST(chart.impl()->hoveredSeries, "series");
    QCOMPARE(chart.impl()->hoverActive, category >= 0);
    // Leaving the plot, or switching the mode off, clears it.
    move(&chart, QPoint(5, 5));
    QVERIFY(!chart.impl()->hoverActive);
}

void tst_KIVQLineChart::denseLineDrawsWhatAllPointsWould_data()
{
    QTest::addColumn<QVector<double>>("values");
    QVector<double> noise(3000);
    quint32 seed = 7;
    for (double& v : noise) {
        seed = seed * 1664525u + 1013904223u;
        v = 50 + (seed >> 16) % 40;
    }
    QTest::newRow("noise") << noise;
    QTest::newRow("a climb in every column and a spike up") << sawtooth();
    QVector<double> dip = noise;
    dip[1728] = -300;
    QTest::newRow("a spike down") << dip;
    QVector<double> gaps = noise;
    for (int i = 0; i < gaps.size(); i += 250)
        std::fill(gaps.begin() + i, gaps.begin() + qMin(i + 75, gaps.size()), kNaN);
    QTest::newRow("gaps of no value") << gaps;
}

// Far more points than pixel columns: every column's line reaches as high and as low as a polyline through
// every point, and what is drawn follows the plot's width, not the number of points.
void tst_KIVQLineChart::denseLineDrawsWhatAllPointsWould()
{
    QFETCH(QVector<double>, values);
    KIVQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.setCategories({});
    KIVQLineSeries s = line(values);
    s.lineColor = QColor(220, 20, 60);
    s.showSymbols = false;
    chart.setSeries({s});
    const QImage drawn = render(chart, kSize);

    QImage all(kSize, QImage::Format_ARGB32_Premultiplied);
    all.fill(Qt::white);
    QPainter p(&all);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(s.lineColor, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF polyline;
    const chart::ValueRange range = KIVQLineChartImpl::valueRange(chart.series(), 0, values.size() - 1);
    QPointF point;
    for (int i = 0; i < values.size(); ++i) {
        if (chart.impl()->pointAt(0, i, kPlot, range, 1.0, &point))
            polyline << point;
    }
    p.drawPolyline(polyline);
    p.end();

    // Nothing beyond the line through all points, and nothing of it missing.
    const QVector<QPair<int, int>> thinned = lineSpans(drawn, kPlot);
    const QVector<QPair<int, int>> full = lineSpans(all, kPlot);
    int covered = 0;
    for (int i = 0; i < thinned.size(); ++i) {
        QVERIFY2(within(thinned, full, i) && within(full, thinned, i),
                 qPrintable(QStringLiteral("column %1: %2..%3, through all points %4..%5")
                                .arg(int(kPlot.left()) + 1 + i)
                                .arg(thinned[i].first)
                                .arg(thinned[i].second)
                                .arg(full[i].first)
                                .arg(full[i].second)));
        covered += thinned[i].first >= 0 ? 1 : 0;
    }
    QVERIFY2(covered >= 0.9 * kPlot.width(), qPrintable(QString::number(covered)));

    // Ten times the points, each value repeated, draw no more: the paint follows the plot's width.
    auto recorded = [&](const QVector<double>& v) {
        s.values = v;
        chart.setSeries({s});
        QPicture picture;
        QPainter painter(&picture);
        chart.getControlImpl()->paint(&painter, QRect(QPoint(0, 0), kSize));
        painter.end();
        return picture.size();
    };
    QVector<double> tenfold;
    for (double v : values)
        tenfold << v << v << v << v << v << v << v << v << v << v;
    const uint once = recorded(values);
    const uint ten = recorded(tenfold);
    QVERIFY2(ten < once * 1.5, qPrintable(QStringLiteral("%1 bytes against %2").arg(ten).arg(once)));
}

void tst_KIVQLineChart::hiddenSeriesLeavesCountAndRange()
{
    KIVQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.setSeries({line(QVector<double>(12, 900)), line({5, 6})});
    chart.resize(kSize);
    QCOMPARE(chart.impl()->categoryCount(), 12);
    const QVector<KIVQChartLegendItem> legend = chart.impl()->legendItems(kSize, chart.impl()->plotRect(kSize));
    QCOMPARE(legend.size(), 2);
    QCOMPARE(legend[1].name, QStringLiteral("Series 2"));
    const QColor before = render(chart).pixelColor(legend[0].rect.topLeft().toPoint() + QPoint(6, 9));

    click(&chart, legend[0].rect.center().toPoint());
    QVERIFY(!chart.series()[0].visible);
    QCOMPARE(chart.impl()->categoryCount(), 7);
    QCOMPARE(KIVQLineChartImpl::valueRange(chart.series(), 0, 6).max, 6.08);
    // The hidden series' marker is hollow now.
    const QColor after = render(chart).pixelColor(legend[0].rect.topLeft().toPoint() + QPoint(6, 9));
    QVERIFY2(after.lightness() > before.lightness() + 60, rgb(after).constData());
}

void tst_KIVQLineChart::nonFiniteValueIsNoPoint()
{
    KIVQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.setCategories({});
    chart.setSeries({line({10, kNaN, 30})});
    chart.setTooltipMode(1);
    chart.resize(kSize);
    QPointF p;
    const chart::ValueRange range = KIVQLineChartImpl::valueRange(chart.series(), 0, 2);
    QVERIFY(!chart.impl()->pointAt(0, 1, kPlot, range, 1.0, &p));
    QVERIFY(chart.impl()->pointAt(0, 2, kPlot, range, 1.0, &p));
    QCOMPARE(p, QPointF(kPlot.right(), kPlot.bottom() - kPlot.height() * 30 / 31.6));
    move(&chart, QPoint(308, 200)); // where the middle point would be
    QVERIFY(!chart.impl()->hoverActive);

    // A single value is one point at the left edge.
    chart.setSeries({line({5})});
    QVERIFY(chart.impl()->pointAt(0, 0, kPlot, KIVQLineChartImpl::valueRange(chart.series(), 0, 0), 1.0, &p));
    QCOMPARE(p.x(), kPlot.left());
}

QTEST_MAIN(tst_KIVQLineChart)
#include "tst_KIVQLineChart.moc"
