#include "KIVWindowPlatform.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace KIVQtLib::platform {

// One rule for presses and hover cursors, so that the cursor always promises what a press does.
int resizeEdgeAt(const QSize& size, const QPoint& pos, int border)
{
    const bool left = pos.x() < border;
    const bool right = pos.x() > size.width() - border;
    const bool top = pos.y() < border;
    const bool bottom = pos.y() > size.height() - border;
    if (bottom && right)
        return EdgeBottomRight;
    if (top && left)
        return EdgeTopLeft;
    if (bottom && left)
        return EdgeBottomLeft;
    if (top && right)
        return EdgeTopRight;
    if (left)
        return EdgeLeft;
    if (right)
        return EdgeRight;
    if (top)
        return EdgeTop;
    if (bottom)
        return EdgeBottom;
    return EdgeNone;
}

Qt::Edges resizeEdgeToQtEdges(int edge)
{
    switch (edge) {
    case EdgeLeft:
        return Qt::LeftEdge;
    case EdgeRight:
        return Qt::RightEdge;
    case EdgeTop:
        return Qt::TopEdge;
    case EdgeBottom:
        return Qt::BottomEdge;
    case EdgeBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case EdgeTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case EdgeTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case EdgeBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    default:
        return Qt::Edges();
    }
}

Qt::CursorShape resizeEdgeCursor(int edge)
{
    switch (edge) {
    case EdgeTopLeft:
    case EdgeBottomRight:
        return Qt::SizeFDiagCursor;
    case EdgeBottomLeft:
    case EdgeTopRight:
        return Qt::SizeBDiagCursor;
    case EdgeLeft:
    case EdgeRight:
        return Qt::SizeHorCursor;
    case EdgeTop:
    case EdgeBottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool startSystemMove(QWidget* window)
{
    if (!window || !window->isWindow())
        return false;
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

bool startSystemResize(QWidget* window, int edge)
{
    const Qt::Edges edges = resizeEdgeToQtEdges(edge);
    if (!window || !window->isWindow() || !edges)
        return false;
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemResize(edges);
}

QRect maximizedGeometry(const QWidget* window)
{
    QScreen* screen = nullptr;
    if (window && window->windowHandle())
        screen = window->windowHandle()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void fitMaximized(QWidget* window)
{
    if (!window || !window->isWindow() || !(window->windowFlags() & Qt::FramelessWindowHint))
        return;
    // Later than the state change itself: the window manager's own placement arrives after it.
    QPointer<QWidget> guard(window);
    QTimer::singleShot(0, window, [guard] {
        if (!guard || !guard->isMaximized())
            return;
        const QRect area = maximizedGeometry(guard);
        if (area.isValid() && guard->geometry() != area)
            guard->setGeometry(area);
    });
}

QSize primaryScreenSize()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

bool moveNativeWindow(quintptr handle, const QRect& geometry)
{
    if (!handle)
        return false;
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow* window : windows) {
        // Only a created window has an id; asking one that is not would create it.
        if (window->handle() && window->winId() == handle) {
            window->setGeometry(geometry);
            return true;
        }
    }
    // A stand-in for the move only: deleting it leaves the foreign window itself alone.
    const std::unique_ptr<QWindow> foreign(QWindow::fromWinId(WId(handle)));
    if (!foreign)
        return false;
    foreign->setGeometry(geometry);
    return true;
}

} // namespace KIVQtLib::platform
