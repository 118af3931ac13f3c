#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QString>

namespace KIVQtLib {

struct KIVQTLIB_EXPORT KIVGlobalConfig
{
    QString fontFamily;             // empty keeps the application font
    bool buttonFadeEnabled = false; // push buttons fade between states
    int buttonFadeDuration = 150;   // milliseconds; below 1 counts as 150
};

} // namespace KIVQtLib
