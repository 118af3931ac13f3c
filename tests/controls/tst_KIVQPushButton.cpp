#include "ControlTestHelpers.h"

#include "controls/KIVQPushButton.h"
#include "controls/KIVQPushButtonImpl.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"
#include "theme/LanguageManager.h"

#include <QTimer>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

void ticks(KIVQPushButtonImpl* d, int n)
{
    for (int i = 0; i < n; ++i)
        d->fadeTick();
}

// Fading on, faded in fully, then left: the fade-out has run for n ticks.
KIVQPushButtonImpl* fadingOut(KIVQPushButton& button, int n)
{
    button.setFadeEnabled(true);
    KIVQPushButtonImpl* d = button.impl();
    sendEvent(&button, QEvent::Enter);
    ticks(d, 20);
    sendEvent(&button, QEvent::Leave);
    ticks(d, n);
    return d;
}

const QColor kNormal = QColor::fromRgba(0xFFF5F5F5);
const QColor kHover = QColor::fromRgba(0xFFEDFBFF);
const QColor kHalfway(241, 248, 250);

} // namespace

class tst_KIVQPushButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void hoverWithoutFade();
    void fadeSteps();
    void fadeTimerStopsWithNothingToFade();
    void fadeSwitchedOffMidFade();
    void extensionStripHotTracking();
    void iconPaths();
    void styleJson();
    void attrKeysReachTheirSettings();
    void languageCaptionsFollowLanguage();
    void themeRefreshKeepsIcon();
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

void tst_KIVQPushButton::hoverWithoutFade()
{
    KIVQPushButton button;
    QVERIFY(!button.getFadeEnabled());
    QCOMPARE(button.getTextStyle(CtrlPressed).horAlign, 1);
    button.resize(80, 30);
    QCOMPARE(button.grab().toImage().pixelColor(40, 2), kNormal);

    QSignalSpy entered(&button, &KIVQPushButton::enterSignal);
    QSignalSpy left(&button, &KIVQPushButton::leaveSignal);
    sendEvent(&button, QEvent::Enter);
    QCOMPARE(button.impl()->state(), CtrlHover);
    QCOMPARE(button.grab().toImage().pixelColor(40, 2), kHover);
    sendEvent(&button, QEvent::Leave);
    QCOMPARE(button.impl()->state(), CtrlNormal);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
    QVERIFY(!button.impl()->fadeTimer()->isActive());
}

void tst_KIVQPushButton::fadeSteps()
{
    KIVQPushButton button;
    button.setFadeEnabled(true);
    button.setFadeDuration(128);
    KIVQPushButtonImpl* d = button.impl();

    sendEvent(&button, QEvent::Enter);
    QVERIFY(d->fadeTimer()->isActive());
    QCOMPARE(d->fadeTimer()->interval(), 16);
    QCOMPARE(d->shownBackground().res.colour, kNormal);
    ticks(d, 4);
    QCOMPARE(d->fadeProgress(), 0.5);
    QCOMPARE(d->shownBackground().res.colour, kHalfway);
    ticks(d, 4);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlHover);
    QCOMPARE(d->shownBackground().res.colour, kHover);

    sendEvent(&button, QEvent::Leave);
    QCOMPARE(d->state(), CtrlHover); // hot until the fade-out ends
    ticks(d, 4);
    QCOMPARE(d->shownBackground().res.colour, kHalfway);
    ticks(d, 4);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlNormal);
    QCOMPARE(d->shownBackground().res.colour, kNormal);

    button.setFadeDuration(-5);
    QCOMPARE(button.getFadeDuration(), 150);
    Json::Value zero = parseJson(R"({"attr": {"fadeDuration": 0}})");
    button.setFadeDuration(90);
    button.readJsonValue(&zero);
    QCOMPARE(button.getFadeDuration(), 150);
}

void tst_KIVQPushButton::fadeTimerStopsWithNothingToFade()
{
    // Re-entering during a fade-out: the button is still hot, so nothing is left to fade.
    KIVQPushButton button;
    KIVQPushButtonImpl* d = fadingOut(button, 2);
    QVERIFY(d->fadeTimer()->isActive());
    sendEvent(&button, QEvent::Enter);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->shownBackground().res.colour, kHover);

    // Leaving a disabled button.
    button.setEnabled(false);
    sendEvent(&button, QEvent::Leave);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlDisabled);

    // A tick with nothing to do stops a timer that was left running.
    d->fadeTimer()->start();
    d->fadeTick();
    QVERIFY(!d->fadeTimer()->isActive());
}

