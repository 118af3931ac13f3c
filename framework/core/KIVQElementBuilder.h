#pragma once

#include "KIVQtLibGlobal.h"

class QWidget;

namespace KIVQtLib {

// A control and its "child" elements, then createComplete(); null when element has no string "type"
// or the type is unknown. Failed children are skipped.
KIVQTLIB_EXPORT QWidget* buildControlTree(const Json::Value& element, QWidget* parent);
// One control: the application's create hook first, else the registry; then the parent, then its JSON.
KIVQTLIB_EXPORT QWidget* createControlByType(const char* type, const Json::Value* element, QWidget* parent);
// The registry only; no JSON is read and createComplete is not called.
KIVQTLIB_EXPORT QWidget* createControlByTypeName(const char* type, QWidget* parent);

} // namespace KIVQtLib
