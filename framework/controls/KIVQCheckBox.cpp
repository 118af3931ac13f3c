#include "KIVQCheckBox.h"

#include "CheckBoxRows.h"
#include "KIVQCheckBoxImpl.h"

#include <QPointer>

namespace KIVQtLib {

KIVQCheckBox::KIVQCheckBox(QWidget* parent) : QCheckBox(parent)
{
    m_impl.reset(new KIVQCheckBoxImpl(this, QString::fromLatin1(typeName())));
    m_impl->applyTheme();
}

KIVQCheckBox::~KIVQCheckBox() = default;

KIVQ_CONTROL_DEFINE(KIVQCheckBox)

KIVQCheckBoxImpl* KIVQCheckBox::impl() const
{
    return static_cast<KIVQCheckBoxImpl*>(m_impl.get());
}

const FillStyle& KIVQCheckBox::getBackground(CtrlState state) const
{
    return impl()->look.uncheckedBackgrounds.get(state);
}

void KIVQCheckBox::setBackground(CtrlState state, const FillStyle& fill)
{
    impl()->look.uncheckedBackgrounds.set(state, fill);
}

const FillStyle& KIVQCheckBox::getCheckedBackground(CtrlState state) const
{
    return impl()->look.checkedBackgrounds.get(state);
}

void KIVQCheckBox::setCheckedBackground(CtrlState state, const FillStyle& fill)
{
    impl()->look.checkedBackgrounds.set(state, fill);
}

QString KIVQCheckBox::getUncheckIcon() const
{
    return impl()->look.uncheckIcon;
}

void KIVQCheckBox::setUncheckIcon(const QString& name)
{
    impl()->look.setUncheckIcon(name);
}

QString KIVQCheckBox::getUncheckHotIcon() const
{
    return impl()->look.uncheckHotIcon;
}

void KIVQCheckBox::setUncheckHotIcon(const QString& name)
{
    impl()->look.uncheckHotIcon = name;
}

QString KIVQCheckBox::getCheckedIcon() const
{
    return impl()->look.checkedIcon;
}

void KIVQCheckBox::setCheckedIcon(const QString& name)
{
    impl()->look.setCheckedIcon(name);
}

QString KIVQCheckBox::getCheckedHotIcon() const
{
    return impl()->look.checkedHotIcon;
}

void KIVQCheckBox::setCheckedHotIcon(const QString& name)
{
    impl()->look.checkedHotIcon = name;
}

QString KIVQCheckBox::getDisableCheckIcon() const
{
    return impl()->look.disableCheckIcon;
}

void KIVQCheckBox::setDisableCheckIcon(const QString& name)
{
    impl()->look.disableCheckIcon = name;
}

QString KIVQCheckBox::getDisableUncheckIcon() const
{
    return impl()->look.disableUncheckIcon;
}

void KIVQCheckBox::setDisableUncheckIcon(const QString& name)
{
    impl()->look.disableUncheckIcon = name;
}

const IconStyleDesc& KIVQCheckBox::getIconStyle() const
{
    return impl()->look.iconStyle;
}

void KIVQCheckBox::setIconStyle(const IconStyleDesc& style)
{
    impl()->look.iconStyle = style;
}

DockLayoutType KIVQCheckBox::getIconHorAlign() const
{
    return DockLayoutType(impl()->look.iconStyle.horAlign);
}

void KIVQCheckBox::setIconHorAlign(DockLayoutType align)
{
    impl()->look.iconStyle.horAlign = align;
}

DockLayoutType KIVQCheckBox::getIconVerAlign() const
{
    return DockLayoutType(impl()->look.iconStyle.verAlign);
}

void KIVQCheckBox::setIconVerAlign(DockLayoutType align)
{
    impl()->look.iconStyle.verAlign = align;
}

int KIVQCheckBox::getIconOffsetX() const
{
    return impl()->look.iconStyle.offsetX;
}

void KIVQCheckBox::setIconOffsetX(int x)
{
    impl()->look.iconStyle.offsetX = x;
}

int KIVQCheckBox::getIconOffsetY() const
{
    return impl()->look.iconStyle.offsetY;
}

void KIVQCheckBox::setIconOffsetY(int y)
{
    impl()->look.iconStyle.offsetY = y;
}

bool KIVQCheckBox::getShowIcon() const
{
    return impl()->look.showIcon;
}

void KIVQCheckBox::setShowIcon(bool on)
{
    impl()->look.showIcon = on;
}

bool KIVQCheckBox::getShowText() const
{
    return impl()->look.showText;
}

void KIVQCheckBox::setShowText(bool on)
{
    impl()->look.showText = on;
}

const TextStyleDesc& KIVQCheckBox::getTextStyle(bool checked) const
{
    return checked ? impl()->look.checkedText : impl()->look.uncheckedText;
}

void KIVQCheckBox::setTextStyle(bool checked, const TextStyleDesc& style)
{
    (checked ? impl()->look.checkedText : impl()->look.uncheckedText) = style;
}

const TextStyleDesc& KIVQCheckBox::getTextStyleByState(CheckBoxTextState state) const
{
    return impl()->look.textStyle(state);
}

void KIVQCheckBox::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    impl()->look.setTextStyle(state, style);
}

const TextStyleDesc& KIVQCheckBox::getDisableTextStyle() const
{
    return impl()->look.disabledText;
}

void KIVQCheckBox::setDisableTextStyle(const TextStyleDesc& style)
{
    impl()->look.disabledText = style;
}

bool KIVQCheckBox::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQCheckBox::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

void KIVQCheckBox::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

void KIVQCheckBox::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    m_impl->onMouseEnter();
}

void KIVQCheckBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_impl->onMouseLeave();
}

// toggled and clicked are emitted inside the base handlers; a slot may delete the check box.
void KIVQCheckBox::mousePressEvent(QMouseEvent* event)
{
    QPointer<KIVQCheckBox> alive(this);
    QAbstractButton::mousePressEvent(event);
    if (alive)
        m_impl->onMousePress();
}

void KIVQCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<KIVQCheckBox> alive(this);
    QAbstractButton::mouseReleaseEvent(event);
    if (alive)
        m_impl->onMouseRelease();
}

void KIVQCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    QCheckBox::mouseMoveEvent(event);
    m_impl->onMouseMove(event);
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
