#pragma once

#include "KIVQtLibGlobal.h"

#include <functional>

class QWidget;

namespace KIVQtLib {

class IKIVQWidgetBase;

// Every framework control below root, parents before their children. A visit may add or delete
// widgets: each level walks a guarded copy of its child list, and a deleted child is skipped.
KIVQTLIB_EXPORT void kivForEachDescendantControl(QWidget* root, const std::function<void(IKIVQWidgetBase*)>& visit);
// Lays out each control among root's direct children again, as a window does when it is resized.
KIVQTLIB_EXPORT void kivResizeChildControls(QWidget* root);
// Applies the control's theme entry again.
KIVQTLIB_EXPORT void kivRefreshTheme(IKIVQWidgetBase* control);

} // namespace KIVQtLib
