#pragma once

// The one reader of the images and icons that documents and themes name. Whatever comes from a file or an
// archive item passes here before a Qt class sees it: Qt's SVG plug-in inflates a compressed document
// whole, whatever its size, and Qt's decoders allocate whatever size an image declares. A gzip-compressed
// document (an SVG) is inflated here within kMaxFileSize; images are held to the image caps on the size
// they declare, before a pixel is decoded. A refusal is logged on "kiv.json" naming the file and the cap.
//
// Decoded images are shared: one copy per source (a file by its path, size and time of change; an archive
// item by the key its owner gives) and shape asked, handed to every caller, and read again when the file
// changes. What the copies hold, and what decoding them cost, is held to the process-wide budgets of
// Limits.h on the size each file declares; past them an image is refused, and copies nobody else holds
// any more are let go first.

#include "core/KIVQtLibGlobal.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIcon;

namespace KIVQtLib {
namespace imageio {

enum ImageRead
{
    ImageOk,
    ImageMissing,    // no such file
    ImageUnreadable, // empty, damaged, or in no format Qt decodes
    ImageRefused     // past a cap or the budget, or not a regular file
};

// The shape an image is kept in.
struct ImageRequest
{
    // When valid, the box the image is drawn in: a larger image is kept scaled down into it, keeping its
    // shape (and decoded straight to about that size); a smaller one as it is.
    QSize fit;
    // The disabled look QIcon gives.
    bool grey = false;
    // Below 1, both sides shrink by it, ignoring the shape, as a skin's scale factor asks.
    float scale = 1.0f;
};

// The bytes of an archive item or a theme file, named name in a refusal. source names these bytes for
// sharing and is never given to other bytes: the owner's own key for the item.
KIVQTLIB_EXPORT ImageRead decode(const QByteArray& bytes, const QString& source, const QString& name, QImage& image,
                                 const ImageRequest& request = ImageRequest());
// An SVG document for a renderer; empty when it is not to be loaded.
KIVQTLIB_EXPORT QByteArray svgDocument(const QByteArray& bytes, const QString& name);

// The same for a regular file (a compiled-in resource too), read whole within kMaxFileSize. A file refused
// is refused again at once, and said once, until it changes (past the budget: until room is made).
KIVQTLIB_EXPORT ImageRead readImage(const QString& path, QImage& image, const ImageRequest& request = ImageRequest());
// The file as an icon kept within fit (its own size when fit is not valid), one icon shared by every caller.
KIVQTLIB_EXPORT ImageRead readIcon(const QString& path, const QSize& fit, QIcon& icon);
KIVQTLIB_EXPORT QByteArray readSvgFile(const QString& path);
// An animation for QMovie, whose frames are decoded later as it plays: its bytes and format, held to the
// caps on the size it declares.
KIVQTLIB_EXPORT ImageRead readAnimation(const QString& path, QByteArray& bytes, QByteArray& format);

} // namespace imageio
} // namespace KIVQtLib
