#include "StyleTypes.h"

#include <algorithm>

namespace KIVQtLib {

bool FillRes::operator==(const FillRes& o) const
{
    return flag == o.flag && text == o.text && colour == o.colour && colour2 == o.colour2 &&
           borderColour == o.borderColour && gradient == o.gradient && round == o.round && borderSize == o.borderSize &&
           spare == o.spare && border == o.border && leftBorder == o.leftBorder && topBorder == o.topBorder &&
           rightBorder == o.rightBorder && bottomBorder == o.bottomBorder && roundTopLeft == o.roundTopLeft &&
           roundTopRight == o.roundTopRight && roundBottomRight == o.roundBottomRight &&
           roundBottomLeft == o.roundBottomLeft;
}

bool ImageDesc::operator==(const ImageDesc& o) const
{
    return std::equal(std::begin(margins), std::end(margins), std::begin(o.margins)) && repeatLeft == o.repeatLeft &&
           repeatRight == o.repeatRight && repeatTop == o.repeatTop && repeatBottom == o.repeatBottom &&
           repeatCenter == o.repeatCenter;
}

FillStyle& FillStyle::operator=(const FillStyle& o) = default;

bool FillStyle::operator==(const FillStyle& o) const
{
    return isText == o.isText && name == o.name && draw == o.draw && colourFill == o.colourFill &&
           thirdFlag == o.thirdFlag && res == o.res && image == o.image && imageDesc == o.imageDesc;
}

bool TextStyleDesc::operator==(const TextStyleDesc& o) const
{
    return isText == o.isText && name == o.name && bold == o.bold && italic == o.italic && spare1 == o.spare1 &&
           size == o.size && underline == o.underline && spare2 == o.spare2 && family == o.family &&
           colour == o.colour && x == o.x && y == o.y && isHor == o.isHor && singleline == o.singleline &&
           horAlign == o.horAlign && verAlign == o.verAlign && elideMode == o.elideMode;
}

bool IconStyleDesc::operator==(const IconStyleDesc& o) const
{
    return offsetX == o.offsetX && offsetY == o.offsetY && recolour == o.recolour && colour == o.colour &&
           horAlign == o.horAlign && verAlign == o.verAlign;
}

} // namespace KIVQtLib
