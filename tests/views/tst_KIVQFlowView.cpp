#include "ViewTestHelpers.h"

#include "views/KIVQFlowView.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

KIVQFlowNode card(const QString& id, QPointF center, QSizeF size, QRgb fill = 0xff202830)
{
    KIVQFlowNode n;
    n.id = id;
    n.center = center;
    n.size = size;
    n.accentColor = QColor(0xff40c0a0);
    n.fillColor = QColor::fromRgba(fill);
    n.borderColor = QColor(0xff505860);
    n.activeBorderColor = QColor(0xffffc040);
    return n;
}

// Two cards side by side in a 400 x 300 view: "a" on the left, "b" on the right, both 100 x 66.
void twoCards(KIVQFlowView& view)
{
    view.resize(400, 300);
    view.setNodes(
        {card(QStringLiteral("a"), {0.2, 0.5}, {0.25, 0.2}), card(QStringLiteral("b"), {0.8, 0.5}, {0.25, 0.2})});
}

void press(QWidget* w, const QPointF& p)
{
    sendMouse(w, QEvent::MouseButtonPress, p.toPoint(), Qt::LeftButton);
}

void drag(QWidget* w, const QPointF& from, const QPointF& to)
{
    press(w, from);
    sendMouse(w, QEvent::MouseMove, ((from + to) / 2).toPoint(), Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to.toPoint(), Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to.toPoint());
}

} // namespace

class tst_KIVQFlowView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void nodeHitArea_data();
    void nodeHitArea();
    void addConnectionRules_data();
    void addConnectionRules();
    void connectionWidthFloor();
    void bodyDrag_data();
    void bodyDrag();
    void portDragConnects_data();
    void portDragConnects();
    void paintsInTheirColours();
    void slotDeletesTheView_data();
    void slotDeletesTheView();
};

void tst_KIVQFlowView::nodeHitArea_data()
{
    QTest::addColumn<QSize>("view");
    QTest::addColumn<QPointF>("center");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("tiny node grows to 86 x 66")
        << QSize(1000, 600) << QPointF(0.5, 0.5) << QSizeF(0.05, 0.05) << QRect(457, 267, 86, 66);
    QTest::newRow("centre near the right pushed in to end at the edge")
        << QSize(400, 300) << QPointF(0.99, 0.5) << QSizeF(0.25, 0.2) << QRect(300, 117, 100, 66);
    QTest::newRow("view smaller than a node keeps it at the start")
        << QSize(60, 50) << QPointF(0.9, 0.9) << QSizeF(0.5, 0.5) << QRect(0, 0, 86, 66);
}

// Clicks just inside and just outside each edge: a click activates exactly inside the drawn rectangle.
void tst_KIVQFlowView::nodeHitArea()
{
    QFETCH(QSize, view);
    QFETCH(QPointF, center);
    QFETCH(QSizeF, size);
    QFETCH(QRect, expected);
    KIVQFlowView v;
    v.resize(view);
    v.setNodes({card(QStringLiteral("n"), center, size)});
    QSignalSpy activated(&v, &KIVQFlowView::nodeActivated);
    const QPoint mid = expected.center();
    const QList<QPair<QPoint, bool>> probes = {
        {{expected.left() + 1, mid.y()}, true},   {{expected.left() - 2, mid.y()}, false},
        {{expected.right() - 1, mid.y()}, true},  {{expected.right() + 2, mid.y()}, false},
        {{mid.x(), expected.top() + 1}, true},    {{mid.x(), expected.top() - 2}, false},
        {{mid.x(), expected.bottom() - 1}, true}, {{mid.x(), expected.bottom() + 2}, false}};
    for (const auto& probe : probes) {
        activated.clear();
        press(&v, probe.first);
        sendMouse(&v, QEvent::MouseButtonRelease, probe.first);
        QVERIFY2(activated.count() == (probe.second ? 1 : 0),
                 qPrintable(QStringLiteral("at %1,%2").arg(probe.first.x()).arg(probe.first.y())));
    }
}

void tst_KIVQFlowView::addConnectionRules_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty source") << QString() << QStringLiteral("b") << false;
    QTest::newRow("equal ids") << QStringLiteral("a") << QStringLiteral("a") << false;
    QTest::newRow("missing target") << QStringLiteral("a") << QStringLiteral("z") << false;
    QTest::newRow("same direction twice") << QStringLiteral("a") << QStringLiteral("b") << false;
    QTest::newRow("reverse direction is its own") << QStringLiteral("b") << QStringLiteral("a") << true;
}

// On a view that already joins a to b.
void tst_KIVQFlowView::addConnectionRules()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, accepted);
    KIVQFlowView v;
    twoCards(v);
    QVERIFY(v.addConnection(QStringLiteral("a"), QStringLiteral("b")));
    QSignalSpy created(&v, &KIVQFlowView::connectionCreated);
    QCOMPARE(v.addConnection(from, to), accepted);
    QCOMPARE(created.count(), accepted ? 1 : 0);
    QCOMPARE(v.connections().size(), accepted ? 2 : 1);
    if (accepted) {
        QCOMPARE(created.at(0).at(0).toString(), from);
        QVERIFY(v.removeConnection(from, to));
    }
    QVERIFY(!v.removeConnection(QStringLiteral("b"), QStringLiteral("a")));
}

