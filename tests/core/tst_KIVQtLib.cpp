#include "TestControl.h"
#include "TestSupport.h"

#include "controls/CScrollBarStyle.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQtLib.h"
#include "platform/KIVPlatform.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QApplication>
#include <QCommonStyle>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;
using namespace TestSupport;

namespace {

QStringList hookCalls;
QWidget* recordingHook(const QString& name, const QString& type)
{
    hookCalls << name + QLatin1Char('/') + type;
    if (type == QLatin1String("hooked"))
        return new TestControl;
    return nullptr;
}

} // namespace

// Start-up, the registry, the element builder's factory and the process-wide flags.
class tst_KIVQtLib : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsRefusedBeforeInit();
    void initOnce();
    void registryIsCaseSensitiveWithAliases();
    void descriptorsInByteOrder();
    void hookAskedFirst();
    void buildsTreeAndCompletesAfterChildren();
    void warningsNameTheElementsPath_data();
    void warningsNameTheElementsPath();
    void malformedTreesSkipped_data();
    void malformedTreesSkipped();
    void emulatorPaths_data();
    void emulatorPaths();
    void proxyStyleRecreatedWhenReplaced();
    void sliderHandleFromProperties();
    void commonDescriptorRows();
    void cloneMakesSameType();
    void themePathInFileSystemEncoding();
};

void tst_KIVQtLib::loadsRefusedBeforeInit()
{
    QVERIFY(!kivIsInitialized());
    QVERIFY(!kivLoadThemeDir("/tmp"));
    QVERIFY(!kivLoadThemeFile("/tmp/x.zip"));
    QVERIFY(!kivLoadSkinFile(QStringLiteral("/tmp/x.zip"), 1.0f));
    QVERIFY(!kivSetSkinFilePath(QStringLiteral("/tmp"), 1.0f));
    QVERIFY(!kivSetProjectFilePath(QStringLiteral("/tmp")));
    QVERIFY(!kivNotifyThemeChange());
    // Style lookups do not depend on init.
    FillStyle f;
    QVERIFY(kivGetFillStyle(QStringLiteral("empty"), f));
    QVERIFY(!f.draw);
}

void tst_KIVQtLib::initOnce()
{
    init();
    QVERIFY(kivIsInitialized());
    QStyle* style = QApplication::style();
    QVERIFY(qobject_cast<CScrollBarStyle*>(style));
    kivRegisterQtControl("qttestcontrol", &TestControl::createTestControl, TestControl::getProps(), true);
    init(); // a second call changes nothing
    QCOMPARE(QApplication::style(), style);
    QVERIFY(kivGetControlInfo(QStringLiteral("qttestcontrol")));
    QVERIFY(kivNotifyThemeChange());
    shutdown();
}

void tst_KIVQtLib::registryIsCaseSensitiveWithAliases()
{
    kivRegisterDefaultControl("testalias", &TestControl::createTestControl);
    kivRegisterDefaultControl(nullptr, &TestControl::createTestControl);
    kivRegisterDefaultControl("nullfn", nullptr);
    QVERIFY(kivFindCreateFunction("testalias"));
    QVERIFY(!kivFindCreateFunction("TestAlias"));
    QVERIFY(!kivFindCreateFunction("nullfn"));
    QVERIFY(!kivGetControlInfo(QStringLiteral("testalias"))); // an alias has no descriptor

    QWidget parent;
    QWidget* made = createControlByTypeName("testalias", &parent);
    QVERIFY(qobject_cast<TestControl*>(made));
    QCOMPARE(made->parentWidget(), &parent);
    QVERIFY(!createControlByTypeName("TESTALIAS", &parent));
    QVERIFY(kivIsListedControl("qttestcontrol"));
    QVERIFY(!kivIsListedControl("testalias"));
}

void tst_KIVQtLib::descriptorsInByteOrder()
{
    ControlInfo window = kivMakeControlInfo("Window", "W", "g", "d", "i");
    kivRegisterQtControl("Window", &TestControl::createTestControl, window, true);
    const QVector<ControlInfo*> all = kivGetAllControlInfo();
    QVERIFY(all.size() >= 2);
    QCOMPARE(all.first()->typeName, std::string("Window")); // upper case sorts first
    for (int i = 1; i < all.size(); ++i)
        QVERIFY(all[i - 1]->typeName < all[i]->typeName);
}

