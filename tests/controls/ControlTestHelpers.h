#pragma once

// Small helpers the control tests share.

#include "core/StyleTypes.h"

#include <json/json.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include <memory>

namespace ControlTest {

inline Json::Value parse(const QByteArray& text)
{
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    reader->parse(text.constData(), text.constData() + text.size(), &root, nullptr);
    return root;
}

inline QByteArray compact(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return QByteArray::fromStdString(Json::writeString(builder, value));
}

inline KIVQtLib::FillStyle namedFill(const QString& name, QRgb colour)
{
    KIVQtLib::FillStyle f;
    f.name = name;
    f.res.colour = QColor::fromRgba(colour);
    return f;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

inline void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void sendEvent(QWidget* w, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(w, &event);
}

} // namespace ControlTest
