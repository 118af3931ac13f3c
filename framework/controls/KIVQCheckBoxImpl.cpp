#include "KIVQCheckBoxImpl.h"

#include "KIVQCheckBox.h"
#include "core/JsonAttr.h"

#include <json/json.h>

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

bool KIVQCheckBoxImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    look.ioStyles(e, read);
    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);
    look.ioPlacement(attr, 1);
    caption.io(attr, m_box);
    look.ioIcons(attr, true);
    if (read) {
        if (look.uncheckHotIcon == CheckBoxLook::defaultUncheckIcon())
            look.uncheckHotIcon = look.uncheckIcon;
        if (look.checkedHotIcon == CheckBoxLook::defaultCheckedIcon())
            look.checkedHotIcon = look.checkedIcon;
    }
    return true;
}

} // namespace KIVQtLib
