#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QString>

// What the framework needs of the operating system, in one place.
namespace KIVQtLib::platform {

// The running program's path.
KIVQTLIB_EXPORT QString executablePath();
// The framework runs in emulator mode when started from a host program of these names (case-sensitive).
KIVQTLIB_EXPORT bool isEmulatorExecutable(const QString& path);
// Places a native window (a window handle kept by a container) at x, y with size w, h in the client
// coordinates of its parent. Only Windows moves anything; elsewhere the handle is just kept and false
// is returned.
KIVQTLIB_EXPORT bool moveNativeWindow(void* handle, int x, int y, int w, int h);

} // namespace KIVQtLib::platform
