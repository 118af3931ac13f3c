#include "KIVQImageImpl.h"

#include "KIVQImage.h"
#include "core/JsonAttr.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QtMath>

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
    return QRect(rect.left() + alignedOffset(horAlign, w, s.width()), rect.top() + alignedOffset(verAlign, h, s.height()),
                 s.width(), s.height());
}

// Unlike other controls the image keeps its state normal: it takes no press, enter or leave.
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
    if (frames > 0 && frameNumber == frames - 1)
        Q_EMIT m_control->movieFinished();
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
    QSize s = renderer->defaultSize();
    if (!s.isValid() || s.isEmpty())
        s = QSize(std::max(m_control->width(), 1), std::max(m_control->height(), 1));
    const QRect target = targetRect(rect, s);
    if (target.width() < 1 || target.height() < 1)
        return;
    if (!useSvgColor) {
        renderer->render(painter, QRectF(target));
        return;
    }
    // Every pixel the drawing covers takes the colour, with the drawing's own alpha.
    const QPaintDevice* device = painter->device();
    const qreal dpr = device ? std::max<qreal>(device->devicePixelRatioF(), 1.0) : 1.0;
    QImage tinted(QSize(qCeil(target.width() * dpr), qCeil(target.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
    tinted.setDevicePixelRatio(dpr);
    tinted.fill(Qt::transparent);
    {
        QPainter p(&tinted);
        renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(target.size())));
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(QRectF(QPointF(0, 0), QSizeF(target.size())), svgColor);
    }
    painter->drawImage(target.topLeft(), tinted);
}

void KIVQImageImpl::playGif(const QString& path)
{
    m_movie.reset(new QMovie(path));
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
    if (m_movieLabel)
        m_movieLabel->hide();
}

bool KIVQImageImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    // The picture belongs to the program; a theme entry only says how pictures are drawn.
    const bool fromTheme = KIVQResourceManager::getInstance()->isLoadFromThemeRes();
    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);

    QString path = read || !svgPath.isEmpty() ? QString() : imagePath;
    if ((!read || !fromTheme) && attr.io("path", path, QString())) {
        imagePath = path;
        if (KIVQPaintHelpers::isSvgPath(path))
            svgPath = path;
    }
    attr.io("fill", stretch, true);
    if (!read || !fromTheme)
        attr.io("svgPath", svgPath, QString());
    attr.io("svgUseColor", useSvgColor, false);
    attr.ioColor("svgColor", svgColor, QColor(0, 0, 0));
    return true;
}

} // namespace KIVQtLib
