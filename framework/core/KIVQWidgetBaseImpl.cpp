#include "KIVQWidgetBaseImpl.h"

#include "ControlJson.h"
#include "IKIVQWidgetBase.h"
#include "JsonRead.h"
#include "KIVQtLib.h"
#include "Limits.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QPainter>
#include <QVariant>
#include <QWidget>

#include <type_traits>

namespace KIVQtLib {

namespace {

const char kInternalChildProperty[] = "kivInternalChild";

AttrValue attrFromJson(const Json::Value& v)
{
    AttrValue a;
    switch (v.type()) {
    case Json::booleanValue:
        a.value = v.asBool();
        break;
    case Json::stringValue:
        a.value = QString::fromStdString(v.asString());
        break;
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
        if (v.isInt())
            a.value = qint32(v.asInt());
        else if (v.isUInt())
            a.value = quint32(v.asUInt());
        else
            a.value = v.asDouble();
        break;
    case Json::arrayValue:
        if (!v.empty() && v[0].isString()) {
            QStringList list;
            for (const Json::Value& item : v) {
                QString s;
                json::toString(item, s); // a non-string later entry becomes an empty string
                list << s;
            }
            a.value = list;
        } else {
            a.value = false;
        }
        break;
    default:
        a.value = false; // null and objects: outside the format, kept as an off flag
        break;
    }
    return a;
}

Json::Value attrToJson(const AttrValue& a)
{
    return std::visit(
        [](const auto& v) -> Json::Value {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return Json::Value(v);
            else if constexpr (std::is_same_v<T, QString>)
                return Json::Value(json::toUtf8(v));
            else if constexpr (std::is_same_v<T, QStringList>) {
                Json::Value arr(Json::arrayValue);
                for (const QString& s : v)
                    arr.append(json::toUtf8(s));
                return arr;
            } else if constexpr (std::is_same_v<T, quint32>)
                return Json::Value(Json::UInt(v));
            else if constexpr (std::is_same_v<T, quint64>)
                return Json::Value(Json::UInt64(v));
            else if constexpr (std::is_same_v<T, qint64>)
                return Json::Value(Json::Int64(v));
            else if constexpr (std::is_floating_point_v<T>)
                return Json::Value(double(v));
            else
                return Json::Value(int(v));
        },
        a.value);
}

} // namespace

KIVQWidgetBaseImpl::KIVQWidgetBaseImpl(QWidget* owner, const QString& typeName)
    : m_typeName(typeName), m_themeName(typeName), m_owner(owner)
{
    if (m_owner)
        m_owner->setProperty("impl", QVariant::fromValue<void*>(this));
}

KIVQWidgetBaseImpl::~KIVQWidgetBaseImpl()
{
    // The control outlives this object by its QWidget destructor; leave no dangling "impl" behind.
    if (m_owner)
        m_owner->setProperty("impl", QVariant());
}

void KIVQWidgetBaseImpl::setState(CtrlState state)
{
    m_state = state;
    if (m_owner)
        m_owner->repaint();
}

void KIVQWidgetBaseImpl::paintEvent()
{
    if (!m_owner)
        return;
    followEnabled();
    QPainter painter(m_owner);
    paint(&painter, QRect(0, 0, m_owner->width(), m_owner->height()));
}

void KIVQWidgetBaseImpl::paint(QPainter*, const QRect&) {}

void KIVQWidgetBaseImpl::followEnabled()
{
    if (!m_owner->isEnabled())
        m_state = CtrlDisabled;
    else if (m_state == CtrlDisabled)
        m_state = CtrlNormal;
}

void KIVQWidgetBaseImpl::onMousePress(QMouseEvent*)
{
    setState(CtrlPressed);
}

void KIVQWidgetBaseImpl::onMouseRelease(QMouseEvent*)
{
    setState(m_hover ? CtrlHover : CtrlNormal);
}

void KIVQWidgetBaseImpl::onMouseEnter()
{
    m_hover = true;
    setState(CtrlHover);
}

void KIVQWidgetBaseImpl::onMouseLeave()
{
    m_hover = false;
    setState(m_owner && !m_owner->isEnabled() ? CtrlDisabled : CtrlNormal);
}

bool KIVQWidgetBaseImpl::serializeJsonValue(Json::Value** json, bool read)
{
    return serializeShared(json, read, nullptr);
}

bool KIVQWidgetBaseImpl::serializeShared(Json::Value** json, bool read, const Json::Value** attrOut)
{
    if (!json || !*json || (!read && !json::canHoldMembers(**json)))
        return false;
    Json::Value& e = **json;
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();

    if (read) {
        const Json::Value* found = json::find(e, "attr");
        if (attrOut)
            *attrOut = found;
        std::string theme;
        const bool named = json::read(e, "theme", theme);
        // The entry a page names is the author's choice and is written back; one that a theme entry
        // names is not the control's.
        if (named && !theme.empty() && !rm->isLoadFromThemeRes())
            m_themeName = QString::fromStdString(theme);
        if (!found)
            return true;
        const Json::Value& attr = *found;
        if (attr.isObject()) {
            int kept = 0;
            for (auto it = attr.begin(); it != attr.end() && kept < limits::kMaxElementEntries; ++it, ++kept)
                m_attributes[it.name()] = attrFromJson(*it);
            // A theme entry is read by each control it styles: said once for it.
            static const Json::Value* reported = nullptr;
            if (attr.size() > Json::ArrayIndex(kept) && reported != &attr) {
                reported = &attr;
                qCWarning(lcKivJson, "An element with %u attributes: only the first %d are kept", attr.size(),
                          kept);
            }
        }
        if (named && !rm->isDesigner()) {
            if (Json::Value* entry = rm->getThemeJsonValue(theme.c_str())) {
                *json = entry;
                if (attrOut)
                    *attrOut = json::find(*entry, "attr");
            }
        }
        return true;
    }

    if (!m_attributes.empty()) {
        Json::Value attr(Json::objectValue);
        for (const auto& [key, value] : m_attributes) {
            attr[key] = attrToJson(value);
        }
        e["attr"] = attr;
    }
    if (!m_themeName.isEmpty())
        e["theme"] = json::toUtf8(m_themeName);

    if (kivIsSerializeChild() && m_owner) {
        Json::Value children(Json::arrayValue);
        for (QObject* child : m_owner->children()) {
            auto* control = dynamic_cast<IKIVQWidgetBase*>(child);
            if (!control || isInternalChild(child))
                continue;
            Json::Value element(Json::objectValue);
            control->serializeJsonValue(&element, false);
            children.append(element);
        }
        if (!children.empty())
            e["child"] = children;
    }
    return true;
}

bool KIVQWidgetBaseImpl::serialize(Json::Value* json, bool read)
{
    Json::Value* element = json;
    const Json::Value* attr = nullptr;
    if (!serializeShared(&element, read, &attr))
        return false;
    const bool fromTheme = element != json || KIVQResourceManager::getInstance()->isLoadFromThemeRes();
    ThemeResScope scope(fromTheme);
    // When reading, the "attr" the shared part found is the worker's too: each element's is looked up once.
    ControlJson io = read ? ControlJson(*element, attr, fromTheme) : ControlJson(*element, false, fromTheme);
    serializeJson(io);
    return true;
}

void KIVQWidgetBaseImpl::serializeJson(ControlJson&) {}

void KIVQWidgetBaseImpl::applyTheme()
{
    if (kivIsInDesigner() || m_themeName.isEmpty() || !m_owner)
        return;
    Json::Value* entry = KIVQResourceManager::getInstance()->themeEntry(m_themeName);
    if (!entry)
        return;
    if (IKIVQWidgetBase* control = m_control ? m_control : dynamic_cast<IKIVQWidgetBase*>(m_owner)) {
        ThemeResScope scope(true);
        control->serializeJsonValue(entry, true);
    }
    m_owner->update();
}

QColor KIVQWidgetBaseImpl::colorFromHex(const std::string& hex)
{
    return json::hexToColor(hex, false);
}

void KIVQWidgetBaseImpl::markInternalChild(QWidget* child)
{
    if (child)
        child->setProperty(kInternalChildProperty, true);
}

bool KIVQWidgetBaseImpl::isInternalChild(const QObject* child)
{
    return child && child->property(kInternalChildProperty).toBool();
}

} // namespace KIVQtLib
