#include "CScrollBarStyle.h"

#include "core/KIVQtLib.h"

#include <QCommonStyle>
#include <QPointer>
#include <QSlider>
#include <QStyleOptionSlider>

namespace KIVQtLib {

namespace {

const QSlider* framedSlider(const QWidget* widget, const char* property)
{
    const auto* slider = qobject_cast<const QSlider*>(widget);
    return slider && slider->property(property).isValid() ? slider : nullptr;
}

} // namespace

CScrollBarStyle::CScrollBarStyle() = default;

int CScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_SliderLength) {
        if (const QSlider* slider = framedSlider(widget, "sliderLength"))
            return slider->property("sliderLength").toInt();
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                      const QWidget* widget) const
{
    // The common computation, not the platform style's: handle geometry is then the same on every
    // platform, and our own pixelMetric is consulted for the handle length.
    QRect r = QCommonStyle::subControlRect(control, option, sub, widget);
    if (control == CC_Slider && sub == SC_SliderHandle) {
        if (const QSlider* slider = framedSlider(widget, "thumbBtnSize")) {
            const QSize handle = slider->property("thumbBtnSize").toSize();
            if (slider->orientation() == Qt::Horizontal)
                r.moveTop((slider->height() - handle.height()) / 2);
            else
                r.moveLeft((slider->width() - handle.width()) / 2);
            r.setSize(handle);
        }
    }
    return r;
}

QRect CScrollBarStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    return QCommonStyle::subElementRect(element, option, widget);
}

QStyle* kivGetStyle()
{
    // QApplication takes ownership of the style it is given and deletes it when it is replaced or
    // when the application ends; a guarded pointer notices that and a new one is made.
    static QPointer<CScrollBarStyle> style;
    if (!style)
        style = new CScrollBarStyle;
    return style;
}

} // namespace KIVQtLib
