#include "ControlTestHelpers.h"

#include "controls/KIVQLineEdit.h"
#include "core/KIVQtLib.h"

#include <QClipboard>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kNormal = 0xff204060;
const QRgb kFocused = 0xff602040;
const QRgb kHot = 0xffe0e0e0;
const QRgb kInk = 0xff000000;

} // namespace

Q_DECLARE_METATYPE(QMargins)

class tst_KIVQLineEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shortcutMode_data();
    void shortcutMode();
    void passwordRefusesClipboardAndSelectAll();
    void stateFollowsFocus();
    void placeholderInsideMargins_data();
    void placeholderInsideMargins();
    void marginsRoundTrip_data();
    void marginsRoundTrip();
    void placeholderStyleFollowsLastEntry();
    void themeChangeKeepsMargins();
};

void tst_KIVQLineEdit::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("editNormal"), namedFill(QStringLiteral("editNormal"), kNormal));
    kivSetFillStyle(QStringLiteral("editFocus"), namedFill(QStringLiteral("editFocus"), kFocused));
    kivSetFillStyle(QStringLiteral("editHot"), namedFill(QStringLiteral("editHot"), kHot));
    kivSetTextStyle(QStringLiteral("ink"), pinnedTextStyle(QStringLiteral("ink"), kInk, 14));
    kivSetTextStyle(QStringLiteral("inkFocus"), pinnedTextStyle(QStringLiteral("inkFocus"), 0xffff0000, 16));
    kivSetTextStyle(QStringLiteral("hint"), pinnedTextStyle(QStringLiteral("hint"), 0xff808080, 11));
}

void tst_KIVQLineEdit::shortcutMode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");

    QTest::newRow("function key") << int(Qt::Key_F12) << int(Qt::NoModifier) << "F12";
    QTest::newRow("alt shift letter") << int(Qt::Key_K) << int(Qt::AltModifier | Qt::ShiftModifier) << "ALT+SHIFT+K";
    QTest::newRow("ctrl shift letter") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                       << "CTRL+SHIFT+S";
    QTest::newRow("all three in fixed order")
        << int(Qt::Key_A) << int(Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier) << "CTRL+ALT+SHIFT+A";
    QTest::newRow("meta is not shown") << int(Qt::Key_Q) << int(Qt::MetaModifier) << "Q";
    QTest::newRow("plain letter is capital") << int(Qt::Key_K) << int(Qt::NoModifier) << "K";
    QTest::newRow("ctrl Z, the last letter, is no undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "CTRL+Z";
    QTest::newRow("backspace empties") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << "";
    QTest::newRow("digit changes nothing") << int(Qt::Key_1) << int(Qt::NoModifier) << "CTRL+X";
    QTest::newRow("return changes nothing") << int(Qt::Key_Return) << int(Qt::NoModifier) << "CTRL+X";
    QTest::newRow("arrow changes nothing") << int(Qt::Key_Left) << int(Qt::NoModifier) << "CTRL+X";
}

void tst_KIVQLineEdit::shortcutMode()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);

    KIVQLineEdit edit;
    edit.setHotkeyMode(true);
    edit.setText(QStringLiteral("CTRL+X"));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit.text(), expected);
}

void tst_KIVQLineEdit::passwordRefusesClipboardAndSelectAll()
{
    KIVQLineEdit edit;
    edit.setIsPassword(true);
    QVERIFY(edit.getIsPassword());
    QCOMPARE(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QApplication::clipboard()->setText(QStringLiteral("outside"));

    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QTest::keySequence(&edit, QKeySequence::SelectAll);
    QVERIFY(!edit.hasSelectedText());
    edit.selectAll();
    QTest::keySequence(&edit, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("outside"));
    edit.deselect();
    QTest::keySequence(&edit, QKeySequence::Paste);
    QTest::keyClick(&edit, Qt::Key_C);
    QCOMPARE(edit.text(), QStringLiteral("abc"));

    edit.setIsPassword(false);
    QCOMPARE(edit.contextMenuPolicy(), Qt::DefaultContextMenu);
    QTest::keySequence(&edit, QKeySequence::Paste);
    QCOMPARE(edit.text(), QStringLiteral("abcoutside"));
}

void tst_KIVQLineEdit::stateFollowsFocus()
{
    QWidget window;
    auto* edit = new KIVQLineEdit(&window);
    auto* other = new QLineEdit(&window);
    edit->setGeometry(0, 0, 120, 30);
    other->setGeometry(0, 40, 120, 30);
    Json::Value element = parseJson(
        R"({"style": [["editNormal", 1, 0], ["editHot", 1, 1], ["editFocus", 1, 2], ["ink", 2, 4], ["inkFocus", 2, 6]]})");
    QVERIFY(edit->readJsonValue(&element));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const auto shown = [edit] { return edit->grab().toImage().pixel(2, 2); };
    other->setFocus();
    QCOMPARE(shown(), kNormal);
    // The edit has no hover look of its own.
    sendEvent(edit, QEvent::Enter);
    QCOMPARE(shown(), kNormal);
    sendEvent(edit, QEvent::Leave);

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(shown(), kFocused);
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(edit->font().pixelSize(), 16);
    sendEvent(edit, QEvent::Enter);
    sendEvent(edit, QEvent::Leave);
    QCOMPARE(shown(), kFocused);

    other->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(shown(), kNormal);
    QCOMPARE(edit->palette().color(QPalette::Text), QColor::fromRgba(kInk));
    QCOMPARE(edit->font().pixelSize(), 14);

    // A disabled edit keeps its disabled text under the pointer.
    edit->setTextStyle(CtrlDisabled, pinnedTextStyle(QStringLiteral("grey"), 0xff808080, 12));
    edit->setEnabled(false);
    for (QEvent::Type crossing : {QEvent::Enter, QEvent::Leave}) {
        sendEvent(edit, crossing);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0x80, 0x80, 0x80));
        QCOMPARE(edit->font().pixelSize(), 12);
    }
}

