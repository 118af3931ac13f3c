#include "ImageFiles.h"

#include "ThemeReader.h"
#include "core/JsonRead.h"
#include "core/Limits.h"

#include <zlib.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <vector>

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

void logOverCaps(const QString& name)
{
    qCWarning(lcKivJson, "Image %s left out: larger than %d pixels a side or %lld pixels", qUtf8Printable(name),
              limits::kMaxImageSide, limits::kMaxImagePixels);
}

void logOverBudget(const QString& name)
{
    qCWarning(lcKivJson,
              "Image %s left out: with the images already decoded it would hold more than %lld MB, or have taken "
              "more than %lld Mpixel to decode",
              qUtf8Printable(name), limits::kMaxHeldImageBytes >> 20, limits::kMaxDecodedImagePixels >> 20);
}

// ---- decoded copies, shared and budgeted ----

// The icon boxes the framework draws are at most 32 pixels; a larger file is decoded once to this, and
// each box is scaled from that copy rather than from the file again.
constexpr int kIconDecodeSide = 64;
// Copies nobody else holds stay for the next caller up to these, the least recently used let go first.
constexpr qint64 kIdleBytes = qint64(32) * 1024 * 1024;
constexpr int kIdleEntries = 256;
constexpr int kMaxRefusals = 1024;
constexpr quint64 kForever = ~quint64(0);

qint64 pixelsOf(const QSize& s)
{
    return qint64(s.width()) * s.height();
}

// Counted at 4 bytes a pixel whatever the decoder gives: a copy for the screen takes that.
qint64 bytesOf(const QSize& s)
{
    return pixelsOf(s) * 4;
}

