#include "ImageFiles.h"

#include "ThemeReader.h"
#include "core/JsonRead.h"
#include "core/Limits.h"

#include <zlib.h>

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QtEndian>

#include <cstring>

namespace KIVQtLib {
namespace imageio {

namespace {

bool isGzip(const QByteArray& bytes)
{
    return bytes.startsWith("\x1f\x8b");
}

enum Inflate
{
    Inflated,
    TooLarge,
    Damaged
};

// The members of a gzip stream one after another, as Qt's SVG reader takes them, stopping past the file
// cap: appended to out when it is given, else only counted into size.
Inflate inflateGzip(const QByteArray& in, QByteArray* out, qint64& size)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return Damaged;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    stream.avail_in = uInt(in.size());
    size = 0;
    Inflate result = Inflated;
    char piece[65536];
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(piece);
        stream.avail_out = sizeof piece;
        const int rc = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = qint64(sizeof piece) - stream.avail_out;
        size += produced;
        if (size > limits::kMaxFileSize) {
            result = TooLarge;
            break;
        }
        if (out)
            out->append(piece, int(produced));
        if (rc == Z_STREAM_END) {
            if (stream.avail_in == 0 || inflateReset(&stream) != Z_OK)
                break;
        } else if (rc != Z_OK) {
            result = Damaged; // a wrong checksum, or bytes that end before the stream does
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

// An icon file's entry may hold a PNG of any size while the directory says at most 256: the PNG's own
// header counts. The first entry is the one decoded.
bool embeddedPngAllowed(const QByteArray& bytes)
{
    // Directory: three 16-bit words, then 16-byte entries with the data's offset in their last four bytes.
    constexpr int kOffsetAt = 6 + 12;
    if (bytes.size() < kOffsetAt + 4)
        return true;
    const quint32 offset = qFromLittleEndian<quint32>(bytes.constData() + kOffsetAt);
    // The signature, then the header chunk's length and type, then its width and height.
    if (offset > quint32(bytes.size()) || bytes.size() - offset < 24 ||
        std::memcmp(bytes.constData() + offset, "\x89PNG\r\n\x1a\n", 8) != 0)
        return true;
    return limits::imageSizeAllowed(qFromBigEndian<quint32>(bytes.constData() + offset + 16),
                                    qFromBigEndian<quint32>(bytes.constData() + offset + 20));
}

// What the reader's image declares, held to the image caps before a pixel is decoded.
bool declaredSizeAllowed(QImageReader& reader, const QByteArray& bytes)
{
    // The format first: the icon reader no longer tells it once it has read its directory.
    const QByteArray format = reader.format();
    const QSize declared = reader.size();
    if (declared.isValid() && !limits::imageSizeAllowed(declared.width(), declared.height()))
        return false;
    return (format != "ico" && format != "cur") || embeddedPngAllowed(bytes);
}

// Bytes for Qt's decoders: a gzip-compressed document (an SVG) is inflated here, within kMaxFileSize, and
// its format becomes "svg"; other bytes stay as they are, with no format (Qt tells it from the content).
ImageRead prepare(QByteArray& bytes, QByteArray& format, const QString& name)
{
    format.clear();
    if (bytes.isEmpty())
        return ImageUnreadable;
    if (!isGzip(bytes))
        return ImageOk;
    // Counted first, so that a bomb is refused before a byte of it is kept.
    qint64 size = 0;
    Inflate inflated = inflateGzip(bytes, nullptr, size);
    QByteArray plain;
    if (inflated == Inflated) {
        plain.reserve(int(size));
        inflated = inflateGzip(bytes, &plain, size);
    }
    switch (inflated) {
    case TooLarge:
        qCWarning(lcKivJson, "Image %s left out: it inflates past %lld bytes", qUtf8Printable(name),
                  limits::kMaxFileSize);
        return ImageRefused;
    case Damaged:
        return ImageUnreadable;
    case Inflated:
        break;
    }
    // Qt's SVG reader inflates what is still compressed again, without a bound; no real file is.
    if (isGzip(plain)) {
        qCWarning(lcKivJson, "Image %s left out: compressed more than once", qUtf8Printable(name));
        return ImageRefused;
    }
    bytes = plain;
    format = QByteArrayLiteral("svg");
    return ImageOk;
}

// Prepared bytes held to the image caps, and decoded into image when one is given.
ImageRead decodePrepared(const QByteArray& bytes, const QByteArray& format, const QString& name, QImage* image)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    bool allowed = declaredSizeAllowed(reader, bytes);
    if (allowed && image) {
        if (!reader.read(image))
            return ImageUnreadable;
        // Checked again on what was decoded, for a format that cannot tell its size beforehand.
        allowed = limits::imageSizeAllowed(image->width(), image->height());
        if (!allowed)
            *image = QImage();
    }
    if (!allowed) {
        qCWarning(lcKivJson, "Image %s left out: larger than %d pixels a side or %lld pixels", qUtf8Printable(name),
                  limits::kMaxImageSide, limits::kMaxImagePixels);
        return ImageRefused;
    }
    return ImageOk;
}

// Files refused, by path, size and time of change: one that a thousand commands name is inflated, or
// looked at, and reported once.
QSet<QString>& refusedFiles()
{
    static QSet<QString> files;
    return files;
}

// A regular file (a compiled-in resource too) read whole within kMaxFileSize and handed to use.
template <class Use> ImageRead fromFile(const QString& path, Use use)
{
    const QFileInfo info(path);
    const QString stamp = path + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|') +
                          QString::number(info.lastModified().toMSecsSinceEpoch());
    if (refusedFiles().contains(stamp))
        return ImageRefused;
    QByteArray bytes;
    ImageRead read = ImageOk;
    switch (themeio::readFileBounded(path, limits::kMaxFileSize, bytes)) {
    case themeio::FileMissing:
        return ImageMissing;
    case themeio::FileRefused:
        qCWarning(lcKivJson, "Image %s left out: not a regular file of at most %lld bytes", qUtf8Printable(path),
                  limits::kMaxFileSize);
        read = ImageRefused;
        break;
    case themeio::FileOk:
        read = use(bytes);
        break;
    }
    if (read == ImageRefused) {
        if (refusedFiles().size() >= 1024)
            refusedFiles().clear();
        refusedFiles().insert(stamp);
    }
    return read;
}

} // namespace

ImageRead decode(const QByteArray& raw, const QString& name, QImage& image)
{
    image = QImage();
    QByteArray bytes = raw;
    QByteArray format;
    const ImageRead prepared = prepare(bytes, format, name);
    return prepared == ImageOk ? decodePrepared(bytes, format, name, &image) : prepared;
}

ImageRead readImage(const QString& path, QImage& image)
{
    image = QImage();
    return fromFile(path, [&](QByteArray& bytes) { return decode(bytes, path, image); });
}

QByteArray svgDocument(const QByteArray& raw, const QString& name)
{
    QByteArray bytes = raw;
    QByteArray format;
    return prepare(bytes, format, name) == ImageOk ? bytes : QByteArray();
}

QByteArray readSvgFile(const QString& path)
{
    QByteArray document;
    fromFile(path, [&](QByteArray& bytes) {
        QByteArray format;
        const ImageRead read = prepare(bytes, format, path);
        if (read == ImageOk)
            document = bytes;
        return read;
    });
    return document;
}

ImageRead readAnimation(const QString& path, QByteArray& bytes, QByteArray& format)
{
    format.clear();
    bytes = QByteArray();
    return fromFile(path, [&](QByteArray& read) {
        ImageRead result = prepare(read, format, path);
        if (result == ImageOk)
            result = decodePrepared(read, format, path, nullptr);
        if (result == ImageOk)
            bytes = read;
        return result;
    });
}

} // namespace imageio
} // namespace KIVQtLib
