#include "ControlSamples.h"
#include "TestControl.h"
#include "TestSupport.h"

#include "charts/ChartRegistration.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQScrollBar.h"
#include "core/ControlWalk.h"
#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/designer/KIVQCanvas.h"
#include "core/designer/KIVQCanvasWindow.h"

#include <QMimeData>
#include <QtTest>

#include <functional>

using namespace KIVQtLib;
using namespace TestSupport;

namespace {

// The page most cases edit: a root container holding two absolute controls, a holder whose child is laid
// out relatively, and room to drop into.
const QByteArray kPage = R"({"w": 400, "h": 300, "elements": [{"type": "qtcontainer", "name": "root", "w": 400,
    "h": 300, "child": [
        {"type": "qttestcontrol", "name": "a", "x": 20, "y": 30, "w": 100, "h": 50},
        {"type": "qttestcontrol", "name": "b", "x": 200, "y": 100, "w": 80, "h": 40},
        {"type": "qttestcontrol", "name": "holder", "x": 20, "y": 150, "w": 150, "h": 100,
         "child": [{"type": "qttestcontrol", "name": "rel", "layout": {"type": 0, "ratio": 1}}]}]}]})";

// The fill of the style canvasProbe.
const QColor kProbeColour(10, 200, 30);

QByteArray sizedPage(int w, int h)
{
    return QByteArray(R"({"w": )") + QByteArray::number(w) + R"(, "h": )" + QByteArray::number(h) +
           R"(, "elements": []})";
}

// The protected parts a designer subclass sees.
class Canvas : public KIVQCanvas
{
public:
    using KIVQCanvas::HitInSelected;
    QWidget* find(const QString& name) const { return GetCurWindow()->findChild<QWidget*>(name); }
    void mouse(QEvent::Type type, const QPoint& pos, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent event(type, pos, mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mods);
        QApplication::sendEvent(this, &event);
    }
    void click(const QPoint& pos, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, pos, mods);
        mouse(QEvent::MouseButtonRelease, pos, mods);
    }
    void drag(const QPoint& from, const QPoint& delta, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, from, mods);
        mouse(QEvent::MouseMove, from + delta, mods);
        mouse(QEvent::MouseButtonRelease, from + delta, mods);
    }
    int paints = 0;
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        KIVQCanvas::paintEvent(event);
    }
    void drop(const QString& type, const QPoint& pos)
    {
        QMimeData mime;
        mime.setProperty("TypeName", type);
        QDropEvent event(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        dropEvent(&event); // the application delivers drops only during a drag of its own
    }
};

using PageEdit = std::function<void(Canvas&)>;

QRect layoutRect(QWidget* w)
{
    void* data = nullptr;
    dynamic_cast<IKIVQWidgetBase*>(w)->getLayoutData(data);
    const int* d = static_cast<const int*>(data);
    return QRect(d[0], d[1], d[2], d[3]);
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A page of that size whose root container, as large, holds children.
QByteArray rootedPage(int w, int h, const QByteArray& children)
{
    const QByteArray size = R"("w": )" + QByteArray::number(w) + R"(, "h": )" + QByteArray::number(h);
    return "{" + size + R"(, "elements": [{"type": "qtcontainer", "name": "root", )" + size + R"(, "child": [)" +
           children + "]}]}";
}

// A bar with an application menu and one of each kind of part its configuration makes.
const QByteArray kRibbon = R"({"schemaVersion": 1, "currentPage": "home",
    "application": {"text": "Ward", "menu": [{"id": "open", "text": "Open"}, {"separator": true},
                                              {"id": "recent", "text": "Recent", "items": [{"id": "r1", "text": "Bed"}]}]},
    "quickAccess": [{"id": "pin", "text": "Pin"}],
    "topRight": [{"control": "switch", "leftText": "Day", "rightText": "Night"}],
    "pages": [{"id": "home", "text": "Home", "groups": [{"id": "g1", "text": "Admit", "items": [
        {"id": "new", "text": "New", "size": "large"}, {"type": "separator"},
        {"id": "more", "text": "More", "popup": "split", "menu": [{"id": "m1", "text": "One"}]},
        {"type": "gallery", "columns": 2, "rows": 1, "items": [{"id": "c1", "text": "Cell"}]},
        {"type": "widget", "control": "lineEdit", "text": "x"}]}]}],
    "contextGroups": [{"id": "tools", "text": "Tools", "color": "#80ff0000", "visible": true,
                       "pages": [{"id": "format", "text": "Format"}]}]})";

// What a control of the type holds beyond its own keys, where it keeps parts or children of its own.
Json::Value partsOf(const QByteArray& type)
{
    const QByteArray label = R"({"type": "qtlabel", "name": "inner", "x": 4, "y": 4, "w": 60, "h": 20})";
    if (type == "qtribbonbar")
        return parseJson(R"({"attr": {"ribbon": )" + kRibbon + "}}");
    if (type == "qtcontainer" || type == "qtscrollview" || type == "qtsplitter")
        return parseJson(R"({"child": [)" + label + "]}");
    if (type == "qtstackcontainer")
        return parseJson(R"({"child": [{"type": "qtcontainer", "name": "p1", "child": [)" + label +
                         R"(]}, {"type": "qtcontainer", "name": "p2"}]})");
    return Json::Value(Json::objectValue);
}

