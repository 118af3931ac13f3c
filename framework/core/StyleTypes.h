#pragma once

#include "KIVQtLibGlobal.h"

#include <QColor>
#include <QString>

namespace KIVQtLib {

// Interaction state of a control; per-state styles are indexed by it. Setters also take kAllStates.
// Fixed to int so that kAllStates and a document's out-of-range numbers are values the type can hold.
enum CtrlState : int
{
    CtrlNormal = 0,
    CtrlHover = 1,
    CtrlPressed = 2,
    CtrlDisabled = 3
};
constexpr int kStateCount = 4;
constexpr int kAllStates = 4;

// State argument of controls that keep only a normal and a disabled style; int for the same reason.
enum CommonCtrlState : int
{
    CommonNormal = 0,
    CommonDisabled = 1
};

enum LayoutType
{
    LayoutRelative = 0,
    LayoutAbsolute = 1
};

// -1 initial; 1 fixed size; 0 stretches across the main axis. JSON values outside -1..1 read as -1.
enum LayoutSizePolicy
{
    PolicyInitial = -1,
    PolicyStretch = 0,
    PolicyFixed = 1
};

enum DockLayoutType
{
    DockLeftTop = 0,
    DockCenter = 1,
    DockRightBottom = 2
};

// Widget maxima at or above this are unlimited: never written, ignored by layouts.
constexpr int kWidgetMaxSize = 16777215;

// An offset or margin from a page document, within the widget range: a few of them added to a widget
// coordinate cannot overflow.
inline int boundedOffset(int value)
{
    return qBound(-kWidgetMaxSize, value, kWidgetMaxSize);
}

// The family a text style names when the style document gives none.
inline QString defaultFontFamily()
{
    return QStringLiteral("Microsoft YaHei UI");
}

struct KIVQTLIB_EXPORT FillRes
{
    bool flag = false;
    QString text;
    QColor colour{255, 255, 255, 255};
    QColor colour2{255, 255, 255, 255};
    QColor borderColour{128, 128, 128, 255};
    bool gradient = false;
    int round = 0;
    int borderSize = 0;
    int spare = 0;
    bool border = false;
    bool leftBorder = true;
    bool topBorder = true;
    bool rightBorder = true;
    bool bottomBorder = true;
    bool roundTopLeft = true;
    bool roundTopRight = true;
    bool roundBottomRight = true;
    bool roundBottomLeft = true;

    bool operator==(const FillRes& o) const;
    bool operator!=(const FillRes& o) const { return !(*this == o); }
};

struct KIVQTLIB_EXPORT ImageDesc
{
    enum Margin
    {
        Left = 0,
        Right = 1,
        Top = 2,
        Bottom = 3
    };
    int margins[4] = {0, 0, 0, 0};
    bool repeatLeft = false;
    bool repeatRight = false;
    bool repeatTop = false;
    bool repeatBottom = false;
    bool repeatCenter = false;

    bool operator==(const ImageDesc& o) const;
    bool operator!=(const ImageDesc& o) const { return !(*this == o); }
};

struct KIVQTLIB_EXPORT FillStyle
{
    bool isText = false;
    QString name;
    bool draw = true;
    bool colourFill = true;
    bool thirdFlag = true;
    FillRes res;
    QString image;
    ImageDesc imageDesc;

    FillStyle() = default;
    FillStyle(const FillStyle&) = default;
    // Out of line: inlined into QVector's detach, GCC 12 reports a false buffer overflow.
    FillStyle& operator=(const FillStyle& o);

    bool operator==(const FillStyle& o) const;
    bool operator!=(const FillStyle& o) const { return !(*this == o); }
};

struct KIVQTLIB_EXPORT TextStyleDesc
{
    bool isText = true;
    QString name;
    bool bold = false;
    bool italic = false;
    bool spare1 = false;
    int size = 12;
    bool underline = false;
    bool spare2 = false;
    QString family = defaultFontFamily();
    QColor colour{0, 0, 0};
    int x = 0;
    int y = 0;
    bool isHor = true;
    bool singleline = true;
    int horAlign = 0;
    int verAlign = 1;
    int elideMode = 1; // 3 never elides; anything else elides at the right

    bool operator==(const TextStyleDesc& o) const;
    bool operator!=(const TextStyleDesc& o) const { return !(*this == o); }
};

struct KIVQTLIB_EXPORT IconStyleDesc
{
    int offsetX = 0;
    int offsetY = 0;
    bool recolour = false;
    QColor colour{0, 0, 0};
    int horAlign = 1;
    int verAlign = 1;

    bool operator==(const IconStyleDesc& o) const;
    bool operator!=(const IconStyleDesc& o) const { return !(*this == o); }
};

// One [name, kind, code] member of a control's "style" array. Most readers need no kind: the code
// alone says which slot, and so which kind of style, is meant.
struct KIVQTLIB_EXPORT StyleEntry
{
    QString name;
    int code = -1;
    int kind = 0; // 1 a fill, 2 a text style, 0 when the entry gives no whole number
};

} // namespace KIVQtLib