void tst_KIVQtLib::hookAskedFirst()
{
    hookCalls.clear();
    kivBindControlCreateFunction(&recordingHook);
    QWidget parent;
    Json::Value hooked = parseJson(R"({"type": "hooked", "name": "n1", "attr": {"count": 2}})");
    QWidget* a = buildControlTree(hooked, &parent);
    QVERIFY(a);
    QCOMPARE(static_cast<TestControl*>(a)->d()->count, 2); // the hook's control still reads its JSON
    Json::Value fallback = parseJson(R"({"type": "qttestcontrol"})");
    QVERIFY(qobject_cast<TestControl*>(buildControlTree(fallback, &parent)));
    kivBindControlCreateFunction(nullptr);
    QCOMPARE(hookCalls, (QStringList{"n1/hooked", "/qttestcontrol"}));
}

void tst_KIVQtLib::buildsTreeAndCompletesAfterChildren()
{
    QWidget parent;
    Json::Value e = parseJson(R"({"type": "qttestcontrol", "name": "root", "child": [
        {"type": "qttestcontrol", "name": "a"},
        {"name": "no type"},
        {"type": "unknown"},
        {"type": "qttestcontrol", "name": "b", "child": [{"type": "testalias", "name": "c"}]}]})");
    QTest::ignoreMessage(QtWarningMsg, "Unknown control type unknown at child[2]");
    auto* root = qobject_cast<TestControl*>(buildControlTree(e, &parent));
    QVERIFY(root);
    QCOMPARE(root->d()->createCompletes, 1);
    const QList<TestControl*> kids = root->findChildren<TestControl*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(kids.size(), 2);
    QCOMPARE(kids[0]->objectName(), QStringLiteral("a"));
    QCOMPARE(kids[1]->objectName(), QStringLiteral("b"));
    QVERIFY(root->findChild<TestControl*>(QStringLiteral("c")));
}

void tst_KIVQtLib::warningsNameTheElementsPath_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("budget"); // 0: none
    QTest::addColumn<QString>("warning");
    QTest::newRow("unknown type two levels down")
        << "doc: elements[3]" << 0 << "Unknown control type nosuch at doc: elements[3]/child[1]/child[0]";
    QTest::newRow("no document: the path from the first element")
        << QString() << 0 << "Unknown control type nosuch at child[1]/child[0]";
    QTest::newRow("first element past the budget")
        << "doc: elements[3]" << 2
        << "Document doc: the controls from doc: elements[3]/child[1] on are left out, past 2 controls";
}

// The path is spelled out only for a warning; it must still name the element.
void tst_KIVQtLib::warningsNameTheElementsPath()
{
    QFETCH(QString, where);
    QFETCH(int, budget);
    QFETCH(QString, warning);
    QWidget parent;
    Json::Value e = parseJson(R"({"type": "qttestcontrol", "child": [{"type": "qttestcontrol"},
        {"type": "qttestcontrol", "child": [{"type": "nosuch"}, {"type": "qttestcontrol"}]}]})");
    std::unique_ptr<ControlBudget> limit(budget ? new ControlBudget(budget, QStringLiteral("doc")) : nullptr);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QVERIFY(buildControlTree(e, &parent, where));
}

void tst_KIVQtLib::malformedTreesSkipped_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
    QTest::newRow("type not a string") << QByteArray(R"({"type": 3})");
    QTest::newRow("null") << QByteArray("null");
    QTest::newRow("children not an array") << QByteArray(R"({"type": "qttestcontrol", "child": {"type": "x"}})");
    QTest::newRow("children of wrong types") << QByteArray(R"({"type": "qttestcontrol", "child": [1, "s", null, []]})");
}

