#include <QtTest>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

// The program run as a user runs it: its exit code, its screenshot and its theme beside it.
class tst_CarevixProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();

private:
    // The program and, when withTheme, its theme copied into folder; returns the program's path.
    QString install(const QString& folder, bool withTheme);

    QTemporaryDir m_dir;
};

void tst_CarevixProgram::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QStringLiteral(CAREVIX_PROGRAM)));
}

QString tst_CarevixProgram::install(const QString& folder, bool withTheme)
{
    const QString program = folder + QStringLiteral("/carevix");
    if (!QDir().mkpath(folder) || !QFile::copy(QStringLiteral(CAREVIX_PROGRAM), program))
        return QString();
    if (withTheme) {
        const QDir theme(QStringLiteral(CAREVIX_THEME_DIR));
        QDir().mkpath(folder + QStringLiteral("/health-theme"));
        for (const QString& name : theme.entryList(QDir::Files)) {
            if (!QFile::copy(theme.filePath(name), folder + QStringLiteral("/health-theme/") + name))
                return QString();
        }
    }
    return program;
}

void tst_CarevixProgram::exitCodes_data()
{
    QTest::addColumn<QString>("folder"); // empty: the program where it was built
    QTest::addColumn<bool>("withTheme");
    QTest::addColumn<QString>("shot");   // relative to the test's folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("screenshot into new nested folders")
        << QString() << true << QStringLiteral("a/b/c/shot.png") << 0 << QString();
    QTest::newRow("unwritable screenshot path")
        << QString() << true << QStringLiteral("plain-file/shot.png") << 2 << QString();
    QTest::newRow("no theme beside the program")
        << QStringLiteral("bare") << false << QStringLiteral("never.png") << 1
        << QStringLiteral("Unable to load the Carevix theme from:");
    QTest::newRow("program under a non-Latin-1 folder")
        << QString::fromUtf8(u8"\u75c5\u533a") << true << QStringLiteral("ward.png") << 0 << QString();
}

void tst_CarevixProgram::exitCodes()
{
    QFETCH(QString, folder);
    QFETCH(bool, withTheme);
    QFETCH(QString, shot);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    QString program = QStringLiteral(CAREVIX_PROGRAM);
    if (!folder.isEmpty()) {
        program = install(m_dir.filePath(folder), withTheme);
        QVERIFY(!program.isEmpty());
    }
    QFile blocker(m_dir.filePath(QStringLiteral("plain-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const QString shotPath = m_dir.filePath(shot);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {QStringLiteral("--screenshot"), shotPath});
    // A theme failure must not wait for anyone; a screenshot comes after 1.4 s.
    QVERIFY(process.waitForFinished(exitCode == 1 ? 10000 : 60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    if (!message.isEmpty())
        QVERIFY2(errors.contains(message), qPrintable(errors));

    if (exitCode == 0) {
        const QImage image(shotPath, "PNG");
        QCOMPARE(image.size(), QSize(1440, 900));
    } else {
        QVERIFY(!QFile::exists(shotPath));
    }
}

QTEST_GUILESS_MAIN(tst_CarevixProgram)
#include "tst_CarevixProgram.moc"
