#include "KIVQTableViewitemDelegate.h"

#include "KIVQCellControls.h"
#include "KIVQTableView.h"
#include "KIVQTableViewImpl.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace KIVQtLib {

namespace {

constexpr int kIconPadding = 10; // an icon beside its text takes its width plus this
constexpr int kIconGap = 6;      // between a centred icon and its text

} // namespace

KIVQTableViewitemDelegate::KIVQTableViewitemDelegate(KIVQTableViewImpl* impl) : m_impl(impl) {}

void KIVQTableViewitemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    if (!index.isValid() || !m_impl)
        return;
    KIVQTableViewImpl* d = m_impl;
    painter->save();
    const QRect cell = option.rect;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect inner = KIVQTableViewImpl::shrunk(cell, KIVQTableViewImpl::kInnerMargin);
    const bool checkColumn = index.column() == 0 && d->checkStyle;
    QRect t = inner;
    if (checkColumn)
        t = KIVQTableViewImpl::fromLeft(inner, inner.left() + KIVQTableViewImpl::kCheckGap + d->checkImageSize.width());

    const QString icon = index.data(IconRole).toString();
    const QSize iconSize = icon.isEmpty() ? QSize() : KIVQPaintHelpers::imageOrSvgSize(icon);
    const bool hasIcon = iconSize.isValid();

    int state = CtrlNormal;
    if (option.state & QStyle::State_Selected)
        state = CtrlPressed;
    else if ((option.state & QStyle::State_MouseOver) || index.row() == d->hoveredRow)
        state = CtrlHover;
    KIVQPaintHelpers::paintFillStyle(painter, d->itemBackgrounds.get(state), cell);
    const TextStyleDesc style =
        KIVQTableViewImpl::alignedStyle(d->itemTextStyles.get(state), index.data(Qt::TextAlignmentRole));

    QRect iconRect;
    if (hasIcon) {
        const int gap = text.isEmpty() ? 0 : kIconGap;
        if (style.horAlign != 1) {
            iconRect = QRect(t.left(), t.top(), iconSize.width() + kIconPadding, t.height());
            t = KIVQTableViewImpl::fromLeft(t, t.left() + kIconPadding + iconSize.width());
        } else {
            const int available = std::max(inner.width() - gap - iconSize.width(), 0);
            // An empty text takes no room, so a lone icon sits in the middle.
            const int textWidth =
                text.isEmpty() ? 0 : std::min(available, KIVQPaintHelpers::measureText(style, text).width() + 2);
            const int x = inner.left() + std::max((inner.width() - (textWidth + iconSize.width() + gap)) / 2, 0);
            iconRect = QRect(x, inner.top(), iconSize.width(), inner.height());
            t = QRect(x + iconSize.width() + gap, inner.top(), textWidth, inner.height());
        }
    }
    KIVQPaintHelpers::paintText(painter, text, style, t);

    if (KIVQContainer* container = d->columnWidget(index.column())) {
        const QWidget* viewport = d->table()->viewport();
        KIVQCellControls::paint(painter, container, cell, viewport, KIVQCellControls::cursorPos());
        painter->restore();
        return;
    }
    if (hasIcon) {
        painter->save();
        painter->setClipRect(cell, Qt::IntersectClip);
        KIVQPaintHelpers::paintImageOrSvg(painter, icon, IconStyleDesc(), iconRect);
        painter->restore();
    }
    if (checkColumn)
        d->paintCheck(painter, cell, index.data(Qt::CheckStateRole).toBool());
    painter->restore();
}

bool KIVQTableViewitemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                            const QStyleOptionViewItem& option, const QModelIndex& index)
{
    KIVQTableViewImpl* d = m_impl;
    if (!d || !index.isValid())
        return QItemDelegate::editorEvent(event, model, option, index);
    KIVQTableView* table = d->table();
    QWidget* viewport = table->viewport();
    const QRect cell = option.rect;
    KIVQContainer* container = d->columnWidget(index.column());

    if (event->type() == QEvent::MouseMove) {
        if (d->hoveredRow != index.row()) {
            d->hoveredRow = index.row();
            viewport->update();
        }
        // Hover states inside a column widget follow the mouse at once.
        if (container && QRect(viewport->mapToGlobal(cell.topLeft()), cell.size()).contains(QCursor::pos()))
            viewport->repaint(cell);
    }

    bool inCheckArea = false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
        event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        inCheckArea = index.column() == 0 && d->checkStyle && !container && d->checkArea(cell).contains(mouse->pos());
        if (event->type() == QEvent::MouseButtonPress) {
            if (inCheckArea && model) {
                const bool checked = index.data(Qt::CheckStateRole).toBool();
                // A check state, not a bool: a stored bool reads back as partially checked.
                model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
            }
            if (container) {
                QPointer<KIVQTableView> alive(table);
                if (QWidget* hit = KIVQCellControls::controlAt(container, cell, viewport, mouse->globalPos())) {
                    Q_EMIT table->customControlClicked(index.row(), hit->objectName());
                    if (!alive)
                        return true;
                }
            }
        }
    }
    // The check area toggles on press; Qt's own check handling would toggle a checkable item again.
    if (inCheckArea)
        return false;
    return QItemDelegate::editorEvent(event, model, option, index);
}

} // namespace KIVQtLib
