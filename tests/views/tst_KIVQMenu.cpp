#include "ViewTestHelpers.h"

#include "core/KIVQPageLoader.h"
#include "core/Limits.h"
#include "views/KIVQMenu.h"
#include "views/KIVQMenuImpl.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

const QRgb kBack = 0xff202020;
const QRgb kNormal = 0xff3060a0;
const QRgb kHot = 0xffc04020;
const QRgb kInk = 0xff000000;
const QRgb kHotInk = 0xfff0f0f0;
const QRgb kWhite = 0xffffffff;
const QRgb kBlue = 0xff0000ff;

// One word per action: its text ("_" when empty), "[icon property+Q]" when it has an icon property
// (+Q when it also has a QIcon), and ">(...)" with a sub-menu's actions.
QString describe(const QMenu* menu)
{
    QStringList parts;
    for (QAction* action : menu->actions()) {
        QString part = action->text().isEmpty() ? QStringLiteral("_") : action->text();
        const QVariant icon = action->property(KIVQMenu::iconPathProperty());
        if (icon.isValid())
            part += QLatin1Char('[') + icon.toString() + (action->icon().isNull() ? "" : "+Q") + QLatin1Char(']');
        if (action->menu())
            part += QStringLiteral(">(") + describe(action->menu()) + QLatin1Char(')');
        parts << part;
    }
    return parts.join(QLatin1Char(' '));
}

// The menu as the screen shows it, popped up with the mouse over one item (-1: none).
QImage shown(QMenu& menu, int hovered = -1)
{
    menu.popup(QPoint(40, 40));
    if (!QTest::qWaitForWindowExposed(&menu))
        return QImage();
    if (hovered >= 0)
        QTest::mouseMove(&menu, menu.actionGeometry(menu.actions().at(hovered)).center());
    return menu.grab().toImage();
}

// A point of an item where neither text, icon nor arrow is painted.
QPoint bare(const QMenu& menu, int index)
{
    const QRect item = menu.actionGeometry(menu.actions().at(index));
    return QPoint(item.right() - 12, item.center().y());
}

void styleMenu(KIVQMenu& menu)
{
    menu.setBackground(namedFill(QStringLiteral("Back"), kBack));
    menu.setItemStyle(CtrlState(kAllStates), namedFill(QStringLiteral("Normal"), kNormal));
    menu.setItemStyle(CtrlHover, namedFill(QStringLiteral("Hot"), kHot));
    menu.setItemTextStyle(CtrlState(kAllStates), namedText(QStringLiteral("Ink"), kInk));
    menu.setItemTextStyle(CtrlHover, namedText(QStringLiteral("HotInk"), kHotInk));
}

QPixmap blueSquare()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor::fromRgba(kBlue));
    return pixmap;
}

} // namespace

class tst_KIVQMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void documentItems_data();
    void documentItems();
    void documentThatCannotBeReadGivesNull_data();
    void documentThatCannotBeReadGivesNull();
    void documentEntriesCapped();
    void documentStyles_data();
    void documentStyles();
    void subMenuTakesParentStylesButNotIconColumn();
    void themeEntryGivesStylesOnly();
    void hover_data();
    void hover();
    void widestTextShowsWhole_data();
    void widestTextShowsWhole();
    void iconShowsOverOpaqueItemFill();
    void subMenuArrow();

private:
    KIVQMenu* fromDocument(const QByteArray& text, QWidget* parent = nullptr);
    QTemporaryDir m_dir;
    int m_files = 0;
};

void tst_KIVQMenu::initTestCase()
{
    init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    kivSetFillStyle(QStringLiteral("Back"), namedFill(QStringLiteral("Back"), kBack));
    kivSetFillStyle(QStringLiteral("Normal"), namedFill(QStringLiteral("Normal"), kNormal));
    kivSetFillStyle(QStringLiteral("Hot"), namedFill(QStringLiteral("Hot"), kHot));
    kivSetTextStyle(QStringLiteral("Ink"), namedText(QStringLiteral("Ink"), kInk));
    kivSetTextStyle(QStringLiteral("HotInk"), namedText(QStringLiteral("HotInk"), kHotInk));
}

