#include "ViewTestHelpers.h"

#include "controls/KIVQLabelEx.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQScrollBar.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQListView.h"
#include "views/KIVQListViewImpl.h"
#include "views/KIVQMenuBar.h"

#include <QCursor>
#include <QStandardItemModel>
#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

const QRgb kNormal = 0xff3060a0;
const QRgb kHover = 0xff40a040;
const QRgb kSelected = 0xffc04020;
const QRgb kButton = 0xff0000ff;
const QRgb kOverlay = 0xff00ffff;
const QRgb kHighlight = qRgb(155, 202, 239);

// The application's side: each row's label shows the row's text.
void showRow(const KIVQListView*, const QWidget* itemTemplate, const QModelIndex& index)
{
    if (auto* label = itemTemplate->findChild<KIVQLabelEx*>())
        label->setText(index.data().toString());
}

QSize fixedSize(const KIVQListView*, const QStyleOptionViewItem&, const QModelIndex&)
{
    return QSize(77, 44);
}

// A view of rows made of a label (4..204), a button (220..280) and, over the label's right end, a
// later button (150..190).
struct Rows
{
    KIVQListView view;
    QStandardItemModel model;
    KIVQContainer* itemTemplate;
    KIVQLabelEx* label;
    KIVQPushButton* button;
    KIVQPushButton* overlay;

    explicit Rows(int count = 9) : model(count, 1)
    {
        for (int r = 0; r < count; ++r)
            model.setItem(r, new QStandardItem(QStringLiteral("Row %1 vital signs").arg(r)));
        itemTemplate = new KIVQContainer(&view);
        label = new KIVQLabelEx(itemTemplate);
        label->setGeometry(QRect(4, 0, 200, 30));
        button = new KIVQPushButton(itemTemplate);
        button->setGeometry(QRect(220, 4, 60, 22));
        button->setBackground(CtrlState(kAllStates), namedFill(QString(), kButton));
        overlay = new KIVQPushButton(itemTemplate);
        overlay->setGeometry(QRect(150, 4, 40, 22));
        overlay->setBackground(CtrlState(kAllStates), namedFill(QString(), kOverlay));
        view.setItemTemplate(itemTemplate);
        view.setItemDisplayCallBack(&showRow);
        view.setItemBackground(CtrlState(kAllStates), namedFill(QString(), kNormal));
        view.setItemBackground(CtrlHover, namedFill(QString(), kHover));
        view.setItemBackground(CtrlPressed, namedFill(QString(), kSelected));
        view.setModel(&model);
        view.setItemHeight(30);
        view.resize(400, 320);
        QCursor::setPos(0, 0);
        view.show();
        if (QTest::qWaitForWindowExposed(&view))
            image();
    }
    QRect row(int r) const { return view.visualRect(model.index(r, 0)); }
    QPoint at(int r, int x) const { return QPoint(row(r).left() + x, row(r).center().y()); }
    // As shown once the view has laid out what changed.
    QImage image()
    {
        QCoreApplication::processEvents();
        return view.viewport()->grab().toImage();
    }
    // With the cursor where the event says, as the delegate's hover painting reads it.
    void mouse(QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QCursor::setPos(view.viewport()->mapToGlobal(pos));
        sendMouse(view.viewport(), type, pos, buttons);
    }
    void drag(int fromRow, int fromX, int toRow, int toX)
    {
        mouse(QEvent::MouseButtonPress, at(fromRow, fromX), Qt::LeftButton);
        mouse(QEvent::MouseMove, at(fromRow, fromX + 1), Qt::LeftButton);
        for (int r = fromRow; r != toRow; r += toRow > fromRow ? 1 : -1)
            mouse(QEvent::MouseMove, at(r, 60), Qt::LeftButton);
        mouse(QEvent::MouseMove, at(toRow, toX), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at(toRow, toX));
        QCursor::setPos(0, 0);
    }
    void enableSelection()
    {
        view.setEnableSelection(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        image();
    }
};

QString slotLetters(const KIVQListView& view)
{
    return QStringLiteral("b%1 i%2").arg(letter(view.getBackground().name), letters(view.impl()->itemBackgrounds));
}

} // namespace

