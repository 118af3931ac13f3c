#include "TestControl.h"
#include "TestSupport.h"

#include "core/JsonAttr.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QtTest>

using namespace KIVQtLib;
using namespace TestSupport;

// The Impl base: attribute store, shared JSON part, state machine, jsonData.
class tst_KIVQWidgetBaseImpl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void attributeKinds_data();
    void attributeKinds();
    void foreignAttributesSurvive();
    void ownKeySetBackToDefaultStaysGone();
    void absentOwnKeyResetsOutsideTheme();
    void attrColours_data();
    void attrColours();
    void themeNameWritten();
    void childrenWritten();
    void stateMachine();
    void disabledPaintsAsDisabled();
    void jsonDataAppliedOnce();
    void colorFromHexDropsAlpha_data();
    void colorFromHexDropsAlpha();
    void svgNames();
    void implPropertyClearedWithImpl();
};

void tst_KIVQWidgetBaseImpl::attributeKinds_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("kind");

    QTest::newRow("3000000000 is unsigned 32") << QByteArray("3000000000") << int(AttrValue::UInt32);
    QTest::newRow("-5 is signed 32") << QByteArray("-5") << int(AttrValue::Int32);
    QTest::newRow("2.0 is signed 32") << QByteArray("2.0") << int(AttrValue::Int32);
    QTest::newRow("1.5 is double") << QByteArray("1.5") << int(AttrValue::Double);
    QTest::newRow("10000000000 is double") << QByteArray("10000000000") << int(AttrValue::Double);
    QTest::newRow("bool") << QByteArray("true") << int(AttrValue::Bool);
    QTest::newRow("string") << QByteArray("\"s\"") << int(AttrValue::String);
    QTest::newRow("string array") << QByteArray(R"(["a", "b"])") << int(AttrValue::StringList);
    QTest::newRow("empty array is not a list") << QByteArray("[]") << int(AttrValue::Bool);
    QTest::newRow("number array is not a list") << QByteArray("[1]") << int(AttrValue::Bool);
}

void tst_KIVQWidgetBaseImpl::attributeKinds()
{
    QFETCH(QByteArray, value);
    QFETCH(int, kind);
    TestControl c;
    const QByteArray text = "{\"attr\": {\"k\": " + value + "}}";
    Json::Value e = parseJson(text.constData());
    c.readJsonValue(&e);
    const auto& attrs = c.getControlImpl()->attributes();
    QVERIFY(attrs.count("k"));
    QCOMPARE(attrs.at("k").kind(), kind);
    if (kind == AttrValue::StringList)
        QCOMPARE(std::get<QStringList>(attrs.at("k").value), (QStringList{"a", "b"}));
}

void tst_KIVQWidgetBaseImpl::foreignAttributesSurvive()
{
    TestControl c;
    Json::Value e = parseJson(R"({"attr": {"text": "t", "foreign": 3000000000, "list": ["x"]}})");
    c.readJsonValue(&e);
    const Json::Value out = writeControl(&c);
    QCOMPARE(out["attr"]["text"].asString(), std::string("t"));
    QCOMPARE(out["attr"]["foreign"].asUInt(), 3000000000u);
    QCOMPARE(out["attr"]["list"][0].asString(), std::string("x"));
}

void tst_KIVQWidgetBaseImpl::ownKeySetBackToDefaultStaysGone()
{
    TestControl c;
    Json::Value e = parseJson(R"({"attr": {"count": 7, "flag": 0}})");
    c.readJsonValue(&e);
    QCOMPARE(c.d()->count, 7);
    QCOMPARE(c.d()->flag, false);
    c.d()->count = 0;
    c.d()->flag = true;
    const Json::Value out = writeControl(&c);
    QVERIFY(!out.isMember("attr")); // only own keys were there, all back to default

    TestControl d;
    Json::Value reread = out;
    d.d()->count = 3;
    d.readJsonValue(&reread);
    QCOMPARE(d.d()->count, 0);
}

void tst_KIVQWidgetBaseImpl::absentOwnKeyResetsOutsideTheme()
{
    TestControl c;
    c.d()->count = 5;
    Json::Value e = parseJson(R"({"attr": {"text": "x"}})");
    c.readJsonValue(&e);
    QCOMPARE(c.d()->count, 0);
    c.d()->count = 5;
    {
        ThemeResScope scope(true);
        c.readJsonValue(&e);
    }
    QCOMPARE(c.d()->count, 5);
}

