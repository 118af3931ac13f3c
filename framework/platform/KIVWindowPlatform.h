#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QByteArray;
class QWidget;

// What frameless windows need of the window system: edge bands, the caption test, system move and
// resize, the maximised area and the native messages. The rules are pure functions of sizes, points
// and widgets, so they can be checked without a native window.
namespace KIVQtLib::platform {

// The edge or corner a press grabbed; the values are the ones a window keeps.
enum ResizeEdge
{
    EdgeNone = -1,
    EdgeLeft = 0,
    EdgeRight = 1,
    EdgeTop = 2,
    EdgeBottom = 3,
    EdgeBottomRight = 4,
    EdgeTopRight = 5,
    EdgeTopLeft = 6,
    EdgeBottomLeft = 7
};

// The edge band under pos (window coordinates) of a window of the given size: left x < border,
// right x > width - border, likewise top and bottom; corners win over edges.
KIVQTLIB_EXPORT int resizeEdgeAt(const QSize& size, const QPoint& pos, int border);
KIVQTLIB_EXPORT Qt::Edges resizeEdgeToQtEdges(int edge);
KIVQTLIB_EXPORT Qt::CursorShape resizeEdgeCursor(int edge);

// A framework control that keeps its presses for itself: any but a container or a label.
KIVQTLIB_EXPORT bool isPressKeepingControl(QWidget* widget);
// Client area for the caption test: the interactive Qt widget kinds and press-keeping controls.
KIVQTLIB_EXPORT bool isClientAreaWidget(QWidget* widget);

enum FrameHit
{
    HitOutside,
    HitClient,
    HitCaption,
    HitLeft,
    HitRight,
    HitTop,
    HitBottom,
    HitTopLeft,
    HitTopRight,
    HitBottomLeft,
    HitBottomRight
};

struct KIVQTLIB_EXPORT FrameHitParams
{
    QSize size; // the window's size; points are in its coordinates
    int borderWidth = 4;
    bool resizeable = false;
    bool maximised = false; // maximised or full screen: no edges
    bool canDrag = true;
    bool onlyDragCaption = false;
    int captionHeight = 40;
};

// Non-client hit test of a frameless window. widgetAtPoint is the widget under pos (or null); the walk
// up its parents stops at window.
KIVQTLIB_EXPORT FrameHit frameHitTest(const FrameHitParams& params, const QPoint& pos, QWidget* widgetAtPoint,
                                      const QWidget* window);

// Hand a move or resize to the window manager. False where it offers none (no window manager, the
// offscreen platform, a child widget); the caller then moves or resizes by the mouse itself.
KIVQTLIB_EXPORT bool startSystemMove(QWidget* window);
KIVQTLIB_EXPORT bool startSystemResize(QWidget* window, int edge);

// The area a maximised frameless window fills: its screen's available geometry (the work area).
KIVQTLIB_EXPORT QRect maximizedGeometry(const QWidget* window);
// Puts a maximised frameless window onto that area when the window manager left it elsewhere.
KIVQTLIB_EXPORT void fitMaximized(QWidget* window);
KIVQTLIB_EXPORT QSize primaryScreenSize();

struct KIVQTLIB_EXPORT FramelessNativeState
{
    FrameHitParams hit;
    QSize minSize;
};

// Windows: the non-client messages of a frameless window (hit test, frame size and paint, maximised
// area). Elsewhere no native event is read and the result is false, leaving it to the base class.
KIVQTLIB_EXPORT bool handleFramelessNativeEvent(QWidget* window, const FramelessNativeState& state,
                                                const QByteArray& eventType, void* message, long* result);

} // namespace KIVQtLib::platform
