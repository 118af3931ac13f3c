#include "ViewTestHelpers.h"

#include "controls/KIVQPushButton.h"
#include "controls/KIVQScrollBar.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQTableHeader.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTableViewImpl.h"
#include "views/KIVQTableViewitemDelegate.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

const QRgb kNormal = 0xfff0f0f0;
const QRgb kHover = 0xff00c000;
const QRgb kSelected = 0xffc00000;
const QRgb kInk = 0xff101010;
const QRgb kBlue = 0xff0000ff;

// A shown table of rows x columns with "r c" texts, plain state fills and a dark text style.
struct Table
{
    KIVQTableView view;
    QStandardItemModel model;

    Table(int rows, int columns) : model(rows, columns)
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                model.setItem(r, c, new QStandardItem(QStringLiteral("%1 %2").arg(r).arg(c)));
        }
        view.setModel(&model);
        view.setItemBackground(CtrlState(kAllStates), namedFill(QString(), kNormal));
        view.setItemBackground(CtrlHover, namedFill(QString(), kHover));
        view.setItemBackground(CtrlPressed, namedFill(QString(), kSelected));
        view.setItemTextStyle(CtrlState(kAllStates), namedText(QString(), kInk));
        view.setItemHeight(30);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QRect cell(int row, int column) const { return view.visualRect(model.index(row, column)); }
    QImage viewportImage() { return view.viewport()->grab().toImage(); }
};

QString slotLetters(const KIVQTableView& t)
{
    return QStringLiteral("b%1 i%2 t%3 h%4 s%5")
        .arg(letter(t.getBackground().name), letters(t.impl()->itemBackgrounds), letters(t.impl()->itemTextStyles),
             letters(t.impl()->headerBackgrounds), letters(t.impl()->headerTextStyles));
}

} // namespace

class tst_KIVQTableView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void styleCodes_data();
    void styleCodes();
    void attrSetsTheViewAndAbsentKeysKeepIt();
    void scrollBarSheet();
    void scrollBarBlocks_data();
    void scrollBarBlocks();
    void cellFillByState_data();
    void cellFillByState();
    void textStartInCheckColumn_data();
    void textStartInCheckColumn();
    void centredIconWithoutText();
    void checkImagesFollowStates();
    void checkToggle_data();
    void checkToggle();
    void headerCheckLeavesRows();
    void columnWidgetClicks_data();
    void columnWidgetClicks();
    void deletedColumnWidgetCountsAsNone();
    void selectedRowsOncePerRow();
    void hiddenTableShowsAsShownOne_data();
    void hiddenTableShowsAsShownOne();
};

void tst_KIVQTableView::initTestCase()
{
    init();
    registerTestStyles(kInk);
}

// Where each run starts and ends; the run's own reading (overrides, unknown names) is the shared reader's.
void tst_KIVQTableView::styleCodes_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QString>("expected");
    const QString none = QStringLiteral("b- i---- t---- h---- s----");
    QTest::newRow("0 background") << QByteArray(R"([["Fill",1,0]])") << "bF i---- t---- h---- s----";
    QTest::newRow("1 ignored") << QByteArray(R"([["Fill",1,1]])") << none;
    QTest::newRow("2 all item fills") << QByteArray(R"([["Fill",1,2]])") << "b- iFFFF t---- h---- s----";
    QTest::newRow("5 disabled item fill") << QByteArray(R"([["Fill",1,5]])") << "b- i---F t---- h---- s----";
    QTest::newRow("6 all item texts") << QByteArray(R"([["Text",2,6]])") << "b- i---- tTTTT h---- s----";
    QTest::newRow("9 disabled item text") << QByteArray(R"([["Text",2,9]])") << "b- i---- t---T h---- s----";
    QTest::newRow("10 all header fills") << QByteArray(R"([["Fill",1,10]])") << "b- i---- t---- hFFFF s----";
    QTest::newRow("13 disabled header fill") << QByteArray(R"([["Fill",1,13]])") << "b- i---- t---- h---F s----";
    QTest::newRow("14 all header texts") << QByteArray(R"([["Text",2,14]])") << "b- i---- t---- h---- sTTTT";
    QTest::newRow("17 disabled header text") << QByteArray(R"([["Text",2,17]])") << "b- i---- t---- h---- s---T";
    QTest::newRow("18 ignored") << QByteArray(R"([["Fill",1,18],["Text",2,18]])") << none;
}