// A control of the type with every value it saves away from its default: the common keys, an entry of
// the theme by name, its own styles (named as prefix says) and keys, and its parts. A policy of 3 is out
// of range.
Json::Value probeElement(const QByteArray& type, int index, const QByteArray& stylePrefix)
{
    Json::Value e = parseJson(QByteArray(controlSample(type)->sample).replace("\"contract", "\"" + stylePrefix));
    const Json::Value common = parseJson(R"({"tooltip": "Bed 4", "visibility": false, "enable": false,
        "absoluteDockHor": 1, "absoluteDockVer": 2, "absoluteDockOffsetX": 3, "absoluteDockOffsetY": -4,
        "widthPolicy": 3, "heightPolicy": 1, "minWidth": 20, "minHeight": 10, "maxWidth": 900, "maxHeight": 700,
        "x": 10, "y": 12, "w": 400, "h": 300})");
    const Json::Value parts = partsOf(type);
    for (const Json::Value* from : {&common, &parts}) {
        for (const std::string& key : from->getMemberNames()) {
            if (key == "attr")
                e[key]["ribbon"] = (*from)[key]["ribbon"];
            else
                e[key] = (*from)[key];
        }
    }
    e["type"] = type.toStdString();
    e["name"] = "probe" + std::to_string(index);
    e["theme"] = "ward_" + type.toStdString();
    return e;
}

// The paths of the values in opened that saved lacks or holds otherwise, following objects and arrays of
// the same length. A flag may be written as 1 or 0.
void collectLost(const Json::Value& opened, const Json::Value& saved, const QString& path, QStringList& lost)
{
    if (opened.isBool() && saved.isIntegral()) {
        if (saved.asInt() != int(opened.asBool()))
            lost << path;
    } else if (opened.isObject() && saved.isObject()) {
        for (const std::string& key : opened.getMemberNames())
            collectLost(opened[key], saved.get(key, Json::Value()), path + '.' + QString::fromStdString(key), lost);
    } else if (opened.isArray() && saved.isArray() && opened.size() == saved.size()) {
        for (Json::ArrayIndex i = 0; i < opened.size(); ++i)
            collectLost(opened[i], saved[i], path + '[' + QString::number(i) + ']', lost);
    } else if (opened != saved) {
        lost << path;
    }
}

// The value at a path of member names and array indices ("elements.0.theme"), or null.
const Json::Value* valueAt(const Json::Value& root, const QString& path)
{
    const Json::Value* value = &root;
    for (const QString& step : path.split('.')) {
        bool isIndex = false;
        const Json::ArrayIndex i = step.toUInt(&isIndex);
        const std::string name = step.toStdString();
        if (isIndex)
            value = value->isArray() && i < value->size() ? &(*value)[i] : nullptr;
        else
            value = value->isObject() ? value->find(name.data(), name.data() + name.size()) : nullptr;
        if (!value)
            return nullptr;
    }
    return value;
}

// Type and name of every control below root, parents first.
QStringList controlsBelow(QWidget* root)
{
    QStringList controls;
    kivForEachDescendantControl(root, [&controls](IKIVQWidgetBase* control) {
        controls << control->getTypeName() + QLatin1Char(' ') + control->getControlBase()->getOwner()->objectName();
    });
    return controls;
}

} // namespace

Q_DECLARE_METATYPE(PageEdit)

// The designer canvas: picking, dragging, dropping, painting, and the pages it keeps.
class tst_KIVQCanvas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void hitInSelected_data();
    void hitInSelected();
    void clicksAndShiftClicks();
    void selectionSlotMayDeleteTheCanvas();
    void drags_data();
    void drags();
    void dropNamesAfterExistingControls();
    void handlePixels();
    void openingAPathTwiceReadsItOnce();
    void openFailuresAddNoPage_data();
    void openFailuresAddNoPage();
    void smallPageCentredAndScrollRestored();
    void saveReopenSaveIsStable();
    void pageKeysWritten_data();
    void pageKeysWritten();
    void saveFailures();
    void removedPageLeavesNoSelection();
    void renameOntoAnotherPageRefused();
    void everyTypeSurvivesACanvasSave();
    void paintsWhatThePageShows_data();
    void paintsWhatThePageShows();
    void paintsOnlyWhatIsInView();

private:
    QTemporaryDir m_dir;
    QString m_pagePath;
    std::unique_ptr<Canvas> m_canvas;
};

void tst_KIVQCanvas::initTestCase()
{
    QVERIFY(m_dir.isValid());
    KIVQtLib::init();
    kivRegisterChartControls();
    kivRegisterQtControl("qttestcontrol", &TestControl::createTestControl, TestControl::getProps(), true);
    FillStyle probe;
    probe.name = QStringLiteral("canvasProbe");
    probe.res.colour = kProbeColour;
    kivSetFillStyle(probe.name, probe);
    m_pagePath = m_dir.filePath("page.json");
    QVERIFY(writeFile(m_pagePath, kPage));
}

