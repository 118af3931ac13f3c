#include "KIVQWindowImpl.h"

#include "KIVQMDIArea.h"
#include "core/ControlWalk.h"
#include "core/IKIVQWidgetBase.h"
#include "core/layout/KIVQContainer.h"
#include "platform/KIVWindowPlatform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace KIVQtLib {

namespace {

// The window whose press is in progress. A pointer rather than a bare flag, so that a press whose
// release never arrives (window hidden, grab taken over, release delivered elsewhere) can be told
// apart from a live one; otherwise no framework window would drag again.
QPointer<KIVQWindowImpl>& pressHolder()
{
    static QPointer<KIVQWindowImpl> holder;
    return holder;
}

// A framework control keeps its presses for itself, except a container or a label: a window is
// dragged by its empty areas and its captions.
bool isPressKeepingControl(QWidget* widget)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    if (!control)
        return false;
    const QString type = control->getTypeName();
    return type != QLatin1String(KIVQContainer::typeName()) && type != QLatin1String("qtlabel");
}

} // namespace

KIVQWindowImpl::KIVQWindowImpl(QWidget* owner, Kind kind)
    : KIVQWidgetBaseImpl(owner, QString::fromLatin1(typeNameOf(kind))), m_kind(kind)
{
    if (m_kind == Window && m_owner)
        m_eventLoop = new QEventLoop(m_owner);
}

KIVQWindowImpl::~KIVQWindowImpl()
{
    if (pressHolder() == this)
        endPress();
    // A window deleted from inside its own modal loop: the loop object must outlive its exec().
    if (m_eventLoop && m_eventLoop->isRunning()) {
        m_eventLoop->exit(0);
        m_eventLoop->setParent(nullptr);
        m_eventLoop->deleteLater();
    }
}

void KIVQWindowImpl::setResizeable(bool on)
{
    m_resizeable = on;
    if (m_owner)
        m_owner->setMouseTracking(on);
}

void KIVQWindowImpl::setBackgroundImage(const QString& name, const ImageDesc& desc)
{
    m_backgroundImageDesc = desc;
    m_backgroundImage = name;
}

void KIVQWindowImpl::setTransparent(bool on)
{
    if (!on) {
        m_owner->setAttribute(Qt::WA_TranslucentBackground, false);
        return;
    }
    // The attribute first: a native window made afterwards gets an alpha channel.
    m_owner->setAttribute(Qt::WA_TranslucentBackground, true);
    if (m_owner->windowFlags() & Qt::FramelessWindowHint)
        return;
    const bool wasVisible = m_owner->isVisible();
    m_owner->setWindowFlags(m_owner->windowFlags() | Qt::FramelessWindowHint);
    if (wasVisible) // changing the flags hides the window
        m_owner->show();
}

void KIVQWindowImpl::setX(int x)
{
    QRect g = m_owner->geometry();
    g.setLeft(x);
    m_owner->setGeometry(g);
}

void KIVQWindowImpl::setY(int y)
{
    QRect g = m_owner->geometry();
    g.setTop(y);
    m_owner->setGeometry(g);
}

void KIVQWindowImpl::centerWindow()
{
    const QSize screen = platform::primaryScreenSize();
    if (!screen.isValid())
        return;
    m_owner->move((screen.width() - m_owner->width()) / 2, (screen.height() - m_owner->height()) / 2);
}

QWidget* KIVQWindowImpl::hitTest(QWidget* root, int x, int y) const
{
    if (!root || !root->isVisible() || !m_owner)
        return nullptr;
    const QObjectList& children = root->children();
    for (int i = children.size() - 1; i >= 0; --i) {
        QWidget* child = qobject_cast<QWidget*>(children.at(i));
        if (!child || child->isWindow()) // dialogs and popups are not part of this window's area
            continue;
        if (QWidget* hit = hitTest(child, x, y))
            return hit;
    }
    // Through global coordinates: root need not lie inside the owner.
    const QPoint topLeft = m_owner->mapFromGlobal(root->mapToGlobal(QPoint(0, 0)));
    return QRect(topLeft, root->size()).contains(x, y) ? root : nullptr;
}

void KIVQWindowImpl::setMinWidth(int width)
{
    if (m_kind == SubWindow) {
        m_minWidth = width;
        return;
    }
    m_minWidth = qMax(width, 0);
    m_owner->setMinimumWidth(m_minWidth);
}

