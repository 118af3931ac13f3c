#include "KIVQRibbonTypes.h"

#include <QStringList>

namespace KIVQtLib {

namespace {

const QStringList& itemSizeNames()
{
    static const QStringList names{QStringLiteral("large"), QStringLiteral("medium"), QStringLiteral("small")};
    return names;
}

const QStringList& popupModeNames()
{
    static const QStringList names{QStringLiteral("none"), QStringLiteral("instant"), QStringLiteral("split")};
    return names;
}

const QStringList& layoutModeNames()
{
    static const QStringList names{QStringLiteral("office"), QStringLiteral("compact")};
    return names;
}

int parse(const QStringList& names, const QString& text)
{
    const int index = names.indexOf(text.toLower());
    return index < 0 ? 0 : index;
}

QString format(const QStringList& names, int value)
{
    return names.at(value >= 0 && value < names.size() ? value : 0);
}

} // namespace

KIV_RIBBON_ITEM_SIZE kivParseRibbonItemSize(const QString& text)
{
    return KIV_RIBBON_ITEM_SIZE(parse(itemSizeNames(), text));
}

KIV_RIBBON_POPUP_MODE kivParseRibbonPopupMode(const QString& text)
{
    return KIV_RIBBON_POPUP_MODE(parse(popupModeNames(), text));
}

KIV_RIBBON_LAYOUT_MODE kivParseRibbonLayoutMode(const QString& text)
{
    return KIV_RIBBON_LAYOUT_MODE(parse(layoutModeNames(), text));
}

QString kivFormatRibbonItemSize(int size)
{
    return format(itemSizeNames(), size);
}

QString kivFormatRibbonPopupMode(int mode)
{
    return format(popupModeNames(), mode);
}

QString kivFormatRibbonLayoutMode(int mode)
{
    return format(layoutModeNames(), mode);
}

} // namespace KIVQtLib
