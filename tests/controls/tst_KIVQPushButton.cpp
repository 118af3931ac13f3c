#include "controls/KIVQPushButton.h"
#include "controls/KIVQPushButtonImpl.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"
#include "theme/LanguageManager.h"

#include <json/json.h>

#include <QTimer>
#include <QtTest>

using namespace KIVQtLib;

namespace {

Json::Value parse(const QByteArray& text)
{
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const bool ok = reader->parse(text.constData(), text.constData() + text.size(), &root, nullptr);
    Q_ASSERT(ok);
    return root;
}

FillStyle namedFill(const QString& name, QRgb colour)
{
    FillStyle f;
    f.name = name;
    f.res.colour = QColor::fromRgba(colour);
    return f;
}

void sendEnter(QWidget* w)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}

void sendLeave(QWidget* w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

void sendMove(QWidget* w, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void ticks(KIVQPushButtonImpl* d, int n)
{
    for (int i = 0; i < n; ++i)
        d->fadeTick();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

const QColor kNormal = QColor::fromRgba(0xFFF5F5F5);
const QColor kHover = QColor::fromRgba(0xFFEDFBFF);

} // namespace

class tst_KIVQPushButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void defaultsAndHoverWithoutFade();
    void perStateAccessors();
    void fadeSteps();
    void fadeTimerStopsWithNothingToFade();
    void fadeSwitchedOffMidFade();
    void fadeDurationFloor();
    void extensionStripHotTracking();
    void iconPaths();
    void styleJson();
    void attrRoundTrip();
    void languageCaptionsFollowLanguage();
    void literalCaptionEndsLanguageBinding();
    void clickSlotMayDeleteButton();
    void themeRefreshKeepsCaptionAndIcon();
};

void tst_KIVQPushButton::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("btn"), namedFill(QStringLiteral("btn"), 0xff2266aa));
    kivSetFillStyle(QStringLiteral("btnDown"), namedFill(QStringLiteral("btnDown"), 0xff113355));
    TextStyleDesc caption;
    caption.name = QStringLiteral("btnText");
    caption.colour = Qt::white;
    kivSetTextStyle(caption.name, caption);
}

void tst_KIVQPushButton::defaultsAndHoverWithoutFade()
{
    KIVQPushButton button;
    QVERIFY(!button.getFadeEnabled());
    QVERIFY(button.testAttribute(Qt::WA_MouseTracking));
    QCOMPARE(button.getBackground(CtrlNormal).res.colour, kNormal);
    QCOMPARE(button.getBackground(CtrlHover).res.colour, kHover);
    QCOMPARE(button.getBackground(CtrlNormal).res.borderColour, QColor::fromRgba(0xFFCCCCCC));
    QCOMPARE(button.getBackground(CtrlDisabled).res.colour, FillStyle().res.colour);
    QCOMPARE(button.getTextStyle(CtrlPressed).horAlign, 1);

    button.resize(80, 30);
    QCOMPARE(button.grab().toImage().pixelColor(40, 2), kNormal);

    QSignalSpy entered(&button, &KIVQPushButton::enterSignal);
    QSignalSpy left(&button, &KIVQPushButton::leaveSignal);
    sendEnter(&button);
    QCOMPARE(button.impl()->state(), CtrlHover);
    QCOMPARE(button.impl()->shownBackground().res.colour, kHover);
    QCOMPARE(button.grab().toImage().pixelColor(40, 2), kHover);
    sendLeave(&button);
    QCOMPARE(button.impl()->state(), CtrlNormal);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
    QVERIFY(!button.impl()->fadeTimer()->isActive());

    std::unique_ptr<QWidget> made(kivFindCreateFunction("button")());
    QVERIFY(qobject_cast<KIVQPushButton*>(made.get()));
}