void tst_KIVQPushButton::fadeSwitchedOffMidFade()
{
    KIVQPushButton button;
    KIVQPushButtonImpl* d = fadingOut(button, 3);
    button.setFadeEnabled(false);
    QVERIFY(!d->fadeTimer()->isActive());
    QCOMPARE(d->state(), CtrlNormal); // the pointer has left: not stuck hot
    QCOMPARE(d->shownBackground().res.colour, kNormal);

    button.setFadeEnabled(true);
    sendEvent(&button, QEvent::Enter);
    Json::Value off = parseJson(R"({"attr": {"fadeEnabled": 0}})");
    button.readJsonValue(&off);
    QVERIFY(!button.getFadeEnabled());
    QVERIFY(!d->fadeTimer()->isActive());
}

void tst_KIVQPushButton::extensionStripHotTracking()
{
    KIVQPushButton button;
    Json::Value element = parseJson(R"({"attr": {"isExtBtn": 1, "extWidth": 20, "extIconPath": "more.svg"}})");
    button.readJsonValue(&element);
    button.resize(100, 30);
    KIVQPushButtonImpl* d = button.impl();

    sendMouse(&button, QEvent::MouseMove, QPoint(81, 10));
    QVERIFY(d->extensionHot);
    sendMouse(&button, QEvent::MouseMove, QPoint(80, 10));
    QVERIFY(!d->extensionHot);
    sendMouse(&button, QEvent::MouseMove, QPoint(99, 10));
    QVERIFY(d->extensionHot);

    // Only the strip shows the hover fill; the rest of the button stays normal.
    sendEvent(&button, QEvent::Enter);
    const QImage shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(90, 2), kHover);
    QCOMPARE(shot.pixelColor(40, 2), kNormal);

    KIVQPushButton plain;
    plain.resize(100, 30);
    sendMouse(&plain, QEvent::MouseMove, QPoint(95, 10));
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

    // A QIcon beside a caption: the pair is centred together.
    button.setText(QStringLiteral("Save"));
    button.setIconSize(QSize(16, 16));
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    button.setIcon(QIcon(pixmap));
    QVERIFY(!button.impl()->icon.isNull());
    const int captionWidth = KIVQPushButtonImpl::measureText(button.getTextStyle(CtrlNormal), button.text()).width();
    QCOMPARE(button.getIconStyle().offsetX, -(16 + captionWidth / 2));
    QCOMPARE(button.getTextOffsetX(), 8);
}

void tst_KIVQPushButton::styleJson()
{
    KIVQPushButton button;
    Json::Value element = parseJson(R"({"style": [["btn", 1, 0], ["btnDown", 1, 2], ["btnText", 2, 4],
                                              ["btn", 1, 9], ["btn", 1, -1], ["missing", 1, 1]]})");
    button.readJsonValue(&element);
    // A name the store lacks is kept for the save, over the look the state had.
    QCOMPARE(button.getBackground(CtrlHover).name, QStringLiteral("missing"));
    QCOMPARE(button.getBackground(CtrlHover).res, button.getBackground(CtrlNormal).res);
    QCOMPARE(button.getBackground(CtrlDisabled).name, QStringLiteral("btn"));
    QCOMPARE(button.getBackground(CtrlPressed).name, QStringLiteral("btnDown"));
    QCOMPARE(button.getTextStyle(CtrlDisabled).colour, QColor(Qt::white));
    button.setBackground(CtrlState(5), namedFill(QStringLiteral("five"), 0));
    QCOMPARE(button.getBackground(CtrlState(42)).name, QStringLiteral("btn"));

    Json::Value out(Json::objectValue);
    button.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["style"]),
             QByteArray(R"([["btn",1,0],["missing",1,1],["btnDown",1,2],["btn",1,3],["btnText",2,4]])"));
}

