#include "core/KIVQtLib.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

// Until the dashboard lands: start the framework and show a small window.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    KIVQtLib::init();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Carevix"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Carevix: framework started"), &window));
    window.resize(480, 240);
    window.show();

    const QStringList args = QCoreApplication::arguments();
    const int shotIndex = args.indexOf(QStringLiteral("--screenshot"));
    if (shotIndex > 0 && shotIndex + 1 < args.size()) {
        const QString out = args.at(shotIndex + 1);
        QTimer::singleShot(1400, &app, [&window, out] { QCoreApplication::exit(window.grab().save(out, "PNG") ? 0 : 2); });
    }
    const int code = app.exec();
    KIVQtLib::shutdown();
    return code;
}
