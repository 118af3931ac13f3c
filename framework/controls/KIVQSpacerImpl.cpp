#include "KIVQSpacerImpl.h"

#include "core/ControlJson.h"
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

void KIVQSpacerImpl::serializeJson(ControlJson& io)
{
    Json::Value& e = io.element();
    if (!io.isReading()) {
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
        return;
    }
    // Absent keys keep their values; a null "attr", as a default spacer is written, holds both as 0.
    if (!io.hasAttr())
        return;
    int value = 0;
    if (json::read(io.attrObject(), "direction", value))
        setDirection(value);
    if (json::read(io.attrObject(), "thickness", value))
        setThickness(value);
}

} // namespace KIVQtLib
