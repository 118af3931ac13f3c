#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QList>
#include <QRect>

#include <functional>

class QPainter;
class QPoint;
class QWidget;

namespace KIVQtLib {

class KIVQContainer;

// A container of controls used as a template: one hidden container is laid out at a cell's size and its
// controls are painted into that cell, for every cell it serves. The same walk finds the control under
// a point, so painting and clicking agree on where each control is.
class KIVQTLIB_EXPORT KIVQCellControls
{
public:
    // The container, then its children in child order each followed by its own descendants; a child that
    // is no control is skipped with its whole subtree.
    static QList<QWidget*> collect(KIVQContainer* container);

    // Where a collected control lands when the container fills the cell.
    static QRect controlRect(const QWidget* control, const KIVQContainer* container, const QRect& cell);

    // The controls painted into the cell (the painter is clipped to it); the one under the global cursor
    // position, mapped through the view's viewport, is painted hot. False when there was nothing to paint.
    static bool paint(QPainter* painter, KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                      const QPoint& globalCursor);

    // What a view may change in the painting. Unset members keep the plain routine.
    struct Hooks
    {
        // Whether a collected control is painted; by default those shown in the container.
        std::function<bool(QWidget* control)> paints;
        // Around each painted control, with where it lands in the cell.
        std::function<void(QWidget* control, const QRect& rect)> before;
        std::function<void(QWidget* control, const QRect& rect)> after;
    };
    static bool paint(QPainter* painter, KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                      const QPoint& globalCursor, const Hooks& hooks);

    // The first control after the container whose cell rectangle holds the global position, or null.
    static QWidget* controlAt(KIVQContainer* container, const QRect& cell, const QWidget* viewport,
                              const QPoint& globalPos);

    // The global cursor position. Every painted cell wants it, and asking the window system is a round
    // trip on some platforms: while a PaintCursor lives (a view's paint event) it is asked once.
    static QPoint cursorPos();
    class KIVQTLIB_EXPORT PaintCursor
    {
    public:
        PaintCursor();
        ~PaintCursor();
        Q_DISABLE_COPY(PaintCursor)
    };

private:
    static QRect globalRect(const QWidget* viewport, const QRect& rect);
    static void fit(KIVQContainer* container, const QRect& cell);
};

} // namespace KIVQtLib
