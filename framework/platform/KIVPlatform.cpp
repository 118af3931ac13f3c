#include "KIVPlatform.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace KIVQtLib::platform {

QString executablePath()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

bool isEmulatorExecutable(const QString& path)
{
    return path.contains(QLatin1String("DravelQtEmulator")) || path.contains(QLatin1String("Quillbench"));
}

bool moveNativeWindow(void* handle, int x, int y, int w, int h)
{
#ifdef Q_OS_WIN
    return handle && MoveWindow(static_cast<HWND>(handle), x, y, w, h, TRUE);
#else
    Q_UNUSED(handle)
    Q_UNUSED(x)
    Q_UNUSED(y)
    Q_UNUSED(w)
    Q_UNUSED(h)
    return false;
#endif
}

} // namespace KIVQtLib::platform