void tst_KIVQCanvas::init()
{
    m_canvas = std::make_unique<Canvas>();
    m_canvas->resize(600, 500);
    QVERIFY(m_canvas->OpenJsonFile(m_pagePath));
}

void tst_KIVQCanvas::hitInSelected_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("kind");
    // "a" covers (20, 30, 100, 50) of the canvas: bands are x 20..24 and 116..119, y 30..34 and 76..79.
    QTest::newRow("body") << "a" << QPoint(70, 55) << 0;
    QTest::newRow("body just inside the left band") << "a" << QPoint(25, 55) << 0;
    QTest::newRow("body just inside the right band") << "a" << QPoint(115, 55) << 0;
    QTest::newRow("left edge") << "a" << QPoint(21, 55) << 1;
    QTest::newRow("right edge") << "a" << QPoint(116, 55) << 2;
    QTest::newRow("right edge, last pixel") << "a" << QPoint(119, 55) << 2;
    QTest::newRow("top band ends where the right band begins") << "a" << QPoint(115, 34) << 3;
    QTest::newRow("top-right corner, inner pixel") << "a" << QPoint(116, 34) << 7;
    QTest::newRow("right edge just below the corner") << "a" << QPoint(116, 35) << 2;
    QTest::newRow("right edge just above the bottom-right corner") << "a" << QPoint(116, 75) << 2;
    QTest::newRow("top edge") << "a" << QPoint(70, 31) << 3;
    QTest::newRow("bottom edge") << "a" << QPoint(70, 78) << 4;
    QTest::newRow("top-left corner before the edges") << "a" << QPoint(21, 31) << 5;
    QTest::newRow("bottom-left corner") << "a" << QPoint(21, 78) << 6;
    QTest::newRow("top-right corner") << "a" << QPoint(118, 31) << 7;
    QTest::newRow("bottom-right corner") << "a" << QPoint(118, 78) << 8;
    QTest::newRow("outside") << "a" << QPoint(150, 55) << 9;
    QTest::newRow("a page root is never hit") << "root" << QPoint(200, 150) << 9;
    QTest::newRow("nothing selected") << "" << QPoint(70, 55) << 9;
}

void tst_KIVQCanvas::hitInSelected()
{
    QFETCH(QString, selected);
    QFETCH(QPoint, point);
    QFETCH(int, kind);
    if (!selected.isEmpty())
        m_canvas->AddSelectedControl(m_canvas->find(selected));
    QCOMPARE(m_canvas->HitInSelected(point.x(), point.y()), kind);
}

void tst_KIVQCanvas::clicksAndShiftClicks()
{
    Canvas& c = *m_canvas;
    QWidget* a = c.find("a");
    QWidget* b = c.find("b");
    QSignalSpy selected(&c, &KIVQCanvas::widgetSelected);
    c.click({70, 55});
    QCOMPARE(c.selectedControls(), QList<QWidget*>{a});
    c.click({240, 120});
    QCOMPARE(c.selectedControls(), QList<QWidget*>{b});
    c.click({70, 55}, Qt::ShiftModifier);
    QCOMPARE(c.selectedControls(), (QList<QWidget*>{b, a}));
    c.drag({70, 55}, {3, 3}); // a release after a drag is no click: both stay selected
    QCOMPARE(c.selectedControls(), (QList<QWidget*>{b, a}));
    c.click({240, 120}, Qt::ShiftModifier);
    QCOMPARE(c.selectedControls(), QList<QWidget*>{a});
    QCOMPARE(selected.count(), 3);
    QCOMPARE(selected.last().first().value<QWidget*>(), a);
    // The deepest logically visible widget wins, within its parent: the holder's child (as large as a
    // new widget, far wider than the holder), then the root around everything.
    c.click({30, 160});
    QCOMPARE(c.selectedControls(), QList<QWidget*>{c.find("rel")});
    c.click({350, 200});
    QCOMPARE(c.selectedControls(), QList<QWidget*>{c.find("root")});
    c.click({550, 450}); // off the page: nothing there, nothing changes
    QCOMPARE(c.selectedControls(), QList<QWidget*>{c.find("root")});
}

void tst_KIVQCanvas::selectionSlotMayDeleteTheCanvas()
{
    QPointer<Canvas> canvas = m_canvas.release();
    connect(canvas, &KIVQCanvas::widgetSelected, this, [canvas] { delete canvas; });
    canvas->click({70, 55});
    QVERIFY(canvas.isNull());
}

