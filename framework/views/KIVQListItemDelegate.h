#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QItemDelegate>
#include <QPointer>

namespace KIVQtLib {

class KIVQListImpl;

// Paints a list row: its fill and text style by state, hover before selection, and its icon.
class KIVQTLIB_EXPORT KIVQListItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit KIVQListItemDelegate(KIVQListImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<KIVQListImpl> m_impl;
};

} // namespace KIVQtLib
