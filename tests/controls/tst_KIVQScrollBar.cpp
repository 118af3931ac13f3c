#include "ControlTestHelpers.h"

#include "controls/KIVQScrollBar.h"
#include "controls/KIVQScrollBarImpl.h"
#include "core/KIVQtLib.h"

#include <QStyleOptionSlider>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

QRect styleRect(KIVQScrollBar& bar, QStyle::SubControl sub)
{
    QStyleOptionSlider option;
    bar.initStyleOption(&option);
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, sub, &bar);
}

} // namespace

class tst_KIVQScrollBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void hiddenUntilShownWithThicknessOverride();
    void partStatesFollowPointer();
    void readStyleCodes_data();
    void readStyleCodes();
    void writeStyles();
    void attrKeys();
    void absentAttrKeysKeepOrientationAndIcons();
    void themeRefreshKeepsIcons();

private:
    std::unique_ptr<KIVQScrollBar> shownBar();
};

void tst_KIVQScrollBar::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("bg"), namedFill(QStringLiteral("bg"), 0xff101010));
    kivSetFillStyle(QStringLiteral("a"), namedFill(QStringLiteral("a"), 0xffaa0000));
    kivSetFillStyle(QStringLiteral("b"), namedFill(QStringLiteral("b"), 0xff00bb00));
}

std::unique_ptr<KIVQScrollBar> tst_KIVQScrollBar::shownBar()
{
    auto bar = std::make_unique<KIVQScrollBar>();
    bar->setRange(0, 100);
    bar->setPageStep(10);
    bar->resize(16, 200);
    bar->show();
    return bar;
}

void tst_KIVQScrollBar::hiddenUntilShownWithThicknessOverride()
{
    QWidget parent;
    auto* vertical = new KIVQScrollBar(&parent);
    auto* horizontal = new KIVQScrollBar(Qt::Horizontal, &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QVERIFY(!vertical->isVisible() && !horizontal->isVisible());
    QCOMPARE(horizontal->orientation(), Qt::Horizontal);

    const QSize plain = QScrollBar(Qt::Vertical).sizeHint();
    QCOMPARE(vertical->sizeHint(), plain);
    const QSize horizontalHint = horizontal->sizeHint();
    vertical->setWidthHeight(8);
    horizontal->setWidthHeight(8);
    QCOMPARE(vertical->sizeHint(), QSize(8, plain.height()));
    QCOMPARE(horizontal->sizeHint(), QSize(horizontalHint.width(), 8));
    vertical->setWidthHeight(-1);
    QCOMPARE(vertical->sizeHint(), plain);

    std::unique_ptr<QWidget> made(kivFindCreateFunction("scrollbar")());
    QVERIFY(qobject_cast<KIVQScrollBar*>(made.get()));
    QVERIFY(kivGetControlInfo(QStringLiteral("qtscrollbar")));
}

void tst_KIVQScrollBar::partStatesFollowPointer()
{
    const auto bar = shownBar();
    QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    KIVQScrollBarImpl* d = bar->impl();
    const auto state = [d](KIVQScrollBarImpl::Part part) { return d->partState(part); };
    using P = KIVQScrollBarImpl;

    const QRect up = styleRect(*bar, QStyle::SC_ScrollBarSubLine);
    const QPoint grip = styleRect(*bar, QStyle::SC_ScrollBarSlider).center();
    QCOMPARE(d->partRect(P::DownButton), styleRect(*bar, QStyle::SC_ScrollBarAddLine));

    // Hover: the part under the pointer is hot, the others normal.
    sendMouse(bar.get(), QEvent::MouseMove, grip);
    QCOMPARE(state(P::Thumb), int(CtrlHover));
    sendMouse(bar.get(), QEvent::MouseMove, up.center());
    QCOMPARE(state(P::Thumb), int(CtrlNormal));
    QCOMPARE(state(P::UpButton), int(CtrlHover));
    sendEvent(bar.get(), QEvent::Leave);
    QCOMPARE(state(P::UpButton), int(CtrlNormal));

    // A pressed button loses its press as soon as the pointer moves off it.
    sendMouse(bar.get(), QEvent::MouseButtonPress, up.center(), Qt::LeftButton);
    QCOMPARE(state(P::UpButton), int(CtrlPressed));
    sendMouse(bar.get(), QEvent::MouseMove, QPoint(up.center().x(), 100), Qt::LeftButton);
    QCOMPARE(state(P::UpButton), int(CtrlNormal));
    sendMouse(bar.get(), QEvent::MouseButtonRelease, QPoint(up.center().x(), 100));
    bar->setValue(0);

    // A dragged thumb stays pressed off the bar, also when the pointer leaves it, until the release.
    sendMouse(bar.get(), QEvent::MouseButtonPress, grip, Qt::LeftButton);
    QCOMPARE(state(P::Thumb), int(CtrlPressed));
    const QPoint outside(grip.x() + 120, grip.y() + 60);
    sendMouse(bar.get(), QEvent::MouseMove, outside, Qt::LeftButton);
    sendEvent(bar.get(), QEvent::Leave);
    QCOMPARE(state(P::Thumb), int(CtrlPressed));
    QVERIFY(bar->value() > 0);
    sendMouse(bar.get(), QEvent::MouseButtonRelease, outside);
    QCOMPARE(state(P::Thumb), int(CtrlNormal));

    // Released over the thumb (which moved with the value) it becomes hot.
    const QPoint moved = styleRect(*bar, QStyle::SC_ScrollBarSlider).center();
    QVERIFY(moved != grip);
    sendMouse(bar.get(), QEvent::MouseButtonPress, moved, Qt::LeftButton);
    sendMouse(bar.get(), QEvent::MouseButtonRelease, moved);
    QCOMPARE(state(P::Thumb), int(CtrlHover));
}

void tst_KIVQScrollBar::readStyleCodes_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QStringList>("up");
    QTest::addColumn<QStringList>("down");
    QTest::addColumn<QStringList>("thumb");

    const QString e;
    const QStringList none{e, e, e, e};
    QTest::newRow("background and the three runs")
        << QByteArray(R"([["bg",1,0],["a",1,2],["b",1,4],["b",1,7],["a",1,10],["b",1,13]])") << QStringLiteral("bg")
        << QStringList{"a", "a", "b", "a"} << QStringList{e, "b", e, e} << QStringList{"a", "a", "a", "b"};
    QTest::newRow("codes 1, 14 and -1 change nothing")
        << QByteArray(R"([["a",1,1],["a",1,14],["a",1,-1]])") << e << none << none << none;
    // Kept, so that a save writes them back.
    QTest::newRow("names the store lacks are kept")
        << QByteArray(R"([["nope",1,0],["nope",1,6]])") << QStringLiteral("nope") << none
        << QStringList{"nope", "nope", "nope", "nope"} << none;
}

