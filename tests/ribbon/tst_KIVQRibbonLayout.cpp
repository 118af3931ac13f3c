#include "controls/ControlTestHelpers.h"

#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonGallery.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonHost.h"
#include "ribbon/KIVQRibbonMenu.h"
#include "ribbon/KIVQRibbonPage.h"

#include <QAction>
#include <QtTest>

#include <climits>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

// A widget of a chosen preferred width, for groups of known widths.
struct Block : QWidget
{
    explicit Block(int width) : width(width) {}
    QSize sizeHint() const override { return QSize(width, 40); }
    int width;
};

// The bar's side of the seam, recording what the ribbon asks of it.
class FakeHost : public KIVQRibbonHost
{
public:
    int groupRows() const override { return rows; }
    int pageHeight() const override { return height; }
    void registerAction(QAction* action) override { registered.append(action); }
    void galleryItemTriggered(const QString& commandId) override { commands.append(commandId); }
    void pageTitleChanged() override { ++titleChanges; }
    const FillStyle& groupBackground() const override { return background; }
    const TextStyleDesc& groupTitleStyle() const override { return title; }

    int rows = 3;
    int height = 96;
    QList<QAction*> registered;
    QStringList commands;
    int titleChanges = 0;
    FillStyle background = namedFill(QStringLiteral("group"), 0xfffafcff);
    TextStyleDesc title = pinnedCaption(QStringLiteral("title"), 0xff5b6777, 11);
};

// Items by letter: L, M, S buttons of empty captions (64, 74 and 54 wide), | a separator, G a 3x2 gallery.
void fillGroup(KIVQRibbonGroup& group, const QString& items, QObject* owner)
{
    for (const QChar c : items) {
        if (c == QLatin1Char('|'))
            group.addSeparator();
        else if (c == QLatin1Char('G'))
            group.addGallery(3, 2);
        else
            group.addAction(new QAction(owner), KIV_RIBBON_ITEM_SIZE(QStringLiteral("LMS").indexOf(c)),
                            KIV_RIBBON_POPUP_NONE, nullptr);
    }
}

// Groups by width: "e120" an expanding group whose one large item is 108 wide, so that it asks for 120.
void fillPage(KIVQRibbonPage& page, const QString& groups)
{
    for (const QString& token : groups.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool expanding = token.startsWith(QLatin1Char('e'));
        KIVQRibbonGroup* group = page.addGroup(token, token);
        group->setExpanding(expanding);
        group->addWidget(new Block(token.mid(expanding ? 1 : 0).toInt() - 12), KIV_RIBBON_LARGE);
    }
}

template <class List> QString geometries(const List& widgets)
{
    QStringList out;
    for (const QWidget* w : widgets) {
        const QRect r = w->geometry();
        out << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return out.join(QLatin1String("; "));
}

QList<QWidget*> pageGroups(const KIVQRibbonPage& page)
{
    QList<QWidget*> out;
    for (int i = 0; i < page.groupCount(); ++i)
        out << page.groupAt(i);
    return out;
}

// A page's or gallery's own arrow button by its text.
KIVQRibbonButton* arrow(QWidget& parent, const QString& text)
{
    for (KIVQRibbonButton* b : parent.findChildren<KIVQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b->text() == text && !b->ribbonAction())
            return b;
    }
    return nullptr;
}

// The item buttons a gallery shows, by row and column.
QList<KIVQRibbonButton*> shownCells(KIVQRibbonGallery& gallery)
{
    QList<KIVQRibbonButton*> cells;
    for (KIVQRibbonButton* b : gallery.findChildren<KIVQRibbonButton*>()) {
        if (b->ribbonAction() && !b->isHidden())
            cells << b;
    }
    std::sort(cells.begin(), cells.end(),
              [](QWidget* a, QWidget* b) { return qMakePair(a->y(), a->x()) < qMakePair(b->y(), b->x()); });
    return cells;
}

} // namespace

class tst_KIVQRibbonLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void groupItemLayout_data();
    void groupItemLayout();
    void pageGroupLayout_data();
    void pageGroupLayout();
    void pageKeepsItsGroups();
    void galleryPaging_data();
    void galleryPaging();
    void galleryGeometry();
    void galleryActions();
    void barSeam();
    void clearedItemsLetGo();
};

