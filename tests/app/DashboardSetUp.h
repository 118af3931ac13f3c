#pragma once

#include "AppStartup.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"
#include "core/KIVQtLib.h"

#include <QFile>
#include <QString>
#include <QtTest>

#include <memory>

// The framework, resources, font configuration and health theme as the program sets them up; false when the
// theme does not load.
inline bool setUpDashboard()
{
    Q_INIT_RESOURCE(carevix);
    KIVQtLib::init();
    applyAppGlobalConfig();
    return KIVQtLib::kivLoadThemeDir(QFile::encodeName(QStringLiteral(CAREVIX_THEME_DIR)).constData());
}

// A dashboard whose simulator waits for the test to tick it, from tick 0.
inline std::unique_ptr<HealthWindow> stoppedDashboard()
{
    auto window = std::make_unique<HealthWindow>();
    window->simulator()->stop();
    return window;
}

// Shown at the size on the page, once the root fills the window: a page's layout says nothing before.
inline void showDashboard(HealthWindow* window, int page, const QSize& size = QSize(1440, 900))
{
    window->resize(size);
    window->setPage(page);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_COMPARE(window->findChild<QWidget*>(QStringLiteral("healthRoot"))->geometry(), window->rect());
}
