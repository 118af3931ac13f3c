#include "KIVQList.h"

#include "KIVQListImpl.h"
#include "KIVQListItemDelegate.h"
#include "KIVQViewportFill.h"
#include "controls/KIVQScrollBar.h"

namespace KIVQtLib {

KIVQList::KIVQList(QWidget* parent) : KIVQControlBase(parent)
{
    // The delegate holds the Impl, so it is made first; the theme entry is applied once the bars stand.
    auto* d = new KIVQListImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQListItemDelegate(d));
    setItemDelegate(m_delegate.get());

    m_horizontalBar = new KIVQScrollBar(Qt::Horizontal, this);
    m_verticalBar = new KIVQScrollBar(Qt::Vertical, this);
    KIVQWidgetBaseImpl::markInternalChild(m_horizontalBar);
    KIVQWidgetBaseImpl::markInternalChild(m_verticalBar);
    setHorizontalScrollBar(m_horizontalBar);
    setVerticalScrollBar(m_verticalBar);

    setFrameStyle(QFrame::NoFrame);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    QPointer<KIVQListImpl> guarded(d);
    KIVQViewportFill::install(viewport(), [guarded]() { return guarded ? &guarded->background : nullptr; });
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    attachImpl(d);
}

KIVQList::~KIVQList()
{
    // The delegate goes with the list; the list must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

void KIVQList::setItemHeight(int height)
{
    if (impl()->itemHeight == height)
        return;
    impl()->itemHeight = height;
    scheduleDelayedItemsLayout();
}

int KIVQList::getItemHeight() const
{
    return impl()->itemHeight;
}

void KIVQList::setIsMultiSelected(bool on)
{
    setSelectionMode(on ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

bool KIVQList::getIsMultiSelected() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}

void KIVQList::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    viewport()->update();
}

const FillStyle& KIVQList::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQList::setItemBackground(CtrlState state, const FillStyle& fill)
{
    if (impl()->itemBackgrounds.set(state, fill))
        viewport()->update();
}

const FillStyle& KIVQList::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQList::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (impl()->itemTextStyles.set(state, style))
        viewport()->update();
}

const TextStyleDesc& KIVQList::getItemTextStyle(CtrlState state) const
{
    return impl()->itemTextStyles.get(state);
}

void KIVQList::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQList::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQList::setScrollbarBtnSize(bool, int) {}

KIVQScrollBar* KIVQList::scrollBar(bool hor) const
{
    return hor ? m_horizontalBar : m_verticalBar;
}

KIVQScrollBar* KIVQList::styledScrollBar(bool hor) const
{
    return scrollBar(hor);
}

void KIVQList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
}

ControlInfo KIVQList::getProps()
{
    using L = KIVQList;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQList", "List", "Control List", "list");
    auto& rows = info.properties;
    rows.push_back(props::fill<L>(
        QStringLiteral("Background"),
        [](L* l, CtrlState s, const FillStyle& f) { l->setBackground(CommonCtrlState(s), f); },
        [](L* l, CtrlState s) { return l->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<L>(QStringLiteral("ItemBackground"), &L::setItemBackground, &L::getItemBackground));
    rows.push_back(props::textStyle<L>(QStringLiteral("TextStyle"), &L::setItemTextStyle, &L::getItemTextStyle));
    rows.push_back(props::onOff<L>(QStringLiteral("MultiSelect"), &L::setIsMultiSelected, &L::getIsMultiSelected));
    rows.push_back(props::integer<L>(QStringLiteral("ItemHeight"), &L::setItemHeight, &L::getItemHeight));
    return info;
}

} // namespace KIVQtLib
