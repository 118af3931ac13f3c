#include "ControlTestHelpers.h"

#include "controls/KIVQCheckBox.h"
#include "controls/KIVQRadioButton.h"
#include "theme/KIVQResourceManagerImpl.h"

#include <QtTest>

#include <climits>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kUncheckedInk = qRgb(200, 0, 0);
const QRgb kCheckedInk = qRgb(0, 0, 200);
const QRgb kDisabledInk = qRgb(0, 150, 0);

void cacheSquare(const QString& name, QRgb colour, int size = 16)
{
    auto* image = new QImage(size, size, QImage::Format_ARGB32);
    image->fill(colour);
    KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheImage(name, image);
}

bool holds(const QImage& image, QRgb colour)
{
    return !colourBounds(image, colour).isEmpty();
}

// A check box with a distinct icon per slot and a distinct caption colour per style.
void dressUp(KIVQCheckBox& box)
{
    box.setUncheckIcon(QStringLiteral("u"));
    box.setUncheckHotIcon(QStringLiteral("uh"));
    box.setCheckedIcon(QStringLiteral("c"));
    box.setCheckedHotIcon(QStringLiteral("ch"));
    box.setDisableUncheckIcon(QStringLiteral("du"));
    box.setDisableCheckIcon(QStringLiteral("dc"));
    box.setTextStyle(false, pinnedCaption(QStringLiteral("off"), kUncheckedInk, 20));
    box.setTextStyle(true, pinnedCaption(QStringLiteral("on"), kCheckedInk, 20));
    box.setDisableTextStyle(pinnedCaption(QStringLiteral("grey"), kDisabledInk, 20));
    box.setText(QStringLiteral("WWW"));
    box.resize(140, 30);
}

} // namespace

class tst_KIVQCheckBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void iconDefaultsAndHotCoupling();
    void clickOnTheDrawnBoxToggles();
    void paintsByState_data();
    void paintsByState();
    void captionStart_data();
    void captionStart();
    void styleCodes_data();
    void styleCodes();
    void styleWrittenOnceWhenOnlyStateZeroIsNamed();
    void attrDefaultsAndCaption();
    void hugeIconOffsetsPaintSafely();
};

void tst_KIVQCheckBox::initTestCase()
{
    init();
    cacheSquare(QStringLiteral("u"), qRgb(10, 10, 10));
    cacheSquare(QStringLiteral("uh"), qRgb(20, 20, 20));
    cacheSquare(QStringLiteral("c"), qRgb(30, 30, 30));
    cacheSquare(QStringLiteral("ch"), qRgb(40, 40, 40));
    cacheSquare(QStringLiteral("du"), qRgb(50, 50, 50));
    cacheSquare(QStringLiteral("dc"), qRgb(60, 60, 60));
    kivSetFillStyle(QStringLiteral("a"), namedFill(QStringLiteral("a"), 0xff112233));
    kivSetFillStyle(QStringLiteral("b"), namedFill(QStringLiteral("b"), 0xff445566));
    for (const QString& name : {QStringLiteral("t"), QStringLiteral("t2")})
        kivSetTextStyle(name, pinnedCaption(name, kCheckedInk, 20));
}

void tst_KIVQCheckBox::iconDefaultsAndHotCoupling()
{
    KIVQCheckBox box;
    // The hot icon follows while it is still the built-in image, and not after it was set.
    box.setUncheckIcon(QStringLiteral("u"));
    QCOMPARE(box.getUncheckHotIcon(), QStringLiteral("u"));
    box.setUncheckHotIcon(QStringLiteral("uh"));
    box.setUncheckIcon(QStringLiteral("u2"));
    QCOMPARE(box.getUncheckHotIcon(), QStringLiteral("uh"));
    box.setCheckedIcon(QStringLiteral("c"));
    QCOMPARE(box.getCheckedHotIcon(), QStringLiteral("c"));

    // Reading follows the same rule, whether or not the hot key is present.
    KIVQCheckBox read;
    Json::Value element = parseJson(R"({"attr": {"iconPath": "u", "siconPath": "c", "sHotIconPath": "ch"}})");
    read.readJsonValue(&element);
    QCOMPARE(read.getUncheckHotIcon(), QStringLiteral("u"));
    QCOMPARE(read.getCheckedHotIcon(), QStringLiteral("ch"));

    // A fresh box draws the built-in box image and no background.
    KIVQCheckBox plain;
    plain.resize(60, 20);
    const QImage shot = plain.grab().toImage();
    QCOMPARE(shot.pixel(1, 10), qRgb(204, 204, 204));
}

