#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

// What frameless windows need of the window system: edge bands, the press rule, system move and
// resize, and the maximised area. The rules are pure functions of sizes, points and widgets, so they
// can be checked without a native window.
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
int resizeEdgeAt(const QSize& size, const QPoint& pos, int border);
Qt::Edges resizeEdgeToQtEdges(int edge);
Qt::CursorShape resizeEdgeCursor(int edge);

// Hand a move or resize to the window manager. False where it offers none (no window manager, the
// offscreen platform, a child widget); the caller then moves or resizes by the mouse itself.
bool startSystemMove(QWidget* window);
bool startSystemResize(QWidget* window, int edge);

// The area a maximised frameless window fills: its screen's available geometry (the work area).
QRect maximizedGeometry(const QWidget* window);
// Puts a maximised frameless window onto that area when the window manager left it elsewhere.
void fitMaximized(QWidget* window);
QSize primaryScreenSize();

// Moves and sizes the native window behind handle to geometry, in its parent window's coordinates: a
// window of this program through Qt, which then knows where it is, or another's where the window system
// lets Qt reach it. False when the handle names no window that can be reached.
bool moveNativeWindow(quintptr handle, const QRect& geometry);

} // namespace KIVQtLib::platform
