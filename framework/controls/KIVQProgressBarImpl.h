#pragma once

#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

class KIVQProgressBar;

// The progress bar's bar and sector painting and its JSON.
class KIVQTLIB_EXPORT KIVQProgressBarImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQProgressBarImpl(KIVQProgressBar* owner, const QString& typeName);

    void paintEvent() override;
    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;

    bool circle = false;
    int startAngle = 1;
    int endAngle = 361;
    bool showText = false;
    TextStyleDesc textStyle;
    FillStyle background;
    FillStyle foreground;

private:
    void paintSector(QPainter* painter, int w, int h, float fraction) const;

    KIVQProgressBar* m_bar;
};

} // namespace KIVQtLib
