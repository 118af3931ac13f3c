#include "ViewTestHelpers.h"

#include "core/KIVQControl.h"
#include "core/KIVQtLib.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

using namespace KIVQtLib;

// Every item-view and menu name the registry offers, with the class it makes.
class tst_ViewRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void namesCreateTheirClass_data();
    void namesCreateTheirClass();
    void menuIsNotRegistered();
    void listViewSpacingAndModeRowsUnbound();
};

void tst_ViewRegistry::namesCreateTheirClass_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("typeName");
    QTest::addColumn<bool>("listed");
    const auto row = [](const char* name, const char* cls, const char* type, bool listed) {
        QTest::newRow(name) << QByteArray(name) << QByteArray("KIVQtLib::") + cls << QByteArray(type) << listed;
    };
    row("qtcombobox", "KIVQComboBox", "qtcombobox", true);
    row("combobox", "KIVQComboBox", "qtcombobox", true);
    row("qtdatagrid", "KIVQTableView", "qtdatagrid", true);
    row("datagrid", "KIVQTableView", "qtdatagrid", true);
    row("qtmenubar", "KIVQMenuBar", "qtmenubar", true);
    row("menubar", "KIVQMenuBar", "qtmenubar", true);
    row("qtlist", "KIVQList", "qtlist", true);
    row("list", "KIVQList", "qtlist", true);
    row("qtlistview", "KIVQListView", "qtlistview", false);
    row("listview", "KIVQListView", "qtlistview", false);
    row("templateList", "KIVQListView", "qtlistview", false);
    row("qttree", "KIVQTreeView", "qttree", true);
    row("tree", "KIVQTreeView", "qttree", true);
    row("qtproperty", "KIVQPropertyList", "qtproperty", true);
    row("property", "KIVQPropertyList", "qtproperty", true);
}

// Made by the name, described under the type name, with the seven common rows first.
void tst_ViewRegistry::namesCreateTheirClass()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, typeName);
    QFETCH(bool, listed);
    const ControlCreateFunction create = kivFindCreateFunction(name.constData());
    QVERIFY(create);
    std::unique_ptr<QWidget> made(create());
    QVERIFY(!made->parent());
    QCOMPARE(QByteArray(made->metaObject()->className()), className);
    QCOMPARE(dynamic_cast<IKIVQWidgetBase*>(made.get())->getTypeName(), QString::fromLatin1(typeName));
    QCOMPARE(kivIsListedControl(typeName.constData()), listed);

    const ControlInfo* info = kivGetControlInfo(QString::fromLatin1(typeName));
    QVERIFY(info);
    ControlInfo common;
    kivAppendCommonRows(common);
    QVERIFY(info->properties.size() >= common.properties.size());
    for (size_t i = 0; i < common.properties.size(); ++i) {
        QCOMPARE(info->properties[i].name, common.properties[i].name);
        QCOMPARE(info->properties[i].kind, common.properties[i].kind);
    }
    // Bound: the "Type" row answers for the made control.
    QCOMPARE(info->properties[1].textGetter(made.get()), QString::fromLatin1(typeName));

    // Sample content is for the emulator only.
    QVERIFY(!kivIsQtEmulator());
    dynamic_cast<IKIVQWidgetBase*>(made.get())->createComplete();
    if (auto* combo = qobject_cast<QComboBox*>(made.get()))
        QCOMPARE(combo->count(), 0);
    if (auto* view = qobject_cast<QAbstractItemView*>(made.get()))
        QVERIFY(!view->model() || view->model()->rowCount() == 0);
}

void tst_ViewRegistry::menuIsNotRegistered()
{
    QVERIFY(!kivFindCreateFunction("qtmenu"));
    QVERIFY(!kivGetControlInfo(QStringLiteral("qtmenu")));
}

void tst_ViewRegistry::listViewSpacingAndModeRowsUnbound()
{
    const ControlInfo* info = kivGetControlInfo(QStringLiteral("qtlistview"));
    QVERIFY(info);
    const auto& rows = info->properties;
    QVERIFY(rows.size() >= 2);
    const PropertyDef& space = rows[rows.size() - 2];
    const PropertyDef& mode = rows.back();
    QCOMPARE(space.name, QStringLiteral("ItemSpace"));
    QCOMPARE(mode.name, QStringLiteral("ItemMode"));
    QCOMPARE(mode.options, (QStringList{QStringLiteral("List"), QStringLiteral("Icon")}));
    QVERIFY(!space.intSetter && !space.intGetter && !mode.intSetter && !mode.intGetter);
}

QTEST_MAIN(tst_ViewRegistry)
#include "tst_ViewRegistry.moc"
