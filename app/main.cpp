#include "AppOptions.h"
#include "AppStartup.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"
#include "Screenshot.h"

#include "charts/ChartRegistration.h"
#include "core/KIVQtLib.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

using namespace KIVQtLib;

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(carevix);
    QCoreApplication::setAttribute(Qt::AA_UseDesktopOpenGL, true);
    QApplication app(argc, argv);
    init();
    kivRegisterChartControls();

    applyAppGlobalConfig();

    const AppOptions options = parseOptions(QCoreApplication::arguments());

    const QString themeDir = themeDirectory();
    if (!kivLoadThemeDir(QFile::encodeName(themeDir).constData())) {
        const QString message = QStringLiteral("Unable to load the Carevix theme from:\n%1").arg(themeDir);
        qCritical("%s", qPrintable(message));
        if (isInteractivePlatform() && options.screenshotPath.isEmpty())
            QMessageBox::critical(nullptr, QStringLiteral("Carevix"), message, QMessageBox::Ok);
        shutdown();
        return 1;
    }

    int code = 0;
    {
        HealthWindow window(nullptr);
        window.resize(options.size.expandedTo(window.minimumSize()));
        if (options.english)
            window.setEnglish(true);
        if (!options.patientId.isEmpty())
            window.selectPatient(options.patientId);
        window.setPage(options.page);
        window.show();

        if (options.drawer) {
            const int page = options.page;
            QTimer::singleShot(180, &window, [&window, page] {
                if (page == 1) {
                    window.setPatientDrawerExpanded(true);
                } else {
                    window.setPage(4);
                    window.openNewAppointment();
                }
            });
        }
        if (!options.screenshotPath.isEmpty()) {
            const QString path = options.screenshotPath;
            QTimer::singleShot(1400, &window, [&window, path] { saveScreenshot(&window, path); });
        }
        code = app.exec();
        shutdown();
    }
    return code;
}