void tst_KIVQScrollBar::readStyleCodes()
{
    QFETCH(QByteArray, style);
    QFETCH(QString, background);
    QFETCH(QStringList, up);
    QFETCH(QStringList, down);
    QFETCH(QStringList, thumb);

    KIVQScrollBar bar;
    Json::Value element(Json::objectValue);
    element["style"] = parseJson(style);
    QVERIFY(bar.readJsonValue(&element));
    QCOMPARE(bar.getScrollbarBackground().name, background);
    for (int s = 0; s < kStateCount; ++s) {
        QCOMPARE(bar.getScrollbarUpButton(CtrlState(s)).name, up.at(s));
        QCOMPARE(bar.getScrollbarDownButton(CtrlState(s)).name, down.at(s));
        QCOMPARE(bar.getScrollbarThumb(CtrlState(s)).name, thumb.at(s));
    }
}

void tst_KIVQScrollBar::writeStyles()
{
    KIVQScrollBar bar;
    Json::Value out(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QVERIFY(out.isMember("style") && out["style"].isNull());

    FillStyle a, b, background;
    QVERIFY(kivGetFillStyle(QStringLiteral("a"), a) && kivGetFillStyle(QStringLiteral("b"), b));
    QVERIFY(kivGetFillStyle(QStringLiteral("bg"), background));
    bar.setScrollbarBackground(CommonNormal, background);
    bar.setScrollbarThumb(CtrlState(kAllStates), a);
    bar.setScrollbarThumb(CtrlState(7), b); // outside the states: ignored
    bar.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["style"]), QByteArray(R"([["bg",1,0],["a",1,10]])"));

    bar.setScrollbarThumb(CtrlHover, b);
    QCOMPARE(bar.getScrollbarThumb(CtrlState(-4)).name, QStringLiteral("a"));
    bar.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["style"]), QByteArray(R"([["bg",1,0],["a",1,10],["b",1,11],["a",1,12],["a",1,13]])"));
}

