#include "ControlTestHelpers.h"

#include "controls/KIVQScrollBar.h"
#include "controls/KIVQScrollView.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QSignalSpy>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

QString thickness(int n)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%1; } "
                          "QScrollBar::add-line:vertical{ width:%1px;width:%1px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%1px;width:%1px;subcontrol-origin: margin; }")
        .arg(n);
}

KIVQScrollBar* bar(QAbstractScrollArea& area, bool hor)
{
    return qobject_cast<KIVQScrollBar*>(hor ? area.horizontalScrollBar() : area.verticalScrollBar());
}

Json::Value withChildren(const QByteArray& children)
{
    return parseJson("{\"child\": " + children + "}");
}

} // namespace

class tst_KIVQScrollView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void blockTypeMatch_data();
    void blockTypeMatch();
    void blockSheetsAndIcons_data();
    void blockSheetsAndIcons();
    void blockStyleCodes_data();
    void blockStyleCodes();
    void buttonSizeSheets();
    void scrollStepsAreSignalled();
    void backgroundUnderContent();
    void savedViewAdoptsItsContentAgain();
};

void tst_KIVQScrollView::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("track"), namedFill(QStringLiteral("track"), 0xff203040));
    kivSetFillStyle(QStringLiteral("sky"), namedFill(QStringLiteral("sky"), 0xff3080c0));
}

void tst_KIVQScrollView::blockTypeMatch_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("nineContaining");
    QTest::addColumn<bool>("containing");
    QTest::addColumn<bool>("prefix");

    QTest::newRow("the word alone") << "scrollbar" << true << true << true;
    QTest::newRow("the control's type name") << "qtscrollbar" << true << true << false;
    QTest::newRow("letters on both sides") << "myscrollbarx" << true << true << false;
    QTest::newRow("word first") << "scrollbar2" << true << true << true;
    QTest::newRow("shorter than the word") << "scroll" << false << false << false;
    QTest::newRow("capitals do not count") << "ScrollBar" << false << false << false;
    QTest::newRow("empty") << "" << false << false << false;
}

void tst_KIVQScrollView::blockTypeMatch()
{
    QFETCH(QString, type);
    QFETCH(bool, nineContaining);
    QFETCH(bool, containing);
    QFETCH(bool, prefix);
    QCOMPARE(isScrollBarBlockType(type, ScrollBarBlockMatch::AtLeastNineContaining), nineContaining);
    QCOMPARE(isScrollBarBlockType(type, ScrollBarBlockMatch::Containing), containing);
    QCOMPARE(isScrollBarBlockType(type, ScrollBarBlockMatch::Prefix), prefix);
}

void tst_KIVQScrollView::blockSheetsAndIcons_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("verticalUpIcon");
    QTest::addColumn<QString>("horizontalThumbIcon");

    QTest::newRow("thickness replaces the button size sheet")
        << QByteArray(R"([{"type": "scrollbar", "attr": {"size": 20}, "w": 10}])") << thickness(10) << "up.svg"
        << "grip.svg";
    QTest::newRow("no attr clears the vertical icons, no w gives 0")
        << QByteArray(R"([{"type": "qtscrollbar"}])") << thickness(0) << ""
        << "grip.svg";
    QTest::newRow("a horizontal block takes h")
        << QByteArray(R"([{"type": "scrollbar", "attr": {"hor": true, "thumbicon": "dots.svg"}, "h": 7, "w": 3}])")
        << thickness(7) << "up.svg"
        << "dots.svg";
    QTest::newRow("wrong-typed keys count as absent")
        << QByteArray(R"([{"type": "scrollbar", "attr": {"hor": "yes", "upicon": [5]}, "w": 6}])") << thickness(6)
        << "up.svg"
        << "grip.svg";
    QTest::newRow("the last block's thickness holds for both bars")
        << QByteArray(R"([{"type": "scrollbar", "w": 10, "attr": {"upicon": "a.svg"}},
                         {"type": "xscrollbarx", "attr": {"hor": true}, "h": 4}])")
        << thickness(4) << "a.svg"
        << "grip.svg";
    QTest::newRow("other children are skipped")
        << QByteArray(R"([{"type": "qtcontainer", "w": 9}, {"w": 9}, 5, {"type": 7}])") << ""
        << "up.svg"
        << "grip.svg";
    QTest::newRow("an empty child list") << QByteArray("[]") << ""
                                         << "up.svg"
                                         << "grip.svg";
}