void tst_KIVQCanvas::drags_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRect>("expected"); // empty: unchanged
    const QRect a(20, 30, 100, 50);
    QTest::newRow("right band +20 widens an absolute control")
        << "a" << QPoint(118, 55) << QPoint(20, 0) << false << QRect(20, 30, 120, 50);
    QTest::newRow("shift keeps (30, 10) horizontal")
        << "a" << QPoint(70, 55) << QPoint(30, 10) << true << a.translated(30, 0);
    QTest::newRow("shift keeps (10, 30) vertical")
        << "a" << QPoint(70, 55) << QPoint(10, 30) << true << a.translated(0, 30);
    QTest::newRow("shift on the diagonal keeps vertical")
        << "a" << QPoint(70, 55) << QPoint(20, 20) << true << a.translated(0, 20);
    QTest::newRow("left edge 4 from a sibling snaps")
        << "a" << QPoint(70, 55) << QPoint(176, 0) << false << QRect(200, 30, 100, 50);
    QTest::newRow("left edge 5 from a sibling stays")
        << "a" << QPoint(70, 55) << QPoint(175, 0) << false << QRect(195, 30, 100, 50);
    QTest::newRow("top edge 4 from a sibling snaps")
        << "a" << QPoint(70, 55) << QPoint(0, 66) << false << QRect(20, 100, 100, 50);
    QTest::newRow("width held at 10") << "a" << QPoint(118, 55) << QPoint(-150, 0) << false << QRect(20, 30, 10, 50);
    QTest::newRow("left band past the right edge")
        << "a" << QPoint(21, 55) << QPoint(120, 0) << false << QRect(140, 30, 10, 50);
    QTest::newRow("top-left corner, height held")
        << "a" << QPoint(21, 31) << QPoint(10, 60) << false << QRect(30, 90, 90, 10);
    QTest::newRow("a relative control stays") << "rel" << QPoint(70, 165) << QPoint(10, 10) << false << QRect();
    QTest::newRow("a plain widget widens")
        << "plain" << QPoint(348, 225) << QPoint(20, 0) << false << QRect(300, 200, 70, 50);
    QTest::newRow("a page root stays") << "root" << QPoint(200, 200) << QPoint(10, 10) << false
                                       << QRect(0, 0, 400, 300);
}

void tst_KIVQCanvas::drags()
{
    QFETCH(QString, target);
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(bool, shift);
    QFETCH(QRect, expected);
    auto* plain = new QWidget(m_canvas->find("root"));
    plain->setObjectName("plain");
    plain->setProperty("visibility", true);
    plain->setGeometry(300, 200, 50, 50);
    QWidget* w = m_canvas->find(target);
    if (expected.isNull())
        expected = w->geometry();
    m_canvas->AddSelectedControl(w);
    m_canvas->drag(press, delta, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(w->geometry(), expected);
    auto* control = dynamic_cast<IKIVQWidgetBase*>(w);
    if (control && control->getLayoutType() == LayoutAbsolute && target != "root")
        QCOMPARE(layoutRect(w), expected);
}

void tst_KIVQCanvas::dropNamesAfterExistingControls()
{
    Canvas& c = *m_canvas;
    QWidget* root = c.find("root");
    (new QWidget(root))->setObjectName("qtbutton1");
    c.drop("qtbutton", {300, 250});
    QWidget* second = root->findChild<QWidget*>("qtbutton2");
    QVERIFY(second);
    QCOMPARE(dynamic_cast<IKIVQWidgetBase*>(second)->getTypeName(), QStringLiteral("qtbutton"));
    QCOMPARE(second->geometry(), QRect(300, 250, 100, 100));
    QVERIFY(second->property("visibility").toBool());
    QVERIFY(!second->isVisible()); // painted by the canvas only
    c.drop("qtbutton", {10, 10}); // into the root's corner, away from "a"
    QVERIFY(root->findChild<QWidget*>("qtbutton3"));
    c.drop("nosuchtype", {300, 250});
    c.drop("qtbutton", {590, 490}); // off the page
    QCOMPARE(root->findChildren<QWidget*>(QRegularExpression("^qtbutton")).size(), 3);

    QVERIFY(!c.createControl("qtbutton")); // nothing selected
    c.AddSelectedControl(c.find("b"));
    QVERIFY(!c.createControl("nosuchtype"));
    QVERIFY(c.createControl("qtbutton"));
    QCOMPARE(c.find("qtbutton4")->parentWidget(), c.find("b"));
    QCOMPARE(c.find("qtbutton4")->geometry(), QRect(0, 0, 100, 100));
}

void tst_KIVQCanvas::handlePixels()
{
    Canvas& c = *m_canvas;
    c.AddSelectedControl(c.find("a"));
    c.AddSelectedControl(c.find("b"));
    const QImage image = c.grab().toImage();
    const auto expectHandles = [&image](const QRect& r, QRgb fill) {
        const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
        for (const QPoint& p :
             {QPoint(l, t), QPoint(l + w / 2, t), QPoint(l + w, t), QPoint(l, t + h), QPoint(l + w / 2, t + h),
              QPoint(l + w, t + h), QPoint(l, t + h / 2), QPoint(l + w, t + h / 2)}) {
            QCOMPARE(image.pixel(p + QPoint(-1, -1)), fill);
            QCOMPARE(image.pixel(p + QPoint(-2, -2)), fill);
            QCOMPARE(image.pixel(p + QPoint(-3, -1)), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(p + QPoint(1, 1)), qRgb(0, 0, 0));
        }
    };
    expectHandles(QRect(20, 30, 100, 50), qRgb(255, 255, 255));
    expectHandles(QRect(200, 100, 80, 40), 0xFFC5E6FF);
    QCOMPARE(QColor(image.pixel(590, 490)), QColor(Qt::gray));
}

void tst_KIVQCanvas::openingAPathTwiceReadsItOnce()
{
    KIVQCanvasWindow* first = m_canvas->GetCurWindow();
    const QString other = m_dir.filePath("other.json");
    QVERIFY(writeFile(other, sizedPage(100, 100)));
    QVERIFY(m_canvas->OpenJsonFile(other));
    QVERIFY(m_canvas->GetCurWindow() != first);
    const QString moved = m_dir.filePath("moved.json");
    QVERIFY(QFile::rename(m_pagePath, moved));
    const bool reopened = m_canvas->OpenJsonFile(m_pagePath);
    QFile::rename(moved, m_pagePath);
    QVERIFY(reopened);
    QCOMPARE(m_canvas->GetCurWindow(), first);
    QCOMPARE(first->objectName(), QStringLiteral("page"));
    QCOMPARE(first->pageName(), QStringLiteral("page.json"));
}

void tst_KIVQCanvas::openFailuresAddNoPage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("{\"elements\": [");
    QTest::newRow("no elements") << QByteArray(R"({"w": 100, "h": 100})");
    QTest::newRow("linked to a device that never ends") << QByteArray("/dev/zero");
}

