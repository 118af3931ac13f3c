#include "controls/KIVQScrollBar.h"
#include "controls/KIVQScrollBarImpl.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QStyleOptionSlider>
#include <QtTest>

using namespace KIVQtLib;

namespace {

using Part = KIVQScrollBarImpl::Part;

FillStyle namedFill(const QString& name, QRgb colour)
{
    FillStyle f;
    f.name = name;
    f.res.colour = QColor::fromRgba(colour);
    return f;
}

Json::Value parse(const QByteArray& text)
{
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const bool ok = reader->parse(text.constData(), text.constData() + text.size(), &root, nullptr);
    Q_ASSERT(ok);
    return root;
}

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QRect styleRect(KIVQScrollBar& bar, QStyle::SubControl sub)
{
    QStyleOptionSlider option;
    bar.initStyleOption(&option);
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, sub, &bar);
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(bytes);
    return path;
}

} // namespace

class tst_KIVQScrollBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void construction();
    void thicknessOverride();
    void perStateAccessors();
    void hoverFollowsPointer();
    void dragKeepsThumbPressed();
    void buttonLosesPressOffIt();
    void readStyleCodes_data();
    void readStyleCodes();
    void writeStyles();
    void attrKeys();
    void themeRefreshKeepsIcons();
};

void tst_KIVQScrollBar::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("bg"), namedFill(QStringLiteral("bg"), 0xff101010));
    kivSetFillStyle(QStringLiteral("a"), namedFill(QStringLiteral("a"), 0xffaa0000));
    kivSetFillStyle(QStringLiteral("b"), namedFill(QStringLiteral("b"), 0xff00bb00));
}

void tst_KIVQScrollBar::construction()
{
    QWidget parent;
    auto* vertical = new KIVQScrollBar(&parent);
    auto* horizontal = new KIVQScrollBar(Qt::Horizontal, &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QVERIFY(!vertical->isVisible());
    QVERIFY(!horizontal->isVisible());
    QCOMPARE(vertical->orientation(), Qt::Vertical);
    QCOMPARE(horizontal->orientation(), Qt::Horizontal);
    QVERIFY(vertical->testAttribute(Qt::WA_MouseTracking));

    QScrollBar plain(Qt::Vertical);
    QCOMPARE(vertical->sizeHint(), plain.sizeHint());

    std::unique_ptr<QWidget> made(kivFindCreateFunction("scrollbar")());
    QVERIFY(qobject_cast<KIVQScrollBar*>(made.get()));
    QVERIFY(kivGetControlInfo(QStringLiteral("qtscrollbar")));
    QVERIFY(!kivGetControlInfo(QStringLiteral("scrollbar")));
}

void tst_KIVQScrollBar::thicknessOverride()
{
    KIVQScrollBar vertical;
    KIVQScrollBar horizontal(Qt::Horizontal);
    const QSize vHint = vertical.sizeHint();
    const QSize hHint = horizontal.sizeHint();
    vertical.setWidthHeight(8);
    horizontal.setWidthHeight(8);
    QCOMPARE(vertical.sizeHint(), QSize(8, vHint.height()));
    QCOMPARE(horizontal.sizeHint(), QSize(hHint.width(), 8));
    vertical.setWidthHeight(-1);
    QCOMPARE(vertical.sizeHint(), vHint);
}

void tst_KIVQScrollBar::perStateAccessors()
{
    KIVQScrollBar bar;
    bar.setScrollbarThumb(CtrlState(kAllStates), namedFill(QStringLiteral("a"), 0xffaa0000));
    bar.setScrollbarThumb(CtrlHover, namedFill(QStringLiteral("b"), 0xff00bb00));
    bar.setScrollbarThumb(CtrlState(7), namedFill(QStringLiteral("x"), 0));
    bar.setScrollbarThumb(CtrlState(-1), namedFill(QStringLiteral("x"), 0));
    QCOMPARE(bar.getScrollbarThumb(CtrlNormal).name, QStringLiteral("a"));
    QCOMPARE(bar.getScrollbarThumb(CtrlHover).name, QStringLiteral("b"));
    QCOMPARE(bar.getScrollbarThumb(CtrlDisabled).name, QStringLiteral("a"));
    QCOMPARE(bar.getScrollbarThumb(CtrlState(12)).name, QStringLiteral("a"));
    QCOMPARE(bar.getScrollbarThumb(CtrlState(-4)).name, QStringLiteral("a"));

    bar.setScrollbarUpButton(CtrlPressed, namedFill(QStringLiteral("b"), 0));
    QCOMPARE(bar.getScrollbarUpButton(CtrlPressed).name, QStringLiteral("b"));
    QVERIFY(bar.getScrollbarDownButton(CtrlPressed).name.isEmpty());
}

void tst_KIVQScrollBar::hoverFollowsPointer()
{
    KIVQScrollBar bar;
    bar.setRange(0, 100);
    bar.resize(16, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    KIVQScrollBarImpl* d = bar.impl();

    const QRect thumb = styleRect(bar, QStyle::SC_ScrollBarSlider);
    const QRect up = styleRect(bar, QStyle::SC_ScrollBarSubLine);
    QVERIFY(thumb.isValid() && up.isValid());
    QCOMPARE(d->partRect(KIVQScrollBarImpl::Thumb), thumb);
    QCOMPARE(d->partRect(KIVQScrollBarImpl::DownButton), styleRect(bar, QStyle::SC_ScrollBarAddLine));

    sendMouse(&bar, QEvent::MouseMove, thumb.center(), Qt::NoButton, Qt::NoButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlHover));
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlNormal));

    sendMouse(&bar, QEvent::MouseMove, up.center(), Qt::NoButton, Qt::NoButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlNormal));
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlHover));
    QCOMPARE(d->partState(KIVQScrollBarImpl::DownButton), int(CtrlNormal));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlNormal));
}

