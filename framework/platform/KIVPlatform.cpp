#include "KIVPlatform.h"

#include <QCoreApplication>

namespace KIVQtLib::platform {

QString executablePath()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

bool isEmulatorExecutable(const QString& path)
{
    return path.contains(QLatin1String("DravelQtEmulator")) || path.contains(QLatin1String("Quillbench"));
}

} // namespace KIVQtLib::platform
