#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QString>

// What the framework needs of the operating system, in one place.
namespace KIVQtLib::platform {

// The running program's path.
KIVQTLIB_EXPORT QString executablePath();
// The framework runs in emulator mode when started from a host program of these names (case-sensitive).
KIVQTLIB_EXPORT bool isEmulatorExecutable(const QString& path);

} // namespace KIVQtLib::platform
