#include "KIVQScrollViewImpl.h"

#include "KIVQScrollView.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

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

void KIVQScrollViewImpl::serializeJson(ControlJson& io)
{
    Json::Value& e = io.element();

    if (io.isReading()) {
        // Any code of 0 or more names the background; the last one found wins.
        for (const StyleEntry& entry : readStyleEntries(e, io.fromTheme())) {
            if (entry.code >= kBackgroundCode)
                lookupStyle(entry, background);
        }
        m_view->readScrollBarBlocks(e, ScrollBarBlockMatch::AtLeastNineContaining);
        m_view->viewport()->update();
        return;
    }

    io.styles({{kBackgroundCode, &background}}, ControlJson::EmptyStyles::WriteNull);
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
}

} // namespace KIVQtLib
