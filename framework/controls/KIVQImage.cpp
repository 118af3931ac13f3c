#include "KIVQImage.h"

#include "KIVQImageImpl.h"

#include <QLabel>
#include <QMovie>
#include <QPointer>

namespace KIVQtLib {

KIVQImage::KIVQImage(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

void KIVQImage::loadGif(const QString& path)
{
    KIVQImageImpl* d = impl();
    d->imagePath.clear();
    d->svgPath.clear();
    d->image = QImage();
    d->hasImage = false;
    d->playGif(path);
}

void KIVQImage::startAnimate()
{
    if (QMovie* movie = impl()->movie())
        movie->start();
}

void KIVQImage::stopAnimate()
{
    if (QMovie* movie = impl()->movie())
        movie->stop();
}

void KIVQImage::setImagePath(const QString& path)
{
    KIVQImageImpl* d = impl();
    d->dropMovie();
    d->imagePath = path;
    if (KIVQPaintHelpers::isSvgPath(path))
        d->svgPath = path;
    else
        d->svgPath.clear();
    update();
}

const QString& KIVQImage::getImagePath() const
{
    return impl()->imagePath;
}

void KIVQImage::setImage(const QImage* image)
{
    KIVQImageImpl* d = impl();
    d->hasImage = image != nullptr;
    d->image = image ? *image : QImage();
    d->svgPath.clear();
    update();
}

const QImage* KIVQImage::getImage() const
{
    return impl()->hasImage ? &impl()->image : nullptr;
}

void KIVQImage::setSvgPath(const QString& path)
{
    KIVQImageImpl* d = impl();
    d->dropMovie();
    d->svgPath = path;
    d->imagePath.clear();
    d->image = QImage();
    d->hasImage = false;
    update();
}

const QString& KIVQImage::getSvgPath() const
{
    return impl()->svgPath;
}

void KIVQImage::setSvgColor(const QColor& colour)
{
    impl()->svgColor = colour;
    impl()->useSvgColor = true;
    update();
}

QColor KIVQImage::getSvgColor() const
{
    return impl()->svgColor;
}

void KIVQImage::setUseSvgColor(bool on)
{
    if (impl()->useSvgColor == on)
        return;
    impl()->useSvgColor = on;
    update();
}

bool KIVQImage::getUseSvgColor() const
{
    return impl()->useSvgColor;
}

void KIVQImage::setStretchDraw(bool on)
{
    impl()->stretch = on;
    update();
}

bool KIVQImage::getStretchDraw() const
{
    return impl()->stretch;
}

void KIVQImage::setAlignType(DockLayoutType hor, DockLayoutType ver)
{
    impl()->horAlign = hor;
    impl()->verAlign = ver;
    update();
}

// Whatever the button and wherever the release lies; a slot may delete the control.
void KIVQImage::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<KIVQImage> alive(this);
    KIVQControlBase::mouseReleaseEvent(event);
    if (!alive)
        return;
    Q_EMIT clicked();
    // Taken once a slot deleted the image: Qt passes an ignored event on through its receiver.
    if (!alive)
        event->accept();
}

void KIVQImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (QLabel* label = impl()->movieLabel())
        label->setGeometry(rect());
}

ControlInfo KIVQImage::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQImage", "Image", "Control Image", "picture");
    info.properties.push_back(props::text<KIVQImage>(QStringLiteral("ImagePath"), PropertyDef::ImageName,
                                                     &KIVQImage::setImagePath, &KIVQImage::getImagePath));
    info.properties.push_back(
        props::onOff<KIVQImage>(QStringLiteral("Stretch"), &KIVQImage::setStretchDraw, &KIVQImage::getStretchDraw));
    return info;
}

} // namespace KIVQtLib
