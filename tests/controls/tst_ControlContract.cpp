// What every registered control owes, checked for each type the registry knows. A new control is
// covered once it is registered and has its row in ControlSamples.cpp.

#include "ControlSamples.h"
#include "ControlTestHelpers.h"
#include "TestControl.h"

#include "charts/ChartRegistration.h"
#include "controls/KIVQCheckBox.h"
#include "controls/KIVQGroupBox.h"
#include "controls/KIVQImage.h"
#include "controls/KIVQLCDNumber.h"
#include "controls/KIVQLabelEx.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQProgressBar.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQRadioButton.h"
#include "controls/KIVQScrollBar.h"
#include "controls/KIVQScrollView.h"
#include "controls/KIVQSlider.h"
#include "controls/KIVQSplitter.h"
#include "controls/KIVQSwitch.h"
#include "controls/KIVQTextEdit.h"
#include "core/IKIVQWidgetBase.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQWidgetBase.h"
#include "core/KIVQtLib.h"

#include <QOpenGLContext>
#include <QPointer>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <string>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

// Values of the wrong type or out of every range, tried in place of each key a control writes.
const QList<QByteArray>& hostileValues()
{
    // Style codes at the ends of the int range, which a reader may subtract a run's first code from.
    static const QByteArray extremeCodes = R"([["contractFill", 1, -2147483648], ["contractText", 2, 2147483647]])";
    static const QList<QByteArray> values = {
        "null",        "true", "-1",         "2147483648", "-1e300",      "1.5",      "\"text\"",
        "\"\\u0000\"", "[]",   "[1, \"a\"]", "{}",         "{\"x\": {}}", "[[1, 2]]", "[[\"\", \"1\", \"0\"]]",
        extremeCodes};
    return values;
}

// The style document of the themes the tests load: the styles the samples name.
const QByteArray kContractStyles = R"({"style": [
    {"type": 1, "name": "contractFill", "drawImg": false, "clr": "ff336699"},
    {"type": 1, "name": "contractFillDown", "drawImg": false, "clr": "ff112233"},
    {"type": 2, "name": "contractText", "clr": "ff006400"}]})";

QWidget* create(const QByteArray& type, QWidget* parent = nullptr)
{
    return createControlByTypeName(type.constData(), parent);
}

IKIVQWidgetBase* control(QWidget* w)
{
    return dynamic_cast<IKIVQWidgetBase*>(w);
}

Json::Value written(QWidget* w)
{
    return writeControl(control(w));
}

// A fresh control of the type after reading element; null when it could not be made.
std::unique_ptr<QWidget> readInto(const QByteArray& type, const Json::Value& element)
{
    std::unique_ptr<QWidget> w(create(type));
    Json::Value copy = element;
    if (w)
        control(w.get())->readJsonValue(&copy);
    return w;
}

// The element a control of the type writes after reading its sample.
Json::Value sampleWritten(const QByteArray& type)
{
    std::unique_ptr<QWidget> w = readInto(type, parseJson(controlSample(type)->sample));
    return w ? written(w.get()) : Json::Value();
}

// The keys every control writes through the common base, and the shared part's "theme".
Json::Value ownPart(Json::Value element)
{
    QWidget plain;
    KIVQWidgetBase base(&plain);
    Json::Value common(Json::objectValue);
    base.serializeJsonValue(&common, false);
    for (const std::string& key : common.getMemberNames())
        element.removeMember(key);
    element.removeMember("type");
    element.removeMember("theme");
    return element;
}

void addTypeRows()
{
    QTest::addColumn<QByteArray>("type");
    for (const QByteArray& type : controlTypes())
        QTest::newRow(type.constData()) << type;
}

// Deletes the control from inside the handler of the signal it is connected to.
class Killer : public QObject
{
    Q_OBJECT
public:
    QPointer<QWidget> victim;
    int kills = 0;

public Q_SLOTS:
    void kill()
    {
        ++kills;
        delete victim.data();
    }
};

// A control made afresh, and a change of its look made through its public setters.
using MakeWidget = std::function<QWidget*()>;
using Change = std::function<void(QWidget*)>;

template <class W> void lookRow(const char* name, std::function<void(W*)> change)
{
    QTest::newRow(name) << MakeWidget([] { return new W; })
                        << Change([change](QWidget* w) { change(static_cast<W*>(w)); });
}

} // namespace

