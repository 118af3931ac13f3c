#include "ControlTestHelpers.h"

#include "controls/KIVQScrollBar.h"
#include "controls/KIVQTextEdit.h"
#include "core/KIVQtLib.h"

#include <QLineEdit>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kNormal = 0xff204060;
const QRgb kFocused = 0xff602040;

// As QMargins (left, top, right, bottom).
QMargins margins(const KIVQTextEdit& edit)
{
    int top = 0, bottom = 0, left = 0, right = 0;
    edit.getEditMargin(top, bottom, left, right);
    return QMargins(left, top, right, bottom);
}

} // namespace

class tst_KIVQTextEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void placeholderInsideMargins();
    void stateFollowsFocus();
    void readStyleCodes();
    void plainTextRoundTrip_data();
    void plainTextRoundTrip();
    void attrAndBlocks();
    void takesNoThemeEntryWhenMade();
};

void tst_KIVQTextEdit::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("paper"), namedFill(QStringLiteral("paper"), kNormal));
    kivSetFillStyle(QStringLiteral("paperFocus"), namedFill(QStringLiteral("paperFocus"), kFocused));
    kivSetFillStyle(QStringLiteral("track"), namedFill(QStringLiteral("track"), 0xff101010));
    kivSetTextStyle(QStringLiteral("body"), pinnedTextStyle(QStringLiteral("body"), 0xff000000, 13));
    kivSetTextStyle(QStringLiteral("bodyFocus"), pinnedTextStyle(QStringLiteral("bodyFocus"), 0xffff0000, 17));
    kivSetTextStyle(QStringLiteral("hint"), pinnedTextStyle(QStringLiteral("hint"), 0xff808080, 11));
}

void tst_KIVQTextEdit::placeholderInsideMargins()
{
    KIVQTextEdit edit;
    edit.resize(200, 120);
    FillStyle paper;
    QVERIFY(kivGetFillStyle(QStringLiteral("paper"), paper));
    edit.setBackground(CtrlState(kAllStates), paper);
    TextStyleDesc hint = pinnedTextStyle(QStringLiteral("hint"), 0xffffffff, 12);
    hint.horAlign = 2;
    hint.verAlign = 2;
    edit.setPlaceholderTextStyle(hint);
    edit.setPlaceholderText(QStringLiteral("Notes"));
    edit.setEditMargin(4, 4, 4, 4);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    const QImage shot = edit.viewport()->grab().toImage();
    const QRect inside = edit.viewport()->rect().adjusted(4, 4, -4, -4);
    const QRect ink = inkBox(shot, kNormal);
    QVERIFY(!ink.isEmpty());
    QVERIFY(inside.contains(ink));
    QVERIFY(inside.right() - ink.right() < 4);

    // The typed character shows at the top left; the bottom-right placeholder is gone.
    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(edit.toPlainText(), QStringLiteral("a"));
    const QRect corner(shot.width() / 2, shot.height() / 2, shot.width() / 2, shot.height() / 2);
    QVERIFY(!inkBox(shot.copy(corner), kNormal).isEmpty());
    QVERIFY(inkBox(edit.viewport()->grab().toImage().copy(corner), kNormal).isEmpty());

    // Margins straight from a page document; the sanitizers catch an overflowing placement.
    edit.clear();
    for (int m : {INT_MIN, INT_MAX}) {
        edit.setEditMargin(m, m, m, m);
        QVERIFY(!edit.viewport()->grab().isNull());
    }
}

void tst_KIVQTextEdit::stateFollowsFocus()
{
    QWidget window;
    auto* edit = new KIVQTextEdit(&window);
    auto* other = new QLineEdit(&window);
    edit->setGeometry(0, 0, 150, 80);
    other->setGeometry(0, 90, 150, 30);
    Json::Value element =
        parseJson(R"({"style": [["paper", 1, 0], ["paperFocus", 1, 2], ["body", 2, 4], ["bodyFocus", 2, 6]]})");
    QVERIFY(edit->readJsonValue(&element));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto shown = [edit] { return edit->viewport()->grab().toImage().pixel(140, 70); };

    other->setFocus();
    QCOMPARE(shown(), kNormal);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(shown(), kFocused);
    QCOMPARE(edit->font().pixelSize(), 17);
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
    sendEvent(edit, QEvent::Enter);
    sendEvent(edit, QEvent::Leave);
    QCOMPARE(shown(), kFocused);
    other->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(shown(), kNormal);
    QCOMPARE(edit->font().pixelSize(), 13);
}

