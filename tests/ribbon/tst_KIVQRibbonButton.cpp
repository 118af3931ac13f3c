#include "controls/ControlTestHelpers.h"

#include "core/Limits.h"
#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonMenu.h"

#include <QAction>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kNormalFill = 0xffffffff;
const QRgb kCheckedFill = 0xff3366cc;

// Flat fills without borders, so that a pixel tells the state.
void styleFlat(KIVQRibbonButton& button)
{
    button.setBackground(CtrlNormal, namedFill(QStringLiteral("n"), kNormalFill));
    button.setBackground(CtrlPressed, namedFill(QStringLiteral("p"), kCheckedFill));
    button.setTextStyle(CtrlState(kAllStates), pinnedCaption(QStringLiteral("t"), 0xff102030, 11));
}

void click(QWidget* w, const QPoint& pos)
{
    QPointer<QWidget> alive(w);
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    if (alive)
        sendMouse(w, QEvent::MouseButtonRelease, pos);
}

// Antialiased strokes: a colour within a few steps counts.
auto near(QRgb colour)
{
    return [colour](QRgb p) {
        return qAbs(qRed(p) - qRed(colour)) < 10 && qAbs(qGreen(p) - qGreen(colour)) < 10 &&
               qAbs(qBlue(p) - qBlue(colour)) < 10;
    };
}

} // namespace

class tst_KIVQRibbonButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void textForms();
    void sizeHints_data();
    void sizeHints();
    void pressAndRelease_data();
    void pressAndRelease();
    void pressOnButtonClosesItsMenu();
    void followsItsActionOnly();
    void handlerDeletesButtonDuringTrigger_data();
    void handlerDeletesButtonDuringTrigger();
    void contextStrip();
    void captionPlace_data();
    void captionPlace();
    void iconSizes_data();
    void iconSizes();
    void menuSeparatorsAndTicks();
    void longCommandTextKeptWhole();

private:
    QTemporaryDir m_dir;
};

void tst_KIVQRibbonButton::initTestCase()
{
    init();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

void tst_KIVQRibbonButton::textForms()
{
    QCOMPARE(kivFormatRibbonItemSize(-3), QStringLiteral("large"));
    QCOMPARE(kivFormatRibbonLayoutMode(7), QStringLiteral("office"));
}

void tst_KIVQRibbonButton::sizeHints_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pad");
    QTest::addColumn<QSize>("least");
    QTest::newRow("medium, empty") << 1 << "" << 34 << QSize(74, 30);
    QTest::newRow("small, empty") << 2 << "" << 30 << QSize(54, 24);
    QTest::newRow("small, long caption") << 2 << "Discharge summary" << 30 << QSize(54, 24);
    QTest::newRow("out-of-range size is large") << 9 << "" << 20 << QSize(64, 68);
}

void tst_KIVQRibbonButton::sizeHints()
{
    QFETCH(int, size);
    QFETCH(QString, caption);
    QFETCH(int, pad);
    QFETCH(QSize, least);
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    button.setText(caption);
    const int advance = button.fontMetrics().horizontalAdvance(caption);
    QCOMPARE(button.sizeHint(), QSize(qMax(advance + pad, least.width()), least.height()));
}

void tst_KIVQRibbonButton::pressAndRelease_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<QSize>("buttonSize");
    QTest::addColumn<QRect>("strip"); // where a press opens the menu
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("menuShown");
    QTest::addColumn<int>("triggered");
    QTest::addColumn<bool>("actionAlive");
    const QSize large(70, 68);
    const QRect bottom(0, 48, 70, 20);
    QTest::newRow("split large, bottom strip opens the menu")
        << 0 << 2 << true << large << bottom << QPoint(35, 60) << true << 0 << true;
    QTest::newRow("split large, above the strip triggers")
        << 0 << 2 << true << large << bottom << QPoint(35, 10) << false << 1 << true;
    QTest::newRow("split medium, right strip opens the menu")
        << 1 << 2 << true << QSize(90, 30) << QRect(73, 0, 17, 30) << QPoint(85, 15) << true << 0 << true;
    QTest::newRow("split without a menu triggers")
        << 1 << 2 << false << QSize(80, 30) << QRect() << QPoint(75, 15) << false << 1 << true;
    QTest::newRow("instant large 12 high: all strip, never triggers")
        << 0 << 1 << true << QSize(70, 12) << QRect(0, 0, 70, 12) << QPoint(35, 6) << true << 0 << true;
    QTest::newRow("instant without a menu triggers")
        << 0 << 1 << false << large << QRect() << QPoint(35, 10) << false << 1 << true;
    QTest::newRow("popup none with a menu triggers")
        << 0 << 0 << true << large << QRect() << QPoint(35, 60) << false << 1 << true;
    QTest::newRow("destroyed action: caption stays, click does nothing")
        << 1 << 0 << false << QSize(90, 30) << QRect() << QPoint(20, 15) << false << 0 << false;
}

