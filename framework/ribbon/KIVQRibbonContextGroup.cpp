#include "KIVQRibbonContextGroup.h"

#include "KIVQRibbonBar.h"

namespace KIVQtLib {

KIVQRibbonContextGroup::KIVQRibbonContextGroup(const QString& id, const QString& title, const QColor& color,
                                               KIVQRibbonBar* bar)
    : QObject(bar), m_id(id), m_title(title), m_color(color), m_bar(bar)
{
}

void KIVQRibbonContextGroup::setColor(const QColor& color)
{
    m_color = color;
    if (m_bar)
        m_bar->rebuildTabs();
}

KIVQRibbonPage* KIVQRibbonContextGroup::addPage(const QString& id, const QString& title)
{
    if (!m_bar)
        return nullptr;
    KIVQRibbonPage* page = m_bar->insertPage(m_bar->pageCount(), id, title);
    m_bar->attachToPage(page, this);
    return page;
}

} // namespace KIVQtLib
