#include "controls/ControlTestHelpers.h"

#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonMenu.h"
#include "ribbon/KIVQRibbonTypes.h"

#include <QAction>
#include <QPainter>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kNormalFill = 0xffffffff;
const QRgb kHoverFill = 0xffe8f2ff;
const QRgb kCheckedFill = 0xff3366cc;
const QRgb kCaption = 0xff102030;

// Flat fills without borders, so that a pixel tells the state.
void styleFlat(KIVQRibbonButton& button)
{
    button.setBackground(CtrlNormal, namedFill(QStringLiteral("n"), kNormalFill));
    button.setBackground(CtrlHover, namedFill(QStringLiteral("h"), kHoverFill));
    button.setBackground(CtrlPressed, namedFill(QStringLiteral("p"), kCheckedFill));
    button.setTextStyle(CtrlState(kAllStates), pinnedCaption(QStringLiteral("t"), kCaption, 11));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    button.setFont(font);
}

void click(QWidget* w, const QPoint& pos)
{
    QPointer<QWidget> alive(w);
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    if (alive)
        sendMouse(w, QEvent::MouseButtonRelease, pos);
}

QPoint pointIn(const QString& where, const QSize& size)
{
    if (where == QLatin1String("bottom strip"))
        return QPoint(size.width() / 2, size.height() - 5);
    if (where == QLatin1String("right strip"))
        return QPoint(size.width() - 5, size.height() / 2);
    return QPoint(size.width() / 2, 10);
}

} // namespace

class tst_KIVQRibbonButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void textForms_data();
    void textForms();
    void sizeHints_data();
    void sizeHints();
    void indicatorRect_data();
    void indicatorRect();
    void pressAndRelease_data();
    void pressAndRelease();
    void pressOnButtonClosesItsMenu();
    void mirrorsItsAction();
    void checkableCommandClickedTwice();
    void destroyedActionLeavesCaption();
    void handlerDeletesButtonDuringTrigger_data();
    void handlerDeletesButtonDuringTrigger();
    void statePixels_data();
    void statePixels();
    void captionPlace_data();
    void captionPlace();
    void ribbonIconSizes_data();
    void ribbonIconSizes();
    void menuCommandsAndTicks();

private:
    QTemporaryDir m_dir;
};

void tst_KIVQRibbonButton::initTestCase()
{
    init();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QVERIFY(m_dir.isValid());
}

void tst_KIVQRibbonButton::textForms_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("size in capitals") << "size"
                                      << "MEDIUM" << 1 << "medium";
    QTest::newRow("size small") << "size"
                                << "small" << 2 << "small";
    QTest::newRow("unknown size is large") << "size"
                                           << "huge" << 0 << "large";
    QTest::newRow("popup split mixed case") << "popup"
                                            << "SpLiT" << 2 << "split";
    QTest::newRow("popup instant") << "popup"
                                   << "instant" << 1 << "instant";
    QTest::newRow("empty popup is none") << "popup"
                                         << "" << 0 << "none";
    QTest::newRow("layout compact") << "layout"
                                    << "Compact" << 1 << "compact";
    QTest::newRow("unknown layout is office") << "layout"
                                              << "classic" << 0 << "office";
}

void tst_KIVQRibbonButton::textForms()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, written);
    if (kind == QLatin1String("size")) {
        QCOMPARE(int(kivParseRibbonItemSize(text)), value);
        QCOMPARE(kivFormatRibbonItemSize(value), written);
    } else if (kind == QLatin1String("popup")) {
        QCOMPARE(int(kivParseRibbonPopupMode(text)), value);
        QCOMPARE(kivFormatRibbonPopupMode(value), written);
    } else {
        QCOMPARE(int(kivParseRibbonLayoutMode(text)), value);
        QCOMPARE(kivFormatRibbonLayoutMode(value), written);
    }
    QCOMPARE(kivFormatRibbonItemSize(-3), QStringLiteral("large"));
}

