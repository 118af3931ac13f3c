#include "ChartTestHelpers.h"

#include "charts/ChartFrame.h"
#include "charts/ChartLegend.h"
#include "charts/KIVQBarChart.h"
#include "charts/KIVQLineChart.h"
#include "charts/KIVQOpenGLPieChart.h"

#include <QtTest>

#include <memory>

using namespace KIVQtLib;
using namespace ChartTest;

class tst_KIVQChartBase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void themes_data();
    void themes();
    void copiedThemeCountsAsIndexZero();
    void formatValue_data();
    void formatValue();
    void categoryLabel_data();
    void categoryLabel();
    void paletteRule_data();
    void paletteRule();
    void plotRect_data();
    void plotRect();
    void legendLayout_data();
    void legendLayout();
    void tooltipPosition_data();
    void tooltipPosition();
    void tooltipLookFollowsThemeLightness_data();
    void tooltipLookFollowsThemeLightness();
    void introStart_data();
    void introStart();
    void interruptedIntroStartsAgainFromNothing();
};

void tst_KIVQChartBase::themes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Default";
    QTest::newRow("1") << 1 << "Macarons";
    QTest::newRow("2") << 2 << "Shine";
    QTest::newRow("3") << 3 << "Dark";
    QTest::newRow("7 is Default") << 7 << "Default";
    QTest::newRow("-1 is Default") << -1 << "Default";
}

// Every kind of chart paints the theme's background.
void tst_KIVQChartBase::themes()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    const auto check = [index, &name](auto&& chart) {
        chart.setAnimationEnabled(false);
        chart.setThemeIndex(index);
        QCOMPARE(chart.theme().name, name);
        QCOMPARE(chart.theme().palette.size(), 6);
        CHART_COMPARE_PIXEL(render(chart), 10, 10, chart.theme().background);
    };
    check(KIVQBarChart());
    check(KIVQLineChart());
    check(KIVQOpenGLPieChart());
}

void tst_KIVQChartBase::copiedThemeCountsAsIndexZero()
{
    // A default record is "Default" without its name and palette, for applications that build their own.
    KIVQChartTheme plain = makeChartTheme(0);
    plain.name.clear();
    plain.palette.clear();
    QVERIFY(plain == KIVQChartTheme());

    KIVQLineChart chart;
    chart.setThemeIndex(2);
    chart.setTheme(makeChartTheme(3));
    QCOMPARE(chart.themeIndex(), 0);
    QCOMPARE(chart.theme().name, QStringLiteral("Dark"));
    chart.setThemeIndex(3);
    QCOMPARE(chart.themeIndex(), 3);
}

void tst_KIVQChartBase::formatValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative half") << -1.5 << "-1.5";
    QTest::newRow("two decimals") << 2.05 << "2.05";
    QTest::newRow("trailing zero") << 12.50 << "12.5";
    QTest::newRow("zeros before the point stay") << 120.0 << "120";
    QTest::newRow("rounded to two decimals") << 1234.567 << "1234.57";
    QTest::newRow("tiny negative is zero, not -0") << -0.001 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large") << 1e7 << "10000000";
}

void tst_KIVQChartBase::formatValue()
{
    QFETCH(double, value);
    QTEST(formatChartValue(value), "text");
}

void tst_KIVQChartBase::categoryLabel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::newRow("listed") << 1 << "B";
    QTest::newRow("past the list") << 2 << "Item 3";
    QTest::newRow("before it") << -1 << "Item 0";
}

// More values than categories: the extra ones are numbered, never read past the list.
void tst_KIVQChartBase::categoryLabel()
{
    QFETCH(int, index);
    QTEST(chart::categoryLabel({QStringLiteral("A"), QStringLiteral("B")}, index), "label");
}

void tst_KIVQChartBase::paletteRule_data()
{
    QTest::addColumn<QColor>("own");
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("emptyPalette");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("own colour wins") << QColor(1, 2, 3) << 0 << false << 4 << QColor(1, 2, 3);
    QTest::newRow("palette by index") << QColor() << 3 << false << 1 << QColor(114, 159, 255);
    QTest::newRow("palette wraps") << QColor() << 0 << false << 7 << QColor(145, 204, 117);
    QTest::newRow("no palette") << QColor() << 0 << true << 2 << QColor(84, 112, 198);
}

void tst_KIVQChartBase::paletteRule()
{
    QFETCH(int, theme);
    KIVQChartTheme t = makeChartTheme(theme);
    QFETCH(bool, emptyPalette);
    if (emptyPalette)
        t.palette.clear();
    QFETCH(QColor, own);
    QFETCH(int, index);
    QTEST(chart::seriesColor(own, t, index), "expected");
}

