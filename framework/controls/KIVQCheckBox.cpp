#include "KIVQCheckBox.h"

#include "CheckBoxRows.h"
#include "KIVQCheckBoxImpl.h"

namespace KIVQtLib {

KIVQCheckBox::KIVQCheckBox(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    bindLook(&impl()->look, this);
}

const FillStyle& KIVQCheckBox::getCheckedBackground(CtrlState state) const
{
    return look().checkedBackgrounds.get(state);
}

void KIVQCheckBox::setCheckedBackground(CtrlState state, const FillStyle& fill)
{
    look().checkedBackgrounds.set(state, fill);
    update();
}

QString KIVQCheckBox::getUncheckIcon() const
{
    return look().uncheckIcon;
}

void KIVQCheckBox::setUncheckIcon(const QString& name)
{
    look().setUncheckIcon(name);
    update();
}

QString KIVQCheckBox::getUncheckHotIcon() const
{
    return look().uncheckHotIcon;
}

void KIVQCheckBox::setUncheckHotIcon(const QString& name)
{
    look().uncheckHotIcon = name;
    update();
}

QString KIVQCheckBox::getCheckedIcon() const
{
    return look().checkedIcon;
}

void KIVQCheckBox::setCheckedIcon(const QString& name)
{
    look().setCheckedIcon(name);
    update();
}

QString KIVQCheckBox::getCheckedHotIcon() const
{
    return look().checkedHotIcon;
}

void KIVQCheckBox::setCheckedHotIcon(const QString& name)
{
    look().checkedHotIcon = name;
    update();
}

QString KIVQCheckBox::getDisableCheckIcon() const
{
    return look().disableCheckIcon;
}

void KIVQCheckBox::setDisableCheckIcon(const QString& name)
{
    look().disableCheckIcon = name;
    update();
}

QString KIVQCheckBox::getDisableUncheckIcon() const
{
    return look().disableUncheckIcon;
}

void KIVQCheckBox::setDisableUncheckIcon(const QString& name)
{
    look().disableUncheckIcon = name;
    update();
}

bool KIVQCheckBox::getShowIcon() const
{
    return look().showIcon;
}

void KIVQCheckBox::setShowIcon(bool on)
{
    look().showIcon = on;
    update();
}

const TextStyleDesc& KIVQCheckBox::getTextStyle(bool checked) const
{
    return checked ? look().checkedText : look().uncheckedText;
}

const TextStyleDesc& KIVQCheckBox::getTextStyleByState(CheckBoxTextState state) const
{
    return look().textStyle(state);
}

const TextStyleDesc& KIVQCheckBox::getDisableTextStyle() const
{
    return look().disabledText;
}

void KIVQCheckBox::setDisableTextStyle(const TextStyleDesc& style)
{
    look().disabledText = style;
    update();
}

bool KIVQCheckBox::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQCheckBox::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

// Qt's click zone is its own indicator and label, which the framework never draws: the box and the
// caption may stand anywhere in the control, so all of it takes the click.
bool KIVQCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

ControlInfo KIVQCheckBox::getProps()
{
    using Box = KIVQCheckBox;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQCheckBox", "Checkbox", "Control CheckBox", "checkbox");
    auto& rows = info.properties;
    rows.push_back(props::fill<Box>(QStringLiteral("UncheckBg"), &Box::setBackground, &Box::getBackground));
    rows.push_back(
        props::fill<Box>(QStringLiteral("CheckedBg"), &Box::setCheckedBackground, &Box::getCheckedBackground));
    rows.push_back(checkTextStyleRow<Box>());
    rows.push_back(props::row(QStringLiteral("Line"), PropertyDef::Separator));
    rows.push_back(props::onOff<Box>(QStringLiteral("ShowIcon"), &Box::setShowIcon, &Box::getShowIcon));
    appendCheckIconRows<Box>(rows);
    return info;
}

} // namespace KIVQtLib