Q_DECLARE_METATYPE(MakeWidget)
Q_DECLARE_METATYPE(Change)

class tst_ControlContract : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void createdByType_data() { addTypeRows(); }
    void createdByType();
    void defaultWritesOnlyItsKeys_data() { addTypeRows(); }
    void defaultWritesOnlyItsKeys();
    void writeReadWriteIsStable_data() { addTypeRows(); }
    void writeReadWriteIsStable();
    void unknownKeysSurviveASave_data() { addTypeRows(); }
    void unknownKeysSurviveASave();
    void elementThatIsNoObject_data() { addTypeRows(); }
    void elementThatIsNoObject();
    void hostileValueLeavesOtherKeys_data();
    void hostileValueLeavesOtherKeys();
    void extremeNumberIsHandledSafely_data();
    void extremeNumberIsHandledSafely();
    void themeEntryKeepsCaptionValueAndIdentity_data() { addTypeRows(); }
    void themeEntryKeepsCaptionValueAndIdentity();
    void themeEntryKeepsAbsentKeys_data() { addTypeRows(); }
    void themeEntryKeepsAbsentKeys();
    void deletedInsideItsOwnHandler_data();
    void deletedInsideItsOwnHandler();
    void lookSettersRepaint_data();
    void lookSettersRepaint();
};

void tst_ControlContract::initTestCase()
{
    // The gl pass runs this again so that the charts get real contexts; without one it would prove nothing.
    if (qEnvironmentVariableIsSet("CAREVIX_REQUIRE_GL"))
        QVERIFY2(QOpenGLContext().create(), "no OpenGL context where one is required");
    init();
    kivRegisterChartControls();
    kivRegisterControl<TestControl>({}, true);
    kivSetFillStyle(QStringLiteral("contractFill"), namedFill(QStringLiteral("contractFill"), 0xff336699));
    kivSetFillStyle(QStringLiteral("contractFillDown"), namedFill(QStringLiteral("contractFillDown"), 0xff112233));
    TextStyleDesc text;
    text.name = QStringLiteral("contractText");
    text.colour = Qt::darkGreen;
    kivSetTextStyle(text.name, text);
}

void tst_ControlContract::createdByType()
{
    QFETCH(QByteArray, type);
    QVERIFY2(controlSample(type), "the registered type has no row in the contract table");
    std::unique_ptr<QWidget> w(create(type));
    QVERIFY(w);
    IKIVQWidgetBase* c = control(w.get());
    QVERIFY(c);
    QCOMPARE(c->getTypeName(), QString::fromLatin1(type));
    QVERIFY(c->getControlImpl());
    QCOMPARE(c->getControlBase()->getOwner(), w.get());

    // Through the element builder, with the type's own JSON.
    QWidget parent;
    Json::Value element = parseJson(controlSample(type)->sample);
    element["type"] = type.toStdString();
    QWidget* built = buildControlTree(element, &parent);
    QVERIFY(built);
    QCOMPARE(built->parentWidget(), &parent);
    QCOMPARE(control(built)->getTypeName(), QString::fromLatin1(type));
}

void tst_ControlContract::defaultWritesOnlyItsKeys()
{
    QFETCH(QByteArray, type);
    const ControlSample* kind = controlSample(type);
    QVERIFY(kind);
    std::unique_ptr<QWidget> w(create(type));
    const Json::Value element = written(w.get());
    QCOMPARE(QString::fromStdString(element["type"].asString()), QString::fromLatin1(type));
    QCOMPARE(QString::fromStdString(element["theme"].asString()), QString::fromLatin1(type));
    QCOMPARE(compactJson(ownPart(element)), kind->defaults);
}

void tst_ControlContract::writeReadWriteIsStable()
{
    QFETCH(QByteArray, type);
    QVERIFY(controlSample(type));
    std::unique_ptr<QWidget> w(create(type));
    const Json::Value defaults = written(w.get());
    QCOMPARE(compactJson(written(readInto(type, defaults).get())), compactJson(defaults));

    const Json::Value sample = sampleWritten(type);
    // Every key of the sample is the control's own, so each one is written back.
    const Json::Value sampleAttr = parseJson(controlSample(type)->sample)["attr"];
    for (const std::string& key : sampleAttr.getMemberNames())
        QVERIFY2(sample["attr"].isMember(key), key.c_str());
    QCOMPARE(compactJson(written(readInto(type, sample).get())), compactJson(sample));
}

