// Builds a page document from arbitrary bytes under a shown window, paints it, resizes it and deletes
// it. Aborts when the page breaks a cap: a window larger than a document may ask for, more controls than
// a page may make, or a control whose geometry QRect cannot hold.
#include "core/IKIVQWidgetBase.h"
#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "core/windows/KIVQWindow.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <climits>
#include <cstdint>
#include <cstdlib>

using namespace KIVQtLib;

namespace {

KIVQWindow* window = nullptr;
QString pagePath;

bool withinInt(const QRect& r)
{
    return qint64(r.x()) + r.width() <= INT_MAX && qint64(r.y()) + r.height() <= INT_MAX;
}

void checkCaps()
{
    if (window->width() > limits::kMaxWindowSide || window->height() > limits::kMaxWindowSide ||
        qint64(window->width()) * window->height() > limits::kMaxWindowPixels)
        abort();
    int controls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        controls += dynamic_cast<IKIVQWidgetBase*>(widget) ? 1 : 0;
        if (!withinInt(widget->geometry()))
            abort();
    }
    if (controls > limits::kMaxPageControls)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_page_document";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    init();
    // What a reader leaves out is expected here; the log would only slow the run.
    QLoggingCategory::setFilterRules(QStringLiteral("kiv.json.warning=false"));
    static QTemporaryDir dir;
    pagePath = dir.filePath(QStringLiteral("page.json"));
    window = new KIVQWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(pagePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    window->setMinWidth(0);
    window->setMinHeight(0);
    window->resize(320, 240);
    window->show(); // "trans" re-flags the window, which hides it
    kivCreatePageByFileName(window, pagePath);
    checkCaps();
    window->show();
    window->repaint();
    QCoreApplication::processEvents();
    window->resize(180, 420);
    window->repaint();
    QCoreApplication::processEvents();
    checkCaps();

    qDeleteAll(window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
