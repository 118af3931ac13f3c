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
    bool serializeJsonValue(Json::Value** json, bool read) override;
    void onMouseEnter() override {}
    void onMouseLeave() override;

    void pressAt(const QPoint& pos);
    void releaseAt(const QPoint& pos);
    void moveTo(const QPoint& pos);

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