void tst_KIVQTableView::styleCodes()
{
    QFETCH(QByteArray, style);
    QFETCH(QString, expected);
    KIVQTableView t;
    QVERIFY(readStyle(&t, style));
    QCOMPARE(slotLetters(t), expected);
}

// The keys set the view's own selection and row and header heights, and an element that lacks them (or
// holds the wrong type) leaves them; the write-back is the contract's.
void tst_KIVQTableView::attrSetsTheViewAndAbsentKeysKeepIt()
{
    const QByteArray elements[] = {R"({})", R"({"attr":null})", R"({"attr":{}})",
                                   R"({"attr":{"itemHeight":"x","multiselect":"yes","uncheckImg":{}}})"};
    for (const QByteArray& text : elements) {
        KIVQTableView t;
        Json::Value set =
            parseJson(R"({"attr":{"multiselect":true,"itemHeight":26,"checkedImg":"c","uncheckImg":"u"}})");
        QVERIFY(t.readJsonValue(&set));
        Json::Value e = parseJson(text);
        QVERIFY(t.readJsonValue(&e));
        QCOMPARE(t.horizontalHeader()->height(), 26);
        QCOMPARE(t.verticalHeader()->defaultSectionSize(), 26);
        t.setItemHeight(0); // refused, as any height below 1
        QCOMPARE(t.getItemHeight(), 26);
        QCOMPARE(t.selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(t.getCheckedImage(), QStringLiteral("c"));
        QCOMPARE(t.getUncheckedImage(), QStringLiteral("u"));
    }
}

QString sheet(int size, int buttons)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%1; } "
                          "QScrollBar::add-line:vertical{ width:%2px;width:%2px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%2px;width:%2px;subcontrol-origin: margin; }")
        .arg(size)
        .arg(buttons);
}

void tst_KIVQTableView::scrollBarSheet()
{
    KIVQTableView t;
    t.setScrollbarBtnSize(true, 9);
    QVERIFY(t.scrollBar(true)->styleSheet().isEmpty()); // the size waits for the thickness
    t.setScrollbarSize(false, 12);
    QCOMPARE(t.scrollBar(false)->styleSheet(), sheet(12, 9));
    QCOMPARE(t.scrollBar(true)->styleSheet(), sheet(12, 9));
}

void tst_KIVQTableView::scrollBarBlocks_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("bars"); // up icon and background name of the vertical, then the horizontal bar
    QTest::newRow("vertical block without w or h: thickness 0")
        << QByteArray(R"({"type":"scrollbar","attr":{"upicon":"v.svg","size":7},"style":[["Fill",1,0]]})")
        << sheet(0, 7) << "v.svg F | kept -";
    QTest::newRow("qtscrollbar styles the horizontal bar")
        << QByteArray(R"({"type":"qtscrollbar","attr":{"hor":true,"upicon":"h.svg"},"h":14,"w":3,)"
                      R"("style":[["Fill",1,0]]})")
        << sheet(14, 23) << "kept - | h.svg F";
    QTest::newRow("the word anywhere counts")
        << QByteArray(R"({"type":"myscrollbar2","w":8})") << sheet(8, 23) << "kept - | kept -";
    QTest::newRow("a block without attr keeps the icons")
        << QByteArray(R"({"type":"scrollbar","w":5})") << sheet(5, 23) << "kept - | kept -";
    QTest::newRow("other types are skipped")
        << QByteArray(R"({"type":"scroll","w":8})") << QString() << "kept - | kept -";
}

