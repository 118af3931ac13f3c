#include "KIVQScrollViewImpl.h"

#include "KIVQScrollView.h"
#include "core/JsonRead.h"
#include "core/KIVQContainer.h"
#include "core/KIVQtLib.h"
#include "core/StateStyles.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;

} // namespace

KIVQScrollViewImpl::KIVQScrollViewImpl(KIVQScrollView* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_view(owner)
{
}

void KIVQScrollViewImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

void KIVQScrollViewImpl::onCreateComplete()
{
    for (QObject* child : m_view->children()) {
        if (auto* container = qobject_cast<KIVQContainer*>(child)) {
            content = container;
            m_view->setWidget(container);
            return;
        }
    }
}

bool KIVQScrollViewImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (read) {
        // Any code of 0 or more names the background; the last one found wins.
        for (const StyleEntry& entry : readStyleEntries(e)) {
            if (entry.code >= kBackgroundCode)
                lookupStyle(entry.name, background);
        }
        m_view->readScrollBarBlocks(e, ScrollBarBlockMatch::AtLeastNineContaining);
        m_view->viewport()->update();
        return true;
    }

    StyleWriter styles;
    styles.slot(background, kBackgroundCode);
    styles.store(e, true);
    if (!e.isMember("attr"))
        e["attr"] = Json::Value();

    // The adopted content lives in the viewport, out of reach of the shared child writer. Written
    // first, it is the first container again when the view is rebuilt, and is adopted again.
    auto* control = dynamic_cast<IKIVQWidgetBase*>(content.data());
    if (kivIsSerializeChild() && control && content->parentWidget() != m_view) {
        Json::Value children(Json::arrayValue);
        Json::Value element(Json::objectValue);
        control->serializeJsonValue(&element, false);
        children.append(element);
        for (const Json::Value& child : json::member(e, "child"))
            children.append(child);
        e["child"] = children;
    }
    return true;
}

} // namespace KIVQtLib