void tst_KIVQPushButton::perStateAccessors()
{
    KIVQPushButton button;
    button.setBackground(CtrlState(kAllStates), namedFill(QStringLiteral("all"), 0xff000000));
    button.setBackground(CtrlState(5), namedFill(QStringLiteral("five"), 0xff000000));
    button.setBackground(CtrlState(-1), namedFill(QStringLiteral("minus"), 0xff000000));
    for (int s = 0; s < kStateCount; ++s)
        QCOMPARE(button.getBackground(CtrlState(s)).name, QStringLiteral("all"));
    QCOMPARE(button.getBackground(CtrlState(42)).name, QStringLiteral("all"));

    button.setUseFillStyle(CtrlPressed, false);
    button.setUseFillStyle(CtrlState(8), false);
    QVERIFY(!button.getUseFillStyle(CtrlPressed));
    QVERIFY(button.getUseFillStyle(CtrlNormal));
    button.setUseFillStyle(CtrlState(kAllStates), false);
    QVERIFY(!button.getUseFillStyle(CtrlDisabled));
    QVERIFY(!button.getUseFillStyle(CtrlState(-3)));
}

void tst_KIVQPushButton::fadeSteps()
{
    KIVQPushButton button;
    button.setFadeEnabled(true);
    button.setFadeDuration(128);
    KIVQPushButtonImpl* d = button.impl();

    sendEnter(&button);
    QVERIFY(d->fadeTimer()->isActive());
    QCOMPARE(d->fadeTimer()->interval(), 16);
    QCOMPARE(d->shownBackground().res.colour, kNormal);

    ticks(d, 4);
    QCOMPARE(d->fadeProgress(), 0.5);
    // Halfway between F5F5F5 and EDFBFF in each channel.
    QCOMPARE(d->shownBackground().res.colour, QColor(241, 248, 250));
    QVERIFY(d->isFading());

    ticks(d, 4);
    QCOMPARE(d->fadeProgress(), 1.0);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlHover);
    QCOMPARE(d->shownBackground().res.colour, kHover);

    sendLeave(&button);
    QVERIFY(d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlHover); // hot until the fade-out ends
    ticks(d, 4);
    QCOMPARE(d->shownBackground().res.colour, QColor(241, 248, 250));
    ticks(d, 4);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlNormal);
    QCOMPARE(d->shownBackground().res.colour, kNormal);
}

void tst_KIVQPushButton::fadeTimerStopsWithNothingToFade()
{
    KIVQPushButton button;
    button.setFadeEnabled(true);
    KIVQPushButtonImpl* d = button.impl();

    // Re-entering during a fade-out: the button is still hot, so nothing is left to fade.
    sendEnter(&button);
    ticks(d, 20);
    sendLeave(&button);
    ticks(d, 2);
    QVERIFY(d->fadeTimer()->isActive());
    sendEnter(&button);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->shownBackground().res.colour, kHover);

    // Leaving a disabled button.
    button.setEnabled(false);
    sendLeave(&button);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlDisabled);
    ticks(d, 3);
    QVERIFY(!d->fadeTimer()->isActive());

    // A tick with nothing to do stops a timer that was left running.
    d->fadeTimer()->start();
    d->fadeTick();
    QVERIFY(!d->fadeTimer()->isActive());
}

void tst_KIVQPushButton::fadeSwitchedOffMidFade()
{
    KIVQPushButton button;
    button.setFadeEnabled(true);
    KIVQPushButtonImpl* d = button.impl();
    sendEnter(&button);
    ticks(d, 20);
    sendLeave(&button);
    ticks(d, 3);
    button.setFadeEnabled(false);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlNormal);
    QCOMPARE(d->shownBackground().res.colour, kNormal);

    Json::Value off = parse(R"({"attr": {"fadeEnabled": 0}})");
    button.setFadeEnabled(true);
    sendEnter(&button);
    QVERIFY(d->fadeTimer()->isActive());
    button.readJsonValue(&off);
    QVERIFY(!button.getFadeEnabled());
    QVERIFY(!d->fadeTimer()->isActive());
}

