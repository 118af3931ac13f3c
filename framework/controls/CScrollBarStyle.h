#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QProxyStyle>

namespace KIVQtLib {

// The application style the framework installs: the platform style, except that sliders which publish
// the properties "sliderLength" and "thumbBtnSize" get their handle length and handle rectangle from them.
class KIVQTLIB_EXPORT CScrollBarStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
};

} // namespace KIVQtLib
