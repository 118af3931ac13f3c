#pragma once

#include "StyleTypes.h"

#include <QRect>
#include <QSize>

class QFont;
class QFontMetrics;
class QIcon;
class QImage;
class QPainter;
class QPainterPath;
class QSvgRenderer;

namespace KIVQtLib {

// The painting every control shares: fills, rounded paths, text, icons and theme images or SVG.
// Images, renderers and the global font family come from the resource manager, so a theme change shows
// at the next paint. KIVQWidgetBaseImpl derives from this so that an Impl calls them unqualified.
class KIVQTLIB_EXPORT KIVQPaintHelpers
{
public:
    static void paintFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect);
    static void paintFillStyle(QPainter* painter, const FillStyle& style, int x, int y, int w, int h);
    static void paintColorFill(QPainter* painter, const FillRes& res, int x, int y, int w, int h);
    static void paintImageFill(QPainter* painter, const QString& image, const ImageDesc& desc, int x, int y, int w,
                               int h);
    // The image part of a fill style (its image name and ImageDesc), whatever its draw and colour flags say.
    static void paintImageFill(QPainter* painter, const FillStyle& imagePart, int x, int y, int w, int h);
    static QPainterPath roundedRectPath(const QRectF& rect, double radius, bool topLeft, bool topRight,
                                        bool bottomRight, bool bottomLeft);

    static void paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect);
    static void paintText(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y, int w,
                          int h, bool horizontal);
    // Wide enough that the text drawn into a rectangle of this width (plus paintText's 2) never elides, or
    // as wide as the widest window (limits::kMaxWindowSide) for a text wider than that.
    static QSize measureText(const TextStyleDesc& style, const QString& text);
    // The style's font: its pixel size, the global family when one is set, else its own.
    static QFont styleFont(const TextStyleDesc& style);

    static void paintIcon(QPainter* painter, const QIcon& icon, const QSize& size, const IconStyleDesc& desc,
                          const QRect& rect);
    // fit, when valid, is the most an image (not an SVG) may take: a larger one is drawn scaled down into it,
    // from a copy kept at that size.
    static void paintImageOrSvg(QPainter* painter, const QString& name, const IconStyleDesc& desc, const QRect& rect,
                                bool gray = false, const QSize& fit = QSize());
    static void paintImageOrSvg(QPainter* painter, const QString& name, const IconStyleDesc& desc, int x, int y, int w,
                                int h, bool gray = false, const QSize& fit = QSize());
    static QSize imageOrSvgSize(const QString& name, bool gray = false, const QSize& fit = QSize());
    // The drawing at target with each pixel it covers in colour, or greyed as a disabled icon. Only the
    // reachable part is rendered, and it is kept for the next paint.
    static void paintTintedSvg(QPainter* painter, QSvgRenderer* renderer, const QRect& target, const QColor& colour);
    static void paintGreyedSvg(QPainter* painter, QSvgRenderer* renderer, const QRect& target);
    // The part of the painter's coordinates that reaches its device: the exposed part of a widget, the
    // whole of an image, within any clip. Scratch images cover no more, whatever size a document or an
    // SVG declares.
    static QRect reachableRect(const QPainter* painter);
    // An SVG's size as painted: its declared size scaled, or fallback by fallback when it has none.
    static QSize svgSize(const QSize& declared, int fallback);
    // QFontMetrics::elidedText, at a cost that grows with the width rather than with the text.
    static QString elidedText(const QFontMetrics& metrics, const QString& text, Qt::TextElideMode mode, int width,
                              int flags = 0);
    // QFontMetrics::horizontalAdvance, held to the widest window like measureText, at a cost that grows with
    // that width rather than with the text.
    static int textAdvance(const QFontMetrics& metrics, const QString& text);
    // What of a text is worth measuring or handing to Qt, which measures it whole: the whole text, or its
    // first piece (of some thousands of characters) that is already wider than the widest window.
    static QString measuredPiece(const QFontMetrics& metrics, const QString& text);
    // Sizes shrink with the resource manager's scale factor below 1.0 and never grow.
    static QSize scaledSize(const QSize& size);

    // A name ends in ".svg", ignoring case and surrounding blanks.
    static bool isSvgPath(const QString& name);
    // An icon from a file a document names, made from the image the bounded reader gives, never from the
    // path: null for a file refused there (logged), one that draws nothing for a name it cannot read. A
    // larger image is kept scaled down into fit, when that is valid; every caller naming the file shares
    // one icon.
    static QIcon iconFromFile(const QString& path, const QSize& fit = QSize());
    static bool isImageValid(const QImage& image);
    // horAlign and verAlign of a text style (0 start, 1 centre, 2 end) as Qt flags; other values add none.
    static Qt::Alignment textAlignment(const TextStyleDesc& style);
};

} // namespace KIVQtLib
