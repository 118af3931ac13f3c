#include "ChartTestHelpers.h"

#include "charts/KIVQChartZoomSlider.h"

#include <QtTest>

#include <limits>

using namespace KIVQtLib;
using namespace ChartTest;

namespace {

// A 500-wide plot: the track runs from x 50 to 550 at y 342 .. 360.
const QRectF kPlot(50, 40, 500, 260);

KIVQChartZoomSlider slider(double start, double end, int count = 62)
{
    KIVQChartZoomSlider s;
    s.setEnabled(true);
    s.setCount(count);
    s.setRange(start, end);
    return s;
}

} // namespace

class tst_KIVQChartZoomSlider : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinFont(); }
    void normalize_data();
    void normalize();
    void drag_data();
    void drag();
    void visibleItems_data();
    void visibleItems();
    void emptyTrack_data();
    void emptyTrack();
    void disablingEndsDragAndResets();
};

void tst_KIVQChartZoomSlider::normalize_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("expectedStart");
    QTest::addColumn<double>("expectedEnd");
    QTest::newRow("swapped ends are ordered") << 0.8 << 0.3 << 0.3 << 0.8;
    QTest::newRow("too narrow widens the end") << 0.5 << 0.505 << 0.5 << 0.52;
    QTest::newRow("too narrow at the right edge moves the start") << 0.995 << 1.0 << 0.98 << 1.0;
    QTest::newRow("outside 0..1 is clamped") << -0.4 << 1.7 << 0.0 << 1.0;
    QTest::newRow("both beyond the end") << 3.0 << 2.0 << 0.98 << 1.0;
    QTest::newRow("NaN keeps the end it replaces") << nan << 0.6 << 0.0 << 0.6;
}

void tst_KIVQChartZoomSlider::normalize()
{
    QFETCH(double, start);
    QFETCH(double, end);
    const KIVQChartZoomSlider s = slider(start, end);
    QTEST(s.start(), "expectedStart");
    QTEST(s.end(), "expectedEnd");
}

void tst_KIVQChartZoomSlider::drag_data()
{
    // The window 0.4 .. 0.6 spans x 250 .. 350 of the track; its middle is at y 351.
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<int>("moveX");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<double>("expectedStart");
    QTest::addColumn<double>("expectedEnd");
    QTest::newRow("start handle past the end stops short of it")
        << 0.4 << 0.6 << QPoint(250, 351) << 500 << true << 0.58 << 0.6;
    QTest::newRow("end handle past the start stops short of it")
        << 0.4 << 0.6 << QPoint(350, 351) << 60 << true << 0.4 << 0.42;
    QTest::newRow("start handle hit 7 px left of the edge")
        << 0.4 << 0.6 << QPoint(243, 351) << 100 << true << 0.1 << 0.6;
    QTest::newRow("pan keeps the width") << 0.4 << 0.6 << QPoint(300, 351) << 350 << true << 0.5 << 0.7;
    QTest::newRow("pan past the right edge stops at 1") << 0.4 << 0.6 << QPoint(300, 351) << 900 << true << 0.8 << 1.0;
    QTest::newRow("pan past the left edge stops at 0") << 0.4 << 0.6 << QPoint(300, 351) << -100 << true << 0.0 << 0.2;
    QTest::newRow("5 px above the window pans") << 0.4 << 0.6 << QPoint(300, 337) << 325 << true << 0.45 << 0.65;
    QTest::newRow("7 px above the window is not taken") << 0.4 << 0.6 << QPoint(300, 335) << 325 << false << 0.4 << 0.6;
    QTest::newRow("on the track beside the window is not taken")
        << 0.4 << 0.6 << QPoint(450, 351) << 500 << false << 0.4 << 0.6;
}

void tst_KIVQChartZoomSlider::drag()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(QPoint, press);
    QFETCH(int, moveX);
    QFETCH(bool, taken);
    KIVQChartZoomSlider s = slider(start, end);
    const QRectF track = s.trackRect(kPlot, 42);
    QCOMPARE(track, QRectF(50, 342, 500, 18));
    QCOMPARE(s.mousePress(press, track), taken);
    QCOMPARE(s.isDragging(), taken);
    QCOMPARE(s.mouseMove(QPoint(moveX, press.y()), track), taken);
    QFETCH(double, expectedStart);
    QFETCH(double, expectedEnd);
    QCOMPARE(s.start(), expectedStart);
    QCOMPARE(s.end(), expectedEnd);
    s.mouseRelease();
    QVERIFY(!s.isDragging());
}

void tst_KIVQChartZoomSlider::visibleItems_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("10 items, 0.25 .. 0.5") << true << 10 << 0.25 << 0.5 << 2 << 5;
    QTest::newRow("62 items, 0.55 .. 1") << true << 62 << 0.55 << 1.0 << 33 << 61;
    QTest::newRow("a partly shown item counts") << true << 2 << 0.1 << 0.12 << 0 << 1;
    QTest::newRow("disabled shows all") << false << 62 << 0.55 << 1.0 << 0 << 61;
    QTest::newRow("one item") << true << 1 << 0.5 << 1.0 << 0 << 0;
    QTest::newRow("no items") << true << 0 << 0.5 << 1.0 << 0 << -1;
}

void tst_KIVQChartZoomSlider::visibleItems()
{
    QFETCH(bool, enabled);
    QFETCH(int, count);
    QFETCH(double, start);
    QFETCH(double, end);
    KIVQChartZoomSlider s = slider(start, end, count);
    s.setEnabled(enabled);
    if (enabled)
        s.setRange(start, end);
    QTEST(s.firstVisible(count), "first");
    QTEST(s.lastVisible(count), "last");
}

void tst_KIVQChartZoomSlider::emptyTrack_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("count");
    QTest::newRow("disabled") << false << 62;
    QTest::newRow("one item") << true << 1;
    QTest::newRow("count below one counts as one") << true << -5;
}

void tst_KIVQChartZoomSlider::emptyTrack()
{
    QFETCH(bool, enabled);
    QFETCH(int, count);
    KIVQChartZoomSlider s;
    s.setEnabled(enabled);
    s.setCount(count);
    QVERIFY(s.count() >= 1);
    const QRectF track = s.trackRect(kPlot, 42);
    QVERIFY(track.isEmpty());
    QVERIFY(s.windowRect(track).isEmpty());
    QVERIFY(!s.mousePress(QPoint(300, 351), track));
    QVERIFY(!s.isDragging());

    QImage image(600, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const QImage before = image;
    QPainter painter(&image);
    s.paint(painter, track, true);
    painter.end();
    QCOMPARE(image, before);
}

void tst_KIVQChartZoomSlider::disablingEndsDragAndResets()
{
    KIVQChartZoomSlider s = slider(0.4, 0.6);
    s.setLabelProvider([](int i) { return QStringLiteral("day %1").arg(i); });
    QCOMPARE(s.labelFor(3), QStringLiteral("day 3"));
    s.setLabelProvider({});
    QCOMPARE(s.labelFor(3), QStringLiteral("Item 4"));

    QVERIFY(s.mousePress(QPoint(300, 351), s.trackRect(kPlot, 42)));
    s.setEnabled(false);
    QVERIFY(!s.isDragging());
    QCOMPARE(s.start(), 0.0);
    QCOMPARE(s.end(), 1.0);
}

QTEST_MAIN(tst_KIVQChartZoomSlider)
#include "tst_KIVQChartZoomSlider.moc"
