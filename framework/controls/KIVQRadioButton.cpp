#include "KIVQRadioButton.h"

#include "CheckBoxRows.h"
#include "KIVQRadioButtonImpl.h"

#include <QPointer>

namespace KIVQtLib {

KIVQRadioButton::KIVQRadioButton(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

const FillStyle& KIVQRadioButton::getBackground(CtrlState state) const
{
    return impl()->look.uncheckedBackgrounds.get(state);
}

void KIVQRadioButton::setBackground(CtrlState state, const FillStyle& fill)
{
    impl()->look.uncheckedBackgrounds.set(state, fill);
}

const FillStyle& KIVQRadioButton::getSelectedBackground(CtrlState state) const
{
    return impl()->look.checkedBackgrounds.get(state);
}

void KIVQRadioButton::setSelectedBackground(CtrlState state, const FillStyle& fill)
{
    impl()->look.checkedBackgrounds.set(state, fill);
}

const QString& KIVQRadioButton::getUncheckIcon() const
{
    return impl()->look.uncheckIcon;
}

bool KIVQRadioButton::setUncheckIcon(const QString& name)
{
    impl()->look.uncheckIcon = name;
    return true;
}

const QString& KIVQRadioButton::getUncheckHotIcon() const
{
    return impl()->look.uncheckHotIcon;
}

bool KIVQRadioButton::setUncheckHotIcon(const QString& name)
{
    impl()->look.uncheckHotIcon = name;
    return true;
}

const QString& KIVQRadioButton::getCheckedIcon() const
{
    return impl()->look.checkedIcon;
}

bool KIVQRadioButton::setCheckedIcon(const QString& name)
{
    impl()->look.checkedIcon = name;
    return true;
}

const QString& KIVQRadioButton::getCheckedHotIcon() const
{
    return impl()->look.checkedHotIcon;
}

bool KIVQRadioButton::setCheckedHotIcon(const QString& name)
{
    impl()->look.checkedHotIcon = name;
    return true;
}

const QString& KIVQRadioButton::getDisableIcon() const
{
    return impl()->look.disableCheckIcon;
}

bool KIVQRadioButton::setDisableIcon(const QString& name)
{
    impl()->look.disableCheckIcon = name;
    impl()->look.disableUncheckIcon = name;
    return true;
}

void KIVQRadioButton::setIcon(const QString& name)
{
    setIcon(RadioAllIcons, name);
}

void KIVQRadioButton::setIcon(RadioIconState state, const QString& name)
{
    CheckBoxLook& look = impl()->look;
    switch (state) {
    case RadioCheckedIcon:
        look.checkedIcon = name;
        break;
    case RadioCheckedHotIcon:
        look.checkedHotIcon = name;
        break;
    case RadioUncheckIcon:
        look.uncheckIcon = name;
        break;
    case RadioUncheckHotIcon:
        look.uncheckHotIcon = name;
        break;
    case RadioAllIcons:
        look.checkedIcon = look.checkedHotIcon = look.uncheckIcon = look.uncheckHotIcon = name;
        break;
    default:
        break;
    }
}

bool KIVQRadioButton::getPushlike() const
{
    return impl()->pushLike;
}

void KIVQRadioButton::setPushlike(bool on)
{
    impl()->pushLike = on;
    update();
}

bool KIVQRadioButton::getShowIcon() const
{
    return impl()->look.showIcon;
}

void KIVQRadioButton::setShowIcon(bool on)
{
    if (impl()->look.showIcon == on)
        return;
    impl()->look.showIcon = on;
    update();
}

bool KIVQRadioButton::getShowText() const
{
    return impl()->look.showText;
}

void KIVQRadioButton::setShowText(bool on)
{
    impl()->look.showText = on;
}

TextStyleDesc KIVQRadioButton::getTextStyle(bool checked) const
{
    return checked ? impl()->look.checkedText : impl()->look.uncheckedText;
}

void KIVQRadioButton::setTextStyle(bool checked, const TextStyleDesc& style)
{
    (checked ? impl()->look.checkedText : impl()->look.uncheckedText) = style;
}

const TextStyleDesc& KIVQRadioButton::getTextStyleByState(CheckBoxTextState state) const
{
    const CheckBoxLook& look = impl()->look;
    return state >= CheckedTextState && state <= DisabledTextState ? look.textStyle(state) : look.uncheckedText;
}

void KIVQRadioButton::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    impl()->look.setTextStyle(state, style);
}

const IconStyleDesc& KIVQRadioButton::getIconStyle() const
{
    return impl()->look.iconStyle;
}

void KIVQRadioButton::setIconStyle(const IconStyleDesc& style)
{
    impl()->look.iconStyle = style;
}

DockLayoutType KIVQRadioButton::getIconHorAlign() const
{
    return DockLayoutType(impl()->look.iconStyle.horAlign);
}

void KIVQRadioButton::setIconHorAlign(DockLayoutType align)
{
    impl()->look.iconStyle.horAlign = align;
}

DockLayoutType KIVQRadioButton::getIconVerAlign() const
{
    return DockLayoutType(impl()->look.iconStyle.verAlign);
}

void KIVQRadioButton::setIconVerAlign(DockLayoutType align)
{
    impl()->look.iconStyle.verAlign = align;
}

int KIVQRadioButton::getIconOffsetX() const
{
    return impl()->look.iconStyle.offsetX;
}

void KIVQRadioButton::setIconOffsetX(int x)
{
    impl()->look.iconStyle.offsetX = x;
}

int KIVQRadioButton::getIconOffsetY() const
{
    return impl()->look.iconStyle.offsetY;
}

void KIVQRadioButton::setIconOffsetY(int y)
{
    impl()->look.iconStyle.offsetY = y;
}

bool KIVQRadioButton::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQRadioButton::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

// The whole control, not only Qt's indicator and caption, takes the click.
bool KIVQRadioButton::hitButton(const QPoint&) const
{
    return true;
}

// The pressed look first, then Qt's press handling, then the signal; a slot may delete the button.
void KIVQRadioButton::mousePressEvent(QMouseEvent* event)
{
    QPointer<KIVQRadioButton> alive(this);
    KIVQControlBase::mousePressEvent(event);
    if (alive)
        Q_EMIT pressedEvent();
}

ControlInfo KIVQRadioButton::getProps()
{
    using Radio = KIVQRadioButton;
    ControlInfo info =
        kivMakeControlInfo(typeName(), "KIVQRadioButton", "RadioButton", "Control RadioButton", "radio");
    auto& rows = info.properties;
    rows.push_back(props::fill<Radio>(QStringLiteral("UnselectedBg"), &Radio::setBackground, &Radio::getBackground));
    rows.push_back(
        props::fill<Radio>(QStringLiteral("SelectedBg"), &Radio::setSelectedBackground, &Radio::getSelectedBackground));
    rows.push_back(checkTextStyleRow<Radio>());
    rows.push_back(props::row(QStringLiteral("Line"), PropertyDef::Separator));
    rows.push_back(props::onOff<Radio>(QStringLiteral("PushLike"), &Radio::setPushlike, &Radio::getPushlike));
    rows.push_back(props::onOff<Radio>(QStringLiteral("ShowIcon"), &Radio::setShowIcon, &Radio::getShowIcon));
    rows.push_back(props::onOff<Radio>(QStringLiteral("ShowText"), &Radio::setShowText, &Radio::getShowText));
    appendCheckIconRows<Radio>(rows);
    return info;
}

} // namespace KIVQtLib
