// The plain list and the tree view: the same row painting and JSON, with their differences as table rows.

#include "ViewTestHelpers.h"

#include "controls/KIVQScrollBar.h"
#include "views/KIVQList.h"
#include "views/KIVQTreeView.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

constexpr QRgb kNormal = 0xff808080;
constexpr QRgb kHover = 0xff2060c0;
constexpr QRgb kSelected = 0xffc04020;
constexpr QRgb kIcon = 0xffff0000;

// Either view, through the row styling both share, so that one test body serves both.
struct View
{
    std::unique_ptr<QAbstractItemView> widget;
    IKIVQWidgetBase* control = nullptr;
    KIVQItemRows* rows = nullptr;
};

View makeView(const QString& kind)
{
    View v;
    if (kind == QLatin1String("list")) {
        auto* list = new KIVQList;
        v = {std::unique_ptr<QAbstractItemView>(list), list, list};
    } else {
        auto* tree = new KIVQTreeView;
        v = {std::unique_ptr<QAbstractItemView>(tree), tree, tree};
    }
    return v;
}

// Rows "a", "b" and "c" (row 0 with the decoration when given), in a view of 200 x 160.
void fill(View& v, const QVariant& decoration = QVariant())
{
    if (auto* list = qobject_cast<KIVQList*>(v.widget.get())) {
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list->item(0)->setData(Qt::DecorationRole, decoration);
    } else {
        auto* model = new QStandardItemModel(v.widget.get());
        for (const char* text : {"a", "b", "c"})
            model->appendRow(new QStandardItem(QLatin1String(text)));
        model->setData(model->index(0, 0), decoration, Qt::DecorationRole);
        auto* tree = static_cast<KIVQTreeView*>(v.widget.get());
        tree->setRootIsDecorated(false);
        tree->setModel(model);
    }
    v.widget->resize(200, 160);
}

QString sheetOf(View& v, bool hor)
{
    return v.rows->scrollBar(hor)->styleSheet();
}

} // namespace

class tst_KIVQListTree : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        init();
        registerTestStyles(0xff000000);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }
    void hoveredSelectedRowState_data();
    void hoveredSelectedRowState();
    void iconByRowHeight_data();
    void iconByRowHeight();
    void treeCellWidth_data();
    void treeCellWidth();
    void attrWritten_data();
    void attrWritten();
    void elementWithoutAttrKeepsSettings_data();
    void elementWithoutAttrKeepsSettings();
    void headerStaysHidden();
    void scrollBarSheets_data();
    void scrollBarSheets();
    void scrollBarBlocksByPrefix_data();
    void scrollBarBlocksByPrefix();
};

void tst_KIVQListTree::hoveredSelectedRowState_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("list: hover wins") << QStringLiteral("list") << kHover;
    QTest::newRow("tree: selection wins") << QStringLiteral("tree") << kSelected;
}

// Row 0 selected and under the mouse; its fill and text take the winning state's styles.
void tst_KIVQListTree::hoveredSelectedRowState()
{
    QFETCH(QString, kind);
    QFETCH(QRgb, fill);
    View v = makeView(kind);
    ::fill(v);
    const QRgb colours[] = {kNormal, kHover, kSelected, 0xff000000};
    for (int s = 0; s < 3; ++s) {
        v.rows->setItemBackground(CtrlState(s), namedFill(QStringLiteral("f%1").arg(s), colours[s]));
        v.rows->setItemTextStyle(CtrlState(s), pinnedCaption(QStringLiteral("t%1").arg(s), colours[(s + 1) % 3], 14));
    }
    v.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.widget.get()));
    v.widget->setCurrentIndex(v.widget->model()->index(0, 0));
    QHoverEvent hover(QEvent::HoverMove, QPoint(150, 10), QPoint(150, 60));
    QApplication::sendEvent(v.widget->viewport(), &hover);

    const QImage image = v.widget->viewport()->grab().toImage();
    QCOMPARE(image.pixel(150, 10), fill);
    QCOMPARE(image.pixel(150, 30), kNormal);
    const QRgb text = fill == kHover ? kSelected : kNormal; // the winner's text colour
    QVERIFY(!inkOf(image, text, QRect(0, 0, 100, 20)).isEmpty());
}