void tst_KIVQScrollBar::dragKeepsThumbPressed()
{
    KIVQScrollBar bar;
    bar.setRange(0, 100);
    bar.setPageStep(10);
    bar.resize(16, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    KIVQScrollBarImpl* d = bar.impl();

    const QPoint grip = styleRect(bar, QStyle::SC_ScrollBarSlider).center();
    sendMouse(&bar, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlPressed));

    // Dragged off the bar: the thumb stays pressed and the value follows.
    const QPoint outside(grip.x() + 120, grip.y() + 60);
    sendMouse(&bar, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlPressed));
    QVERIFY(bar.value() > 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlPressed));

    // The thumb has moved with the value; releasing away from it makes it normal.
    QVERIFY(!styleRect(bar, QStyle::SC_ScrollBarSlider).contains(outside));
    sendMouse(&bar, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlNormal));

    // Released over the thumb it becomes hot.
    const QPoint grip2 = styleRect(bar, QStyle::SC_ScrollBarSlider).center();
    sendMouse(&bar, QEvent::MouseButtonPress, grip2, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseButtonRelease, grip2, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::Thumb), int(CtrlHover));
}

void tst_KIVQScrollBar::buttonLosesPressOffIt()
{
    KIVQScrollBar bar;
    bar.setRange(0, 100);
    bar.resize(16, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    KIVQScrollBarImpl* d = bar.impl();

    const QRect up = styleRect(bar, QStyle::SC_ScrollBarSubLine);
    sendMouse(&bar, QEvent::MouseButtonPress, up.center(), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlPressed));
    sendMouse(&bar, QEvent::MouseMove, QPoint(up.center().x(), 100), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlNormal));
    sendMouse(&bar, QEvent::MouseButtonRelease, QPoint(up.center().x(), 100), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d->partState(KIVQScrollBarImpl::UpButton), int(CtrlNormal));
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
        << QByteArray(R"([["bg",1,0],["a",1,2],["b",1,7],["a",1,10],["b",1,13]])") << QStringLiteral("bg")
        << QStringList{"a", "a", "a", "a"} << QStringList{e, "b", e, e} << QStringList{"a", "a", "a", "b"};
    QTest::newRow("up run then pressed override")
        << QByteArray(R"([["a",1,2],["b",1,4]])") << e << QStringList{"a", "a", "b", "a"} << none << none;
    QTest::newRow("codes 1, 14 and -1 change nothing")
        << QByteArray(R"([["a",1,1],["a",1,14],["a",1,-1]])") << e << none << none << none;
    QTest::newRow("unknown style name") << QByteArray(R"([["nope",1,0],["nope",1,6]])") << e << none << none << none;
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
    element["style"] = parse(style);
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
    FillStyle a;
    QVERIFY(kivGetFillStyle(QStringLiteral("a"), a));
    bar.setScrollbarThumb(CtrlState(kAllStates), a);
    Json::Value out(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QCOMPARE(out["style"].size(), 1u);
    QCOMPARE(out["style"][0][0].asString(), std::string("a"));
    QCOMPARE(out["style"][0][1].asInt(), 1);
    QCOMPARE(out["style"][0][2].asInt(), 10);

    FillStyle b;
    QVERIFY(kivGetFillStyle(QStringLiteral("b"), b));
    bar.setScrollbarThumb(CtrlHover, b);
    out = Json::Value(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QCOMPARE(out["style"].size(), 4u);
    for (int s = 0; s < kStateCount; ++s)
        QCOMPARE(out["style"][s][2].asInt(), 10 + s);
    QCOMPARE(out["style"][1][0].asString(), std::string("b"));

    // A bar with no named style still writes the member, as null.
    KIVQScrollBar plain;
    out = Json::Value(Json::objectValue);
    plain.serializeJsonValue(&out, false);
    QVERIFY(out.isMember("style"));
    QVERIFY(out["style"].isNull());
}

void tst_KIVQScrollBar::attrKeys()
{
    KIVQScrollBar bar;
    bar.setScrollbarBtnIcon(true, QStringLiteral("up.svg"));
    bar.setScrollbarBtnIcon(false, QStringLiteral("down.svg"));
    bar.setScrollbarThumbIcon(QStringLiteral("grip.png"));

    Json::Value out(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QCOMPARE(out["attr"]["upicon"].asString(), std::string("up.svg"));
    QCOMPARE(out["attr"]["thumbicon"].asString(), std::string("grip.png"));
    QVERIFY(!out["attr"].isMember("hor"));

    Json::Value clear = parse(R"({"attr": {}})");
    bar.readJsonValue(&clear);
    QVERIFY(bar.getScrollbarBtnIcon(true).isEmpty());
    QVERIFY(bar.getScrollbarBtnIcon(false).isEmpty());
    QVERIFY(bar.getScrollbarThumbIcon().isEmpty());

    Json::Value hor = parse(R"({"attr": {"hor": true, "downicon": "d.svg"}})");
    bar.readJsonValue(&hor);
    QCOMPARE(bar.orientation(), Qt::Horizontal);
    QCOMPARE(bar.getScrollbarBtnIcon(false), QStringLiteral("d.svg"));
    out = Json::Value(Json::objectValue);
    bar.serializeJsonValue(&out, false);
    QVERIFY(out["attr"]["hor"].isBool());
    QVERIFY(out["attr"]["hor"].asBool());

    // Wrong types count as absent and never throw.
    Json::Value hostile = parse(R"({"attr": {"hor": "yes", "upicon": 5}, "style": [["a", 1, "x"]]})");
    QVERIFY(bar.readJsonValue(&hostile));
}

void tst_KIVQScrollBar::themeRefreshKeepsIcons()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("style.json")),
              R"({"style": [{"type": 1, "name": "themeThumb", "drawImg": false, "clr": "ff336699"}]})");
    writeFile(dir.filePath(QStringLiteral("theme.json")),
              R"({"elements": [{"child": [{"name": "qtscrollbar", "style": [["themeThumb", 1, 10]],
                  "attr": {"thumbicon": "theme-grip.svg", "hor": true}}]}]})");

    QWidget window;
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    rm->registerWindow(&window);
    auto* bar = new KIVQScrollBar(&window);
    bar->setScrollbarBtnIcon(true, QStringLiteral("mine-up.svg"));
    bar->setScrollbarBtnIcon(false, QStringLiteral("mine-down.svg"));
    bar->setScrollbarThumbIcon(QStringLiteral("mine-grip.svg"));

    const bool loaded = kivLoadThemeDir(dir.path().toUtf8().constData());
    rm->unregisterWindow(&window);
    if (!loaded)
        QSKIP("theme directories cannot be loaded yet");

    QCOMPARE(bar->getScrollbarThumb(CtrlHover).name, QStringLiteral("themeThumb"));
    QCOMPARE(bar->getScrollbarThumbIcon(), QStringLiteral("theme-grip.svg"));
    QCOMPARE(bar->getScrollbarBtnIcon(true), QStringLiteral("mine-up.svg"));
    QCOMPARE(bar->getScrollbarBtnIcon(false), QStringLiteral("mine-down.svg"));
    QCOMPARE(bar->orientation(), Qt::Vertical);
}

QTEST_MAIN(tst_KIVQScrollBar)
#include "tst_KIVQScrollBar.moc"