void tst_KIVQCanvas::openFailuresAddNoPage()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath("bad.json");
    QFile::remove(path);
    if (content.startsWith("/dev/"))
        QVERIFY(QFile::link(QString::fromLatin1(content), path));
    else if (!content.isNull())
        QVERIFY(writeFile(path, content));
    KIVQCanvasWindow* current = m_canvas->GetCurWindow();
    QVERIFY(!m_canvas->OpenJsonFile(path));
    QCOMPARE(m_canvas->GetCurWindow(), current);
    QCOMPARE(m_canvas->findChildren<KIVQCanvasWindow*>().size(), 1);
}

void tst_KIVQCanvas::smallPageCentredAndScrollRestored()
{
    QWidget host; // the bars show inside it, not as windows of their own
    KIVQScrollBar horizontal(Qt::Horizontal, &host);
    KIVQScrollBar vertical(Qt::Vertical, &host);
    Canvas& c = *m_canvas;
    c.SetScrollbar(&horizontal, true);
    c.SetScrollbar(&vertical, false);
    const QString big = m_dir.filePath("big.json");
    QVERIFY(writeFile(big, sizedPage(1000, 800)));
    QVERIFY(c.OpenJsonFile(big));
    QVERIFY(!horizontal.isHidden() && !vertical.isHidden());
    QCOMPARE(horizontal.maximum(), 400);
    QCOMPARE(vertical.maximum(), 300);
    QCOMPARE(vertical.pageStep(), 500);
    horizontal.setValue(150);
    vertical.setValue(60);
    QCOMPARE(c.GetCurWindow()->pos(), QPoint(-150, -60));

    QVERIFY(c.OpenJsonFile(m_pagePath));
    QCOMPARE(c.GetCurWindow()->pos(), QPoint(100, 100));
    QVERIFY(horizontal.isHidden() && vertical.isHidden());

    QVERIFY(c.OpenJsonFile(big));
    QCOMPARE(horizontal.value(), 150);
    QCOMPARE(vertical.value(), 60);
    QCOMPARE(c.GetCurWindow()->pos(), QPoint(-150, -60));

    // As wide as the view: the bar stays, with nothing to scroll; a pixel lower than it: hidden.
    const QString fitting = m_dir.filePath("fitting.json");
    QVERIFY(writeFile(fitting, sizedPage(600, 499)));
    QVERIFY(c.OpenJsonFile(fitting));
    QVERIFY(!horizontal.isHidden() && vertical.isHidden());
    QCOMPARE(horizontal.maximum(), 0);
}

void tst_KIVQCanvas::saveReopenSaveIsStable()
{
    const QString copy = m_dir.filePath("copy.json");
    QVERIFY(QFile::copy(m_pagePath, copy) || QFile::exists(copy));
    QVERIFY(m_canvas->OpenJsonFile(copy));
    m_canvas->AddSelectedControl(m_canvas->find("a"));
    m_canvas->drag({70, 55}, {5, 5}); // an edit, so the text is the canvas's own
    QVERIFY(m_canvas->SavePage(copy));
    const QString first = readText(copy);
    QVERIFY(first.contains("\"x\" : 25"));
    m_canvas->closeAllWindows();
    QVERIFY(!m_canvas->GetCurWindow());
    QVERIFY(m_canvas->OpenJsonFile(copy));
    QVERIFY(m_canvas->SavePage(copy));
    QCOMPARE(readText(copy), first);
}

