#include "TestControl.h"
#include "TestSupport.h"

#include "core/JsonRead.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QtTest>

using namespace KIVQtLib;
using namespace TestSupport;

// The common keys and the layout object of every control.
class tst_KIVQWidgetBase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void absoluteWritesSizeOnly();
    void readsCommonKeys_data();
    void readsCommonKeys();
    void layoutObject_data();
    void layoutObject();
    void roundTrip();
    void controlBuiltInCodeSavesVisible();
    void wrongTypesNeverThrow_data();
    void wrongTypesNeverThrow();
    void writeIntoNonObjectFails();
    void themeFlagSkipsCommonKeys();
    void opacityPassesThroughClamped();
    void layoutRatio();
    void resizeWidgetKeepsUnsizedControl();
};

void tst_KIVQWidgetBase::absoluteWritesSizeOnly()
{
    QWidget parent;
    TestControl c(&parent);
    c.setGeometry(0, 0, 120, 30);
    const Json::Value e = writeControl(&c);
    QCOMPARE(e["w"].asInt(), 120);
    QCOMPARE(e["h"].asInt(), 30);
    QVERIFY(!e.isMember("x"));
    QVERIFY(!e.isMember("y"));
    QVERIFY(!e.isMember("layout"));
    QCOMPARE(e["type"].asString(), std::string("qttestcontrol"));
    QCOMPARE(e["theme"].asString(), std::string("qttestcontrol"));

    // Read back: absolute at (0, 0, 120, 30), stored but not applied until resizeWidget.
    TestControl other(&parent);
    other.resize(10, 10);
    QVERIFY(other.readJsonValue(const_cast<Json::Value*>(&e)));
    QCOMPARE(other.getLayoutType(), LayoutAbsolute);
    QCOMPARE(other.size(), QSize(10, 10));
    other.resizeWidget();
    QCOMPARE(other.geometry(), QRect(0, 0, 120, 30));
}

void tst_KIVQWidgetBase::readsCommonKeys_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("widthPolicy");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<int>("dockHor");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("dockOffsetX");

    QTest::newRow("policy 2 reads as -1")
        << QByteArray(R"({"widthPolicy": 2})") << -1 << false << 0 << kWidgetMaxSize << 0;
    QTest::newRow("policy -1 kept") << QByteArray(R"({"widthPolicy": -1})") << -1 << false << 0 << kWidgetMaxSize << 0;
    QTest::newRow("policy 1 kept") << QByteArray(R"({"widthPolicy": 1})") << 1 << false << 0 << kWidgetMaxSize << 0;
    QTest::newRow("dock 5 clamps and docks")
        << QByteArray(R"({"absoluteDockHor": 5})") << -1 << true << 2 << kWidgetMaxSize << 0;
    QTest::newRow("absoluteLayout false wins")
        << QByteArray(R"({"absoluteDockHor": 5, "absoluteLayout": false})") << -1 << false << 2 << kWidgetMaxSize << 0;
    QTest::newRow("maxWidth 0") << QByteArray(R"({"maxWidth": 0})") << -1 << false << 0 << 0 << 0;
    QTest::newRow("negative maxWidth is 0") << QByteArray(R"({"maxWidth": -4})") << -1 << false << 0 << 0 << 0;
    QTest::newRow("INT_MAX read") << QByteArray(R"({"absoluteDockOffsetX": 2147483647})") << -1 << true << 0
                                  << kWidgetMaxSize << INT_MAX;
    QTest::newRow("INT_MIN read") << QByteArray(R"({"absoluteDockOffsetX": -2147483648})") << -1 << true << 0
                                  << kWidgetMaxSize << INT_MIN;
    QTest::newRow("INT_MAX + 1 rejected")
        << QByteArray(R"({"absoluteDockOffsetX": 2147483648})") << -1 << true << 0 << kWidgetMaxSize << 0;
}

void tst_KIVQWidgetBase::readsCommonKeys()
{
    QFETCH(QByteArray, json);
    QFETCH(int, widthPolicy);
    QFETCH(bool, absolute);
    QFETCH(int, dockHor);
    QFETCH(int, maxWidth);
    QFETCH(int, dockOffsetX);

    QWidget parent;
    TestControl c(&parent);
    Json::Value e = parseJson(json.constData());
    QVERIFY(c.readJsonValue(&e));
    QCOMPARE(int(c.getWidthPolicy()), widthPolicy);
    QCOMPARE(c.getAbsoluteLayout(), absolute);
    DockLayoutType hor, ver;
    int offsetX = 0, offsetY = 0;
    c.getAbsoluteDock(hor, ver, offsetX, offsetY);
    QCOMPARE(int(hor), dockHor);
    QCOMPARE(offsetX, dockOffsetX);
    QCOMPARE(c.maximumWidth(), maxWidth);
}

