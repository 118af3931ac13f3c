#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QItemDelegate>
#include <QPointer>

namespace KIVQtLib {

class KIVQTableViewImpl;

// The table's cells: a fill and a text style by state (selected, under the mouse, the hovered row,
// normal), an icon named under role 356, the check box of column 0 in check mode, or the controls of a
// column widget; presses toggle checks and report column-widget controls by name.
class KIVQTLIB_EXPORT KIVQTableViewitemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    static constexpr int IconRole = Qt::UserRole + 100;

    explicit KIVQTableViewitemDelegate(KIVQTableViewImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QPointer<KIVQTableViewImpl> m_impl;
};

} // namespace KIVQtLib
