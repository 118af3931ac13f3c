#include "ControlTestHelpers.h"

#include "controls/KIVQTabWidget.h"

#include <QSignalSpy>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kTabColours[] = {0xff808080, 0xff00ff00, 0xffff0000, 0xff000000};

std::unique_ptr<KIVQTabWidget> strip(bool horizontal, int size, int space, int count)
{
    auto tabs = std::make_unique<KIVQTabWidget>();
    tabs->setIsHor(horizontal);
    tabs->setItemSize(size);
    tabs->setItemSpace(space);
    tabs->setShowText(false);
    for (int i = 0; i < count; ++i)
        tabs->addTab(QStringLiteral("tab %1").arg(i));
    for (int s = 0; s < kStateCount; ++s)
        tabs->setItemBackground(CtrlState(s), namedFill(QString(), kTabColours[s]));
    tabs->resize(horizontal ? QSize(400, 30) : QSize(60, 400));
    return tabs;
}

} // namespace

class tst_KIVQTabWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void pressHitsTab_data();
    void pressHitsTab();
    void selectionIsAnnounced();
    void tabsPaintSelectedHotAndNormal();
    void jsonRoundTrip_data();
    void jsonRoundTrip();
    void slotMayDeleteTheStrip();
};

void tst_KIVQTabWidget::pressHitsTab_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("hit");

    QTest::newRow("x 79 is the last column of tab 0") << true << QPoint(79, 10) << 0;
    QTest::newRow("x 83 is in the gap") << true << QPoint(83, 10) << -1;
    QTest::newRow("x 84 is tab 1") << true << QPoint(84, 10) << 1;
    QTest::newRow("past the last tab") << true << QPoint(260, 10) << -1;
    QTest::newRow("vertical: y 84 is tab 1") << false << QPoint(10, 84) << 1;
    QTest::newRow("vertical: y 83 is in the gap") << false << QPoint(10, 83) << -1;
    QTest::newRow("vertical: the whole width") << false << QPoint(59, 170) << 2;
}

void tst_KIVQTabWidget::pressHitsTab()
{
    QFETCH(bool, horizontal);
    QFETCH(QPoint, pos);
    QFETCH(int, hit);

    const auto tabs = strip(horizontal, 80, 4, 3);
    tabs->setSelectedIndex(-1);
    QSignalSpy spy(tabs.get(), &KIVQTabWidget::currentChanged);
    sendMouse(tabs.get(), QEvent::MouseButtonPress, pos, Qt::LeftButton);
    QCOMPARE(spy.count(), hit < 0 ? 0 : 1);
    QCOMPARE(tabs->getSelectedIndex(), hit);
}