void tst_KIVQListTree::iconByRowHeight_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<QString>("decoration"); // "icon", "name" (a theme image) or "int"
    QTest::addColumn<int>("iconSize");       // 0: no icon drawn
    for (const char* kind : {"list", "tree"}) {
        for (const auto& [h, s] : {std::pair{20, 16}, {40, 32}})
            QTest::addRow("%s: icon at row height %d", kind, h) << QString::fromLatin1(kind) << h << "icon" << s;
        QTest::addRow("%s: theme image", kind) << QString::fromLatin1(kind) << 28 << "name" << 24;
        QTest::addRow("%s: int decoration", kind) << QString::fromLatin1(kind) << 40 << "int" << 0;
    }
}

// The icon is centred in a box 4 pixels wider than itself; the text starts after 4 + the icon size.
void tst_KIVQListTree::iconByRowHeight()
{
    QFETCH(QString, kind);
    QFETCH(int, rowHeight);
    QFETCH(QString, decoration);
    QFETCH(int, iconSize);
    QPixmap pixmap(64, 64);
    pixmap.fill(QColor::fromRgba(kIcon));
    cacheImage(QStringLiteral("rowIcon"), QSize(24, 24), kIcon);
    QVariant value = QIcon(pixmap);
    if (decoration == QLatin1String("name"))
        value = QStringLiteral("rowIcon");
    else if (decoration == QLatin1String("int"))
        value = 5;

    View v = makeView(kind);
    ::fill(v, value);
    v.rows->setItemHeight(rowHeight);
    v.rows->setItemBackground(CtrlState(kAllStates), namedFill(QStringLiteral("f"), kNormal));
    v.rows->setItemTextStyle(CtrlState(kAllStates), pinnedCaption(QStringLiteral("t"), 0xff000000, 14));
    v.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.widget.get()));
    const QImage image = v.widget->viewport()->grab().toImage();

    const QRect row(0, 0, 200, rowHeight);
    QCOMPARE(image.pixel(image.width() - 1, rowHeight - 1), kNormal); // rows span the viewport
    const QRect icon = inkOf(image, kIcon, row);
    if (iconSize) {
        const int top = (rowHeight - iconSize) / 2;
        QCOMPARE(icon, QRect(2, top, iconSize, iconSize));
    } else {
        QVERIFY(icon.isEmpty());
    }
    const int textLeft = inkOf(image, 0xff000000, row).left();
    const int start = 4 + (decoration == QLatin1String("int") ? 32 : iconSize);
    QVERIFY2(textLeft >= start && textLeft <= start + 2, qPrintable(QString::number(textLeft)));
}

void tst_KIVQListTree::treeCellWidth_data()
{
    QTest::addColumn<int>("itemHeight");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QSize>("extra"); // beyond 4 + the width of "ab"
    QTest::newRow("height 0 is 20") << 0 << false << QSize(0, 20);
    QTest::newRow("icon adds 4 + 16") << 0 << true << QSize(20, 20);
    QTest::newRow("tall row, larger icon") << 40 << true << QSize(36, 40);
}

void tst_KIVQListTree::treeCellWidth()
{
    QFETCH(int, itemHeight);
    QFETCH(bool, withIcon);
    QFETCH(QSize, extra);
    KIVQTreeView tree;
    const TextStyleDesc style = pinnedTextStyle(QStringLiteral("t"), 0xff000000, 15);
    tree.setItemTextStyle(CtrlState(kAllStates), style);
    tree.setItemHeight(itemHeight);
    QStandardItemModel model;
    auto* item = new QStandardItem(QStringLiteral("ab"));
    if (withIcon) {
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        item->setIcon(QIcon(pixmap));
    }
    model.appendRow(item);
    tree.setModel(&model);
    const QSize hint = tree.itemDelegate()->sizeHint(QStyleOptionViewItem(), model.index(0, 0));
    const int text = 4 + QFontMetrics(KIVQPaintHelpers::styleFont(style)).horizontalAdvance(QStringLiteral("ab"));
    QCOMPARE(hint, QSize(text + extra.width(), extra.height()));
    tree.setModel(nullptr);
}

void tst_KIVQListTree::attrWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("selectionMode"); // -1: left as built
    QTest::addColumn<int>("itemHeight");    // -1: left as built
    QTest::addColumn<QByteArray>("attr");
    const QByteArray none = "null";
    QTest::newRow("tree at 20 writes nothing") << "tree" << -1 << 20 << none;
    QTest::newRow("list height 0") << "list" << -1 << 0 << QByteArray(R"({"itemHeight":0})");
    QTest::newRow("multiple selection") << "list" << int(QAbstractItemView::MultiSelection) << -1
                                        << QByteArray(R"({"multiselect":true})");
    QTest::newRow("extended selection is not written")
        << "list" << int(QAbstractItemView::ExtendedSelection) << -1 << none;
}

