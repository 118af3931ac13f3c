#include "ControlWalk.h"

#include "IKIVQWidgetBase.h"
#include "KIVQWidgetBase.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

namespace KIVQtLib {

void kivForEachDescendantControl(QWidget* root, const std::function<void(IKIVQWidgetBase*)>& visit)
{
    if (!root)
        return;
    QVector<QPointer<QObject>> children;
    for (QObject* child : root->children())
        children << child;
    for (const QPointer<QObject>& child : children) {
        auto* w = qobject_cast<QWidget*>(child.data());
        if (!w)
            continue;
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(w))
            visit(control);
        if (child)
            kivForEachDescendantControl(w, visit);
    }
}

void kivResizeChildControls(QWidget* root)
{
    const QObjectList children = root->children();
    for (QObject* child : children) {
        auto* control = dynamic_cast<IKIVQWidgetBase*>(child);
        if (KIVQWidgetBase* base = control ? control->getControlBase() : nullptr)
            base->resizeWidget();
    }
}

void kivRefreshTheme(IKIVQWidgetBase* control)
{
    if (KIVQWidgetBase* base = control ? control->getControlBase() : nullptr)
        base->refreshTheme();
}

} // namespace KIVQtLib