void tst_KIVQTableView::scrollBarBlocks()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, sheet);
    QFETCH(QString, bars);
    KIVQTableView t;
    for (bool hor : {false, true})
        t.setScrollbarButtonIcon(hor, true, QStringLiteral("kept"));
    Json::Value e = parseJson("{\"child\":[" + block + "]}");
    QVERIFY(t.readJsonValue(&e));
    QCOMPARE(t.scrollBar(false)->styleSheet(), sheet);
    QString seen;
    for (bool hor : {false, true}) {
        const KIVQScrollBar* bar = t.scrollBar(hor);
        seen += QStringLiteral("%1 %2%3").arg(bar->getScrollbarBtnIcon(true),
                                              letter(bar->getScrollbarBackground().name), hor ? "" : " | ");
    }
    QCOMPARE(seen, bars);
    QVERIFY(!writeControl(&t).isMember("child"));
}

void tst_KIVQTableView::cellFillByState_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("hovered");
    QTest::addColumn<int>("probed");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("plain row") << -1 << -1 << 1 << kNormal;
    QTest::newRow("hovered row") << -1 << 1 << 1 << kHover;
    QTest::newRow("selected row") << 1 << -1 << 1 << kSelected;
    QTest::newRow("selected and hovered: selected wins") << 1 << 1 << 1 << kSelected;
    QTest::newRow("another row hovered") << 1 << 2 << 2 << kHover;
}

void tst_KIVQTableView::cellFillByState()
{
    QFETCH(int, selected);
    QFETCH(int, hovered);
    QFETCH(int, probed);
    QFETCH(QRgb, colour);
    Table t(4, 2);
    if (selected >= 0)
        t.view.selectRow(selected);
    if (hovered >= 0)
        sendMouse(t.view.viewport(), QEvent::MouseMove, t.cell(hovered, 1).center());
    const QPoint probe = t.cell(probed, 0).topLeft() + QPoint(1, 1);
    QCOMPARE(t.viewportImage().pixel(probe), colour);
    sendEvent(&t.view, QEvent::Leave);
    QCOMPARE(t.viewportImage().pixel(probe), probed == selected ? kSelected : kNormal);
}

void tst_KIVQTableView::textStartInCheckColumn_data()
{
    QTest::addColumn<bool>("checkStyle");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<int>("shift");
    QTest::newRow("no check column") << false << QSize() << 0;
    QTest::newRow("default 24x24 image: inner left + 34") << true << QSize() << 34;
    QTest::newRow("a wider image moves the text by its width") << true << QSize(40, 20) << 50;
}

void tst_KIVQTableView::textStartInCheckColumn()
{
    QFETCH(bool, checkStyle);
    QFETCH(QSize, image);
    QFETCH(int, shift);
    Table plain(2, 2);
    const QRect reference = inkOf(plain.viewportImage(), kInk, plain.cell(0, 0));
    QVERIFY(!reference.isEmpty());

    Table t(2, 2);
    t.view.setCheckstyle(checkStyle);
    if (image.isValid()) {
        cacheImage(QStringLiteral("wide.png"), image, kBlue);
        t.view.setCheckBoxImage(false, QStringLiteral("wide.png"));
    }
    const QRect ink = inkOf(t.viewportImage(), kInk, t.cell(0, 0).adjusted(30 * checkStyle, 0, 0, 0));
    QCOMPARE(ink.left() - reference.left(), shift);
}

void tst_KIVQTableView::centredIconWithoutText()
{
    cacheImage(QStringLiteral("dot.png"), QSize(10, 10), kBlue);
    Table t(2, 2);
    t.view.setColumnWidth(1, 120);
    QStandardItem* item = t.model.item(0, 1);
    item->setText(QString());
    item->setData(QStringLiteral("dot.png"), KIVQTableViewitemDelegate::IconRole);
    item->setData(int(Qt::AlignHCenter | Qt::AlignVCenter), Qt::TextAlignmentRole);
    const QRect cell = t.cell(0, 1);
    const QRect inner = cell.adjusted(2, 2, -2, -2);
    const QRect ink = inkOf(t.viewportImage(), kBlue, cell);
    QCOMPARE(ink.size(), QSize(10, 10));
    QCOMPARE(ink.left(), inner.left() + (inner.width() - 10) / 2);
}