void tst_KIVQCheckBox::clickOnTheDrawnBoxToggles()
{
    QWidget window;
    auto* box = new KIVQCheckBox(&window);
    box->setIconHorAlign(DockRightBottom);
    box->resize(120, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(112, 15));
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(130, 15));
    QVERIFY(box->isChecked());
}

void tst_KIVQCheckBox::paintsByState_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QRgb>("icon");
    QTest::addColumn<QRgb>("ink");

    QTest::newRow("unchecked") << false << false << true << qRgb(10, 10, 10) << kUncheckedInk;
    QTest::newRow("unchecked, hovered") << false << true << true << qRgb(20, 20, 20) << kUncheckedInk;
    QTest::newRow("checked") << true << false << true << qRgb(30, 30, 30) << kCheckedInk;
    QTest::newRow("checked, hovered") << true << true << true << qRgb(40, 40, 40) << kCheckedInk;
    QTest::newRow("unchecked, disabled") << false << false << false << qRgb(50, 50, 50) << kDisabledInk;
    QTest::newRow("checked, disabled") << true << false << false << qRgb(60, 60, 60) << kDisabledInk;
}

void tst_KIVQCheckBox::paintsByState()
{
    QFETCH(bool, checked);
    QFETCH(bool, hover);
    QFETCH(bool, enabled);
    QFETCH(QRgb, icon);
    QFETCH(QRgb, ink);

    KIVQCheckBox box;
    dressUp(box);
    box.setChecked(checked);
    box.setEnabled(enabled);
    if (hover)
        sendEvent(&box, QEvent::Enter);
    const QImage shot = box.grab().toImage();
    QCOMPARE(shot.pixel(8, 15), icon);
    QVERIFY(holds(shot, ink));
    for (QRgb other : {kUncheckedInk, kCheckedInk, kDisabledInk}) {
        if (other != ink)
            QVERIFY(!holds(shot, other));
    }
}

void tst_KIVQCheckBox::captionStart_data()
{
    QTest::addColumn<int>("hor");
    QTest::addColumn<bool>("showIcon");
    QTest::addColumn<int>("start");

    QTest::newRow("icon at the left: offset + icon width") << 0 << true << 4 + 16;
    QTest::newRow("centred icon: the caption starts at 0") << 1 << true << 0;
    QTest::newRow("icon at the right: the caption starts at 0") << 2 << true << 0;
    QTest::newRow("no icon: the caption starts at 0") << 0 << false << 0;
}

void tst_KIVQCheckBox::captionStart()
{
    QFETCH(int, hor);
    QFETCH(bool, showIcon);
    QFETCH(int, start);

    KIVQCheckBox reference;
    dressUp(reference);
    reference.setShowIcon(false);
    const QRect inkAtZero = colourBounds(reference.grab().toImage(), kUncheckedInk);
    QVERIFY(!inkAtZero.isEmpty());

    KIVQCheckBox box;
    dressUp(box);
    box.setIconOffsetX(4);
    box.setIconHorAlign(DockLayoutType(hor));
    box.setShowIcon(showIcon);
    box.setChecked(true); // the unchecked icon measures both states
    box.setTextStyle(true, pinnedCaption(QStringLiteral("on"), kUncheckedInk, 20));
    QCOMPARE(colourBounds(box.grab().toImage(), kUncheckedInk).left() - inkAtZero.left(), start);
}

