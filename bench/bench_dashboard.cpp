#include "AppStartup.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"

#include "charts/KIVQChartBase.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QtTest>

#include <algorithm>
#include <memory>

using namespace KIVQtLib;

// One second of the dashboard, per page: a simulator tick with the window's refill, then the visible
// page rendered, as the next frame would paint it. The refill alone is measured beside it. The
// patients and appointments pages are measured again with their drawer open.
class bench_dashboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tick_data() { pages(); }
    void tick();
    void tickAndRepaint_data() { pages(); }
    void tickAndRepaint();
    void tickAndPaint_data() { pages(); }
    void tickAndPaint();

private:
    static void pages();
    // The window on that page, shown, with the charts' intros played and switched off, and the page's
    // drawer opened when asked.
    std::unique_ptr<HealthWindow> steadyWindow(int page, bool drawer);
};

void bench_dashboard::initTestCase()
{
    Q_INIT_RESOURCE(carevix);
    init();
    applyAppGlobalConfig();
    QVERIFY(kivLoadThemeDir(QFile::encodeName(QStringLiteral(CAREVIX_THEME_DIR)).constData()));
}

void bench_dashboard::pages()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("drawer");
    const char* const names[] = {"overview", "patients", "monitoring", "reports", "appointments"};
    for (int i = 0; i < HealthWindow::kPageCount; ++i)
        QTest::newRow(names[i]) << i << false;
    QTest::newRow("patients with drawer") << 1 << true;
    QTest::newRow("appointments with editor") << 4 << true;
}

std::unique_ptr<HealthWindow> bench_dashboard::steadyWindow(int page, bool drawer)
{
    auto window = std::make_unique<HealthWindow>();
    window->simulator()->stop();
    window->setPage(page);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    const QList<KIVQChartBase*> charts = window->findChildren<KIVQChartBase*>();
    const auto steady = [&charts] {
        return std::all_of(charts.begin(), charts.end(), [](KIVQChartBase* chart) {
            return !chart->animationEnabled() && chart->animationProgress() >= 1.0;
        });
    };
    if (!QTest::qWaitFor(steady))
        return nullptr;
    if (drawer) {
        if (page == 1)
            window->setPatientDrawerExpanded(true);
        else
            window->openNewAppointment();
        auto* box = window->findChild<KIVQContainer*>(
            QLatin1String(page == 1 ? "patientDetailDrawer" : "appointmentEditorDrawer"));
        if (!box || !QTest::qWaitFor([box] {
                return !box->isResizeAnimationRunning() && box->getChildLayout() == KIVQContainer::Vertical;
            }))
            return nullptr;
    }
    return window;
}

void bench_dashboard::tick()
{
    QFETCH(int, page);
    QFETCH(bool, drawer);
    const std::unique_ptr<HealthWindow> window = steadyWindow(page, drawer);
    QVERIFY(window);
    QBENCHMARK
    {
        window->simulator()->advance();
    }
}

void bench_dashboard::tickAndRepaint()
{
    QFETCH(int, page);
    QFETCH(bool, drawer);
    const std::unique_ptr<HealthWindow> window = steadyWindow(page, drawer);
    QVERIFY(window);
    QBENCHMARK
    {
        window->simulator()->advance();
        // The window repaints what the refill changed, as the next frame would.
        QCoreApplication::processEvents();
    }
}

void bench_dashboard::tickAndPaint()
{
    QFETCH(int, page);
    QFETCH(bool, drawer);
    const std::unique_ptr<HealthWindow> window = steadyWindow(page, drawer);
    QVERIFY(window);
    QWidget* shown = window->findChild<QWidget*>(QStringLiteral("healthPage%1").arg(page));
    QVERIFY(shown);
    QBENCHMARK
    {
        window->simulator()->advance();
        const QPixmap pixmap = shown->grab();
        QVERIFY(!pixmap.isNull());
    }
}

QTEST_MAIN(bench_dashboard)
#include "bench_dashboard.moc"
