#pragma once

#include "core/IKIVQWidgetBase.h"
#include "core/layout/KIVQContainer.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

// A fixed width or height: the Qt limits for the widget and, for a framework control, the fixed policy
// that makes its container honour them.
inline void fixWidgetWidth(QWidget* widget, int width)
{
    widget->setMinimumWidth(width);
    widget->setMaximumWidth(width);
    if (auto* control = dynamic_cast<KIVQtLib::IKIVQWidgetBase*>(widget))
        control->setWidthPolicy(KIVQtLib::PolicyFixed);
}

// The width a fixed-width control was built with: a longer translated text may widen it, never narrow it.
constexpr const char* kBaseWidthProperty = "carevixBaseWidth";

// Fixes the widget at the larger of its built width and `needed`; true when its width changed.
inline bool fitWidgetWidth(QWidget* widget, int needed)
{
    const int base = widget->property(kBaseWidthProperty).toInt();
    if (base <= 0)
        return false;
    const int width = std::max(base, needed);
    if (widget->minimumWidth() == width && widget->maximumWidth() == width)
        return false;
    fixWidgetWidth(widget, width);
    return true;
}

inline void fixWidgetHeight(QWidget* widget, int height)
{
    widget->setMinimumHeight(height);
    widget->setMaximumHeight(height);
    if (auto* control = dynamic_cast<KIVQtLib::IKIVQWidgetBase*>(widget))
        control->setHeightPolicy(KIVQtLib::PolicyFixed);
}

inline void addToContainer(QWidget* parent, QWidget* child, int ratio)
{
    if (auto* container = qobject_cast<KIVQtLib::KIVQContainer*>(parent))
        container->addChildWidget(child, ratio);
}
