#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QItemDelegate>
#include <QPointer>

namespace KIVQtLib {

class KIVQTreeViewImpl;

// Paints a tree cell: its fill and text style by state, selection before hover, and its icon; sizes it
// from its icons and texts at the tree's row height.
class KIVQTLIB_EXPORT KIVQTreeViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit KIVQTreeViewItemDelegate(KIVQTreeViewImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<KIVQTreeViewImpl> m_impl;
};

} // namespace KIVQtLib