void tst_KIVQTableView::checkImagesFollowStates()
{
    const QRgb on = 0xff00ff00;
    cacheImage(QStringLiteral("on.png"), QSize(16, 16), on);
    cacheImage(QStringLiteral("off.png"), QSize(16, 16), kBlue);
    Table t(2, 2);
    t.view.setCheckstyle(true);
    t.view.setCheckBoxImage(true, QStringLiteral("on.png"));
    t.view.setCheckBoxImage(false, QStringLiteral("off.png"));
    t.model.item(0, 0)->setCheckState(Qt::Checked);
    const QImage cells = t.viewportImage();
    const QRect checked = inkOf(cells, on, t.cell(0, 0));
    QCOMPARE(checked, QRect(t.cell(0, 0).left() + 5, t.cell(0, 0).top() + 7, 16, 16));
    QCOMPARE(inkOf(cells, kBlue, t.cell(1, 0)).size(), QSize(16, 16));
    QVERIFY(inkOf(cells, on, t.cell(1, 0)).isEmpty());

    KIVQTableHeader* header = t.view.tableHeader(Qt::Horizontal);
    QCOMPARE(inkOf(header->viewport()->grab().toImage(), kBlue, header->viewport()->rect()).left(), 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
    QVERIFY(t.view.isHeaderChecked());
    QCOMPARE(inkOf(header->viewport()->grab().toImage(), on, header->viewport()->rect()).left(), 5);
}

void tst_KIVQTableView::checkToggle_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("x"); // from the cell's left edge
    QTest::addColumn<QVariant>("afterFirst");
    QTest::addColumn<QVariant>("afterSecond");
    const QVariant on(int(Qt::Checked));
    const QVariant off(int(Qt::Unchecked));
    QTest::newRow("in the check area") << false << 15 << on << off;
    QTest::newRow("checkable item toggles once a click") << true << 15 << on << off;
    QTest::newRow("right of the check area") << false << 60 << QVariant() << QVariant();
}

void tst_KIVQTableView::checkToggle()
{
    QFETCH(bool, checkable);
    QFETCH(int, x);
    QFETCH(QVariant, afterFirst);
    QFETCH(QVariant, afterSecond);
    Table t(3, 2);
    t.view.setCheckstyle(true);
    t.model.item(1, 0)->setCheckable(checkable);
    if (checkable)
        t.model.item(1, 0)->setCheckState(Qt::Unchecked);
    const QRect cell = t.cell(1, 0);
    const QPoint at(cell.left() + x, cell.center().y());
    const auto state = [&] {
        const QVariant v = t.model.item(1, 0)->data(Qt::CheckStateRole);
        return v.isValid() ? QVariant(v.toInt()) : QVariant();
    };
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(state(), afterFirst);
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, at + QPoint(0, 1));
    QCOMPARE(state(), afterSecond);
}

void tst_KIVQTableView::headerCheckLeavesRows()
{
    Table t(3, 2);
    t.model.item(0, 0)->setCheckState(Qt::Checked);
    KIVQTableHeader* header = t.view.tableHeader(Qt::Horizontal);
    QSignalSpy spy(&t.view, &KIVQTableView::headerCheckedChanged);
    const QPoint area(5 + 12, header->height() / 2);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, area);
    QCOMPARE(spy.count(), 0); // check style off: the area is plain header

    t.view.setCheckstyle(true);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, area);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(80, area.y()));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, area);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QCOMPARE(t.model.item(0, 0)->checkState(), Qt::Checked);
    QVERIFY(!t.model.item(1, 0)->data(Qt::CheckStateRole).isValid());
}

void tst_KIVQTableView::columnWidgetClicks_data()
{
    QTest::addColumn<int>("x"); // from the cell's left edge
    QTest::addColumn<QString>("reported");
    QTest::newRow("first button") << 15 << "first";
    QTest::newRow("second button") << 60 << "second";
    QTest::newRow("gap between them") << 42 << "";
    QTest::newRow("right of both") << 100 << "";
}

