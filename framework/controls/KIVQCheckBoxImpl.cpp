#include "KIVQCheckBoxImpl.h"

#include "KIVQCheckBox.h"
#include "core/ControlJson.h"

namespace KIVQtLib {

KIVQCheckBoxImpl::KIVQCheckBoxImpl(KIVQCheckBox* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_box(owner)
{
}

void KIVQCheckBoxImpl::paint(QPainter* painter, const QRect& rect)
{
    look.paint(painter, rect, m_box->text(), m_box->isChecked(), m_state, m_box->isEnabled());
}

void KIVQCheckBoxImpl::onLanguageChanged()
{
    caption.languageChanged(m_box);
}

void KIVQCheckBoxImpl::serializeJson(ControlJson& io)
{
    look.ioStyles(io);
    io.keepAbsentKeys();
    look.ioPlacement(io, 1);
    caption.io(io, m_box);
    look.ioIcons(io, true);
    if (io.isReading()) {
        if (look.uncheckHotIcon == CheckBoxLook::defaultUncheckIcon())
            look.uncheckHotIcon = look.uncheckIcon;
        if (look.checkedHotIcon == CheckBoxLook::defaultCheckedIcon())
            look.checkedHotIcon = look.checkedIcon;
    }
}

} // namespace KIVQtLib