class tst_KIVQListView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pressReportsControl_data();
    void pressReportsControl();
    void delegateVisibilityDecidesPainting_data();
    void delegateVisibilityDecidesPainting();
    void rowFillFollowsState_data();
    void rowFillFollowsState();
    void rowSize_data();
    void rowSize();
    void styleCodes_data();
    void styleCodes();
    void scrollBarSheets_data();
    void scrollBarSheets();
    void hostileSpacingBounded_data();
    void hostileSpacingBounded();
    void dragSelectsSameTextBothWays();
    void deletedTemplateControl();
    void selectionAfterModelChange();
    void demoModelBelongsToView();
};

void tst_KIVQListView::initTestCase()
{
    init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    for (const char* name : {"Fill", "Other", "Third"})
        kivSetFillStyle(QLatin1String(name), namedFill(QLatin1String(name), 0xff808080));
}

void tst_KIVQListView::pressReportsControl_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("reported");
    QTest::newRow("button") << 240 << "button";
    QTest::newRow("label") << 40 << "label";
    QTest::newRow("empty row space") << 330 << "";
    QTest::newRow("the later of two overlapping controls") << 170 << "overlay";
}

void tst_KIVQListView::pressReportsControl()
{
    QFETCH(int, x);
    QFETCH(QString, reported);
    Rows rows;
    const QMap<QString, QWidget*> names = {{QStringLiteral("button"), rows.button},
                                           {QStringLiteral("label"), rows.label},
                                           {QStringLiteral("overlay"), rows.overlay}};
    QSignalSpy spy(&rows.view, &KIVQListView::pressCtrl);
    rows.mouse(QEvent::MouseButtonPress, rows.at(3, x), Qt::LeftButton);
    QCOMPARE(spy.count(), reported.isEmpty() ? 0 : 1);
    if (!reported.isEmpty()) {
        QCOMPARE(spy.at(0).at(0).value<QWidget*>(), names.value(reported));
        QCOMPARE(spy.at(0).at(1).value<QModelIndex>(), rows.model.index(3, 0));
    }
    // The template container itself is never reported, not even where no control lies.
    QVERIFY(!spy.contains(QList<QVariant>{QVariant::fromValue<QWidget*>(rows.itemTemplate)}));
}

void tst_KIVQListView::delegateVisibilityDecidesPainting_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("painted");
    QTest::newRow("shown") << "none" << true;
    QTest::newRow("hidden as a widget still paints") << "hide" << true;
    QTest::newRow("delegate-item-visible cleared") << "delegate" << false;
}

void tst_KIVQListView::delegateVisibilityDecidesPainting()
{
    QFETCH(QString, change);
    QFETCH(bool, painted);
    Rows rows;
    if (change == QLatin1String("hide"))
        rows.button->hide();
    else if (change == QLatin1String("delegate"))
        dynamic_cast<IKIVQWidgetBase*>(rows.button)->getControlImpl()->setDelegateItemVisible(false);
    const QImage image = rows.image();
    for (int r = 0; r < 3; ++r)
        QCOMPARE(image.pixel(rows.at(r, 250)) == kButton, painted);
    QSignalSpy spy(&rows.view, &KIVQListView::pressCtrl);
    rows.mouse(QEvent::MouseButtonPress, rows.at(1, 250), Qt::LeftButton);
    QCOMPARE(spy.count(), painted ? 1 : 0);
}

void tst_KIVQListView::rowFillFollowsState_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("normal") << false << false << kNormal;
    QTest::newRow("hovered") << false << true << kHover;
    QTest::newRow("selected") << true << false << kSelected;
    QTest::newRow("selected wins over hovered") << true << true << kSelected;
}

