#include "KIVQStackContainerImpl.h"

#include "KIVQStackContainer.h"
#include "core/JsonAttr.h"
#include "core/StateStyles.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kDisableBackgroundCode = 1;

} // namespace

KIVQStackContainerImpl::KIVQStackContainerImpl(KIVQStackContainer* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_stack(owner)
{
}

void KIVQStackContainerImpl::pageDestroyed(QObject* page)
{
    m_stack->pageDestroyed(page);
}

void KIVQStackContainerImpl::paint(QPainter* painter, const QRect& rect)
{
    if (drawBackground)
        paintFillStyle(painter, m_stack->isEnabled() ? background : disableBackground, rect);
}

bool KIVQStackContainerImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e)) {
            applySlotEntry(background, kBackgroundCode, entry) ||
                applySlotEntry(disableBackground, kDisableBackgroundCode, entry);
        }
    } else {
        StyleWriter styles;
        styles.slot(background, kBackgroundCode);
        styles.slot(disableBackground, kDisableBackgroundCode);
        styles.store(e, true);
    }
    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);
    attr.io("drawBackground", drawBackground, true);
    if (read)
        m_stack->update();
    return true;
}

} // namespace KIVQtLib