void tst_KIVQRibbonButton::sizeHints_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pad");
    QTest::addColumn<QSize>("least");
    QTest::newRow("large, empty") << 0 << "" << 20 << QSize(64, 68);
    QTest::newRow("medium, empty") << 1 << "" << 34 << QSize(74, 30);
    QTest::newRow("small, empty") << 2 << "" << 30 << QSize(54, 24);
    QTest::newRow("large, long caption") << 0 << "Discharge summary" << 20 << QSize(64, 68);
    QTest::newRow("medium, long caption") << 1 << "Discharge summary" << 34 << QSize(74, 30);
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
    if (!caption.isEmpty())
        QVERIFY(button.sizeHint().width() > least.width());
}

void tst_KIVQRibbonButton::indicatorRect_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<QSize>("buttonSize");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("no menu") << 1 << 2 << false << QSize(80, 30) << QRect();
    QTest::newRow("menu, popup none") << 1 << 0 << true << QSize(80, 30) << QRect();
    QTest::newRow("medium 10 wide") << 1 << 1 << true << QSize(10, 30) << QRect(0, 0, 10, 30);
    QTest::newRow("small, right strip") << 2 << 2 << true << QSize(60, 24) << QRect(43, 0, 17, 24);
    QTest::newRow("large, bottom strip") << 0 << 2 << true << QSize(70, 68) << QRect(0, 48, 70, 20);
    QTest::newRow("large 12 high") << 0 << 1 << true << QSize(70, 12) << QRect(0, 0, 70, 12);
}

void tst_KIVQRibbonButton::indicatorRect()
{
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(bool, withMenu);
    QFETCH(QSize, buttonSize);
    QFETCH(QRect, expected);
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    button.resize(buttonSize);
    button.setPopupMode(KIV_RIBBON_POPUP_MODE(mode));
    auto* menu = withMenu ? new KIVQRibbonMenu : nullptr;
    button.setPopupMenu(menu);
    if (menu)
        QCOMPARE(menu->parent(), &button);
    QCOMPARE(button.popupIndicatorRect(), expected);
    delete menu;
    QCOMPARE(button.popupIndicatorRect(), QRect());
}

void tst_KIVQRibbonButton::pressAndRelease_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("menuShown");
    QTest::addColumn<int>("triggered");
    QTest::newRow("split large, bottom strip opens the menu") << 0 << 2 << true << "bottom strip" << true << 0;
    QTest::newRow("split large, above the strip triggers") << 0 << 2 << true << "above" << false << 1;
    QTest::newRow("split medium, right strip opens the menu") << 1 << 2 << true << "right strip" << true << 0;
    QTest::newRow("instant with a menu never triggers") << 0 << 1 << true << "above" << true << 0;
    QTest::newRow("instant without a menu triggers") << 0 << 1 << false << "above" << false << 1;
    QTest::newRow("popup none with a menu triggers") << 0 << 0 << true << "bottom strip" << false << 1;
}

void tst_KIVQRibbonButton::pressAndRelease()
{
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(bool, withMenu);
    QFETCH(QString, where);
    QFETCH(bool, menuShown);
    QFETCH(int, triggered);

    QAction action(QStringLiteral("Admit"));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    button.resize(size == 0 ? QSize(80, 68) : QSize(90, 30));
    button.setRibbonAction(&action);
    button.setPopupMode(KIV_RIBBON_POPUP_MODE(mode));
    KIVQRibbonMenu* menu = nullptr;
    if (withMenu) {
        menu = new KIVQRibbonMenu(&button);
        menu->addCommand(QStringLiteral("bed"), QStringLiteral("Assign bed"));
        button.setPopupMenu(menu);
    }
    QSignalSpy shown(&button, &KIVQRibbonButton::menuAboutToShow);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QSignalSpy fired(&action, &QAction::triggered);

    click(&button, pointIn(where, button.size()));
    QCOMPARE(shown.count(), menuShown ? 1 : 0);
    QCOMPARE(menu && menu->isVisible(), menuShown);
    QCOMPARE(clicked.count(), menuShown ? 0 : 1);
    QCOMPARE(fired.count(), triggered);
    if (menu)
        menu->hide();
}

