#include "ViewTestHelpers.h"

#include "views/KIVQComboBox.h"
#include "views/KIVQComboBoxImpl.h"
#include "views/KIVQComboItemDelegate.h"
#include "views/KIVQComboList.h"

#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

const QRgb kFace = 0xffe0e0e0;
const QRgb kInk = 0xff101010;
const QRgb kBlue = 0xff0000ff;

QString slotLetters(KIVQComboBox& c)
{
    KIVQComboBoxImpl* d = c.impl();
    return QStringLiteral("b%1 n%2 t%3 p%4 i%5 x%6")
        .arg(letters(d->backgrounds), letters(d->btnBackgrounds), letters(d->textStyles),
             letter(d->popupBackground.name), letters(d->itemBackgrounds), letters(d->itemTextStyles));
}

void styleFace(KIVQComboBox& c, int width)
{
    c.setBackground(CtrlState(kAllStates), namedFill(QString(), kFace));
    c.setTextStyle(CtrlState(kAllStates), namedText(QString(), kInk));
    c.resize(width, 30);
}

QIcon blueIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor::fromRgba(kBlue));
    return QIcon(pixmap);
}

} // namespace

class tst_KIVQComboBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void styleCodes_data();
    void styleCodes();
    void hotIconWrittenWhereItDiffers();
    void attrText();
    void missingAttrChangesNothing();
    void facePlacement_data();
    void facePlacement();
    void longTextStopsBeforeTheButton();
    void popupItemState_data();
    void popupItemState();
    void popupOpensTheThemedList_data();
    void popupOpensTheThemedList();
    void editableComboSettles();
    void viewIsTheOwnListFromConstruction();
    void themeChangeAddsNoItem(); // last: it leaves a theme store in place
};

void tst_KIVQComboBox::initTestCase()
{
    init();
    registerTestStyles(kInk);
}

// Where each run starts and ends; the run's own reading (overrides, unknown names) is the shared reader's.
void tst_KIVQComboBox::styleCodes_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QString>("expected");
    const QString none = QStringLiteral("b---- n---- t---- p- i---- x----");
    QTest::newRow("0 all faces") << QByteArray(R"([["Fill",1,0]])") << "bFFFF n---- t---- p- i---- x----";
    QTest::newRow("2 pressed face") << QByteArray(R"([["Fill",1,2]])") << "b--F- n---- t---- p- i---- x----";
    QTest::newRow("4 all buttons") << QByteArray(R"([["Fill",1,4]])") << "b---- nFFFF t---- p- i---- x----";
    QTest::newRow("8 all texts") << QByteArray(R"([["Text",2,8]])") << "b---- n---- tTTTT p- i---- x----";
    QTest::newRow("11 disabled text") << QByteArray(R"([["Text",2,11]])") << "b---- n---- t---T p- i---- x----";
    QTest::newRow("12 popup") << QByteArray(R"([["Fill",1,12]])") << "b---- n---- t---- pF i---- x----";
    QTest::newRow("13 all items") << QByteArray(R"([["Fill",1,13]])") << "b---- n---- t---- p- iFFFF x----";
    QTest::newRow("15 selected item") << QByteArray(R"([["Fill",1,15]])") << "b---- n---- t---- p- i--F- x----";
    QTest::newRow("17 all item texts") << QByteArray(R"([["Text",2,17]])") << "b---- n---- t---- p- i---- xTTTT";
    QTest::newRow("20 disabled item text") << QByteArray(R"([["Text",2,20]])") << "b---- n---- t---- p- i---- x---T";
    QTest::newRow("21 ignored") << QByteArray(R"([["Fill",1,21],["Text",2,21]])") << none;
    QTest::newRow("negative ignored") << QByteArray(R"([["Fill",1,-1]])") << none;
}

void tst_KIVQComboBox::styleCodes()
{
    QFETCH(QByteArray, style);
    QFETCH(QString, expected);
    KIVQComboBox c;
    QVERIFY(readStyle(&c, style));
    QCOMPARE(slotLetters(c), expected);
}

void tst_KIVQComboBox::hotIconWrittenWhereItDiffers()
{
    KIVQComboBox c;
    c.setBtnIcon(CtrlState(kAllStates), QStringLiteral("all"));
    QCOMPARE(compactJson(writeControl(&c)["attr"]), QByteArray(R"({"btnIcon":"all"})"));
    c.setHotBtnIcon(QStringLiteral("hot"));
    QCOMPARE(compactJson(writeControl(&c)["attr"]), QByteArray(R"({"btnHotIcon":"hot","btnIcon":"all"})"));
}

