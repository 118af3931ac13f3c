#include "KIVQPaintHelpers.h"

#include "Limits.h"
#include "SvgImageCache.h"
#include "theme/ImageFiles.h"
#include "theme/KIVQResourceManager.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace KIVQtLib {

namespace {

KIVQResourceManager* resources()
{
    return KIVQResourceManager::getInstance();
}

bool hasPixels(const QImage* image)
{
    return image && KIVQPaintHelpers::isImageValid(*image);
}

qreal devicePixelRatio(const QPainter* painter)
{
    const QPaintDevice* device = painter->device();
    return device ? std::max<qreal>(device->devicePixelRatioF(), 1.0) : 1.0;
}

// A transparent scratch image of logical size s, sharp on the painter's device.
QImage scratchImage(const QPainter* painter, const QSize& s)
{
    const qreal dpr = devicePixelRatio(painter);
    QImage image(QSize(qCeil(s.width() * dpr), qCeil(s.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

// Start of an item of length size aligned 0 (start), 1 (centre) or 2 (end) in a span; other values give 0.
qint64 alignedStart(int align, qint64 spanStart, qint64 spanLength, qint64 size)
{
    switch (align) {
    case 0:
        return spanStart;
    case 1:
        return spanStart + (spanLength - size) / 2;
    case 2:
        return spanStart + spanLength - size;
    default:
        return 0;
    }
}

QPoint alignedPosition(const QRect& r, const QSize& s, const IconStyleDesc& d)
{
    return QPoint(limits::boundedCoord(alignedStart(d.horAlign, r.left(), r.width(), s.width()) + d.offsetX),
                  limits::boundedCoord(alignedStart(d.verAlign, r.top(), r.height(), s.height()) + d.offsetY));
}

// A prefix (or suffix) of text of at least n characters that does not end (or begin) inside a surrogate pair.
QString textPiece(const QString& text, int n, bool fromEnd)
{
    if (!fromEnd) {
        if (n < text.size() && text.at(n - 1).isHighSurrogate())
            ++n;
        return text.left(n);
    }
    if (n < text.size() && text.at(text.size() - n).isLowSurrogate())
        ++n;
    return text.right(n);
}

// The first of ever longer pieces of text (from its start, or from its end) wider than width, or the whole
// text when none is: what lies beyond that piece cannot show in the width, and laying it out only costs time.
template <class Metrics>
QString overflowingPiece(const Metrics& metrics, const QString& text, qreal width, bool fromEnd)
{
    for (qint64 n = std::max<qint64>(64, qint64(width)); n < text.size(); n *= 4) {
        QString piece = textPiece(text, int(n), fromEnd);
        if (metrics.horizontalAdvance(piece) > width)
            return piece;
    }
    return text;
}

// No text shows wider than the widest window.
template <class Metrics> qreal boundedAdvance(const Metrics& metrics, const QString& text)
{
    const QString measured = overflowingPiece(metrics, text, limits::kMaxWindowSide, false);
    return std::min<qreal>(metrics.horizontalAdvance(measured), limits::kMaxWindowSide);
}

// roundedRectPath, remembered: every control paints in its own coordinates, so a page's buttons of one size
// ask for the same few paths on every paint. A path kept keeps the form the paint engine converts it to.
QPainterPath sharedRoundedPath(const QRectF& r, double radius, bool tl, bool tr, bool br, bool bl)
{
    struct Entry
    {
        double x = 0, y = 0, w = -1, h = -1, radius = 0;
        int corners = -1;
        QPainterPath path;
    };
    thread_local std::array<Entry, 16> entries;
    thread_local size_t next = 0;
    const int corners = (tl ? 1 : 0) | (tr ? 2 : 0) | (br ? 4 : 0) | (bl ? 8 : 0);
    // Exact comparison: QRectF's own is fuzzy, and a path for a nearly equal rectangle is another path.
    for (const Entry& e : entries) {
        if (e.corners == corners && e.radius == radius && e.x == r.x() && e.y == r.y() && e.w == r.width() &&
            e.h == r.height())
            return e.path;
    }
    Entry& slot = entries[next];
    next = (next + 1) % entries.size();
    slot = Entry{r.x(),
                 r.y(),
                 r.width(),
                 r.height(),
                 radius,
                 corners,
                 KIVQPaintHelpers::roundedRectPath(r, radius, tl, tr, br, bl)};
    return slot.path;
}

// A small solid rounded fill, drawn from an image of it kept for its size, radius, corners and colour: Qt
// rasterises the anti-aliased corners afresh on every paint, and a page has many buttons alike. Over
// any pixels the image blends to exactly what the fill writes, as long as the raster engine draws both
// at a whole-pixel offset at full opacity; false leaves the fill to the caller.
bool paintKeptRoundedFill(QPainter* painter, const QRectF& r, double radius, int corners, const QColor& colour)
{
    constexpr int kMaxArea = 128 * 64;
    const QRect bounds = r.toAlignedRect();
    if (bounds.isEmpty() || qint64(bounds.width()) * bounds.height() > kMaxArea || !painter->paintEngine() ||
        painter->paintEngine()->type() != QPaintEngine::Raster || painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform device = painter->deviceTransform();
    if (device.type() > QTransform::TxTranslate || device.dx() != std::floor(device.dx()) ||
        device.dy() != std::floor(device.dy()))
        return false;

    struct Entry
    {
        QRectF local;
        double radius = 0;
        int corners = -1;
        QRgba64 colour;
        QImage image;
    };
    thread_local std::array<Entry, 16> entries;
    thread_local size_t next = 0;
    // The fractional position within the pixel is kept: it decides the coverage of the edges.
    const QRectF local = r.translated(-bounds.topLeft());
    const QRgba64 rgba = colour.rgba64();
    const QImage* image = nullptr;
    for (const Entry& e : entries) {
        if (e.corners == corners && e.radius == radius && e.colour == rgba && e.local.x() == local.x() &&
            e.local.y() == local.y() && e.local.width() == local.width() && e.local.height() == local.height()) {
            image = &e.image;
            break;
        }
    }
    if (!image) {
        Entry& slot = entries[next];
        next = (next + 1) % entries.size();
        slot = Entry{local, radius, corners, rgba, QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied)};
        slot.image.fill(Qt::transparent);
        QPainter p(&slot.image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(sharedRoundedPath(local, radius, corners & 1, corners & 2, corners & 4, corners & 8),
                   QBrush(colour));
        image = &slot.image;
    }
    painter->drawImage(bounds.topLeft(), *image);
    return true;
}

// Puts back only what a colour fill changes. save() and restore() copy the painter's whole state, font,
// clip and transform included, which costs more than the fill of a small rounded button.
class FillStateGuard
{
public:
    explicit FillStateGuard(QPainter* painter)
        : m_painter(painter), m_antialiased(painter->testRenderHint(QPainter::Antialiasing))
    {
    }
    ~FillStateGuard()
    {
        if (m_penChanged) {
            m_painter->setPen(m_pen);
            m_painter->setBrush(m_brush);
        }
        if (m_painter->testRenderHint(QPainter::Antialiasing) != m_antialiased)
            m_painter->setRenderHint(QPainter::Antialiasing, m_antialiased);
    }
    FillStateGuard(const FillStateGuard&) = delete;
    FillStateGuard& operator=(const FillStateGuard&) = delete;

    void antialias()
    {
        if (!m_antialiased)
            m_painter->setRenderHint(QPainter::Antialiasing, true);
    }
    void outline(const QPen& pen)
    {
        if (!m_penChanged) {
            m_penChanged = true;
            m_pen = m_painter->pen();
            m_brush = m_painter->brush();
        }
        m_painter->setPen(pen);
        m_painter->setBrush(Qt::NoBrush);
    }

private:
    QPainter* m_painter;
    const bool m_antialiased;
    bool m_penChanged = false;
    QPen m_pen;
    QBrush m_brush;
};

// What QIcon makes of a name it cannot read: an icon that is there and draws nothing.
class EmptyIconEngine : public QIconEngine
{
public:
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return QPixmap(); }
    QIconEngine* clone() const override { return new EmptyIconEngine; }
};

} // namespace

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
    if (w <= 0 || h <= 0)
        return;
    // A negative size from a hand-written style means no border, not an undefined pen.
    const int b = std::max(res.borderSize, 0);
    const double half = b >= 1 ? b * 0.5 : 0.0;
    const bool bordered = res.border && b != 0;
    const bool allSides = res.leftBorder && res.topBorder && res.rightBorder && res.bottomBorder;
    const double dx = x, dy = y, dw = w, dh = h;
    const QRectF inset(dx + half, dy + half, std::max(dw - b, 0.0), std::max(dh - b, 0.0));

    FillStateGuard state(painter);
    QPen pen(QBrush(res.borderColour), b, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);

    auto fillBrush = [&res](double left, double top, double right) -> QBrush {
        if (!res.gradient)
            return QBrush(res.colour);
        QLinearGradient gradient(left, top, right, top);
        gradient.setColorAt(0, res.colour);
        gradient.setColorAt(1, res.colour2);
        return QBrush(gradient);
    };

    if (res.round != 0) {
        state.antialias();
        const bool insetFill = res.border && b >= 1;
        const QRectF fillRect = insetFill ? inset : QRectF(dx, dy, dw, dh);
        const double radius = insetFill ? std::max(res.round - half, 0.0) : double(res.round);
        const int corners = (res.roundTopLeft ? 1 : 0) | (res.roundTopRight ? 2 : 0) | (res.roundBottomRight ? 4 : 0) |
                            (res.roundBottomLeft ? 8 : 0);
        if (res.gradient || !paintKeptRoundedFill(painter, fillRect, radius, corners, res.colour))
            painter->fillPath(sharedRoundedPath(fillRect, radius, res.roundTopLeft, res.roundTopRight,
                                                res.roundBottomRight, res.roundBottomLeft),
                              fillBrush(fillRect.left(), fillRect.top(), fillRect.right()));
        if (bordered) {
            state.outline(pen);
            if (allSides) {
                painter->drawPath(sharedRoundedPath(inset, res.round, res.roundTopLeft, res.roundTopRight,
                                                    res.roundBottomRight, res.roundBottomLeft));
            } else {
                const double crTL = res.roundTopLeft ? res.round : 0.0;
                const double crTR = res.roundTopRight ? res.round : 0.0;
                const double crBR = res.roundBottomRight ? res.round : 0.0;
                const double crBL = res.roundBottomLeft ? res.round : 0.0;
                if (res.bottomBorder)
                    painter->drawLine(QPointF(dx + std::max(crBL, half), dy + dh - half),
                                      QPointF(dx + dw - std::max(crBR, half), dy + dh - half));
                if (res.topBorder)
                    painter->drawLine(QPointF(dx + std::max(crTL, half), dy + half),
                                      QPointF(dx + dw - std::max(crTR, half), dy + half));
                if (res.rightBorder)
                    painter->drawLine(QPointF(dx + dw - half, dy + std::max(crTR, half)),
                                      QPointF(dx + dw - half, dy + dh - std::max(crBR, half)));
                if (res.leftBorder)
                    painter->drawLine(QPointF(dx + half, dy + std::max(crTL, half)),
                                      QPointF(dx + half, dy + dh - std::max(crBL, half)));
            }
        }
    } else {
        painter->fillRect(QRectF(dx, dy, dw, dh), fillBrush(dx, 0, dx + dw));
        if (bordered) {
            if (allSides) {
                // Centred on the inset rectangle with mitred corners, a frame of any width covers exactly the
                // outer b pixels; on the rectangle's own edges it would spill b/2 outside and chip the corners.
                pen.setJoinStyle(Qt::MiterJoin);
                state.outline(pen);
                painter->drawRect(inset);
            } else {
                state.outline(pen);
                if (res.bottomBorder)
                    painter->drawLine(QPointF(dx + half, dy + dh - half), QPointF(dx + dw - half, dy + dh - half));
                if (res.topBorder)
                    painter->drawLine(QPointF(dx + half, dy + half), QPointF(dx + dw - half, dy + half));
                if (res.rightBorder)
                    painter->drawLine(QPointF(dx + dw - half, dy + half), QPointF(dx + dw - half, dy + dh - half));
                if (res.leftBorder)
                    painter->drawLine(QPointF(dx + half, dy + half), QPointF(dx + half, dy + dh - half));
            }
        }
    }
}

void KIVQPaintHelpers::paintImageFill(QPainter* painter, const FillStyle& imagePart, int x, int y, int w, int h)
{
    paintImageFill(painter, imagePart.image, imagePart.imageDesc, x, y, w, h);
}

void KIVQPaintHelpers::paintImageFill(QPainter* painter, const QString& name, const ImageDesc& desc, int x, int y,
                                      int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    const QImage* image = resources()->getImage(name, false);
    if (!hasPixels(image))
        return;
    const int iw = image->width();
    const int ih = image->height();
    const int L = desc.margins[ImageDesc::Left];
    const int R = desc.margins[ImageDesc::Right];
    const int T = desc.margins[ImageDesc::Top];
    const int B = desc.margins[ImageDesc::Bottom];

    int lastRight = 0;
    bool drewAny = false;
    auto region = [&](const QRect& target, const QRect& source) {
        if (target.isEmpty() || source.isEmpty())
            return false;
        painter->drawImage(target, *image, source);
        lastRight = target.x() + target.width();
        drewAny = true;
        return true;
    };

    if (T != 0)
        region(QRect(x + L, y, w - L - R, T), QRect(L, 0, iw - L - R, T));
    if (B != 0 && y + h - B >= 0)
        region(QRect(x + L, y + h - B, w - L - R, B), QRect(L, ih - B, iw - L - R, B));
    if (L != 0)
        region(QRect(x, y + T, L, h - T - B), QRect(0, T, L, ih - T - B));
    if (R != 0 && x + w - R >= 0) {
        const QRect target(x + w - R, y + T, R, h - T - B);
        const QRect source(iw - R, T, R, ih - T - B);
        // In a rectangle narrower than both side margins the right edge gives way to what is already drawn.
        if (drewAny && lastRight > x + w - R && !target.isEmpty() && !source.isEmpty()) {
            painter->save();
            painter->setClipRect(QRect(lastRight, y + T, R, h - T - B), Qt::IntersectClip);
            region(target, source);
            painter->restore();
        } else {
            region(target, source);
        }
    }
    if (L != 0 && T != 0)
        region(QRect(x, y, L, T), QRect(0, 0, L, T));
    if (R != 0 && T != 0)
        region(QRect(x + w - R, y, R, T), QRect(iw - R, 0, R, T));
    if (L != 0 && B != 0)
        region(QRect(x, y + h - B, L, B), QRect(0, ih - B, L, B));
    if (R != 0 && B != 0)
        region(QRect(x + w - R, y + h - B, R, B), QRect(iw - R, ih - B, R, B));

    const QRect centre(x + L, y + T, w - L - R, h - T - B);
    const QRect source(L, T, iw - L - R, ih - T - B);
    if (centre.isEmpty() || source.isEmpty())
        return;
    if (!desc.repeatCenter) {
        painter->drawImage(centre, *image, source);
        return;
    }
    painter->save();
    painter->setClipRect(centre, Qt::IntersectClip);
    const int columns = (centre.width() + source.width() - 1) / source.width();
    const int rows = (centre.height() + source.height() - 1) / source.height();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            painter->drawImage(QPoint(centre.x() + column * source.width(), centre.y() + row * source.height()), *image,
                               source);
    }
    painter->restore();
}

QPainterPath KIVQPaintHelpers::roundedRectPath(const QRectF& r, double radius, bool tl, bool tr, bool br, bool bl)
{
    QPainterPath path;
    if (!r.isValid())
        return path;
    const double rad = std::max(std::min(radius, std::min(r.width(), r.height()) * 0.5), 0.0);
    if (rad == 0.0) {
        path.addRect(r);
        return path;
    }
    const double d = 2 * rad;
    const double left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    path.moveTo(left + (tl ? rad : 0.0), top);
    if (tr) {
        path.lineTo(right - rad, top);
        path.arcTo(QRectF(right - d, top, d, d), 90, -90);
    } else {
        path.lineTo(right, top);
    }
    if (br) {
        path.lineTo(right, bottom - rad);
        path.arcTo(QRectF(right - d, bottom - d, d, d), 0, -90);
    } else {
        path.lineTo(right, bottom);
    }
    if (bl) {
        path.lineTo(left + rad, bottom);
        path.arcTo(QRectF(left, bottom - d, d, d), 270, -90);
    } else {
        path.lineTo(left, bottom);
    }
    if (tl) {
        path.lineTo(left, top + rad);
        path.arcTo(QRectF(left, top, d, d), 180, -90);
    } else {
        path.lineTo(left, top);
    }
    path.closeSubpath();
    return path;
}

void KIVQPaintHelpers::paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect)
{
    paintText(painter, text, style, rect.x(), rect.y(), rect.width(), rect.height(), style.isHor);
}

void KIVQPaintHelpers::paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y,
                                 int w, int h, bool horizontal)
{
    if (text.isEmpty())
        return;
    const Qt::Alignment align = textAlignment(style);
    const QFont font = styleFont(style);
    painter->setBrush(style.colour);
    painter->setRenderHint(QPainter::TextAntialiasing, true);

    if (horizontal) {
        QRect rect(x + style.x, y + style.y, w - style.x, h - style.y);
        if (style.verAlign == 2)
            rect.setHeight(h + style.y);
        painter->setPen(style.colour);
        painter->setFont(font);
        // Elided to the width left after the offset: a wider text would wrap onto a second line.
        const QString shown =
            style.elideMode == 3 ? text : elidedText(painter->fontMetrics(), text, Qt::ElideRight, rect.width() - 2);
        painter->drawText(QRectF(rect), shown, QTextOption(align));
        return;
    }

    if (w <= 0 || h <= 0)
        return;
    // Laid out horizontally in an h-by-w image, then turned a quarter clockwise onto (x, y, w, h). The
    // quarter turn maps (u, v) to (-v, u): image column i lands at y + i, image row j at x + w - j. Only
    // the reachable part of (x, y, w, h) gets pixels.
    const QRect shown = QRect(x, y, w, h) & reachableRect(painter);
    if (shown.isEmpty())
        return;
    QImage image = scratchImage(painter, QSize(shown.height(), shown.width()));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(style.colour);
        p.setBrush(style.colour);
        p.setFont(font);
        p.translate(y - shown.y(), shown.x() + shown.width() - (x + w));
        p.drawText(QRectF(0, 0, h, w), text, QTextOption(align));
    }
    painter->save();
    painter->rotate(90);
    painter->drawImage(QPointF(shown.y(), -(shown.x() + shown.width())), image);
    painter->restore();
}

