#include "TestControl.h"

#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"
#include "core/windows/KIVQSubWin.h"
#include "core/windows/KIVQWindow.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QtTest>

#include <memory>

using namespace KIVQtLib;

namespace {

// Records how many children it had when its creation completed.
class CompleteProbe : public TestControl
{
public:
    int childrenAtComplete = -1;
    void createComplete() override
    {
        childrenAtComplete = findChildren<TestControl*>(QString(), Qt::FindDirectChildrenOnly).size();
        TestControl::createComplete();
    }
};

QStringList hookLog;
bool createdByFileSeen = false;

QWidget* loggingHook(const QString& name, const QString& type)
{
    hookLog << name + QLatin1Char('/') + type;
    createdByFileSeen = KIVQResourceManager::getInstance()->isCreatedByFile();
    if (type == QLatin1String("hooked"))
        return new CompleteProbe;
    return nullptr;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

int controlCount(const QWidget& host)
{
    int n = 0;
    for (QWidget* w : host.findChildren<QWidget*>())
        n += dynamic_cast<IKIVQWidgetBase*>(w) ? 1 : 0;
    return n;
}

QByteArray page(const char* rootName)
{
    return QByteArray(R"({"elements": [{"type": "qtcontainer", "name": ")") + rootName + R"("}]})";
}

} // namespace

// Page documents: finding, reading and parsing them, the window keys, and the controls they build.
class tst_KIVQPageLoader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void suffixRule();
    void resourceBeforeSkinBeforeFile();
    void windowKeys();
    void captionHeightReadBack();
    void transparentFalseChangesNothing();
    void subWindowKeysAndPlainParent();
    void wrongTypedRootKeysSkipped();
    void malformedDocuments_data();
    void malformedDocuments();
    void lastElementIsTheResult();
    void hookOrderAndCompleteAfterChildren();
    void savedGeometryOfNestedControls();
    void controlsWithoutSavedSizeKeepTheirOwn();
    void menuDocument();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void tst_KIVQPageLoader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    init();
    kivRegisterQtControl("qttestcontrol", &TestControl::createTestControl, TestControl::getProps(), true);
    kivRegisterDefaultControl("qtprobe", []() -> QWidget* { return new CompleteProbe; });
}

void tst_KIVQPageLoader::cleanup()
{
    kivBindControlCreateFunction(nullptr);
    QDir::setCurrent(QDir::tempPath());
}

void tst_KIVQPageLoader::suffixRule()
{
    QVERIFY(writeFile(path("plain.json"), page("plain")));
    QWidget host;
    KIVQContainer* a = kivCreatePageByFileName(&host, path("plain"));
    QVERIFY(a);
    QCOMPARE(a->objectName(), QStringLiteral("plain"));
    QVERIFY(kivCreatePageByFileName(&host, path("plain.json")));

    // ".json" is looked for with its case: an upper-case suffix gets the suffix appended.
    QVERIFY(writeFile(path("upper.JSON"), page("upper")));
    QVERIFY(!kivCreatePageByFileName(&host, path("upper.JSON")));
    QVERIFY(writeFile(path("upper.JSON.json"), page("upperAppended")));
    QCOMPARE(kivCreatePageByFileName(&host, path("upper.JSON"))->objectName(), QStringLiteral("upperAppended"));
    QVERIFY(!kivCreatePageByFileName(&host, path("missing")));
    QVERIFY(!KIVQResourceManager::getInstance()->isCreatedByFile());
}

void tst_KIVQPageLoader::resourceBeforeSkinBeforeFile()
{
    const QString theme = path("theme");
    const QString skin = path("skin");
    const QString cwd = path("cwd");
    QVERIFY(QDir().mkpath(theme) && QDir().mkpath(skin) && QDir().mkpath(cwd));
    QVERIFY(writeFile(theme + "/style.json", R"({"style": []})"));
    QVERIFY(writeFile(theme + "/shared.json", page("fromTheme")));
    QVERIFY(writeFile(skin + "/style.json", R"({"style": []})"));
    QVERIFY(writeFile(skin + "/shared.json", page("fromSkin")));
    QVERIFY(writeFile(skin + "/skinned.json", page("skinOnly")));
    QVERIFY(writeFile(cwd + "/shared.json", page("fromDisk")));
    QVERIFY(writeFile(cwd + "/skinned.json", page("diskSkinned")));
    QVERIFY(writeFile(cwd + "/disk.json", page("diskOnly")));
    QVERIFY(kivLoadThemeDir(theme.toUtf8().constData()));
    QVERIFY(kivSetSkinFilePath(skin, 1.0f));
    QDir::setCurrent(cwd);

    QWidget host;
    QCOMPARE(kivCreatePageByFileName(&host, "shared")->objectName(), QStringLiteral("fromTheme"));
    QCOMPARE(kivCreatePageByFileName(&host, "skinned")->objectName(), QStringLiteral("skinOnly"));
    QCOMPARE(kivCreatePageByFileName(&host, "disk")->objectName(), QStringLiteral("diskOnly"));
}

void tst_KIVQPageLoader::windowKeys()
{
    QVERIFY(writeFile(path("window.json"), R"({"w": 500, "h": 400, "minW": 300, "minH": 200, "resize": true,
        "drag": false, "onlyDragCaption": true, "trans": true, "dbmax": true, "elements": []})"));
    KIVQWindow window;
    window.setGeometry(10, 20, 100, 100);
    QVERIFY(!kivCreatePageByFileName(&window, path("window"))); // no elements: nothing to return
    QCOMPARE(window.size(), QSize(500, 400));
    QCOMPARE(window.pos(), QPoint(10, 20));
    KIVQWindowImpl* impl = window.getWindowImpl();
    QCOMPARE(impl->minWidth(), 300);
    QCOMPARE(impl->minHeight(), 200);
    QCOMPARE(window.minimumSize(), QSize(300, 200));
    QVERIFY(impl->resizeable());
    QVERIFY(!impl->canDrag());
    QVERIFY(impl->onlyDragCaption());
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_KIVQPageLoader::captionHeightReadBack()
{
    // The designer writes the caption height when it is not 35; reading it keeps a resaved page whole.
    QVERIFY(writeFile(path("caption.json"), R"({"dbheight": 68, "elements": []})"));
    KIVQWindow window;
    kivCreatePageByFileName(&window, path("caption"));
    QCOMPARE(window.getWindowImpl()->captionHeight(), 68);
}

void tst_KIVQPageLoader::transparentFalseChangesNothing()
{
    QVERIFY(writeFile(path("opaque.json"), R"({"trans": false})"));
    KIVQWindow window;
    const Qt::WindowFlags flags = window.windowFlags();
    kivCreatePageByFileName(&window, path("opaque"));
    QCOMPARE(window.windowFlags(), flags);
    QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_KIVQPageLoader::subWindowKeysAndPlainParent()
{
    QVERIFY(writeFile(path("sub.json"), R"({"w": 220, "h": 120, "dbheight": 30, "drag": false, "elements": []})"));
    KIVQSubWin sub;
    kivCreatePageByFileName(&sub, path("sub"));
    QCOMPARE(sub.size(), QSize(220, 120));
    QCOMPARE(sub.getWindowImpl()->captionHeight(), 30);
    QVERIFY(!sub.getWindowImpl()->canDrag());

    QWidget plain;
    plain.resize(50, 60);
    kivCreatePageByFileName(&plain, path("sub"));
    QCOMPARE(plain.size(), QSize(50, 60));
}

void tst_KIVQPageLoader::wrongTypedRootKeysSkipped()
{
    QVERIFY(writeFile(path("wrongtypes.json"),
                      R"({"w": "wide", "h": [1], "minW": {}, "resize": "yes", "drag": 3.5, "dbheight": "68",
                          "trans": "true", "elements": [{"type": "qtcontainer", "name": "root"}]})"));
    KIVQWindow window;
    window.resize(320, 240);
    KIVQContainer* root = kivCreatePageByFileName(&window, path("wrongtypes"));
    QVERIFY(root);
    QCOMPARE(window.size(), QSize(320, 240));
    QCOMPARE(window.getWindowImpl()->captionHeight(), 40);
    QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_KIVQPageLoader::malformedDocuments_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("builds");
    QTest::addColumn<int>("controls");

    QTest::newRow("empty file") << QByteArray() << false << 0;
    QTest::newRow("not JSON") << QByteArray("{elements: ") << false << 0;
    QTest::newRow("array root") << QByteArray(R"([{"type": "qtcontainer"}])") << false << 0;
    QTest::newRow("string root") << QByteArray(R"("qtcontainer")") << false << 0;
    QTest::newRow("null root") << QByteArray("null") << false << 0;
    QTest::newRow("nested past the reader's limit") << QByteArray(5000, '[') << false << 0;
    QTest::newRow("elements not an array") << QByteArray(R"({"elements": {"type": "qtcontainer"}})") << false << 0;
    QTest::newRow("bad elements skipped, the rest built")
        << QByteArray(R"({"elements": [1, "x", null, {"name": "no type"}, {"type": 5}, {"type": "nosuchtype"},
              {"type": "qtcontainer", "name": "ok", "child": [7, {"type": "qttestcontrol"}, {"child": []},
              {"type": "qttestcontrol", "child": "notarray"}]}]})")
        << true << 3;
    QTest::newRow("text after a NUL byte ignored")
        << QByteArray(R"({"elements": [{"type": "qtcontainer", "name": "ok"}]})") + QByteArray(1, '\0') + "garbage"
        << true << 1;
    QTest::newRow("comments allowed")
        << QByteArray("// page\n{\"elements\": [{\"type\": \"qtcontainer\", \"name\": \"ok\" /* root */}]}") << true
        << 1;
}

void tst_KIVQPageLoader::malformedDocuments()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, builds);
    QFETCH(int, controls);
    QVERIFY(writeFile(path("malformed.json"), content));
    QWidget host;
    if (content.contains("nosuchtype"))
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("^Unknown control type nosuchtype at .*malformed: elements\\[\\d+\\]$"));
    KIVQContainer* root = kivCreatePageByFileName(&host, path("malformed"));
    QCOMPARE(root != nullptr, builds);
    if (root)
        QCOMPARE(root->objectName(), QStringLiteral("ok"));
    QCOMPARE(controlCount(host), controls);
    QVERIFY(!KIVQResourceManager::getInstance()->isCreatedByFile());
}