// Each key reaches its own setting; that each is written back the contract checks.
void tst_KIVQPushButton::attrKeysReachTheirSettings()
{
    KIVQPushButton button;
    Json::Value element = parseJson(R"({"attr": {"hasIcon": 0, "iconPath": "a.svg", "hotIconPath": "b.svg",
        "showText": false, "drawBackground": 0, "fadeEnabled": 1, "fadeDuration": 300, "iconHor": 0,
        "iconVer": 2, "iconX": 3, "iconY": -4, "iconUseColor": 1, "iconColor": "80FF0000", "txtX": 5,
        "txtY": 6, "text": "Admit", "extWidth": 12}})");
    QVERIFY(button.readJsonValue(&element));
    QVERIFY(!button.getUseIcon() && !button.getShowText() && !button.getDrawBackground());
    QCOMPARE(button.getFadeDuration(), 300);
    QCOMPARE(button.getIconStyle().colour, QColor(255, 0, 0, 0x80));
    QCOMPARE(button.text(), QStringLiteral("Admit"));
    QCOMPARE(button.getIcon(), QStringLiteral("a.svg"));
    QCOMPARE(button.getHotIcon(), QStringLiteral("b.svg"));
    QCOMPARE(button.getIconStyle().offsetY, -4);
    QCOMPARE(button.getTextOffsetY(), 6);
}

void tst_KIVQPushButton::languageCaptionsFollowLanguage()
{
    LanguageManager* languages = LanguageManager::instance();
    QString error;
    QVERIFY2(languages->loadFromJson(R"({"defaultLanguage": "en", "languages": {
        "en": {"admit": "Admit", "alias": "|->admit", "ok": "OK"},
        "zh": {"admit": "入院", "alias": "|->admit", "ok": "确定"}}})",
                                     &error),
             qPrintable(error));
    QVERIFY(languages->setLanguage(QStringLiteral("en")));

    QWidget window;
    KIVQResourceManager::getInstance()->registerWindow(&window);
    auto* button = new KIVQPushButton(&window);
    auto* alias = new KIVQPushButton(&window);
    auto* literal = new KIVQPushButton(&window);
    Json::Value keyed = parseJson(R"({"attr": {"text": "|->admit"}})");
    button->readJsonValue(&keyed);
    Json::Value aliased = parseJson(R"({"attr": {"text": "|->alias"}})");
    alias->readJsonValue(&aliased);
    Json::Value ok = parseJson(R"({"attr": {"text": "|->ok"}})");
    literal->readJsonValue(&ok);
    Json::Value confirm = parseJson(R"({"attr": {"text": "Confirm"}})");
    literal->readJsonValue(&confirm);
    QCOMPARE(button->text(), QStringLiteral("Admit"));
    QCOMPARE(alias->text(), QStringLiteral("Admit"));
    // An element that names no caption keeps the binding.
    Json::Value restyle = parseJson(R"({"attr": {"showText": 1}})");
    button->readJsonValue(&restyle);

    QVERIFY(languages->setLanguage(QStringLiteral("zh")));
    QCOMPARE(button->text(), QStringLiteral("入院"));
    QCOMPARE(alias->text(), QStringLiteral("入院"));
    // A literal caption read later ends the binding; the language change leaves it alone.
    QCOMPARE(literal->text(), QStringLiteral("Confirm"));

    // Saved as the key, so the caption keeps following the language after a reload.
    Json::Value out(Json::objectValue);
    button->serializeJsonValue(&out, false);
    QCOMPARE(out["attr"]["text"].asString(), std::string("|->admit"));
    // A caption the program set in code is no longer the translation, so it is saved as itself.
    alias->setText(QStringLiteral("Literal"));
    out = Json::Value(Json::objectValue);
    alias->serializeJsonValue(&out, false);
    QCOMPARE(out["attr"]["text"].asString(), std::string("Literal"));

    languages->setLanguage(QStringLiteral("en"));
    KIVQResourceManager::getInstance()->unregisterWindow(&window);
}

void tst_KIVQPushButton::themeRefreshKeepsIcon()
{
    QWidget window;
    auto* button = new KIVQPushButton(&window);
    button->setIcon(QStringLiteral("discharge.svg"));
    QVERIFY(loadThemeFor(window, R"({"style": []})",
                         R"({"elements": [{"child": [{"name": "qtbutton",
                             "attr": {"iconPath": "theme.svg", "drawBackground": 0}}]}]})"));
    QVERIFY(!button->getDrawBackground());
    QCOMPARE(button->getIcon(), QStringLiteral("discharge.svg"));
}

QTEST_MAIN(tst_KIVQPushButton)
#include "tst_KIVQPushButton.moc"