QSize KIVQPaintHelpers::measureText(const TextStyleDesc& style, const QString& text)
{
    // Rounded up from the fractional advance: the rounded integer one can fall short of the text, which
    // then elides in a rectangle of the measured width.
    const QFontMetricsF fm(styleFont(style));
    return QSize(int(std::ceil(boundedAdvance(fm, text))), int(std::ceil(fm.height())));
}

QFont KIVQPaintHelpers::styleFont(const TextStyleDesc& style)
{
    // One font per face, shared: a font made afresh looks up its font engine again wherever it is
    // measured or drawn, and every label measures its text.
    struct Face
    {
        QString family;
        int size;
        int flags;
        bool operator==(const Face& o) const { return size == o.size && flags == o.flags && family == o.family; }
    };
    struct FaceHash
    {
        size_t operator()(const Face& f) const { return qHash(f.family) ^ (uint(f.size) << 3) ^ uint(f.flags); }
    };
    thread_local std::unordered_map<Face, QFont, FaceHash> fonts;

    const QString global = resources()->getGlobalFontFamily();
    Face face{global.isEmpty() ? style.family : global, std::max(style.size, 1),
              (style.bold ? 1 : 0) | (style.italic ? 2 : 0) | (style.underline ? 4 : 0)};
    auto it = fonts.find(face);
    if (it != fonts.end())
        return it->second;
    QFont font(face.family);
    font.setPixelSize(face.size);
    font.setWeight(style.bold ? 75 : 50);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    if (fonts.size() >= 256)
        fonts.clear();
    fonts.emplace(std::move(face), font);
    return font;
}

