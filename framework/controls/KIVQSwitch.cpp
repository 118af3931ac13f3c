#include "KIVQSwitch.h"

#include "KIVQSwitchImpl.h"

#include <algorithm>

namespace KIVQtLib {

KIVQSwitch::KIVQSwitch(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

const QString& KIVQSwitch::getLeftText() const
{
    return impl()->leftText;
}

void KIVQSwitch::setLeftText(const QString& text)
{
    impl()->leftText = text;
    update();
}

const QString& KIVQSwitch::getRightText() const
{
    return impl()->rightText;
}

void KIVQSwitch::setRightText(const QString& text)
{
    impl()->rightText = text;
    update();
}

int KIVQSwitch::getMargin() const
{
    return impl()->margin;
}

void KIVQSwitch::setMargin(int margin)
{
    impl()->margin = margin;
    update();
}

unsigned int KIVQSwitch::getSwitchSpeed() const
{
    return impl()->speed;
}

void KIVQSwitch::setSwitchSpeed(unsigned int ms)
{
    impl()->speed = ms;
}

bool KIVQSwitch::getShowAllText() const
{
    return impl()->showAllText;
}

void KIVQSwitch::setShowAllText(bool on)
{
    impl()->showAllText = on;
    update();
}

bool KIVQSwitch::getIsSwitchToLeft() const
{
    return impl()->switchToLeft;
}

void KIVQSwitch::setSwitchToLeft(bool left)
{
    impl()->switchToLeft = left;
    update();
}

const QSize& KIVQSwitch::getThumbBtnSize() const
{
    return impl()->thumbSize;
}

void KIVQSwitch::setThumbBtnSize(const QSize& size)
{
    impl()->thumbSize = size;
    update();
}

void KIVQSwitch::getThumbSize(int& w, int& h) const
{
    w = impl()->thumbSize.width();
    h = impl()->thumbSize.height();
}

void KIVQSwitch::setThumbSize(int w, int h)
{
    impl()->thumbSize = QSize(w, h);
    update();
}

const FillStyle& KIVQSwitch::getThumbStyle(CtrlState state) const
{
    return impl()->thumbStyles.get(state);
}

void KIVQSwitch::setThumbStyle(CtrlState state, const FillStyle& fill)
{
    impl()->thumbStyles.set(state, fill);
    update();
}

const FillStyle& KIVQSwitch::getBackgroundStyle(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQSwitch::setBackgroundStyle(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const TextStyleDesc& KIVQSwitch::getTextStyle(SwitchPosition position) const
{
    return position == SwitchLeft ? impl()->leftTextStyle : impl()->rightTextStyle;
}

void KIVQSwitch::setTextStyle(SwitchPosition position, const TextStyleDesc& style)
{
    (position == SwitchLeft ? impl()->leftTextStyle : impl()->rightTextStyle) = style;
    update();
}

void KIVQSwitch::mousePressEvent(QMouseEvent* event)
{
    impl()->onMousePress(event);
}

void KIVQSwitch::mouseReleaseEvent(QMouseEvent* event)
{
    impl()->onMouseRelease(event);
}

ControlInfo KIVQSwitch::getProps()
{
    using Switch = KIVQSwitch;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQSwitch", "Switch", "Control Switch", "switch");
    auto& rows = info.properties;
    rows.push_back(props::fill<Switch>(
        QStringLiteral("Background"),
        [](Switch* s, CtrlState state, const FillStyle& v) { s->setBackgroundStyle(CommonCtrlState(state), v); },
        [](Switch* s, CtrlState state) { return s->getBackgroundStyle(CommonCtrlState(state)); }, 2));
    rows.push_back(props::fill<Switch>(QStringLiteral("Thumb"), &Switch::setThumbStyle, &Switch::getThumbStyle));
    PropertyDef text = props::textStyle<Switch>(
        QStringLiteral("TextStyle"),
        [](Switch* s, CtrlState state, const TextStyleDesc& v) { s->setTextStyle(SwitchPosition(state), v); },
        [](Switch* s, CtrlState state) { return s->getTextStyle(SwitchPosition(state)); }, 0);
    text.options = QStringList{QStringLiteral("Left"), QStringLiteral("Right")};
    text.optionValues = {SwitchLeft, SwitchRight};
    rows.push_back(text);
    rows.push_back(
        props::text<Switch>(QStringLiteral("LeftText"), PropertyDef::Text, &Switch::setLeftText, &Switch::getLeftText));
    rows.push_back(props::text<Switch>(QStringLiteral("RightText"), PropertyDef::Text, &Switch::setRightText,
                                       &Switch::getRightText));
    rows.push_back(props::integer<Switch>(
        QStringLiteral("Speed"), [](Switch* s, int ms) { s->setSwitchSpeed(unsigned(std::max(ms, 0))); },
        [](Switch* s) { return int(std::min(s->getSwitchSpeed(), 10000u)); }));
    rows.push_back(props::pair<Switch>(QStringLiteral("ThumbSize"), &Switch::setThumbSize, &Switch::getThumbSize));
    rows.push_back(
        props::onOff<Switch>(QStringLiteral("DefaultIsLeft"), &Switch::setSwitchToLeft, &Switch::getIsSwitchToLeft));
    rows.push_back(props::integer<Switch>(QStringLiteral("Margin"), &Switch::setMargin, &Switch::getMargin));
    return info;
}

} // namespace KIVQtLib
