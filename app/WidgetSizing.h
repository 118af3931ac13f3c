#pragma once

#include "core/IKIVQWidgetBase.h"
#include "core/layout/KIVQContainer.h"

#include <QWidget>

// A fixed width or height: the Qt limits for the widget and, for a framework control, the fixed policy
// that makes its container honour them.
inline void fixWidgetWidth(QWidget* widget, int width)
{
    widget->setMinimumWidth(width);
    widget->setMaximumWidth(width);
    if (auto* control = dynamic_cast<KIVQtLib::IKIVQWidgetBase*>(widget))
        control->setWidthPolicy(KIVQtLib::PolicyFixed);
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
