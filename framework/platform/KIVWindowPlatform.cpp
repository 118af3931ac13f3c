#include "KIVWindowPlatform.h"

#include "core/IKIVQWidgetBase.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtMath>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>
#endif

namespace KIVQtLib::platform {

namespace {

struct Bands
{
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
};

// One band rule for presses, hover cursors and the native hit test, so that the cursor always
// promises what a press does.
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

bool isPressKeepingControl(QWidget* widget)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    if (!control)
        return false;
    const QString type = control->getTypeName();
    return type != QLatin1String("qtcontainer") && type != QLatin1String("qtlabel");
}

bool isClientAreaWidget(QWidget* widget)
{
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
           qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) || qobject_cast<QTabBar*>(widget) ||
           isPressKeepingControl(widget);
}

FrameHit frameHitTest(const FrameHitParams& params, const QPoint& pos, QWidget* widgetAtPoint, const QWidget* window)
{
    if (!QRect(QPoint(0, 0), params.size).contains(pos))
        return HitOutside;
    if (params.resizeable && !params.maximised) {
        const Bands b = bandsAt(params.size, pos, params.borderWidth);
        if (b.top && b.left)
            return HitTopLeft;
        if (b.top && b.right)
            return HitTopRight;
        if (b.bottom && b.left)
            return HitBottomLeft;
        if (b.bottom && b.right)
            return HitBottomRight;
        if (b.left)
            return HitLeft;
        if (b.right)
            return HitRight;
        if (b.top)
            return HitTop;
        if (b.bottom)
            return HitBottom;
    }
    if (!params.canDrag || (params.onlyDragCaption && pos.y() > params.captionHeight))
        return HitClient;
    for (QWidget* w = widgetAtPoint; w && w != window; w = w->parentWidget()) {
        if (isClientAreaWidget(w))
            return HitClient;
    }
    return HitCaption;
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

#ifdef Q_OS_WIN

namespace {

LRESULT nativeHitCode(FrameHit hit)
{
    switch (hit) {
    case HitCaption:
        return HTCAPTION;
    case HitLeft:
        return HTLEFT;
    case HitRight:
        return HTRIGHT;
    case HitTop:
        return HTTOP;
    case HitBottom:
        return HTBOTTOM;
    case HitTopLeft:
        return HTTOPLEFT;
    case HitTopRight:
        return HTTOPRIGHT;
    case HitBottomLeft:
        return HTBOTTOMLEFT;
    case HitBottomRight:
        return HTBOTTOMRIGHT;
    default:
        return HTCLIENT;
    }
}

bool fillMinMaxInfo(QWidget* window, HWND hwnd, MINMAXINFO* info, const QSize& minSize)
{
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi;
    ZeroMemory(&mi, sizeof(mi));
    mi.cbSize = sizeof(MONITORINFO);
    if (!monitor || !GetMonitorInfoA(monitor, &mi))
        return false;
    const RECT& work = mi.rcWork;
    const RECT& area = mi.rcMonitor;
    info->ptMaxPosition.x = work.left - area.left;
    info->ptMaxPosition.y = work.top - area.top;
    info->ptMaxSize.x = work.right - work.left;
    info->ptMaxSize.y = work.bottom - work.top;
    if (IsZoomed(hwnd))
        info->ptMaxTrackSize = info->ptMaxSize;
    const qreal dpr = window->devicePixelRatioF();
    info->ptMinTrackSize.x = qRound(minSize.width() * dpr);
    info->ptMinTrackSize.y = qRound(minSize.height() * dpr);
    return true;
}

bool hitTestMessage(QWidget* window, const MSG* msg, const FrameHitParams& base, long* result)
{
    HWND hwnd = msg->hwnd;
    // Without these styles the system offers no edge resizing, snapping or minimise animation.
    const LONG_PTR wanted = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    if ((style & wanted) != wanted) {
        SetWindowLongPtrA(hwnd, GWL_STYLE, style | wanted);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RECT frame;
    if (!GetWindowRect(hwnd, &frame))
        return false;
    // Message points are device pixels; the window works in device-independent ones.
    const qreal dpr = window->devicePixelRatioF();
    const QPoint local(qFloor((GET_X_LPARAM(msg->lParam) - frame.left) / dpr),
                       qFloor((GET_Y_LPARAM(msg->lParam) - frame.top) / dpr));
    FrameHitParams params = base;
    params.size = window->size();
    params.maximised = window->isMaximized() || window->isFullScreen();
    QWidget* under = QApplication::widgetAt(window->mapToGlobal(local));
    const FrameHit hit = frameHitTest(params, local, under, window);
    if (hit == HitOutside || hit == HitClient)
        return false;
    *result = long(nativeHitCode(hit));
    return true;
}

} // namespace

bool handleFramelessNativeEvent(QWidget* window, const FramelessNativeState& state, const QByteArray& eventType,
                                void* message, long* result)
{
    if (!window || !message || !result || !(window->windowFlags() & Qt::FramelessWindowHint))
        return false;
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    switch (msg->message) {
    case WM_NCPAINT:
        *result = 0;
        return true;
    case WM_NCACTIVATE:
        *result = 1;
        return true;
    case WM_NCCALCSIZE:
        *result = 0; // the client area covers the whole window
        return true;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(msg->lParam);
        if (!msg->hwnd || !info || !fillMinMaxInfo(window, msg->hwnd, info, state.minSize))
            return false;
        *result = 0;
        return true;
    }
    case WM_NCHITTEST:
        return msg->hwnd && hitTestMessage(window, msg, state.hit, result);
    default:
        return false;
    }
}

#else

bool handleFramelessNativeEvent(QWidget*, const FramelessNativeState&, const QByteArray&, void*, long*)
{
    return false;
}

#endif

} // namespace KIVQtLib::platform