void tst_KIVQCanvas::pageKeysWritten_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<PageEdit>("edit"); // made on the opened page before it is written
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QByteArray>("written"); // compact JSON each key holds; empty: no key
    const PageEdit none;
    const QStringList caption{"dbheight"}, minimum{"minW", "minH"};
    QTest::newRow("caption: the initial 40")
        << QByteArray(R"({"elements": []})") << none << caption << QByteArray("40");
    QTest::newRow("caption: 35 kept") << QByteArray(R"({"dbheight": 35, "elements": []})") << none << caption
                                      << QByteArray("35");
    QTest::newRow("caption: any other kept")
        << QByteArray(R"({"dbheight": 68, "elements": []})") << none << caption << QByteArray("68");
    // Left out, a minimum reads as 400: a minimum of 0 must not come back as that.
    QTest::newRow("minimum: 0 kept") << QByteArray(R"({"minW": 0, "minH": 0, "elements": []})") << none << minimum
                                     << QByteArray("0");
    QTest::newRow("minimum: absent stays absent")
        << QByteArray(R"({"elements": []})") << none << minimum << QByteArray();
    // A page without the key is not a page, and could not be opened again.
    QTest::newRow("elements: written when empty")
        << QByteArray(R"({"elements": []})") << none << QStringList{"elements"} << QByteArray("[]");

    const auto page = [](const QByteArray& element) { return rootedPage(300, 200, element); };
    const QStringList theme{"elements.0.child.0.theme"}, style{"elements.0.child.0.style"};
    const QByteArray button = R"({"type": "qtbutton", "name": "b", "w": 50, "h": 20)";
    QTest::newRow("theme: none read, the type's name")
        << page(button + "}") << none << theme << QByteArray(R"("qtbutton")");
    QTest::newRow("theme: an empty one read as none")
        << page(button + R"(, "theme": ""})") << none << theme << QByteArray(R"("qtbutton")");
    const PageEdit dropSlider = [](Canvas& c) { c.drop(QStringLiteral("qtslider"), {150, 150}); };
    QTest::newRow("theme: made in the designer, the type's name")
        << page("") << dropSlider << theme << QByteArray(R"("qtslider")");
    const QByteArray lost = page(button + R"(, "style": [["absentFill", 1, 0]]})");
    const auto setBackground = [](int state) {
        return PageEdit([state](Canvas& c) {
            FillStyle chosen;
            chosen.name = QStringLiteral("chosenFill");
            static_cast<KIVQPushButton*>(c.find("b"))->setBackground(CtrlState(state), chosen);
        });
    };
    QTest::newRow("style: one the store lacks, replaced by a setter")
        << lost << setBackground(kAllStates) << style << QByteArray(R"([["chosenFill",1,0]])");
    QTest::newRow("style: one the store lacks, one state replaced")
        << lost << setBackground(CtrlPressed) << style
        << QByteArray(R"([["absentFill",1,0],["absentFill",1,1],["chosenFill",1,2],["absentFill",1,3]])");
    QTest::newRow("style: one the store lacks keeps the kind read")
        << page(button + R"(, "style": [["absentFill", 2, 0], ["absentText", 1, 4]]})") << none << style
        << QByteArray(R"([["absentFill",2,0],["absentText",1,4]])");
    QTest::newRow("policy: -1 where the type is made with another")
        << page(R"({"type": "qtstackcontainer", "name": "s", "w": 50, "h": 20, "heightPolicy": 7})") << none
        << QStringList{"elements.0.child.0.heightPolicy"} << QByteArray("-1");
}

void tst_KIVQCanvas::pageKeysWritten()
{
    QFETCH(QByteArray, document);
    QFETCH(PageEdit, edit);
    QFETCH(QStringList, keys);
    QFETCH(QByteArray, written);
    const QString path = m_dir.filePath("keys.json");
    QVERIFY(writeFile(path, document));
    m_canvas->closeAllWindows();
    QVERIFY(m_canvas->OpenJsonFile(path));
    if (edit)
        edit(*m_canvas);
    QString text;
    m_canvas->GetCurWindow()->toJsonString(text);
    const Json::Value root = parseJson(text.toUtf8());
    for (const QString& key : keys) {
        const Json::Value* value = valueAt(root, key);
        QCOMPARE(value ? compactJson(*value) : QByteArray(), written);
    }
    // Saved, the page opens again and reads back as itself.
    QVERIFY(m_canvas->SavePage(path));
    m_canvas->closeAllWindows();
    QVERIFY(m_canvas->OpenJsonFile(path));
    QString again;
    m_canvas->GetCurWindow()->toJsonString(again);
    QCOMPARE(again, text);
}

void tst_KIVQCanvas::saveFailures()
{
    QVERIFY(!m_canvas->SavePage(m_dir.filePath("notopen.json")));
    QVERIFY(!QFile::exists(m_dir.filePath("notopen.json")));
    const QString path = m_dir.filePath("blocked.json");
    QVERIFY(writeFile(path, kPage));
    QVERIFY(m_canvas->OpenJsonFile(path));
    QVERIFY(QFile::remove(path) && QDir().mkdir(path)); // a folder where the file was
    QVERIFY(!m_canvas->SavePage(path));
}

void tst_KIVQCanvas::removedPageLeavesNoSelection()
{
    Canvas& c = *m_canvas;
    c.AddSelectedControl(c.find("a"));
    c.AddSelectedControl(c.find("b"));
    c.mouse(QEvent::MouseButtonPress, {70, 55}); // a drag has begun on the page's controls
    QVERIFY(c.removePage(c.GetCurWindow()));
    QVERIFY(!c.GetCurWindow());
    QVERIFY(c.selectedControls().isEmpty());
    c.mouse(QEvent::MouseMove, {90, 70});
    c.mouse(QEvent::MouseButtonRelease, {90, 70});
    c.grab();
    QVERIFY(!c.removePage(nullptr));
    // Reopened, the page is built afresh.
    QVERIFY(c.OpenJsonFile(m_pagePath));
    QCOMPARE(c.find("a")->geometry(), QRect(20, 30, 100, 50));
}

