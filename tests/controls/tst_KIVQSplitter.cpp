#include "ControlTestHelpers.h"

#include "controls/KIVQSplitter.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

} // namespace

class tst_KIVQSplitter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void pressDoesNotReachTheParent();
    void panesAreRecordedOnly();
    void backgroundStyle();
};

void tst_KIVQSplitter::pressDoesNotReachTheParent()
{
    PressCounter parent;
    auto* splitter = new KIVQSplitter(&parent);
    auto* plain = new QWidget(&parent);
    splitter->setGeometry(0, 0, 50, 50);
    plain->setGeometry(50, 0, 50, 50);
    QTest::mouseClick(plain, Qt::LeftButton);
    QCOMPARE(parent.presses, 1);
    QTest::mouseClick(splitter, Qt::LeftButton);
    QTest::mouseClick(splitter, Qt::RightButton);
    QCOMPARE(parent.presses, 1);
}

void tst_KIVQSplitter::panesAreRecordedOnly()
{
    QWidget host;
    auto* up = new QWidget(&host);
    up->setGeometry(3, 4, 30, 40);
    auto* down = new QWidget;
    KIVQSplitter splitter;
    splitter.setUpLeftWidget(up);
    splitter.setDownRightWidget(down);
    QCOMPARE(splitter.getUpLeftWidget(), up);
    QCOMPARE(up->parentWidget(), &host);
    QCOMPARE(up->geometry(), QRect(3, 4, 30, 40));
    QVERIFY(!down->parentWidget());
    // A pane deleted elsewhere reads back as none.
    delete down;
    QVERIFY(!splitter.getDownRightWidget());
    QCOMPARE(splitter.getUpLeftLimit(), -1);
    QVERIFY(splitter.getIsHor());
}

void tst_KIVQSplitter::backgroundStyle()
{
    KIVQSplitter splitter;
    kivSetFillStyle(QStringLiteral("pane"), namedFill(QStringLiteral("pane"), 0xff445566));
    Json::Value in = parseJson(R"({"style": [["pane", 1, 1], ["pane", 1, 0]]})");
    QVERIFY(splitter.readJsonValue(&in));
    splitter.resize(20, 20);
    QCOMPARE(splitter.grab().toImage().pixel(10, 10), 0xff445566);
    QCOMPARE(compactJson(writeControl(&splitter)["style"]), QByteArray(R"([["pane",1,0]])"));
}

QTEST_MAIN(tst_KIVQSplitter)
#include "tst_KIVQSplitter.moc"
