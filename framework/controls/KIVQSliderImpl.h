#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

class KIVQSlider;

// The slider's look, thumb state and JSON. The thumb's state is the Impl's CtrlState.
class KIVQTLIB_EXPORT KIVQSliderImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQSliderImpl(KIVQSlider* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onMouseEnter() override {}
    void onMouseLeave() override;
    void onMousePress(QMouseEvent* event = nullptr) override;
    void onMouseRelease(QMouseEvent* event = nullptr) override;
    void onMouseMove(QMouseEvent* event) override;

    FillStyle background;
    FillStyle foreground;
    StateStyles<FillStyle> thumbs;
    int channelSize = 10;
    int thumbWidth = 20;
    int thumbHeight = 20;

private:
    void showState(int state);

    KIVQSlider* m_slider;
};

} // namespace KIVQtLib
