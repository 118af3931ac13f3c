#pragma once

// Helpers the theme tests share.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

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

} // namespace ThemeTestSupport
