#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QItemDelegate>
#include <QPointer>

namespace KIVQtLib {

class KIVQComboBoxImpl;

// One popup item: its icon in a 20-pixel column, then the item fill and text of the item's state (under
// the mouse wins over selected).
class KIVQTLIB_EXPORT KIVQComboItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit KIVQComboItemDelegate(KIVQComboBoxImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<KIVQComboBoxImpl> m_impl;
};

} // namespace KIVQtLib
