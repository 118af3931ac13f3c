#include "KIVQCheckBoxImpl.h"

#include "KIVQCheckBox.h"
#include "core/JsonAttr.h"
#include "theme/KIVQResourceManager.h"

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
    // The caption belongs to the program: a theme entry styles every check box and names none.
    const bool fromTheme = KIVQResourceManager::getInstance()->isLoadFromThemeRes();

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e))
            look.applyStyleEntry(entry);
    } else {
        StyleWriter styles;
        look.writeStyles(styles);
        styles.store(e, false);
    }

    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);
    look.ioPlacement(attr, 1);
    if (read) {
        // A page element without "text" means an empty caption; a theme entry leaves it.
        if (!fromTheme && attr.readable().isObject()) {
            QString text;
            attr.io("text", text, QString());
            caption.read(m_box, text);
        }
    } else {
        QString text = caption.written(m_box->text());
        attr.io("text", text, QString());
    }
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