void KIVQPaintHelpers::paintIcon(QPainter* painter, const QIcon& icon, const QSize& size, const IconStyleDesc& desc,
                                 const QRect& rect)
{
    if (icon.isNull())
        return;
    const QPixmap pixmap = icon.pixmap(size.width(), size.height(), QIcon::Normal, QIcon::Off);
    if (pixmap.isNull())
        return;
    painter->drawPixmap(alignedPosition(rect, size, desc), pixmap);
}

void KIVQPaintHelpers::paintImageOrSvg(QPainter* painter, const QString& name, const IconStyleDesc& desc,
                                       const QRect& rect, bool gray, const QSize& fit)
{
    paintImageOrSvg(painter, name, desc, rect.x(), rect.y(), rect.width(), rect.height(), gray, fit);
}

void KIVQPaintHelpers::paintImageOrSvg(QPainter* painter, const QString& name, const IconStyleDesc& desc, int x, int y,
                                       int w, int h, bool gray, const QSize& fit)
{
    if (name.isEmpty())
        return;
    const QRect rect(x, y, w, h);
    if (!isSvgPath(name)) {
        const QImage* image = resources()->getImage(name, gray, fit);
        if (!hasPixels(image))
            return;
        painter->drawImage(alignedPosition(rect, image->size(), desc), *image);
        return;
    }

    QSvgRenderer* renderer = resources()->getSvgRenderer(name);
    if (!renderer || !renderer->isValid())
        return;
    const QSize s = svgSize(renderer->defaultSize(), std::max(std::min(w, h), 1));
    const QRect target(alignedPosition(rect, s, desc), s);

    if (desc.recolour)
        paintTintedSvg(painter, renderer, target, desc.colour);
    else if (gray)
        paintGreyedSvg(painter, renderer, target);
    else
        renderer->render(painter, QRectF(target));
}

