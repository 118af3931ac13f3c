#include "KIVQItemRows.h"

#include "KIVQViewportFill.h"
#include "controls/KIVQScrollBar.h"
#include "core/ControlJson.h"

#include <QAbstractItemView>

namespace KIVQtLib {

namespace {

// "style" codes: the background, then runs of four in CtrlState order; 1 and 10 on are not used.
constexpr int kBackgroundCode = 0;
constexpr int kItemFillCode = 2;
constexpr int kItemTextCode = 6;
constexpr int kDefaultHeight = 20;

} // namespace

KIVQItemRowsImpl::KIVQItemRowsImpl(QAbstractItemView* owner, KIVQItemRows* rows, const QString& typeName, int height)
    : KIVQWidgetBaseImpl(owner, typeName), itemHeight(height), m_view(owner), m_rows(rows)
{
}

void KIVQItemRowsImpl::setItemHeight(int height)
{
    if (itemHeight == height)
        return;
    itemHeight = height;
    m_view->doItemsLayout();
    m_view->viewport()->update();
}

void KIVQItemRowsImpl::serializeRows(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kItemFillCode, &itemBackgrounds}, {kItemTextCode, &itemTextStyles}});
    io.keepAbsentKeys();
    int height = itemHeight;
    if (io.attr("itemHeight", height, kDefaultHeight))
        setItemHeight(height);
    if (io.isReading()) {
        m_rows->readScrollBarBlocks(io.element(), ScrollBarBlockMatch::Prefix);
        m_view->viewport()->update();
    }
}

void KIVQItemRows::setUpRows(QAbstractItemView* view, KIVQItemRowsImpl* d)
{
    m_view = view;
    m_d = d;
    m_horizontalBar = new KIVQScrollBar(Qt::Horizontal, view);
    m_verticalBar = new KIVQScrollBar(Qt::Vertical, view);
    KIVQWidgetBaseImpl::markInternalChild(m_horizontalBar);
    KIVQWidgetBaseImpl::markInternalChild(m_verticalBar);
    view->setHorizontalScrollBar(m_horizontalBar);
    view->setVerticalScrollBar(m_verticalBar);
    QPointer<KIVQItemRowsImpl> guarded(d);
    KIVQViewportFill::install(view->viewport(), [guarded]() { return guarded ? &guarded->background : nullptr; });
    view->setMouseTracking(true);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void KIVQItemRows::repaintRows() const
{
    m_view->viewport()->update();
    if (QWidget* corner = m_view->cornerWidget())
        corner->update();
}

void KIVQItemRows::setItemHeight(int height)
{
    m_d->setItemHeight(height);
}

int KIVQItemRows::getItemHeight() const
{
    return m_d->itemHeight;
}

void KIVQItemRows::setBackground(CommonCtrlState, const FillStyle& fill)
{
    m_d->background = fill;
    repaintRows();
}

const FillStyle& KIVQItemRows::getBackground(CommonCtrlState) const
{
    return m_d->background;
}

void KIVQItemRows::setItemBackground(CtrlState state, const FillStyle& fill)
{
    if (m_d->itemBackgrounds.set(state, fill))
        repaintRows();
}

const FillStyle& KIVQItemRows::getItemBackground(CtrlState state) const
{
    return m_d->itemBackgrounds.get(state);
}

void KIVQItemRows::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (m_d->itemTextStyles.set(state, style))
        repaintRows();
}

const TextStyleDesc& KIVQItemRows::getItemTextStyle(CtrlState state) const
{
    return m_d->itemTextStyles.get(state);
}

void KIVQItemRows::setDelegateItemVisible(bool visible)
{
    m_d->setDelegateItemVisible(visible);
}

bool KIVQItemRows::getDelegateItemVisible() const
{
    return m_d->getDelegateItemVisible();
}

KIVQScrollBar* KIVQItemRows::scrollBar(bool hor) const
{
    return hor ? m_horizontalBar : m_verticalBar;
}

KIVQScrollBar* KIVQItemRows::styledScrollBar(bool hor) const
{
    return scrollBar(hor);
}

} // namespace KIVQtLib