KIVQMenu* tst_KIVQMenu::fromDocument(const QByteArray& text, QWidget* parent)
{
    const QString path = m_dir.filePath(QStringLiteral("menu%1.json").arg(++m_files));
    if (!writeFile(path, text))
        return nullptr;
    return kivCreateMenuByFileName(parent, path);
}

void tst_KIVQMenu::documentItems_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("items");

    QTest::newRow("command without icon") << QByteArray(R"({"items": [{"text": "Open"}]})") << "Open";
    QTest::newRow("svg name in any case: property, no QIcon")
        << QByteArray(R"({"items": [{"text": "A", "icon": "bed.SVG"}]})") << "A[bed.SVG]";
    QTest::newRow("png name: property and QIcon")
        << QByteArray(R"({"items": [{"text": "A", "icon": "bed.png"}]})") << "A[bed.png+Q]";
    QTest::newRow("empty icon on a command is none") << QByteArray(R"({"items": [{"text": "A", "icon": ""}]})") << "A";
    QTest::newRow("empty sub-menu keeps its title and its empty icon")
        << QByteArray(R"({"items": [{"text": "Sub", "icon": "", "items": []}]})") << "Sub[]>()";
    QTest::newRow("sub-menus nest in order")
        << QByteArray(R"({"items": [{"text": "A", "items": [{"text": "B", "items": [{"text": "C"}]}]},
                                    {"text": "D"}]})")
        << "A>(B>(C)) D";
    QTest::newRow("items that are no objects are skipped")
        << QByteArray(R"({"items": [1, "x", null, [], {"text": "A"}]})") << "A";
    QTest::newRow("text that is no string is empty") << QByteArray(R"({"items": [{"text": [2]}]})") << "_";
    QTest::newRow("icon that is no string is missing")
        << QByteArray(R"({"items": [{"text": "A", "icon": 7}, {"text": "S", "icon": {}, "items": []}]})") << "A S>()";
    QTest::newRow("items that are no array are none") << QByteArray(R"({"items": {"text": "A"}})") << "";
    QTest::newRow("sub-items that are no array make a command")
        << QByteArray(R"({"items": [{"text": "A", "items": 5}]})") << "A";
    QTest::newRow("background that is no string") << QByteArray(R"({"background": [], "item0": 3,
                                                                    "items": [{"text": "A"}]})")
                                                  << "A";
    QTest::newRow("root that is no object") << QByteArray("[1, {\"items\": [{\"text\": \"A\"}]}]") << "";
}

void tst_KIVQMenu::documentItems()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, items);
    QWidget parent;
    KIVQMenu* menu = fromDocument(document, &parent);
    QVERIFY(menu);
    QCOMPARE(menu->parentWidget(), &parent);
    QCOMPARE(describe(menu), items);
    if (items.startsWith(QLatin1String("Sub")))
        QCOMPARE(menu->actions().first()->menu()->title(), QStringLiteral("Sub"));
}

void tst_KIVQMenu::documentThatCannotBeReadGivesNull_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("unparsable") << QByteArray(R"({"items": [)");
    QTest::newRow("empty file") << QByteArray();
}

void tst_KIVQMenu::documentThatCannotBeReadGivesNull()
{
    QFETCH(QByteArray, document);
    QVERIFY(!fromDocument(document));
    QVERIFY(!kivCreateMenuByFileName(nullptr, m_dir.filePath(QStringLiteral("absent.json"))));
}

// Nested entries count too; those past the cap are left out and reported once.
void tst_KIVQMenu::documentEntriesCapped()
{
    QByteArray items = R"({"text": "Sub", "items": [{"text": "a"}, {"text": "b"}]})";
    for (int i = 2; i < limits::kMaxPageControls; ++i)
        items += R"(, {"text": "c"})";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("menu\\d+\\.json.* past 20000 controls")));
    std::unique_ptr<KIVQMenu> menu(fromDocument(R"({"items": [)" + items + "]}"));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), limits::kMaxPageControls - 2);
    QCOMPARE(menu->actions().first()->menu()->actions().size(), 2);
}

