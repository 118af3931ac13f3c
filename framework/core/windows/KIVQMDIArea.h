#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QVector>
#include <QWidget>

namespace KIVQtLib {

// The area a window keeps its sub-windows in (getMDIArea / setMDIArea).
class KIVQTLIB_EXPORT KIVQMDIArea : public QWidget
{
    Q_OBJECT
public:
    KIVQMDIArea();

    QVector<QWidget*>& subWindows() { return m_subWindows; }

private:
    QVector<QWidget*> m_subWindows;
};

} // namespace KIVQtLib
