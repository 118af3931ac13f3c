#include "KIVQStackContainer.h"

#include "KIVQStackContainerImpl.h"
#include "core/layout/KIVQContainer.h"

#include <QEvent>

#include <algorithm>

namespace KIVQtLib {

namespace {

// Pre-order: the page first, then each child widget in child order.
void forceResizeContainers(QWidget* widget)
{
    if (auto* container = qobject_cast<KIVQContainer*>(widget))
        container->forceResize();
    for (QObject* child : widget->children()) {
        if (child->isWidgetType())
            forceResizeContainers(static_cast<QWidget*>(child));
    }
}

} // namespace

KIVQStackContainer::KIVQStackContainer(QWidget* parent) : KIVQControlBase(parent)
{
    setLayoutRatio(1);
    getControlBase()->setInitialPolicies(PolicyStretch, PolicyStretch);
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground);
    attachImpl();
}

int KIVQStackContainer::addWidget(QWidget* page)
{
    return insertWidget(count(), page);
}

int KIVQStackContainer::insertWidget(int index, QWidget* page)
{
    // The container, or a widget holding it, as its own page would make a parent loop.
    if (!page || page == this || page->isAncestorOf(this))
        return -1;
    KIVQStackContainerImpl* d = impl();
    if (index < 0 || index > count())
        index = count();
    const int old = d->pages.indexOf(page);
    if (old >= 0) {
        if (old == index)
            return old;
        d->pages.removeAt(old);
        if (old < index)
            --index;
        if (d->currentIndex == old)
            d->currentIndex = -1;
        else if (d->currentIndex > old)
            --d->currentIndex;
    }
    page->setParent(this);
    page->installEventFilter(this);
    connect(page, &QObject::destroyed, d, &KIVQStackContainerImpl::pageDestroyed, Qt::UniqueConnection);
    page->hide();
    d->pages.insert(index, page);
    fitPage(page);

    if (d->currentIndex == -1) {
        setCurrentIndex(index);
    } else {
        if (d->currentIndex >= index)
            ++d->currentIndex;
        refreshCurrentPage();
    }
    return index;
}

void KIVQStackContainer::removeWidget(QWidget* page)
{
    const int index = impl()->pages.indexOf(page);
    if (index < 0)
        return;
    page->removeEventFilter(this);
    disconnect(page, &QObject::destroyed, impl(), &KIVQStackContainerImpl::pageDestroyed);
    page->hide();
    dropPageAt(index);
}

void KIVQStackContainer::dropPageAt(int index)
{
    KIVQStackContainerImpl* d = impl();
    d->pages.removeAt(index);
    if (d->pages.isEmpty()) {
        d->currentIndex = -1;
    } else if (index < d->currentIndex) {
        --d->currentIndex;
    } else if (index == d->currentIndex) {
        d->currentIndex = -1;
        setCurrentIndex(std::min(index, count() - 1));
    }
}

void KIVQStackContainer::pageDestroyed(QObject* page)
{
    // Only the pointer is compared: the widget part of the page is already gone.
    const int index = impl()->pages.indexOf(static_cast<QWidget*>(page));
    if (index >= 0)
        dropPageAt(index);
}

int KIVQStackContainer::count() const
{
    return impl()->pages.size();
}

int KIVQStackContainer::currentIndex() const
{
    return impl()->currentIndex;
}

QWidget* KIVQStackContainer::currentWidget() const
{
    return widget(currentIndex());
}

QWidget* KIVQStackContainer::widget(int index) const
{
    return index >= 0 && index < count() ? impl()->pages.at(index) : nullptr;
}

void KIVQStackContainer::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    KIVQStackContainerImpl* d = impl();
    if (index != d->currentIndex) {
        if (QWidget* old = currentWidget())
            old->hide();
        d->currentIndex = index;
    }
    refreshCurrentPage();
}

void KIVQStackContainer::setCurrentWidget(QWidget* page)
{
    const int index = page ? impl()->pages.indexOf(page) : -1;
    if (index >= 0)
        setCurrentIndex(index);
}

void KIVQStackContainer::fitPage(QWidget* page)
{
    if (!page)
        return;
    const QRect target = rect();
    if (page->geometry() == target)
        return;
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(page))
        control->getControlBase()->setGeometry(target);
    else
        page->setGeometry(target);
}

void KIVQStackContainer::refreshCurrentPage()
{
    QWidget* page = currentWidget();
    if (!page)
        return;
    fitPage(page);
    page->show();
    page->raise();
    forceResizeContainers(page);
    // No updateGeometry() on the page: it would post a layout request to this container, whose
    // handler refreshes again, and the two would keep each other busy for good.
    page->update();
    updateGeometry();
    update();
}

bool KIVQStackContainer::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        refreshCurrentPage();
    } else if (event->type() == QEvent::ChildRemoved && impl()) {
        // A page given to another parent is no longer ours to show, hide or fit.
        // The child may be half destroyed: only held pages are touched.
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        const QVector<QWidget*>& pages = impl()->pages;
        const auto held = std::find(pages.cbegin(), pages.cend(), child);
        if (held != pages.cend())
            removeWidget(*held);
    }
    return QWidget::event(event);
}

void KIVQStackContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* page : impl()->pages)
        fitPage(page);
    refreshCurrentPage();
}

bool KIVQStackContainer::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched->isWidgetType() &&
        watched->parent() == this && watched != currentWidget() &&
        impl()->pages.contains(static_cast<QWidget*>(watched)))
        fitPage(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

void KIVQStackContainer::setBackground(const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQStackContainer::getBackground() const
{
    return impl()->background;
}

void KIVQStackContainer::setDisableBackground(const FillStyle& fill)
{
    impl()->disableBackground = fill;
    update();
}

const FillStyle& KIVQStackContainer::getDisableBackground() const
{
    return impl()->disableBackground;
}

void KIVQStackContainer::setBackgroundState(CtrlState state, const FillStyle& fill)
{
    if (state == CtrlNormal)
        setBackground(fill);
    else
        setDisableBackground(fill);
}

const FillStyle& KIVQStackContainer::getBackgroundState(CtrlState state) const
{
    return state == CtrlNormal ? getBackground() : getDisableBackground();
}

void KIVQStackContainer::setDrawBackground(bool on)
{
    if (impl()->drawBackground == on)
        return;
    impl()->drawBackground = on;
    update();
}

bool KIVQStackContainer::getDrawBackground() const
{
    return impl()->drawBackground;
}

void KIVQStackContainer::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQStackContainer::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

ControlInfo KIVQStackContainer::getProps()
{
    using namespace props;
    ControlInfo info =
        kivMakeControlInfo(typeName(), "KIVQStackContainer", "StackContainer", "Stack page container", "container");
    info.properties.push_back(fill<KIVQStackContainer>(QStringLiteral("Background"),
                                                       &KIVQStackContainer::setBackgroundState,
                                                       &KIVQStackContainer::getBackgroundState, 2));
    info.properties.push_back(onOff<KIVQStackContainer>(QStringLiteral("DrawBackground"),
                                                        &KIVQStackContainer::setDrawBackground,
                                                        &KIVQStackContainer::getDrawBackground));
    return info;
}

} // namespace KIVQtLib
