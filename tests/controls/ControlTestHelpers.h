#pragma once

// Small helpers the control tests share.

#include "TestSupport.h"
#include "core/KIVQtLib.h"
#include "core/StyleTypes.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace ControlTest {

using namespace TestSupport;

inline KIVQtLib::FillStyle namedFill(const QString& name, QRgb colour)
{
    KIVQtLib::FillStyle f;
    f.name = name;
    f.res.colour = QColor::fromRgba(colour);
    return f;
}

// A text style in a font every test machine has.
inline KIVQtLib::TextStyleDesc pinnedTextStyle(const QString& name, QRgb colour, int size)
{
    KIVQtLib::TextStyleDesc style;
    style.name = name;
    style.family = QStringLiteral("DejaVu Sans");
    style.size = size;
    style.colour = QColor::fromRgba(colour);
    return style;
}

// The bounding box of the pixels that differ from the background colour.
inline QRect inkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A caption style in a fixed font, bold so that its colour shows in whole pixels.
inline KIVQtLib::TextStyleDesc pinnedCaption(const QString& name, QRgb colour, int size)
{
    KIVQtLib::TextStyleDesc style;
    style.name = name;
    style.family = QStringLiteral("DejaVu Sans");
    style.size = size;
    style.bold = true;
    style.colour = QColor(colour);
    return style;
}

// The smallest rectangle around every pixel that keep(QRgb) accepts; empty when none.
template <class Keep> QRect pixelBounds(const QImage& image, Keep keep)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (keep(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

inline QRect colourBounds(const QImage& image, QRgb colour)
{
    return pixelBounds(image, [colour](QRgb p) { return p == colour; });
}

// Reads {key: value} into the control, then gives what it writes under key, as compact JSON.
inline QByteArray readThenWrite(KIVQtLib::IKIVQWidgetBase* control, const char* key, const QByteArray& value)
{
    Json::Value element = parseJson("{\"" + QByteArray(key) + "\": " + value + "}");
    if (!control->readJsonValue(&element))
        return "refused";
    return compactJson(writeControl(control)[key]);
}

// What the widget and its children paint, on transparency: no window background.
inline QImage paintedPixels(QWidget& w)
{
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Counts the paint events of the widgets it filters.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

inline void sendEvent(QWidget* w, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(w, &event);
}

// Loads a theme of the given style document and theme entries while window is registered, so that the
// controls under it go through a theme change. The theme is read whole, so its folder may go afterwards.
inline bool loadThemeFor(QWidget& window, const QByteArray& style, const QByteArray& entries)
{
    QTemporaryDir dir;
    if (!writeFile(dir.filePath(QStringLiteral("style.json")), style) ||
        !writeFile(dir.filePath(QStringLiteral("theme.json")), entries))
        return false;
    KIVQtLib::KIVQResourceManager* rm = KIVQtLib::KIVQResourceManager::getInstance();
    rm->registerWindow(&window);
    const bool loaded = KIVQtLib::kivLoadThemeDir(dir.path().toUtf8().constData());
    rm->unregisterWindow(&window);
    return loaded;
}

} // namespace ControlTest
