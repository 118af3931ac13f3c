#include "KIVQSliderImpl.h"

#include "KIVQSlider.h"
#include "core/JsonAttr.h"
#include "core/JsonRead.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

// "style" codes: background, foreground, then the thumb's run of four states.
constexpr int kBackgroundCode = 0;
constexpr int kForegroundCode = 2;
constexpr int kThumbCode = 4;

} // namespace

KIVQSliderImpl::KIVQSliderImpl(KIVQSlider* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_slider(owner)
{
}

void KIVQSliderImpl::showState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    m_slider->repaint();
}

void KIVQSliderImpl::pressAt(const QPoint& pos)
{
    // QSlider has already moved the value: the thumb is pressed only if it now lies under the pointer.
    if (m_state != CtrlPressed && m_slider->getThumbRect().contains(pos))
        showState(CtrlPressed);
}

void KIVQSliderImpl::releaseAt(const QPoint& pos)
{
    showState(m_slider->getThumbRect().contains(pos) ? CtrlHover : CtrlNormal);
}

void KIVQSliderImpl::moveTo(const QPoint& pos)
{
    if (m_state == CtrlPressed)
        return;
    showState(m_slider->getThumbRect().contains(pos) ? CtrlHover : CtrlNormal);
}

void KIVQSliderImpl::onMouseLeave()
{
    m_hover = false;
    showState(CtrlNormal);
}

void KIVQSliderImpl::paint(QPainter* painter, const QRect& rect)
{
    const qint64 range = qint64(m_slider->maximum()) - m_slider->minimum();
    const float f = float(qint64(m_slider->value()) - m_slider->minimum()) / float(range != 0 ? range : 100);

    if (m_slider->orientation() == Qt::Horizontal) {
        const int y = rect.top() + (rect.height() - channelSize) / 2;
        paintFillStyle(painter, background, rect.left(), y, rect.width(), channelSize);
        paintFillStyle(painter, foreground, rect.left(), y, int(float(rect.width()) * f), channelSize);
    } else {
        const int x = rect.left() + (rect.width() - channelSize) / 2;
        const int length = int(float(rect.height()) * f);
        paintFillStyle(painter, background, x, rect.top(), channelSize, rect.height());
        // Grows upwards and ends on the bottom row.
        paintFillStyle(painter, foreground, x, rect.top() + rect.height() - length, channelSize, length);
    }
    paintFillStyle(painter, thumbs.get(m_state), m_slider->getThumbRect());
}

bool KIVQSliderImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e)) {
            if (!applySlotEntry(background, kBackgroundCode, entry) &&
                !applySlotEntry(foreground, kForegroundCode, entry))
                applyStateEntry(thumbs, kThumbCode, entry);
        }
        if (!jsonHasMember(e, "attr"))
            return true;
    } else {
        StyleWriter styles;
        styles.slot(background, kBackgroundCode);
        styles.slot(foreground, kForegroundCode);
        styles.states(thumbs, kThumbCode);
        styles.store(e, true);
    }

    // The orientation and the value reset when their keys are absent, the sizes and the range stay; a
    // theme entry resets nothing (AttrIO), so re-applying a theme keeps what the program set.
    AttrIO resetting(e, read);
    AttrIO keeping(e, read, AttrIO::AbsentKeys::Keep);
    bool horizontal = m_slider->orientation() == Qt::Horizontal;
    resetting.ioBool("isHor", horizontal, true);
    keeping.io("thumbW", thumbWidth, 20);
    keeping.io("thumbH", thumbHeight, 20);
    keeping.io("channelSize", channelSize, 10);
    int minimum = m_slider->minimum();
    int maximum = m_slider->maximum();
    int value = m_slider->value();
    keeping.io("min", minimum, 0);
    keeping.io("max", maximum, 100);
    resetting.io("val", value, 0);
    if (read) {
        m_slider->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
        m_slider->setMaximum(maximum);
        m_slider->setMinimum(minimum);
        m_slider->setSliderPosition(value);
    }
    return true;
}

} // namespace KIVQtLib