void tst_KIVQFlowView::connectionWidthFloor()
{
    KIVQFlowView v;
    for (const auto& [given, stored] :
         {std::pair{0.3, 1.0}, {3.5, 3.5}, {std::nan(""), 1.0}, {std::numeric_limits<double>::infinity(), 1.0}}) {
        v.setConnectionWidth(given);
        QCOMPARE(v.connectionWidth(), stored);
    }
}

void tst_KIVQFlowView::bodyDrag_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QPointF>("center");
    QTest::newRow("read-only: activates without moving") << true << QPointF(0.2, 0.5);
    // Into the top-right corner: the 100 x 66 card stops with its edges on the view's.
    QTest::newRow("editable: moves, clamped") << false << QPointF(350.0 / 400, 33.0 / 300);
}

void tst_KIVQFlowView::bodyDrag()
{
    QFETCH(bool, readOnly);
    QFETCH(QPointF, center);
    KIVQFlowView v;
    twoCards(v);
    v.setReadOnly(readOnly);
    QSignalSpy activated(&v, &KIVQFlowView::nodeActivated);
    QSignalSpy moved(&v, &KIVQFlowView::nodeMoved);
    drag(&v, {80, 150}, {395, 10});
    QCOMPARE(v.nodes().at(0).center, center);
    QCOMPARE(moved.isEmpty(), readOnly);
    if (readOnly) {
        QCOMPARE(activated.count(), 1);
        QCOMPARE(v.selectedNodeId(), QStringLiteral("a"));
        QVERIFY(v.nodes().at(0).active);
        QVERIFY(!v.nodes().at(1).active);
    } else {
        QCOMPARE(moved.last().at(0).toString(), QStringLiteral("a"));
        QCOMPARE(moved.last().at(1).toPointF(), center);
    }
    // A marked node that is not the selected one is drawn, and reported, inactive.
    KIVQFlowNode marked = card(QStringLiteral("c"), {0.5, 0.9}, {0.1, 0.1});
    marked.active = true;
    v.setNodes({marked});
    QVERIFY(!v.nodes().at(0).active);
}

void tst_KIVQFlowView::portDragConnects_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<int>("connections");
    QTest::newRow("onto the other node") << false << QPoint(320, 150) << 1;
    QTest::newRow("read-only") << true << QPoint(320, 150) << 0;
    QTest::newRow("onto empty space") << false << QPoint(200, 30) << 0;
    QTest::newRow("back onto the source") << false << QPoint(60, 150) << 0;
}

void tst_KIVQFlowView::portDragConnects()
{
    QFETCH(bool, readOnly);
    QFETCH(QPoint, drop);
    QFETCH(int, connections);
    KIVQFlowView v;
    twoCards(v);
    v.setReadOnly(readOnly);
    QSignalSpy created(&v, &KIVQFlowView::connectionCreated);
    QSignalSpy moved(&v, &KIVQFlowView::nodeMoved);
    // "a" spans x 30..130: its right port is the middle of its right edge.
    drag(&v, {127, 152}, drop);
    QCOMPARE(created.count(), connections);
    QCOMPARE(v.connections().size(), connections);
    QCOMPARE(moved.count(), 0);
    if (connections)
        QCOMPARE(v.connections().at(0).toId, QStringLiteral("b"));
}

void tst_KIVQFlowView::paintsInTheirColours()
{
    KIVQFlowView v;
    twoCards(v);
    v.setDrawBackground(false);
    v.setGridVisible(false);
    const QColor link(200, 30, 60);
    v.setConnections({{QStringLiteral("a"), QStringLiteral("b"), link, true},
                      {QStringLiteral("a"), QStringLiteral("gone"), Qt::green, false}});
    const QImage image = v.grab().toImage();
    // Cards of equal height side by side: the curve between them runs straight along y 150.
    QCOMPARE(image.pixelColor(200, 149), link);
    QCOMPARE(image.pixelColor(80, 150), QColor(0xff202830));
    QCOMPARE(image.pixelColor(43, 130), QColor(0xff40c0a0)); // the accent dot
    QVERIFY(colourBounds(image, QColor(Qt::green).rgba()).isEmpty());
}

void tst_KIVQFlowView::slotDeletesTheView_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("nodeActivated") << "activated" << QPoint(80, 150) << QPoint(80, 150);
    QTest::newRow("nodeMoved") << "moved" << QPoint(80, 150) << QPoint(200, 40);
    QTest::newRow("connectionCreated") << "created" << QPoint(127, 152) << QPoint(320, 150);
}

// The view is gone when the slot returns; ASan reports any later touch.
void tst_KIVQFlowView::slotDeletesTheView()
{
    QFETCH(QString, signal);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    auto* v = new KIVQFlowView;
    twoCards(*v);
    v->setReadOnly(false);
    const QPointer<KIVQFlowView> alive(v);
    const auto gone = [v] { delete v; };
    if (signal == QLatin1String("activated"))
        connect(v, &KIVQFlowView::nodeActivated, v, gone);
    else if (signal == QLatin1String("moved"))
        connect(v, &KIVQFlowView::nodeMoved, v, gone);
    else
        connect(v, &KIVQFlowView::connectionCreated, v, gone);
    press(v, from);
    if (alive)
        sendMouse(v, QEvent::MouseMove, to, Qt::LeftButton);
    if (alive)
        sendMouse(v, QEvent::MouseButtonRelease, to);
    QVERIFY(!alive);
}

QTEST_MAIN(tst_KIVQFlowView)
#include "tst_KIVQFlowView.moc"
