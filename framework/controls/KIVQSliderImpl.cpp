#include "KIVQSliderImpl.h"

#include "KIVQSlider.h"
#include "core/ControlJson.h"

#include <QMouseEvent>

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

// The pointer's position is needed: called from code without an event, these change nothing.
void KIVQSliderImpl::onMousePress(QMouseEvent* event)
{
    // QSlider has already moved the value: the thumb is pressed only if it now lies under the pointer.
    if (event && m_state != CtrlPressed && m_slider->getThumbRect().contains(event->pos()))
        showState(CtrlPressed);
}

void KIVQSliderImpl::onMouseRelease(QMouseEvent* event)
{
    if (event)
        showState(m_slider->getThumbRect().contains(event->pos()) ? CtrlHover : CtrlNormal);
}

void KIVQSliderImpl::onMouseMove(QMouseEvent* event)
{
    if (event && m_state != CtrlPressed)
        showState(m_slider->getThumbRect().contains(event->pos()) ? CtrlHover : CtrlNormal);
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
    const int channel = qBound(0, channelSize, kWidgetMaxSize);

    if (m_slider->orientation() == Qt::Horizontal) {
        const int y = rect.top() + (rect.height() - channel) / 2;
        paintFillStyle(painter, background, rect.left(), y, rect.width(), channel);
        paintFillStyle(painter, foreground, rect.left(), y, int(float(rect.width()) * f), channel);
    } else {
        const int x = rect.left() + (rect.width() - channel) / 2;
        const int length = int(float(rect.height()) * f);
        paintFillStyle(painter, background, x, rect.top(), channel, rect.height());
        // Grows upwards and ends on the bottom row.
        paintFillStyle(painter, foreground, x, rect.top() + rect.height() - length, channel, length);
    }
    paintFillStyle(painter, thumbs.get(m_state), m_slider->getThumbRect());
}

void KIVQSliderImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kForegroundCode, &foreground}, {kThumbCode, &thumbs}},
              ControlJson::EmptyStyles::WriteNull);
    if (io.isReading() && !io.hasAttr())
        return;

    // The orientation and the value reset when their keys are absent, the sizes and the range stay. A
    // theme entry resets nothing and leaves range and value to the program: it styles the slider.
    AttrIO keeping(io.element(), io.isReading(), AttrIO::AbsentKeys::Keep, io.fromTheme());
    bool horizontal = m_slider->orientation() == Qt::Horizontal;
    io.attrBool("isHor", horizontal, true);
    keeping.io("thumbW", thumbWidth, 20);
    keeping.io("thumbH", thumbHeight, 20);
    keeping.io("channelSize", channelSize, 10);
    if (io.isReading())
        m_slider->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    if (io.isReading() && io.fromTheme())
        return;
    int minimum = m_slider->minimum();
    int maximum = m_slider->maximum();
    int value = m_slider->value();
    keeping.io("min", minimum, 0);
    keeping.io("max", maximum, 100);
    io.attr("val", value, 0);
    if (io.isReading()) {
        m_slider->setMaximum(maximum);
        m_slider->setMinimum(minimum);
        m_slider->setSliderPosition(value);
    }
}

} // namespace KIVQtLib
