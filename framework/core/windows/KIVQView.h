#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQTLIB_EXPORT KIVQView : public QWidget
{
    Q_OBJECT
public:
    KIVQView();
};

} // namespace KIVQtLib
