#pragma once

#include <QString>

// What the framework needs of the operating system, in one place. Nothing here knows the framework.
namespace KIVQtLib::platform {

// The running program's path.
QString executablePath();
// The framework runs in emulator mode when started from a host program of these names (case-sensitive).
bool isEmulatorExecutable(const QString& path);

} // namespace KIVQtLib::platform