void tst_KIVQRibbonButton::pressOnButtonClosesItsMenu()
{
    QWidget window;
    window.resize(300, 200);
    KIVQRibbonButton button(&window, KIV_RIBBON_LARGE);
    button.setGeometry(10, 10, 80, 68);
    button.setPopupMode(KIV_RIBBON_POPUP_INSTANT);
    auto* menu = new KIVQRibbonMenu;
    menu->addCommand(QStringLiteral("a"), QStringLiteral("Assign"));
    button.setPopupMenu(menu);
    window.show();
    click(&button, QPoint(40, 30));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(!menu->testAttribute(Qt::WA_NoMouseReplay));
    // The press that closes the menu lands on the button: it must not be replayed there.
    sendMouse(menu, QEvent::MouseButtonPress, menu->mapFromGlobal(button.mapToGlobal(QPoint(40, 30))), Qt::LeftButton);
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(menu->testAttribute(Qt::WA_NoMouseReplay));
    click(&button, QPoint(40, 30));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(!menu->testAttribute(Qt::WA_NoMouseReplay));
    menu->hide();
}

void tst_KIVQRibbonButton::mirrorsItsAction()
{
    QAction action(QStringLiteral("Admit"));
    action.setToolTip(QStringLiteral("Admit a patient"));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_MEDIUM);
    button.setRibbonAction(&action);
    QCOMPARE(button.text(), QStringLiteral("Admit"));
    QCOMPARE(button.toolTip(), QStringLiteral("Admit a patient"));

    action.setText(QStringLiteral("Transfer"));
    action.setEnabled(false);
    action.setCheckable(true);
    QSignalSpy toggled(&button, &QAbstractButton::toggled);
    action.setChecked(true);
    QCOMPARE(button.text(), QStringLiteral("Transfer"));
    QVERIFY(!button.isEnabled());
    QVERIFY(button.isChecked());
    QCOMPARE(toggled.count(), 0);

    // A button moved to another action no longer follows the first.
    QAction other(QStringLiteral("Discharge"));
    button.setRibbonAction(&other);
    action.setText(QStringLiteral("stale"));
    QCOMPARE(button.text(), QStringLiteral("Discharge"));
    QCOMPARE(button.ribbonAction(), &other);
}

void tst_KIVQRibbonButton::checkableCommandClickedTwice()
{
    QAction action(QStringLiteral("Isolate"));
    action.setCheckable(true);
    KIVQRibbonButton button(nullptr, KIV_RIBBON_LARGE);
    styleFlat(button);
    button.resize(80, 68);
    button.setRibbonAction(&action);

    click(&button, QPoint(40, 10));
    QVERIFY(action.isChecked());
    QVERIFY(button.isChecked());
    // Checked shows the pressed fill, without the pointer on the button.
    QCOMPARE(paintedPixels(button).pixel(40, 30), kCheckedFill);

    click(&button, QPoint(40, 10));
    QVERIFY(!action.isChecked());
    QVERIFY(!button.isChecked());
    QCOMPARE(paintedPixels(button).pixel(40, 30), kNormalFill);
}

void tst_KIVQRibbonButton::destroyedActionLeavesCaption()
{
    auto* action = new QAction(QStringLiteral("Round"));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_SMALL);
    button.resize(80, 24);
    button.setRibbonAction(action);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    delete action;
    QCOMPARE(button.ribbonAction(), nullptr);
    QCOMPARE(button.text(), QStringLiteral("Round"));
    click(&button, QPoint(20, 12));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.text(), QStringLiteral("Round"));
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
    group.resize(200, 92);
    QAction action(QStringLiteral("Reload"));
    action.setCheckable(true);
    QPointer<KIVQRibbonButton> button = group.addLargeAction(&action);
    connect(&action, &QAction::triggered, &group, [&] {
        if (throughGroup)
            group.clearItems();
        else
            delete button.data();
    });
    click(button, QPoint(20, 20));
    QVERIFY(action.isChecked());
    if (throughGroup) {
        QCOMPARE(group.itemCount(), 0);
        QVERIFY(button && button->isHidden());
        QTRY_VERIFY(!button);
    }
    QVERIFY(!button);
}

