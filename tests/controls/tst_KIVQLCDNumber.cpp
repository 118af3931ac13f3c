#include "ControlTestHelpers.h"

#include "controls/KIVQLCDNumber.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

bool showsColour(QWidget& w, QRgb colour)
{
    const QImage image = w.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class tst_KIVQLCDNumber : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void textRoundTrip_data();
    void textRoundTrip();
    void colourIsKeptAtOnce();
    void digitsStayRedInAnInactiveWindow();
};

void tst_KIVQLCDNumber::textRoundTrip_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("a time stays a time") << QByteArray(R"({"text":"12:30"})")
                                         << QByteArray(R"({"color":"FF000000","digitCount":5,"text":"12:30"})");
    QTest::newRow("a big number in full") << QByteArray(R"({"text":"1234567","digitCount":8})")
                                          << QByteArray(R"({"color":"FF000000","digitCount":8,"text":"1234567"})");
    QTest::newRow("trailing zeros go") << QByteArray(R"({"text":"3.50"})")
                                       << QByteArray(R"({"color":"FF000000","digitCount":5,"text":"3.5"})");
    QTest::newRow("colour with alpha") << QByteArray(R"({"color":"80FF0000"})")
                                       << QByteArray(R"({"color":"80FF0000","digitCount":5,"text":"0"})");
}

void tst_KIVQLCDNumber::textRoundTrip()
{
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, written);

    KIVQLCDNumber lcd;
    lcd.setColor(Qt::black);
    Json::Value element(Json::objectValue);
    element["attr"] = parseJson(attr);
    QVERIFY(lcd.readJsonValue(&element));
    QCOMPARE(compactJson(writeControl(&lcd)["attr"]), written);
}

void tst_KIVQLCDNumber::colourIsKeptAtOnce()
{
    KIVQLCDNumber lcd;
    lcd.setColor(Qt::red);
    QCOMPARE(lcd.getColor(), QColor(Qt::red));
    QCOMPARE(compactJson(writeControl(&lcd)["attr"]["color"]), QByteArray(R"("FFFF0000")"));
    lcd.display(42);
    QCOMPARE(lcd.getNumText(), QStringLiteral("42"));
}

void tst_KIVQLCDNumber::digitsStayRedInAnInactiveWindow()
{
    QWidget window;
    auto* lcd = new KIVQLCDNumber(&window);
    lcd->resize(120, 40);
    lcd->setNumText(QStringLiteral("88"));
    lcd->setColor(Qt::red);
    window.show();
    QApplication::setActiveWindow(&window);
    QTRY_VERIFY(window.isActiveWindow());
    QVERIFY(showsColour(*lcd, 0xffff0000));

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!window.isActiveWindow());
    QVERIFY(showsColour(*lcd, 0xffff0000));
}

QTEST_MAIN(tst_KIVQLCDNumber)
#include "tst_KIVQLCDNumber.moc"
