#pragma once

// What the chart tests share: a pinned font, painting a chart into an image, mouse events, the intro
// animation and colours compared within a tolerance.

#include "charts/KIVQChartBase.h"
#include "core/IKIVQWidgetBase.h"
#include "core/KIVQWidgetBaseImpl.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace ChartTest {

inline void pinFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

// The chart's one drawing path into an image of its size, as paintGL hands it a GL device.
template <class Chart> QImage render(Chart& chart, const QSize& size = QSize(600, 400))
{
    chart.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    chart.getControlImpl()->paint(&painter, QRect(QPoint(0, 0), size));
    return image;
}

inline void mouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::NoButton)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, type == QEvent::MouseMove ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void move(QWidget* w, const QPoint& pos)
{
    mouse(w, QEvent::MouseMove, pos);
}

inline void click(QWidget* w, const QPoint& pos)
{
    mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
}

// Holds the intro at ms milliseconds; the animation emits that value at once.
inline void introAt(QWidget& chart, int ms)
{
    QVariantAnimation* animation = chart.findChild<QVariantAnimation*>();
    Q_ASSERT(animation);
    animation->pause();
    animation->setCurrentTime(ms);
}

inline bool near(const QColor& a, const QColor& b, int tolerance = 1)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

inline QByteArray rgb(const QColor& c)
{
    return QByteArray::number(c.red()) + ',' + QByteArray::number(c.green()) + ',' + QByteArray::number(c.blue());
}

} // namespace ChartTest

#define CHART_COMPARE_PIXEL(image, x, y, expected)                                                                     \
    do {                                                                                                               \
        const QColor actual_ = (image).pixelColor((x), (y));                                                           \
        QVERIFY2(ChartTest::near(actual_, (expected)),                                                                 \
                 ("pixel " + ChartTest::rgb(actual_) + " expected " + ChartTest::rgb(expected)).constData());          \
    } while (false)
