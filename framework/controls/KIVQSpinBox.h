#pragma once

#include "core/KIVQControl.h"

#include <QSpinBox>

namespace KIVQtLib {

// Qt's integer spin box as a framework control: made by type name, placed and saved like every
// control, with no frame, background or arrows of its own, so the surface behind it shows through.
// Value, range and step stay QSpinBox's and are not saved.
class KIVQTLIB_EXPORT KIVQSpinBox : public QSpinBox, public IKIVQWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    KIVQ_CONTROL
public:
    explicit KIVQSpinBox(QWidget* parent = nullptr);
    ~KIVQSpinBox() override;

    static const char* typeName() { return "qtspinbox"; }
    static QWidget* createKIVQSpinBox() { return new KIVQSpinBox; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
