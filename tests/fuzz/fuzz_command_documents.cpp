// Feeds arbitrary bytes to the readers of command documents: the ribbon bar's configuration and the menu
// document. The ribbon is shown, painted and resized after the load; what it writes back must load
// again. The same bytes then make a menu, which is measured and painted. Aborts when a promise breaks.
#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "ribbon/KIVQRibbonBar.h"
#include "views/KIVQMenu.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace KIVQtLib;

namespace {

QWidget* window = nullptr;
KIVQRibbonBar* bar = nullptr;
QString menuPath;

void ribbon(const QByteArray& bytes)
{
    bar->resize(640, 150);
    if (!bar->loadConfigJson(QString::fromUtf8(bytes)))
        return;
    bar->repaint();
    QCoreApplication::processEvents();
    bar->resize(200, 150);
    bar->repaint();
    QCoreApplication::processEvents();
    const QString written = bar->configJson();
    if (!bar->loadConfigJson(written))
        abort();
}

void menu(const QByteArray& bytes)
{
    QFile file(menuPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(bytes);
    file.close();
    KIVQMenu* made = kivCreateMenuByFileName(window, menuPath);
    if (!made)
        return;
    made->sizeHint();
    made->grab();
    delete made;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_command_documents";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    init();
    // What a reader leaves out, and icons that are not there, are expected; the log would only slow the run.
    QLoggingCategory::setFilterRules(QStringLiteral("kiv.json.warning=false\nqt.svg.warning=false"));
    static QTemporaryDir dir;
    menuPath = dir.filePath(QStringLiteral("menu.json"));
    window = new QWidget;
    window->resize(640, 400);
    bar = new KIVQRibbonBar(window);
    window->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    ribbon(bytes);
    menu(bytes);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
