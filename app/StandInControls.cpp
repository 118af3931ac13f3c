#include "StandInControls.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

using namespace KIVQtLib;

StandInPageStack::StandInPageStack(QWidget* parent) : KIVQContainer(parent)
{
    setChildLayout(KIVQContainer::NoUse);
}

int StandInPageStack::addWidget(QWidget* page)
{
    if (!page)
        return -1;
    page->setParent(this);
    page->hide();
    m_pages.append(page);
    return m_pages.size() - 1;
}

void StandInPageStack::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    if (QWidget* old = m_pages.value(m_current); old && index != m_current)
        old->hide();
    m_current = index;
    fitCurrent();
    m_pages.at(index)->show();
    m_pages.at(index)->raise();
}

void StandInPageStack::resizeEvent(QResizeEvent* event)
{
    KIVQContainer::resizeEvent(event);
    fitCurrent();
}

void StandInPageStack::fitCurrent()
{
    QWidget* page = m_pages.value(m_current);
    if (!page)
        return;
    page->setGeometry(rect());
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(page))
        control->resizeWidget();
    if (auto* container = qobject_cast<KIVQContainer*>(page))
        container->forceResize();
}

StandInSvgIcon::StandInSvgIcon(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StandInSvgIcon::setSvgPath(const QString& path)
{
    m_path = path;
    update();
}

void StandInSvgIcon::setSvgColor(const QColor& colour)
{
    m_colour = colour;
    update();
}

void StandInSvgIcon::paintEvent(QPaintEvent*)
{
    QSvgRenderer renderer(m_path);
    if (!renderer.isValid() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    QImage image(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(rect()));
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(rect(), m_colour);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image);
}

void StandInSvgIcon::setCentredInParent(bool on)
{
    if (m_centred == on || !parentWidget())
        return;
    m_centred = on;
    if (on) {
        parentWidget()->installEventFilter(this);
        centre();
    } else {
        parentWidget()->removeEventFilter(this);
    }
}

bool StandInSvgIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        centre();
    return QWidget::eventFilter(watched, event);
}

void StandInSvgIcon::centre()
{
    if (QWidget* parent = parentWidget())
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
}