void tst_KIVQScrollView::blockSheetsAndIcons()
{
    QFETCH(QByteArray, children);
    QFETCH(QString, sheet);
    QFETCH(QString, verticalUpIcon);
    QFETCH(QString, horizontalThumbIcon);

    KIVQScrollView view;
    view.setScrollbarButtonIcon(false, true, QStringLiteral("up.svg"));
    view.setScrollbarThumb(true, QStringLiteral("grip.svg"));
    Json::Value element = withChildren(children);
    QVERIFY(view.readJsonValue(&element));
    QCOMPARE(bar(view, false)->styleSheet(), sheet);
    QCOMPARE(bar(view, true)->styleSheet(), sheet);
    QCOMPARE(bar(view, false)->getScrollbarBtnIcon(true), verticalUpIcon);
    QCOMPARE(bar(view, true)->getScrollbarThumbIcon(), horizontalThumbIcon);
}

void tst_KIVQScrollView::blockStyleCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected"); // per part and state, "-" where the style did not land

    // Parts: background, up 0..3, down 0..3, thumb 0..3.
    QTest::newRow("0 background") << 0 << "B ---- ---- ----";
    QTest::newRow("1 nothing") << 1 << "- ---- ---- ----";
    QTest::newRow("2 up button, all states") << 2 << "- BBBB ---- ----";
    QTest::newRow("3 up button, hot") << 3 << "- -B-- ---- ----";
    QTest::newRow("6 down button, all states") << 6 << "- ---- BBBB ----";
    QTest::newRow("9 down button, disabled") << 9 << "- ---- ---B ----";
    QTest::newRow("10 thumb, all states") << 10 << "- ---- ---- BBBB";
    QTest::newRow("13 thumb, disabled") << 13 << "- ---- ---- ---B";
    QTest::newRow("14 nothing") << 14 << "- ---- ---- ----";
    QTest::newRow("-2 nothing") << -2 << "- ---- ---- ----";
}

void tst_KIVQScrollView::blockStyleCodes()
{
    QFETCH(int, code);
    QFETCH(QString, expected);

    KIVQScrollView view;
    Json::Value element = withChildren(QStringLiteral(R"([{"type": "scrollbar", "style": [["track", 1, %1],
        ["no such style", 1, %1]]}])")
                                           .arg(code)
                                           .toUtf8());
    view.readJsonValue(&element);
    const KIVQScrollBar* vertical = bar(view, false);
    const auto mark = [](const FillStyle& f) { return f.name == QLatin1String("track") ? 'B' : '-'; };
    QString shown(1, mark(vertical->getScrollbarBackground()));
    using Getter = const FillStyle& (KIVQScrollBar::*)(CtrlState) const;
    for (Getter part : {&KIVQScrollBar::getScrollbarUpButton, &KIVQScrollBar::getScrollbarDownButton,
                        &KIVQScrollBar::getScrollbarThumb}) {
        shown += QLatin1Char(' ');
        for (int s = 0; s < 4; ++s)
            shown += mark((vertical->*part)(CtrlState(s)));
    }
    QCOMPARE(shown, expected);
    // The block styled the vertical bar only.
    QVERIFY(bar(view, true)->getScrollbarThumb(CtrlNormal).name.isEmpty());
    QVERIFY(bar(view, true)->getScrollbarBackground().name.isEmpty());
}

