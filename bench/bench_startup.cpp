// Start-up to the first paint of the program's window, against a bare QWidget window, both as whole
// processes: each is started, shows its window and is ended by a plug-in once the window is painted.
// The yardstick window has the program's size, so that both pay for the same backing store; the small
// window of earlier measurements is timed as well. Wall time is what a user waits; processor time
// (user and system, from the reaped child) varies less on a busy machine.
#include "AppOptions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>

namespace {

constexpr int kRuns = 11;

// The bare window, started as this executable with "--bare-window" and its width and height.
int bareWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    window.show();
    return app.exec();
}

struct Sample
{
    qint64 wallUs = 0; // 0 when the run failed
    qint64 cpuUs = 0;
};

qint64 childrenCpuUs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000 + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

// One process from start to its exit after the first paint.
Sample run(const QString& executable, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(CAREVIX_BENCH_PLUGINS));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("carevixfirstpaint"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    const qint64 cpuBefore = childrenCpuUs();
    QElapsedTimer timer;
    timer.start();
    process.start(executable, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    Sample sample;
    sample.wallUs = timer.nsecsElapsed() / 1000;
    sample.cpuUs = childrenCpuUs() - cpuBefore;
    if (!process.readAllStandardOutput().contains("first paint"))
        return {};
    return sample;
}

double medianMs(QVector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return double(values[values.size() / 2]) / 1000.0;
}

} // namespace

class bench_startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programAgainstBareWindow()
    {
        const QSize size = parseOptions({}).size;
        const QList<QPair<const char*, QStringList>> kinds{
            {"program", {}},
            {"bare window of the program's size",
             {QStringLiteral("--bare-window"), QString::number(size.width()), QString::number(size.height())}},
            {"bare window of 640 x 300",
             {QStringLiteral("--bare-window"), QStringLiteral("640"), QStringLiteral("300")}}};
        const QString program = QStringLiteral(CAREVIX_PROGRAM);
        const QString self = QCoreApplication::applicationFilePath();
        auto executable = [&](int kind) { return kind == 0 ? program : self; };

        // Once each first: page caches, and a check that the plug-in ends each.
        for (int kind = 0; kind < kinds.size(); ++kind)
            QVERIFY2(run(executable(kind), kinds[kind].second).wallUs > 0, kinds[kind].first);
        QVector<QVector<qint64>> wall(kinds.size());
        QVector<QVector<qint64>> cpu(kinds.size());
        for (int i = 0; i < kRuns; ++i) {
            for (int kind = 0; kind < kinds.size(); ++kind) {
                const Sample sample = run(executable(kind), kinds[kind].second);
                QVERIFY2(sample.wallUs > 0, kinds[kind].first);
                wall[kind] << sample.wallUs;
                cpu[kind] << sample.cpuUs;
            }
        }
        qInfo("Start-up to first paint, median of %d alternating runs, wall (processor) time:", kRuns);
        for (int kind = 0; kind < kinds.size(); ++kind)
            qInfo("  %-36s %6.1f ms (%6.1f ms)", kinds[kind].first, medianMs(wall[kind]), medianMs(cpu[kind]));
        for (int kind = 1; kind < kinds.size(); ++kind)
            qInfo("  program against the %s: %.2f (%.2f)", kinds[kind].first, medianMs(wall[0]) / medianMs(wall[kind]),
                  medianMs(cpu[0]) / medianMs(cpu[kind]));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv);
    QCoreApplication app(argc, argv);
    bench_startup bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_startup.moc"