void tst_KIVQListTree::attrWritten()
{
    QFETCH(QString, kind);
    QFETCH(int, selectionMode);
    QFETCH(int, itemHeight);
    QFETCH(QByteArray, attr);
    View v = makeView(kind);
    if (selectionMode >= 0)
        v.widget->setSelectionMode(QAbstractItemView::SelectionMode(selectionMode));
    if (itemHeight >= 0)
        v.rows->setItemHeight(itemHeight);
    const Json::Value e = writeControl(v.control);
    QCOMPARE(compactJson(e["attr"]), attr);
}

void tst_KIVQListTree::elementWithoutAttrKeepsSettings_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("element");
    QTest::newRow("list: no attr") << "list" << QByteArray(R"({"style": []})");
    QTest::newRow("tree: other keys") << "tree" << QByteArray(R"({"attr": {"x": 1}})");
}

void tst_KIVQListTree::elementWithoutAttrKeepsSettings()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, element);
    View v = makeView(kind);
    v.widget->setSelectionMode(QAbstractItemView::MultiSelection);
    v.rows->setItemHeight(33);
    Json::Value e = parseJson(element);
    QVERIFY(v.control->readJsonValue(&e));
    QCOMPARE(v.widget->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(writeControl(v.control)["attr"]["itemHeight"].asInt(), 33);
}

void tst_KIVQListTree::headerStaysHidden()
{
    KIVQTreeView tree;
    tree.setHeaderBgStyle(CtrlState(kAllStates), namedFill(QStringLiteral("Fill"), kNormal));
    tree.setHeaderTextStyle(CtrlState(kAllStates), namedText(QStringLiteral("Text"), kNormal));
    QVERIFY(readStyle(&tree, R"([["Fill", 1, 10], ["Text", 2, 14]])"));
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QVERIFY(tree.header()->isHidden());
    QVERIFY(tree.isHeaderHidden());
}

void tst_KIVQListTree::scrollBarSheets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("list") << "list"
                          << "QScrollBar::vertical{ width:8; } QScrollBar::horizontal{ height:8; } "
                             "QScrollBar::add-line:vertical{ width:8px;width:8px; subcontrol-origin: margin;} "
                             "QScrollBar::sub-line:vertical{ width:8px;width:8px;subcontrol-origin: margin; }";
    QTest::newRow("tree") << "tree"
                          << "QScrollBar::vertical{ width:8; } QScrollBar::horizontal{ height:8; } ";
}

// Either bool gives both bars the one sheet; the button size leaves it.
void tst_KIVQListTree::scrollBarSheets()
{
    QFETCH(QString, kind);
    QFETCH(QString, sheet);
    for (bool hor : {true, false}) {
        View v = makeView(kind);
        v.rows->setScrollbarSize(hor, 8);
        v.rows->setScrollbarBtnSize(!hor, 30);
        QCOMPARE(sheetOf(v, true), sheet);
        QCOMPARE(sheetOf(v, false), sheet);
    }
}

void tst_KIVQListTree::scrollBarBlocksByPrefix_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("applied");
    for (const char* kind : {"list", "tree"}) {
        QTest::addRow("%s: scrollbar", kind) << QString::fromLatin1(kind) << QByteArray("scrollbar") << true;
        QTest::addRow("%s: scrollbarV", kind) << QString::fromLatin1(kind) << QByteArray("scrollbarV") << true;
        QTest::addRow("%s: qtscrollbar", kind) << QString::fromLatin1(kind) << QByteArray("qtscrollbar") << false;
    }
}

void tst_KIVQListTree::scrollBarBlocksByPrefix()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, type);
    QFETCH(bool, applied);
    View v = makeView(kind);
    const QString before = sheetOf(v, false);
    Json::Value e = parseJson(R"({"child": [{"type": ")" + type +
                              R"(", "w": 9, "attr": {"thumbicon": "t.svg"}, "style": [["Other", 1, 10]]}]})");
    QVERIFY(v.control->readJsonValue(&e));
    QCOMPARE(sheetOf(v, false).contains(QLatin1String("width:9;")), applied);
    QCOMPARE(sheetOf(v, true) == before, !applied);
}

QTEST_MAIN(tst_KIVQListTree)
#include "tst_KIVQListTree.moc"
