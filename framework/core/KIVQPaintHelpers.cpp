#include "KIVQPaintHelpers.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>

// Placeholder bodies until the painting helpers land; they keep the framework linkable.
namespace KIVQtLib {

void KIVQPaintHelpers::paintFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect)
{
    paintFillStyle(painter, style, rect.x(), rect.y(), rect.width(), rect.height());
}

void KIVQPaintHelpers::paintFillStyle(QPainter* painter, const FillStyle& style, int x, int y, int w, int h)
{
    if (!style.draw)
        return;
    if (style.colourFill)
        paintColorFill(painter, style.res, x, y, w, h);
    else
        paintImageFill(painter, style.image, style.imageDesc, x, y, w, h);
}

void KIVQPaintHelpers::paintColorFill(QPainter* painter, const FillRes& res, int x, int y, int w, int h)
{
    painter->fillRect(x, y, w, h, res.colour);
}

void KIVQPaintHelpers::paintImageFill(QPainter*, const QString&, const ImageDesc&, int, int, int, int) {}

QPainterPath KIVQPaintHelpers::roundedRectPath(const QRectF& rect, double, bool, bool, bool, bool)
{
    QPainterPath p;
    p.addRect(rect);
    return p;
}

void KIVQPaintHelpers::paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect)
{
    paintText(painter, text, style, rect.x(), rect.y(), rect.width(), rect.height(), style.isHor);
}

void KIVQPaintHelpers::paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y,
                                 int w, int h, bool)
{
    painter->setFont(styleFont(style));
    painter->setPen(style.colour);
    painter->drawText(QRect(x, y, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

QSize KIVQPaintHelpers::measureText(const TextStyleDesc& style, const QString& text)
{
    const QFontMetrics fm(styleFont(style));
    return QSize(fm.horizontalAdvance(text), fm.height());
}

QFont KIVQPaintHelpers::styleFont(const TextStyleDesc& style)
{
    QFont f(style.family);
    f.setPixelSize(qMax(1, style.size));
    f.setBold(style.bold);
    f.setItalic(style.italic);
    f.setUnderline(style.underline);
    return f;
}

void KIVQPaintHelpers::paintIcon(QPainter*, const QIcon&, const QSize&, const IconStyleDesc&, const QRect&) {}

void KIVQPaintHelpers::paintImageOrSvg(QPainter* painter, const QString& name, const IconStyleDesc& desc,
                                       const QRect& rect, bool gray)
{
    paintImageOrSvg(painter, name, desc, rect.x(), rect.y(), rect.width(), rect.height(), gray);
}

void KIVQPaintHelpers::paintImageOrSvg(QPainter*, const QString&, const IconStyleDesc&, int, int, int, int, bool) {}

QSize KIVQPaintHelpers::imageOrSvgSize(const QString&, bool) { return QSize(); }

QSize KIVQPaintHelpers::scaledSize(const QSize& size) { return size; }

} // namespace KIVQtLib
