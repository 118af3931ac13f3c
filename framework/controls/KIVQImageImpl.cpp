#include "KIVQImageImpl.h"

#include "KIVQImage.h"
#include "core/ControlJson.h"
#include "core/Limits.h"
#include "theme/ImageFiles.h"
#include "theme/KIVQResourceManager.h"

#include <QBuffer>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace KIVQtLib {

namespace {

int alignedOffset(int align, int span, int size)
{
    switch (align) {
    case DockCenter:
        return (span - size) / 2;
    case DockRightBottom:
        return span - size;
    default:
        return 0;
    }
}

} // namespace

KIVQImageImpl::KIVQImageImpl(KIVQImage* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_control(owner)
{
}

KIVQImageImpl::~KIVQImageImpl() = default;

QRect KIVQImageImpl::targetRect(const QRect& rect, const QSize& s) const
{
    const int w = m_control->width();
    const int h = m_control->height();
    if (stretch)
        return QRect(rect.left(), rect.top(), w, h);
    return QRect(rect.left() + alignedOffset(horAlign, w, s.width()),
                 rect.top() + alignedOffset(verAlign, h, s.height()), s.width(), s.height());
}

void KIVQImageImpl::paintEvent()
{
    {
        QPainter painter(m_control);
        paint(&painter, QRect(0, 0, m_control->width(), m_control->height()));
    }
    if (!m_movie)
        return;
    frameNumber = m_movie->currentFrameNumber();
    const int frames = m_movie->frameCount();
    // Queued: a slot that deletes the control must not do so inside its own paint event.
    if (frames > 0 && frameNumber == frames - 1)
        QMetaObject::invokeMethod(m_control, &KIVQImage::movieFinished, Qt::QueuedConnection);
}

void KIVQImageImpl::paint(QPainter* painter, const QRect& rect)
{
    if (!svgPath.isEmpty()) {
        paintSvg(painter, rect);
        return;
    }
    const QImage* picture = hasImage ? &image : KIVQResourceManager::getInstance()->getImage(imagePath, false);
    if (!picture || picture->isNull())
        return;
    painter->drawImage(targetRect(rect, picture->size()), *picture, picture->rect());
}

void KIVQImageImpl::paintSvg(QPainter* painter, const QRect& rect)
{
    QSvgRenderer* renderer = KIVQResourceManager::getInstance()->getSvgRenderer(svgPath);
    if (!renderer || !renderer->isValid())
        return;
    // A declared size may be anything; within the coordinate range, placing it cannot overflow.
    QSize s = renderer->defaultSize().boundedTo(QSize(int(limits::kCoordLimit), int(limits::kCoordLimit)));
    if (!s.isValid() || s.isEmpty())
        s = QSize(std::max(m_control->width(), 1), std::max(m_control->height(), 1));
    const QRect target = targetRect(rect, s);
    if (target.width() < 1 || target.height() < 1)
        return;
    if (useSvgColor)
        paintTintedSvg(painter, renderer, target, svgColor);
    else
        renderer->render(painter, QRectF(target));
}

void KIVQImageImpl::playGif(const QString& path)
{
    dropMovie();
    QByteArray bytes;
    QByteArray format;
    if (imageio::readAnimation(path, bytes, format) == imageio::ImageRefused)
        return;
    // QMovie decodes its frames from the device as it plays; the device keeps the bytes read.
    m_movieBytes = std::make_unique<QBuffer>();
    m_movieBytes->setData(bytes);
    m_movieBytes->open(QIODevice::ReadOnly);
    m_movie.reset(new QMovie(m_movieBytes.get(), format));
    if (!m_movieLabel) {
        m_movieLabel = new QLabel(m_control);
        markInternalChild(m_movieLabel);
        // Clicks reach the control through the movie.
        m_movieLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    frameNumber = -1;
    m_movieLabel->setGeometry(0, 0, m_control->width(), m_control->height());
    m_movieLabel->setScaledContents(true);
    m_movieLabel->setMovie(m_movie.get());
    m_movieLabel->show();
    m_movie->start();
}

void KIVQImageImpl::dropMovie()
{
    if (m_movie) {
        m_movie->stop();
        m_movie.reset();
    }
    m_movieBytes.reset();
    if (m_movieLabel)
        m_movieLabel->hide();
}

void KIVQImageImpl::serializeJson(ControlJson& io)
{
    const bool read = io.isReading();
    // The picture belongs to the program; a theme entry only says how pictures are drawn.
    const bool ownKeys = !read || !io.fromTheme();
    io.keepAbsentKeys();

    QString path = read || !svgPath.isEmpty() ? QString() : imagePath;
    if (ownKeys && io.attr("path", path, QString())) {
        imagePath = path;
        if (isSvgPath(path))
            svgPath = path;
    }
    io.attr("fill", stretch, true);
    if (ownKeys)
        io.attr("svgPath", svgPath, QString());
    io.attr("svgUseColor", useSvgColor, false);
    io.attrColor("svgColor", svgColor, QColor(0, 0, 0));
}

} // namespace KIVQtLib
