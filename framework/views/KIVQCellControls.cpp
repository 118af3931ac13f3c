#include "KIVQCellControls.h"

#include "core/IKIVQWidgetBase.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/layout/KIVQContainer.h"

#include <QCursor>
#include <QPainter>
#include <QWidget>

namespace KIVQtLib {

namespace {

int paintCursorDepth = 0;
QPoint paintCursor;

KIVQWidgetBaseImpl* controlImpl(QWidget* w)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(w);
    return control ? control->getControlImpl() : nullptr;
}

void collectChildren(QWidget* parent, QList<QWidget*>& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || !dynamic_cast<IKIVQWidgetBase*>(w))
            continue;
        out.append(w);
        collectChildren(w, out);
    }
}

} // namespace

QList<QWidget*> KIVQCellControls::collect(KIVQContainer* container)
{
    QList<QWidget*> controls;
    if (!container)
        return controls;
    controls.append(container);
    collectChildren(container, controls);
    return controls;
}

KIVQCellControls::PaintCursor::PaintCursor()
{
    if (paintCursorDepth++ == 0)
        paintCursor = QCursor::pos();
}

KIVQCellControls::PaintCursor::~PaintCursor()
{
    --paintCursorDepth;
}

QPoint KIVQCellControls::cursorPos()
{
    return paintCursorDepth > 0 ? paintCursor : QCursor::pos();
}

QRect KIVQCellControls::controlRect(const QWidget* control, const KIVQContainer* container, const QRect& cell)
{
    QPoint pos;
    for (const QWidget* w = control; w && w != container; w = w->parentWidget())
        pos += w->pos();
    return QRect(pos + cell.topLeft(), control->size());
}

QRect KIVQCellControls::globalRect(const QWidget* viewport, const QRect& rect)
{
    return viewport ? QRect(viewport->mapToGlobal(rect.topLeft()), rect.size()) : rect;
}

void KIVQCellControls::fit(KIVQContainer* container, const QRect& cell)
{
    // The template serves every cell: it takes this cell's size before anything is measured in it.
    if (container->size() != cell.size())
        container->resize(cell.size());
    container->forceResize();
}

bool KIVQCellControls::paint(QPainter* painter, KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                             const QPoint& globalCursor)
{
    return paint(painter, container, cell, viewport, globalCursor, Hooks());
}

bool KIVQCellControls::paint(QPainter* painter, KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                             const QPoint& globalCursor, const Hooks& hooks)
{
    const QList<QWidget*> controls = collect(container);
    if (controls.isEmpty())
        return false;
    painter->save();
    painter->setClipRect(cell, Qt::IntersectClip);
    fit(container, cell);
    if (KIVQWidgetBaseImpl* impl = controlImpl(container))
        impl->paint(painter, cell);
    for (int i = 1; i < controls.size(); ++i) {
        QWidget* control = controls.at(i);
        KIVQWidgetBaseImpl* impl = controlImpl(control);
        if (!impl || !(hooks.paints ? hooks.paints(control) : control->isVisibleTo(container)))
            continue;
        const QRect rect = controlRect(control, container, cell);
        if (hooks.before)
            hooks.before(control, rect);
        if (globalRect(viewport, rect).contains(globalCursor)) {
            impl->setState(CtrlHover);
            impl->paint(painter, rect);
            impl->setState(CtrlNormal);
        } else {
            impl->paint(painter, rect);
        }
        if (hooks.after)
            hooks.after(control, rect);
    }
    painter->restore();
    return true;
}

QWidget* KIVQCellControls::controlAt(KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                                     const QPoint& globalPos)
{
    const QList<QWidget*> controls = collect(container);
    if (controls.size() < 2)
        return nullptr;
    fit(container, cell);
    for (int i = 1; i < controls.size(); ++i) {
        QWidget* w = controls.at(i);
        if (w->isVisibleTo(container) && globalRect(viewport, controlRect(w, container, cell)).contains(globalPos))
            return w;
    }
    return nullptr;
}

} // namespace KIVQtLib