void tst_KIVQPushButton::fadeDurationFloor()
{
    KIVQPushButton button;
    button.setFadeDuration(0);
    QCOMPARE(button.getFadeDuration(), 150);
    button.setFadeDuration(-5);
    QCOMPARE(button.getFadeDuration(), 150);
    button.setFadeDuration(90);
    Json::Value zero = parse(R"({"attr": {"fadeDuration": 0}})");
    button.readJsonValue(&zero);
    QCOMPARE(button.getFadeDuration(), 150);
}

void tst_KIVQPushButton::extensionStripHotTracking()
{
    KIVQPushButton button;
    Json::Value element = parse(R"({"attr": {"isExtBtn": 1, "extWidth": 20, "extIconPath": "more.svg"}})");
    button.readJsonValue(&element);
    button.resize(100, 30);
    KIVQPushButtonImpl* d = button.impl();
    QVERIFY(d->extensionButton);

    sendMove(&button, QPoint(81, 10));
    QVERIFY(d->extensionHot);
    sendMove(&button, QPoint(80, 10));
    QVERIFY(!d->extensionHot);
    sendMove(&button, QPoint(99, 10));
    QVERIFY(d->extensionHot);

    // Only the strip shows the hover fill; the rest of the button stays normal.
    sendEnter(&button);
    const QImage shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(90, 2), kHover);
    QCOMPARE(shot.pixelColor(40, 2), kNormal);

    // A plain button ignores the pointer's position.
    KIVQPushButton plain;
    plain.resize(100, 30);
    sendMove(&plain, QPoint(95, 10));
    QVERIFY(!plain.impl()->extensionHot);
}

void tst_KIVQPushButton::iconPaths()
{
    KIVQPushButton button;
    button.setUseIcon(false);
    button.setIcon(QStringLiteral(":/icons/bed.png"));
    QVERIFY(button.getUseIcon());
    QVERIFY(button.getIcon().isEmpty()); // a resource bitmap becomes a QIcon, not a path

    button.setIcon(QStringLiteral("Icons/Alarm.SVG"));
    QVERIFY(button.impl()->icon.isNull());
    QCOMPARE(button.getIcon(), QStringLiteral("Icons/Alarm.SVG"));

    button.setText(QStringLiteral("Save"));
    button.setIconSize(QSize(16, 16));
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    button.setIcon(QIcon(pixmap));
    QVERIFY(!button.impl()->icon.isNull());
    const int captionWidth = KIVQPushButtonImpl::measureText(button.getTextStyle(CtrlNormal), button.text()).width();
    QCOMPARE(button.getIconStyle().offsetX, -(16 + captionWidth / 2));
    QCOMPARE(button.getTextOffsetX(), 8);

    button.setHotIcon(QStringLiteral("hot.svg"));
    button.setPressedIcon(QStringLiteral("down.svg"));
    QCOMPARE(button.getHotIcon(), QStringLiteral("hot.svg"));
    QCOMPARE(button.getPressedIcon(), QStringLiteral("down.svg"));
}

void tst_KIVQPushButton::styleJson()
{
    KIVQPushButton button;
    Json::Value element = parse(R"({"style": [["btn", 1, 0], ["btnDown", 1, 2], ["btnText", 2, 4],
                                              ["btn", 1, 9], ["btn", 1, -1], ["missing", 1, 1]]})");
    button.readJsonValue(&element);
    QCOMPARE(button.getBackground(CtrlNormal).name, QStringLiteral("btn"));
    QCOMPARE(button.getBackground(CtrlHover).name, QStringLiteral("btn"));
    QCOMPARE(button.getBackground(CtrlPressed).name, QStringLiteral("btnDown"));
    QCOMPARE(button.getBackground(CtrlDisabled).name, QStringLiteral("btn"));
    QCOMPARE(button.getTextStyle(CtrlDisabled).colour, QColor(Qt::white));

    Json::Value out(Json::objectValue);
    button.serializeJsonValue(&out, false);
    const Json::Value& styles = out["style"];
    QCOMPARE(styles.size(), 5u); // four fills, one text style
    QCOMPARE(styles[2][0].asString(), std::string("btnDown"));
    QCOMPARE(styles[2][2].asInt(), 2);
    QCOMPARE(styles[4][0].asString(), std::string("btnText"));
    QCOMPARE(styles[4][1].asInt(), 2);
    QCOMPARE(styles[4][2].asInt(), 4);

    // Nothing named: no "style" at all.
    KIVQPushButton plain;
    out = Json::Value(Json::objectValue);
    plain.serializeJsonValue(&out, false);
    QVERIFY(!out.isMember("style"));
}