void tst_KIVQListView::rowFillFollowsState()
{
    QFETCH(bool, selected);
    QFETCH(bool, hovered);
    QFETCH(QRgb, fill);
    Rows rows;
    if (selected)
        rows.view.selectionModel()->select(rows.model.index(2, 0), QItemSelectionModel::ClearAndSelect);
    if (hovered) {
        QHoverEvent hover(QEvent::HoverMove, rows.at(2, 330), QPoint(-1, -1));
        QApplication::sendEvent(rows.view.viewport(), &hover);
    }
    const QImage image = rows.image();
    QCOMPARE(image.pixel(rows.at(2, 330)), fill);
    QCOMPARE(image.pixel(rows.at(4, 330)), kNormal);
}

void tst_KIVQListView::rowSize_data()
{
    QTest::addColumn<int>("itemHeight");
    QTest::addColumn<int>("itemWidth");
    QTest::addColumn<bool>("iconMode");
    QTest::addColumn<bool>("callBack");
    QTest::addColumn<bool>("emptyTemplate");
    QTest::addColumn<QSize>("size");
    QTest::newRow("height 0 means 20") << 0 << 50 << false << false << false << QSize(300, 20);
    QTest::newRow("list mode: as wide as the row") << 33 << 50 << false << false << false << QSize(300, 33);
    QTest::newRow("icon mode: the item width") << 33 << 50 << true << false << false << QSize(50, 33);
    QTest::newRow("icon mode: width 0 means 20") << 33 << 0 << true << false << false << QSize(20, 33);
    QTest::newRow("the callback with a template") << 33 << 50 << false << true << false << QSize(77, 44);
    QTest::newRow("the callback with an empty template") << 33 << 50 << false << true << true << QSize(300, 33);
}

void tst_KIVQListView::rowSize()
{
    QFETCH(int, itemHeight);
    QFETCH(int, itemWidth);
    QFETCH(bool, iconMode);
    QFETCH(bool, callBack);
    QFETCH(bool, emptyTemplate);
    QFETCH(QSize, size);
    KIVQListView view;
    QStandardItemModel model(2, 1);
    view.setModel(&model);
    auto* itemTemplate = new KIVQContainer(&view);
    if (!emptyTemplate)
        new KIVQLabelEx(itemTemplate);
    view.setItemTemplate(itemTemplate);
    view.setItemHeight(itemHeight);
    view.setItemWidth(itemWidth);
    view.setViewMode(iconMode ? QListView::IconMode : QListView::ListMode);
    if (callBack)
        view.setItemForSizeCallBack(&fixedSize);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 300, 10);
    QCOMPARE(view.itemDelegate()->sizeHint(option, model.index(0, 0)), size);
}

void tst_KIVQListView::styleCodes_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("code 2 sets three item fills, not the fourth")
        << QByteArray(R"([["Fill", 1, 2]])") << "b- iFFF-" << QByteArray(R"([["Fill",1,2]])");
    QTest::newRow("codes 3 and 4 one each")
        << QByteArray(R"([["Fill", 1, 2], ["Other", 1, 3], ["Third", 1, 4]])") << "b- iFOT-"
        << QByteArray(R"([["Fill",1,2],["Other",1,3],["Third",1,4]])");
    QTest::newRow("code 5 is read into the fourth")
        << QByteArray(R"([["Other", 1, 0], ["Fill", 1, 2], ["Third", 1, 5]])") << "bO iFFFT"
        << QByteArray(R"([["Other",1,0],["Fill",1,2],["Third",1,5]])");
    QTest::newRow("four equal fills keep the fourth") << QByteArray(R"([["Fill", 1, 2], ["Fill", 1, 5]])") << "b- iFFFF"
                                                      << QByteArray(R"([["Fill",1,2],["Fill",1,5]])");
    QTest::newRow("codes 1 and 6 are ignored")
        << QByteArray(R"([["Fill", 1, 1], ["Fill", 1, 6]])") << "b- i----" << QByteArray();
    QTest::newRow("a name the store lacks is kept")
        << QByteArray(R"([["Absent", 1, 2]])") << "b- iAAA-" << QByteArray(R"([["Absent",1,2]])");
}

void tst_KIVQListView::styleCodes()
{
    QFETCH(QByteArray, styles);
    QFETCH(QString, expected);
    QFETCH(QByteArray, written);
    KIVQListView view;
    readStyle(&view, styles);
    QCOMPARE(slotLetters(view), expected);
    QCOMPARE(writtenStyle(&view), written);
    if (written.isEmpty())
        return;
    KIVQListView again;
    readStyle(&again, written);
    QCOMPARE(slotLetters(again), expected);
}

