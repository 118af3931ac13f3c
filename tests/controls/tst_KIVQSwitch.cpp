#include "ControlTestHelpers.h"

#include "controls/KIVQSwitch.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kThumb = qRgb(0, 0, 255);
const QRgb kPressedThumb = qRgb(255, 0, 255);

// A switch whose thumb is the only thing painted: solid blue, magenta while pressed, no captions.
void bareSwitch(KIVQSwitch& sw, int width)
{
    FillStyle thumb = namedFill(QStringLiteral("thumb"), kThumb);
    sw.setThumbStyle(CtrlState(kAllStates), thumb);
    sw.setThumbStyle(CtrlPressed, namedFill(QStringLiteral("thumbDown"), kPressedThumb));
    FillStyle none;
    none.draw = false;
    sw.setBackgroundStyle(CommonNormal, none);
    sw.setLeftText(QString());
    sw.setRightText(QString());
    sw.resize(width, 29);
}

// Left edge of the painted thumb, or -1.
int thumbLeft(KIVQSwitch& sw)
{
    const QImage pixels = paintedPixels(sw);
    for (int x = 0; x < pixels.width(); ++x) {
        const QRgb p = pixels.pixel(x, 10);
        if (p == kThumb || p == kPressedThumb)
            return x;
    }
    return -1;
}

// Counts the presses that reach it.
class PressCatcher : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void press(KIVQSwitch& sw)
{
    sendMouse(&sw, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    sendMouse(&sw, QEvent::MouseButtonRelease, QPoint(5, 5));
}

} // namespace

class tst_KIVQSwitch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void restingThumb_data();
    void restingThumb();
    void thumbFollowsChangesAfterFirstPaint_data();
    void thumbFollowsChangesAfterFirstPaint();
    void twoQuickPressesMoveOnce();
    void attrJson_data();
    void attrJson();
    void styleCodes();
    void themeEntryLeavesPosition();
};

void tst_KIVQSwitch::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("thumb"), namedFill(QStringLiteral("thumb"), kThumb));
    kivSetFillStyle(QStringLiteral("hotThumb"), namedFill(QStringLiteral("hotThumb"), kPressedThumb));
}

void tst_KIVQSwitch::restingThumb_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("thumbX");

    QTest::newRow("fresh: right end, offset 71 at width 100") << 100 << 2 << false << 2 + 71;
    QTest::newRow("left end: at the margin") << 100 << 2 << true << 2;
    QTest::newRow("margin 5 at width 100") << 100 << 5 << false << 5 + 65;
    QTest::newRow("left end with margin 5") << 100 << 5 << true << 5;
    QTest::newRow("a huge margin is bounded: the thumb lies outside") << 100 << 2000000000 << false << -1;
}

void tst_KIVQSwitch::restingThumb()
{
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(bool, left);
    QFETCH(int, thumbX);

    KIVQSwitch sw;
    QVERIFY(!sw.getIsSwitchToLeft());
    bareSwitch(sw, width);
    sw.setMargin(margin);
    sw.setSwitchToLeft(left);
    QCOMPARE(thumbLeft(sw), thumbX);
}

void tst_KIVQSwitch::thumbFollowsChangesAfterFirstPaint_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("thumbX");

    QTest::newRow("setSwitchToLeft") << "left" << 2;
    QTest::newRow("an \"on\" read from a page") << "json" << 2;
    QTest::newRow("a wider control") << "resize" << 2 + 121;
    QTest::newRow("a larger margin") << "margin" << 6 + 63;
    QTest::newRow("a smaller thumb") << "thumb" << 2 + 81;
}

void tst_KIVQSwitch::thumbFollowsChangesAfterFirstPaint()
{
    QFETCH(QString, change);
    QFETCH(int, thumbX);

    KIVQSwitch sw;
    bareSwitch(sw, 100);
    QCOMPARE(thumbLeft(sw), 73);
    if (change == QLatin1String("left")) {
        sw.setSwitchToLeft(true);
    } else if (change == QLatin1String("json")) {
        Json::Value element = parseJson(R"({"attr": {"leftText": "", "on": false}})");
        sw.readJsonValue(&element);
    } else if (change == QLatin1String("resize")) {
        sw.resize(150, 29);
    } else if (change == QLatin1String("margin")) {
        sw.setMargin(6);
    } else {
        sw.setThumbSize(15, 15);
    }
    QCOMPARE(thumbLeft(sw), thumbX);
}