void tst_KIVQWidgetBaseImpl::attrColours_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("eight digits keep their alpha") << QByteArray(R"("80FF0000")") << true << QColor(255, 0, 0, 128);
    QTest::newRow("eight digits, alpha 0") << QByteArray(R"("00FF0000")") << true << QColor(255, 0, 0, 0);
    QTest::newRow("six digits are opaque") << QByteArray(R"("FF0000")") << true << QColor(255, 0, 0);
    QTest::newRow("six digits after blanks, junk after") << QByteArray(R"("  00ff00zz")") << true << QColor(0, 255, 0);
    QTest::newRow("nine digits saturate") << QByteArray(R"("123456789")") << true << QColor(255, 255, 255, 255);
    QTest::newRow("seventeen digits saturate")
        << QByteArray(R"("10000000000000000")") << true << QColor(255, 255, 255, 255);
    QTest::newRow("an integer is an opaque QRgb") << QByteArray("2164195328") << true << QColor(255, 0, 0);
    QTest::newRow("a negative integer is refused") << QByteArray("-1") << false << QColor(Qt::blue);
    QTest::newRow("an array is refused") << QByteArray("[1]") << false << QColor(Qt::blue);
}

void tst_KIVQWidgetBaseImpl::attrColours()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, used);
    QFETCH(QColor, colour);
    Json::Value e = parseJson("{\"attr\": {\"c\": " + value + "}}");
    QColor c = Qt::blue;
    {
        AttrIO attr(e, true);
        QCOMPARE(attr.ioColor("c", c, Qt::white), used);
    }
    QCOMPARE(c, colour);

    Json::Value out(Json::objectValue);
    {
        AttrIO attr(out, false);
        attr.ioColor("c", c, Qt::white);
        QColor unchanged = Qt::white;
        attr.ioColor("w", unchanged, Qt::white);
    }
    Json::Value back = out;
    QColor again;
    {
        AttrIO attr(back, true);
        attr.ioColor("c", again, Qt::white);
    }
    QCOMPARE(again, colour);
    QVERIFY(!out["attr"].isMember("w"));
}

void tst_KIVQWidgetBaseImpl::themeNameWritten()
{
    TestControl c;
    c.getControlImpl()->setThemeName(QString());
    QVERIFY(!writeControl(&c).isMember("theme"));
}

void tst_KIVQWidgetBaseImpl::childrenWritten()
{
    TestControl parent;
    auto* first = new TestControl(&parent);
    first->setObjectName(QStringLiteral("first"));
    new QWidget(&parent); // not a control: skipped
    auto* internal = new TestControl(&parent);
    KIVQWidgetBaseImpl::markInternalChild(internal);
    auto* second = new TestControl(&parent);
    second->setObjectName(QStringLiteral("second"));

    Json::Value out = writeControl(&parent);
    QCOMPARE(out["child"].size(), 2u);
    QCOMPARE(out["child"][0]["name"].asString(), std::string("first"));
    QCOMPARE(out["child"][1]["name"].asString(), std::string("second"));

    kivEnableSerializeChild(false);
    out = writeControl(&parent);
    kivEnableSerializeChild(true);
    QVERIFY(!out.isMember("child"));
}

void tst_KIVQWidgetBaseImpl::stateMachine()
{
    TestControl c;
    KIVQWidgetBaseImpl* impl = c.getControlImpl();
    impl->onMouseEnter();
    QCOMPARE(impl->state(), CtrlHover);
    impl->onMousePress();
    QCOMPARE(impl->state(), CtrlPressed);
    impl->onMouseRelease();
    QCOMPARE(impl->state(), CtrlHover);
    impl->onMouseLeave();
    QCOMPARE(impl->state(), CtrlNormal);
    impl->onMousePress();
    impl->onMouseRelease();
    QCOMPARE(impl->state(), CtrlNormal); // released outside
    c.setEnabled(false);
    impl->onMouseLeave();
    QCOMPARE(impl->state(), CtrlDisabled);
}

