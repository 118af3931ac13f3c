#include "KIVQTableHeader.h"

#include "KIVQTableView.h"
#include "KIVQTableViewImpl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace KIVQtLib {

KIVQTableHeader::KIVQTableHeader(KIVQTableViewImpl* impl, Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), m_impl(impl)
{
}

QRect KIVQTableHeader::sectionRect(int logical) const
{
    if (orientation() == Qt::Horizontal)
        return QRect(sectionViewportPosition(logical), 0, sectionSize(logical), height());
    return QRect(0, sectionViewportPosition(logical), width(), sectionSize(logical));
}

void KIVQTableHeader::paintEvent(QPaintEvent* event)
{
    if (!m_impl)
        return;
    KIVQTableViewImpl* d = m_impl;
    QPainter painter(viewport());
    const FillStyle& fill = d->headerBackgrounds.get(CtrlNormal);
    const TextStyleDesc& style = d->headerTextStyles.get(CtrlNormal);
    KIVQPaintHelpers::paintFillStyle(&painter, fill, viewport()->rect());
    QAbstractItemModel* m = model();
    if (!m)
        return;
    const bool horizontal = orientation() == Qt::Horizontal;
    for (int i = 0; i < count(); ++i) {
        if (isSectionHidden(i))
            continue;
        const QRect r = sectionRect(i);
        // A long header paints only the sections the update reaches.
        if (!r.intersects(event->rect()))
            continue;
        QRect t = KIVQTableViewImpl::shrunk(r, KIVQTableViewImpl::kInnerMargin);
        const bool check = horizontal && i == 0 && d->checkStyle;
        if (check)
            t = KIVQTableViewImpl::fromLeft(t, t.left() + KIVQTableViewImpl::kCheckGap + d->checkImageSize.width());
        KIVQPaintHelpers::paintFillStyle(&painter, fill, r);
        const QString title = m->headerData(i, orientation(), Qt::DisplayRole).toString();
        if (horizontal)
            KIVQPaintHelpers::paintText(
                &painter, title,
                KIVQTableViewImpl::alignedStyle(style, m->headerData(i, Qt::Horizontal, Qt::TextAlignmentRole)), t);
        else
            KIVQPaintHelpers::paintText(&painter, title, style, t);
        if (check)
            d->paintCheck(&painter, r, d->headerChecked);
    }
}

void KIVQTableHeader::mousePressEvent(QMouseEvent* event)
{
    KIVQTableViewImpl* d = m_impl;
    if (d && orientation() == Qt::Horizontal && d->checkStyle && count() > 0) {
        const QRect area = d->checkArea(sectionRect(0));
        if (area.contains(event->pos())) {
            d->headerChecked = !d->headerChecked;
            viewport()->update(area);
            QPointer<KIVQTableHeader> alive(this);
            d->table()->headerChecked(d->headerChecked);
            if (!alive)
                return;
            viewport()->update();
        }
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace KIVQtLib
