#include "KIVQContainer.h"

#include "KIVQChildLayout.h"
#include "KIVQContainerImpl.h"
#include "platform/KIVWindowPlatform.h"

#include <QScrollBar>

#include <QChildEvent>
#include <QIcon>
#include <QWheelEvent>

namespace KIVQtLib {

KIVQContainer::KIVQContainer(QWidget* parent) : KIVQControlBase(parent)
{
    setMouseTracking(true);
    attachImpl();
}

KIVQContainer::KIVQContainer(QWidget* parent, KIVQContainerImpl* impl) : KIVQControlBase(parent)
{
    setMouseTracking(true);
    attachImpl(impl);
}

KIVQContainer::KIVQContainer(QWidget* parent, const QString& typeName) : KIVQControlBase(parent)
{
    setMouseTracking(true);
    // Made here rather than by the caller: the implementation needs a constructed widget.
    attachImpl(new KIVQContainerImpl(this, typeName));
}

KIVQContainer::~KIVQContainer()
{
    // Going with its children: each child would otherwise mark its own area of the window for repaint
    // as it is destroyed, and the container's own area covers them all.
    setUpdatesEnabled(false);
    // Here rather than in the template: events sent while the Impl goes away still reach event() below.
    releaseImpl();
}

ControlInfo KIVQContainer::getProps()
{
    using namespace props;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQContainer", "Container", "Control container", "container");
    auto& rows = info.properties;
    rows.push_back(fill<KIVQContainer>(QStringLiteral("Background"), &KIVQContainer::setBackgroundState,
                                       &KIVQContainer::getBackgroundState, 2));
    rows.push_back(onOff<KIVQContainer>(QStringLiteral("DrawBackground"), &KIVQContainer::setDrawBackground,
                                        &KIVQContainer::getDrawBackground));
    rows.push_back(onOff<KIVQContainer>(QStringLiteral("AbsoluteDockAutoSize"), &KIVQContainer::setAbsoluteDockAutoSize,
                                        &KIVQContainer::getAbsoluteDockAutoSize));
    rows.push_back(integer<KIVQContainer>(
        QStringLiteral("ChildLayout"), [](KIVQContainer* c, int v) { c->setChildLayout(AutoChildLayout(v)); },
        [](KIVQContainer* c) { return int(c->getChildLayout()); },
        QStringList{QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("HorFloat"),
                    QStringLiteral("VerFloat"), QStringLiteral("No Use")}));
    rows.push_back(quad<KIVQContainer>(
        QStringLiteral("ChildPadding"),
        [](KIVQContainer* c, int l, int t, int r, int b) { c->setChildPadding(l, t, r, b); },
        [](KIVQContainer* c, int& l, int& t, int& r, int& b) { c->getChildPadding(l, t, r, b); }));
    return info;
}

void KIVQContainer::addChildWidget(QWidget* child, int ratio)
{
    if (!child)
        return;
    if (child->parentWidget() != this)
        child->setParent(this);
    if (impl()->hasBoundBar() && !impl()->isBoundBar(child))
        child->installEventFilter(this);
    setChildRatio(child, ratio);
}

void KIVQContainer::setChildRatio(QWidget* child, int ratio)
{
    if (!child)
        return;
    auto* control = dynamic_cast<IKIVQWidgetBase*>(child);
    if (control)
        control->setLayoutRatio(ratio);
    // A control of this container has just laid it out through its ratio.
    if (!control || child->parentWidget() != this)
        forceResize();
}

void KIVQContainer::forceResize()
{
    impl()->relayout();
}

void KIVQContainer::setChildLayout(AutoChildLayout mode)
{
    impl()->childLayout = mode;
    forceResize();
}

KIVQContainer::AutoChildLayout KIVQContainer::getChildLayout() const
{
    return AutoChildLayout(impl()->childLayout);
}

void KIVQContainer::setChildPadding(int all)
{
    setChildPadding(all, all, all, all);
}

void KIVQContainer::setChildPadding(int left, int top, int right, int bottom)
{
    KIVQContainerImpl* d = impl();
    d->paddingLeft = left;
    d->paddingTop = top;
    d->paddingRight = right;
    d->paddingBottom = bottom;
    forceResize();
}

void KIVQContainer::getChildPadding(int& left, int& top, int& right, int& bottom) const
{
    const KIVQContainerImpl* d = impl();
    left = d->paddingLeft;
    top = d->paddingTop;
    right = d->paddingRight;
    bottom = d->paddingBottom;
}

void KIVQContainer::setChildSpace(int space)
{
    impl()->space = space;
    forceResize();
}

int KIVQContainer::getChildSpace() const
{
    return impl()->space;
}

void KIVQContainer::setAbsoluteDockAutoSize(bool on)
{
    if (impl()->absoluteDockAutoSize == on)
        return;
    impl()->absoluteDockAutoSize = on;
    forceResize();
    if (auto* parent = qobject_cast<KIVQContainer*>(parentWidget()))
        parent->forceResize();
}

bool KIVQContainer::getAbsoluteDockAutoSize() const
{
    return impl()->absoluteDockAutoSize;
}

void KIVQContainer::setBackground(const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQContainer::getBackground() const
{
    return impl()->background;
}

void KIVQContainer::setDisableBackground(const FillStyle& fill)
{
    impl()->disableBackground = fill;
    update();
}

const FillStyle& KIVQContainer::getDisableBackground() const
{
    return impl()->disableBackground;
}

void KIVQContainer::setBackgroundState(CtrlState state, const FillStyle& fill)
{
    if (state == CtrlNormal)
        setBackground(fill);
    else
        setDisableBackground(fill);
}

const FillStyle& KIVQContainer::getBackgroundState(CtrlState state) const
{
    return state == CtrlNormal ? impl()->background : impl()->disableBackground;
}

void KIVQContainer::setDrawBackground(bool on)
{
    impl()->drawBackground = on;
    update();
}

bool KIVQContainer::getDrawBackground() const
{
    return impl()->drawBackground;
}

void KIVQContainer::setColor(const QColor& colour)
{
    impl()->background.colourFill = true;
    impl()->background.res.colour = colour;
    update();
}

void KIVQContainer::setUseFillStyle(bool colourFill)
{
    impl()->background.colourFill = colourFill;
}

bool KIVQContainer::getUseFillStyle() const
{
    return impl()->background.colourFill;
}

void KIVQContainer::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQContainer::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQContainer::bindScrollBar(QScrollBar* bar, bool horizontal)
{
    KIVQContainerImpl* d = impl();
    QPointer<QScrollBar>& slot = horizontal ? d->horizontalScrollBar : d->verticalScrollBar;
    if (bar != slot.data()) {
        const bool firstBar = !d->hasBoundBar();
        if (QScrollBar* old = slot.data()) {
            old->setProperty(kBoundScrollBarProperty, false);
            old->hide();
            old->removeEventFilter(this);
            disconnect(old, nullptr, this, nullptr);
        }
        slot = bar;
        if (bar) {
            // A bar moves over from another container: that one lets go of it first.
            if (auto* other = qobject_cast<KIVQContainer*>(bar->parentWidget()); other && other != this) {
                if (other->getBindScrollBar(true) == bar)
                    other->bindScrollBar(nullptr, true);
                if (other->getBindScrollBar(false) == bar)
                    other->bindScrollBar(nullptr, false);
            }
            bar->setProperty(kBoundScrollBarProperty, true);
            // The container makes and places its bars itself; a saved page must not carry them.
            KIVQWidgetBaseImpl::markInternalChild(bar);
            if (bar->parentWidget() != this)
                bar->setParent(this);
            bar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
            bar->installEventFilter(this);
            connect(bar, &QScrollBar::valueChanged, this, [this, horizontal](int value) {
                KIVQContainerImpl* d = impl();
                if (!d || d->applyingScroll)
                    return;
                (horizontal ? d->scrollX : d->scrollY) = value;
                d->applyScrollOffset();
            });
            if (firstBar)
                d->trackChildren();
        } else {
            (horizontal ? d->scrollX : d->scrollY) = 0;
        }
    }
    d->updateScrollBars();
}

QScrollBar* KIVQContainer::getBindScrollBar(bool horizontal) const
{
    return horizontal ? impl()->horizontalScrollBar.data() : impl()->verticalScrollBar.data();
}

void KIVQContainer::setScrollPos(bool horizontal, int pos)
{
    KIVQContainerImpl* d = impl();
    if (QScrollBar* bar = getBindScrollBar(horizontal)) {
        bar->setValue(qBound(bar->minimum(), pos, bar->maximum()));
        return;
    }
    (horizontal ? d->scrollX : d->scrollY) = qMax(pos, 0);
    d->applyScrollOffset();
}

int KIVQContainer::getScrollPos(bool horizontal) const
{
    return horizontal ? impl()->scrollX : impl()->scrollY;
}

QRect KIVQContainer::childBaseGeometry(QWidget* child) const
{
    if (!child)
        return QRect();
    KIVQContainerImpl* d = impl();
    if (d->hasBoundBar()) {
        const QVariant v = child->property(kBaseGeometryProperty);
        if (v.userType() == QMetaType::QRect)
            return v.toRect();
    }
    return KIVQChildLayout::shifted(child->geometry(), d->scrollX, d->scrollY);
}

void KIVQContainer::bindWindowHandle(void* handle)
{
    impl()->windowHandle = handle;
}

void KIVQContainer::unbindWindowHandle()
{
    impl()->windowHandle = nullptr;
}

void* KIVQContainer::getWindowHandle() const
{
    return impl()->windowHandle;
}

bool KIVQContainer::startResizeAnimation(const QSize& from, const QSize& to, int durationMs)
{
    return impl()->startResizeAnimation(from, to, durationMs);
}

bool KIVQContainer::isResizeAnimationRunning() const
{
    return impl()->animationRunning;
}

QWidget* KIVQContainer::createWidget(QWidget* parent)
{
    return new KIVQContainer(parent);
}

QString KIVQContainer::name() const
{
    return QStringLiteral("KIVQContainer");
}

QString KIVQContainer::group() const
{
    return QString();
}

QString KIVQContainer::includeFile() const
{
    return QStringLiteral("KIVQContainer.h");
}

QString KIVQContainer::domXml() const
{
    return QStringLiteral("<widget class=\"KIVQContainer\" name=\"container\">\n</widget>\n");
}

QIcon KIVQContainer::icon() const
{
    return QIcon();
}

bool KIVQContainer::isContainer() const
{
    return false;
}

void KIVQContainer::initialize(QDesignerFormEditorInterface*)
{
    m_initialized = true;
}

bool KIVQContainer::isInitialized() const
{
    return m_initialized;
}

// ---- events ----

bool KIVQContainer::event(QEvent* event)
{
    if (KIVQContainerImpl* d = impl()) {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child && child->isWidgetType()) {
                if (d->hasBoundBar() && !d->isBoundBar(child))
                    child->installEventFilter(this);
                d->scheduleRelayout();
            }
        } else if (event->type() == QEvent::ChildRemoved) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child && child->isWidgetType())
                child->removeEventFilter(this);
            d->updateScrollBars();
        }
    }
    return QWidget::event(event);
}

