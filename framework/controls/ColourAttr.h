#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QColor>

namespace KIVQtLib {

// A colour member of "attr": a text of eight hexadecimal digits keeps its alpha (AARRGGBB), a shorter
// one is opaque, and an integer is an opaque RGB value. Anything else leaves out untouched (false).
KIVQTLIB_EXPORT bool readColourAttr(const Json::Value& attr, const char* key, QColor& out);

} // namespace KIVQtLib