void tst_KIVQRibbonLayout::initTestCase()
{
    init();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    qRegisterMetaType<QAction*>();
}

void tst_KIVQRibbonLayout::groupItemLayout_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("hintWidth");
    QTest::newRow("a large one after the third: 3, large, 3 and 1")
        << "SSSLSSSS" << 92 << 3
        << "4,4 54x19; 4,25 54x19; 4,46 54x19; 62,4 64x65; 130,4 54x19; 130,25 54x19; 130,46 54x19; "
           "188,4 54x19"
        << 250;
    QTest::newRow("a column is as wide as its widest item")
        << "SM|" << 92 << 3 << "4,4 74x19; 4,25 74x19; 82,4 7x65" << 97;
    QTest::newRow("rows stay 20 high below a height of 87")
        << "SSS" << 80 << 3 << "4,4 54x18; 4,24 54x18; 4,44 54x18" << 80;
    QTest::newRow("a bar asking for one row still gets two")
        << "SSS" << 92 << 1 << "4,4 54x30; 4,36 54x30; 62,4 54x30" << 124;
    QTest::newRow("gallery and separator stand alone")
        << "G|S" << 92 << 3 << "4,4 218x65; 226,4 7x65; 237,4 54x19" << 299;
    QTest::newRow("no room for content") << "LS" << 10 << 3 << "4,4 64x0; 72,4 54x18" << 134;
    QTest::newRow("empty group") << "" << 92 << 3 << "" << 80;
}

void tst_KIVQRibbonLayout::groupItemLayout()
{
    QFETCH(QString, items);
    QFETCH(int, height);
    QFETCH(int, rows);
    QFETCH(QString, expected);
    QFETCH(int, hintWidth);
    FakeHost host;
    host.rows = rows;
    KIVQRibbonPage page(QStringLiteral("p"), QString());
    page.setRibbonHost(&host);
    KIVQRibbonGroup* group = page.addGroup(QStringLiteral("g"), QStringLiteral("Ward"));
    group->resize(400, height);
    fillGroup(*group, items, this);
    QList<QWidget*> controls;
    for (const KIVQRibbonGroup::Item& item : group->items())
        controls << item.control.data();
    QCOMPARE(geometries(controls), expected);
    QCOMPARE(group->sizeHint(), QSize(hintWidth, 88));
}

void tst_KIVQRibbonLayout::pageGroupLayout_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("inputs"); // "s<n>" scrollBy, "w<n>"/"h<n>" vertical/horizontal wheel, "<"/">" arrows
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected"); // empty: only the first group's place is checked
    QTest::addColumn<int>("arrows");       // -1 none, else "<" and ">" enabled as tens and units
    QTest::newRow("fitting groups keep their widths")
        << "100 120" << 400 << "" << 0 << "4,4 100x88; 108,4 120x88" << -1;
    QTest::newRow("spare width shared equally, the remainder unused")
        << "100 e100 e100" << 501 << "" << 0 << "4,4 100x88; 108,4 190x88; 302,4 190x88" << -1;
    QTest::newRow("fitting page ignores scrolling") << "100" << 501 << "s50 w-120" << 0 << "4,4 100x88" << -1;
    QTest::newRow("overflow: arrows, no extra width, content after the left arrow")
        << "e100 100 100" << 200 << "" << 0 << "24,4 100x88; 128,4 100x88; 232,4 100x88" << 1;
    QTest::newRow("overflow: offset clamped to W - (width - 40)")
        << "100 100 100" << 200 << "s1000" << 160 << "-136,4 100x88; -32,4 100x88; 72,4 100x88" << 10;
    QTest::newRow("page narrower than the arrows") << "100" << 30 << "s1000" << 112 << "-88,4 100x88" << 10;
    // Four groups of 100 on a page 200 wide: room to scroll either way.
    const QString four = QStringLiteral("100 100 100 100");
    QTest::newRow("wheel towards the user scrolls 80") << four << 200 << "w-120" << 80 << QString() << 11;
    QTest::newRow("wheel away at the start stays") << four << 200 << "w120" << 0 << QString() << 1;
    QTest::newRow("horizontal wheel scrolls too") << four << 200 << "h-120" << 80 << QString() << 11;
    QTest::newRow("arrows scroll by 120") << four << 200 << "> > <" << 120 << QString() << 11;
}