bool KIVQContainer::eventFilter(QObject* watched, QEvent* event)
{
    KIVQContainerImpl* d = impl();
    if (!d || d->layingOut || d->applyingScroll || !d->hasBoundBar())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::LayoutRequest:
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->parentWidget() != this)
        return QWidget::eventFilter(watched, event);
    auto* child = static_cast<QWidget*>(watched);
    // The child moved or resized itself: its new place is the unscrolled one from now on.
    if (!d->isBoundBar(child))
        child->setProperty(kBaseGeometryProperty, KIVQChildLayout::shifted(child->geometry(), d->scrollX, d->scrollY));
    d->updateScrollBars();
    return false;
}

void KIVQContainer::resizeEvent(QResizeEvent* event)
{
    KIVQContainerImpl* d = impl();
    d->relayout();
    // The bound window is a child of the top-level one, which places it in the outermost widget's coordinates.
    if (d->windowHandle) {
        QWidget* outermost = this;
        while (outermost->parentWidget())
            outermost = outermost->parentWidget();
        platform::moveNativeWindow(reinterpret_cast<quintptr>(d->windowHandle),
                                   QRect(mapTo(outermost, QPoint(0, 0)), size()));
    }
    QWidget::resizeEvent(event);
}

void KIVQContainer::wheelEvent(QWheelEvent* event)
{
    QScrollBar* bar = impl()->verticalScrollBar.data();
    if (bar && !bar->isHidden() && bar->maximum() > 0) {
        const qint64 step = qMax(bar->singleStep(), 24);
        const qint64 value = bar->value() + (event->angleDelta().y() > 0 ? -step : step);
        bar->setValue(int(qBound<qint64>(bar->minimum(), value, bar->maximum())));
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}

// The release is the container's click and goes no further up.
void KIVQContainer::mouseReleaseEvent(QMouseEvent*)
{
    Q_EMIT mouseClickEvent();
}

} // namespace KIVQtLib