void tst_KIVQScrollBar::attrKeys()
{
    KIVQScrollBar bar;
    bar.setScrollbarBtnIcon(true, QStringLiteral("up.svg"));
    bar.setScrollbarThumbIcon(QStringLiteral("grip.png"));
    Json::Value out(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["attr"]), QByteArray(R"({"thumbicon":"grip.png","upicon":"up.svg"})"));

    Json::Value clear = parseJson(R"({"attr": {}})");
    bar.readJsonValue(&clear);
    QVERIFY(bar.getScrollbarBtnIcon(true).isEmpty() && bar.getScrollbarThumbIcon().isEmpty());

    Json::Value hor = parseJson(R"({"attr": {"hor": true, "downicon": "d.svg"}})");
    bar.readJsonValue(&hor);
    QCOMPARE(bar.orientation(), Qt::Horizontal);
    QCOMPARE(bar.getScrollbarBtnIcon(false), QStringLiteral("d.svg"));
    out = Json::Value(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["attr"]), QByteArray(R"({"downicon":"d.svg","hor":true})"));

    // Wrong types are not used and never throw; the orientation set in code stays.
    KIVQScrollBar turned;
    turned.setOrientation(Qt::Horizontal);
    Json::Value hostile = parseJson(R"({"attr": {"hor": "yes", "upicon": 5}, "style": [["a", 1, "x"]]})");
    QVERIFY(turned.readJsonValue(&hostile));
    QCOMPARE(turned.orientation(), Qt::Horizontal);
}

void tst_KIVQScrollBar::absentAttrKeysKeepOrientationAndIcons()
{
    // A container's horizontal bar styled by an element that names no orientation stays horizontal.
    KIVQScrollBar bar(Qt::Horizontal);
    bar.setScrollbarThumbIcon(QStringLiteral("grip.svg"));
    Json::Value styleOnly = parseJson(R"({"style": [["a", 1, 10]]})");
    QVERIFY(bar.readJsonValue(&styleOnly));
    QCOMPARE(bar.orientation(), Qt::Horizontal);
    QCOMPARE(bar.getScrollbarThumbIcon(), QStringLiteral("grip.svg"));

    Json::Value iconOnly = parseJson(R"({"attr": {"upicon": "up.svg"}})");
    QVERIFY(bar.readJsonValue(&iconOnly));
    QCOMPARE(bar.orientation(), Qt::Horizontal);
    QVERIFY(bar.getScrollbarThumbIcon().isEmpty()); // a present "attr" names every icon the bar shows

    // A null "attr", as a vertical bar without icons is written, holds every key as null.
    Json::Value nullAttr = parseJson(R"({"attr": null})");
    QVERIFY(bar.readJsonValue(&nullAttr));
    QCOMPARE(bar.orientation(), Qt::Vertical);
    QVERIFY(bar.getScrollbarBtnIcon(true).isEmpty());
}

void tst_KIVQScrollBar::themeRefreshKeepsIcons()
{
    QWidget window;
    auto* bar = new KIVQScrollBar(&window);
    bar->setScrollbarBtnIcon(true, QStringLiteral("mine-up.svg"));
    bar->setScrollbarBtnIcon(false, QStringLiteral("mine-down.svg"));
    bar->setScrollbarThumbIcon(QStringLiteral("mine-grip.svg"));

    QVERIFY(loadThemeFor(window,
                         R"({"style": [{"type": 1, "name": "themeThumb", "drawImg": false, "clr": "ff336699"}]})",
                         R"({"elements": [{"child": [{"name": "qtscrollbar", "style": [["themeThumb", 1, 10]],
                             "attr": {"thumbicon": "theme-grip.svg", "hor": true}}]}]})"));
    QCOMPARE(bar->getScrollbarThumb(CtrlHover).name, QStringLiteral("themeThumb"));
    QCOMPARE(bar->getScrollbarThumbIcon(), QStringLiteral("theme-grip.svg"));
    QCOMPARE(bar->getScrollbarBtnIcon(true), QStringLiteral("mine-up.svg"));
    QCOMPARE(bar->getScrollbarBtnIcon(false), QStringLiteral("mine-down.svg"));
    QCOMPARE(bar->orientation(), Qt::Vertical);
}

QTEST_MAIN(tst_KIVQScrollBar)
#include "tst_KIVQScrollBar.moc"