void tst_KIVQRibbonLayout::pageGroupLayout()
{
    QFETCH(QString, groups);
    QFETCH(int, width);
    QFETCH(QString, inputs);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QFETCH(int, arrows);
    KIVQRibbonPage page(QStringLiteral("home"), QString());
    fillPage(page, groups);
    page.resize(width, 96);
    page.show();
    for (const QString& input : inputs.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = input.mid(1).toInt();
        if (KIVQRibbonButton* button = arrow(page, input)) {
            if (button->isEnabled())
                button->click();
        } else if (input.startsWith(QLatin1Char('s'))) {
            page.scrollBy(n);
        } else {
            const QPoint angle = input.startsWith(QLatin1Char('w')) ? QPoint(0, n) : QPoint(n, 0);
            QWheelEvent wheel(QPointF(50, 50), QPointF(page.mapToGlobal(QPoint(50, 50))), QPoint(), angle, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&page, &wheel);
        }
    }
    QCOMPARE(page.scrollOffset(), offset);
    if (!expected.isEmpty())
        QCOMPARE(geometries(pageGroups(page)), expected);
    const bool overflow = arrows >= 0;
    QCOMPARE(page.groupAt(0)->x(), (overflow ? 20 : 0) - offset + 4);
    QCOMPARE(page.isOverflowing(), overflow);
    KIVQRibbonButton* left = arrow(page, QStringLiteral("<"));
    KIVQRibbonButton* right = arrow(page, QStringLiteral(">"));
    QCOMPARE(!left->isHidden() && !right->isHidden(), overflow);
    if (overflow) {
        QCOMPARE(left->isEnabled() * 10 + right->isEnabled(), arrows);
        QCOMPARE(geometries(QList<QWidget*>{left, right}), QStringLiteral("0,0 20x96; %1,0 20x96").arg(width - 20));
    }
}

void tst_KIVQRibbonLayout::pageKeepsItsGroups()
{
    KIVQRibbonPage page(QStringLiteral("home"), QString());
    KIVQRibbonGroup* b = page.addGroup(QStringLiteral("b"), QString());
    KIVQRibbonGroup* a = page.insertGroup(-5, QStringLiteral("a"), QStringLiteral("A"));
    KIVQRibbonGroup* c = page.insertGroup(100, QStringLiteral("c"), QStringLiteral("C"));
    QCOMPARE(pageGroups(page), (QList<QWidget*>{a, b, c}));
    QCOMPARE(page.groupById(QStringLiteral("c")), c);

    QVERIFY(page.removeGroup(b));
    QVERIFY(!page.removeGroup(b));
    QPointer<KIVQRibbonGroup> removed(b);
    QVERIFY(b->isHidden());
    QTRY_VERIFY(!removed);
    // A group deleted behind the page's back leaves the row.
    delete a;
    QCOMPARE(pageGroups(page), (QList<QWidget*>{c}));
    page.resize(100, 96);
    page.scrollBy(50);
    page.clearGroups();
    QCOMPARE(page.groupCount(), 0);
    QCOMPARE(page.scrollOffset(), 0);
}

void tst_KIVQRibbonLayout::galleryPaging_data()
{
    QTest::addColumn<bool>("onGroup"); // a group's gallery of grid x grid, resized to 300x60; else a plain 3x2
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("perScreen");
    QTest::addColumn<QString>("arrows"); // "^" and "v" enabled as 1 or 0
    QTest::addColumn<QSize>("hint");
    const QSize plain(218, 60), one(86, 32);
    QTest::newRow("v moves to the last screenful, first 1") << false << 3 << 7 << "v" << 1 << 6 << "10" << plain;
    QTest::newRow("^ returns to the start") << false << 3 << 7 << "v ^" << 0 << 6 << "01" << plain;
    QTest::newRow("no items: both arrows off") << false << 3 << 0 << "v" << 0 << 6 << "00" << plain;
    QTest::newRow("exactly one screenful") << false << 3 << 6 << "v" << 0 << 6 << "00" << plain;
    QTest::newRow("three screenfuls, two steps") << false << 3 << 15 << "v v" << 9 << 6 << "10" << plain;
    QTest::newRow("largest int grid is capped")
        << true << INT_MAX << 3 << "v" << 0 << 3 << "00" << QSize(1000 * 66 + 20, 1000 * 28 + 4);
    QTest::newRow("smallest int grid is one cell") << true << INT_MIN << 3 << "v" << 1 << 1 << "11" << one;
}

