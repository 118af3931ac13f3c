#pragma once

// What a page document or a theme may make the program allocate. Both come from files a user may
// not have written, and a few bytes of JSON or PNG can ask for gigabytes; every cap is far above what
// a real page or theme needs.

#include <QRect>
#include <QtGlobal>

namespace KIVQtLib {
namespace limits {

// Controls one page document may create. Qt paints siblings recursively, so tens of thousands under one
// parent overflow the stack; no real screen holds more than a few thousand.
constexpr int kMaxPageControls = 20000;

// Levels of controls one page document may nest. Qt's paint and palette walks climb from each control to
// its window, so a repaint grows with controls times depth: 20,000 controls under 480 levels repainted five
// times slower than side by side, under 64 two fifths slower (0.2 s). Real pages nest a dozen or fewer.
constexpr int kMaxPageDepth = 64;

// Stored positions and sizes are kept within this, so that QRect's x + w - 1 and y + h - 1 stay within int.
constexpr qint64 kCoordLimit = qint64(1) << 28;

inline int boundedCoord(qint64 v)
{
    return int(qBound(-kCoordLimit, v, kCoordLimit));
}

inline QRect boundedRect(qint64 x, qint64 y, qint64 w, qint64 h)
{
    return QRect(boundedCoord(x), boundedCoord(y), boundedCoord(w), boundedCoord(h));
}

// A window set by a document: a larger window asks for gigabytes of backing store. The command line's
// size option has the same cap a side; the area keeps the backing store within 256 MB, still above a
// window spanning three 4K screens.
constexpr int kMaxWindowSide = 16384;
constexpr qint64 kMaxWindowPixels = qint64(64) * 1024 * 1024;

// A decoded theme image or icon: 64 Mpixel is 256 MB as ARGB32, and its grey variant as much again.
// Checked against the size the image declares, before it is decoded.
constexpr int kMaxImageSide = 16384;
constexpr qint64 kMaxImagePixels = qint64(64) * 1024 * 1024;

inline bool imageSizeAllowed(qint64 width, qint64 height)
{
    return width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels;
}

// Decoded images held at once by the whole process (theme images, icons and pictures, their grey and
// scaled copies), counted at 4 bytes a pixel, with the full size a decode passes through on its way to a
// smaller copy: two images at the cap above. Each image within the cap took hundreds of megabytes for
// every reference to it, and a page naming a few dozen took gigabytes. Real themes and pages hold a few
// megabytes.
constexpr qint64 kMaxHeldImageBytes = qint64(512) * 1024 * 1024;

// The pixels that files declare, summed over the files whose decoded copies are held at once: what
// decoding them cost, however small the copy kept (a PNG of 64 Mpixel takes about a second to decode
// even into a 32-pixel icon). Eight images at the cap; a ribbon of 200 such icons took minutes.
constexpr qint64 kMaxDecodedImagePixels = qint64(512) * 1024 * 1024;

// Languages one language document may declare, and the length of an identifier. Each language is a table
// of its own, so a header of millions of short names asked for a gigabyte; real documents declare two or
// three. A language named by megabytes would be copied into every missing-key warning.
constexpr int kMaxLanguages = 256;
constexpr int kMaxLanguageIdLength = 64;

// Entries of one row of a ribbon configuration: the quick-access and the top-right widgets, the pages
// (a tab each), the groups of a page and the items of a group. Each becomes a widget beside the others,
// and Qt walks a widget's siblings to show, stack, repaint or delete it, so a row of 20,000 took seconds
// a resize and tens of seconds to paint or tear down; a real ribbon holds a few dozen in a row.
constexpr int kMaxRibbonRowEntries = 1000;

// Style entries and attributes one element gives. A theme entry is applied to every control of its
// type or name, so a list of tens of thousands was walked, and its attributes copied, once per control;
// real elements give a few dozen.
constexpr int kMaxElementEntries = 256;

// The pixel size of a theme's text style: far above any line of text on a screen, and a size near the
// end of int overflowed the controls that add to it.
constexpr int kMaxTextSize = 4096;

// Values one JSON document may hold (numbers, strings, arrays and objects, counted on the bytes before the
// tree is built). A parsed value costs 100 to 160 bytes whatever its text, so 64 MB of "[]," made a tree of
// 3.5 GB; a million is at most 160 MB and half a second. The designer writes a page at the control cap, even
// one holding a full ribbon, in under half of it.
constexpr qint64 kMaxJsonValues = 1000000;

// A file of a theme (directory or archive item), a page document or an image a document names, and a
// whole theme. A compressed SVG is inflated no further: 1.5 MB of it can hold 1.5 GB.
constexpr qint64 kMaxFileSize = qint64(64) * 1024 * 1024;
constexpr qint64 kMaxThemeSize = qint64(256) * 1024 * 1024;

} // namespace limits
} // namespace KIVQtLib
