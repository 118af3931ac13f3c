#include "KIVQSwitchImpl.h"

#include "KIVQSwitch.h"
#include "core/ControlJson.h"

#include <json/json.h>

#include <QVariantAnimation>

#include <algorithm>
#include <climits>

namespace KIVQtLib {

namespace {

// "style" codes; 1 is unused.
constexpr int kBackgroundCode = 0;
constexpr int kThumbCode = 2;
constexpr int kLeftTextCode = 6;
constexpr int kRightTextCode = 7;

constexpr int kDefaultThumb = 25;
constexpr int kDefaultSpeed = 300;
constexpr int kDefaultMargin = 2;

} // namespace

KIVQSwitchImpl::KIVQSwitchImpl(KIVQSwitch* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_switch(owner), m_animation(new QVariantAnimation(owner))
{
    connect(m_animation, &QVariantAnimation::valueChanged, this, &KIVQSwitchImpl::valueChanged);
    connect(m_animation, &QVariantAnimation::finished, this, &KIVQSwitchImpl::finished);
}

// Margins and thumb sides from a page document may be anything; bounded, no position can overflow.
int KIVQSwitchImpl::boundedMargin() const
{
    return qBound(0, margin, kWidgetMaxSize);
}

QSize KIVQSwitchImpl::boundedThumb() const
{
    return QSize(qBound(0, thumbSize.width(), kWidgetMaxSize), qBound(0, thumbSize.height(), kWidgetMaxSize));
}

int KIVQSwitchImpl::travel() const
{
    return m_switch->width() - 2 * boundedMargin() - boundedThumb().width();
}

void KIVQSwitchImpl::toggle()
{
    if (m_animating)
        return;
    m_animating = true;
    const int end = travel();
    m_animation->setStartValue(switchToLeft ? 0 : end);
    m_animation->setEndValue(switchToLeft ? end : 0);
    m_animation->setDuration(int(std::min<unsigned>(speed, unsigned(INT_MAX))));
    m_animation->start();
}

void KIVQSwitchImpl::valueChanged(const QVariant& value)
{
    m_thumbOffset = value.toInt();
    m_switch->repaint();
}

void KIVQSwitchImpl::finished()
{
    m_animating = false;
    switchToLeft = !switchToLeft;
    m_switch->repaint();
}

void KIVQSwitchImpl::paint(QPainter* painter, const QRect& rect)
{
    // A resting thumb follows the flag, the margin, the thumb size and the width: whatever changed
    // since the last paint, thumb and flag never disagree.
    if (!m_animating)
        m_thumbOffset = switchToLeft ? 0 : travel();
    paintFillStyle(painter, background, rect);
    const int inset = boundedMargin();
    const int w = boundedThumb().width();
    const int h = boundedThumb().height();
    paintFillStyle(painter, thumbStyles.get(m_state), QRect(inset + m_thumbOffset, inset, w, h));

    const QRect leftRect(inset, inset, w, h);
    const QRect rightRect(rect.width() - w, inset, w, h);
    if (showAllText) {
        paintText(painter, leftText, switchToLeft ? leftTextStyle : rightTextStyle, leftRect);
        paintText(painter, rightText, switchToLeft ? rightTextStyle : leftTextStyle, rightRect);
    } else if (switchToLeft) {
        paintText(painter, rightText, rightTextStyle, rightRect);
    } else {
        paintText(painter, leftText, leftTextStyle, leftRect);
    }
}

void KIVQSwitchImpl::onMousePress(QMouseEvent* event)
{
    KIVQWidgetBaseImpl::onMousePress(event);
    toggle();
}

void KIVQSwitchImpl::serializeJson(ControlJson& io)
{
    const bool read = io.isReading();
    io.styles({{kBackgroundCode, &background},
               {kThumbCode, &thumbStyles},
               {kLeftTextCode, &leftTextStyle},
               {kRightTextCode, &rightTextStyle}},
              ControlJson::EmptyStyles::WriteNull);

    // Within an "attr" read outside a theme entry an absent caption is empty, an absent thumb side 25
    // and an absent "on" means the left end; speed and margin change only when present. An element
    // without "attr" changes none of them.
    if (read && !io.attrObject().isObject())
        return;
    io.attr("leftText", leftText, QString());
    io.attr("rightText", rightText, QString());
    int w = thumbSize.width();
    int h = thumbSize.height();
    io.attr("thumbW", w, read ? kDefaultThumb : 0);
    io.attr("thumbH", h, read ? kDefaultThumb : 0);
    thumbSize = QSize(w, h);
    int ms = int(std::min<unsigned>(speed, unsigned(INT_MAX)));
    if (io.attr("speed", ms, kDefaultSpeed))
        speed = unsigned(std::max(ms, 0));
    // The position belongs to the program; a theme entry styles every switch alike.
    if (!read || !io.fromTheme()) {
        bool right = !switchToLeft;
        io.attrBool("on", right, false);
        switchToLeft = !right;
    }
    int m = margin;
    if (io.attr("margin", m, kDefaultMargin))
        margin = m;
}

} // namespace KIVQtLib
