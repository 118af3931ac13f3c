#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <array>

class QPoint;

namespace KIVQtLib {

class KIVQScrollBar;

// The scroll bar's look and JSON. Each of its three parts keeps its own state (normal, hot, pressed)
// in place of the control state, found by hit-testing the style's sub-control rectangles.
class KIVQTLIB_EXPORT KIVQScrollBarImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    enum Part
    {
        Thumb = 0,
        DownButton = 1,
        UpButton = 2
    };

    KIVQScrollBarImpl(KIVQScrollBar* owner, const QString& typeName);

    void paintEvent() override;
    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    // The parts keep their own states; the bar as a whole has no hover state.
    void onMouseEnter() override {}
    void onMouseLeave() override;
    void onMouseMove(QMouseEvent* event) override;
    void onMousePress(QMouseEvent* event = nullptr) override;
    void onMouseRelease(QMouseEvent* event = nullptr) override;

    void mousePressAt(const QPoint& pos);
    void mouseReleaseAt(const QPoint& pos);
    void mouseMoveTo(const QPoint& pos);

    // The part's rectangle as the bar's current style lays it out.
    QRect partRect(Part part) const;
    int partState(Part part) const;

    FillStyle background;
    StateStyles<FillStyle> upStyles;
    StateStyles<FillStyle> downStyles;
    StateStyles<FillStyle> thumbStyles;
    QString upIcon;
    QString downIcon;
    QString thumbIcon;
    bool horizontal = false;
    IconStyleDesc upIconStyle;
    IconStyleDesc downIconStyle;
    int thickness = -1;

private:
    void setPartState(Part part, int state, bool wholeBar = false);

    KIVQScrollBar* m_bar;
    std::array<int, 3> m_partStates{}; // by Part, each CtrlNormal, CtrlHover or CtrlPressed
};

} // namespace KIVQtLib