void tst_KIVQSwitch::twoQuickPressesMoveOnce()
{
    KIVQSwitch sw;
    bareSwitch(sw, 100);
    sw.setSwitchSpeed(60);
    QCOMPARE(thumbLeft(sw), 73);

    press(sw);
    press(sw); // while the thumb moves: only the look changes
    QVERIFY(!sw.getIsSwitchToLeft());
    QTRY_VERIFY(sw.getIsSwitchToLeft());
    QCOMPARE(thumbLeft(sw), 2);

    // The movement ended; the next press starts the way back.
    press(sw);
    QTRY_VERIFY(!sw.getIsSwitchToLeft());
    QCOMPARE(thumbLeft(sw), 73);

    // A press is the switch's own; it does not click what lies beneath as well.
    PressCatcher parent;
    auto* child = new KIVQSwitch(&parent);
    child->setSwitchSpeed(0);
    press(*child);
    QCOMPARE(parent.presses, 0);
    QVERIFY(child->getIsSwitchToLeft());
}

void tst_KIVQSwitch::attrJson_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("an empty attr: no captions, left end, thumb 25")
        << QByteArray("{}") << QByteArray(R"({"thumbH":25,"thumbW":25})");
    QTest::newRow("captions, position and sizes")
        << QByteArray(R"({"leftText": "Yes", "rightText": "No", "on": 1, "thumbW": 30, "thumbH": 20,
                          "speed": 120, "margin": 4})")
        << QByteArray(
               R"({"leftText":"Yes","margin":4,"on":true,"rightText":"No","speed":120,"thumbH":20,"thumbW":30})");
    QTest::newRow("an element without attr changes nothing")
        << QByteArray("null") << QByteArray(R"({"leftText":"On","on":true,"rightText":"Off","thumbH":25,"thumbW":25})");
    QTest::newRow("a negative speed reads as 0")
        << QByteArray(R"({"speed": -40})") << QByteArray(R"({"speed":0,"thumbH":25,"thumbW":25})");
}

void tst_KIVQSwitch::attrJson()
{
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, written);

    KIVQSwitch sw;
    Json::Value element = parseJson("{\"attr\": " + attr + "}");
    QVERIFY(sw.readJsonValue(&element));
    QCOMPARE(compactJson(writeControl(&sw)["attr"]), written);
}

void tst_KIVQSwitch::styleCodes()
{
    KIVQSwitch sw;
    Json::Value element = parseJson(R"({"style": [["thumb", 1, 2], ["hotThumb", 1, 3], ["thumb", 1, 1]]})");
    sw.readJsonValue(&element);
    QCOMPARE(sw.getThumbStyle(CtrlDisabled).name, QStringLiteral("thumb"));
    QCOMPARE(sw.getThumbStyle(CtrlHover).name, QStringLiteral("hotThumb"));
    QCOMPARE(compactJson(writeControl(&sw)["style"]),
             QByteArray(R"([["thumb",1,2],["hotThumb",1,3],["thumb",1,4],["thumb",1,5]])"));
}

void tst_KIVQSwitch::themeEntryLeavesPosition()
{
    QWidget window;
    auto* sw = new KIVQSwitch(&window);
    sw->resize(100, 29);
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(
            loadThemeFor(window, R"({"style": []})",
                         R"({"elements": [{"child": [{"name": "qtswitch", "attr": {"margin": 3, "on": false}}]}]})"));
    }
    QVERIFY(!sw->getIsSwitchToLeft());
    QCOMPARE(sw->getMargin(), 3);
}

QTEST_MAIN(tst_KIVQSwitch)
#include "tst_KIVQSwitch.moc"