void tst_KIVQListView::hostileSpacingBounded_data()
{
    QTest::addColumn<QByteArray>("spacing");
    QTest::addColumn<int>("kept");
    QTest::newRow("largest int") << QByteArray("2147483647") << 16384;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << -16384;
}

// Laid out and painted without overflow (UBSan watches), and written back as bounded.
void tst_KIVQListView::hostileSpacingBounded()
{
    QFETCH(QByteArray, spacing);
    QFETCH(int, kept);
    KIVQListView view;
    QStandardItemModel model(3, 1);
    view.setModel(&model);
    Json::Value e = parseJson(R"({"attr": {"spacing": )" + spacing + "}}");
    QVERIFY(view.readJsonValue(&e));
    view.resize(200, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.viewport()->grab();
    QCOMPARE(writeControl(&view)["attr"]["spacing"].asInt(), kept);
}

void tst_KIVQListView::scrollBarSheets_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("horizontalSheet");
    QTest::addColumn<QString>("verticalSheet");
    const QString thickness = QStringLiteral("QScrollBar::vertical{ width:12; } QScrollBar::horizontal{ height:12; }");
    QTest::newRow("size true: nothing") << "size true 12" << QString() << QString();
    QTest::newRow("size false: both bars") << "size false 12" << thickness << thickness;
    QTest::newRow("button size of the horizontal bar")
        << "button true 20"
        << "QScrollBar::add-line{ width:20px;width:20px; }QScrollBar::sub-line{ width:20px;width:20px; }" << QString();
    QTest::newRow("button size of the vertical bar") << "button false 9" << QString()
                                                     << "QScrollBar::add-line:vertical{ height:9px;width:9px; }"
                                                        "QScrollBar::sub-line:vertical{ height:9px;width:9px; }";
    QTest::newRow("vertical child block: both bars")
        << R"(json {"child": [{"type": "scrollbar", "attr": {"hor": false}, "w": 12}]})" << thickness << thickness;
    QTest::newRow("horizontal child block: no thickness")
        << R"(json {"child": [{"type": "scrollbarH", "attr": {"hor": true}, "h": 12}]})" << QString() << QString();
    QTest::newRow("a type that does not begin with scrollbar is no block")
        << R"(json {"child": [{"type": "qtscrollbar", "attr": {"hor": false}, "w": 12}]})" << QString() << QString();
}

void tst_KIVQListView::scrollBarSheets()
{
    QFETCH(QString, call);
    QFETCH(QString, horizontalSheet);
    QFETCH(QString, verticalSheet);
    KIVQListView view;
    QCOMPARE(view.horizontalScrollBar(), view.scrollBar(true));
    const QStringList words = call.split(QLatin1Char(' '));
    if (words.first() == QLatin1String("json")) {
        Json::Value element = parseJson(call.mid(5).toUtf8());
        view.readJsonValue(&element);
    } else if (words.first() == QLatin1String("size")) {
        view.setScrollbarSize(words.at(1) == QLatin1String("true"), words.at(2).toInt());
    } else {
        view.setScrollbarBtnSize(words.at(1) == QLatin1String("true"), words.at(2).toInt());
    }
    QCOMPARE(view.scrollBar(true)->styleSheet(), horizontalSheet);
    QCOMPARE(view.scrollBar(false)->styleSheet(), verticalSheet);
}

