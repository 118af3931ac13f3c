#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

class QColor;
class QSvgRenderer;

namespace KIVQtLib {

// Recoloured and greyed renderings of SVG drawings, which painting would otherwise redo on every paint,
// kept per drawing, colour, size, exposed part and pixel ratio. Bounded by memory; an entry whose
// renderer is gone (a theme change replaces renderers) is rendered afresh. GUI thread only, as the
// renderers are.
class SvgImageCache
{
public:
    // The part shown of the drawing rendered into target, each pixel it covers in colour with the
    // drawing's own alpha; sharp at the pixel ratio dpr.
    static QImage tinted(QSvgRenderer* renderer, const QRect& target, const QRect& shown, const QColor& colour,
                         qreal dpr);
    // The part shown of the drawing rendered into target, greyed as a disabled icon is.
    static QPixmap greyed(QSvgRenderer* renderer, const QRect& target, const QRect& shown);
};

} // namespace KIVQtLib