// A page written by a newer program keeps what this one does not know.
void tst_ControlContract::unknownKeysSurviveASave()
{
    QFETCH(QByteArray, type);
    QVERIFY(controlSample(type));
    Json::Value element = parseJson(controlSample(type)->sample);
    element["attr"]["zzFuture"] = "kept";
    element["attr"]["zzCount"] = 3;
    const Json::Value out = written(readInto(type, element).get());
    QCOMPARE(compactJson(out["attr"]["zzFuture"]), QByteArray(R"("kept")"));
    QCOMPARE(compactJson(out["attr"]["zzCount"]), QByteArray("3"));
}

// An element of another JSON type is read as one without members and never written into; the
// Impl's own entry refuses it too, so no worker sees it.
void tst_ControlContract::elementThatIsNoObject()
{
    QFETCH(QByteArray, type);
    std::unique_ptr<QWidget> w(create(type));
    IKIVQWidgetBase* c = control(w.get());
    // Read as an empty object: a control laid out by ratio by default turns absolute, like any other.
    const Json::Value before = written(readInto(type, Json::Value(Json::objectValue)).get());
    for (const QByteArray& text : {"[1, 2]", "\"x\"", "7", "true", "[{\"attr\": {}}]"}) {
        Json::Value element = parseJson(text);
        c->readJsonValue(&element);
        QVERIFY2(!c->serializeJsonValue(&element, false), text.constData());
        QVERIFY2(!c->getControlImpl()->serialize(&element, false), text.constData());
        QCOMPARE(compactJson(element), compactJson(parseJson(text)));
    }
    QCOMPARE(compactJson(ownPart(written(w.get()))), compactJson(ownPart(before)));
}

void tst_ControlContract::hostileValueLeavesOtherKeys_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("key"); // "attr.x" for a member of "attr"
    for (const QByteArray& type : controlTypes()) {
        if (!controlSample(type))
            continue;
        const Json::Value sample = sampleWritten(type);
        for (const std::string& key : sample.getMemberNames()) {
            QTest::addRow("%s %s", type.constData(), key.c_str()) << type << QByteArray::fromStdString(key);
            if (key == "attr" && sample[key].isObject()) {
                for (const std::string& member : sample[key].getMemberNames())
                    QTest::addRow("%s attr.%s", type.constData(), member.c_str())
                        << type << QByteArray::fromStdString("attr." + member);
            }
        }
    }
}

void tst_ControlContract::hostileValueLeavesOtherKeys()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, key);
    const Json::Value sample = sampleWritten(type);
    const bool inAttr = key.startsWith("attr.");
    const std::string name = (inAttr ? key.mid(5) : key).toStdString();

    for (const QByteArray& hostile : hostileValues()) {
        Json::Value element = sample;
        (inAttr ? element["attr"] : element)[name] = parseJson(hostile);
        std::unique_ptr<QWidget> w = readInto(type, element);
        const Json::Value out = written(w.get());

        const Json::Value& before = inAttr ? sample["attr"] : sample;
        const Json::Value& after = inAttr ? out["attr"] : out;
        for (const std::string& other : before.getMemberNames()) {
            if (other == name || (!inAttr && other == "attr" && name == "attr"))
                continue;
            const QByteArray what = type + " " + key + "=" + hostile + " disturbed " + QByteArray::fromStdString(other);
            QVERIFY2(after.isObject() && after.isMember(other), what.constData());
            QVERIFY2(after[other] == before[other], (what + ": " + compactJson(after[other])).constData());
        }
    }
}

void tst_ControlContract::extremeNumberIsHandledSafely_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("key");
    for (const QByteArray& type : controlTypes()) {
        const ControlSample* kind = controlSample(type);
        const Json::Value attr = kind ? parseJson(kind->sample)["attr"] : Json::Value();
        if (!attr.isObject())
            continue;
        for (const std::string& key : attr.getMemberNames()) {
            if (attr[key].isInt() && !attr[key].isBool())
                QTest::addRow("%s %s", type.constData(), key.c_str()) << type << QByteArray::fromStdString(key);
        }
    }
}