void tst_KIVQPageLoader::lastElementIsTheResult()
{
    KIVQWindow window;
    window.resize(640, 480);
    QVERIFY(writeFile(path("two.json"),
                      R"({"elements": [{"type": "qtcontainer", "name": "a"}, {"type": "qtcontainer", "name": "b"}]})"));
    KIVQContainer* b = kivCreatePageByFileName(&window, path("two"));
    QVERIFY(b);
    QCOMPARE(b->objectName(), QStringLiteral("b"));
    // A root container fills its window.
    QCOMPARE(b->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(window.findChild<KIVQContainer*>("a")->geometry(), QRect(0, 0, 640, 480));

    QVERIFY(writeFile(path("lastcontrol.json"),
                      R"({"elements": [{"type": "qtcontainer"}, {"type": "qttestcontrol", "name": "t"}]})"));
    QVERIFY(!kivCreatePageByFileName(&window, path("lastcontrol")));
    QVERIFY(window.findChild<TestControl*>("t"));
    QVERIFY(writeFile(path("lastfails.json"), R"({"elements": [{"type": "qtcontainer"}, {"name": "broken"}]})"));
    QVERIFY(!kivCreatePageByFileName(&window, path("lastfails")));
}

void tst_KIVQPageLoader::hookOrderAndCompleteAfterChildren()
{
    QVERIFY(writeFile(path("hooked.json"), R"({"elements": [{"type": "qtcontainer", "name": "root", "child": [
        {"type": "hooked", "name": "h", "child": [{"type": "qttestcontrol", "name": "x"},
                                                {"type": "qttestcontrol", "name": "y"}]},
        {"type": "qtprobe", "name": "p"}]}]})"));
    hookLog.clear();
    createdByFileSeen = false;
    kivBindControlCreateFunction(&loggingHook);
    QWidget host;
    KIVQContainer* root = kivCreatePageByFileName(&host, path("hooked"));
    QVERIFY(root);
    QCOMPARE(hookLog, (QStringList{"root/qtcontainer", "h/hooked", "x/qttestcontrol", "y/qttestcontrol", "p/qtprobe"}));
    QVERIFY(createdByFileSeen);
    QVERIFY(!KIVQResourceManager::getInstance()->isCreatedByFile());

    auto* hooked = static_cast<CompleteProbe*>(root->findChild<TestControl*>("h"));
    QVERIFY(hooked);
    QCOMPARE(hooked->childrenAtComplete, 2); // completed once its children existed
    QCOMPARE(hooked->d()->createCompletes, 1);
    auto* probe = static_cast<CompleteProbe*>(root->findChild<TestControl*>("p"));
    QCOMPARE(probe->childrenAtComplete, 0); // the hook declined it; the registry made it
}