void tst_KIVQCheckBox::styleCodes_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("written");

    // The run rules themselves are the shared state styles'; these rows place the check box's runs.
    QTest::newRow("the unchecked and the checked run")
        << QByteArray(R"([["b",1,0],["a",1,4],["b",1,7]])")
        << QByteArray(R"([["b",1,0],["a",1,4],["a",1,5],["a",1,6],["b",1,7]])");
    QTest::newRow("captions: unchecked, checked, disabled")
        << QByteArray(R"([["t",2,8],["t2",2,9],["t",2,10]])") << QByteArray(R"([["t",2,8],["t2",2,9],["t",2,10]])");
    QTest::newRow("unknown codes are ignored") << QByteArray(R"([["a",1,11],["a",1,-1]])") << QByteArray("null");
    QTest::newRow("a name the store lacks is kept")
        << QByteArray(R"([["nope",1,0]])") << QByteArray(R"([["nope",1,0]])");
}

void tst_KIVQCheckBox::styleCodes()
{
    QFETCH(QByteArray, read);
    QFETCH(QByteArray, written);
    KIVQCheckBox box;
    QCOMPARE(readThenWrite(&box, "style", read), written);
}

void tst_KIVQCheckBox::styleWrittenOnceWhenOnlyStateZeroIsNamed()
{
    KIVQCheckBox box;
    box.setBackground(CtrlState(kAllStates), namedFill(QStringLiteral("a"), 0xff112233));
    FillStyle unnamed = namedFill(QString(), 0xff998877);
    box.setBackground(CtrlHover, unnamed);
    box.setCheckedBackground(CtrlState(9), namedFill(QStringLiteral("ignored"), 0));
    QCOMPARE(box.getBackground(CtrlState(-3)).name, QStringLiteral("a"));
    QCOMPARE(compactJson(writeControl(&box)["style"]), QByteArray(R"([["a",1,0]])"));
}

void tst_KIVQCheckBox::attrDefaultsAndCaption()
{
    KIVQCheckBox box;
    Json::Value element = parseJson(R"({"attr": {"iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": -2,
        "showIcon": false, "showText": 0, "text": "Fall risk", "disableIconPath": "du", "disableSIconPath": "dc"}})");
    box.readJsonValue(&element);
    QCOMPARE(box.text(), QStringLiteral("Fall risk"));
    QCOMPARE(compactJson(writeControl(&box)["attr"]),
             QByteArray(R"({"disableIconPath":"du","disableSIconPath":"dc","hotIconPath":"IDB_UNCHECK",)"
                        R"("iconHor":2,"iconPath":"IDB_UNCHECK","iconVer":0,"iconX":3,"iconY":-2,)"
                        R"("sHotIconPath":"IDB_CHECKED","showIcon":0,"showText":0,"siconPath":"IDB_CHECKED",)"
                        R"("text":"Fall risk"})"));

    // A page element's "attr" without "text" means an empty caption.
    Json::Value bare = parseJson(R"({"attr": {"iconX": 1}})");
    box.readJsonValue(&bare);
    QVERIFY(box.text().isEmpty());
}

void tst_KIVQCheckBox::hugeIconOffsetsPaintSafely()
{
    // Offsets straight from a page document; the sanitizers catch an overflowing sum.
    KIVQCheckBox box;
    dressUp(box);
    KIVQRadioButton radio;
    radio.resize(140, 30);
    radio.setText(QStringLiteral("WWW"));
    radio.setIcon(QStringLiteral("u"));
    for (int offset : {INT_MAX, INT_MIN}) {
        box.setIconOffsetX(offset);
        radio.setIconOffsetX(offset);
        radio.setIconOffsetY(offset);
        QVERIFY(!box.grab().isNull());
        QVERIFY(!radio.grab().isNull());
    }
    QVERIFY(!holds(box.grab().toImage(), qRgb(10, 10, 10)));
}

QTEST_MAIN(tst_KIVQCheckBox)
#include "tst_KIVQCheckBox.moc"
