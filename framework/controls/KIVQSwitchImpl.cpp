#include "KIVQSwitchImpl.h"

#include "KIVQSwitch.h"
#include "core/JsonAttr.h"
#include "theme/KIVQResourceManager.h"

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

int KIVQSwitchImpl::travel() const
{
    return m_switch->width() - 2 * margin - thumbSize.width();
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
    const int w = thumbSize.width();
    const int h = thumbSize.height();
    paintFillStyle(painter, thumbStyles.get(m_state), QRect(margin + m_thumbOffset, margin, w, h));

    const QRect leftRect(margin, margin, w, h);
    const QRect rightRect(rect.width() - w, margin, w, h);
    if (showAllText) {
        paintText(painter, leftText, switchToLeft ? leftTextStyle : rightTextStyle, leftRect);
        paintText(painter, rightText, switchToLeft ? rightTextStyle : leftTextStyle, rightRect);
    } else if (switchToLeft) {
        paintText(painter, rightText, rightTextStyle, rightRect);
    } else {
        paintText(painter, leftText, leftTextStyle, leftRect);
    }
}

bool KIVQSwitchImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    // The position belongs to the program; a theme entry styles every switch alike.
    const bool fromTheme = KIVQResourceManager::getInstance()->isLoadFromThemeRes();

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e)) {
            if (!applySlotEntry(background, kBackgroundCode, entry) && !applyStateEntry(thumbStyles, kThumbCode, entry) &&
                !applySlotEntry(leftTextStyle, kLeftTextCode, entry))
                applySlotEntry(rightTextStyle, kRightTextCode, entry);
        }
    } else {
        StyleWriter styles;
        styles.slot(background, kBackgroundCode);
        styles.states(thumbStyles, kThumbCode);
        styles.slot(leftTextStyle, kLeftTextCode);
        styles.slot(rightTextStyle, kRightTextCode);
        styles.store(e, true);
    }

    // Outside a theme entry an absent caption is empty, an absent thumb side 25 and an absent "on"
    // means the left end; speed and margin change only when present.
    AttrIO attr(e, read, AttrIO::AbsentKeys::Reset);
    attr.io("leftText", leftText, QString());
    attr.io("rightText", rightText, QString());
    int w = thumbSize.width();
    int h = thumbSize.height();
    attr.io("thumbW", w, read ? kDefaultThumb : 0);
    attr.io("thumbH", h, read ? kDefaultThumb : 0);
    thumbSize = QSize(w, h);
    int ms = int(std::min<unsigned>(speed, unsigned(INT_MAX)));
    if (attr.io("speed", ms, kDefaultSpeed))
        speed = unsigned(std::max(ms, 0));
    if (!read || !fromTheme) {
        bool right = !switchToLeft;
        attr.ioBool("on", right, false);
        switchToLeft = !right;
    }
    int m = margin;
    if (attr.io("margin", m, kDefaultMargin))
        margin = m;
    return true;
}

} // namespace KIVQtLib
