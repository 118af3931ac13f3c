#pragma once

#include "controls/KIVQLabelExImpl.h"

#include <QItemDelegate>
#include <QPointer>

namespace KIVQtLib {

class KIVQLabelEx;
class KIVQListViewImpl;

// Paints each row of a list view from its template, remembers where each template control landed, and
// turns presses and moves over them into pressCtrl, hover and text selection.
class KIVQTLIB_EXPORT KIVQListViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit KIVQListViewItemDelegate(KIVQListViewImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    void clearHighLight();
    void endSelecting() { m_selecting = false; }

private:
    struct Hit
    {
        QWidget* control = nullptr;
        QRect rect;
    };
    // The last painted control of the row under pos; the container itself is never hit.
    Hit hitTest(const QPoint& pos, const QRect& row, int rowIndex) const;
    // The label hit-tests the row's text as it was painted, at the size it was painted.
    void loadRowText(KIVQLabelEx* label, int row, const QRect& rect) const;
    // Whether a selection was set on the label for the row.
    bool applySelection(KIVQLabelExImpl* label, int row) const;

    QPointer<KIVQListViewImpl> m_impl;
    QPointer<QWidget> m_hot;
    int m_anchorRow = -1;
    TextPosition m_anchor;
    int m_focusRow = -1;
    TextPosition m_focus;
    bool m_selecting = false;
    bool m_beamCursor = false;
};

} // namespace KIVQtLib
