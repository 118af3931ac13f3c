#include "TestSupport.h"
#include "controls/KIVQSpacer.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <json/json.h>

#include <QtTest>

using namespace KIVQtLib;
using namespace TestSupport;

namespace {

class PressCounter : public QWidget
{
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

} // namespace

class tst_KIVQSpacer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void thicknessRelaysOutContainerParent();
    void jsonWrite();
    void jsonRead_data();
    void jsonRead();
    void mousePassesThrough();
};

void tst_KIVQSpacer::initTestCase()
{
    init();
}

void tst_KIVQSpacer::thicknessRelaysOutContainerParent()
{
    KIVQContainer row;
    row.resize(200, 50);
    auto* spacer = new KIVQSpacer(&row);
    spacer->resize(0, 10);
    auto* other = new QWidget(&row);
    other->resize(40, 10);
    row.setChildLayout(KIVQContainer::Horizontal);
    QCOMPARE(spacer->geometry(), QRect(0, 0, 160, 10));
    spacer->setThickness(30);
    QCOMPARE(spacer->height(), 30);
    spacer->setThickness(-5);
    QCOMPARE(spacer->getThickness(), 0);
    // Vertical spacers are ordinary children of a row: plain ratio shares.
    spacer->setDirection(KIVQSpacer::Vertical);
    QCOMPARE(spacer->width(), 100);

    QWidget plain;
    auto* loose = new KIVQSpacer(&plain);
    loose->resize(5, 5);
    loose->setThickness(12);
    QCOMPARE(loose->getThickness(), 12);
    QCOMPARE(loose->size(), QSize(5, 5));
}

void tst_KIVQSpacer::jsonWrite()
{
    KIVQSpacer spacer;
    // A value read back and then cleared is not written from the copy the shared part keeps.
    Json::Value in = parseJson(R"({"attr": {"direction": 2, "thickness": 9, "other": "kept"}})");
    QVERIFY(spacer.readJsonValue(&in));
    spacer.setDirection(KIVQSpacer::Auto);
    Json::Value out(Json::objectValue);
    spacer.serializeJsonValue(&out, false);
    QVERIFY(!out["attr"].isMember("direction"));
    QCOMPARE(out["attr"]["thickness"].asInt(), 9);
    QCOMPARE(out["attr"]["other"].asString(), std::string("kept"));
}

void tst_KIVQSpacer::jsonRead_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("thickness");
    QTest::newRow("both") << QByteArray(R"({"attr": {"direction": 1, "thickness": 4}})") << 1 << 4;
    QTest::newRow("direction just out of range") << QByteArray(R"({"attr": {"direction": 3}})") << 0 << 6;
    QTest::newRow("negative direction") << QByteArray(R"({"attr": {"direction": -2}})") << 0 << 6;
    QTest::newRow("negative thickness") << QByteArray(R"({"attr": {"thickness": -3}})") << 2 << 0;
    QTest::newRow("no attr leaves the values") << QByteArray(R"({"name": "s"})") << 2 << 6;
    QTest::newRow("absent keys leave the values") << QByteArray(R"({"attr": {"other": 1}})") << 2 << 6;
    QTest::newRow("null attr, as a default spacer is written") << QByteArray(R"({"attr": null})") << 0 << 0;
    QTest::newRow("wrong types") << QByteArray(R"({"attr": {"direction": "1", "thickness": [1]}})") << 2 << 6;
}

void tst_KIVQSpacer::jsonRead()
{
    QFETCH(QByteArray, json);
    QFETCH(int, direction);
    QFETCH(int, thickness);
    KIVQSpacer spacer;
    spacer.setDirection(KIVQSpacer::Vertical);
    spacer.setThickness(6);
    Json::Value e = parseJson(json.constData());
    QVERIFY(spacer.readJsonValue(&e));
    QCOMPARE(int(spacer.getDirection()), direction);
    QCOMPARE(spacer.getThickness(), thickness);
}

void tst_KIVQSpacer::mousePassesThrough()
{
    QWidget window;
    window.resize(100, 100);
    auto* below = new PressCounter(&window);
    below->setGeometry(0, 0, 100, 100);
    auto* spacer = new KIVQSpacer(&window);
    spacer->setGeometry(0, 0, 100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.childAt(50, 50), below);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QCOMPARE(below->presses, 1);
    QCOMPARE(spacer->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(tst_KIVQSpacer)
#include "tst_KIVQSpacer.moc"
