#include "KIVQTreeViewItemDelegate.h"

#include "KIVQItemIconCell.h"
#include "KIVQTreeViewImpl.h"

#include <QPainter>

namespace KIVQtLib {

KIVQTreeViewItemDelegate::KIVQTreeViewItemDelegate(KIVQTreeViewImpl* impl) : m_impl(impl) {}

void KIVQTreeViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    if (!index.isValid() || !m_impl)
        return;
    painter->save();
    int state = CtrlNormal;
    if (option.state & QStyle::State_Selected)
        state = CtrlPressed;
    else if (option.state & QStyle::State_MouseOver)
        state = CtrlHover;
    KIVQPaintHelpers::paintFillStyle(painter, m_impl->itemBackgrounds.get(state), option.rect);
    QString text;
    QRect textRect = option.rect;
    if (!index.model()->itemData(index).isEmpty()) {
        text = index.data(Qt::DisplayRole).toString();
        textRect = KIVQItemIconCell::paint(painter, option.rect, index.data(Qt::DecorationRole));
    }
    KIVQPaintHelpers::paintText(painter, text, m_impl->itemTextStyles.get(state), textRect);
    painter->restore();
}

QSize KIVQTreeViewItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QMap<int, QVariant> roles = m_impl && index.model() ? index.model()->itemData(index) : QMap<int, QVariant>();
    // Qt's own measure serves only rows without data; the rest are measured from their roles below.
    if (roles.isEmpty()) {
        QSize size = QItemDelegate::sizeHint(option, index);
        if (m_impl)
            size.setHeight(m_impl->rowHeight());
        return size;
    }
    const int height = m_impl->rowHeight();
    const int icon = KIVQItemIconCell::kPadding + KIVQItemIconCell::iconSize(height);
    int width = 0;
    for (auto it = roles.cbegin(); it != roles.cend(); ++it) {
        const int type = it.value().userType();
        if (type == QMetaType::QIcon || (type == QMetaType::QString && it.key() == Qt::DecorationRole))
            width += icon;
        else if (type == QMetaType::QString)
            width +=
                KIVQItemIconCell::kPadding +
                KIVQPaintHelpers::measureText(m_impl->itemTextStyles.get(CtrlNormal), it.value().toString()).width();
    }
    return QSize(width, height);
}

} // namespace KIVQtLib