// The scratch image holds the reachable part of the drawing only, never the size the SVG declares.
void KIVQPaintHelpers::paintTintedSvg(QPainter* painter, QSvgRenderer* renderer, const QRect& target,
                                      const QColor& colour)
{
    const QRect shown = target & reachableRect(painter);
    if (!shown.isEmpty())
        painter->drawImage(shown.topLeft(),
                           SvgImageCache::tinted(renderer, target, shown, colour, devicePixelRatio(painter)));
}

void KIVQPaintHelpers::paintGreyedSvg(QPainter* painter, QSvgRenderer* renderer, const QRect& target)
{
    const QRect shown = target & reachableRect(painter);
    if (!shown.isEmpty())
        painter->drawPixmap(shown.topLeft(), SvgImageCache::greyed(renderer, target, shown));
}

QSize KIVQPaintHelpers::imageOrSvgSize(const QString& name, bool gray, const QSize& fit)
{
    if (name.isEmpty())
        return QSize();
    if (isSvgPath(name)) {
        QSvgRenderer* renderer = resources()->getSvgRenderer(name);
        if (!renderer || !renderer->isValid())
            return QSize();
        return svgSize(renderer->defaultSize(), 16);
    }
    const QImage* image = resources()->getImage(name, gray, fit);
    return hasPixels(image) ? image->size() : QSize();
}

