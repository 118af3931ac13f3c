#pragma once

#include "core/KIVQControl.h"

#include <QSpinBox>

namespace KIVQtLib {

// Qt's integer spin box as a framework control: made by type name, placed and saved like every
// control, with no frame, background or arrows of its own, so the surface behind it shows through.
// Value, range and step stay QSpinBox's and are not saved.
// The shared Impl: the spin box keeps nothing beyond what QSpinBox keeps, and its paint draws nothing.
class KIVQTLIB_EXPORT KIVQSpinBox : public KIVQControlBase<KIVQSpinBox, QSpinBox, KIVQWidgetBaseImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQSpinBox(QWidget* parent = nullptr);

    static const char* typeName() { return "qtspinbox"; }
    static QWidget* createKIVQSpinBox() { return new KIVQSpinBox; }
};

} // namespace KIVQtLib