// Sizes, offsets and margins straight from a page document, painted and pointed at; the sanitizers catch
// overflowing arithmetic.
void tst_ControlContract::extremeNumberIsHandledSafely()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, key);
    for (const int extreme : {INT_MIN, INT_MAX}) {
        Json::Value element = parseJson(controlSample(type)->sample);
        element["attr"][key.toStdString()] = extreme;
        std::unique_ptr<QWidget> w = readInto(type, element);
        w->resize(120, 40);
        QVERIFY(!w->grab().isNull());
        sendEvent(w.get(), QEvent::Enter);
        for (const QEvent::Type step : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease})
            sendMouse(w.get(), step, QPoint(60, 20),
                      step == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
        sendEvent(w.get(), QEvent::Leave);
        QVERIFY(!w->grab().isNull());
    }
}

void tst_ControlContract::themeEntryKeepsCaptionValueAndIdentity()
{
    QFETCH(QByteArray, type);
    QVERIFY(controlSample(type));
    QWidget window;
    QWidget* w = create(type, &window);
    w->setObjectName(QStringLiteral("bed12"));
    // A caption is a text the program sets; a progress bar's "text" is read-only, made from its value.
    const int captionIndex = w->metaObject()->indexOfProperty("text");
    const bool hasCaption = captionIndex >= 0 && w->metaObject()->property(captionIndex).isWritable();
    const bool hasValue = w->property("value").isValid();
    if (hasCaption)
        w->setProperty("text", QStringLiteral("Bed 12"));
    if (hasValue) {
        w->setProperty("maximum", 50);
        w->setProperty("value", 7);
    }
    IKIVQWidgetBase* c = control(w);
    c->setLayoutRatio(3);

    // The theme entry carries the type's own sample plus identity, caption and value of its own.
    Json::Value entry = parseJson(controlSample(type)->sample);
    entry["name"] = type.toStdString();
    Json::Value& attr = entry["attr"];
    if (!attr.isObject())
        attr = Json::Value(Json::objectValue);
    attr["text"] = "from the theme";
    attr["value"] = 40;
    entry["ratio"] = 9;
    Json::Value entries(Json::objectValue);
    entries["elements"][0]["child"][0] = entry;
    QVERIFY(loadThemeFor(window, kContractStyles, compactJson(entries)));

    QCOMPARE(w->objectName(), QStringLiteral("bed12"));
    QCOMPARE(c->getTypeName(), QString::fromLatin1(type));
    QCOMPARE(c->getControlBase()->getThemeName(), QString::fromLatin1(type));
    QCOMPARE(c->getLayoutRatio(), 3);
    if (hasCaption)
        QCOMPARE(w->property("text").toString(), QStringLiteral("Bed 12"));
    if (hasValue)
        QCOMPARE(w->property("value").toInt(), 7);
    // The entry styles the control as the same "style" in its own element would.
    QCOMPARE(compactJson(written(w)["style"]), compactJson(sampleWritten(type)["style"]));
}

// A theme entry styles every control of its type alike: what it does not name stays as the page set it.
void tst_ControlContract::themeEntryKeepsAbsentKeys()
{
    QFETCH(QByteArray, type);
    QVERIFY(controlSample(type));
    QWidget window;
    QWidget* w = create(type, &window);
    Json::Value element = parseJson(controlSample(type)->sample);
    control(w)->readJsonValue(&element);
    const Json::Value before = ownPart(written(w));
    QVERIFY(loadThemeFor(window, kContractStyles,
                         "{\"elements\": [{\"child\": [{\"name\": \"" + type + "\", \"attr\": {}}]}]}"));
    QCOMPARE(compactJson(ownPart(written(w))), compactJson(before));
}

void tst_ControlContract::deletedInsideItsOwnHandler_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("signal");
    for (const QByteArray& type : controlTypes()) {
        const ControlSample* kind = controlSample(type);
        const QList<QByteArray> names = kind ? QByteArray(kind->handlerSignals).split(' ') : QList<QByteArray>{""};
        for (const QByteArray& signal : names)
            QTest::addRow("%s %s", type.constData(), signal.constData()) << type << signal;
    }
}

