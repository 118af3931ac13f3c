#include "KIVQListViewItemDelegate.h"

#include "KIVQCellControls.h"
#include "KIVQListView.h"
#include "KIVQListViewImpl.h"
#include "controls/KIVQLabelEx.h"
#include "core/layout/KIVQContainer.h"

#include <QMouseEvent>

namespace KIVQtLib {

namespace {

bool selectableByMouse(const KIVQLabelEx* label)
{
    return label && label->textInteractionFlags() == Qt::TextSelectableByMouse;
}

bool paintedInRows(QWidget* control)
{
    auto* c = dynamic_cast<IKIVQWidgetBase*>(control);
    return c && c->getControlImpl() && c->getControlImpl()->getDelegateItemVisible();
}

} // namespace

KIVQListViewItemDelegate::KIVQListViewItemDelegate(KIVQListViewImpl* impl) : m_impl(impl) {}

void KIVQListViewItemDelegate::clearHighLight()
{
    m_anchorRow = m_focusRow = -1;
    m_anchor = m_focus = TextPosition();
}

void KIVQListViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    KIVQListViewImpl* d = m_impl;
    KIVQContainer* container = d ? d->templateContainer() : nullptr;
    if (!index.isValid() || !container)
        return;
    KIVQListView* view = d->view();
    const int row = index.row();

    int state = CtrlNormal;
    if (option.state & QStyle::State_Selected)
        state = CtrlPressed;
    else if (option.state & QStyle::State_MouseOver)
        state = CtrlHover;
    container->setBackground(d->itemBackgrounds.get(state));
    if (d->itemDisplay)
        d->itemDisplay(view, container, index);

    QVector<KIVQListViewImpl::PlacedControl> placed;
    KIVQLabelExImpl* selection = nullptr;
    KIVQCellControls::Hooks hooks;
    hooks.paints = paintedInRows;
    hooks.before = [&](QWidget* control, const QRect& rect) {
        placed.append({control, rect});
        auto* label = qobject_cast<KIVQLabelEx*>(control);
        if (!d->enableSelection || !label)
            return;
        if (!d->rowHtml.contains(row))
            d->rowHtml.insert(row, label->getHtmlContent());
        if (selectableByMouse(label) && m_anchorRow != -1 && m_focusRow != -1 && applySelection(label->impl(), row))
            selection = label->impl();
    };
    hooks.after = [&](QWidget*, const QRect&) {
        if (selection)
            selection->clearSelection();
        selection = nullptr;
    };
    KIVQCellControls::paint(painter, container, option.rect, view->viewport(), KIVQCellControls::cursorPos(), hooks);
    d->rowControls.insert(row, placed);
}

bool KIVQListViewItemDelegate::applySelection(KIVQLabelExImpl* label, int row) const
{
    int lo = m_anchorRow;
    int hi = m_focusRow;
    TextPosition first = m_anchor;
    TextPosition second = m_focus;
    if (lo > hi) {
        std::swap(lo, hi);
        std::swap(first, second);
    }
    if (row < lo || row > hi)
        return false;
    if (lo == hi) {
        if (!first.isValid() || !second.isValid())
            return false;
        label->setSelection(first, second);
    } else if (row == lo) {
        label->setSelection(first, label->textEndPosition());
    } else if (row == hi) {
        label->setSelection(label->textStartPosition(), second);
    } else {
        label->setSelection(label->textStartPosition(), label->textEndPosition());
    }
    return true;
}

QSize KIVQListViewItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    KIVQListViewImpl* d = m_impl;
    if (!d)
        return QItemDelegate::sizeHint(option, index);
    if (d->itemForSize && KIVQCellControls::collect(d->templateContainer()).size() > 1)
        return d->itemForSize(d->view(), option, index);
    const int height = d->itemHeight > 0 ? d->itemHeight : 20;
    if (d->view()->viewMode() == QListView::IconMode)
        return QSize(d->itemWidth > 0 ? d->itemWidth : 20, height);
    return QSize(option.rect.width(), height);
}

KIVQListViewItemDelegate::Hit KIVQListViewItemDelegate::hitTest(const QPoint& pos, const QRect& row, int rowIndex) const
{
    if (!row.contains(pos))
        return {};
    const auto placed = m_impl->rowControls.constFind(rowIndex);
    if (placed == m_impl->rowControls.constEnd())
        return {};
    for (auto it = placed->crbegin(); it != placed->crend(); ++it) {
        if (it->control && it->rect.contains(pos))
            return {it->control, it->rect};
    }
    return {};
}

void KIVQListViewItemDelegate::loadRowText(KIVQLabelEx* label, int row, const QRect& rect) const
{
    const auto html = m_impl->rowHtml.constFind(row);
    if (html == m_impl->rowHtml.constEnd())
        return;
    label->setHtmlContent(*html);
    label->impl()->document().setPageSize(QSizeF(rect.width() + 20, rect.height() + 10));
}

bool KIVQListViewItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                           const QModelIndex& index)
{
    KIVQListViewImpl* d = m_impl;
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!d || !index.isValid() || !(press || event->type() == QEvent::MouseMove))
        return QItemDelegate::editorEvent(event, model, option, index);
    KIVQListView* view = d->view();
    QWidget* viewport = view->viewport();
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = index.row();
    const Hit hit = hitTest(mouse->pos(), option.rect, row);
    auto* label = qobject_cast<KIVQLabelEx*>(hit.control);

    if (press) {
        clearHighLight();
        viewport->update();
        if (!hit.control)
            return QItemDelegate::editorEvent(event, model, option, index);
        if (d->enableSelection && label) {
            loadRowText(label, row, hit.rect);
            if (selectableByMouse(label)) {
                m_anchor = label->impl()->hitTestTextPosition(mouse->pos() - hit.rect.topLeft());
                m_anchorRow = row;
                m_selecting = true;
            }
        }
        QPointer<KIVQListView> alive(view);
        Q_EMIT view->pressCtrl(hit.control, index);
        if (!alive)
            return true;
        return QItemDelegate::editorEvent(event, model, option, index);
    }

    bool beamNow = false;
    if (selectableByMouse(label)) {
        m_beamCursor = beamNow = true;
        view->setCursor(Qt::IBeamCursor);
        if (m_selecting) {
            loadRowText(label, row, hit.rect);
            const TextPosition at = label->impl()->hitTestTextPosition(mouse->pos() - hit.rect.topLeft());
            if (at.isValid()) {
                m_focus = at;
                m_focusRow = row;
                viewport->update(option.rect);
            }
            viewport->update();
        }
    }
    if (hit.control && m_hot != hit.control) {
        m_hot = hit.control;
        viewport->update(option.rect);
    }
    if (m_beamCursor && !beamNow) {
        m_beamCursor = false;
        view->setCursor(Qt::ArrowCursor);
    }
    if (!hit.control && m_hot) {
        m_hot = nullptr;
        viewport->update();
    }
    return QItemDelegate::editorEvent(event, model, option, index);
}

} // namespace KIVQtLib