QRect KIVQPaintHelpers::reachableRect(const QPainter* painter)
{
    QRectF area = painter->combinedTransform().inverted().mapRect(QRectF(painter->viewport()));
    const QPaintEngine* engine = painter->paintEngine();
    const QRegion exposed = engine ? engine->systemClip() : QRegion();
    if (!exposed.isEmpty())
        area &= painter->deviceTransform().inverted().mapRect(QRectF(exposed.boundingRect()));
    if (painter->hasClipping())
        area &= painter->clipBoundingRect();
    return area.toAlignedRect();
}

QSize KIVQPaintHelpers::svgSize(const QSize& declared, int fallback)
{
    const QSize s = scaledSize(declared);
    if (s.isEmpty())
        return QSize(fallback, fallback);
    // A declared size may be anything; within the coordinate range, placing it cannot overflow.
    return QSize(int(std::min<qint64>(s.width(), limits::kCoordLimit)),
                 int(std::min<qint64>(s.height(), limits::kCoordLimit)));
}

QString KIVQPaintHelpers::elidedText(const QFontMetrics& metrics, const QString& text, Qt::TextElideMode mode,
                                     int width, int flags)
{
    // Qt lays out the whole text to elide it, megabytes of it on every resize. A piece that already
    // overflows the width elides to the same result, so only such a piece is laid out.
    if (mode == Qt::ElideLeft || mode == Qt::ElideRight)
        return metrics.elidedText(overflowingPiece(metrics, text, width, mode == Qt::ElideLeft), mode, width, flags);
    if (mode == Qt::ElideMiddle) {
        for (qint64 n = std::max(64, width); n < text.size(); n *= 4) {
            const QString head = textPiece(text, int(n), false);
            const QString tail = textPiece(text, int(n), true);
            if (head.size() + tail.size() >= text.size())
                break;
            if (metrics.horizontalAdvance(head) > width && metrics.horizontalAdvance(tail) > width)
                return metrics.elidedText(head + tail, mode, width, flags);
        }
    }
    return metrics.elidedText(text, mode, width, flags);
}

