#pragma once

#include "KIVQtLibGlobal.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQTLIB_EXPORT KIVQDockFrame : public QWidget
{
    Q_OBJECT
public:
    KIVQDockFrame();
};

} // namespace KIVQtLib