void tst_KIVQRibbonButton::statePixels_data()
{
    QTest::addColumn<QColor>("context");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QRgb>("strip");
    QTest::addColumn<QRgb>("body");
    QTest::newRow("context tab shows its colour strip")
        << QColor(200, 40, 90) << false << qRgb(200, 40, 90) << kNormalFill;
    QTest::newRow("ordinary tab shows none") << QColor() << false << kNormalFill << kNormalFill;
    QTest::newRow("checked context tab keeps the strip over the checked fill")
        << QColor(20, 160, 90) << true << qRgb(20, 160, 90) << kCheckedFill;
}

void tst_KIVQRibbonButton::statePixels()
{
    QFETCH(QColor, context);
    QFETCH(bool, checked);
    QFETCH(QRgb, strip);
    QFETCH(QRgb, body);
    KIVQRibbonButton tab(nullptr, KIV_RIBBON_SMALL);
    styleFlat(tab);
    tab.resize(90, 24);
    tab.setCheckable(true);
    tab.setChecked(checked);
    tab.setProperty("kivRibbonContextColor", context);
    const QImage image = paintedPixels(tab);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(image.pixel(45, y), strip);
    QCOMPARE(image.pixel(1, 1), body);
    QCOMPARE(image.pixel(45, 3), body);
}

void tst_KIVQRibbonButton::captionPlace_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("extraWidth"); // beyond the caption's advance
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("inkLeftAtLeast");
    QTest::newRow("a 20-pixel arrow shows its glyph") << "<" << 0 << false << 2;
    QTest::newRow("a tab sized to its caption shows it whole") << "Appointments" << 28 << false << 2;
    QTest::newRow("with an icon the caption follows it") << "Vitals" << 60 << true << 27;
}

void tst_KIVQRibbonButton::captionPlace()
{
    QFETCH(QString, caption);
    QFETCH(int, extraWidth);
    QFETCH(bool, withIcon);
    QFETCH(int, inkLeftAtLeast);
    QAction action(caption);
    if (withIcon) {
        QPixmap dot(8, 8);
        dot.fill(Qt::white);
        action.setIcon(QIcon(dot));
    }
    const auto captionInk = [&](int width) {
        KIVQRibbonButton button(nullptr, KIV_RIBBON_SMALL);
        styleFlat(button);
        button.setRibbonAction(&action);
        button.resize(width, 24);
        return inkBox(paintedPixels(button), kNormalFill);
    };
    KIVQRibbonButton probe;
    styleFlat(probe);
    const int width = caption == QLatin1String("<") ? 20 : probe.fontMetrics().horizontalAdvance(caption) + extraWidth;
    const QRect ink = captionInk(width);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.left() >= inkLeftAtLeast);
    QVERIFY(ink.right() < width);
    QCOMPARE(ink.width(), captionInk(400).width());
}

void tst_KIVQRibbonButton::ribbonIconSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("svgPath");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("large, icon path") << 0 << true << QSize(32, 32);
    QTest::newRow("medium, icon path") << 1 << true << QSize(16, 16);
    QTest::newRow("small, icon path") << 2 << true << QSize(16, 16);
    QTest::newRow("large, the action's own icon stays within 24") << 0 << false << QSize(24, 24);
    QTest::newRow("medium, the action's own icon stays within 18") << 1 << false << QSize(18, 18);
}

