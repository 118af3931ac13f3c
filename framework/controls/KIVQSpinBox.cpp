#include "KIVQSpinBox.h"

namespace KIVQtLib {

KIVQSpinBox::KIVQSpinBox(QWidget* parent) : KIVQControlBase(parent)
{
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    attachImpl();
}

} // namespace KIVQtLib
