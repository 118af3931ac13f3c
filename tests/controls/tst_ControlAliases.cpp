#include "ControlTestHelpers.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

// The registry names of the basic and input controls that have aliases or no descriptor.
class tst_ControlAliases : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void typesAndAliasesCreateTheirClass_data();
    void typesAndAliasesCreateTheirClass();
};

void tst_ControlAliases::typesAndAliasesCreateTheirClass_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<bool>("described");

    const auto row = [](const char* type, const char* cls, bool described) {
        QTest::newRow(type) << QByteArray(type) << QByteArray(cls) << described;
    };
    row("qtslider", "KIVQtLib::KIVQSlider", true);
    row("slider", "KIVQtLib::KIVQSlider", false);
    row("qttab", "KIVQtLib::KIVQTabWidget", true);
    row("tab", "KIVQtLib::KIVQTabWidget", false);
    row("qtprogressbar", "KIVQtLib::KIVQProgressBar", true);
    row("progressbar", "KIVQtLib::KIVQProgressBar", false);
    row("qtgroupbox", "KIVQtLib::KIVQGroupBox", true);
    row("groupbox", "KIVQtLib::KIVQGroupBox", false);
    row("qtlcdnumber", "KIVQtLib::KIVQLCDNumber", true);
    row("qtlabelex", "KIVQtLib::KIVQLabelEx", false);
    row("qtsplitter", "KIVQtLib::KIVQSplitter", false);
    row("splitter", "KIVQtLib::KIVQSplitter", false);
    row("qtstackcontainer", "KIVQtLib::KIVQStackContainer", true);
    row("stackcontainer", "KIVQtLib::KIVQStackContainer", false);
    row("qtdedit", "KIVQtLib::KIVQLineEdit", true);
    row("dedit", "KIVQtLib::KIVQLineEdit", false);
    row("qtscrollview", "KIVQtLib::KIVQScrollView", true);
    row("scrollview", "KIVQtLib::KIVQScrollView", false);
    row("qttext", "KIVQtLib::KIVQTextEdit", true);
    row("qtspinbox", "KIVQtLib::KIVQSpinBox", false);
    row("spinbox", "KIVQtLib::KIVQSpinBox", false);
    row("dnumedit", "KIVQtLib::KIVQSpinBox", false);
    row("qtpicture", "KIVQtLib::KIVQImage", true);
    row("picture", "KIVQtLib::KIVQImage", false);
    row("image", "KIVQtLib::KIVQImage", false);
    row("qtcheckbox", "KIVQtLib::KIVQCheckBox", true);
    row("checkbox", "KIVQtLib::KIVQCheckBox", false);
    row("qtradiobox", "KIVQtLib::KIVQRadioButton", true);
    row("radio", "KIVQtLib::KIVQRadioButton", false);
    row("radiobox", "KIVQtLib::KIVQRadioButton", false);
    row("qtswitch", "KIVQtLib::KIVQSwitch", true);
    row("switch", "KIVQtLib::KIVQSwitch", false);
}

void tst_ControlAliases::typesAndAliasesCreateTheirClass()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, className);
    QFETCH(bool, described);

    const ControlCreateFunction create = kivFindCreateFunction(type.constData());
    QVERIFY(create);
    std::unique_ptr<QWidget> made(create());
    QCOMPARE(QByteArray(made->metaObject()->className()), className);
    QVERIFY(dynamic_cast<IKIVQWidgetBase*>(made.get()));
    QCOMPARE(kivGetControlInfo(QString::fromLatin1(type)) != nullptr, described);
}

QTEST_MAIN(tst_ControlAliases)
#include "tst_ControlAliases.moc"