void tst_KIVQTabWidget::selectionIsAnnounced()
{
    const auto tabs = strip(true, 50, 0, 2);
    QSignalSpy spy(tabs.get(), &KIVQTabWidget::currentChanged);
    QCOMPARE(tabs->getSelectedIndex(), 0);

    tabs->setSelectedIndex(0);
    tabs->setSelectedIndex(2); // the count: ignored
    QCOMPARE(spy.count(), 0);
    // A press on the selected tab is announced again.
    sendMouse(tabs.get(), QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
    tabs->setSelectedIndex(1);
    tabs->setSelectedIndex(-1);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
    QCOMPARE(spy.at(2).at(0).toInt(), -1);

    // Without tabs presses and moves do nothing.
    tabs->clear();
    sendMouse(tabs.get(), QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(spy.count(), 3);
}

void tst_KIVQTabWidget::tabsPaintSelectedHotAndNormal()
{
    const auto tabs = strip(true, 80, 4, 3);
    const auto colourAt = [&tabs](int x) { return tabs->grab().toImage().pixel(x, 15); };
    QCOMPARE(colourAt(40), kTabColours[CtrlPressed]);
    QCOMPARE(colourAt(120), kTabColours[CtrlNormal]);

    sendMouse(tabs.get(), QEvent::MouseMove, QPoint(120, 15));
    QCOMPARE(colourAt(120), kTabColours[CtrlHover]);
    // The gap keeps the last tab hot; the next tab takes it over.
    sendMouse(tabs.get(), QEvent::MouseMove, QPoint(165, 15));
    QCOMPARE(colourAt(120), kTabColours[CtrlHover]);
    sendMouse(tabs.get(), QEvent::MouseMove, QPoint(200, 15));
    QCOMPARE(colourAt(120), kTabColours[CtrlNormal]);
    QCOMPARE(colourAt(200), kTabColours[CtrlHover]);
    sendEvent(tabs.get(), QEvent::Leave);
    QCOMPARE(colourAt(200), kTabColours[CtrlNormal]);

    // A disabled strip draws like an enabled one; no tab is selected at -1.
    tabs->setEnabled(false);
    tabs->setSelectedIndex(-1);
    QCOMPARE(colourAt(40), kTabColours[CtrlNormal]);
}

void tst_KIVQTabWidget::jsonRoundTrip_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("an attr without isHor turns the strip horizontal")
        << QByteArray(R"({"attr":{}})") << QByteArray(R"({"style":null})");
    QTest::newRow("vertical writes isHor 0")
        << QByteArray(R"({"attr":{"isHor":false,"itemSize":80,"itemSpace":4,"showText":0,"hasIcon":0}})")
        << QByteArray(R"({"attr":{"hasIcon":0,"isHor":0,"itemSize":80,"itemSpace":4,"showText":0},"style":null})");
    QTest::newRow("hostile sizes are kept and painted safely")
        << QByteArray(R"({"attr":{"isHor":true,"itemSize":2147483647,"itemSpace":-2147483648}})")
        << QByteArray(R"({"attr":{"itemSize":2147483647,"itemSpace":-2147483648},"style":null})");
    QTest::newRow("one code-1 entry fills every state, one is written back")
        << QByteArray(R"({"style":[["tabFill",1,1],["bg",1,0]]})")
        << QByteArray(R"({"attr":{"isHor":0},"style":[["bg",1,0],["tabFill",1,1]]})");
    QTest::newRow("a state entry after code 1 is written per state")
        << QByteArray(R"({"style":[["tabFill",1,1],["bg",1,3],["caption",2,5],["nope",1,2],["bg",1,9]]})")
        << QByteArray(
               R"({"attr":{"isHor":0},"style":[["tabFill",1,1],["nope",1,2],["bg",1,3],["tabFill",1,4],["caption",2,5]]})");
}

void tst_KIVQTabWidget::jsonRoundTrip()
{
    QFETCH(QByteArray, element);
    QFETCH(QByteArray, written);

    kivSetFillStyle(QStringLiteral("bg"), namedFill(QStringLiteral("bg"), 0xff101010));
    kivSetFillStyle(QStringLiteral("tabFill"), namedFill(QStringLiteral("tabFill"), 0xff202020));
    TextStyleDesc caption;
    caption.name = QStringLiteral("caption");
    kivSetTextStyle(caption.name, caption);

    KIVQTabWidget tabs;
    tabs.setIsHor(false);
    for (int i = 0; i < 4; ++i)
        tabs.addTab(QString::number(i));
    Json::Value in = parseJson(element);
    QVERIFY(tabs.readJsonValue(&in));
    tabs.resize(100, 30);
    QVERIFY(!tabs.grab().isNull());
    sendMouse(&tabs, QEvent::MouseMove, QPoint(50, 10));
    Json::Value out = writeControl(&tabs);
    Json::Value own(Json::objectValue);
    for (const char* key : {"attr", "style"}) {
        if (out.isMember(key))
            own[key] = out[key];
    }
    QCOMPARE(compactJson(own), written);

    KIVQTabWidget copy;
    QVERIFY(copy.readJsonValue(&out));
    QCOMPARE(compactJson(writeControl(&copy)), compactJson(writeControl(&tabs)));
}

void tst_KIVQTabWidget::slotMayDeleteTheStrip()
{
    auto* tabs = strip(true, 50, 0, 2).release();
    QObject::connect(tabs, &KIVQTabWidget::currentChanged, tabs, [tabs] { delete tabs; });
    QPointer<KIVQTabWidget> alive(tabs);
    sendMouse(tabs, QEvent::MouseButtonPress, QPoint(60, 10), Qt::LeftButton);
    QVERIFY(!alive);
}

QTEST_MAIN(tst_KIVQTabWidget)
#include "tst_KIVQTabWidget.moc"