void tst_KIVQRibbonButton::pressAndRelease()
{
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(bool, withMenu);
    QFETCH(QSize, buttonSize);
    QFETCH(QRect, strip);
    QFETCH(QPoint, press);
    QFETCH(bool, menuShown);
    QFETCH(int, triggered);
    QFETCH(bool, actionAlive);
    auto* action = new QAction(QStringLiteral("Admit"), this);
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    button.resize(buttonSize);
    button.setRibbonAction(action);
    button.setPopupMode(KIV_RIBBON_POPUP_MODE(mode));
    auto* menu = withMenu ? new KIVQRibbonMenu : nullptr;
    if (menu)
        menu->addCommand(QStringLiteral("bed"), QStringLiteral("Assign bed"));
    button.setPopupMenu(menu);
    // A menu without a parent becomes the button's.
    QCOMPARE(menu ? menu->parent() : &button, &button);
    QCOMPARE(button.popupIndicatorRect(), strip);
    QSignalSpy shown(&button, &KIVQRibbonButton::menuAboutToShow);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QSignalSpy fired(action, &QAction::triggered);
    if (!actionAlive)
        delete action;

    click(&button, press);
    QCOMPARE(shown.count(), menuShown ? 1 : 0);
    QCOMPARE(menu && menu->isVisible(), menuShown);
    QCOMPARE(clicked.count(), menuShown ? 0 : 1);
    QCOMPARE(fired.count(), triggered);
    QCOMPARE(button.text(), QStringLiteral("Admit"));
    // Once the menu dies, shown or not, there is nothing to indicate.
    delete menu;
    QCOMPARE(button.popupIndicatorRect(), QRect());
}

void tst_KIVQRibbonButton::pressOnButtonClosesItsMenu()
{
    QWidget window;
    KIVQRibbonButton button(&window, KIV_RIBBON_LARGE);
    button.setGeometry(10, 10, 80, 68);
    button.setPopupMode(KIV_RIBBON_POPUP_INSTANT);
    auto* menu = new KIVQRibbonMenu;
    menu->addCommand(QStringLiteral("a"), QStringLiteral("Assign"));
    button.setPopupMenu(menu);
    window.show();
    for (int round = 0; round < 2; ++round) {
        click(&button, QPoint(40, 30));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!menu->testAttribute(Qt::WA_NoMouseReplay));
        // The press that closes the menu lands on the button: it must not be replayed there.
        const QPoint onButton = menu->mapFromGlobal(button.mapToGlobal(QPoint(40, 30)));
        sendMouse(menu, QEvent::MouseButtonPress, onButton, Qt::LeftButton);
        QTRY_VERIFY(!menu->isVisible());
        QVERIFY(menu->testAttribute(Qt::WA_NoMouseReplay));
    }
}