void tst_KIVQPushButton::attrRoundTrip()
{
    KIVQPushButton button;
    Json::Value element = parse(R"({"attr": {"hasIcon": 0, "iconPath": "a.svg", "hotIconPath": "b.svg",
        "showText": false, "drawBackground": 0, "fadeEnabled": 1, "fadeDuration": 300, "iconHor": 0,
        "iconVer": 2, "iconX": 3, "iconY": -4, "iconUseColor": 1, "iconColor": "80FF0000", "txtX": 5,
        "txtY": 6, "text": "Admit", "extWidth": 12}})");
    QVERIFY(button.readJsonValue(&element));
    QVERIFY(!button.getUseIcon());
    QVERIFY(!button.getShowText());
    QVERIFY(!button.getDrawBackground());
    QVERIFY(button.getFadeEnabled());
    QCOMPARE(button.getFadeDuration(), 300);
    QCOMPARE(button.getIconStyle().colour, QColor(255, 0, 0, 0x80));
    QCOMPARE(button.text(), QStringLiteral("Admit"));

    Json::Value out(Json::objectValue);
    button.serializeJsonValue(&out, false);
    Json::Value attr = out["attr"];
    QCOMPARE(attr["hasIcon"].asInt(), 0);
    QCOMPARE(attr["iconColor"].asString(), std::string("80FF0000"));
    QCOMPARE(attr["iconY"].asInt(), -4);
    QVERIFY(!attr.isMember("isExtBtn"));

    KIVQPushButton copy;
    QVERIFY(copy.readJsonValue(&out));
    Json::Value again(Json::objectValue);
    copy.serializeJsonValue(&again, false);
    QCOMPARE(again["attr"], attr);

    // Defaults write nothing of their own.
    KIVQPushButton plain;
    out = Json::Value(Json::objectValue);
    plain.serializeJsonValue(&out, false);
    QVERIFY(!out.isMember("attr"));

    Json::Value hostile = parse(R"({"attr": {"fadeDuration": "slow", "iconColor": 7, "text": []}})");
    QVERIFY(copy.readJsonValue(&hostile));
}

void tst_KIVQPushButton::languageCaptionsFollowLanguage()
{
    QString error;
    QVERIFY2(LanguageManager::instance()->loadFromJson(R"({"defaultLanguage": "en", "languages": {
        "en": {"admit": "Admit", "alias": "|->admit"},
        "zh": {"admit": "入院", "alias": "|->admit"}}})",
                                                       &error),
             qPrintable(error));
    QVERIFY(LanguageManager::instance()->setLanguage(QStringLiteral("en")));

    QWidget window;
    KIVQResourceManager::getInstance()->registerWindow(&window);
    auto* button = new KIVQPushButton(&window);
    auto* alias = new KIVQPushButton(&window);
    Json::Value element = parse(R"({"attr": {"text": "|->admit"}})");
    button->readJsonValue(&element);
    Json::Value aliased = parse(R"({"attr": {"text": "|->alias"}})");
    alias->readJsonValue(&aliased);
    QCOMPARE(button->text(), QStringLiteral("Admit"));
    QCOMPARE(alias->text(), QStringLiteral("Admit"));

    QVERIFY(LanguageManager::instance()->setLanguage(QStringLiteral("zh")));
    QCOMPARE(button->text(), QStringLiteral("入院"));
    QCOMPARE(alias->text(), QStringLiteral("入院"));

    // Saved as the key, so the caption keeps following the language after a reload.
    Json::Value out(Json::objectValue);
    button->serializeJsonValue(&out, false);
    QCOMPARE(out["attr"]["text"].asString(), std::string("|->admit"));

    LanguageManager::instance()->setLanguage(QStringLiteral("en"));
    KIVQResourceManager::getInstance()->unregisterWindow(&window);
}

