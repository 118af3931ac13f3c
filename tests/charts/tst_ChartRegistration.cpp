#include "ChartTestHelpers.h"

#include "charts/ChartRegistration.h"
#include "core/KIVQtLib.h"

#include <json/json.h>

#include <QtTest>

#include <memory>

using namespace KIVQtLib;

class tst_ChartRegistration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void registered_data();
    void registered();
    void secondCallChangesNothing();
    void tracesAreMadeInCodeOnly();
};

void tst_ChartRegistration::initTestCase()
{
    init();
    QVERIFY(!kivFindCreateFunction("qtbarchart"));
    QVERIFY(!kivGetControlInfo(QStringLiteral("qtbarchart")));
    kivRegisterChartControls();
}

void tst_ChartRegistration::registered_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("bar") << QByteArray("qtbarchart") << QByteArray("KIVQBarChart") << QSize(0, 0);
    QTest::newRow("line, no minimum width")
        << QByteArray("qtlinechart") << QByteArray("KIVQLineChart") << QSize(0, 120);
    QTest::newRow("pie, no minimum height")
        << QByteArray("qtopenglpiechart") << QByteArray("KIVQOpenGLPieChart") << QSize(300, 0);
    QTest::newRow("scatter at the made minimum")
        << QByteArray("qtscatterchart") << QByteArray("KIVQScatterChart") << QSize(420, 260);
    QTest::newRow("financial") << QByteArray("qtfinancialchart") << QByteArray("KIVQFinancialChart") << QSize(0, 0);
}

// Listed for palettes, with nothing for a designer to edit. A chart is made with a minimum of its own, so
// a minimum of 0 must be saved to come back as 0.
void tst_ChartRegistration::registered()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, className);
    QFETCH(QSize, minimum);
    ControlCreateFunction create = kivFindCreateFunction(type.constData());
    QVERIFY(create);
    std::unique_ptr<QWidget> chart(create());
    QCOMPARE(QByteArray(chart->metaObject()->className()), "KIVQtLib::" + className);
    const ControlInfo* info = kivGetControlInfo(QString::fromLatin1(type));
    QVERIFY(info);
    QCOMPARE(QByteArray(info->className.c_str()), className);
    QVERIFY(info->properties.empty());
    QVERIFY(kivIsListedControl(type.constData()));

    chart->setMinimumSize(minimum);
    Json::Value element(Json::objectValue);
    QVERIFY(dynamic_cast<IKIVQWidgetBase*>(chart.get())->serializeJsonValue(&element, false));
    std::unique_ptr<QWidget> reloaded(create());
    QVERIFY(dynamic_cast<IKIVQWidgetBase*>(reloaded.get())->readJsonValue(&element));
    QCOMPARE(reloaded->minimumSize(), minimum);
}

void tst_ChartRegistration::secondCallChangesNothing()
{
    const int before = kivGetAllControlInfo().size();
    kivRegisterChartControls();
    QCOMPARE(kivGetAllControlInfo().size(), before);
    const ControlInfo* info = kivGetControlInfo(QStringLiteral("qtopenglpiechart"));
    QVERIFY(info);
    QCOMPARE(QByteArray(info->icon.c_str()), QByteArray("pieChart"));
}

void tst_ChartRegistration::tracesAreMadeInCodeOnly()
{
    QVERIFY(!kivFindCreateFunction("qtecgchart"));
    QVERIFY(!kivGetControlInfo(QStringLiteral("qtecgchart")));
}

QTEST_MAIN(tst_ChartRegistration)
#include "tst_ChartRegistration.moc"
