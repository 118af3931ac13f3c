#include "ControlJson.h"

#include "JsonRead.h"

#include <json/json.h>

namespace KIVQtLib {

bool StyleSlot::apply(const StyleEntry& entry) const
{
    return std::visit(
        [&](auto* target) {
            using T = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<T, FillStyle> || std::is_same_v<T, TextStyleDesc>)
                return applySlotEntry(*target, m_code, entry);
            else
                return applyStateEntry(*target, m_code, entry);
        },
        m_target);
}

void StyleSlot::write(StyleWriter& writer) const
{
    std::visit(
        [&](auto* target) {
            using T = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<T, FillStyle> || std::is_same_v<T, TextStyleDesc>)
                writer.slot(*target, m_code);
            else
                writer.states(*target, m_code);
        },
        m_target);
}

ControlJson::ControlJson(Json::Value& element, bool read, bool fromTheme)
    : m_element(element), m_read(read), m_fromTheme(fromTheme),
      m_attrValue(read ? json::find(element, "attr") : nullptr)
{
}

ControlJson::ControlJson(Json::Value& element, const Json::Value* attr, bool fromTheme)
    : m_element(element), m_read(true), m_fromTheme(fromTheme), m_attrValue(attr)
{
}

ControlJson::~ControlJson() = default;

bool ControlJson::hasAttr() const
{
    return m_read ? m_attrValue != nullptr : jsonHasMember(m_element, "attr");
}

const Json::Value& ControlJson::attrObject() const
{
    if (!m_read)
        return json::member(m_element, "attr");
    static const Json::Value null;
    return m_attrValue ? *m_attrValue : null;
}

AttrIO& ControlJson::attrs()
{
    if (!m_attr) {
        if (m_read)
            m_attr.emplace(m_element, m_attrValue, m_absent, m_fromTheme);
        else
            m_attr.emplace(m_element, false, m_absent, m_fromTheme);
    }
    return *m_attr;
}

void ControlJson::styles(std::initializer_list<StyleSlot> styleSlots, EmptyStyles empty)
{
    if (m_read) {
        for (const StyleEntry& entry : readStyleEntries(m_element, m_fromTheme)) {
            for (const StyleSlot& slot : styleSlots) {
                if (slot.apply(entry))
                    break;
            }
        }
        return;
    }
    StyleWriter writer;
    for (const StyleSlot& slot : styleSlots)
        slot.write(writer);
    writer.store(m_element, empty);
}

} // namespace KIVQtLib
