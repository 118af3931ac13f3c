#pragma once

// Helpers the theme tests share.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QVector>

#include <minizip/zip.h>

namespace ThemeTestSupport {

// A PNG file's bytes, one colour all over.
inline QByteArray pngBytes(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One item of a test archive: its bytes, or that many zero bytes (for archives too big to hold).
struct Item
{
    QByteArray name;
    QByteArray data;
    qint64 zeros = 0;
    bool deflate = true;
};

// Writes the archive with minizip's own writer and returns its bytes.
inline QByteArray makeZip(const QString& path, const QVector<Item>& items)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        qFatal("cannot create %s", qPrintable(path));
    const QByteArray chunk(1 << 20, '\0');
    for (const Item& item : items) {
        zip_fileinfo info{};
        zipOpenNewFileInZip64(zip, item.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                              item.deflate ? Z_DEFLATED : 0, Z_BEST_SPEED, 0);
        zipWriteInFileInZip(zip, item.data.constData(), unsigned(item.data.size()));
        for (qint64 left = item.zeros; left > 0; left -= chunk.size())
            zipWriteInFileInZip(zip, chunk.constData(), unsigned(qMin<qint64>(left, chunk.size())));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace ThemeTestSupport
