#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QSize>

class QVariantAnimation;

namespace KIVQtLib {

class KIVQSwitch;

// The switch's position, thumb animation, look and JSON.
class KIVQTLIB_EXPORT KIVQSwitchImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQSwitchImpl(KIVQSwitch* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    // Any button presses, and starts a movement.
    void onMousePress(QMouseEvent* event) override;

    // Starts a movement towards the other end unless one is running.
    void toggle();
    // Distance of the thumb's resting place at the right end from the left margin.
    int travel() const;
    int boundedMargin() const;
    QSize boundedThumb() const;
    bool isAnimating() const { return m_animating; }
    QVariantAnimation* animation() const { return m_animation; }

    bool showAllText = true;
    int margin = 2;
    bool switchToLeft = false;
    unsigned int speed = 300;
    QString leftText = QStringLiteral("On");
    QString rightText = QStringLiteral("Off");
    QSize thumbSize{25, 25};
    FillStyle background;
    StateStyles<FillStyle> thumbStyles;
    TextStyleDesc leftTextStyle;
    TextStyleDesc rightTextStyle;

public Q_SLOTS:
    void valueChanged(const QVariant& value);
    void finished();

private:
    KIVQSwitch* m_switch;
    int m_thumbOffset = -1;
    bool m_animating = false;
    QVariantAnimation* m_animation;
};

} // namespace KIVQtLib
