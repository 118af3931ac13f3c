#include "KIVQContainer.h"

#include "JsonAttr.h"
#include "JsonRead.h"
#include "KIVQChildLayout.h"
#include "KIVQContainerImpl.h"
#include "StateStyles.h"
#include "controls/KIVQScrollBar.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QChildEvent>
#include <QEasingCurve>
#include <QIcon>
#include <QTimer>
#include <QVariantAnimation>
#include <QWheelEvent>

namespace KIVQtLib {

namespace {

FillStyle greyFill()
{
    FillStyle fill;
    fill.res.colour = QColor(128, 128, 128, 255);
    return fill;
}

// Two fills are written once when they would paint alike.
bool sameFill(const FillStyle& a, const FillStyle& b)
{
    if (a.draw != b.draw || a.colourFill != b.colourFill)
        return false;
    if (!a.colourFill)
        return a.image == b.image;
    const FillRes& x = a.res;
    const FillRes& y = b.res;
    return x.colour == y.colour && x.colour2 == y.colour2 && x.borderColour == y.borderColour &&
           x.gradient == y.gradient && x.round == y.round && x.borderSize == y.borderSize && x.spare == y.spare &&
           x.border == y.border && x.leftBorder == y.leftBorder && x.topBorder == y.topBorder &&
           x.rightBorder == y.rightBorder && x.bottomBorder == y.bottomBorder && x.roundTopLeft == y.roundTopLeft &&
           x.roundTopRight == y.roundTopRight && x.roundBottomRight == y.roundBottomRight &&
           x.roundBottomLeft == y.roundBottomLeft;
}

} // namespace

// ---- implementation object ----

KIVQContainerImpl::KIVQContainerImpl(QWidget* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), background(greyFill()), disableBackground(greyFill())
{
}

KIVQContainerImpl::~KIVQContainerImpl() = default;

KIVQContainer* KIVQContainerImpl::container() const
{
    return qobject_cast<KIVQContainer*>(m_owner);
}

void KIVQContainerImpl::paint(QPainter* painter, const QRect& rect)
{
    if (!drawBackground || !m_owner)
        return;
    paintFillStyle(painter, m_owner->isEnabled() ? background : disableBackground, rect);
}

bool KIVQContainerImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e)) {
            FillStyle fill;
            if ((entry.code != 0 && entry.code != 1) || !lookupStyle(entry.name, fill))
                continue;
            if (entry.code == 0)
                background = fill;
            disableBackground = fill;
        }
        if (!jsonHasMember(e, "attr"))
            return true;
    } else {
        StyleWriter styles;
        styles.slot(background, 0);
        if (!sameFill(disableBackground, background))
            styles.slot(disableBackground, 1);
        styles.store(e, false);
    }

    // A key "attr" does not name keeps its value, except the mode: a page that names none arranges nothing.
    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);
    if (read) {
        int mode = KIVQContainer::NoUse;
        if (!attr.io("childLayout", mode, KIVQContainer::NoUse) &&
            KIVQResourceManager::getInstance()->isLoadFromThemeRes())
            mode = childLayout;
        childLayout = (mode >= 0 && mode <= KIVQContainer::VerFloat) ? mode : int(KIVQContainer::NoUse);
    } else {
        attr.writable()["childLayout"] = childLayout;
    }
    attr.io("space", space, 0);
    attr.io("paddingLeft", paddingLeft, 0);
    attr.io("paddingTop", paddingTop, 0);
    attr.io("paddingRight", paddingRight, 0);
    attr.io("paddingBottom", paddingBottom, 0);
    attr.io("absoluteDockAutoSize", absoluteDockAutoSize, false);
    return true;
}

void KIVQContainerImpl::relayout()
{
    if (layingOut) {
        // A child asked for a layout while one runs; run it once this one is done.
        scheduleRelayout();
        return;
    }
    if (childLayout != KIVQContainer::NoUse)
        layoutChildren();
    updateScrollBars();
}

void KIVQContainerImpl::layoutChildren()
{
    KIVQChildLayout(*this).layoutChildren();
}

void KIVQContainerImpl::updateScrollBars()
{
    KIVQChildLayout(*this).updateScrollBars();
}

void KIVQContainerImpl::applyScrollOffset()
{
    KIVQChildLayout(*this).applyScrollOffset();
}

void KIVQContainerImpl::scheduleRelayout()
{
    if (relayoutPending || !m_owner)
        return;
    relayoutPending = true;
    QTimer::singleShot(0, m_owner, [this] {
        relayoutPending = false;
        relayout();
    });
}

