#pragma once

// Helpers the view tests share.

#include "../controls/ControlTestHelpers.h"

#include "core/StateStyles.h"
#include "theme/KIVQResourceManagerImpl.h"

#include <QImage>
#include <QRect>

namespace ViewTest {

using namespace ControlTest;

inline KIVQtLib::TextStyleDesc namedText(const QString& name, QRgb colour)
{
    KIVQtLib::TextStyleDesc t;
    t.name = name;
    t.colour = QColor::fromRgba(colour);
    t.family = QStringLiteral("DejaVu Sans");
    return t;
}

// One letter per state: the first letter of the slot's style name, '-' for an unnamed slot.
template <class Style> QString letters(const KIVQtLib::StateStyles<Style>& styles)
{
    QString out;
    for (int s = 0; s < KIVQtLib::kStateCount; ++s)
        out += styles.get(s).name.isEmpty() ? QChar('-') : styles.get(s).name.at(0);
    return out;
}

inline QString letter(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("-") : name.left(1);
}

// The bounding box of the pixels of one colour inside an area of the image.
inline QRect inkOf(const QImage& image, QRgb colour, const QRect& area)
{
    QRect ink;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

inline void cacheImage(const QString& name, const QSize& size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    KIVQtLib::KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheImage(name, new QImage(image));
}

// The named styles the view tests read: "Fill" and "Grey" look alike, "Other" does not, and the text
// style "Text" draws in the ink colour.
inline void registerTestStyles(QRgb ink)
{
    for (const char* name : {"Fill", "Grey"})
        KIVQtLib::kivSetFillStyle(QLatin1String(name), namedFill(QLatin1String(name), 0xff808080));
    KIVQtLib::kivSetFillStyle(QStringLiteral("Other"), namedFill(QStringLiteral("Other"), 0xff123456));
    KIVQtLib::kivSetTextStyle(QStringLiteral("Text"), namedText(QStringLiteral("Text"), ink));
}

// Reads an element holding only the given "style" array.
inline bool readStyle(KIVQtLib::IKIVQWidgetBase* control, const QByteArray& style)
{
    Json::Value e = parseJson("{\"style\":" + style + "}");
    return control->readJsonValue(&e);
}

// The "style" member of what a control writes, as one line; empty when there is none.
inline QByteArray writtenStyle(KIVQtLib::IKIVQWidgetBase* control)
{
    const Json::Value e = writeControl(control);
    return e.isMember("style") ? compactJson(e["style"]) : QByteArray();
}

} // namespace ViewTest
