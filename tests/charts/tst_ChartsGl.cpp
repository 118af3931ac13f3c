#include "ChartTestHelpers.h"

#include "charts/KIVQBarChart.h"
#include "charts/KIVQFinancialChart.h"
#include "charts/KIVQLineChart.h"
#include "charts/KIVQOpenGLPieChart.h"
#include "charts/KIVQScatterChart.h"

#include <QOpenGLContext>
#include <QtTest>

using namespace KIVQtLib;
using namespace ChartTest;

// Each chart shown through OpenGL: what grab() of its window shows must be what its paint draws into an
// image. Painting that bypasses the GL paint device leaves only the clear colour in the grab.
class tst_ChartsGl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void grabShowsPaint_data();
    void grabShowsPaint();
    void deletedWhileShown();
};

void tst_ChartsGl::initTestCase()
{
    pinFont();
    QOpenGLContext context;
    if (!context.create()) {
        if (qEnvironmentVariableIsSet("CAREVIX_REQUIRE_GL"))
            QFAIL("No OpenGL context where one is required (CAREVIX_REQUIRE_GL).");
        QSKIP("No OpenGL context; run under Xvfb.");
    }
}

void tst_ChartsGl::grabShowsPaint_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::newRow("bar") << 0 << QList<QPoint>{{10, 10}, {92, 300}, {164, 250}, {330, 90}, {520, 290}};
    QTest::newRow("line with area") << 1 << QList<QPoint>{{10, 10}, {182, 250}, {300, 300}, {300, 70}, {500, 380}};
    QTest::newRow("pie") << 2 << QList<QPoint>{{10, 10}, {346, 148}, {325, 217}, {248, 204}, {248, 144}};
    QTest::newRow("scatter") << 3 << QList<QPoint>{{10, 10}, {62, 367}, {300, 80}, {92, 253}, {5, 395}};
    QTest::newRow("financial") << 4 << QList<QPoint>{{10, 10}, {100, 325}, {450, 325}, {344, 325}, {585, 200}};
}

void tst_ChartsGl::grabShowsPaint()
{
    QFETCH(int, kind);
    QFETCH(QList<QPoint>, points);
    QWidget window;
    window.resize(600, 400);
    QImage expected;
    auto show = [&](auto* chart) {
        chart->setAnimationEnabled(false);
        chart->setThemeIndex(3);
        chart->setGeometry(QRect(0, 0, 600, 400));
        expected = render(*chart);
    };
    if (kind == 0) {
        show(new KIVQBarChart(&window));
    } else if (kind == 1) {
        auto* chart = new KIVQLineChart(&window);
        chart->setAreaFill(true);
        show(chart);
    } else if (kind == 2) {
        show(new KIVQOpenGLPieChart(&window));
    } else if (kind == 3) {
        show(new KIVQScatterChart(&window));
    } else {
        show(new KIVQFinancialChart(&window));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.size(), QSize(600, 400));
    for (const QPoint& p : points)
        CHART_COMPARE_PIXEL(shot, p.x(), p.y(), expected.pixelColor(p));
}

// A shown chart that has drawn text is deleted while its window still waits to be exposed: tearing its
// context down must not paint it half torn down.
void tst_ChartsGl::deletedWhileShown()
{
    auto* chart = new KIVQBarChart;
    chart->setAnimationEnabled(false);
    chart->show();
    QVERIFY(chart->context());
    delete chart;
}

QTEST_MAIN(tst_ChartsGl)
#include "tst_ChartsGl.moc"