void tst_KIVQRibbonLayout::galleryPaging()
{
    QFETCH(bool, onGroup);
    QFETCH(int, grid);
    QFETCH(int, items);
    QFETCH(QString, presses);
    QFETCH(int, first);
    QFETCH(int, perScreen);
    QFETCH(QString, arrows);
    QFETCH(QSize, hint);
    KIVQRibbonGroup group(QStringLiteral("g"), QString());
    KIVQRibbonGallery plainGallery;
    KIVQRibbonGallery& gallery = onGroup ? *group.addGallery(grid, grid) : plainGallery;
    QCOMPARE(gallery.sizeHint(), hint);
    gallery.resize(onGroup ? QSize(300, 60) : hint);
    for (int i = 0; i < items; ++i)
        gallery.addItem(QStringLiteral("bed%1").arg(i), QString::number(i), QString());
    for (const QString& press : presses.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        arrow(gallery, press)->click();
    QCOMPARE(gallery.firstVisibleIndex(), first);
    QCOMPARE(QString::number(arrow(gallery, QStringLiteral("^"))->isEnabled()) +
                 QString::number(arrow(gallery, QStringLiteral("v"))->isEnabled()),
             arrows);
    QVERIFY(arrow(gallery, QStringLiteral("..."))->isEnabled());
    QStringList shown, expected;
    for (KIVQRibbonButton* cell : shownCells(gallery))
        shown << cell->text();
    for (int i = first; i < qMin(first + perScreen, items); ++i)
        expected << QString::number(i);
    QCOMPARE(shown, expected);
    if (onGroup)
        QCOMPARE(group.sizeHint().width(), hint.width() + 12);
}

void tst_KIVQRibbonLayout::galleryGeometry()
{
    KIVQRibbonGallery gallery;
    for (int i = 0; i < 7; ++i)
        gallery.addItem(QStringLiteral("c%1").arg(i), QString(), QString());
    gallery.resize(218, 60);
    gallery.show();
    QCOMPARE(geometries(shownCells(gallery)),
             QStringLiteral("0,0 64x29; 65,0 64x29; 130,0 64x29; 0,30 64x29; 65,30 64x29; 130,30 64x29"));
    const auto strip = [&] {
        return geometries(QList<QWidget*>{arrow(gallery, QStringLiteral("^")), arrow(gallery, QStringLiteral("v")),
                                          arrow(gallery, QStringLiteral("..."))});
    };
    QCOMPARE(strip(), QStringLiteral("198,0 20x20; 198,20 20x20; 198,40 20x20"));
    // A short gallery keeps its arrows 16 high; "..." gets what is left, never less than nothing.
    gallery.resize(100, 30);
    QCOMPARE(strip(), QStringLiteral("80,0 20x16; 80,16 20x16; 80,32 20x0"));
}

void tst_KIVQRibbonLayout::galleryActions()
{
    KIVQRibbonGallery gallery;
    gallery.resize(218, 60);
    QList<QAction*> actions;
    for (int i = 0; i < 8; ++i)
        actions << gallery.addItem(QStringLiteral("bed%1").arg(i), QStringLiteral("Bed %1").arg(i), QString());
    QAction external(QStringLiteral("Corridor"));
    gallery.addAction(&external);
    gallery.addAction(&external);
    gallery.addAction(nullptr);
    actions << &external;
    QCOMPARE(gallery.count(), 9);

    arrow(gallery, QStringLiteral("..."))->click();
    QPointer<KIVQRibbonMenu> menu = gallery.findChild<KIVQRibbonMenu*>();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->actions(), actions);
    QCOMPARE(menu->pos(), gallery.mapToGlobal(QPoint(0, gallery.height())));
    menu->hide();
    QTRY_VERIFY(!menu);
    QCOMPARE(gallery.count(), 9);

    // Clearing deletes the gallery's own items and lets go of outside ones.
    QPointer<QAction> item = actions.first();
    QSignalSpy items(&gallery, &KIVQRibbonGallery::itemTriggered);
    gallery.clearItems();
    QCOMPARE(gallery.count(), 0);
    QTRY_VERIFY(!item);
    external.trigger();
    QCOMPARE(items.count(), 0);
    // An action destroyed while shown leaves the gallery with it.
    auto* gone = new QAction(QStringLiteral("Bed 2"));
    gallery.addAction(gone);
    delete gone;
    QCOMPARE(gallery.count(), 0);
}