void tst_KIVQMenu::documentStyles_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QRgb>("normal");
    QTest::addColumn<QRgb>("hovered");
    QTest::addColumn<QRgb>("text");

    QTest::newRow("background enables the item keys")
        << QByteArray(R"("background": "Back", "item0": "Normal", "item1": "Hot", "text0": "Ink")") << kNormal << kHot
        << kInk;
    QTest::newRow("state-0 keys are every state's default")
        << QByteArray(R"("background": "Back", "item0": "Normal", "text0": "HotInk")") << kNormal << kNormal << kHotInk;
    QTest::newRow("item1 without background is ignored")
        << QByteArray(R"("item0": "Normal", "item1": "Hot", "text0": "HotInk")") << kWhite << kWhite << kInk;
    QTest::newRow("a name the theme lacks changes nothing")
        << QByteArray(R"("background": "Back", "item0": "Absent", "text0": "Ink")") << kWhite << kWhite << kInk;
    QTest::newRow("item3 and text3 style the disabled state only")
        << QByteArray(R"("background": "Back", "item0": "Normal", "item3": "Hot", "text0": "Ink", "text3": "HotInk")")
        << kNormal << kNormal << kInk;
}

void tst_KIVQMenu::documentStyles()
{
    QFETCH(QByteArray, styles);
    QFETCH(QRgb, normal);
    QFETCH(QRgb, hovered);
    QFETCH(QRgb, text);
    std::unique_ptr<KIVQMenu> menu(fromDocument("{" + styles + R"(, "items": [{"text": "Admit"}, {"text": "Move"}]})"));
    QVERIFY(menu);
    const QImage image = shown(*menu, 1);
    QCOMPARE(image.pixel(bare(*menu, 0)), normal);
    QCOMPARE(image.pixel(bare(*menu, 1)), hovered);
    QVERIFY(!inkOf(image, text, menu->actionGeometry(menu->actions().at(0))).isEmpty());
    if (styles.contains("item3")) // stored for the disabled state, which the menu does not paint
        QCOMPARE(menu->impl()->itemStyles.get(CtrlDisabled).name + ' ' +
                     menu->impl()->itemTextStyles.get(CtrlDisabled).name,
                 QStringLiteral("Hot HotInk"));
}

void tst_KIVQMenu::subMenuTakesParentStylesButNotIconColumn()
{
    QWidget parent;
    auto* menu = new KIVQMenu(&parent);
    menu->setIconOffset(24);
    Json::Value document = parseJson(R"({"background": "Back", "item0": "Normal", "text0": "Ink",
        "items": [{"text": "More", "items": [{"text": "Discharge"}]}]})");
    menu->readJsonValue(&document);
    auto* sub = qobject_cast<KIVQMenu*>(menu->actions().first()->menu());
    QVERIFY(sub);
    QCOMPARE(sub->parentWidget(), menu);
    QVERIFY(sub->windowFlags() & Qt::FramelessWindowHint);
    const QImage image = shown(*sub);
    const QRect item = sub->actionGeometry(sub->actions().first());
    QCOMPARE(image.pixel(bare(*sub, 0)), kNormal);
    const QRect ink = inkOf(image, kInk, item);
    QVERIFY2(ink.left() >= item.left() && ink.left() <= item.left() + 2, qPrintable(QString::number(ink.left())));
}