void tst_KIVQLineEdit::placeholderInsideMargins_data()
{
    QTest::addColumn<int>("horAlign");
    QTest::addColumn<int>("verAlign");
    QTest::addColumn<QMargins>("margins");

    QTest::newRow("left and top") << 0 << 0 << QMargins(12, 9, 0, 0);
    QTest::newRow("right and bottom") << 2 << 2 << QMargins(0, 0, 15, 11);
    QTest::newRow("all four, right and bottom aligned") << 2 << 2 << QMargins(4, 4, 4, 4);
}

void tst_KIVQLineEdit::placeholderInsideMargins()
{
    QFETCH(int, horAlign);
    QFETCH(int, verAlign);
    QFETCH(QMargins, margins);

    KIVQLineEdit edit;
    edit.resize(160, 50);
    FillStyle background;
    QVERIFY(kivGetFillStyle(QStringLiteral("editNormal"), background));
    edit.setBackground(CtrlState(kAllStates), background);
    TextStyleDesc hint = pinnedTextStyle(QStringLiteral("hint"), 0xffffffff, 12);
    hint.horAlign = horAlign;
    hint.verAlign = verAlign;
    edit.setPlaceholderTextStyle(CtrlNormal, hint);
    edit.setPlaceholderText(QStringLiteral("Search"));
    edit.setContentsMargins(margins);

    const QRect inside = edit.rect().marginsRemoved(margins);
    const QRect ink = inkBox(edit.grab().toImage(), kNormal);
    QVERIFY(!ink.isEmpty());
    QVERIFY(inside.contains(ink));
    // Aligned to the inner edge, the text comes within a few pixels of it.
    if (horAlign == 0)
        QVERIFY(ink.left() - inside.left() < 4);
    else
        QVERIFY(inside.right() - ink.right() < 4);

    edit.setText(QStringLiteral(" "));
    QVERIFY(inkBox(edit.grab().toImage(), kNormal).isEmpty());
}

void tst_KIVQLineEdit::marginsRoundTrip_data()
{
    QTest::addColumn<QMargins>("margins");
    QTest::newRow("none") << QMargins();
    QTest::newRow("left only") << QMargins(4, 0, 0, 0);
    QTest::newRow("top only") << QMargins(0, 3, 0, 0);
    QTest::newRow("right only") << QMargins(0, 0, 5, 0);
    QTest::newRow("bottom only") << QMargins(0, 0, 0, 6);
    QTest::newRow("all differ") << QMargins(1, 2, 3, 4);
    QTest::newRow("left equals right") << QMargins(7, 0, 7, 0);
}

void tst_KIVQLineEdit::marginsRoundTrip()
{
    QFETCH(QMargins, margins);
    KIVQLineEdit edit;
    edit.setEditMargin(margins.top(), margins.bottom(), margins.left(), margins.right());
    QCOMPARE(edit.contentsMargins(), margins);
    Json::Value written = writeControl(&edit);

    KIVQLineEdit back;
    QVERIFY(back.readJsonValue(&written));
    QCOMPARE(back.contentsMargins(), margins);

    // A lone left margin is also the right one, and a present "attr" without margins clears them.
    Json::Value lone = parseJson(R"({"attr": {"leftMargin": 4}})");
    back.readJsonValue(&lone);
    QCOMPARE(back.contentsMargins(), QMargins(4, 0, 4, 0));
    Json::Value empty = parseJson(R"({"attr": {}})");
    back.readJsonValue(&empty);
    QCOMPARE(back.contentsMargins(), QMargins());
}

void tst_KIVQLineEdit::placeholderStyleFollowsLastEntry()
{
    KIVQLineEdit edit;
    Json::Value element = parseJson(R"({"style": [["hint", 2, 9], ["ink", 2, 5]]})");
    edit.readJsonValue(&element);
    QCOMPARE(edit.getPlaceholderTextStyle(CtrlNormal).name, QStringLiteral("ink"));

    // The writer puts the placeholder last, so what it writes reads back the same.
    element = parseJson(R"({"style": [["ink", 2, 4], ["editFocus", 1, 2], ["hint", 2, 9]]})");
    edit.readJsonValue(&element);
    const Json::Value written = writeControl(&edit);
    QCOMPARE(compactJson(written["style"]), QByteArray(R"([["editFocus",1,2],["ink",2,4],["hint",2,9]])"));
}

void tst_KIVQLineEdit::themeChangeKeepsMargins()
{
    QWidget window;
    auto* edit = new KIVQLineEdit(&window);
    edit->setEditMargin(2, 3, 6, 7);
    edit->setText(QStringLiteral("bed 12"));
    QVERIFY(loadThemeFor(window, R"({"style": []})",
                         R"({"elements": [{"child": [{"name": "qtdedit",
                             "attr": {"tip": "Search", "leftMargin": 5}}]}]})"));
    QCOMPARE(edit->getPlaceholderText(), QStringLiteral("Search"));
    QCOMPARE(edit->contentsMargins(), QMargins(5, 2, 7, 3));
    QCOMPARE(edit->text(), QStringLiteral("bed 12"));
}

QTEST_MAIN(tst_KIVQLineEdit)
#include "tst_KIVQLineEdit.moc"
