#include "KIVQListItemDelegate.h"

#include "KIVQItemIconCell.h"
#include "KIVQListImpl.h"

#include <QPainter>

namespace KIVQtLib {

KIVQListItemDelegate::KIVQListItemDelegate(KIVQListImpl* impl) : m_impl(impl) {}

void KIVQListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid() || !m_impl)
        return;
    painter->save();
    int state = CtrlNormal;
    if (option.state & QStyle::State_MouseOver)
        state = CtrlHover;
    else if (option.state & QStyle::State_Selected)
        state = CtrlPressed;
    KIVQPaintHelpers::paintFillStyle(painter, m_impl->itemBackgrounds.get(state), option.rect);
    const QRect text = KIVQItemIconCell::paint(painter, option.rect, index.data(Qt::DecorationRole));
    KIVQPaintHelpers::paintText(painter, index.data(Qt::DisplayRole).toString(), m_impl->itemTextStyles.get(state),
                                text);
    painter->restore();
}

QSize KIVQListItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->rowHeight() : 20);
}

} // namespace KIVQtLib