// Enter, press, release and leave, with the control deleted by a slot of one signal on the way.
void tst_ControlContract::deletedInsideItsOwnHandler()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, signal);
    QWidget window;
    window.resize(200, 200);
    Killer killer;
    killer.victim = create(type, &window);
    killer.victim->setGeometry(10, 10, 120, 40);
    window.show();
    killer.victim->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (!signal.isEmpty())
        QVERIFY(QObject::connect(killer.victim.data(), QByteArray("2" + signal).constData(), &killer, SLOT(kill())));

    const QPoint centre(60, 20);
    for (const QEvent::Type step :
         {QEvent::Enter, QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::Leave}) {
        if (!killer.victim)
            break;
        if (step == QEvent::Enter || step == QEvent::Leave) {
            sendEvent(killer.victim.data(), step);
            continue;
        }
        QWidget* target = killer.victim.data();
        QMouseEvent event(step, centre, target->mapToGlobal(centre), Qt::LeftButton,
                          step == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        // Qt passes an ignored mouse event on through the receiver, which no longer exists.
        if (!killer.victim)
            QVERIFY2(event.isAccepted(), "a control deleted by its own handler left the event ignored");
    }
    QCOMPARE(killer.kills, signal.isEmpty() ? 0 : 1);
    QCOMPARE(killer.victim.isNull(), !signal.isEmpty());
}

void tst_ControlContract::lookSettersRepaint_data()
{
    QTest::addColumn<MakeWidget>("make");
    QTest::addColumn<Change>("change");

    const FillStyle fill = namedFill(QStringLiteral("x"), 0xff00ff00);
    const TextStyleDesc text = pinnedTextStyle(QStringLiteral("x"), 0xff00ff00, 12);
    lookRow<KIVQPushButton>("button caption shown", [](KIVQPushButton* w) { w->setShowText(true); });
    lookRow<KIVQCheckBox>("check box icon", [](KIVQCheckBox* w) { w->setUncheckIcon(QStringLiteral("u.png")); });
    lookRow<KIVQCheckBox>("check box icon offset", [](KIVQCheckBox* w) { w->setIconOffsetX(3); });
    lookRow<KIVQRadioButton>("radio icon", [](KIVQRadioButton* w) { w->setIcon(QStringLiteral("u.png")); });
    lookRow<KIVQGroupBox>("group box caption", [](KIVQGroupBox* w) { w->setText(QStringLiteral("Vitals")); });
    lookRow<KIVQImage>("image alignment", [](KIVQImage* w) { w->setAlignType(DockCenter, DockCenter); });
    lookRow<KIVQLabelEx>("label-ex colour", [](KIVQLabelEx* w) { w->setColor(Qt::red); });
    lookRow<KIVQLineEdit>("line edit placeholder",
                          [](KIVQLineEdit* w) { w->setPlaceholderText(QStringLiteral("Search")); });
    lookRow<KIVQTextEdit>("text edit placeholder style", [text](KIVQTextEdit* w) { w->setPlaceholderTextStyle(text); });
    lookRow<KIVQProgressBar>("progress bar foreground",
                             [fill](KIVQProgressBar* w) { w->setForeground(CommonCtrlState(0), fill); });
    lookRow<KIVQLCDNumber>("LCD background", [fill](KIVQLCDNumber* w) { w->setBackground(CommonCtrlState(0), fill); });
    lookRow<KIVQScrollBar>("scroll bar thumb", [fill](KIVQScrollBar* w) { w->setScrollbarThumb(CtrlNormal, fill); });
    lookRow<KIVQScrollView>("scroll view background",
                            [fill](KIVQScrollView* w) { w->setBackground(CommonCtrlState(0), fill); });
    lookRow<KIVQSlider>("slider thumb", [fill](KIVQSlider* w) { w->setThumbStyle(CtrlNormal, fill); });
    lookRow<KIVQSplitter>("splitter background", [fill](KIVQSplitter* w) { w->setBackground(fill); });
    lookRow<KIVQSwitch>("switch caption", [](KIVQSwitch* w) { w->setLeftText(QStringLiteral("On")); });
}

// A shown control draws a change of its look without its caller asking for a repaint.
void tst_ControlContract::lookSettersRepaint()
{
    QFETCH(MakeWidget, make);
    QFETCH(Change, change);

    std::unique_ptr<QWidget> widget(make());
    widget->resize(80, 30);
    // Without focus no caret blinks, so every paint comes from the change.
    widget->setFocusPolicy(Qt::NoFocus);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    // A scroll area paints through its viewport.
    PaintCounter counter;
    widget->installEventFilter(&counter);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    change(widget.get());
    QTRY_VERIFY(counter.paints > 0);
}

QTEST_MAIN(tst_ControlContract)
#include "tst_ControlContract.moc"
