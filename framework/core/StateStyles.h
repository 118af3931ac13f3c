#pragma once

#include "StyleTypes.h"

#include <QString>
#include <QVector>

#include <array>
#include <memory>

namespace KIVQtLib {

// The state rule of every per-state accessor: setters take 0..3, or kAllStates for all four, and
// ignore anything else; getters clamp, so a stray state never reads outside the four slots.
inline bool isSingleState(int state)
{
    return state >= 0 && state < kStateCount;
}
inline int clampState(int state)
{
    return state < 0 ? 0 : (state >= kStateCount ? kStateCount - 1 : state);
}

// One style per CtrlState.
template <class Style> class StateStyles
{
public:
    StateStyles() = default;

    // Returns whether the state was one the rule accepts.
    bool set(int state, const Style& style)
    {
        if (state == kAllStates) {
            m_styles.fill(style);
            return true;
        }
        if (!isSingleState(state))
            return false;
        m_styles[size_t(state)] = style;
        return true;
    }
    const Style& get(int state) const { return m_styles[size_t(clampState(state))]; }
    Style& at(int state) { return m_styles[size_t(clampState(state))]; }
    const Style& operator[](int state) const { return get(state); }

private:
    std::array<Style, kStateCount> m_styles{};
};

// The well-formed entries of element["style"] in array order; malformed ones are skipped.
KIVQTLIB_EXPORT QVector<StyleEntry> readStyleEntries(const Json::Value& element);
// The same for an element that may be a theme entry, which is read once per loaded theme: every control
// of a type applies the entry named after it. Const, as the entries are shared with that cache and a loop
// over a modifiable copy would copy them.
KIVQTLIB_EXPORT const QVector<StyleEntry> readStyleEntries(const Json::Value& element, bool fromTheme);

// A named style from the store the resource manager uses now. On success the style is replaced
// (for the fill names "empty" and "emptyRect" only its name and draw flag); a name the store lacks
// changes nothing.
KIVQTLIB_EXPORT bool lookupStyle(const QString& name, FillStyle& style);
KIVQTLIB_EXPORT bool lookupStyle(const QString& name, TextStyleDesc& style);

// A reference to a style the store lacks: the slot keeps its look and takes the name and kind, so that
// a save writes the reference back as it was read; a setter that replaces the style replaces it too.
template <class Style> void keepStyleReference(const StyleEntry& entry, Style& style)
{
    if (entry.name.isEmpty()) // names nothing: the slot keeps the name it has
        return;
    style.name = entry.name;
    if (entry.kind == 1 || entry.kind == 2)
        style.isText = entry.kind == 2;
}

// The same kept by each state of a run.
template <class Style> void keepStyleReference(const StyleEntry& entry, StateStyles<Style>& styles)
{
    for (int s = 0; s < kStateCount; ++s)
        keepStyleReference(entry, styles.at(s));
}

// The entry's style from the store, or, when the store lacks it, the reference kept in the slot.
// Returns whether the store had it.
template <class Style> bool lookupStyle(const StyleEntry& entry, Style& style)
{
    if (lookupStyle(entry.name, style))
        return true;
    keepStyleReference(entry, style);
    return false;
}

// A single-slot style: applied when the entry's code is the slot's. Returns whether it was.
template <class Style> bool applySlotEntry(Style& slot, int code, const StyleEntry& entry)
{
    if (entry.code != code)
        return false;
    lookupStyle(entry, slot);
    return true;
}

// A run of four codes starting at baseCode, in CtrlState order. The first code sets all four states,
// the others one state each, so later entries override single states. Returns whether the entry's
// code belongs to the run.
template <class Style> bool applyStateEntry(StateStyles<Style>& styles, int baseCode, const StyleEntry& entry)
{
    // Not every reader bounds its codes: one below the run is never subtracted from.
    if (entry.code < baseCode)
        return false;
    const int state = entry.code - baseCode;
    if (!isSingleState(state))
        return false;
    // Looked up in place, as a name the store lacks leaves the slot's look; the normal state's style
    // then fills all four, or, when the store lacks it, its name goes to all four over their own looks.
    Style& slot = styles.at(state);
    const bool found = lookupStyle(entry, slot);
    if (state == 0 && found)
        styles.set(kAllStates, slot);
    else if (state == 0)
        keepStyleReference(entry, styles);
    return true;
}

// How a "style" array without entries is stored: left out, as null, or as an empty array.
enum class EmptyStyles
{
    Omit,
    WriteNull,
    WriteEmptyArray
};

// Collects the entries of a "style" array. Only named styles are written; the kind is 2 for a text
// style and 1 for a fill.
class KIVQTLIB_EXPORT StyleWriter
{
public:
    StyleWriter();
    ~StyleWriter();
    Q_DISABLE_COPY(StyleWriter)

    void slot(const FillStyle& style, int code);
    void slot(const TextStyleDesc& style, int code);

    // One entry with the base code when every named state has state 0's name and state 0 is named, else
    // one entry per named state. Only names are written, and a name reads back the same under either
    // form, so two states of one name count as agreeing whatever their looks.
    template <class Style> void states(const StateStyles<Style>& styles, int baseCode)
    {
        const Style& first = styles.get(0);
        bool agree = !first.name.isEmpty();
        for (int s = 1; agree && s < kStateCount; ++s)
            agree = styles.get(s).name.isEmpty() || styles.get(s).name == first.name;
        if (agree) {
            slot(first, baseCode);
            return;
        }
        for (int s = 0; s < kStateCount; ++s)
            slot(styles.get(s), baseCode + s);
    }

    bool isEmpty() const;
    // Stores the array as element["style"]; an empty one as the mode says.
    void store(Json::Value& element, EmptyStyles empty) const;
    // Always, as null when it is empty, or only when it has entries.
    void store(Json::Value& element, bool evenWhenEmpty) const
    {
        store(element, evenWhenEmpty ? EmptyStyles::WriteNull : EmptyStyles::Omit);
    }

private:
    void append(const QString& name, bool isText, int code);

    std::unique_ptr<Json::Value> m_entries;
};

} // namespace KIVQtLib
