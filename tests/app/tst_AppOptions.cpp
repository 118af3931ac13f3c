#include "AppOptions.h"

#include <QtTest>

// The command line: option words exact, page names case-blind, malformed values ignored.
class tst_AppOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
};

void tst_AppOptions::parse_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QSize>("windowSize"); // the size asked for, raised to the window's minimum
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<QString>("patient");
    QTest::addColumn<bool>("drawer");

    const QSize standard(1440, 900);
    QTest::newRow("no options") << QStringList() << standard << 0 << false << QString() << QString() << false;
    QTest::newRow("small size raised to the minimum")
        << QStringList{"--size", "800x600"} << QSize(1280, 720) << 0 << false << QString() << QString() << false;
    QTest::newRow("upper-case X accepted")
        << QStringList{"--size", "2000X1200"} << QSize(2000, 1200) << 0 << false << QString() << QString() << false;
    QTest::newRow("missing height reads as 0")
        << QStringList{"--size", "1600x"} << QSize(1600, 720) << 0 << false << QString() << QString() << false;
    QTest::newRow("one number is no size")
        << QStringList{"--size", "1600"} << standard << 0 << false << QString() << QString() << false;
    QTest::newRow("huge dimension is malformed")
        << QStringList{"--size", "100000x900"} << standard << 0 << false << QString() << QString() << false;
    QTest::newRow("huge area is malformed")
        << QStringList{"--size", "16384x16384"} << standard << 0 << false << QString() << QString() << false;
    QTest::newRow("three parts are malformed")
        << QStringList{"--size", "1600x900x2"} << standard << 0 << false << QString() << QString() << false;
    QTest::newRow("page name without regard to case")
        << QStringList{"--page", "Monitoring"} << standard << 2 << false << QString() << QString() << false;
    QTest::newRow("every page name") << QStringList{"--page", "APPOINTMENTS"} << standard << 4 << false << QString()
                                     << QString() << false;
    QTest::newRow("unknown page is the overview")
        << QStringList{"--page", "reports", "--page", "settings"} << standard << 0 << false << QString() << QString()
        << false;
    QTest::newRow("screenshot takes the next word even an option")
        << QStringList{"--screenshot", "--en"} << standard << 0 << false << QStringLiteral("--en") << QString()
        << false;
    QTest::newRow("option words are case-sensitive")
        << QStringList{"--EN", "--Drawer", "--PAGE", "reports"} << standard << 0 << false << QString() << QString()
        << false;
    QTest::newRow("trailing value option skipped")
        << QStringList{"--en", "--patient"} << standard << 0 << true << QString() << QString() << false;
    QTest::newRow("later occurrence wins")
        << QStringList{"--patient", "HP-1002", "--size", "1600x1000", "--patient", "HP-1005", "--size", "1700x1100"}
        << QSize(1700, 1100) << 0 << false << QString() << QStringLiteral("HP-1005") << false;
    QTest::newRow("unknown words skipped, flags kept")
        << QStringList{"stray", "--drawer", "--page", "patients", "--en", "-x"} << standard << 1 << true << QString()
        << QString() << true;
}

void tst_AppOptions::parse()
{
    QFETCH(QStringList, words);
    QFETCH(QSize, windowSize);
    QFETCH(int, page);
    QFETCH(bool, english);
    QFETCH(QString, screenshot);
    QFETCH(QString, patient);
    QFETCH(bool, drawer);

    const AppOptions options = parseOptions(QStringList{QStringLiteral("carevix")} + words);
    QCOMPARE(options.size.expandedTo(QSize(1280, 720)), windowSize);
    QCOMPARE(options.page, page);
    QCOMPARE(options.english, english);
    QCOMPARE(options.screenshotPath, screenshot);
    QCOMPARE(options.patientId, patient);
    QCOMPARE(options.drawer, drawer);
}

QTEST_APPLESS_MAIN(tst_AppOptions)
#include "tst_AppOptions.moc"