void tst_KIVQRibbonLayout::barSeam()
{
    FakeHost host;
    host.height = 120;
    KIVQRibbonPage page(QStringLiteral("home"), QStringLiteral("Home"));
    page.setRibbonHost(&host);
    page.setTitle(QStringLiteral("Ward"));
    QCOMPARE(host.titleChanges, 1);
    KIVQRibbonGroup* group = page.addGroup(QStringLiteral("g"), QStringLiteral("Orders"));
    QCOMPARE(page.sizeHint().height(), 120);
    QCOMPARE(group->sizeHint().height(), 112);

    // The command and the commands of its menu, through sub-menus, without separators.
    QAction order(QStringLiteral("Order"));
    auto* menu = new KIVQRibbonMenu;
    QAction* lab = menu->addCommand(QStringLiteral("lab"), QStringLiteral("Lab"));
    menu->addSeparator();
    auto* sub = new KIVQRibbonMenu(QStringLiteral("Imaging"), menu);
    QAction* xray = sub->addCommand(QStringLiteral("xray"), QStringLiteral("X-ray"));
    menu->addMenu(sub);
    group->addAction(&order, KIV_RIBBON_LARGE, KIV_RIBBON_POPUP_SPLIT, menu);
    QCOMPARE(host.registered, (QList<QAction*>{&order, lab, xray}));
    QCOMPARE(group->addAction(nullptr, KIV_RIBBON_LARGE, KIV_RIBBON_POPUP_NONE, nullptr), nullptr);
    QCOMPARE(group->addMenu(nullptr, KIV_RIBBON_SMALL, KIV_RIBBON_POPUP_INSTANT)->text(), QStringLiteral("Menu"));

    QSignalSpy groupTriggers(group, &KIVQRibbonGroup::actionTriggered);
    order.trigger();
    QCOMPARE(groupTriggers.count(), 1);
    QCOMPARE(groupTriggers.at(0).at(0).value<QAction*>(), &order);

    KIVQRibbonGallery* gallery = group->addGallery(3, 2);
    QSignalSpy items(gallery, &KIVQRibbonGallery::itemTriggered);
    gallery->addItem(QStringLiteral("bed4"), QStringLiteral("Bed 4"), QString())->trigger();
    QCOMPARE(items.count(), 1);
    QCOMPARE(host.commands, QStringList{QStringLiteral("bed4")});
    QCOMPARE(host.registered.size(), 4);

    // Groups paint the bar's group background and title only on a bar.
    group->resize(group->sizeHint());
    const QImage image = paintedPixels(*group);
    QCOMPARE(image.pixel(2, group->height() - 10), 0xfffafcffu);
    QVERIFY(!colourBounds(image, 0xff5b6777).isEmpty());
    KIVQRibbonGroup loose(QStringLiteral("loose"), QStringLiteral("Orders"));
    loose.resize(200, 92);
    QCOMPARE(inkBox(paintedPixels(loose), 0), QRect());
}

void tst_KIVQRibbonLayout::clearedItemsLetGo()
{
    KIVQRibbonGroup group(QStringLiteral("g"), QString());
    QAction external(QStringLiteral("Chart"));
    QPointer<KIVQRibbonButton> button = group.addSmallAction(&external);
    auto* notes = new KIVQRibbonMenu(QStringLiteral("Notes"), nullptr);
    QPointer<QAction> owned = group.addMenu(notes, KIV_RIBBON_LARGE, KIV_RIBBON_POPUP_INSTANT)->ribbonAction();
    QPointer<QWidget> separator = group.addSeparator();
    QSignalSpy triggers(&group, &KIVQRibbonGroup::actionTriggered);
    group.clearItems();
    QCOMPARE(group.itemCount(), 0);
    QVERIFY(button->isHidden() && separator->isHidden());
    QTRY_VERIFY(!button && !separator && !owned);
    external.trigger();
    QCOMPARE(triggers.count(), 0);
}

QTEST_MAIN(tst_KIVQRibbonLayout)
#include "tst_KIVQRibbonLayout.moc"