void tst_KIVQCanvas::renameOntoAnotherPageRefused()
{
    Canvas& c = *m_canvas;
    const QString one = m_dir.filePath("one.json");
    const QString two = m_dir.filePath("two.json");
    QVERIFY(writeFile(one, sizedPage(100, 100)) && writeFile(two, sizedPage(100, 100)));
    QVERIFY(c.OpenJsonFile(two));
    QVERIFY(c.OpenJsonFile(one));
    QCOMPARE(c.UpdatePagePath(one), one); // the name still fits the path
    c.GetCurWindow()->setObjectName("two");
    QCOMPARE(c.UpdatePagePath(one), one);
    QVERIFY(c.SavePage(one) && c.SavePage(two));
    c.GetCurWindow()->setObjectName("three");
    QCOMPARE(c.UpdatePagePath(one), m_dir.filePath("three.json"));
    QVERIFY(c.SavePage(m_dir.filePath("three.json")));
    QVERIFY(!c.SavePage(one));
    QCOMPARE(c.UpdatePagePath(one), QString());

    // A path without a folder names its page the same way.
    QDir::setCurrent(m_dir.path());
    QVERIFY(c.OpenJsonFile("two.json"));
    QCOMPARE(c.GetCurWindow()->objectName(), QStringLiteral("two"));
    QCOMPARE(c.UpdatePagePath("two.json"), QStringLiteral("two.json"));
}

// The canvas hides every part of the controls it shows; none of that may reach the page it saves. A page of
// every type, each naming an entry of the theme and styles the store lacks, with every value away from its
// default: both saves keep each value read, the styles as though the store held them.
void tst_KIVQCanvas::everyTypeSurvivesACanvasSave()
{
    for (const QString name : {"heldFill", "heldFillDown"}) {
        FillStyle fill;
        fill.name = name;
        fill.res.colour = name.endsWith("Down") ? Qt::darkBlue : Qt::blue;
        kivSetFillStyle(name, fill);
    }
    TextStyleDesc text;
    text.name = QStringLiteral("heldText");
    text.colour = Qt::darkGreen;
    kivSetTextStyle(text.name, text);
    const QList<QByteArray> types = controlTypes();
    Json::Value opened(Json::arrayValue), held(Json::arrayValue);
    for (int i = 0; i < types.size(); ++i) {
        QVERIFY2(controlSample(types[i]), types[i].constData());
        opened.append(probeElement(types[i], i, "lost"));
        held.append(probeElement(types[i], i, "held"));
    }
    const QString path = m_dir.filePath("every.json");
    const QString heldPath = m_dir.filePath("held.json");
    QVERIFY(writeFile(path, rootedPage(700, 500, compactJson(opened).mid(1).chopped(1))));
    QVERIFY(writeFile(heldPath, rootedPage(700, 500, compactJson(held).mid(1).chopped(1))));
    // The page as any window holds it, nothing hidden.
    KIVQCanvasWindow plain;
    kivCreatePageByFileName(&plain, path);
    const QStringList original = controlsBelow(&plain);
    QCOMPARE(original.filter(QStringLiteral(" probe")).size(), types.size()); // each type built
    QString expected;
    plain.toJsonString(expected);

    m_canvas->closeAllWindows();
    QVERIFY(m_canvas->OpenJsonFile(path) && m_canvas->SavePage(path));
    const QString first = readText(path);
    QCOMPARE(first, expected);
    QVERIFY(m_canvas->OpenJsonFile(heldPath) && m_canvas->SavePage(heldPath));
    const QString heldText = readText(heldPath).replace(QLatin1String("\"held"), QLatin1String("\"lost"));
    const Json::Value saved = parseJson(first.toUtf8())["elements"][0]["child"];
    const Json::Value savedHeld = parseJson(heldText.toUtf8())["elements"][0]["child"];
    for (int i = 0; i < types.size(); ++i) {
        QCOMPARE(compactJson(saved[i]), compactJson(savedHeld[i]));
        Json::Value read = opened[i];
        read.removeMember("style");       // compared above
        read.removeMember("widthPolicy"); // out of range: read as -1
        QStringList lost;
        collectLost(read, saved[i], QString::fromLatin1(types[i]), lost);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(' ')));
    }

    m_canvas->closeAllWindows();
    QVERIFY(m_canvas->OpenJsonFile(path));
    QCOMPARE(controlsBelow(m_canvas->GetCurWindow()), original);
    QVERIFY(m_canvas->SavePage(path));
    QCOMPARE(readText(path), first);
}