void tst_KIVQScrollView::buttonSizeSheets()
{
    KIVQScrollView view;
    view.setScrollbarBtnSize(true, 20);
    QCOMPARE(bar(view, true)->styleSheet(), QStringLiteral("QScrollBar::add-line{ width:20px;width:20px; }"
                                                           "QScrollBar::sub-line{ width:20px;width:20px; }"));
    QVERIFY(bar(view, false)->styleSheet().isEmpty());
    view.setScrollbarBtnSize(false, 9);
    QCOMPARE(bar(view, false)->styleSheet(), QStringLiteral("QScrollBar::add-line:vertical{ height:9px;width:9px; }"
                                                            "QScrollBar::sub-line:vertical{ height:9px;width:9px; }"));
    view.setScrollbarSize(false, 12);
    QCOMPARE(bar(view, true)->styleSheet(), thickness(12));
    QCOMPARE(bar(view, false)->styleSheet(), thickness(12));
}

void tst_KIVQScrollView::scrollStepsAreSignalled()
{
    KIVQScrollView view;
    view.resize(100, 100);
    auto* content = new KIVQContainer;
    content->resize(400, 300);
    view.setWidget(content);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy steps(&view, &KIVQScrollView::scrollPosChanged);

    view.setVScrollPos(30);
    view.setHScrollPos(50);
    view.setVScrollPos(10);
    QCOMPARE(view.getVScrollPos(), 10);
    QCOMPARE(view.getHScrollPos(), 50);
    QCOMPARE(steps.count(), 3);
    QCOMPARE(steps.at(0), (QVariantList{0, -30}));
    QCOMPARE(steps.at(1), (QVariantList{-50, 0}));
    QCOMPARE(steps.at(2), (QVariantList{0, 20}));
    QCOMPARE(content->pos(), QPoint(-50, -10));
}

void tst_KIVQScrollView::backgroundUnderContent()
{
    KIVQScrollView view;
    view.resize(120, 80);
    Json::Value element = parseJson(R"({"style": [["track", 1, 0], ["sky", 1, 7], ["gone", 1, 3], ["track", 1, -1]]})");
    view.readJsonValue(&element);
    // The last name is kept for the save; the store lacking it, the view paints sky's look.
    QCOMPARE(view.getBackground().name, QStringLiteral("gone"));
    auto* content = new KIVQContainer;
    content->setBackground(namedFill(QStringLiteral("ink"), 0xff000000));
    content->resize(40, 40);
    view.setWidget(content);
    view.setWidgetResizable(false);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.grab().toImage();
    QCOMPARE(shot.pixel(10, 10), 0xff000000);
    QCOMPARE(shot.pixel(70, 60), 0xff3080c0);
}

void tst_KIVQScrollView::savedViewAdoptsItsContentAgain()
{
    // The adopted content moves into the viewport, out of the view's own children; it used to be lost
    // on saving, and the view came back empty.
    QWidget host;
    const Json::Value page = parseJson(R"({"type": "qtscrollview", "child": [
        {"type": "scrollbar", "w": 8},
        {"type": "qtcontainer", "name": "rows", "child": [{"type": "qtlabel", "name": "first"}]},
        {"type": "qtcontainer", "name": "aside"}]})");
    auto* view = qobject_cast<KIVQScrollView*>(buildControlTree(page, &host));
    QVERIFY(view);
    QVERIFY(view->widget());
    QCOMPARE(view->widget()->objectName(), QStringLiteral("rows"));
    QCOMPARE(view->findChild<KIVQContainer*>(QStringLiteral("aside"))->parentWidget(), view);
    QCOMPARE(bar(*view, false)->styleSheet(), thickness(8));

    const Json::Value saved = writeControl(view);
    auto* rebuilt = qobject_cast<KIVQScrollView*>(buildControlTree(saved, &host));
    QVERIFY(rebuilt);
    QVERIFY(rebuilt->widget());
    QCOMPARE(rebuilt->widget()->objectName(), QStringLiteral("rows"));
    QVERIFY(rebuilt->widget()->findChild<QWidget*>(QStringLiteral("first")));
    QCOMPARE(rebuilt->findChildren<KIVQContainer*>(QStringLiteral("aside")).size(), 1);
    QCOMPARE(compactJson(writeControl(rebuilt)), compactJson(saved));
}

QTEST_MAIN(tst_KIVQScrollView)
#include "tst_KIVQScrollView.moc"
