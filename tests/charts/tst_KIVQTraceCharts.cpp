#include "charts/KIVQECGChart.h"
#include "charts/KIVQICDChart.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace KIVQtLib;

namespace {

const QColor kGreen(0, 255, 0);

// 0 the ECG trace, 1 the ICD trace, each 200 by 100.
std::unique_ptr<KIVQTraceChart> makeTrace(int kind)
{
    QWidget* w = kind == 0 ? KIVQECGChart::createKIVQECGChart() : KIVQICDChart::createKIVQICDChart();
    w->resize(200, 100);
    return std::unique_ptr<KIVQTraceChart>(static_cast<KIVQTraceChart*>(w));
}

QImage shot(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isEmpty(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

bool isColour(const QImage& image, int x, int y, const QColor& c, int tolerance = 2)
{
    const QColor p = image.pixelColor(x, y);
    return p.alpha() == 255 && qAbs(p.red() - c.red()) <= tolerance && qAbs(p.green() - c.green()) <= tolerance &&
           qAbs(p.blue() - c.blue()) <= tolerance;
}

// A flat line at y 40 across the whole width, kept as the previous sweep; the trace itself then draws
// nothing, so what shows is the sweep alone.
void keepFlatSweep(KIVQICDChart& chart)
{
    chart.setICDType(KIVQtICDFlatLine);
    chart.swapData();
    chart.setICDType(KIVQtICDType(2));
}

} // namespace

class tst_KIVQTraceCharts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void icdKeepsItsThemeName();
    void pointStore_data();
    void pointStore();
    void traceColourAtPoints();
    void gradientRunsTopToBottom();
    void fills_data();
    void fills();
    void sweepClip_data();
    void sweepClip();
    void icdTypes_data();
    void icdTypes();
};

// The ICD trace takes no theme entry when it is made, but keeps its theme name for later theme changes.
void tst_KIVQTraceCharts::icdKeepsItsThemeName()
{
    KIVQICDChart icd;
    QCOMPARE(icd.getThemeName(), QStringLiteral("qtecgchart"));
}

void tst_KIVQTraceCharts::pointStore_data()
{
    // Operations: a x,y adds, f pops the front, b pops the back, c clears. The store is the traces' shared
    // base: one kind stands for both.
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::newRow("added in order") << QStringList{"a1,2", "a3,4"} << QVector<QPointF>{{1, 2}, {3, 4}};
    QTest::newRow("pops from both ends") << QStringList{"a1,1", "a2,2", "a3,3", "f", "b"} << QVector<QPointF>{{2, 2}};
    QTest::newRow("pop on an empty trace does nothing")
        << QStringList{"f", "b", "a5,5", "b", "b", "f"} << QVector<QPointF>{};
    QTest::newRow("clear") << QStringList{"a1,1", "c", "a2,2"} << QVector<QPointF>{{2, 2}};
}

void tst_KIVQTraceCharts::pointStore()
{
    QFETCH(QStringList, ops);
    QFETCH(QVector<QPointF>, points);
    const auto chart = makeTrace(1);
    for (const QString& op : ops) {
        if (op.startsWith('a')) {
            const QStringList xy = op.mid(1).split(',');
            chart->addData(xy[0].toFloat(), xy[1].toFloat());
        } else if (op == "f") {
            chart->popFront();
        } else if (op == "b") {
            chart->popBack();
        } else {
            chart->clearData();
        }
    }
    QCOMPARE(chart->dataSize(), points.size());
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(chart->getAt(i), points[i]);
    QCOMPARE(chart->getAt(points.size()), QPointF(0, 0));
    QCOMPARE(chart->getAt(-1), QPointF(0, 0));
}

void tst_KIVQTraceCharts::traceColourAtPoints()
{
    for (int kind : {0, 1}) {
        const auto chart = makeTrace(kind);
        for (float x : {10.0f, 100.0f, 190.0f})
            chart->addData(x, 50);
        // A NaN breaks the line: nothing is drawn towards it.
        chart->addData(std::numeric_limits<float>::quiet_NaN(), 90);
        const QImage image = shot(*chart);
        for (int x : {10, 100, 150})
            QVERIFY2(isColour(image, x, 50, kGreen), QByteArray::number(kind).constData());
        QVERIFY(isEmpty(image, 100, 70) && isEmpty(image, 195, 80));
    }
}

void tst_KIVQTraceCharts::gradientRunsTopToBottom()
{
    KIVQECGChart chart;
    chart.resize(200, 100);
    chart.setLineColor(QColor(255, 0, 0), QColor(0, 0, 255));
    chart.addData(100, 0);
    chart.addData(100, 100);
    const QImage image = shot(chart);
    for (int y : {10, 50, 90}) {
        const QColor expected(qRound(255 * (1 - (y + 0.5) / 100)), 0, qRound(255 * (y + 0.5) / 100));
        QVERIFY2(isColour(image, 100, y, expected, 4), QByteArray::number(y).constData());
    }
}

void tst_KIVQTraceCharts::fills_data()
{
    // The trace runs at y 50; below it (y 80) the below fill, above it (y 20) the above fill.
    QTest::addColumn<int>("points");
    QTest::addColumn<QColor>("below");
    QTest::addColumn<QColor>("above");
    QTest::addColumn<QColor>("at80"); // invalid: nothing drawn
    QTest::addColumn<QColor>("at20");
    const QColor none, red(255, 0, 0), blue(0, 0, 255);
    QTest::newRow("colours never set: no black, the trace stays green") << 3 << none << none << none << none;
    QTest::newRow("below fill") << 3 << red << none << red << none;
    QTest::newRow("both fills") << 3 << red << blue << red << blue;
    QTest::newRow("two points: no fill") << 2 << red << blue << none << none;
}

void tst_KIVQTraceCharts::fills()
{
    QFETCH(int, points);
    QFETCH(QColor, below);
    QFETCH(QColor, above);
    QFETCH(QColor, at80);
    QFETCH(QColor, at20);
    KIVQECGChart chart;
    chart.resize(200, 100);
    chart.enableFillColor(true, true);
    chart.setBelowFillColor(below, below);
    chart.setAboveFillColor(above, above);
    for (int i = 0; i < points; ++i)
        chart.addData(10 + 90 * i, 50);
    const QImage image = shot(chart);
    QVERIFY(isColour(image, 60, 50, at80.isValid() || at20.isValid() ? image.pixelColor(60, 50) : kGreen));
    QVERIFY(at80.isValid() ? isColour(image, 60, 80, at80) : isEmpty(image, 60, 80));
    QVERIFY(at20.isValid() ? isColour(image, 60, 20, at20) : isEmpty(image, 60, 20));
}

void tst_KIVQTraceCharts::sweepClip_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<int>("emptyX"); // -1: none
    QTest::addColumn<int>("drawnX");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("last x 100.7: from 140") << QVector<QPointF>{{20, 90}, {100.7, 90}} << 139 << 141;
    QTest::newRow("no points: the whole sweep") << QVector<QPointF>{} << -1 << 0;
    QTest::newRow("a NaN last point: the last drawable one") << QVector<QPointF>{{50, 90}, {nan, 90}} << 89 << 91;
    QTest::newRow("left of the widget: the whole sweep") << QVector<QPointF>{{-100, 90}} << -1 << 0;
    QTest::newRow("far right: nothing of it") << QVector<QPointF>{{1e30, 90}} << 199 << -1;
}