// The parent-only constructor applies the theme entry, styles only; the title constructor applies none.
void tst_KIVQMenu::themeEntryGivesStylesOnly()
{
    QWidget window;
    const QByteArray style = R"({"style": [{"type": 1, "name": "themeBack", "drawImg": false}]})";
    const QByteArray entries = R"({"elements": [{"child": [{"name": "qtmenu", "background": "themeBack",
        "items": [{"text": "x", "items": [{"text": "y", "items": [{"text": "z"}]}]}]}]}]})";
    QVERIFY(loadThemeFor(window, style, entries));
    auto* menu = new KIVQMenu(&window);
    KIVQMenu titled(QStringLiteral("Ward"), nullptr);
    QVERIFY(menu->actions().isEmpty());
    QCOMPARE(menu->impl()->background.name, QStringLiteral("themeBack"));
    QVERIFY(menu->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(menu->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(titled.title(), QStringLiteral("Ward"));
    QVERIFY(titled.impl()->background.name.isEmpty());
    QVERIFY(!(titled.windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(!titled.testAttribute(Qt::WA_TranslucentBackground));
    // A theme change applies the entry again; still no items.
    QVERIFY(loadThemeFor(window, style, entries));
    QVERIFY(menu->actions().isEmpty());
    QVERIFY(menu->findChildren<QMenu*>().isEmpty());
    QVERIFY(loadThemeFor(window, R"({"style": []})", "{}"));
}

void tst_KIVQMenu::hover_data()
{
    QTest::addColumn<QList<int>>("moves"); // the items the mouse passes over in turn; -1 is off the menu
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QString>("entered"); // what Enter then triggers; empty: Enter is not pressed
    QTest::newRow("the highlight and Qt's active item follow the mouse") << QList<int>{1, 3} << 3 << "Discharge";
    QTest::newRow("off the menu the last item stays highlighted") << QList<int>{1, -1} << 1 << "";
    QTest::newRow("a sub-menu entry opens its sub-menu") << QList<int>{3, 2} << 2 << "";
}

void tst_KIVQMenu::hover()
{
    QFETCH(QList<int>, moves);
    QFETCH(int, highlighted);
    QFETCH(QString, entered);
    KIVQMenu menu;
    styleMenu(menu);
    menu.addAction(QStringLiteral("Admit"));
    menu.addAction(QStringLiteral("Move"));
    auto* sub = new KIVQMenu(&menu);
    sub->addAction(QStringLiteral("Bed 3"));
    menu.addMenu(sub)->setText(QStringLiteral("More"));
    menu.addAction(QStringLiteral("Discharge"));
    QImage image = shown(menu);
    for (int i : moves) {
        if (i >= 0) {
            QTest::mouseMove(&menu, menu.actionGeometry(menu.actions().at(i)).center());
        } else {
            sendMouse(&menu, QEvent::MouseMove, QPoint(menu.width() + 20, 5));
            sendEvent(&menu, QEvent::Leave);
        }
    }
    const bool opens = moves.last() == 2;
    if (opens)
        QTRY_VERIFY(sub->isVisible());
    QCOMPARE(sub->isVisible(), opens);
    image = menu.grab().toImage();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(image.pixel(bare(menu, i)), i == highlighted ? kHot : kNormal);
    QVERIFY(!inkOf(image, kHotInk, menu.actionGeometry(menu.actions().at(highlighted))).isEmpty());
    if (!entered.isEmpty()) {
        QSignalSpy triggered(&menu, &QMenu::triggered);
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(triggered.size(), 1);
        QCOMPARE(triggered.first().first().value<QAction*>()->text(), entered);
    }

    // Shown again, no item is highlighted until the mouse moves.
    menu.hide();
    image = shown(menu);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(image.pixel(bare(menu, i)), kNormal);
}

void tst_KIVQMenu::widestTextShowsWhole_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("textSize");
    QTest::addColumn<int>("menuFont"); // pixel size of the menu's own font; 0 the application's
    QTest::addColumn<bool>("hover");   // the hover style bolder and larger, and the widest item hovered
    QTest::addColumn<bool>("subMenu"); // the widest item a sub-menu entry
    QTest::addColumn<bool>("renamed"); // first given a caption wider than any window
    QTest::newRow("no icon column") << 0 << 12 << 0 << false << false << false;
    QTest::newRow("offset 24") << 24 << 12 << 0 << false << false << false;
    QTest::newRow("a negative offset is none") << -24 << 12 << 0 << false << false << false;
    QTest::newRow("offset 24, text larger than the menu font") << 24 << 22 << 0 << false << false << false;
    // Qt's own item width leaves some room of its own: only a wide icon column outgrows it.
    QTest::newRow("offset 96, menu font larger than the text") << 96 << 12 << 13 << false << false << false;
    QTest::newRow("hover style wider than the normal one") << 0 << 12 << 0 << true << false << false;
    QTest::newRow("a sub-menu entry leaves room for its arrow") << 0 << 22 << 0 << false << true << false;
    QTest::newRow("renamed after a caption wider than any window") << 24 << 12 << 0 << false << false << true;
}

void tst_KIVQMenu::widestTextShowsWhole()
{
    QFETCH(int, offset);
    QFETCH(int, textSize);
    QFETCH(int, menuFont);
    QFETCH(bool, hover);
    QFETCH(bool, subMenu);
    QFETCH(bool, renamed);
    const QString widest = QStringLiteral("Transfer to intensive care");
    KIVQMenu menu;
    styleMenu(menu);
    TextStyleDesc ink = namedText(QStringLiteral("Ink"), kInk);
    TextStyleDesc hotInk = namedText(QStringLiteral("HotInk"), kHotInk);
    ink.size = textSize;
    hotInk.size = textSize + (hover ? 6 : 0);
    hotInk.bold = hover;
    menu.setItemTextStyle(CtrlState(kAllStates), ink);
    menu.setItemTextStyle(CtrlHover, hotInk);
    if (menuFont) {
        QFont font = menu.font();
        font.setPixelSize(menuFont);
        menu.setFont(font);
    }
    menu.setIconOffset(offset);
    menu.addIconAction(QString(), QStringLiteral("Hold"));
    QAction* action = subMenu ? menu.addMenu(new KIVQMenu(&menu)) : menu.addAction(QString());
    KIVQMenu::setItemText(action, renamed ? widest + QString(20000, QLatin1Char('W')) : widest);
    if (renamed)
        action->setText(widest);
    QCOMPARE(KIVQMenu::itemText(action), widest);
    const QImage image = shown(menu, hover ? 1 : -1);

    const TextStyleDesc& style = hover ? hotInk : ink;
    const QRect item = menu.actionGeometry(action);
    const QRect text = inkOf(image, style.colour.rgba(), item);
    const int expected = item.left() + (offset > 0 ? offset + 4 : 0);
    QVERIFY2(text.left() >= expected && text.left() <= expected + 2, qPrintable(QString::number(text.left())));
    // Whole, not elided: as wide as the same text painted with room to spare.
    QImage free(1000, 60, QImage::Format_ARGB32);
    free.fill(Qt::white);
    QPainter painter(&free);
    KIVQPaintHelpers::paintText(&painter, widest, style, free.rect());
    painter.end();
    QCOMPARE(text.width(), inkOf(free, style.colour.rgba(), free.rect()).width());
    const QRect arrow = inkOf(image, qRgb(204, 204, 204), item);
    QCOMPARE(arrow.isEmpty(), !subMenu);
    // Clear of the arrow by more than a touch.
    QVERIFY(text.right() + 4 < (subMenu ? arrow.left() : item.right()));

    // Reopening does not widen the menu again.
    const int popupWidth = menu.width();
    menu.hide();
    shown(menu);
    QCOMPARE(menu.width(), popupWidth);
}

// The item fill is painted before the icon column, so an opaque fill cannot hide the icons.
void tst_KIVQMenu::iconShowsOverOpaqueItemFill()
{
    KIVQMenu menu;
    styleMenu(menu);
    menu.setIconOffset(24);
    menu.addAction(QIcon(blueSquare()), QStringLiteral("Admit"));
    QAction* none = menu.addAction(QIcon(blueSquare()), QStringLiteral("Hidden icon"));
    const QImage image = shown(menu);
    QRect icon = menu.actionGeometry(menu.actions().first());
    icon.setWidth(24);
    QCOMPARE(inkOf(image, kBlue, icon).size(), QSize(16, 16));

    menu.hide();
    menu.setIconOffset(0);
    const QImage without = shown(menu);
    QVERIFY(inkOf(without, kBlue, menu.actionGeometry(none)).isEmpty());
}

void tst_KIVQMenu::subMenuArrow()
{
    KIVQMenu menu;
    styleMenu(menu);
    menu.addAction(QStringLiteral("Admit"));
    menu.addMenu(new KIVQMenu(&menu))->setText(QStringLiteral("More"));
    const QImage image = shown(menu);
    const QRect plain = menu.actionGeometry(menu.actions().at(0));
    const QRect sub = menu.actionGeometry(menu.actions().at(1));
    const QRgb arrow = qRgb(204, 204, 204);
    QCOMPARE(image.pixel(sub.right() - 4, sub.top() + sub.height() / 2), arrow);
    QCOMPARE(inkOf(image, arrow, sub), QRect(sub.right() - 7, sub.top() + sub.height() / 2 - 5, 5, 10));
    QVERIFY(inkOf(image, arrow, plain).isEmpty());
}

QTEST_MAIN(tst_KIVQMenu)
#include "tst_KIVQMenu.moc"