void tst_KIVQChartBase::plotRect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hasSeries");
    QTest::addColumn<int>("legend");
    QTest::addColumn<QRectF>("plot");
    QTest::addColumn<QRectF>("legendArea");
    const QSize s(600, 400);
    QTest::newRow("no series: no room for a legend") << s << false << 2 << QRectF(56, 48, 504, 310) << QRectF();
    QTest::newRow("legend 0 top") << s << true << 0 << QRectF(56, 88, 504, 270) << QRectF(56, 44, 504, 28);
    QTest::newRow("legend 1 right") << s << true << 1 << QRectF(56, 48, 328, 310) << QRectF(404, 48, 188, 310);
    QTest::newRow("legend 2 bottom") << s << true << 2 << QRectF(56, 48, 504, 276) << QRectF(56, 358, 504, 36);
    QTest::newRow("legend 3 left") << s << true << 3 << QRectF(232, 48, 328, 310) << QRectF(14, 48, 208, 310);
    QTest::newRow("legend 9 as bottom") << s << true << 9 << QRectF(56, 48, 504, 276) << QRectF(56, 358, 504, 36);
    QTest::newRow("tiny widget keeps 1 by 1")
        << QSize(50, 50) << true << 2 << QRectF(56, 48, 1, 1) << QRectF(56, 83, 1, 36);
    QTest::newRow("narrow right legend keeps 96")
        << QSize(150, 300) << true << 1 << QRectF(56, 48, 1, 210) << QRectF(77, 48, 96, 210);
}

void tst_KIVQChartBase::plotRect()
{
    QFETCH(QSize, size);
    QFETCH(bool, hasSeries);
    QFETCH(int, legend);
    QFETCH(QRectF, plot);
    QCOMPARE(chart::plotRect(size, hasSeries, legend), plot);
    QFETCH(QRectF, legendArea);
    if (!legendArea.isNull())
        QCOMPARE(chart::legendArea(size, plot, legend), legendArea);
}

void tst_KIVQChartBase::legendLayout_data()
{
    QTest::addColumn<bool>("pie");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QStringList>("names");
    // per entry: x, y, width; a width of -1 is the name's advance plus the kind's extra
    QTest::addColumn<QList<QRectF>>("expected");
    const QStringList three{QStringLiteral("Heart rate"), QStringLiteral("SpO2"), QStringLiteral("Temperature")};
    QTest::newRow("stacked") << false << true << QRectF(10, 20, 100, 300) << three
                             << QList<QRectF>{{10, 20, 94, 18}, {10, 46, 94, 18}, {10, 72, 94, 18}};
    QTest::newRow("row without wrap") << false << false << QRectF(10, 20, 1000, 28) << three
                                      << QList<QRectF>{{10, 20, -1, 18}, {0, 20, -1, 18}, {0, 20, -1, 18}};
    QTest::newRow("wraps what does not fit, never the first")
        << false << false << QRectF(10, 20, 60, 28) << three
        << QList<QRectF>{{10, 20, -1, 18}, {10, 44, -1, 18}, {10, 68, -1, 18}};
    QTest::newRow("pie stacked") << true << true << QRectF(24, 72, 200, 300) << three
                                 << QList<QRectF>{{24, 72, 194, 18}, {24, 96, 194, 18}, {24, 120, 194, 18}};
    QTest::newRow("pie wraps when 140 no longer fit")
        << true << false << QRectF(48, 300, 400, 88) << three
        << QList<QRectF>{{48, 300, -1, 18}, {0, 300, -1, 18}, {48, 322, -1, 18}};
}

void tst_KIVQChartBase::legendLayout()
{
    QFETCH(bool, pie);
    QFETCH(bool, vertical);
    QFETCH(QRectF, area);
    QFETCH(QStringList, names);
    QFETCH(QList<QRectF>, expected);
    chart::LegendMetrics m;
    if (pie) {
        m.extraWidth = 84;
        m.maxWidth = 200;
        m.columnStep = 24;
        m.rowStep = 22;
        m.wrapAhead = 140;
    }
    QFont font = QApplication::font();
    font.setPixelSize(11);
    const QFontMetrics fm(font);
    QVector<KIVQChartLegendItem> items(names.size());
    for (int i = 0; i < names.size(); ++i)
        items[i].name = names[i];
    chart::layoutLegend(items, area, vertical, m, fm);
    for (int i = 0; i < items.size(); ++i) {
        QRectF want = expected[i];
        if (want.width() < 0) {
            int w = fm.horizontalAdvance(names[i]) + m.extraWidth;
            want.setWidth(m.maxWidth ? qMin(w, m.maxWidth) : w);
        }
        if (want.x() == 0) // follows its left neighbour in the row
            want.moveLeft(items[i - 1].rect.right() + 10);
        QCOMPARE(items[i].rect, want);
    }
    QCOMPARE(chart::legendHit(items, items[1].rect.topLeft() - QPointF(2, 2)), 1);
    QCOMPARE(chart::legendHit(items, items[0].rect.topLeft() - QPointF(3, 0)), -1);
}