void tst_KIVQTraceCharts::sweepClip()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(int, emptyX);
    QFETCH(int, drawnX);
    for (int kind : {0, 1}) {
        std::unique_ptr<KIVQTraceChart> chart;
        if (kind == 1) {
            chart = makeTrace(1);
            keepFlatSweep(static_cast<KIVQICDChart&>(*chart));
        } else {
            // The ECG trace draws its points; they lie at y 90, away from the sweep's line at 40.
            chart = makeTrace(0);
            chart->setLineColor(Qt::transparent, Qt::transparent);
            chart->addData(0, 40);
            chart->addData(199, 40);
            chart->setLineColor(kGreen, kGreen);
            chart->swapData();
            chart->clearData();
        }
        for (const QPointF& p : points)
            chart->addData(float(p.x()), float(p.y()));
        const QImage image = shot(*chart);
        if (emptyX >= 0)
            QVERIFY2(isEmpty(image, emptyX, 40), QByteArray::number(kind).constData());
        if (drawnX >= 0)
            QVERIFY2(isColour(image, drawnX, 40, kGreen), QByteArray::number(kind).constData());
        // The ICD trace of type 2 draws the sweep only, never its points.
        if (kind == 1)
            QVERIFY(isEmpty(image, 30, 90));
    }
}

void tst_KIVQTraceCharts::icdTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withPoints");
    QTest::addColumn<bool>("line40");
    QTest::addColumn<bool>("trace80");
    QTest::newRow("0 with points: the trace") << 0 << true << false << true;
    QTest::newRow("1 without points: the flat line") << 1 << false << true << false;
    QTest::newRow("1 with points: only the flat line") << 1 << true << true << false;
    QTest::newRow("2: nothing") << 2 << true << false << false;
    QTest::newRow("-1: nothing") << -1 << true << false << false;
}

void tst_KIVQTraceCharts::icdTypes()
{
    QFETCH(int, type);
    QFETCH(bool, withPoints);
    KIVQICDChart chart;
    chart.resize(200, 100);
    chart.setICDType(KIVQtICDType(type));
    if (withPoints) {
        chart.addData(0, 80);
        chart.addData(199, 80);
    }
    const QImage image = shot(chart);
    QFETCH(bool, line40);
    QFETCH(bool, trace80);
    QCOMPARE(isColour(image, 100, 40, kGreen), line40);
    QCOMPARE(isEmpty(image, 100, 40), !line40);
    QCOMPARE(isColour(image, 100, 80, kGreen), trace80);
}

QTEST_MAIN(tst_KIVQTraceCharts)
#include "tst_KIVQTraceCharts.moc"
