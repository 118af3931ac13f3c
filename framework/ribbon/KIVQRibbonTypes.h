#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QString>

namespace KIVQtLib {

// Stored as plain ints wherever the ribbon keeps them.
enum KIV_RIBBON_ITEM_SIZE
{
    KIV_RIBBON_LARGE = 0,
    KIV_RIBBON_MEDIUM = 1,
    KIV_RIBBON_SMALL = 2
};

enum KIV_RIBBON_POPUP_MODE
{
    KIV_RIBBON_POPUP_NONE = 0,
    KIV_RIBBON_POPUP_INSTANT = 1,
    KIV_RIBBON_POPUP_SPLIT = 2
};

enum KIV_RIBBON_LAYOUT_MODE
{
    KIV_RIBBON_LAYOUT_OFFICE = 0,
    KIV_RIBBON_LAYOUT_COMPACT = 1
};

// Text forms, compared without regard to case; an unknown text gives the first value of the enumeration.
KIVQTLIB_EXPORT KIV_RIBBON_ITEM_SIZE kivParseRibbonItemSize(const QString& text);
KIVQTLIB_EXPORT KIV_RIBBON_POPUP_MODE kivParseRibbonPopupMode(const QString& text);
KIVQTLIB_EXPORT KIV_RIBBON_LAYOUT_MODE kivParseRibbonLayoutMode(const QString& text);
// Written forms; an out-of-range value is written as the first value.
KIVQTLIB_EXPORT QString kivFormatRibbonItemSize(int size);
KIVQTLIB_EXPORT QString kivFormatRibbonPopupMode(int mode);
KIVQTLIB_EXPORT QString kivFormatRibbonLayoutMode(int mode);

} // namespace KIVQtLib
