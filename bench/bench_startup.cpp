// Start-up to the first paint of the program's window, against a bare QWidget window, both as whole
// processes: each is started, shows its window and is ended by a plug-in once the window is painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int kRuns = 11;

// The bare window, started as this executable with one argument.
int bareWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 300);
    window.show();
    return app.exec();
}

} // namespace

class bench_startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programAgainstBareWindow()
    {
        const QString program = QStringLiteral(CAREVIX_PROGRAM);
        const QString self = QCoreApplication::applicationFilePath();
        // Once each first: page caches, and a check that the plug-in ends both.
        QVERIFY(run(program, {}) > 0);
        QVERIFY(run(self, {QStringLiteral("--bare-window")}) > 0);
        QVector<qint64> programTimes;
        QVector<qint64> bareTimes;
        for (int i = 0; i < kRuns; ++i) {
            programTimes << run(program, {});
            bareTimes << run(self, {QStringLiteral("--bare-window")});
        }
        const double programMs = median(programTimes);
        const double bareMs = median(bareTimes);
        qInfo("Start-up to first paint, median of %d runs: program %.1f ms, bare window %.1f ms, ratio %.2f", kRuns,
              programMs, bareMs, programMs / bareMs);
    }

private:
    // Wall time of one process from start to its exit after the first paint, in microseconds; 0 on failure.
    static qint64 run(const QString& executable, const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(CAREVIX_BENCH_PLUGINS));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("carevixfirstpaint"));
        if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(executable, arguments);
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return 0;
        }
        const qint64 elapsed = timer.nsecsElapsed() / 1000;
        return process.readAllStandardOutput().contains("first paint") ? elapsed : 0;
    }

    static double median(QVector<qint64> times)
    {
        std::sort(times.begin(), times.end());
        return double(times[times.size() / 2]) / 1000.0;
    }
};

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv);
    QCoreApplication app(argc, argv);
    bench_startup bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_startup.moc"
