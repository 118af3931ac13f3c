#include "KIVQComboItemDelegate.h"

#include "KIVQComboBox.h"
#include "KIVQComboBoxImpl.h"

#include <QPainter>

namespace KIVQtLib {

KIVQComboItemDelegate::KIVQComboItemDelegate(KIVQComboBoxImpl* impl) : m_impl(impl) {}

void KIVQComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_impl || !index.isValid())
        return;
    KIVQComboBoxImpl* d = m_impl;
    const QRect r = option.rect;
    const QMap<int, QVariant> data = index.model()->itemData(index);
    const QString text = data.isEmpty() ? QString() : data.first().toString();

    int offset = 0;
    const QIcon icon = d->combo()->itemIcon(index.row());
    if (!icon.isNull()) {
        KIVQPaintHelpers::paintIcon(painter, icon, QSize(KIVQComboBoxImpl::kIconSize, KIVQComboBoxImpl::kIconSize),
                                    IconStyleDesc(), QRect(r.x(), r.y(), KIVQComboBoxImpl::kIconColumn, r.height()));
        offset = KIVQComboBoxImpl::kIconColumn;
    }
    painter->save();
    const QRect textRect(r.x() + offset, r.y(), r.width() - offset, r.height());
    int state = CtrlNormal;
    if (option.state & QStyle::State_MouseOver)
        state = CtrlHover;
    else if (option.state & QStyle::State_Selected)
        state = CtrlPressed;
    KIVQPaintHelpers::paintFillStyle(painter, d->itemBackgrounds.get(state), textRect);
    KIVQPaintHelpers::paintText(painter, text, KIVQComboBoxImpl::shownTextStyle(d->itemTextStyles.get(state)),
                                textRect);
    painter->restore();
}

QSize KIVQComboItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->itemHeight : 0);
}

} // namespace KIVQtLib
