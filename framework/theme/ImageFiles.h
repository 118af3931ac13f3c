#pragma once

// The one reader of the images and icons that documents and themes name. Whatever comes from a file or an
// archive item passes here before a Qt class sees it: Qt's SVG plug-in inflates a compressed document
// whole, whatever its size, and Qt's decoders allocate whatever size an image declares. A gzip-compressed
// document (an SVG) is inflated here within kMaxFileSize; images are held to the image caps on the size
// they declare, before a pixel is decoded. A refusal is logged on "kiv.json" naming the file and the cap.

#include "core/KIVQtLibGlobal.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace KIVQtLib {
namespace imageio {

enum ImageRead
{
    ImageOk,
    ImageMissing,    // no such file
    ImageUnreadable, // empty, damaged, or in no format Qt decodes
    ImageRefused     // past a cap, or not a regular file
};

// The bytes of an archive item or a theme file, named name in a refusal.
KIVQTLIB_EXPORT ImageRead decode(const QByteArray& bytes, const QString& name, QImage& image);
// An SVG document for a renderer; empty when it is not to be loaded.
KIVQTLIB_EXPORT QByteArray svgDocument(const QByteArray& bytes, const QString& name);

// The same for a regular file (a compiled-in resource too), read whole within kMaxFileSize. A file refused
// is refused again at once, and said once, until it changes.
KIVQTLIB_EXPORT ImageRead readImage(const QString& path, QImage& image);
KIVQTLIB_EXPORT QByteArray readSvgFile(const QString& path);
// An animation for QMovie, whose frames are decoded later as it plays: its bytes and format, held to the
// caps on the size it declares.
KIVQTLIB_EXPORT ImageRead readAnimation(const QString& path, QByteArray& bytes, QByteArray& format);

} // namespace imageio
} // namespace KIVQtLib