void tst_KIVQWidgetBase::layoutObject_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("layoutType");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("relative with ratio") << QByteArray(R"({"layout": {"type": 0, "ratio": 3}})") << 0 << 3 << QRect();
    QTest::newRow("relative without type") << QByteArray(R"({"layout": {}})") << 0 << 1 << QRect();
    QTest::newRow("absolute applies geometry")
        << QByteArray(R"({"layout": {"type": 1}, "x": 5, "y": 6, "w": 70, "h": 80})") << 1 << 1 << QRect(5, 6, 70, 80);
    QTest::newRow("unknown type keeps previous data")
        << QByteArray(R"({"layout": {"type": 7}, "x": 5, "w": 70})") << 1 << 1 << QRect(1, 2, 3, 4);
    QTest::newRow("negative type counts as absent")
        << QByteArray(R"({"layout": {"type": -1, "ratio": 2}})") << 0 << 2 << QRect();
}

void tst_KIVQWidgetBase::layoutObject()
{
    QFETCH(QByteArray, json);
    QFETCH(int, layoutType);
    QFETCH(int, ratio);
    QFETCH(QRect, geometry);

    QWidget parent;
    TestControl c(&parent);
    c.setGeometry(1, 2, 3, 4);
    Json::Value e = parseJson(json.constData());
    c.readJsonValue(&e);
    QCOMPARE(int(c.getLayoutType()), layoutType);
    QCOMPARE(c.getLayoutRatio(), ratio);
    if (geometry.isValid()) {
        const int* data = c.getControlBase()->layoutData();
        QCOMPARE(QRect(data[0], data[1], data[2], data[3]), geometry);
        QCOMPARE(c.geometry(), geometry);
    }
}

void tst_KIVQWidgetBase::roundTrip()
{
    QWidget parent;
    TestControl a(&parent);
    a.setObjectName(QStringLiteral("名字"));
    a.setToolTip(QStringLiteral("tip"));
    a.setInnerVisible(false);
    a.setEnabled(false);
    a.setAbsoluteDock(DockCenter, DockRightBottom, 4, -3);
    a.setWidthPolicy(PolicyFixed);
    a.setHeightPolicy(PolicyStretch);
    a.setMinimumSize(10, 11);
    a.setMaximumSize(200, 300);
    a.setLayoutRatio(2);

    const Json::Value e = writeControl(&a);
    QCOMPARE(e["visibility"].asBool(), false);
    QCOMPARE(e["enable"].asBool(), false);
    QCOMPARE(e["layout"]["ratio"].asInt(), 2);

    TestControl b(&parent);
    b.readJsonValue(const_cast<Json::Value*>(&e));
    QCOMPARE(b.objectName(), QStringLiteral("名字"));
    QCOMPARE(b.toolTip(), QStringLiteral("tip"));
    QVERIFY(!b.getInnerVisible());
    QVERIFY(!b.isEnabled());
    DockLayoutType hor, ver;
    int dx = 0, dy = 0;
    b.getAbsoluteDock(hor, ver, dx, dy);
    QVERIFY(b.getAbsoluteLayout());
    QCOMPARE(int(hor), int(DockCenter));
    QCOMPARE(int(ver), int(DockRightBottom));
    QCOMPARE(dx, 4);
    QCOMPARE(dy, -3);
    QCOMPARE(b.getWidthPolicy(), PolicyFixed);
    QCOMPARE(b.getHeightPolicy(), PolicyStretch);
    QCOMPARE(b.minimumSize(), QSize(10, 11));
    QCOMPARE(b.maximumSize(), QSize(200, 300));
    QCOMPARE(b.getLayoutType(), LayoutRelative);
    QCOMPARE(b.getLayoutRatio(), 2);
    QCOMPARE(writeControl(&b), e);
}

void tst_KIVQWidgetBase::controlBuiltInCodeSavesVisible()
{
    // Made in code or dropped by a designer, a control never read "visibility": saving must not hide it.
    QWidget parent;
    TestControl a(&parent);
    QVERIFY(a.getInnerVisible());
    const PropertyDef visibilityRow = TestControl::getProps().properties[2];
    QVERIFY(visibilityRow.boolGetter(&a));
    const Json::Value e = writeControl(&a);
    QVERIFY(!e.isMember("visibility"));

    TestControl b(&parent);
    visibilityRow.boolSetter(&b, false);
    QVERIFY(!b.getInnerVisible());
    QVERIFY(b.isHidden());
    b.readJsonValue(const_cast<Json::Value*>(&e));
    QVERIFY(b.getInnerVisible());
    QVERIFY(!b.isHidden());
}

