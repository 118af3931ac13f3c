#pragma once

#include "StyleTypes.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class QWidget;

namespace KIVQtLib {

// One editable designer row. The accessors take the widget they act on: a descriptor is made once per
// type, and the designer points `target` at the instance it edits. Each accessor checks that the target
// is of the class it was made for, so a row bound to the wrong widget does nothing.
struct KIVQTLIB_EXPORT PropertyDef
{
    enum Kind
    {
        ObjectName = 0,
        Text = 1,
        ReadOnlyText = 2,
        OnOff = 3,
        Separator = 4,
        Fill = 5,
        TextStyle = 6,
        ImageName = 9,
        Integer = 10,
        IntPair = 11,
        IntQuad = 12,
        Choice = 13,
        Colour = 14
    };

    QString name;
    int kind = 0;
    std::function<void(QWidget*, const QString&)> textSetter;
    std::function<QString(QWidget*)> textGetter;
    std::function<void(QWidget*, bool)> boolSetter;
    std::function<bool(QWidget*)> boolGetter;
    std::function<void(QWidget*, CtrlState, const FillStyle&)> fillSetter;
    std::function<FillStyle(QWidget*, CtrlState)> fillGetter;
    std::function<void(QWidget*, CtrlState, const TextStyleDesc&)> textStyleSetter;
    std::function<TextStyleDesc(QWidget*, CtrlState)> textStyleGetter;
    std::function<void(QWidget*, const QColor&)> colourSetter;
    std::function<QColor(QWidget*)> colourGetter;
    std::function<int(QWidget*)> intGetter;
    std::function<void(QWidget*, int)> intSetter;
    std::function<void(QWidget*, int&, int&)> pairGetter;
    std::function<void(QWidget*, int, int)> pairSetter;
    std::function<void(QWidget*, int&, int&, int&, int&)> quadGetter;
    std::function<void(QWidget*, int, int, int, int)> quadSetter;
    QWidget* target = nullptr;
    QStringList options;     // choice texts, or the state names of a per-state style row
    QList<int> optionValues; // the value of each option (the CtrlState of a state name)
    bool flag = false;
    QString valueText;
    int maximum = 10000;
    int minimum = -10000;
    bool enabled = true;
};

struct KIVQTLIB_EXPORT ControlInfo
{
    bool valid = true;
    std::string typeName;
    std::string className;
    std::string group;
    std::string description;
    std::string icon;
    std::vector<PropertyDef> properties;
};

namespace props {

template <class T> T* as(QWidget* w)
{
    if constexpr (std::is_base_of_v<QWidget, T>)
        return qobject_cast<T*>(w);
    else
        return dynamic_cast<T*>(w);
}

inline PropertyDef row(const QString& name, int kind)
{
    PropertyDef d;
    d.name = name;
    d.kind = kind;
    return d;
}

// Kinds 0, 1, 2 and 9. Pass nullptr as setter for a read-only row.
template <class T, class Set, class Get> PropertyDef text(const QString& name, int kind, Set set, Get get)
{
    PropertyDef d = row(name, kind);
    if constexpr (!std::is_null_pointer_v<Set>)
        d.textSetter = [set](QWidget* w, const QString& v) {
            if (T* t = as<T>(w))
                std::invoke(set, t, v);
        };
    d.textGetter = [get](QWidget* w) {
        T* t = as<T>(w);
        return t ? QString(std::invoke(get, t)) : QString();
    };
    return d;
}

template <class T, class Set, class Get> PropertyDef onOff(const QString& name, Set set, Get get)
{
    PropertyDef d = row(name, PropertyDef::OnOff);
    d.boolSetter = [set](QWidget* w, bool v) {
        if (T* t = as<T>(w))
            std::invoke(set, t, v);
    };
    d.boolGetter = [get](QWidget* w) {
        T* t = as<T>(w);
        return t ? bool(std::invoke(get, t)) : false;
    };
    return d;
}

// Kinds 10 and 13; a choice row gets its option texts, valued 0, 1, 2, ...
template <class T, class Set, class Get>
PropertyDef integer(const QString& name, Set set, Get get, const QStringList& choices = {})
{
    PropertyDef d = row(name, choices.isEmpty() ? PropertyDef::Integer : PropertyDef::Choice);
    d.intSetter = [set](QWidget* w, int v) {
        if (T* t = as<T>(w))
            std::invoke(set, t, v);
    };
    d.intGetter = [get](QWidget* w) {
        T* t = as<T>(w);
        return t ? int(std::invoke(get, t)) : 0;
    };
    d.options = choices;
    for (int i = 0; i < choices.size(); ++i)
        d.optionValues << i;
    return d;
}

template <class T, class Set, class Get> PropertyDef pair(const QString& name, Set set, Get get)
{
    PropertyDef d = row(name, PropertyDef::IntPair);
    d.pairSetter = [set](QWidget* w, int a, int b) {
        if (T* t = as<T>(w))
            std::invoke(set, t, a, b);
    };
    d.pairGetter = [get](QWidget* w, int& a, int& b) {
        if (T* t = as<T>(w))
            std::invoke(get, t, a, b);
    };
    return d;
}

template <class T, class Set, class Get> PropertyDef quad(const QString& name, Set set, Get get)
{
    PropertyDef d = row(name, PropertyDef::IntQuad);
    d.quadSetter = [set](QWidget* w, int a, int b, int c, int e) {
        if (T* t = as<T>(w))
            std::invoke(set, t, a, b, c, e);
    };
    d.quadGetter = [get](QWidget* w, int& a, int& b, int& c, int& e) {
        if (T* t = as<T>(w))
            std::invoke(get, t, a, b, c, e);
    };
    return d;
}

template <class T, class Set, class Get> PropertyDef colour(const QString& name, Set set, Get get)
{
    PropertyDef d = row(name, PropertyDef::Colour);
    d.colourSetter = [set](QWidget* w, const QColor& v) {
        if (T* t = as<T>(w))
            std::invoke(set, t, v);
    };
    d.colourGetter = [get](QWidget* w) {
        T* t = as<T>(w);
        return t ? QColor(std::invoke(get, t)) : QColor();
    };
    return d;
}

// State names offered by per-state style rows: all four states, or normal and disabled only.
KIVQTLIB_EXPORT void setStateOptions(PropertyDef& d, bool fourStates);

// Kind 5. The accessors take a state; pass states = 0 for a style without states.
template <class T, class Set, class Get> PropertyDef fill(const QString& name, Set set, Get get, int states = 4)
{
    PropertyDef d = row(name, PropertyDef::Fill);
    d.fillSetter = [set](QWidget* w, CtrlState s, const FillStyle& v) {
        if (T* t = as<T>(w))
            std::invoke(set, t, s, v);
    };
    d.fillGetter = [get](QWidget* w, CtrlState s) {
        T* t = as<T>(w);
        return t ? FillStyle(std::invoke(get, t, s)) : FillStyle();
    };
    if (states)
        setStateOptions(d, states == 4);
    return d;
}

// Kind 6, as fill().
template <class T, class Set, class Get> PropertyDef textStyle(const QString& name, Set set, Get get, int states = 4)
{
    PropertyDef d = row(name, PropertyDef::TextStyle);
    d.textStyleSetter = [set](QWidget* w, CtrlState s, const TextStyleDesc& v) {
        if (T* t = as<T>(w))
            std::invoke(set, t, s, v);
    };
    d.textStyleGetter = [get](QWidget* w, CtrlState s) {
        T* t = as<T>(w);
        return t ? TextStyleDesc(std::invoke(get, t, s)) : TextStyleDesc();
    };
    if (states)
        setStateOptions(d, states == 4);
    return d;
}

} // namespace props
} // namespace KIVQtLib
