#include "KIVQRadioButton.h"

#include "CheckBoxRows.h"
#include "KIVQRadioButtonImpl.h"

#include <QPointer>

namespace KIVQtLib {

KIVQRadioButton::KIVQRadioButton(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    bindLook(&impl()->look, this);
}

const FillStyle& KIVQRadioButton::getSelectedBackground(CtrlState state) const
{
    return look().checkedBackgrounds.get(state);
}

void KIVQRadioButton::setSelectedBackground(CtrlState state, const FillStyle& fill)
{
    look().checkedBackgrounds.set(state, fill);
    update();
}

const QString& KIVQRadioButton::getUncheckIcon() const
{
    return look().uncheckIcon;
}

bool KIVQRadioButton::setUncheckIcon(const QString& name)
{
    look().uncheckIcon = name;
    update();
    return true;
}

const QString& KIVQRadioButton::getUncheckHotIcon() const
{
    return look().uncheckHotIcon;
}

bool KIVQRadioButton::setUncheckHotIcon(const QString& name)
{
    look().uncheckHotIcon = name;
    update();
    return true;
}

const QString& KIVQRadioButton::getCheckedIcon() const
{
    return look().checkedIcon;
}

bool KIVQRadioButton::setCheckedIcon(const QString& name)
{
    look().checkedIcon = name;
    update();
    return true;
}

const QString& KIVQRadioButton::getCheckedHotIcon() const
{
    return look().checkedHotIcon;
}

bool KIVQRadioButton::setCheckedHotIcon(const QString& name)
{
    look().checkedHotIcon = name;
    update();
    return true;
}

const QString& KIVQRadioButton::getDisableIcon() const
{
    return look().disableCheckIcon;
}

bool KIVQRadioButton::setDisableIcon(const QString& name)
{
    look().disableCheckIcon = name;
    look().disableUncheckIcon = name;
    update();
    return true;
}

void KIVQRadioButton::setIcon(const QString& name)
{
    setIcon(RadioAllIcons, name);
}

void KIVQRadioButton::setIcon(RadioIconState state, const QString& name)
{
    CheckBoxLook& d = look();
    switch (state) {
    case RadioCheckedIcon:
        d.checkedIcon = name;
        break;
    case RadioCheckedHotIcon:
        d.checkedHotIcon = name;
        break;
    case RadioUncheckIcon:
        d.uncheckIcon = name;
        break;
    case RadioUncheckHotIcon:
        d.uncheckHotIcon = name;
        break;
    case RadioAllIcons:
        d.checkedIcon = d.checkedHotIcon = d.uncheckIcon = d.uncheckHotIcon = name;
        break;
    default:
        break;
    }
    update();
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
    return look().showIcon;
}

void KIVQRadioButton::setShowIcon(bool on)
{
    if (look().showIcon == on)
        return;
    look().showIcon = on;
    update();
}

TextStyleDesc KIVQRadioButton::getTextStyle(bool checked) const
{
    return checked ? look().checkedText : look().uncheckedText;
}

const TextStyleDesc& KIVQRadioButton::getTextStyleByState(CheckBoxTextState state) const
{
    const CheckBoxLook& d = look();
    return state >= CheckedTextState && state <= DisabledTextState ? d.textStyle(state) : d.uncheckedText;
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
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQRadioButton", "RadioButton", "Control RadioButton", "radio");
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
