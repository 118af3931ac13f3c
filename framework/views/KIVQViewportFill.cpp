#include "KIVQViewportFill.h"

#include "core/KIVQPaintHelpers.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace KIVQtLib {

KIVQViewportFill::KIVQViewportFill(QWidget* viewport, FillSource fill)
    : QObject(viewport), m_viewport(viewport), m_fill(std::move(fill))
{
}

KIVQViewportFill* KIVQViewportFill::install(QWidget* viewport, FillSource fill)
{
    if (!viewport)
        return nullptr;
    auto* filter = new KIVQViewportFill(viewport, std::move(fill));
    viewport->installEventFilter(filter);
    return filter;
}

bool KIVQViewportFill::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == m_viewport && m_fill) {
        if (const FillStyle* fill = m_fill()) {
            QPainter painter(m_viewport);
            KIVQPaintHelpers::paintFillStyle(&painter, *fill, m_viewport->rect());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace KIVQtLib
