#include "KIVQTreeView.h"

#include "KIVQTreeViewImpl.h"
#include "KIVQTreeViewItemDelegate.h"
#include "controls/KIVQScrollBar.h"

#include <QHeaderView>
#include <QPainter>

namespace KIVQtLib {

KIVQTreeView::KIVQTreeView(QWidget* parent) : KIVQControlBase(parent)
{
    auto* d = new KIVQTreeViewImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQTreeViewItemDelegate(d));
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
    // Every row is the item height high; otherwise Qt measures each row's text on every layout, which made
    // a fill fed between event-loop passes quadratic (300,000 rows: minutes).
    setUniformRowHeights(true);
    setUpRows(this, d);
    setItemDelegate(m_delegate.get());
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    setExpandsOnDoubleClick(true);
    attachImpl(d);
}

KIVQTreeView::~KIVQTreeView()
{
    // The delegate goes with the tree; the tree must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

void KIVQTreeView::setHeaderBgStyle(CtrlState state, const FillStyle& fill)
{
    impl()->headerBackgrounds.set(state, fill);
}

void KIVQTreeView::setHeaderTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->headerTextStyles.set(state, style);
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
    setScrollBarSheets(sheet);
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