void tst_KIVQtLib::malformedTreesSkipped()
{
    QFETCH(QByteArray, json);
    QWidget parent;
    Json::Value e = parseJson(json.constData());
    QWidget* made = buildControlTree(e, &parent);
    if (made)
        QCOMPARE(made->findChildren<TestControl*>().size(), 0);
}

void tst_KIVQtLib::emulatorPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("emulator");
    QTest::newRow("first word") << "/opt/DravelQtEmulator/bin/app" << true;
    QTest::newRow("second word") << "/home/u/Quillbench.exe" << true;
    QTest::newRow("lower case") << "/opt/dravelqtemulator/app" << false;
    QTest::newRow("plain") << "/usr/bin/carevix" << false;
}

void tst_KIVQtLib::emulatorPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, emulator);
    QCOMPARE(platform::isEmulatorExecutable(path), emulator);
    QVERIFY(!kivIsQtEmulator()); // this test program is no emulator
}

void tst_KIVQtLib::proxyStyleRecreatedWhenReplaced()
{
    QPointer<QStyle> first = kivGetStyle();
    QCOMPARE(kivGetStyle(), first.data());
    QApplication::setStyle(new QCommonStyle); // the application deletes the style it owned
    QVERIFY(first.isNull());
    QStyle* second = kivGetStyle();
    QVERIFY(second);
    QApplication::setStyle(second);
    QCOMPARE(QApplication::style(), second);
}

void tst_KIVQtLib::sliderHandleFromProperties()
{
    QSlider slider(Qt::Horizontal);
    slider.resize(100, 30);
    slider.setProperty("thumbBtnSize", QSize(12, 12));
    slider.setProperty("sliderLength", 12);
    QStyleOptionSlider opt;
    opt.initFrom(&slider);
    opt.orientation = Qt::Horizontal;
    opt.minimum = 0;
    opt.maximum = 10;
    const QRect handle = kivGetStyle()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, &slider);
    QCOMPARE(handle.top(), 9);
    QCOMPARE(handle.size(), QSize(12, 12));
    QCOMPARE(kivGetStyle()->pixelMetric(QStyle::PM_SliderLength, &opt, &slider), 12);
}

void tst_KIVQtLib::commonDescriptorRows()
{
    const ControlInfo info = TestControl::getProps();
    const QStringList expected{"Name", "Type", "Visibility", "Enable", "Tooltip", "Alpha", "Line", "Count"};
    QStringList names;
    for (const PropertyDef& d : info.properties)
        names << d.name;
    QCOMPARE(names, expected);
    QVERIFY(!info.properties[1].textSetter); // the type is not for editing
    // A row bound to the wrong kind of widget does nothing.
    QWidget other;
    info.properties[7].intSetter(&other, 1);
    QCOMPARE(info.properties[7].intGetter(&other), 0);
}

void tst_KIVQtLib::cloneMakesSameType()
{
    QWidget parent;
    TestControl c(&parent);
    c.setMaximumWidth(30);
    QWidget* clone = c.getControlBase()->cloneWidget();
    QVERIFY(qobject_cast<TestControl*>(clone));
    QCOMPARE(clone->parentWidget(), &parent);
    QCOMPARE(clone->maximumWidth(), kWidgetMaxSize); // an empty element, not the original's settings
}

QTEST_MAIN(tst_KIVQtLib)
// The program hands the theme folder over as QFile::encodeName gives it; under a file-system
// encoding other than UTF-8 a non-ASCII folder must still be found.
void tst_KIVQtLib::themePathInFileSystemEncoding()
{
    init();
    QTextCodec* previous = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(u8"th\u00e8me \u00e9t\u00e9"));
    const bool written = writeFile(path + QStringLiteral("/style.json"), QByteArrayLiteral(R"({"style": []})"));
    const bool loaded = kivLoadThemeDir(QFile::encodeName(path).constData());
    const QString themePath = KIVQResourceManager::getInstance()->getThemePath();
    dir.remove(); // while the folder's name still encodes as it was made
    QTextCodec::setCodecForLocale(previous);
    QVERIFY(written);
    QVERIFY(loaded);
    QCOMPARE(themePath, path);
}

#include "tst_KIVQtLib.moc"