void tst_KIVQTableView::columnWidgetClicks()
{
    QFETCH(int, x);
    QFETCH(QString, reported);
    Table t(3, 2);
    t.view.setColumnWidth(1, 150);
    KIVQContainer container;
    for (auto [name, left] : {std::pair{"first", 5}, std::pair{"second", 50}}) {
        auto* button = new KIVQPushButton(&container);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(QRect(left, 2, 30, 20));
    }
    t.view.setColumnWidget(1, &container);
    QVERIFY(container.isHidden());
    QSignalSpy spy(&t.view, &KIVQTableView::customControlClicked);
    const QRect cell = t.cell(2, 1);
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + x, cell.top() + 10));
    QCOMPARE(spy.count(), reported.isEmpty() ? 0 : 1);
    if (!reported.isEmpty()) {
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(0).at(1).toString(), reported);
    }
    // The buttons' own fill shows in every cell of the column.
    QCOMPARE(t.viewportImage().pixel(t.cell(0, 1).left() + 20, t.cell(0, 1).top() + 12), 0xfff5f5f5u);
}

void tst_KIVQTableView::deletedColumnWidgetCountsAsNone()
{
    Table t(3, 2);
    auto* container = new KIVQContainer;
    (new KIVQPushButton(container))->setGeometry(0, 0, 40, 20);
    t.view.setColumnWidget(1, container);
    delete container;
    QCOMPARE(t.view.getColumnWidget(1), nullptr);
    QSignalSpy spy(&t.view, &KIVQTableView::customControlClicked);
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cell(0, 1).topLeft() + QPoint(10, 10));
    QCOMPARE(spy.count(), 0);
    const QImage image = t.viewportImage(); // paints the column as plain cells
    QVERIFY(!inkOf(image, kInk, t.cell(0, 1)).isEmpty());
}

void tst_KIVQTableView::selectedRowsOncePerRow()
{
    Table t(4, 4);
    QItemSelectionModel* selection = t.view.selectionModel();
    for (const QPoint& rc : {QPoint(3, 0), QPoint(3, 2), QPoint(3, 3), QPoint(1, 1)})
        selection->select(t.model.index(rc.x(), rc.y()), QItemSelectionModel::Select);
    QCOMPARE(t.view.selectedRows(), (QList<int>{1, 3}));
}

void tst_KIVQTableView::hiddenTableShowsAsShownOne_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current"); // -1: none
    QTest::newRow("titles only") << 0 << -1;
    QTest::newRow("few rows") << 3 << -1;
    QTest::newRow("current row far down") << 40 << 39;
}

// Filled while hidden, a table lays out its two-line header and its bars as it is shown: as one filled
// while shown, and scrolled to its current row.
void tst_KIVQTableView::hiddenTableShowsAsShownOne()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QWidget hosts[2];
    QStandardItemModel models[2];
    KIVQTableView shown(&hosts[0]);
    KIVQTableView hidden(&hosts[1]);
    hosts[0].show();
    QVERIFY(QTest::qWaitForWindowExposed(&hosts[0]));
    for (int i : {0, 1}) {
        KIVQTableView& view = i == 0 ? shown : hidden;
        hosts[i].resize(200, 200);
        view.resize(200, 200);
        view.setModel(&models[i]);
        models[i].setHorizontalHeaderLabels(
            {QStringLiteral("First\nSecond"), QStringLiteral("Value"), QStringLiteral("State")});
        for (int r = 0; r < rows; ++r)
            models[i].appendRow({new QStandardItem(QString::number(r)), new QStandardItem(QStringLiteral("v"))});
    }
    if (current >= 0)
        hidden.setCurrentIndex(models[1].index(current, 0));
    hosts[1].show();
    QVERIFY(QTest::qWaitForWindowExposed(&hosts[1]));

    QCOMPARE(hidden.horizontalHeader()->geometry(), shown.horizontalHeader()->geometry());
    QCOMPARE(hidden.viewport()->geometry(), shown.viewport()->geometry());
    QCOMPARE(hidden.horizontalScrollBar()->maximum(), shown.horizontalScrollBar()->maximum());
    QCOMPARE(hidden.verticalScrollBar()->maximum(), shown.verticalScrollBar()->maximum());
    if (current >= 0)
        QVERIFY(hidden.viewport()->rect().contains(hidden.visualRect(models[1].index(current, 0))));
    else
        QCOMPARE(hidden.grab().toImage(), shown.grab().toImage());
}

QTEST_MAIN(tst_KIVQTableView)
#include "tst_KIVQTableView.moc"
