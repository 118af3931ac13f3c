#include "KIVQSplitterImpl.h"

#include "KIVQSplitter.h"
#include "core/StateStyles.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;

} // namespace

KIVQSplitterImpl::KIVQSplitterImpl(KIVQSplitter* owner, const QString& typeName) : KIVQWidgetBaseImpl(owner, typeName)
{
    // Nothing shows until a style that draws is assigned.
    background.draw = false;
}

void KIVQSplitterImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

bool KIVQSplitterImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e))
            applySlotEntry(background, kBackgroundCode, entry);
        return true;
    }
    StyleWriter styles;
    styles.slot(background, kBackgroundCode);
    styles.store(e, true);
    return true;
}

} // namespace KIVQtLib
