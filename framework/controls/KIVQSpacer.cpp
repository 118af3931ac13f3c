#include "KIVQSpacer.h"

#include "core/JsonRead.h"
#include "core/KIVQContainer.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

int validDirection(int value)
{
    return (value >= KIVQSpacer::Auto && value <= KIVQSpacer::Vertical) ? int(value) : int(KIVQSpacer::Auto);
}

void relayoutParent(QWidget* spacer)
{
    if (auto* container = qobject_cast<KIVQContainer*>(spacer->parentWidget()))
        container->forceResize();
}

} // namespace

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
        direction = validDirection(value);
    if (json::read(attr, "thickness", value))
        thickness = qMax(value, 0);
    return ok;
}

KIVQSpacer::KIVQSpacer(QWidget* parent) : QWidget(parent)
{
    m_impl.reset(new KIVQSpacerImpl(this, QString::fromLatin1(typeName())));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setMinimumSize(0, 0);
    m_impl->applyTheme();
}

KIVQSpacer::~KIVQSpacer() = default;

KIVQ_CONTROL_DEFINE(KIVQSpacer)

KIVQSpacerImpl* KIVQSpacer::impl() const
{
    return static_cast<KIVQSpacerImpl*>(m_impl.get());
}

ControlInfo KIVQSpacer::getProps()
{
    using namespace props;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQSpacer", "Spacer", "Elastic spacer", "container");
    info.properties.push_back(integer<KIVQSpacer>(
        QStringLiteral("Direction"), [](KIVQSpacer* s, int v) { s->setDirection(Direction(v)); },
        [](KIVQSpacer* s) { return int(s->getDirection()); },
        QStringList{QStringLiteral("Auto"), QStringLiteral("Horizontal"), QStringLiteral("Vertical")}));
    info.properties.push_back(
        integer<KIVQSpacer>(QStringLiteral("Thickness"), &KIVQSpacer::setThickness, &KIVQSpacer::getThickness));
    return info;
}

KIVQSpacer::Direction KIVQSpacer::getDirection() const
{
    return Direction(impl()->direction);
}

void KIVQSpacer::setDirection(Direction direction)
{
    impl()->direction = validDirection(direction);
    relayoutParent(this);
}

int KIVQSpacer::getThickness() const
{
    return impl()->thickness;
}

void KIVQSpacer::setThickness(int thickness)
{
    impl()->thickness = qMax(thickness, 0);
    relayoutParent(this);
}

void KIVQSpacer::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

} // namespace KIVQtLib
