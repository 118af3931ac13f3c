#include "ControlTestHelpers.h"

#include "controls/KIVQProgressBar.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kBack = 0xff0000ff;
const QRgb kDone = 0xffff0000;

std::unique_ptr<KIVQProgressBar> colouredBar(int minimum, int maximum, int value, const QSize& size)
{
    auto bar = std::make_unique<KIVQProgressBar>();
    bar->setBackground(CommonNormal, namedFill(QString(), kBack));
    bar->setForeground(CommonNormal, namedFill(QString(), kDone));
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->resize(size);
    return bar;
}

int countDone(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == kDone;
    }
    return n;
}

} // namespace

class tst_KIVQProgressBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void barFill_data();
    void barFill();
    void circleSector_data();
    void circleSector();
    void angleRangeNeedsOneToSomethingAbove();
    void jsonValue_data();
    void jsonValue();
};

void tst_KIVQProgressBar::barFill_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("filled");

    QTest::newRow("30 of 0..100 fills 60 of 200 px") << false << 0 << 100 << 30 << 60;
    QTest::newRow("100 of 50..150 fills half, not all") << false << 50 << 150 << 100 << 100;
    QTest::newRow("a busy range fills nothing") << false << 0 << 0 << 0 << 0;
    QTest::newRow("vertical 30 of 0..100 fills 15 of 50 px") << true << 0 << 100 << 30 << 15;
    QTest::newRow("vertical full") << true << -20 << 20 << 20 << 50;
}

void tst_KIVQProgressBar::barFill()
{
    QFETCH(bool, vertical);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, filled);

    const auto bar = colouredBar(minimum, maximum, value, vertical ? QSize(10, 50) : QSize(200, 10));
    bar->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    const QImage image = bar->grab().toImage();
    QCOMPARE(countDone(image), filled * 10);
    // From the left, or from the bottom.
    const int length = vertical ? 50 : 200;
    for (int i = 0; i < length; ++i) {
        const QPoint p = vertical ? QPoint(5, 49 - i) : QPoint(i, 5);
        QCOMPARE(image.pixel(p), i < filled ? kDone : kBack);
    }
}

void tst_KIVQProgressBar::circleSector_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QVector<bool>>("done"); // below left, below right, above left, above right

    QTest::newRow("a quarter of 1..361 sweeps from down to left")
        << 0 << 100 << 25 << QVector<bool>{true, false, false, false};
    QTest::newRow("three quarters leave only below right") << 0 << 100 << 75 << QVector<bool>{true, false, true, true};
    QTest::newRow("a quarter of 200..600") << 200 << 600 << 300 << QVector<bool>{true, false, false, false};
    QTest::newRow("the maximum covers everything") << 0 << 100 << 100 << QVector<bool>{true, true, true, true};
    QTest::newRow("the minimum draws only the background")
        << 0 << 100 << 0 << QVector<bool>{false, false, false, false};
    QTest::newRow("a busy range draws only the background") << 0 << 0 << 0 << QVector<bool>{false, false, false, false};
}

void tst_KIVQProgressBar::circleSector()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QVector<bool>, done);

    const auto bar = colouredBar(minimum, maximum, value, QSize(100, 100));
    bar->setCircleProgressBar(true);
    int start = 0, end = 0;
    bar->getCirleAngleRange(start, end);
    QCOMPARE(start, 1);
    QCOMPARE(end, 361);
    const QImage image = bar->grab().toImage();
    const QPoint probes[] = {{25, 75}, {75, 75}, {25, 25}, {75, 25}};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(image.pixel(probes[i]) == kDone, done.at(i));
}

void tst_KIVQProgressBar::angleRangeNeedsOneToSomethingAbove()
{
    KIVQProgressBar bar;
    int start = 0, end = 0;
    bar.setCircleAngleRange(0, 360);
    bar.setCircleAngleRange(90, 90);
    bar.getCirleAngleRange(start, end);
    QCOMPARE(QPoint(start, end), QPoint(1, 361));
    bar.setCircleAngleRange(91, 181);
    bar.getCirleAngleRange(start, end);
    QCOMPARE(QPoint(start, end), QPoint(91, 181));

    // A huge range stays one turn at most: the paint ends.
    const auto big = colouredBar(0, 100, 99, QSize(40, 40));
    big->setCircleProgressBar(true);
    big->setCircleAngleRange(1, std::numeric_limits<int>::max());
    QVERIFY(countDone(big->grab().toImage()) > 0);
}

void tst_KIVQProgressBar::jsonValue_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("a fresh bar holds 0 and writes no attr") << 0 << QByteArray("{}") << 0 << QByteArray("null");
    QTest::newRow("val and showText") << 57 << QByteArray(R"({"attr":{"val":42,"showText":true}})") << 42
                                      << QByteArray(R"({"showText":1,"val":42})");
    QTest::newRow("an attr without val resets to 0")
        << 57 << QByteArray(R"({"attr":{"showText":false}})") << 0 << QByteArray("null");
    QTest::newRow("without attr the value stays")
        << 57 << QByteArray(R"({"style":null})") << 57 << QByteArray(R"({"val":57})");
}

void tst_KIVQProgressBar::jsonValue()
{
    QFETCH(int, before);
    QFETCH(QByteArray, element);
    QFETCH(int, value);
    QFETCH(QByteArray, written);

    KIVQProgressBar bar;
    QCOMPARE(bar.value(), 0);
    bar.setValue(before);
    Json::Value in = parseJson(element);
    QVERIFY(bar.readJsonValue(&in));
    QCOMPARE(bar.value(), value);
    const Json::Value out = writeControl(&bar);
    QCOMPARE(compactJson(out["attr"]), written);
    QVERIFY(out.isMember("style") && out["style"].isNull());
}

QTEST_MAIN(tst_KIVQProgressBar)
#include "tst_KIVQProgressBar.moc"