void tst_KIVQWidgetBase::wrongTypesNeverThrow_data()
{
    QTest::addColumn<QByteArray>("json");
    // Each element carries wrong-typed values next to "attr" text that must still apply.
    QTest::newRow("layout of wrong shape") << QByteArray(R"({"layout": 5, "attr": {"text": "ok"}})");
    QTest::newRow("layout members of wrong type")
        << QByteArray(R"({"layout": {"type": "one", "ratio": "two"}, "attr": {"text": "ok"}})");
    QTest::newRow("huge numbers") << QByteArray(R"({"w": 1e300, "minWidth": 99999999999, "layout": {"type": 1e20},
                                                  "attr": {"text": "ok", "count": 1e300}})");
    QTest::newRow("style entries of wrong shape")
        << QByteArray(R"({"style": [5, [], ["a"], [1, 2, 3], ["a", 1, "x"], {"k": 1}], "attr": {"text": "ok"}})");
    QTest::newRow("null layout") << QByteArray(R"({"layout": null, "attr": {"text": "ok"}})");
    // Without a usable "attr" the rest of the element still applies.
    QTest::newRow("attr a number") << QByteArray(R"({"tooltip": "still", "attr": 5, "theme": "qtlabel"})");
    QTest::newRow("attr an array") << QByteArray(R"({"tooltip": "still", "attr": [{"text": "ok"}]})");
}

void tst_KIVQWidgetBase::wrongTypesNeverThrow()
{
    QFETCH(QByteArray, json);
    QWidget parent;
    TestControl c(&parent);
    Json::Value e = parseJson(json.constData());
    bool ok = false;
    try {
        ok = c.readJsonValue(&e);
    } catch (...) {
        QFAIL("reading threw");
    }
    QVERIFY(ok);
    if (e.get("tooltip", "") == "still")
        QCOMPARE(c.toolTip(), QStringLiteral("still"));
    else
        QCOMPARE(c.d()->text, QStringLiteral("ok"));
    // And the control still writes itself.
    try {
        writeControl(&c);
    } catch (...) {
        QFAIL("writing threw");
    }
}

void tst_KIVQWidgetBase::writeIntoNonObjectFails()
{
    TestControl c;
    Json::Value e = parseJson(R"({"attr": {"foreign": 1, "count": 2}})");
    c.readJsonValue(&e);
    for (Json::Value target : {Json::Value(Json::arrayValue), Json::Value("s"), Json::Value(3)}) {
        const Json::Value before = target;
        bool ok = true;
        try {
            c.getControlBase()->serializeJsonValue(&target, false);
            ok = c.serializeJsonValue(&target, false);
        } catch (...) {
            QFAIL("writing threw");
        }
        QVERIFY(!ok);
        QCOMPARE(target, before);
    }
}

void tst_KIVQWidgetBase::themeFlagSkipsCommonKeys()
{
    QWidget parent;
    TestControl c(&parent);
    c.setObjectName(QStringLiteral("kept"));
    c.setGeometry(1, 2, 3, 4);
    Json::Value e = parseJson(R"({"name": "changed", "tooltip": "t", "visibility": false, "x": 9, "w": 9})");
    {
        ThemeResScope scope(true);
        c.readJsonValue(&e);
    }
    QCOMPARE(c.objectName(), QStringLiteral("kept"));
    QVERIFY(c.toolTip().isEmpty());
    const int* data = c.getControlBase()->layoutData();
    QCOMPARE(QRect(data[0], data[1], data[2], data[3]), QRect(1, 2, 3, 4));
}

void tst_KIVQWidgetBase::opacityPassesThroughClamped()
{
    TestControl c;
    c.setOpacity(300);
    QCOMPARE(c.getOpacity(), 255);
    c.setOpacity(-1);
    QCOMPARE(c.getOpacity(), 0);
}

void tst_KIVQWidgetBase::layoutRatio()
{
    TestControl c;
    QCOMPARE(c.getLayoutRatio(), 1); // absolute controls answer 1
    c.setLayoutRatio(0);
    QCOMPARE(c.getLayoutType(), LayoutRelative);
    QCOMPARE(c.getLayoutRatio(), 1);
    c.setLayoutRatio(5);
    void* data = nullptr;
    c.getLayoutData(data);
    QCOMPARE(static_cast<int*>(data)[0], 5);
}

void tst_KIVQWidgetBase::resizeWidgetKeepsUnsizedControl()
{
    QWidget window;
    window.resize(300, 200);
    TestControl c(&window);
    c.QWidget::setGeometry(10, 20, 80, 40); // placed by Qt, not through the control's layout data
    c.resizeWidget();
    QCOMPARE(c.geometry(), QRect(10, 20, 80, 40));
}

QTEST_MAIN(tst_KIVQWidgetBase)
#include "tst_KIVQWidgetBase.moc"
