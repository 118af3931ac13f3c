#pragma once

#include "KIVQtLibGlobal.h"

#include <QString>

class QWidget;

namespace KIVQtLib {

class KIVQContainer;

// Builds a page document (a ".json" file) under parent: the root keys go to a KIVQWindow, KIVQSubWin or
// designer page parent, each element of "elements" becomes a control tree. The result is the last element when it is a
// container (the page's root), else null; a document that cannot be found or parsed gives null.
KIVQTLIB_EXPORT KIVQContainer* kivCreatePageByFileName(QWidget* parent, QString fileName);

// The menu document of fileName, found and parsed as a page is; false when it cannot be.
//
// Not here yet: kivCreateMenuByFileName(QWidget* parent, QString fileName) -> KIVQMenu*. It lands with
// the menu control: it reads the document with this function (null when that fails), constructs a
// KIVQMenu with parent, hands it the whole root through readJsonValue and returns the menu.
KIVQTLIB_EXPORT bool kivReadMenuDocument(const QString& fileName, Json::Value& root);

} // namespace KIVQtLib