void tst_KIVQChartBase::tooltipPosition_data()
{
    QTest::addColumn<QPoint>("hover");
    QTest::addColumn<QSizeF>("box");
    QTest::addColumn<QPointF>("topLeft");
    const QSizeF box(100, 40);
    QTest::newRow("centre: right of and below") << QPoint(300, 200) << box << QPointF(316, 220);
    QTest::newRow("top left") << QPoint(0, 0) << box << QPointF(16, 20);
    QTest::newRow("fits a pixel before the right inset") << QPoint(475, 200) << box << QPointF(491, 220);
    QTest::newRow("a pixel more: ends at the inset") << QPoint(477, 200) << box << QPointF(492, 220);
    QTest::newRow("top right: moved left") << QPoint(590, 5) << box << QPointF(492, 25);
    QTest::newRow("bottom left: above") << QPoint(5, 390) << box << QPointF(21, 334);
    QTest::newRow("bottom right: above, moved left") << QPoint(595, 395) << box << QPointF(492, 339);
    QTest::newRow("taller than the widget: kept at the inset") << QPoint(10, 10) << QSizeF(100, 500) << QPointF(26, 8);
}

void tst_KIVQChartBase::tooltipPosition()
{
    QFETCH(QPoint, hover);
    QFETCH(QSizeF, box);
    QTEST(chart::tooltipPosition(hover, box, QRect(0, 0, 600, 400)), "topLeft");
}

void tst_KIVQChartBase::tooltipLookFollowsThemeLightness_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("box");
    // The chart's own black background stays behind the box: the theme's background chooses the look.
    QTest::newRow("Default: light box") << 0 << QColor(218, 218, 218);
    QTest::newRow("Dark: dark box") << 3 << QColor(15, 31, 33);
}

void tst_KIVQChartBase::tooltipLookFollowsThemeLightness()
{
    KIVQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    QFETCH(int, theme);
    chart.setThemeIndex(theme);
    chart.setBackgroundColor(Qt::black);
    chart.setHover(QPoint(20, 100), QStringLiteral("Line one\nLine two"));
    const QImage image = render(chart);
    QFETCH(QColor, box);
    CHART_COMPARE_PIXEL(image, 40, 158, box); // below the text, inside the box
    CHART_COMPARE_PIXEL(image, 20, 100, QColor(Qt::black));
    chart.clearHover();
    CHART_COMPARE_PIXEL(render(chart), 40, 158, QColor(Qt::black));
}

void tst_KIVQChartBase::introStart_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("storedDuration");
    QTest::addColumn<double>("progress");
    QTest::addColumn<bool>("running");
    QTest::newRow("on: starts from nothing") << true << 700 << 700 << 0.0 << true;
    QTest::newRow("zero length: drawn at once") << true << 0 << 0 << 1.0 << false;
    QTest::newRow("negative length is zero") << true << -5 << 0 << 1.0 << false;
    QTest::newRow("off: drawn at once") << false << 700 << 700 << 1.0 << false;
}

void tst_KIVQChartBase::introStart()
{
    KIVQBarChart chart;
    introAt(chart, 350); // an intro interrupted half-way
    QCOMPARE(chart.animationProgress(), 0.5);
    QFETCH(bool, enabled);
    QFETCH(int, duration);
    chart.setAnimationEnabled(enabled);
    chart.setAnimationDuration(duration);
    QTEST(chart.animationDuration(), "storedDuration");
    chart.setData(QStringLiteral("x"), {1, 2}, QColor());
    QTEST(chart.animationProgress(), "progress");
    QTEST(chart.findChild<QVariantAnimation*>()->state() == QAbstractAnimation::Running, "running");
}

void tst_KIVQChartBase::interruptedIntroStartsAgainFromNothing()
{
    KIVQLineChart chart;
    introAt(chart, 350);
    chart.setData(QStringLiteral("x"), {1, 2}, QColor());
    QCOMPARE(chart.animationProgress(), 0.0);
    // Switching the intro off fixes the progress; switching it on again starts nothing.
    chart.setAnimationEnabled(false);
    QCOMPARE(chart.animationProgress(), 1.0);
    chart.setAnimationEnabled(true);
    QCOMPARE(chart.findChild<QVariantAnimation*>()->state(), QAbstractAnimation::Stopped);
    QCOMPARE(chart.animationProgress(), 1.0);
}

QTEST_MAIN(tst_KIVQChartBase)
#include "tst_KIVQChartBase.moc"
