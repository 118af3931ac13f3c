#include "AppStartup.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"

#include "core/KIVQtLib.h"

#include <QtTest>

using namespace KIVQtLib;

// One second of the dashboard: a simulator tick with the window's refill, then the visible page
// rendered, as the next frame would paint it.
class bench_dashboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tickAndPaint_data();
    void tickAndPaint();
};

void bench_dashboard::initTestCase()
{
    Q_INIT_RESOURCE(carevix);
    init();
    applyAppGlobalConfig();
    QVERIFY(kivLoadThemeDir(QFile::encodeName(QStringLiteral(CAREVIX_THEME_DIR)).constData()));
}

void bench_dashboard::tickAndPaint_data()
{
    QTest::addColumn<int>("page");
    const char* const names[] = {"overview", "patients", "monitoring", "reports", "appointments"};
    for (int i = 0; i < HealthWindow::kPageCount; ++i)
        QTest::newRow(names[i]) << i;
}

void bench_dashboard::tickAndPaint()
{
    QFETCH(int, page);
    HealthWindow window;
    window.simulator()->stop();
    window.setPage(page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* shown = window.findChild<QWidget*>(QStringLiteral("healthPage%1").arg(page));
    QVERIFY(shown);
    QBENCHMARK
    {
        window.simulator()->advance();
        const QPixmap pixmap = shown->grab();
        QVERIFY(!pixmap.isNull());
    }
}

QTEST_MAIN(bench_dashboard)
#include "bench_dashboard.moc"
