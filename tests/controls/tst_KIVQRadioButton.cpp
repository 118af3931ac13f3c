#include "ControlTestHelpers.h"

#include "controls/KIVQRadioButton.h"
#include "theme/KIVQResourceManagerImpl.h"
#include "theme/LanguageManager.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kIcon = qRgb(0, 255, 0);
const QRgb kInk = qRgb(220, 0, 0);

void cacheIcon(const QString& name, const QSize& size)
{
    auto* image = new QImage(size, QImage::Format_ARGB32);
    image->fill(kIcon);
    KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheImage(name, image);
}

void dressUp(KIVQRadioButton& radio, const QSize& size)
{
    radio.resize(size);
    radio.setText(QStringLiteral("HH"));
    const TextStyleDesc caption = pinnedCaption(QString(), kInk, 16);
    radio.setTextStyle(false, caption);
    radio.setTextStyle(true, caption);
    radio.setTextStyleByState(DisabledTextState, caption);
    radio.setIconOffsetX(0);
}

} // namespace

class tst_KIVQRadioButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void iconFitting_data();
    void iconFitting();
    void clickAnywhereChecks();
    void attrJson();
    void languageKeyRoundTrip();
    void themeReapplyKeepsCaptionAndIcons();
};

void tst_KIVQRadioButton::initTestCase()
{
    init();
    cacheIcon(QStringLiteral("dot16"), QSize(16, 16));
    cacheIcon(QStringLiteral("wide"), QSize(32, 16));
}

void tst_KIVQRadioButton::iconFitting_data()
{
    QTest::addColumn<QSize>("control");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<int>("iconX");
    QTest::addColumn<bool>("showIcon");
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QSize>("drawn"); // empty: not drawn in the icon's colour
    QTest::addColumn<int>("indent");

    const QSize wide(100, 30);
    QTest::newRow("16 in 100x30 is drawn 15x15")
        << wide << "dot16" << 0 << true << false << true << QSize(15, 15) << 17;
    QTest::newRow("16 in 100x64 is drawn 32x32")
        << QSize(100, 64) << "dot16" << 0 << true << false << true << QSize(32, 32) << 34;
    QTest::newRow("a fitting icon is drawn as it is")
        << QSize(100, 32) << "dot16" << 0 << true << false << true << QSize(16, 16) << 18;
    QTest::newRow("a wide icon keeps its ratio") << wide << "wide" << 0 << true << false << true << QSize(30, 15) << 32;
    QTest::newRow("hidden icons still indent the caption")
        << wide << "dot16" << 0 << false << false << true << QSize() << 17;
    QTest::newRow("hovered without a hot icon: the icon, no indent")
        << wide << "dot16" << 0 << true << true << true << QSize(15, 15) << 0;
    QTest::newRow("disabled without a disabled icon: greyed, no indent")
        << wide << "dot16" << 0 << true << false << false << QSize() << 0;
    QTest::newRow("the default offset 10 at the left indents the caption too")
        << wide << "dot16" << 10 << true << false << true << QSize(15, 15) << 10 + 17;
    QTest::newRow("no icon, no indent") << wide << "" << 0 << true << false << true << QSize() << 0;
}

void tst_KIVQRadioButton::iconFitting()
{
    QFETCH(QSize, control);
    QFETCH(QString, icon);
    QFETCH(int, iconX);
    QFETCH(bool, showIcon);
    QFETCH(bool, hover);
    QFETCH(bool, enabled);
    QFETCH(QSize, drawn);
    QFETCH(int, indent);

    KIVQRadioButton reference;
    dressUp(reference, control);
    const int textAtZero = colourBounds(reference.grab().toImage(), kInk).left();

    KIVQRadioButton radio;
    dressUp(radio, control);
    radio.setUncheckIcon(icon);
    radio.setCheckedIcon(icon);
    radio.setIconOffsetX(iconX);
    radio.setShowIcon(showIcon);
    radio.setEnabled(enabled);
    if (hover)
        sendEvent(&radio, QEvent::Enter);
    const QImage shot = radio.grab().toImage();
    const QRect iconInk = colourBounds(shot, kIcon);
    QCOMPARE(iconInk.size(), drawn.isEmpty() ? QSize(0, 0) : drawn);
    if (!drawn.isEmpty())
        QCOMPARE(iconInk.topLeft(), QPoint(iconX, (control.height() - drawn.height()) / 2));
    QCOMPARE(colourBounds(shot, kInk).left() - textAtZero, indent);
}