void tst_KIVQListView::dragSelectsSameTextBothWays()
{
    Rows rows;
    rows.enableSelection();
    const QRect labelArea(4, 0, 200, 30);
    const auto highlights = [&](const QImage& image) {
        QList<QRect> out;
        for (int r = 2; r <= 7; ++r)
            out << inkOf(image, kHighlight, labelArea.translated(rows.row(r).topLeft()));
        return out;
    };

    rows.drag(3, 60, 6, 50);
    const QList<QRect> down = highlights(rows.image());
    QVERIFY(down.at(0).isEmpty());
    QVERIFY(down.at(5).isEmpty());
    for (int i = 1; i <= 4; ++i)
        QVERIFY2(!down.at(i).isEmpty(), qPrintable(QString::number(i + 2)));
    // Row 3 from the press point to its end, rows 4 and 5 whole, row 6 from its start to the drag point.
    QVERIFY(down.at(1).left() > down.at(2).left() + 30);
    QCOMPARE(down.at(1).right(), down.at(2).right());
    QCOMPARE(down.at(3), down.at(2).translated(0, rows.row(5).top() - rows.row(4).top()));
    QCOMPARE(down.at(4).left(), down.at(2).left());
    QVERIFY(qAbs(down.at(4).right() - (labelArea.left() + 50)) <= 8);
    QVERIFY(qAbs(down.at(1).left() - (labelArea.left() + 60)) <= 8);

    // The selection stays after the release; the same drag upwards selects the same text.
    QCOMPARE(highlights(rows.image()), down);
    rows.drag(6, 50, 3, 60);
    QCOMPARE(highlights(rows.image()), down);

    // A press off the label clears it.
    rows.mouse(QEvent::MouseButtonPress, rows.at(5, 240), Qt::LeftButton);
    rows.mouse(QEvent::MouseButtonRelease, rows.at(5, 240));
    QVERIFY(inkOf(rows.image(), kHighlight, rows.view.viewport()->rect()).isEmpty());
}

void tst_KIVQListView::deletedTemplateControl()
{
    Rows rows;
    rows.enableSelection();
    delete rows.button;
    QSignalSpy spy(&rows.view, &KIVQListView::pressCtrl);
    rows.mouse(QEvent::MouseButtonPress, rows.at(2, 240), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    rows.mouse(QEvent::MouseMove, rows.at(2, 250));
    QVERIFY(rows.image().pixel(rows.at(2, 250)) != kButton);
    rows.mouse(QEvent::MouseButtonPress, rows.at(2, 170), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    delete rows.itemTemplate;
    QCOMPARE(rows.view.getitemTemplate(), nullptr);
    rows.image();
    rows.mouse(QEvent::MouseButtonPress, rows.at(2, 170), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

// A row's text is hit-tested as it was painted last, not as it read before the model changed.
void tst_KIVQListView::selectionAfterModelChange()
{
    Rows rows;
    rows.enableSelection();
    rows.model.item(3)->setText(QStringLiteral("Row"));
    rows.image();
    rows.model.item(3)->setText(QStringLiteral("Row 3 with a longer note"));
    rows.image();
    rows.drag(3, 10, 3, 130);
    const QRect selected = inkOf(rows.image(), kHighlight, QRect(4, 0, 200, 30).translated(rows.row(3).topLeft()));
    QVERIFY(!selected.isEmpty());
    QVERIFY2(qAbs(selected.right() - (rows.row(3).left() + 4 + 130)) <= 8,
             qPrintable(QString::number(selected.right())));

    rows.model.removeRow(0);
    rows.image();
    rows.drag(2, 10, 2, 130);
    const QRect afterRemoval = inkOf(rows.image(), kHighlight, QRect(4, 0, 200, 30).translated(rows.row(2).topLeft()));
    QCOMPARE(afterRemoval.width(), selected.width());

    // A short row inserted above: row 3 holds the longer note again.
    rows.model.insertRow(0, new QStandardItem(QStringLiteral("Row")));
    rows.image();
    rows.drag(3, 10, 3, 130);
    const QRect afterInsertion =
        inkOf(rows.image(), kHighlight, QRect(4, 0, 200, 30).translated(rows.row(3).topLeft()));
    QCOMPARE(afterInsertion.width(), selected.width());
}

void tst_KIVQListView::demoModelBelongsToView()
{
    KIVQListView view;
    view.initDemoData();
    view.initDemoData();
    QVERIFY(view.model());
    QCOMPARE(view.model()->parent(), &view);
    QCOMPARE(view.model()->rowCount(), 20);
}

QTEST_MAIN(tst_KIVQListView)
#include "tst_KIVQListView.moc"