// A natural size kept within fit: scaled down into it, keeping its shape; never enlarged.
QSize keptSize(const QSize& natural, const QSize& fit)
{
    if (!fit.isValid() || (natural.width() <= fit.width() && natural.height() <= fit.height()))
        return natural;
    return natural.scaled(fit.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QSize decodedSize(const QSize& natural, const QSize& fit)
{
    return fit.isValid() ? keptSize(natural, fit.expandedTo(QSize(kIconDecodeSide, kIconDecodeSide))) : natural;
}

// What is asked of a source, once its natural size is known.
struct Shape
{
    QSize kept;
    float scale = 1.0f;
    bool grey = false;
    bool icon = false;

    bool plain() const { return !icon && !grey && scale >= 1.0f; }

    QString key(const QString& source) const
    {
        return source + QLatin1Char('|') + QString::number(kept.width()) + QLatin1Char('x') +
               QString::number(kept.height()) + QLatin1Char('|') + QString::number(double(scale)) +
               QLatin1String(grey ? "g" : "") + QLatin1String(icon ? "i" : "");
    }
};

Shape shapeFor(const QSize& natural, const ImageRequest& request, bool icon)
{
    return Shape{keptSize(natural, request.fit), request.scale < 1.0f ? request.scale : 1.0f, request.grey, icon};
}

struct Entry
{
    QString key;
    QString source;
    Shape shape;
    QImage image;
    QIcon icon; // an icon entry holds only this
    qint64 bytes = 0;
    quint64 used = 0;

    // Nobody else holds it: every caller's copy shares its pixels.
    bool idle() const { return shape.icon ? icon.isDetached() : image.isDetached(); }
};

struct Source
{
    QSize natural;
    qint64 cost = 0; // the pixels its decodes declared, held while any copy of it is
    std::vector<Entry*> copies;
};

// Every decoded copy, by source and shape. GUI thread only, as the decoders' callers are.
class SharedImages
{
public:
    ~SharedImages() { clear(); }

    bool refused(const QString& source) const
    {
        const auto it = m_refused.constFind(source);
        return it != m_refused.constEnd() && (*it == kForever || *it == m_releases);
    }

    // Past a cap: until the source changes. Past the budget: until a copy is let go.
    void refuse(const QString& source, bool untilChanged)
    {
        if (m_refused.size() >= kMaxRefusals)
            m_refused.clear();
        m_refused.insert(source, untilChanged ? kForever : m_releases);
    }

    const Source* source(const QString& key) const
    {
        const auto it = m_sources.find(key);
        return it == m_sources.end() ? nullptr : &it->second;
    }

    // Room for bytes more held and cost more decoded, letting idle copies go, the least recently used first;
    // none goes when that would not make room enough.
    bool makeRoom(qint64 bytes, qint64 cost)
    {
        const auto fits = [&](qint64 freedBytes, qint64 freedCost) {
            return m_bytes - freedBytes + bytes <= limits::kMaxHeldImageBytes &&
                   m_cost - freedCost + cost <= limits::kMaxDecodedImagePixels;
        };
        if (fits(0, 0))
            return true;
        const std::vector<Entry*> idle = idleByAge();
        qint64 idleBytes = 0;
        for (const Entry* entry : idle)
            idleBytes += entry->bytes;
        // A source's decoding cost goes with its last copy.
        qint64 idleCost = 0;
        for (const auto& [key, source] : m_sources) {
            if (std::all_of(source.copies.begin(), source.copies.end(), [](const Entry* e) { return e->idle(); }))
                idleCost += source.cost;
        }
        if (!fits(idleBytes, idleCost))
            return false;
        for (Entry* entry : idle) {
            drop(entry);
            if (fits(0, 0))
                return true;
        }
        return fits(0, 0);
    }

    // A decode of a source of the given natural size, which declared cost pixels.
    void addDecoded(const QString& source, const QSize& natural, qint64 cost, const QImage& image)
    {
        Source& s = m_sources[source];
        s.natural = natural;
        s.cost += cost;
        m_cost += cost;
        add(source, Shape{image.size()}, image, QIcon());
    }

    // The shape asked of a known source, made from its copies without decoding it again: ImageOk with the
    // image or icon (null when nothing is left to show), ImageRefused past the budget, ImageMissing when
    // no copy to make it from is held.
    ImageRead obtain(const QString& source, const Shape& shape, QImage* image, QIcon* icon)
    {
        if (Entry* entry = find(shape.key(source))) {
            entry->used = ++m_clock;
            if (image)
                *image = entry->image;
            if (icon)
                *icon = entry->icon;
            return ImageOk;
        }
        // From the copy one step nearer the file: an icon from its image, grey from plain, a skin's scale
        // from the unscaled, a plain copy from a larger one.
        Shape nearer = shape;
        if (shape.icon)
            nearer.icon = false;
        else if (shape.grey)
            nearer.grey = false;
        else
            nearer.scale = 1.0f;
        QImage from;
        const ImageRead read = shape.plain() ? larger(source, shape.kept, from) : obtain(source, nearer, &from, nullptr);
        return read == ImageOk ? derive(source, shape, from, image, icon) : read;
    }

    // Idle copies beyond what is kept for the next caller are let go; looked at as the cache grows.
    void trim()
    {
        if (m_bytes < m_trimBytes && qint64(m_entries.size()) < m_trimEntries)
            return;
        const std::vector<Entry*> idle = idleByAge();
        qint64 idleBytes = 0;
        for (const Entry* entry : idle)
            idleBytes += entry->bytes;
        size_t left = idle.size();
        for (Entry* entry : idle) {
            if (idleBytes <= kIdleBytes && left <= size_t(kIdleEntries))
                break;
            idleBytes -= entry->bytes;
            --left;
            drop(entry);
        }
        m_trimBytes = m_bytes + kIdleBytes;
        m_trimEntries = qint64(m_entries.size()) + kIdleEntries;
    }

    void clear()
    {
        while (!m_entries.empty())
            drop(m_entries.begin()->second.get());
        m_postRoutine = false;
    }

private:
    Entry* find(const QString& key) const
    {
        const auto it = m_entries.find(key);
        return it == m_entries.end() ? nullptr : it->second.get();
    }

    // The smallest plain copy of the source larger than kept.
    ImageRead larger(const QString& source, const QSize& kept, QImage& image) const
    {
        const auto s = m_sources.find(source);
        const Entry* best = nullptr;
        for (const Entry* entry : s == m_sources.end() ? std::vector<Entry*>() : s->second.copies) {
            const QSize size = entry->shape.kept;
            if (entry->shape.plain() && size != kept && size.width() >= kept.width() &&
                size.height() >= kept.height() && (!best || pixelsOf(size) < pixelsOf(best->shape.kept)))
                best = entry;
        }
        if (!best)
            return ImageMissing;
        image = best->image;
        return ImageOk;
    }

    ImageRead derive(const QString& source, const Shape& shape, const QImage& from, QImage* image, QIcon* icon)
    {
        QSize size = shape.kept;
        qint64 passing = 0; // held on the way
        if (shape.icon || shape.grey) {
            size = from.size();
            passing = shape.grey ? 2 * bytesOf(size) : 0;
        } else if (shape.scale < 1.0f) {
            size = QSize(int(float(from.width()) * shape.scale), int(float(from.height()) * shape.scale));
        }
        if (!makeRoom(bytesOf(size) + passing, 0))
            return ImageRefused;
        QImage made;
        QIcon madeIcon;
        if (shape.icon) {
            // A copy of its own: sharing the image's pixels, the icon would hold that copy too, and the cache
            // could not tell when nobody else does.
            madeIcon = QIcon(QPixmap::fromImage(from.copy()));
        } else if (shape.grey) {
            made = QIcon(QPixmap::fromImage(from)).pixmap(size, QIcon::Disabled, QIcon::Off).toImage();
        } else {
            made = from.scaled(size, Qt::IgnoreAspectRatio,
                               shape.scale < 1.0f ? Qt::FastTransformation : Qt::SmoothTransformation);
        }
        // Nothing to show is not kept; callers take it for no image.
        if (shape.icon || !made.isNull())
            add(source, shape, made, madeIcon, bytesOf(size));
        if (image)
            *image = made;
        if (icon)
            *icon = madeIcon;
        return ImageOk;
    }

    void add(const QString& source, const Shape& shape, const QImage& image, const QIcon& icon)
    {
        add(source, shape, image, icon, bytesOf(image.size()));
    }

    void add(const QString& source, const Shape& shape, const QImage& image, const QIcon& icon, qint64 bytes)
    {
        if (shape.icon && !m_postRoutine) {
            // Icons hold pixmaps, which must go before the application does.
            m_postRoutine = true;
            qAddPostRoutine([] { shared().clear(); });
        }
        auto entry = std::make_unique<Entry>();
        entry->key = shape.key(source);
        entry->source = source;
        entry->shape = shape;
        entry->image = image;
        entry->icon = icon;
        entry->bytes = bytes;
        entry->used = ++m_clock;
        m_bytes += bytes;
        m_sources[source].copies.push_back(entry.get());
        m_entries[entry->key] = std::move(entry);
    }

    void drop(Entry* entry)
    {
        ++m_releases;
        m_bytes -= entry->bytes;
        const QString key = entry->key;
        const auto s = m_sources.find(entry->source);
        if (s != m_sources.end()) {
            auto& copies = s->second.copies;
            copies.erase(std::remove(copies.begin(), copies.end(), entry), copies.end());
            if (copies.empty()) {
                m_cost -= s->second.cost;
                m_sources.erase(s);
            }
        }
        m_entries.erase(key);
    }

    std::vector<Entry*> idleByAge() const
    {
        std::vector<Entry*> idle;
        for (const auto& [key, entry] : m_entries) {
            if (entry->idle())
                idle.push_back(entry.get());
        }
        std::sort(idle.begin(), idle.end(), [](const Entry* a, const Entry* b) { return a->used < b->used; });
        return idle;
    }

public:
    static SharedImages& shared()
    {
        static SharedImages images;
        return images;
    }

private:
    std::map<QString, std::unique_ptr<Entry>> m_entries;
    std::map<QString, Source> m_sources;
    QHash<QString, quint64> m_refused;
    qint64 m_bytes = 0;
    qint64 m_cost = 0;
    quint64 m_clock = 0;
    quint64 m_releases = 0; // grows whenever a copy is let go
    qint64 m_trimBytes = 0;
    qint64 m_trimEntries = 0;
    bool m_postRoutine = false;
};

using Loader = std::function<ImageRead(QByteArray& bytes)>;

// The source decoded afresh, within the caps and the budget, and the shape asked made from that copy.
ImageRead decodeSource(SharedImages& images, const QString& source, const QString& name, const Loader& load,
                       const ImageRequest& request, bool icon, QImage* image, QIcon* iconOut)
{
    QByteArray bytes;
    ImageRead read = load(bytes);
    QByteArray format;
    if (read == ImageOk)
        read = prepare(bytes, format, name);
    if (read != ImageOk) {
        if (read == ImageRefused)
            images.refuse(source, true);
        return read;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (!declaredSizeAllowed(reader, bytes)) {
        logOverCaps(name);
        images.refuse(source, true);
        return ImageRefused;
    }
    const auto overBudget = [&] {
        logOverBudget(name);
        images.refuse(source, false);
        return ImageRefused;
    };
    const QSize declared = reader.size();
    const bool known = !declared.isEmpty();
    qint64 cost = 0;
    if (known) {
        const QSize at = decodedSize(declared, request.fit);
        // A drawing is rendered straight to the size asked; other formats pass through the whole image.
        cost = pixelsOf(reader.format() == "svg" ? at : declared);
        if (!images.makeRoom(4 * cost, cost))
            return overBudget();
        if (at != declared)
            reader.setScaledSize(at);
    }
    QImage decoded;
    if (!reader.read(&decoded))
        return ImageUnreadable;
    const QSize natural = known ? declared : decoded.size();
    if (!known) {
        // Checked on what was decoded, for a format that cannot tell its size beforehand.
        if (!limits::imageSizeAllowed(natural.width(), natural.height())) {
            logOverCaps(name);
            images.refuse(source, true);
            return ImageRefused;
        }
        cost = pixelsOf(natural);
        if (!images.makeRoom(4 * cost, cost))
            return overBudget();
        const QSize at = decodedSize(natural, request.fit);
        if (at != natural)
            decoded = decoded.scaled(at, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    images.addDecoded(source, natural, cost, decoded);
    read = images.obtain(source, shapeFor(natural, request, icon), image, iconOut);
    return read == ImageRefused ? overBudget() : read;
}

// The shape asked of a source: from a copy already held, or decoded from its bytes.
ImageRead fetch(const QString& source, const QString& name, const Loader& load, const ImageRequest& request,
                bool icon, QImage* image, QIcon* iconOut)
{
    SharedImages& images = SharedImages::shared();
    if (images.refused(source))
        return ImageRefused;
    ImageRead read = ImageMissing;
    if (const Source* known = images.source(source)) {
        read = images.obtain(source, shapeFor(known->natural, request, icon), image, iconOut);
        if (read == ImageRefused) {
            logOverBudget(name);
            images.refuse(source, false);
        }
    }
    if (read == ImageMissing)
        read = decodeSource(images, source, name, load, request, icon, image, iconOut);
    images.trim();
    return read;
}

// A regular file's stamp: its path, size and time of change.
QString fileStamp(const QString& path)
{
    const QFileInfo info(path);
    return path + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|') +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

// A regular file (a compiled-in resource too) read whole within kMaxFileSize.
Loader fileLoader(const QString& path)
{
    return [path](QByteArray& bytes) {
        switch (themeio::readFileBounded(path, limits::kMaxFileSize, bytes)) {
        case themeio::FileMissing:
            return ImageMissing;
        case themeio::FileRefused:
            qCWarning(lcKivJson, "Image %s left out: not a regular file of at most %lld bytes", qUtf8Printable(path),
                      limits::kMaxFileSize);
            return ImageRefused;
        case themeio::FileOk:
            break;
        }
        return ImageOk;
    };
}

// A file's bytes handed to use; a file refused, by its stamp, is looked at and reported once.
template <class Use> ImageRead fromFile(const QString& path, Use use)
{
    const QString stamp = fileStamp(path);
    SharedImages& images = SharedImages::shared();
    if (images.refused(stamp))
        return ImageRefused;
    QByteArray bytes;
    ImageRead read = fileLoader(path)(bytes);
    if (read == ImageOk)
        read = use(bytes);
    if (read == ImageRefused)
        images.refuse(stamp, true);
    return read;
}

// Prepared bytes held to the image caps.
ImageRead checkPrepared(const QByteArray& bytes, const QByteArray& format, const QString& name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (declaredSizeAllowed(reader, bytes))
        return ImageOk;
    logOverCaps(name);
    return ImageRefused;
}

} // namespace

ImageRead decode(const QByteArray& bytes, const QString& source, const QString& name, QImage& image,
                 const ImageRequest& request)
{
    image = QImage();
    const Loader held = [&bytes](QByteArray& out) {
        out = bytes;
        return ImageOk;
    };
    return fetch(source, name, held, request, false, &image, nullptr);
}

ImageRead readImage(const QString& path, QImage& image, const ImageRequest& request)
{
    image = QImage();
    return fetch(fileStamp(path), path, fileLoader(path), request, false, &image, nullptr);
}

ImageRead readIcon(const QString& path, const QSize& fit, QIcon& icon)
{
    icon = QIcon();
    ImageRequest request;
    request.fit = fit;
    return fetch(fileStamp(path), path, fileLoader(path), request, true, nullptr, &icon);
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
            result = checkPrepared(read, format, path);
        if (result == ImageOk)
            bytes = read;
        return result;
    });
}

} // namespace imageio
} // namespace KIVQtLib