void tst_KIVQPushButton::literalCaptionEndsLanguageBinding()
{
    QVERIFY(LanguageManager::instance()->loadFromJson(
        R"({"defaultLanguage": "en", "languages": {"en": {"ok": "OK"}, "zh": {"ok": "确定"}}})"));
    LanguageManager::instance()->setLanguage(QStringLiteral("en"));
    QWidget window;
    KIVQResourceManager::getInstance()->registerWindow(&window);
    auto* button = new KIVQPushButton(&window);
    Json::Value keyed = parse(R"({"attr": {"text": "|->ok"}})");
    button->readJsonValue(&keyed);
    Json::Value literal = parse(R"({"attr": {"text": "Confirm"}})");
    button->readJsonValue(&literal);
    LanguageManager::instance()->setLanguage(QStringLiteral("zh"));
    QCOMPARE(button->text(), QStringLiteral("Confirm"));
    LanguageManager::instance()->setLanguage(QStringLiteral("en"));
    KIVQResourceManager::getInstance()->unregisterWindow(&window);
}

void tst_KIVQPushButton::clickSlotMayDeleteButton()
{
    QWidget window;
    QPointer<KIVQPushButton> button = new KIVQPushButton(&window);
    button->resize(80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    connect(button.data(), &QAbstractButton::clicked, &window, [&] {
        ++clicks;
        delete button.data();
    });
    QTest::mouseClick(button.data(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
    QCOMPARE(clicks, 1);
    QVERIFY(button.isNull());
}

void tst_KIVQPushButton::themeRefreshKeepsCaptionAndIcon()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("style.json")),
              R"({"style": [{"type": 1, "name": "themeBtn", "drawImg": false, "clr": "ff0a7f6f"},
                           {"type": 2, "name": "themeBtnText", "clr": "ffffffff", "hor": 1}]})");
    writeFile(dir.filePath(QStringLiteral("theme.json")),
              R"({"elements": [{"child": [{"name": "qtbutton", "style": [["themeBtn", 1, 0], ["themeBtnText", 2, 4]],
                  "attr": {"text": "from the theme", "iconPath": "theme.svg", "drawBackground": 0}}]}]})");

    QWidget window;
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    rm->registerWindow(&window);
    auto* button = new KIVQPushButton(&window);
    button->setText(QStringLiteral("Discharge"));
    button->setIcon(QStringLiteral("discharge.svg"));
    button->setTextOffsetX(7);
    button->setFadeDuration(260);

    const bool loaded = kivLoadThemeDir(dir.path().toUtf8().constData());
    rm->unregisterWindow(&window);
    if (!loaded)
        QSKIP("theme directories cannot be loaded yet");

    QCOMPARE(button->getBackground(CtrlHover).name, QStringLiteral("themeBtn"));
    QCOMPARE(button->getTextStyle(CtrlNormal).name, QStringLiteral("themeBtnText"));
    QVERIFY(!button->getDrawBackground());
    QCOMPARE(button->text(), QStringLiteral("Discharge"));
    QCOMPARE(button->getIcon(), QStringLiteral("discharge.svg"));
    QCOMPARE(button->getTextOffsetX(), 7);
    QCOMPARE(button->getFadeDuration(), 260);
}

QTEST_MAIN(tst_KIVQPushButton)
#include "tst_KIVQPushButton.moc"