void tst_KIVQTextEdit::readStyleCodes()
{
    KIVQTextEdit edit;
    Json::Value element = parseJson(R"({"style": [["body", 2, 4]]})");
    edit.readJsonValue(&element);
    for (int s = 0; s < 4; ++s)
        QCOMPARE(edit.getTextStyle(CtrlState(s)).name, QStringLiteral("body"));
    QCOMPARE(edit.getPlaceholderTextStyle().name, QStringLiteral("body"));

    element = parseJson(R"({"style": [["hint", 2, 8], ["bodyFocus", 2, 6], ["paperFocus", 1, 9], ["gone", 2, 8]]})");
    edit.readJsonValue(&element);
    // A name the store lacks is kept for the save, over the look the slot had.
    QCOMPARE(edit.getPlaceholderTextStyle().name, QStringLiteral("gone"));
    QCOMPARE(edit.getPlaceholderTextStyle().colour, QColor(0x80, 0x80, 0x80));
    QCOMPARE(edit.getTextStyle(CtrlNormal).name, QStringLiteral("body"));
    QCOMPARE(edit.getTextStyle(CtrlPressed).name, QStringLiteral("bodyFocus"));
    QVERIFY(edit.getBackground(CtrlNormal).name.isEmpty());

    const Json::Value written = writeControl(&edit);
    QCOMPARE(compactJson(written["style"]),
             QByteArray(R"([["body",2,4],["body",2,5],["bodyFocus",2,6],["body",2,7],["gone",2,8]])"));
}

void tst_KIVQTextEdit::plainTextRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("markup stays characters") << "<b>x</b>";
    QTest::newRow("entity stays characters") << "a &amp; b";
    QTest::newRow("several lines") << "line 1\nline 2";
    QTest::newRow("non-latin") << QStringLiteral("病房 7");
}

void tst_KIVQTextEdit::plainTextRoundTrip()
{
    QFETCH(QString, text);
    KIVQTextEdit edit;
    edit.setPlainText(text);
    Json::Value written = writeControl(&edit);
    KIVQTextEdit back;
    QVERIFY(back.readJsonValue(&written));
    QCOMPARE(back.toPlainText(), text);
    QVERIFY(!back.document()->toHtml().contains(QLatin1String("font-weight:600")));
}

void tst_KIVQTextEdit::attrAndBlocks()
{
    KIVQTextEdit edit;
    edit.setEditMargin(1, 2, 3, 4);
    Json::Value written = writeControl(&edit);
    KIVQTextEdit back;
    back.readJsonValue(&written);
    QCOMPARE(margins(back), QMargins(3, 1, 4, 2));

    // Shown, the margins stay: the frame of the scroll area owns the widget's contents margins.
    back.show();
    QVERIFY(QTest::qWaitForWindowExposed(&back));
    QCOMPARE(margins(back), QMargins(3, 1, 4, 2));
    QCOMPARE(compactJson(writeControl(&back)["attr"]), compactJson(written["attr"]));

    // Margins missing from a present "attr" become 0; without "attr" they stay, and blocks still apply.
    Json::Value element = parseJson(R"({"attr": {"text": "bed 4"}})");
    edit.readJsonValue(&element);
    QCOMPARE(edit.toPlainText(), QStringLiteral("bed 4"));
    QCOMPARE(margins(edit), QMargins());
    edit.setEditMargin(5, 5, 5, 5);
    element = parseJson(R"({"child": [{"type": "scrollbar", "attr": {"size": 20, "hor": true},
                                       "h": 6, "style": [["track", 1, 10]]}]})");
    edit.readJsonValue(&element);
    QCOMPARE(margins(edit), QMargins(5, 5, 5, 5));
    const auto* horizontal = qobject_cast<KIVQScrollBar*>(edit.horizontalScrollBar());
    QCOMPARE(horizontal->getScrollbarThumb(CtrlPressed).name, QStringLiteral("track"));
    QVERIFY(horizontal->styleSheet().contains(QLatin1String("height:6;")));
    // The edit sizes no buttons.
    edit.setScrollbarBtnSize(true, 30);
    QVERIFY(!horizontal->styleSheet().contains(QLatin1String("30px")));

    // A null "attr", as written for an edit without text or margins, clears both.
    element = parseJson(R"({"attr": null})");
    edit.readJsonValue(&element);
    QVERIFY(edit.toPlainText().isEmpty());
    QCOMPARE(margins(edit), QMargins());
}

void tst_KIVQTextEdit::takesNoThemeEntryWhenMade()
{
    QWidget window;
    QVERIFY(loadThemeFor(window, R"({"style": []})",
                         R"({"elements": [{"child": [{"name": "qttext", "attr": {"tip": "From the theme"}}]}]})"));
    KIVQTextEdit fresh;
    QVERIFY(fresh.getPlaceholderText().isEmpty());
    Json::Value element = parseJson(R"({"theme": "qttext", "attr": {}})");
    fresh.readJsonValue(&element);
    QCOMPARE(fresh.getPlaceholderText(), QStringLiteral("From the theme"));
}

QTEST_MAIN(tst_KIVQTextEdit)
#include "tst_KIVQTextEdit.moc"