void tst_KIVQRibbonButton::followsItsActionOnly()
{
    QAction action(QStringLiteral("Admit"));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_LARGE);
    styleFlat(button);
    button.resize(80, 68);
    button.setRibbonAction(&action);
    action.setCheckable(true);
    for (const bool checked : {true, false}) {
        click(&button, QPoint(40, 10));
        QCOMPARE(action.isChecked(), checked);
        QCOMPARE(button.isChecked(), checked);
        // Checked shows the pressed fill, without the pointer on the button.
        QCOMPARE(paintedPixels(button).pixel(40, 30), checked ? kCheckedFill : kNormalFill);
    }
    action.setText(QStringLiteral("Transfer"));
    action.setToolTip(QStringLiteral("Move the patient"));
    action.setEnabled(false);
    QSignalSpy toggled(&button, &QAbstractButton::toggled);
    action.setChecked(true);
    QCOMPARE(button.text(), QStringLiteral("Transfer"));
    QCOMPARE(button.toolTip(), QStringLiteral("Move the patient"));
    QVERIFY(!button.isEnabled());
    QVERIFY(button.isChecked());
    QCOMPARE(toggled.count(), 0);

    QAction other(QStringLiteral("Discharge"));
    button.setRibbonAction(&other);
    action.setText(QStringLiteral("stale"));
    QCOMPARE(button.text(), QStringLiteral("Discharge"));
}

void tst_KIVQRibbonButton::handlerDeletesButtonDuringTrigger_data()
{
    QTest::addColumn<bool>("throughGroup");
    QTest::newRow("handler deletes the button") << false;
    QTest::newRow("handler clears the button's group") << true;
}

void tst_KIVQRibbonButton::handlerDeletesButtonDuringTrigger()
{
    QFETCH(bool, throughGroup);
    KIVQRibbonGroup group(QStringLiteral("g"), QStringLiteral("Ward"));
    QAction action(QStringLiteral("Reload"));
    action.setCheckable(true);
    QPointer<KIVQRibbonButton> button = group.addLargeAction(&action);
    button->resize(80, 68);
    connect(&action, &QAction::triggered, &group, [&] {
        if (throughGroup)
            group.clearItems();
        else
            delete button.data();
    });
    click(button, QPoint(20, 20));
    QVERIFY(action.isChecked());
    QCOMPARE(group.itemCount(), throughGroup ? 0 : 1);
    // Cleared controls vanish at once and go when the event loop runs.
    QVERIFY(!button || button->isHidden());
    QTRY_VERIFY(!button);
}

void tst_KIVQRibbonButton::contextStrip()
{
    // A context tab carries a 3-pixel strip of its colour along the top; an ordinary tab none.
    for (const QColor& context : {QColor(200, 40, 90), QColor()}) {
        KIVQRibbonButton tab(nullptr, KIV_RIBBON_SMALL);
        styleFlat(tab);
        tab.resize(90, 24);
        tab.setProperty("kivRibbonContextColor", context);
        const QImage image = paintedPixels(tab);
        for (int y = 0; y < 3; ++y)
            QCOMPARE(image.pixel(45, y), context.isValid() ? context.rgb() : kNormalFill);
        QCOMPARE(image.pixel(1, 1), kNormalFill);
        QCOMPARE(image.pixel(45, 3), kNormalFill);
    }
}

void tst_KIVQRibbonButton::captionPlace_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width"); // 0: the caption's advance + 28, as the bar sizes its tabs
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("inkLeftAtLeast");
    QTest::newRow("a 20-pixel arrow shows its glyph") << "<" << 20 << false << 2;
    QTest::newRow("a tab sized to its caption shows it whole") << "Appointments" << 0 << false << 2;
    QTest::newRow("with an icon the caption follows it") << "Vitals" << 110 << true << 27;
}

void tst_KIVQRibbonButton::captionPlace()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, withIcon);
    QFETCH(int, inkLeftAtLeast);
    QAction action(caption);
    QPixmap white(8, 8);
    white.fill(Qt::white);
    if (withIcon)
        action.setIcon(QIcon(white));
    const auto captionInk = [&](int w) {
        KIVQRibbonButton button(nullptr, KIV_RIBBON_SMALL);
        styleFlat(button);
        button.setRibbonAction(&action);
        button.resize(w, 24);
        return inkBox(paintedPixels(button), kNormalFill);
    };
    if (width == 0)
        width = KIVQRibbonButton().fontMetrics().horizontalAdvance(caption) + 28;
    const QRect ink = captionInk(width);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.left() >= inkLeftAtLeast && ink.right() < width);
    QCOMPARE(ink.width(), captionInk(400).width());
}

