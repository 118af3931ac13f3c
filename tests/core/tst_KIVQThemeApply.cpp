#include "TestControl.h"
#include "TestSupport.h"

#include "core/KIVQElementBuilder.h"
#include "core/KIVQtLib.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QTemporaryDir>
#include <QtTest>

using namespace KIVQtLib;
using namespace TestSupport;

// How controls take their look from the theme: the entry named after the type at construction, the
// "theme" redirect of an element, and the one store every style lookup uses.
class tst_KIVQThemeApply : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void constructionAppliesTypeEntry();
    void redirectReadsThemeEntryAndRestoresFlag();
    void themeWithoutAttrIsNotConsulted();
    void builderKeepsCallersThemeFlag();
    void styleLookupUsesOneStore();
    void themeChangeReappliesEntries();
    void themeNameSwitchesEntry();
    void designerDoesNotFollowThemeRedirect();
    void themeScopeWinsOverProjectMode();

private:
    QTemporaryDir m_dir;
};

void tst_KIVQThemeApply::initTestCase()
{
    init();
    kivRegisterQtControl(TestControl::typeName(), &TestControl::createTestControl, TestControl::getProps(), true);
    QVERIFY(m_dir.isValid());
    writeFile(m_dir.filePath(QStringLiteral("style.json")), R"({"style": [
        {"type": 1, "name": "themeBg", "drawImg": false, "clr": "ff102030"},
        {"type": 1, "name": "altBg", "drawImg": false, "clr": "ff405060"},
        {"type": 2, "name": "themeText", "clr": "ff00ff00", "size": 15}]})");
    writeFile(m_dir.filePath(QStringLiteral("theme.json")), R"({"elements": [{"child": [
        {"name": "qttestcontrol", "style": [["themeBg", 1, 0], ["themeText", 2, 1]], "attr": {"count": 3}},
        {"name": "alt", "style": [["altBg", 1, 0]], "attr": {"count": 8, "text": "from alt"}}]}]})");
    QVERIFY(kivLoadThemeDir(m_dir.path().toUtf8().constData()));

    // A skin-store style of the same look, to show that lookups never fall back across stores.
    FillStyle skinOnly;
    skinOnly.name = QStringLiteral("skinOnly");
    kivSetFillStyle(skinOnly.name, skinOnly);
}

void tst_KIVQThemeApply::constructionAppliesTypeEntry()
{
    TestControl c;
    QCOMPARE(c.d()->background.name, QStringLiteral("themeBg"));
    QCOMPARE(c.d()->background.res.colour, QColor(0x10, 0x20, 0x30));
    QCOMPARE(c.d()->caption.size, 15);
    QCOMPARE(c.d()->count, 3);
    QCOMPARE(c.d()->themeReads, 1);
    QVERIFY(!KIVQResourceManager::getInstance()->isLoadFromThemeRes());
}

void tst_KIVQThemeApply::redirectReadsThemeEntryAndRestoresFlag()
{
    QWidget parent;
    Json::Value e = parseJson(R"({"type": "qttestcontrol", "name": "n", "theme": "alt",
                              "style": [["skinOnly", 1, 0]], "attr": {"count": 1, "foreign": "kept"},
                              "child": [{"type": "qttestcontrol", "name": "kid", "attr": {"count": 6}}]})");
    auto* c = qobject_cast<TestControl*>(buildControlTree(e, &parent));
    QVERIFY(c);
    // Common keys from the element, style and attr from the entry it names.
    QCOMPARE(c->objectName(), QStringLiteral("n"));
    QCOMPARE(c->d()->background.name, QStringLiteral("altBg"));
    QCOMPARE(c->d()->count, 8);
    QCOMPARE(c->d()->text, QStringLiteral("from alt"));
    QVERIFY(c->getControlImpl()->attributes().count("foreign"));
    // The redirect ended with the element: the flag is clear and the child read its own attr.
    QVERIFY(!KIVQResourceManager::getInstance()->isLoadFromThemeRes());
    auto* kid = c->findChild<TestControl*>(QStringLiteral("kid"));
    QVERIFY(kid);
    QCOMPARE(kid->d()->count, 6);
}

void tst_KIVQThemeApply::themeWithoutAttrIsNotConsulted()
{
    TestControl c;
    Json::Value e = parseJson(R"({"theme": "alt", "style": [["skinOnly", 1, 0]]})");
    c.readJsonValue(&e);
    QCOMPARE(c.d()->background.name, QStringLiteral("skinOnly"));
    QCOMPARE(c.d()->text, QString());
}

