#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

class KIVQMenuBar;

// The menu bar's look, hot item and JSON.
class KIVQTLIB_EXPORT KIVQMenuBarImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQMenuBarImpl(KIVQMenuBar* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    // The QMenuBar handles the mouse; the bar's state is not painted.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}
    void onMouseEnter() override {}
    void onMouseLeave() override {}

    int hotIndex = -1;
    // Painted ahead of the hot item; nothing marks an item pressed, as the open popup takes the release.
    int pressedIndex = -1;
    FillStyle background;
    StateStyles<TextStyleDesc> textStyles;
    StateStyles<FillStyle> itemBackgrounds;
    FillStyle popupBackground;
    StateStyles<TextStyleDesc> popupTextStyles;
    StateStyles<FillStyle> popupItemBackgrounds;

private:
    void readStyles(const Json::Value& element, bool fromTheme);

    KIVQMenuBar* m_bar;
};

} // namespace KIVQtLib
