#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQTLIB_EXPORT KIVQDockFrame : public QWidget
{
    Q_OBJECT
public:
    KIVQDockFrame();
};

} // namespace KIVQtLib
