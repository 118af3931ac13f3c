#include "KIVQItemIconCell.h"

#include "core/KIVQPaintHelpers.h"

#include <QIcon>
#include <QVariant>

namespace KIVQtLib {

int KIVQItemIconCell::iconSize(int rowHeight)
{
    if (rowHeight <= 24)
        return 16;
    return rowHeight <= 32 ? 24 : 32;
}

QRect KIVQItemIconCell::paint(QPainter* painter, const QRect& cell, const QVariant& decoration)
{
    if (!decoration.isValid())
        return cell;
    const int s = iconSize(cell.height());
    QRect box = cell;
    box.setWidth(s + kPadding);
    QRect text = cell;
    text.setLeft(cell.left() + kPadding + s);

    if (decoration.userType() == QMetaType::QIcon)
        KIVQPaintHelpers::paintIcon(painter, decoration.value<QIcon>(), QSize(s, s), IconStyleDesc(), box);
    else if (decoration.userType() == QMetaType::QString)
        KIVQPaintHelpers::paintImageOrSvg(painter, decoration.toString(), IconStyleDesc(), box, false, QSize(s, s));
    return text;
}

} // namespace KIVQtLib
