#include "KIVQWindow.h"

#include "KIVQMDIArea.h"
#include "platform/KIVWindowPlatform.h"
#include "theme/KIVQResourceManager.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace KIVQtLib {

KIVQWindow::KIVQWindow(QWidget* parent)
    : QDialog(parent, Qt::WindowFlags()), m_impl(new KIVQWindowImpl(this, KIVQWindowImpl::Window))
{
    KIVQResourceManager::getInstance()->registerWindow(this);
}

KIVQWindow::~KIVQWindow()
{
    KIVQResourceManager::getInstance()->unregisterWindow(this);
    m_impl.reset();
}

KIVQ_FRAMELESS_WINDOW_DEFINE(KIVQWindow, QDialog)

void KIVQWindow::setMinSize(int width, int height)
{
    m_impl->setMinSize(width, height);
}

QSize KIVQWindow::getMinSize() const
{
    return QSize(m_impl->minWidth(), m_impl->minHeight());
}

void KIVQWindow::setMDIArea(KIVQMDIArea* area)
{
    m_impl->setMDIArea(area);
}

KIVQMDIArea* KIVQWindow::getMDIArea() const
{
    return m_impl->mdiArea();
}

void KIVQWindow::doModal()
{
    m_impl->doModal();
}

void KIVQWindow::closeModal()
{
    m_impl->closeModal();
}

void KIVQWindow::closeEvent(QCloseEvent* event)
{
    m_impl->ownerClosing();
    QWidget::closeEvent(event);
}

void KIVQWindow::changeEvent(QEvent* event)
{
    // Without a frame the window manager may maximise over the panels; keep to the work area.
    if (event->type() == QEvent::WindowStateChange && isMaximized())
        platform::fitMaximized(this);
    QDialog::changeEvent(event);
}

} // namespace KIVQtLib