void tst_KIVQComboBox::attrText()
{
    KIVQComboBox c;
    Json::Value e = parseJson(R"({"attr":{"text":"Ward A"}})");
    QVERIFY(c.readJsonValue(&e));
    QVERIFY(c.readJsonValue(&e));
    QCOMPARE(c.count(), 2);
    QCOMPARE(c.itemText(1), QStringLiteral("Ward A"));
    QCOMPARE(c.currentText(), QStringLiteral("Ward A"));
    QCOMPARE(compactJson(writeControl(&c)["attr"]), QByteArray(R"({"text":"Ward A"})"));
}

void tst_KIVQComboBox::missingAttrChangesNothing()
{
    for (const QByteArray& text :
         {QByteArray("{}"), QByteArray(R"({"attr":null})"), QByteArray(R"({"attr":{"text":[],"btnIcon":{}}})")}) {
        KIVQComboBox c;
        c.setNormalBtnIcon(QStringLiteral("down"));
        c.setHotBtnIcon(QStringLiteral("downHot"));
        Json::Value e = parseJson(text);
        QVERIFY(c.readJsonValue(&e));
        QCOMPARE(c.count(), 0);
        QCOMPARE(c.getNormalBtnIcon(), QStringLiteral("down"));
        QCOMPARE(c.getHotBtnIcon(), QStringLiteral("downHot"));
    }
}

void tst_KIVQComboBox::themeChangeAddsNoItem()
{
    QWidget window;
    const QByteArray entries =
        R"({"elements":[{"child":[{"name":"qtcombobox","attr":{"text":"From theme","btnIcon":"t.svg"}}]}]})";
    QVERIFY(loadThemeFor(window, R"({"style":[]})", entries));
    auto* c = new KIVQComboBox(&window);
    QCOMPARE(c->getHotBtnIcon(), QStringLiteral("t.svg"));
    QCOMPARE(c->count(), 1);
    c->addItem(QStringLiteral("Mine"));
    c->setCurrentIndex(1);
    QVERIFY(loadThemeFor(window, R"({"style":[]})", entries));
    QCOMPARE(c->count(), 2);
    QCOMPARE(c->currentText(), QStringLiteral("Mine"));
}

void tst_KIVQComboBox::facePlacement_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("iconLeft");
    QTest::addColumn<int>("textLeft"); // where left-aligned text with x offset 0 starts
    QTest::newRow("plain item: text 10 in") << false << -1 << 10;
    QTest::newRow("item with icon: 16x16 in a column from x 5, text 10 past 20") << true << 7 << 30;
}

void tst_KIVQComboBox::facePlacement()
{
    QFETCH(bool, withIcon);
    QFETCH(int, iconLeft);
    QFETCH(int, textLeft);
    KIVQComboBox c;
    styleFace(c, 200);
    if (withIcon)
        c.addItem(blueIcon(), QStringLiteral("Ward"));
    else
        c.addItem(QStringLiteral("Ward"));

    // The text's own left bearing is measured against the same text drawn at x 0.
    QImage reference(200, 30, QImage::Format_ARGB32);
    reference.fill(kFace);
    {
        QPainter p(&reference);
        KIVQPaintHelpers::paintText(&p, QStringLiteral("Ward"), namedText(QString(), kInk), 0, 0, 200, 30, true);
    }
    const int bearing = inkOf(reference, kInk, reference.rect()).left();

    const QImage image = c.grab().toImage();
    QCOMPARE(inkOf(image, kInk, QRect(0, 0, 150, 30)).left() - bearing, textLeft);
    const QRect icon = inkOf(image, kBlue, image.rect());
    if (withIcon) {
        QCOMPARE(icon.left(), iconLeft);
        QCOMPARE(icon.size(), QSize(16, 16));
    } else {
        QVERIFY(icon.isEmpty());
    }
}

void tst_KIVQComboBox::longTextStopsBeforeTheButton()
{
    KIVQComboBox c;
    styleFace(c, 130);
    c.setBtnBackground(CtrlState(kAllStates), namedFill(QString(), kBlue));
    const QString text = QStringLiteral("All appointments of the ward");
    c.addItem(text);
    const QImage image = c.grab().toImage();
    const QRect ink = inkOf(image, kInk, QRect(0, 0, 130, 30));
    QVERIFY(!ink.isEmpty());
    QCOMPARE(inkOf(image, kBlue, image.rect()), QRect(99, 0, 30, 30));
    // Elided to one line as into the 99 pixels before the button, 10 in.
    QImage reference(130, 30, QImage::Format_ARGB32);
    reference.fill(kFace);
    TextStyleDesc inset = namedText(QString(), kInk);
    inset.x = 10;
    {
        QPainter p(&reference);
        KIVQPaintHelpers::paintText(&p, text, inset, 0, 0, 99, 30, true);
    }
    QCOMPARE(ink, inkOf(reference, kInk, reference.rect()));
}

