#pragma once

#include "JsonAttr.h"
#include "StateStyles.h"

#include <initializer_list>
#include <optional>
#include <variant>

namespace KIVQtLib {

// One of a control's "style" slots: a code and the style (or the four per-state styles) it fills.
// A per-state slot takes the run of four codes that starts at its code.
class KIVQTLIB_EXPORT StyleSlot
{
public:
    StyleSlot(int code, FillStyle* fill) : m_code(code), m_target(fill) {}
    StyleSlot(int code, TextStyleDesc* text) : m_code(code), m_target(text) {}
    StyleSlot(int code, StateStyles<FillStyle>* fills) : m_code(code), m_target(fills) {}
    StyleSlot(int code, StateStyles<TextStyleDesc>* texts) : m_code(code), m_target(texts) {}

    // Whether the entry's code belongs to this slot (then the named style, when the store has it, is set).
    bool apply(const StyleEntry& entry) const;
    void write(StyleWriter& writer) const;

private:
    int m_code;
    std::variant<FillStyle*, TextStyleDesc*, StateStyles<FillStyle>*, StateStyles<TextStyleDesc>*> m_target;
};

// What a control's JSON worker is handed: the element to read or write (a theme entry when the
// element redirected to one), the direction, whether a theme entry is being applied, and symmetric
// calls for the "style" slots and the "attr" keys. The shared part has already run and accepted.
class KIVQTLIB_EXPORT ControlJson
{
public:
    using EmptyStyles = KIVQtLib::EmptyStyles;

    ControlJson(Json::Value& element, bool read, bool fromTheme);
    // Reading, with the element's "attr" member already found (null when it has none).
    ControlJson(Json::Value& element, const Json::Value* attr, bool fromTheme);
    ~ControlJson();
    Q_DISABLE_COPY(ControlJson)

    Json::Value& element() { return m_element; }
    bool isReading() const { return m_read; }
    // A theme entry styles a control; what the program owns (captions, icons, orientation) stays.
    bool fromTheme() const { return m_fromTheme; }
    bool hasAttr() const;
    // The element's "attr" member, or null.
    const Json::Value& attrObject() const;

    // Reading applies each entry to the first slot that takes its code; writing emits the named
    // styles in slot order.
    void styles(std::initializer_list<StyleSlot> styleSlots, EmptyStyles empty = EmptyStyles::Omit);

    // Before the first attr call: absent keys keep their values rather than resetting to defaults.
    void keepAbsentKeys() { m_absent = AttrIO::AbsentKeys::Keep; }
    // When reading, whether the key was present and used; see AttrIO for the rules.
    template <class T, class D> bool attr(const char* key, T& value, const D& def)
    {
        return attrs().io(key, value, T(def));
    }
    bool attrBool(const char* key, bool& value, bool def) { return attrs().ioBool(key, value, def); }
    bool attrColor(const char* key, QColor& value, const QColor& def) { return attrs().ioColor(key, value, def); }
    AttrIO& attrs();

private:
    Json::Value& m_element;
    bool m_read;
    bool m_fromTheme;
    AttrIO::AbsentKeys m_absent = AttrIO::AbsentKeys::Reset;
    const Json::Value* m_attrValue = nullptr; // reading: the element's "attr", found once
    std::optional<AttrIO> m_attr;
};

} // namespace KIVQtLib