void tst_KIVQRibbonButton::ribbonIconSizes()
{
    QFETCH(int, size);
    QFETCH(bool, svgPath);
    QFETCH(QSize, drawn);
    const QRgb ink = qRgb(0, 170, 0);
    const QString svg = m_dir.filePath(QStringLiteral("mark.svg"));
    QVERIFY(writeFile(svg, "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64'>"
                           "<rect width='64' height='64' fill='#00aa00'/></svg>"));
    QPixmap big(64, 64);
    big.fill(QColor(ink));

    QAction action;
    if (svgPath)
        action.setProperty("kivRibbonIconPath", svg);
    else
        action.setIcon(QIcon(big));
    KIVQRibbonButton button(nullptr, KIV_RIBBON_ITEM_SIZE(size));
    styleFlat(button);
    button.resize(size == 0 ? QSize(80, 68) : QSize(90, 30));
    button.setRibbonAction(&action);
    QCOMPARE(button.ribbonIcon(), svgPath ? svg : QString());
    const QRect box = colourBounds(paintedPixels(button), ink);
    QCOMPARE(box.size(), drawn);
}

void tst_KIVQRibbonButton::menuCommandsAndTicks()
{
    KIVQRibbonMenu menu;
    menu.setBackground(namedFill(QStringLiteral("bg"), 0xffffffff));
    QAction* plain = menu.addCommand(QStringLiteral("vitals"), QStringLiteral("Vitals"));
    QAction* separatorAction = menu.addSeparator();
    QAction* ticked =
        menu.addCommand(QStringLiteral("alarms"), QStringLiteral("Alarms"), QStringLiteral("bell.svg"), true);
    KIVQRibbonMenu sub(QStringLiteral("More"), &menu);
    QAction* inner = sub.addCommand(QStringLiteral("ecg"), QStringLiteral("ECG"));
    menu.addMenu(&sub);
    QCOMPARE(plain->objectName(), QStringLiteral("vitals"));
    QCOMPARE(ticked->property("kivRibbonIconPath").toString(), QStringLiteral("bell.svg"));
    QCOMPARE(ticked->property(KIVQMenu::iconPathProperty()).toString(), QStringLiteral("bell.svg"));
    QVERIFY(ticked->isCheckable());
    QCOMPARE(plain->property("kivRibbonIconPath").toString(), QString());
    QCOMPARE(KIVQRibbonMenu::commandActions(&menu), (QList<QAction*>{plain, ticked, inner}));
    QVERIFY(KIVQRibbonMenu::commandActions(nullptr).isEmpty());

    menu.popup(QPoint(10, 10));
    QTRY_VERIFY(menu.isVisible());
    // Antialiased strokes: near the colour counts.
    const auto near = [](QRgb colour) {
        return [colour](QRgb p) {
            return qAbs(qRed(p) - qRed(colour)) < 10 && qAbs(qGreen(p) - qGreen(colour)) < 10 &&
                   qAbs(qBlue(p) - qBlue(colour)) < 10;
        };
    };
    QImage image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(pixelBounds(image, near(qRgb(62, 111, 210))).isEmpty());
    const QRect line = pixelBounds(image.copy(menu.actionGeometry(separatorAction)), near(qRgb(190, 197, 207)))
                           .translated(menu.actionGeometry(separatorAction).topLeft());
    const QRect separator = menu.actionGeometry(separatorAction);
    QVERIFY(separator.contains(line));
    QCOMPARE(line.height(), 1);
    QCOMPARE(line.left(), separator.left() + 8);
    ticked->setChecked(true);
    image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect tickBox = pixelBounds(image, near(qRgb(62, 111, 210)));
    const QRect item = menu.actionGeometry(ticked);
    QVERIFY2(!tickBox.isEmpty(), "no tick painted");
    QVERIFY(item.contains(tickBox));
    QVERIFY(tickBox.left() <= item.left() + 16);
    menu.hide();
}

QTEST_MAIN(tst_KIVQRibbonButton)
#include "tst_KIVQRibbonButton.moc"
