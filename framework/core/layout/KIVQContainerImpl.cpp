#include "KIVQContainerImpl.h"

#include "KIVQChildLayout.h"
#include "KIVQContainer.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"
#include "core/StateStyles.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QEasingCurve>
#include <QTimer>
#include <QVariantAnimation>

namespace KIVQtLib {

namespace {

FillStyle greyFill()
{
    FillStyle fill;
    fill.res.colour = QColor(128, 128, 128, 255);
    return fill;
}

} // namespace

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

void KIVQContainerImpl::serializeJson(ControlJson& io)
{
    Json::Value& e = io.element();
    const bool read = io.isReading();

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e, io.fromTheme())) {
            if (entry.code != 0 && entry.code != 1)
                continue;
            FillStyle fill;
            if (lookupStyle(entry.name, fill)) {
                if (entry.code == 0)
                    background = fill;
                disableBackground = fill;
                continue;
            }
            if (entry.code == 0)
                keepStyleReference(entry, background);
            keepStyleReference(entry, disableBackground);
        }
        if (!io.hasAttr())
            return;
    } else {
        StyleWriter styles;
        styles.slot(background, 0);
        // Code 0 names both: a disabled fill of the same name reads back from it, whatever its look.
        if (disableBackground.name != background.name)
            styles.slot(disableBackground, 1);
        styles.store(e, false);
    }

    // A key "attr" does not name keeps its value, except the mode: a page that names none arranges nothing.
    io.keepAbsentKeys();
    if (read) {
        int mode = KIVQContainer::NoUse;
        if (!io.attr("childLayout", mode, KIVQContainer::NoUse) && io.fromTheme())
            mode = childLayout;
        childLayout = (mode >= 0 && mode <= KIVQContainer::VerFloat) ? mode : int(KIVQContainer::NoUse);
    } else {
        io.attrs().writable()["childLayout"] = childLayout;
    }
    io.attr("space", space, 0);
    io.attr("paddingLeft", paddingLeft, 0);
    io.attr("paddingTop", paddingTop, 0);
    io.attr("paddingRight", paddingRight, 0);
    io.attr("paddingBottom", paddingBottom, 0);
    io.attr("absoluteDockAutoSize", absoluteDockAutoSize, false);
}

void KIVQContainerImpl::relayout()
{
    if (layingOut) {
        // A child asked for a layout while one runs; run it once this one is done.
        scheduleRelayout();
        return;
    }
    // This pass answers any queued request.
    relayoutPending = false;
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
    if (!m_owner)
        return;
    relayoutPending = true;
    if (relayoutQueued)
        return;
    relayoutQueued = true;
    QTimer::singleShot(0, m_owner, [this] {
        relayoutQueued = false;
        if (relayoutPending)
            relayout();
    });
}

bool KIVQContainerImpl::isBoundBar(const QObject* child) const
{
    if (!child)
        return false;
    if (child == horizontalScrollBar.data() || child == verticalScrollBar.data())
        return true;
    // The class first: a property lookup by name searches every property the class declares.
    return qobject_cast<const QScrollBar*>(child) && child->property(kBoundScrollBarProperty).toBool();
}

void KIVQContainerImpl::trackChildren()
{
    if (!m_owner)
        return;
    for (QObject* o : m_owner->children()) {
        if (!o->isWidgetType() || isBoundBar(o))
            continue;
        auto* w = static_cast<QWidget*>(o);
        o->installEventFilter(m_owner);
        w->setProperty(kBaseGeometryProperty, KIVQChildLayout::shifted(w->geometry(), scrollX, scrollY));
    }
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

} // namespace KIVQtLib