void tst_KIVQRadioButton::clickAnywhereChecks()
{
    QWidget window;
    auto* radio = new KIVQRadioButton(&window);
    radio->setText(QStringLiteral("A"));
    radio->resize(100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy pressed(radio, &KIVQRadioButton::pressedEvent);
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(95, 15));
    QVERIFY(radio->isChecked());
    QCOMPARE(pressed.count(), 1);

    // Unchecked it paints no background; checked, the selected background as constructed.
    KIVQRadioButton fresh;
    fresh.resize(40, 20);
    QCOMPARE(qAlpha(paintedPixels(fresh).pixel(30, 2)), 0);
    fresh.setChecked(true);
    QCOMPARE(paintedPixels(fresh).pixel(30, 2), qRgb(255, 255, 255));
}

void tst_KIVQRadioButton::attrJson()
{
    KIVQRadioButton radio;
    Json::Value element = parseJson(R"({"attr": {"pushlike": true, "showIcon": 0, "iconHor": 2, "iconVer": 0,
        "iconPath": "u", "sHotIconPath": "ch", "iconX": 0, "iconY": 3, "text": "Night shift"}})");
    radio.readJsonValue(&element);
    QVERIFY(radio.getPushlike());
    QCOMPARE(radio.text(), QStringLiteral("Night shift"));
    QCOMPARE(compactJson(writeControl(&radio)["attr"]),
             QByteArray(R"({"iconHor":2,"iconPath":"u","iconVer":0,"iconY":3,"pushlike":1,)"
                        R"("sHotIconPath":"ch","showIcon":0,"text":"Night shift"})"));

    // -1 leaves the alignment; an "attr" without "text" empties the caption.
    Json::Value keep = parseJson(R"({"attr": {"iconHor": -1}})");
    radio.readJsonValue(&keep);
    QCOMPARE(radio.getIconHorAlign(), DockRightBottom);
    QVERIFY(radio.text().isEmpty());
}

void tst_KIVQRadioButton::languageKeyRoundTrip()
{
    LanguageManager* languages = LanguageManager::instance();
    QString error;
    QVERIFY2(languages->loadFromJson(R"({"defaultLanguage": "en", "languages": {
        "en": {"day": "Day shift"}, "zh": {"day": "白班"}}})",
                                     &error),
             qPrintable(error));
    QVERIFY(languages->setLanguage(QStringLiteral("en")));

    QWidget window;
    KIVQResourceManager::getInstance()->registerWindow(&window);
    auto* radio = new KIVQRadioButton(&window);
    Json::Value keyed = parseJson(R"({"attr": {"text": "|->day"}})");
    radio->readJsonValue(&keyed);
    QCOMPARE(radio->text(), QStringLiteral("Day shift"));

    // Saved as the key, and read back into a button that follows the language.
    const Json::Value saved = writeControl(radio);
    QCOMPARE(saved["attr"]["text"].asString(), std::string("|->day"));
    auto* copy = new KIVQRadioButton(&window);
    Json::Value again = saved;
    copy->readJsonValue(&again);
    QVERIFY(languages->setLanguage(QStringLiteral("zh")));
    QCOMPARE(copy->text(), QStringLiteral("白班"));
    QCOMPARE(radio->text(), QStringLiteral("白班"));

    // A literal caption ends the binding.
    Json::Value literal = parseJson(R"({"attr": {"text": "Late"}})");
    radio->readJsonValue(&literal);
    QVERIFY(languages->setLanguage(QStringLiteral("en")));
    QCOMPARE(radio->text(), QStringLiteral("Late"));
    QCOMPARE(writeControl(radio)["attr"]["text"].asString(), std::string("Late"));
    KIVQResourceManager::getInstance()->unregisterWindow(&window);
}

void tst_KIVQRadioButton::themeReapplyKeepsCaptionAndIcons()
{
    QWidget window;
    auto* radio = new KIVQRadioButton(&window);
    radio->setText(QStringLiteral("Ward A"));
    radio->setIcon(QStringLiteral("dot16"));
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(loadThemeFor(window, R"({"style": [{"type": 1, "name": "themeRadio", "drawImg": false}]})",
                             R"({"elements": [{"child": [{"name": "qtradiobox", "style": [["themeRadio", 1, 4]],
                                 "attr": {"iconPath": "theme", "text": "from the theme", "iconY": 1}}]}]})"));
    }
    QCOMPARE(radio->text(), QStringLiteral("Ward A"));
    QCOMPARE(radio->getUncheckIcon(), QStringLiteral("dot16"));
    QCOMPARE(radio->getIconOffsetY(), 1);
    QCOMPARE(radio->getSelectedBackground(CtrlHover).name, QStringLiteral("themeRadio"));
}

QTEST_MAIN(tst_KIVQRadioButton)
#include "tst_KIVQRadioButton.moc"