void KIVQWindowImpl::setMinHeight(int height)
{
    if (m_kind == SubWindow) {
        m_minHeight = height;
        return;
    }
    m_minHeight = qMax(height, 0);
    m_owner->setMinimumHeight(m_minHeight);
}

void KIVQWindowImpl::setMinSize(int width, int height)
{
    m_minWidth = qMax(width, 0);
    m_minHeight = qMax(height, 0);
    m_owner->setMinimumSize(m_minWidth, m_minHeight);
}

void KIVQWindowImpl::setMDIArea(KIVQMDIArea* area)
{
    m_mdiArea = area;
}

KIVQMDIArea* KIVQWindowImpl::mdiArea() const
{
    return m_mdiArea;
}

void KIVQWindowImpl::doModal()
{
    if (!m_eventLoop || m_eventLoop->isRunning())
        return;
    m_owner->setWindowModality(Qt::ApplicationModal);
    m_owner->show();
    // Nothing of this object is touched after exec(): the window may be gone by then.
    m_eventLoop->exec();
}

void KIVQWindowImpl::closeModal()
{
    exitModalLoop();
}

void KIVQWindowImpl::exitModalLoop()
{
    if (m_eventLoop && m_eventLoop->isRunning())
        m_eventLoop->exit(0);
}

// ---- press state ----

bool KIVQWindowImpl::isWindowPressed()
{
    dropLostPress();
    return !pressHolder().isNull();
}

bool KIVQWindowImpl::pressLost() const
{
    return !m_owner || !m_owner->isVisible() || (m_grabbed && QWidget::mouseGrabber() != m_owner);
}

void KIVQWindowImpl::dropLostPress()
{
    KIVQWindowImpl* holder = pressHolder();
    if (holder && holder->pressLost())
        holder->endPress();
}

void KIVQWindowImpl::endPress()
{
    if (m_resizeEdge != platform::EdgeNone) {
        m_resizeEdge = platform::EdgeNone;
        if (m_owner)
            m_owner->setCursor(Qt::ArrowCursor);
    }
    m_dragging = false;
    if (m_owner)
        m_owner->releaseMouse(); // does nothing unless the owner holds the grab
    m_grabbed = false;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (pressHolder() == this)
        pressHolder().clear();
}

bool KIVQWindowImpl::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application while this window holds a press: a release that reaches any
    // other widget (a popup, a dialog opened by the press) ends the press as the owner's own would.
    if (event->type() == QEvent::MouseButtonRelease && pressHolder() == this) {
        QWidget* receiver = qobject_cast<QWidget*>(watched);
        if (receiver && receiver != m_owner && !m_owner->isAncestorOf(receiver))
            endPress();
    }
    return QObject::eventFilter(watched, event);
}

// ---- mouse ----

void KIVQWindowImpl::mousePress(QMouseEvent* event)
{
    if (isWindowPressed())
        return;
    if (m_kind == SubWindow)
        m_owner->raise();

    const QPoint p = m_owner->mapFromGlobal(event->globalPos());
    const bool maximised = m_owner->isMaximized();
    if (m_resizeable && !maximised) {
        const int edge = platform::resizeEdgeAt(m_owner->size(), p, m_borderWidth);
        if (edge != platform::EdgeNone)
            m_resizeEdge = edge;
    }
    if (m_canDrag && !maximised && event->button() == Qt::LeftButton) {
        QWidget* under = hitTest(m_owner, p.x(), p.y());
        const bool onControl = under != m_owner && isPressKeepingControl(under);
        const bool inCaption = !m_onlyDragCaption || p.y() <= m_captionHeight;
        if (!onControl && inCaption)
            m_dragging = true;
    }

    // Where the window manager can move or resize the window itself, it does; it then owns the
    // pointer and this window sees no release, so no press is held.
    if (m_resizeEdge != platform::EdgeNone) {
        if (platform::startSystemResize(m_owner, m_resizeEdge)) {
            m_resizeEdge = platform::EdgeNone;
            m_dragging = false;
            return;
        }
    } else if (m_dragging && platform::startSystemMove(m_owner)) {
        m_dragging = false;
        return;
    }

    m_pressGlobal = event->globalPos();
    pressHolder() = this;
    m_owner->grabMouse();
    m_grabbed = QWidget::mouseGrabber() == m_owner;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    if (m_kind == Window)
        event->accept();
}