void tst_KIVQThemeApply::builderKeepsCallersThemeFlag()
{
    // A control applying its theme entry may build another; that element is read as an element, and the
    // entry's remaining reads still use the theme store.
    QWidget parent;
    Json::Value e = parseJson(R"({"name": "built", "style": [["skinOnly", 1, 0]]})");
    ThemeResScope scope(true);
    auto* c = qobject_cast<TestControl*>(createControlByType("qttestcontrol", &e, &parent));
    QVERIFY(c);
    QCOMPARE(c->objectName(), QStringLiteral("built"));
    QCOMPARE(c->d()->background.name, QStringLiteral("skinOnly"));
    QVERIFY(KIVQResourceManager::getInstance()->isLoadFromThemeRes());
}

void tst_KIVQThemeApply::styleLookupUsesOneStore()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    FillStyle f;
    QVERIFY(rm->getFillStyle(QStringLiteral("skinOnly"), f));
    QVERIFY(!rm->getFillStyle(QStringLiteral("themeBg"), f));
    {
        ThemeResScope scope(true);
        QVERIFY(!rm->getFillStyle(QStringLiteral("skinOnly"), f));
        QVERIFY(rm->getFillStyle(QStringLiteral("themeBg"), f));
        QVERIFY(f.draw);
    }
    // Project lookups without a project store find nothing, not the skin's style.
    QVERIFY(!kivGetProjectFillStyle(QStringLiteral("skinOnly"), f));
    QVERIFY(!rm->isProjectRes());
    // A caller already in project mode stays in it.
    rm->setSwitchToProjectRes(true);
    kivGetProjectFillStyle(QStringLiteral("skinOnly"), f);
    const bool kept = rm->isProjectRes();
    rm->setSwitchToProjectRes(false);
    QVERIFY(kept);
}

void tst_KIVQThemeApply::themeChangeReappliesEntries()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QWidget window;
    auto* c = new TestControl(new QWidget(&window)); // reached through a plain widget
    c->d()->count = 42;                              // the entry names "count", so a refresh sets it again
    c->d()->text = QStringLiteral("program text");   // the entry does not name "text": it stays
    rm->registerWindow(&window);
    QVERIFY(kivNotifyThemeChange());
    rm->unregisterWindow(&window);
    QCOMPARE(c->d()->themeReads, 2);
    QCOMPARE(c->d()->count, 3);
    QCOMPARE(c->d()->text, QStringLiteral("program text"));
}

void tst_KIVQThemeApply::themeNameSwitchesEntry()
{
    TestControl c;
    c.setThemeName(QStringLiteral("alt"));
    QCOMPARE(c.d()->background.name, QStringLiteral("altBg"));
    QCOMPARE(c.d()->count, 8);
}

void tst_KIVQThemeApply::designerDoesNotFollowThemeRedirect()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    TestControl c;
    rm->setIsDesigner(true);
    const auto reset = qScopeGuard([rm] { rm->setIsDesigner(false); });
    Json::Value e = parseJson(R"({"theme": "alt", "attr": {"count": 1}})");
    c.readJsonValue(&e);
    QCOMPARE(c.d()->count, 1);
    QCOMPARE(c.d()->text, QString());
}

// Last: the project store it installs stays for the rest of the run.
void tst_KIVQThemeApply::themeScopeWinsOverProjectMode()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QTemporaryDir project;
    writeFile(project.filePath(QStringLiteral("style.json")),
              R"({"style": [{"type": 1, "name": "themeBg", "drawImg": false, "clr": "ff0000ff"}]})");
    QVERIFY(kivSetProjectFilePath(project.path()));
    rm->setSwitchToProjectRes(true);
    const auto reset = qScopeGuard([rm] { rm->setSwitchToProjectRes(false); });
    FillStyle f;
    QVERIFY(rm->getFillStyle(QStringLiteral("themeBg"), f));
    QCOMPARE(f.res.colour, QColor(Qt::blue));
    ThemeResScope scope(true);
    QVERIFY(rm->getFillStyle(QStringLiteral("themeBg"), f));
    QCOMPARE(f.res.colour, QColor(0x10, 0x20, 0x30));
}

QTEST_MAIN(tst_KIVQThemeApply)
#include "tst_KIVQThemeApply.moc"
