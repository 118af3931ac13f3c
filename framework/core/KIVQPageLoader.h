#pragma once

#include "KIVQtLibGlobal.h"

#include <QString>

class QWidget;

namespace KIVQtLib {

class KIVQContainer;
class KIVQMenu;

// Builds a page document (a ".json" file) under parent: the root keys go to a KIVQWindow, KIVQSubWin or
// designer page parent, each element of "elements" becomes a control tree. The result is the last element when it is a
// container (the page's root), else null; a document that cannot be found or parsed gives null.
KIVQTLIB_EXPORT KIVQContainer* kivCreatePageByFileName(QWidget* parent, QString fileName);

// The menu document of fileName, found and parsed as a page is; false when it cannot be.
KIVQTLIB_EXPORT bool kivReadMenuDocument(const QString& fileName, Json::Value& root);

// A menu under parent built from the menu document of fileName; null when the document cannot be found
// or parsed. Defined beside the menu control, in views/.
KIVQTLIB_EXPORT KIVQMenu* kivCreateMenuByFileName(QWidget* parent, QString fileName);

} // namespace KIVQtLib