void tst_KIVQComboBox::popupItemState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("normal") << int(QStyle::State_None) << 0xff101080u;
    QTest::newRow("selected") << int(QStyle::State_Selected) << 0xff801010u;
    QTest::newRow("under the mouse") << int(QStyle::State_MouseOver) << 0xff108010u;
    QTest::newRow("selected under the mouse: entry 1")
        << int(QStyle::State_Selected | QStyle::State_MouseOver) << 0xff108010u;
}

void tst_KIVQComboBox::popupItemState()
{
    QFETCH(int, state);
    QFETCH(QRgb, colour);
    KIVQComboBox c;
    c.setItemBackground(CtrlNormal, namedFill(QString(), 0xff101080));
    c.setItemBackground(CtrlHover, namedFill(QString(), 0xff108010));
    c.setItemBackground(CtrlPressed, namedFill(QString(), 0xff801010));
    c.addItem(blueIcon(), QStringLiteral("Bed 4"));
    QImage image(120, 25, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = QStyle::State(state);
    {
        QPainter p(&image);
        c.comboList()->delegate()->paint(&p, option, c.model()->index(0, 0));
    }
    QCOMPARE(image.pixel(100, 2), colour);
    QCOMPARE(inkOf(image, kBlue, image.rect()), QRect(2, 4, 16, 16)); // centred in the 20-pixel column
    QCOMPARE(c.comboList()->delegate()->sizeHint(option, c.model()->index(0, 0)), QSize(120, 25));
}

void tst_KIVQComboBox::editableComboSettles()
{
    KIVQComboBox c;
    c.setEditable(true);
    c.addItem(QStringLiteral("Ward"));
    Json::Value e = parseJson("{}");
    QVERIFY(c.readJsonValue(&e));
    QCOMPARE(c.lineEdit()->styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    c.resize(160, 30);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    QCOMPARE(c.lineEdit()->textMargins(), QMargins(10, 0, 10, 0));
    PaintCounter counter;
    c.installEventFilter(&counter);
    QTest::qWait(300);
    QVERIFY2(counter.paints < 5, qPrintable(QString::number(counter.paints)));
}

void tst_KIVQComboBox::popupOpensTheThemedList_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse press") << QStringLiteral("press");
    QTest::newRow("F4 key") << QStringLiteral("key");
    QTest::newRow("showPopup") << QStringLiteral("call");
}

// However the popup opens, it shows the themed list, which paints through the combo box's styles and goes
// with it.
void tst_KIVQComboBox::popupOpensTheThemedList()
{
    QFETCH(QString, how);
    auto c = std::make_unique<KIVQComboBox>();
    c->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    c->resize(160, 30);
    c->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.get()));
    if (how == QLatin1String("press"))
        QTest::mousePress(c.get(), Qt::LeftButton, {}, c->rect().center());
    else if (how == QLatin1String("key"))
        QTest::keyClick(c.get(), Qt::Key_F4);
    else
        c->showPopup();
    const QPointer<QAbstractItemView> view = c->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view.data(), static_cast<QAbstractItemView*>(c->comboList()));
    QVERIFY(view->grab().width() > 0);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(c->currentIndex(), 1);
    c.reset();
    QVERIFY(!view);
}

// A caller may set up the list, and keep it, before the popup ever opens: the first popup shows that list.
void tst_KIVQComboBox::viewIsTheOwnListFromConstruction()
{
    KIVQComboBox c;
    c.addItems({QStringLiteral("a"), QStringLiteral("b")});
    const QPointer<QAbstractItemView> view = c.view();
    QVERIFY(qobject_cast<KIVQComboList*>(view));
    QCOMPARE(view.data(), static_cast<QAbstractItemView*>(c.comboList()));
    view->setObjectName(QStringLiteral("configured"));
    c.resize(160, 30);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    c.showPopup();
    QTRY_VERIFY(view && view->isVisible());
    QCOMPARE(c.view(), view.data());
    QCOMPARE(view->objectName(), QStringLiteral("configured"));
    c.hidePopup();
}

QTEST_MAIN(tst_KIVQComboBox)
#include "tst_KIVQComboBox.moc"
