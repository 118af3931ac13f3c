#include "KIVQTreeView.h"

#include "KIVQTreeViewImpl.h"
#include "KIVQTreeViewItemDelegate.h"
#include "KIVQViewportFill.h"
#include "controls/KIVQScrollBar.h"

#include <QHeaderView>
#include <QPainter>

namespace KIVQtLib {

KIVQTreeView::KIVQTreeView(QWidget* parent) : KIVQControlBase(parent)
{
    auto* d = new KIVQTreeViewImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQTreeViewItemDelegate(d));
    m_horizontalBar = new KIVQScrollBar(Qt::Horizontal, this);
    m_verticalBar = new KIVQScrollBar(Qt::Vertical, this);
    KIVQWidgetBaseImpl::markInternalChild(m_horizontalBar);
    KIVQWidgetBaseImpl::markInternalChild(m_verticalBar);
    setHeaderHidden(true);

    auto* corner = new KIVQTreeConerWidget(this);
    corner->setImpl(d);
    setCornerWidget(corner);
    auto* port = new KIVQTreeViewport(this);
    port->setImpl(d);
    setViewport(port);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBar(m_verticalBar);
    setHorizontalScrollBar(m_horizontalBar);
    setItemDelegate(m_delegate.get());
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    QPointer<KIVQTreeViewImpl> guarded(d);
    KIVQViewportFill::install(viewport(), [guarded]() { return guarded ? &guarded->background : nullptr; });
    setExpandsOnDoubleClick(true);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    attachImpl(d);
}

KIVQTreeView::~KIVQTreeView()
{
    // The delegate goes with the tree; the tree must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

void KIVQTreeView::setItemHeight(int height)
{
    if (impl()->itemHeight == height)
        return;
    impl()->itemHeight = height;
    scheduleDelayedItemsLayout();
}

int KIVQTreeView::getItemHeight() const
{
    return impl()->itemHeight;
}

void KIVQTreeView::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    viewport()->update();
    if (QWidget* corner = cornerWidget())
        corner->update();
}

const FillStyle& KIVQTreeView::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQTreeView::setItemBackground(CtrlState state, const FillStyle& fill)
{
    if (impl()->itemBackgrounds.set(state, fill))
        viewport()->update();
}

const FillStyle& KIVQTreeView::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQTreeView::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (impl()->itemTextStyles.set(state, style))
        viewport()->update();
}

const TextStyleDesc& KIVQTreeView::getItemTextStyle(CtrlState state) const
{
    return impl()->itemTextStyles.get(state);
}

void KIVQTreeView::setHeaderBgStyle(CtrlState state, const FillStyle& fill)
{
    impl()->headerBackgrounds.set(state, fill);
}

void KIVQTreeView::setHeaderTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->headerTextStyles.set(state, style);
}

void KIVQTreeView::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQTreeView::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQTreeView::initDemoData()
{
    impl()->onCreateComplete();
}

void KIVQTreeView::setScrollbarBtnSize(bool, int size)
{
    impl()->scrollbarBtnSize = size;
}

void KIVQTreeView::setScrollbarSize(bool, int size)
{
    impl()->scrollbarSize = size;
    const QString sheet =
        QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } ").arg(size).arg(size);
    m_verticalBar->setStyleSheet(sheet);
    m_horizontalBar->setStyleSheet(sheet);
}

KIVQScrollBar* KIVQTreeView::scrollBar(bool hor) const
{
    return hor ? m_horizontalBar : m_verticalBar;
}

KIVQScrollBar* KIVQTreeView::styledScrollBar(bool hor) const
{
    return scrollBar(hor);
}

void KIVQTreeView::paintEvent(QPaintEvent* event)
{
    QTreeView::paintEvent(event);
}

ControlInfo KIVQTreeView::getProps()
{
    using T = KIVQTreeView;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQTreeView", "TreeView", "Control TreeView", "tree");
    auto& rows = info.properties;
    rows.push_back(props::fill<T>(
        QStringLiteral("Background"),
        [](T* t, CtrlState s, const FillStyle& f) { t->setBackground(CommonCtrlState(s), f); },
        [](T* t, CtrlState s) { return t->getBackground(CommonCtrlState(s)); }, 2));
    // The second "Background" row edits the item fills.
    rows.push_back(props::fill<T>(QStringLiteral("Background"), &T::setItemBackground, &T::getItemBackground));
    rows.push_back(props::textStyle<T>(QStringLiteral("TextStyle"), &T::setItemTextStyle, &T::getItemTextStyle));
    rows.push_back(props::integer<T>(QStringLiteral("ItemHeight"), &T::setItemHeight, &T::getItemHeight));
    return info;
}

KIVQTreeConerWidget::KIVQTreeConerWidget(QWidget* parent) : QWidget(parent) {}

KIVQTreeConerWidget::~KIVQTreeConerWidget() = default;

void KIVQTreeConerWidget::setImpl(KIVQTreeViewImpl* impl)
{
    m_impl = impl;
    update();
}

void KIVQTreeConerWidget::paintEvent(QPaintEvent*)
{
    if (!m_impl)
        return;
    QPainter painter(this);
    m_impl->paint(&painter, rect());
}

} // namespace KIVQtLib