void tst_KIVQPageLoader::savedGeometryOfNestedControls()
{
    QVERIFY(writeFile(path("nested.json"), R"({"elements": [{"type": "qtcontainer", "name": "root",
        "x": 3, "y": 4, "w": 300, "h": 200, "child": [
        {"type": "qtcontainer", "name": "inner", "x": 10, "y": 20, "w": 150, "h": 80, "child": [
            {"type": "qttestcontrol", "name": "t", "x": 5, "y": 6, "w": 70, "h": 24}]},
        {"type": "qttestcontrol", "name": "docked", "w": 40, "h": 30, "absoluteDockHor": 2,
         "absoluteDockVer": 2, "absoluteDockOffsetX": -1}],
        "attr": {"childLayout": 4}}]})"));
    QWidget top; // under a window the root would fill it instead
    auto* host = new QWidget(&top);
    KIVQContainer* root = kivCreatePageByFileName(host, path("nested"));
    QVERIFY(root);
    QCOMPARE(root->geometry(), QRect(3, 4, 300, 200));
    QCOMPARE(root->findChild<QWidget*>("inner")->geometry(), QRect(10, 20, 150, 80));
    QCOMPARE(root->findChild<QWidget*>("t")->geometry(), QRect(5, 6, 70, 24));
    // Docking runs with a layout mode; give the root one and the docked child lands at its saved size.
    root->setChildLayout(KIVQContainer::VerFloat);
    QCOMPARE(root->findChild<QWidget*>("docked")->geometry(), QRect(300 - 40 - 1, 200 - 30, 40, 30));
}