void KIVQWindowImpl::mouseMove(QMouseEvent* event)
{
    dropLostPress();
    const QPoint global = event->globalPos();
    if (m_resizeable && !m_owner->isMaximized()) {
        if (m_resizeEdge == platform::EdgeNone)
            updateHoverCursor(m_owner->mapFromGlobal(global));
        else
            resizeTo(global);
    }
    if (m_resizeEdge == platform::EdgeNone && m_canDrag && m_dragging && event->buttons() != Qt::NoButton) {
        m_owner->move(m_owner->pos() + (global - m_pressGlobal));
        m_pressGlobal = global;
        event->accept();
    }
}

void KIVQWindowImpl::mouseRelease(QMouseEvent*)
{
    endPress();
    // Every release ends the press, whichever window holds it.
    if (KIVQWindowImpl* holder = pressHolder())
        holder->endPress();
}

void KIVQWindowImpl::updateHoverCursor(const QPoint& pos)
{
    const int edge = platform::resizeEdgeAt(m_owner->size(), pos, m_borderWidth);
    if (edge != platform::EdgeNone) {
        m_owner->setCursor(platform::resizeEdgeCursor(edge));
        m_cursorChanged = true;
    } else if (m_cursorChanged && !m_dragging) {
        m_owner->setCursor(Qt::ArrowCursor);
        m_cursorChanged = false;
    }
}

void KIVQWindowImpl::resizeTo(const QPoint& global)
{
    using namespace platform;
    const int e = m_resizeEdge;
    const bool left = e == EdgeLeft || e == EdgeTopLeft || e == EdgeBottomLeft;
    const bool right = e == EdgeRight || e == EdgeTopRight || e == EdgeBottomRight;
    const bool top = e == EdgeTop || e == EdgeTopLeft || e == EdgeTopRight;
    const bool bottom = e == EdgeBottom || e == EdgeBottomLeft || e == EdgeBottomRight;
    const int dx = global.x() - m_pressGlobal.x();
    const int dy = global.y() - m_pressGlobal.y();
    // A sub-window may be given a negative minimum; a widget cannot be narrower than nothing.
    const int minW = qMax(m_minWidth, 0);
    const int minH = qMax(m_minHeight, 0);
    QPoint pos = m_owner->pos();

    // A dimension stopped at its minimum keeps its press point, so the edge resumes only once the
    // mouse is back past where the stop happened.
    if (left || right) {
        const int width = left ? m_owner->width() - dx : m_owner->width() + dx;
        if (width >= minW) {
            m_owner->setFixedWidth(width);
            m_pressGlobal.setX(global.x());
            if (left)
                pos.rx() += dx;
        } else {
            m_owner->setFixedWidth(minW);
        }
    }
    if (top || bottom) {
        const int height = top ? m_owner->height() - dy : m_owner->height() + dy;
        if (height >= minH) {
            m_owner->setFixedHeight(height);
            m_pressGlobal.setY(global.y());
            if (top)
                pos.ry() += dy;
        } else {
            m_owner->setFixedHeight(minH);
        }
    }
    if (pos != m_owner->pos())
        m_owner->move(pos);
}

// ---- other events ----

void KIVQWindowImpl::resizeChildren()
{
    kivResizeChildControls(m_owner);
}

void KIVQWindowImpl::paintBackground()
{
    if (!m_showBackground)
        return;
    QPainter painter(m_owner);
    if (m_useFillColor)
        paintColorFill(&painter, m_backgroundColor, 0, 0, m_owner->width(), m_owner->height());
    else
        paintImageFill(&painter, m_backgroundImage, m_backgroundImageDesc, 0, 0, m_owner->width(), m_owner->height());
}

void KIVQWindowImpl::ownerHidden(QHideEvent* event)
{
    // No release reaches a hidden window.
    if (pressHolder() == this)
        endPress();
    // QDialog's Escape and reject() hide without closing; a modal run must end with them. A
    // spontaneous hide is a minimise, after which the window comes back.
    if (!event->spontaneous())
        exitModalLoop();
}

void KIVQWindowImpl::ownerClosing()
{
    exitModalLoop();
}

} // namespace KIVQtLib