void tst_KIVQWidgetBaseImpl::disabledPaintsAsDisabled()
{
    TestControl c;
    c.resize(20, 20);
    KIVQWidgetBaseImpl* impl = c.getControlImpl();
    impl->onMouseEnter();
    c.setEnabled(false);
    c.grab();
    QCOMPARE(impl->state(), CtrlDisabled);
    c.setEnabled(true);
    c.grab();
    QCOMPARE(impl->state(), CtrlNormal);
    QVERIFY(c.d()->paints >= 2);
}

void tst_KIVQWidgetBaseImpl::jsonDataAppliedOnce()
{
    TestControl c;
    const QString text = QStringLiteral(R"({"attr": {"count": 4}})");
    c.setProperty("jsonData", text);
    QCOMPARE(c.d()->count, 4);
    const int reads = c.d()->reads;
    c.setJsonData(text);
    QCOMPARE(c.d()->reads, reads);
    c.setJsonData(QStringLiteral(R"({"attr": {"count": 9}})"));
    QCOMPARE(c.d()->count, 4); // a second, different text is only stored
    QCOMPARE(c.jsonData(), QStringLiteral(R"({"attr": {"count": 9}})"));

    TestControl broken;
    broken.setJsonData(QStringLiteral("{not json"));
    QCOMPARE(broken.jsonData(), QStringLiteral("{not json"));
    QCOMPARE(broken.d()->reads, 0);

    // Nesting beyond the JSON reader's limit makes it throw; the text is stored, nothing applied.
    TestControl deep;
    const QString nested = QString(5000, QLatin1Char('[')) + QString(5000, QLatin1Char(']'));
    deep.setJsonData(nested);
    QCOMPARE(deep.jsonData(), nested);
    QCOMPARE(deep.d()->reads, 0);
}

void tst_KIVQWidgetBaseImpl::colorFromHexDropsAlpha_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("opaque red from 80FF0000") << "80FF0000" << QColor(255, 0, 0);
    QTest::newRow("lower case") << "ff00ff00" << QColor(0, 255, 0);
    QTest::newRow("leading spaces, trailing junk") << "  0000FFzz" << QColor(0, 0, 255);
    QTest::newRow("no digits is black") << "#123456" << QColor(0, 0, 0);
    QTest::newRow("a sign is no digit") << "-1" << QColor(0, 0, 0);
    QTest::newRow("no 0x prefix") << "0xFF00FF00" << QColor(0, 0, 0);
    QTest::newRow("more than eight digits saturate") << "123456789" << QColor(255, 255, 255);
    QTest::newRow("seventeen digits saturate") << "10000000000000000" << QColor(255, 255, 255);
}

void tst_KIVQWidgetBaseImpl::colorFromHexDropsAlpha()
{
    QFETCH(QString, hex);
    QFETCH(QColor, colour);
    QCOMPARE(KIVQWidgetBaseImpl::colorFromHex(hex.toStdString()), colour);
}

void tst_KIVQWidgetBaseImpl::svgNames()
{
    QVERIFY(KIVQWidgetBaseImpl::isSvgPath(QStringLiteral(" icons/a.SVG ")));
    QVERIFY(!KIVQWidgetBaseImpl::isSvgPath(QStringLiteral("a.svg.png")));
    QVERIFY(!KIVQWidgetBaseImpl::isImageValid(QImage()));
    QVERIFY(KIVQWidgetBaseImpl::isImageValid(QImage(1, 1, QImage::Format_ARGB32)));
}

void tst_KIVQWidgetBaseImpl::implPropertyClearedWithImpl()
{
    TestControl c;
    QCOMPARE(c.property("impl").value<void*>(), static_cast<void*>(c.getControlImpl()));
    // A widget that outlives its Impl must not hand out the dead object to the theme walk.
    QWidget owner;
    KIVQWidgetBase base(&owner);
    {
        KIVQWidgetBaseImpl impl(&owner, QStringLiteral("qtplain"));
        QCOMPARE(base.getThemeName(), QStringLiteral("qtplain"));
    }
    QVERIFY(!owner.property("impl").isValid());
    QVERIFY(base.getThemeName().isEmpty());
    base.refreshTheme();
}

QTEST_MAIN(tst_KIVQWidgetBaseImpl)
#include "tst_KIVQWidgetBaseImpl.moc"