void tst_KIVQPageLoader::controlsWithoutSavedSizeKeepTheirOwn()
{
    // A hand-written page that gives a control no size must not make it vanish.
    QVERIFY(writeFile(path("unsized.json"), R"({"elements": [{"type": "qtcontainer", "name": "root",
        "w": 300, "h": 200, "child": [{"type": "qttestcontrol", "name": "free", "x": 7},
        {"type": "qtcontainer", "name": "row", "w": 300, "h": 50, "attr": {"childLayout": 0},
         "child": [{"type": "qttestcontrol", "name": "cell"}]}]}]})"));
    QWidget top;
    auto* host = new QWidget(&top);
    const QSize own = std::unique_ptr<QWidget>(TestControl::createTestControl())->size();
    KIVQContainer* root = kivCreatePageByFileName(host, path("unsized"));
    QVERIFY(root);
    QCOMPARE(root->findChild<QWidget*>("free")->size(), own);
    QCoreApplication::processEvents();
    QCOMPARE(root->findChild<QWidget*>("cell")->geometry(), QRect(0, 0, 300, qMin(own.height(), 50)));
}

void tst_KIVQPageLoader::menuDocument()
{
    QVERIFY(writeFile(path("menu.json"), R"({"items": [{"text": "Open", "items": [{"text": "Recent"}]}]})"));
    Json::Value root;
    QVERIFY(kivReadMenuDocument(path("menu"), root));
    QCOMPARE(root["items"][0]["items"][0]["text"].asString(), std::string("Recent"));
    QVERIFY(!kivReadMenuDocument(path("nomenu"), root));
    QVERIFY(root.isNull());
    QVERIFY(writeFile(path("badmenu.json"), "{"));
    QVERIFY(!kivReadMenuDocument(path("badmenu"), root));
}

QTEST_MAIN(tst_KIVQPageLoader)
#include "tst_KIVQPageLoader.moc"
