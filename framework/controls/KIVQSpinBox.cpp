#include "KIVQSpinBox.h"

namespace KIVQtLib {

KIVQSpinBox::KIVQSpinBox(QWidget* parent) : QSpinBox(parent)
{
    // The shared Impl: the spin box keeps no state of its own beyond QSpinBox's.
    m_impl.reset(new KIVQWidgetBaseImpl(this, QString::fromLatin1(typeName())));
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_impl->applyTheme();
}

KIVQSpinBox::~KIVQSpinBox() = default;

KIVQ_CONTROL_DEFINE(KIVQSpinBox)

// Only the inner text field paints; the arrows stay undrawn yet keep working.
void KIVQSpinBox::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

} // namespace KIVQtLib