int KIVQPaintHelpers::textAdvance(const QFontMetrics& metrics, const QString& text)
{
    return int(boundedAdvance(metrics, text));
}

QString KIVQPaintHelpers::measuredPiece(const QFontMetrics& metrics, const QString& text)
{
    return overflowingPiece(metrics, text, limits::kMaxWindowSide, false);
}

bool KIVQPaintHelpers::isSvgPath(const QString& name)
{
    return name.trimmed().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

QIcon KIVQPaintHelpers::iconFromFile(const QString& path, const QSize& fit)
{
    if (path.isEmpty())
        return QIcon();
    QIcon icon;
    switch (imageio::readIcon(path, fit, icon)) {
    case imageio::ImageOk:
        return icon;
    case imageio::ImageMissing:
    case imageio::ImageUnreadable:
        // As QIcon made it of such a name: an icon that is there and draws nothing.
        return QIcon(new EmptyIconEngine);
    case imageio::ImageRefused:
        break;
    }
    return QIcon();
}

bool KIVQPaintHelpers::isImageValid(const QImage& image)
{
    return image.width() != 0 && image.height() != 0;
}

Qt::Alignment KIVQPaintHelpers::textAlignment(const TextStyleDesc& style)
{
    static constexpr Qt::AlignmentFlag hor[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag ver[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    Qt::Alignment align;
    if (style.horAlign >= 0 && style.horAlign < 3)
        align |= hor[style.horAlign];
    if (style.verAlign >= 0 && style.verAlign < 3)
        align |= ver[style.verAlign];
    return align;
}

QSize KIVQPaintHelpers::scaledSize(const QSize& size)
{
    if (!size.isValid())
        return QSize();
    const float f = resources()->getScaleFactor();
    if (!(f < 1.0f))
        return size;
    const auto scale = [f](int v) { return std::max(int(std::lround(float(v) * f)), 1); };
    return QSize(scale(size.width()), scale(size.height()));
}

} // namespace KIVQtLib
