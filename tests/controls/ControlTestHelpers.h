#pragma once

// Small helpers the control tests share.

#include "TestSupport.h"
#include "core/StyleTypes.h"

#include <json/json.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QString>
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
