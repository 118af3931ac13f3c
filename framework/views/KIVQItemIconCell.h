#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QRect>

class QPainter;
class QVariant;

namespace KIVQtLib {

// The icon at the left of a list or tree row: its size follows the row height (16 up to 24 pixels,
// 24 up to 32, 32 above), in a box 4 pixels wider than the icon; the text starts after the icon.
class KIVQTLIB_EXPORT KIVQItemIconCell
{
public:
    static constexpr int kPadding = 4;

    static int iconSize(int rowHeight);
    // Paints a QIcon, or a theme image or SVG named by a string, centred in its box at the cell's left,
    // and returns the rectangle left for the text. A decoration of any other type draws nothing but
    // still moves the text; an invalid one leaves the whole cell to the text.
    static QRect paint(QPainter* painter, const QRect& cell, const QVariant& decoration);
};

} // namespace KIVQtLib