bool KIVQContainerImpl::isBoundBar(const QObject* child) const
{
    if (!child)
        return false;
    return child == horizontalScrollBar.data() || child == verticalScrollBar.data() ||
           child->property(kBoundScrollBarProperty).toBool();
}

bool KIVQContainerImpl::startResizeAnimation(const QSize& from, const QSize& to, int durationMs)
{
    if (!m_owner || animationRunning)
        return false;
    const QSize start(qMax(from.width(), 0), qMax(from.height(), 0));
    const QSize end(qMax(to.width(), 0), qMax(to.height(), 0));
    animateWidth = start.width() != end.width();
    animateHeight = start.height() != end.height();
    targetSize = end;
    if ((!animateWidth && !animateHeight) || durationMs <= 0) {
        applyAnimatedSize(end);
        return true;
    }
    if (!resizeAnimation) {
        resizeAnimation = new QVariantAnimation(this);
        connect(resizeAnimation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& value) { applyAnimatedSize(value.toSize()); });
        connect(resizeAnimation, &QVariantAnimation::finished, this, [this] {
            applyAnimatedSize(targetSize);
            animationRunning = false;
        });
    }
    animationRunning = true;
    resizeAnimation->setDuration(durationMs);
    resizeAnimation->setStartValue(start);
    resizeAnimation->setEndValue(end);
    resizeAnimation->setEasingCurve(QEasingCurve::OutCubic);
    applyAnimatedSize(start);
    resizeAnimation->start();
    return true;
}

void KIVQContainerImpl::applyAnimatedSize(const QSize& size)
{
    QWidget* owner = m_owner;
    if (!owner)
        return;
    const int w = qBound(0, size.width(), kWidgetMaxSize);
    const int h = qBound(0, size.height(), kWidgetMaxSize);
    // Fixing the size makes a parent container's layout keep it while the animation runs and after.
    if (animateWidth) {
        owner->setMinimumWidth(w);
        owner->setMaximumWidth(w);
    }
    if (animateHeight) {
        owner->setMinimumHeight(h);
        owner->setMaximumHeight(h);
    }
    owner->resize(animateWidth ? w : owner->width(), animateHeight ? h : owner->height());
    owner->updateGeometry();
    if (auto* parent = qobject_cast<KIVQContainer*>(owner->parentWidget())) {
        parent->forceResize();
    } else if (childLayout != KIVQContainer::NoUse) {
        layoutChildren();
        updateScrollBars();
    }
}

// ---- control ----

KIVQContainer::KIVQContainer(QWidget* parent) : QWidget(parent)
{
    m_impl.reset(new KIVQContainerImpl(this, QString::fromLatin1(typeName())));
    construct();
}

KIVQContainer::KIVQContainer(QWidget* parent, KIVQContainerImpl* impl) : QWidget(parent)
{
    m_impl.reset(impl);
    construct();
}

void KIVQContainer::construct()
{
    setMouseTracking(true);
    m_impl->applyTheme();
}

KIVQContainer::~KIVQContainer()
{
    // Null first, so that events sent while the Impl goes away see no Impl.
    m_impl.reset();
}

KIVQ_CONTROL_DEFINE(KIVQContainer)

KIVQContainerImpl* KIVQContainer::impl() const
{
    return static_cast<KIVQContainerImpl*>(m_impl.get());
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
    if (!impl()->isBoundBar(child))
        child->installEventFilter(this);
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(child))
        control->setLayoutRatio(ratio);
    forceResize();
}

void KIVQContainer::setChildRatio(QWidget* child, int ratio)
{
    if (!child)
        return;
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(child))
        control->setLayoutRatio(ratio);
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

void KIVQContainer::bindScrollBar(KIVQScrollBar* bar, bool horizontal)
{
    KIVQContainerImpl* d = impl();
    QPointer<KIVQScrollBar>& slot = horizontal ? d->horizontalScrollBar : d->verticalScrollBar;
    if (bar != slot.data()) {
        if (KIVQScrollBar* old = slot.data()) {
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
        } else {
            (horizontal ? d->scrollX : d->scrollY) = 0;
        }
    }
    d->updateScrollBars();
}

KIVQScrollBar* KIVQContainer::getBindScrollBar(bool horizontal) const
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
                if (!d->isBoundBar(child))
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
    if (!d || d->layingOut || d->applyingScroll)
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
    impl()->relayout();
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

void KIVQContainer::mouseReleaseEvent(QMouseEvent*)
{
    Q_EMIT mouseClickEvent();
}

void KIVQContainer::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

} // namespace KIVQtLib