void tst_KIVQRibbonButton::iconSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("iconPath");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("large, icon path") << 0 << true << QSize(32, 32);
    QTest::newRow("medium, icon path") << 1 << true << QSize(16, 16);
    QTest::newRow("large, the action's own icon stays within 24") << 0 << false << QSize(24, 24);
    QTest::newRow("medium, the action's own icon stays within 18") << 1 << false << QSize(18, 18);
}

void tst_KIVQRibbonButton::iconSizes()
{
    QFETCH(int, size);
    QFETCH(bool, iconPath);
    QFETCH(QSize, drawn);
    const QString svg = m_dir.filePath(QStringLiteral("mark.svg"));
    QVERIFY(writeFile(svg, "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64'>"
                           "<rect width='64' height='64' fill='#00aa00'/></svg>"));
    QPixmap big(64, 64);
    big.fill(QColor(0, 170, 0));
    QAction action;
    if (iconPath)
        action.setProperty("kivRibbonIconPath", svg);
    else
        action.setIcon(QIcon(big));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    styleFlat(button);
    button.resize(size == 0 ? QSize(80, 68) : QSize(90, 30));
    button.setRibbonAction(&action);
    QCOMPARE(colourBounds(paintedPixels(button), qRgb(0, 170, 0)).size(), drawn);
}

void tst_KIVQRibbonButton::menuSeparatorsAndTicks()
{
    KIVQRibbonMenu menu;
    menu.setBackground(namedFill(QStringLiteral("bg"), 0xffffffff));
    QAction* plain = menu.addCommand(QStringLiteral("vitals"), QStringLiteral("Vitals"));
    QAction* separator = menu.addSeparator();
    QAction* ticked =
        menu.addCommand(QStringLiteral("alarms"), QStringLiteral("Alarms"), QStringLiteral("b.svg"), true);
    KIVQRibbonMenu sub(QStringLiteral("More"), &menu);
    QAction* inner = sub.addCommand(QStringLiteral("ecg"), QStringLiteral("ECG"));
    menu.addMenu(&sub);
    sub.addMenu(&menu);
    // Commands only, each once, even from a menu that lists its parent.
    QCOMPARE(KIVQRibbonMenu::commandActions(&menu), (QList<QAction*>{plain, ticked, inner}));

    menu.popup(QPoint(10, 10));
    QTRY_VERIFY(menu.isVisible());
    const QRect line = menu.actionGeometry(separator);
    QImage image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect drawn = pixelBounds(image.copy(line), near(qRgb(190, 197, 207))).translated(line.topLeft());
    QCOMPARE(drawn.height(), 1);
    QCOMPARE(drawn.left(), line.left() + 8);
    QVERIFY(pixelBounds(image, near(qRgb(62, 111, 210))).isEmpty());
    ticked->setChecked(true);
    image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect tick = pixelBounds(image, near(qRgb(62, 111, 210)));
    QVERIFY(menu.actionGeometry(ticked).contains(tick));
    QVERIFY(tick.left() <= line.left() + 6 && tick.width() >= 9);
    menu.hide();
}

// Qt measures every item's text whole whenever it lays a menu out: a command hands it no more than a
// window can show, and the menu keeps the whole text to paint and write back.
void tst_KIVQRibbonButton::longCommandTextKeptWhole()
{
    KIVQRibbonMenu menu;
    const QString text = QStringLiteral("Night round ") + QString(1 << 20, QLatin1Char('x'));
    QAction* action = menu.addCommand(QStringLiteral("round"), text);
    QVERIFY(action->text().size() <= 4 * limits::kMaxWindowSide);
    QVERIFY(text.startsWith(action->text()));
    QCOMPARE(KIVQMenu::itemText(action), text);
    QCOMPARE(action->objectName(), QStringLiteral("round"));
    menu.popup(QPoint(10, 10));
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
}

QTEST_MAIN(tst_KIVQRibbonButton)
#include "tst_KIVQRibbonButton.moc"