void tst_KIVQCanvas::paintsWhatThePageShows_data()
{
    QTest::addColumn<QByteArray>("elements"); // of the page
    QTest::addColumn<PageEdit>("edit");
    QTest::addColumn<QRect>("area"); // of the canvas
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("filled"); // every pixel of area has the colour; false: none has it

    const PageEdit none;
    const QRgb probe = kProbeColour.rgb();
    const QByteArray shown = R"({"type": "qttestcontrol", "name": "p", "x": 20, "y": 30, "w": 100, "h": 50,
                                  "style": [["canvasProbe", 1, 0]])";
    const QByteArray hidden = shown + R"(, "visibility": false})";
    const auto holder = [](const QByteArray& child, bool visible, const QByteArray& style = "[]") {
        return R"({"type": "qtcontainer", "name": "holder", "x": 150, "y": 20, "w": 200, "h": 150, "style": )" + style +
               R"(, "visibility": )" + (visible ? "true" : "false") + R"(, "child": [)" + child + "]}";
    };
    const QRect nested(170, 50, 100, 50);
    QTest::newRow("shown, nested") << holder(shown + "}", true) << none << nested << probe << true;
    QTest::newRow("hidden by the page") << hidden << none << QRect(20, 30, 100, 50) << probe << false;
    QTest::newRow("hidden by the page, nested") << holder(hidden, true) << none << nested << probe << false;
    QTest::newRow("inside a control the page hides")
        << holder(holder(shown + "}", false).replace(R"("x": 150, "y": 20)", R"("x": 0, "y": 0)"), true) << none
        << nested << probe << false;
    // The bar's own tabs, buttons and rows are parts of it, not controls of the page.
    QTest::newRow("a ribbon bar, without its own parts")
        << QByteArray(R"({"type": "qtribbonbar", "name": "bar", "x": 0, "y": 180, "w": 400, "h": 120,
                          "style": [["canvasProbe", 1, 0]], "attr": {"ribbon": )") +
               kRibbon + "}}"
        << none << QRect(0, 180, 400, 120) << probe << true;
    // A new control is white by default, over the holder's fill.
    const PageEdit drop = [](Canvas& c) { c.drop(QStringLiteral("qttestcontrol"), {200, 60}); };
    QTest::newRow("dropped into a container") << holder("", true, R"([["canvasProbe", 1, 0]])") << drop
                                              << QRect(200, 60, 100, 100) << qRgb(255, 255, 255) << true;
}

void tst_KIVQCanvas::paintsWhatThePageShows()
{
    QFETCH(QByteArray, elements);
    QFETCH(PageEdit, edit);
    QFETCH(QRect, area);
    QFETCH(QRgb, colour);
    QFETCH(bool, filled);
    const QString path = m_dir.filePath("shows.json");
    QVERIFY(writeFile(path, R"({"w": 400, "h": 300, "elements": [)" + elements + "]}"));
    m_canvas->closeAllWindows();
    QVERIFY(m_canvas->OpenJsonFile(path));
    m_canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_canvas.get()));
    if (edit) {
        const int painted = m_canvas->paints;
        edit(*m_canvas);
        QTRY_VERIFY(m_canvas->paints > painted); // on its own, as after any edit on screen
    }
    const QImage image = m_canvas->grab().toImage();
    int matching = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            matching += image.pixel(x, y) == colour;
    }
    QCOMPARE(matching, filled ? area.width() * area.height() : 0);
}

// A page far larger than the canvas: a repaint paints the controls in view and leaves the rest alone,
// wherever the page is scrolled to.
void tst_KIVQCanvas::paintsOnlyWhatIsInView()
{
    QByteArray children;
    for (int i = 0; i < 100; ++i) {
        children += (i ? "," : "") + QByteArray(R"({"type": "qttestcontrol", "x": )") +
                    QByteArray::number(i % 10 * 300) + R"(, "y": )" + QByteArray::number(i / 10 * 300) +
                    R"(, "w": 200, "h": 200, "style": [["canvasProbe", 1, 0]]})";
    }
    const QString path = m_dir.filePath("wide.json");
    QVERIFY(writeFile(path, rootedPage(3000, 3000, children)));
    QWidget host;
    KIVQScrollBar horizontal(Qt::Horizontal, &host);
    KIVQScrollBar vertical(Qt::Vertical, &host);
    Canvas& c = *m_canvas;
    c.SetScrollbar(&horizontal, true);
    c.SetScrollbar(&vertical, false);
    QVERIFY(c.OpenJsonFile(path));
    const QList<TestControl*> controls = c.GetCurWindow()->findChildren<TestControl*>();
    QCOMPARE(controls.size(), 100);

    for (const QPoint& scroll : {QPoint(0, 0), QPoint(2400, 2500)}) {
        horizontal.setValue(scroll.x());
        vertical.setValue(scroll.y());
        for (TestControl* w : controls)
            w->d()->paints = 0;
        const QImage image = c.grab().toImage();
        for (TestControl* w : controls) {
            const QRect r = w->geometry().translated(-scroll);
            const bool inView = r.intersects(c.rect());
            QCOMPARE(w->d()->paints > 0, inView);
            if (inView && c.rect().contains(r.center()))
                QCOMPARE(QColor(image.pixel(r.center())), kProbeColour);
        }
    }
}

QTEST_MAIN(tst_KIVQCanvas)
#include "tst_KIVQCanvas.moc"
