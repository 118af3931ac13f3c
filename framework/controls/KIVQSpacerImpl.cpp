#include "KIVQSpacerImpl.h"

#include "core/JsonRead.h"

#include <json/json.h>

namespace KIVQtLib {

void KIVQSpacerImpl::setDirection(int value)
{
    direction = (value >= KIVQSpacer::Auto && value <= KIVQSpacer::Vertical) ? value : int(KIVQSpacer::Auto);
}

void KIVQSpacerImpl::setThickness(int value)
{
    thickness = qMax(value, 0);
}

bool KIVQSpacerImpl::serializeJsonValue(Json::Value** json, bool read)
{
    const bool ok = KIVQWidgetBaseImpl::serializeJsonValue(json, read);
    if (!json || !*json)
        return ok;
    Json::Value& e = **json;
    if (!read) {
        // The spacer always writes "attr", null when it holds nothing. Its own keys are dropped first:
        // the shared part copied back whatever was read last.
        Json::Value& attr = e["attr"];
        if (attr.isObject()) {
            attr.removeMember("direction");
            attr.removeMember("thickness");
            if (attr.empty())
                attr = Json::Value();
        }
        if (direction != KIVQSpacer::Auto)
            attr["direction"] = direction;
        if (thickness != 0)
            attr["thickness"] = thickness;
        return ok;
    }
    // Absent keys keep their values; a null "attr", as a default spacer is written, holds both as 0.
    if (!jsonHasMember(e, "attr"))
        return ok;
    const Json::Value& attr = json::member(e, "attr");
    int value = 0;
    if (json::read(attr, "direction", value))
        setDirection(value);
    if (json::read(attr, "thickness", value))
        setThickness(value);
    return ok;
}

} // namespace KIVQtLib
