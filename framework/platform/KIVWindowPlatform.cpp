#include "KIVWindowPlatform.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace KIVQtLib::platform {

namespace {

struct Bands
{
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
};

// One band rule for presses and hover cursors, so that the cursor always promises what a press does.
Bands bandsAt(const QSize& size, const QPoint& pos, int border)
{
    Bands b;
    b.left = pos.x() < border;
    b.right = pos.x() > size.width() - border;
    b.top = pos.y() < border;
    b.bottom = pos.y() > size.height() - border;
    return b;
}

} // namespace

int resizeEdgeAt(const QSize& size, const QPoint& pos, int border)
{
    const Bands b = bandsAt(size, pos, border);
    if (b.bottom && b.right)
        return EdgeBottomRight;
    if (b.top && b.left)
        return EdgeTopLeft;
    if (b.bottom && b.left)
        return EdgeBottomLeft;
    if (b.top && b.right)
        return EdgeTopRight;
    if (b.left)
        return EdgeLeft;
    if (b.right)
        return EdgeRight;
    if (b.top)
        return EdgeTop;
    if (b.bottom)
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

} // namespace KIVQtLib::platform
