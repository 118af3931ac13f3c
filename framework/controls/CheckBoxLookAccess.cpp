#include "CheckBoxLookAccess.h"

namespace KIVQtLib {

const FillStyle& CheckBoxLookAccess::getBackground(CtrlState state) const
{
    return m_look->uncheckedBackgrounds.get(state);
}

void CheckBoxLookAccess::setBackground(CtrlState state, const FillStyle& fill)
{
    m_look->uncheckedBackgrounds.set(state, fill);
}

const IconStyleDesc& CheckBoxLookAccess::getIconStyle() const
{
    return m_look->iconStyle;
}

void CheckBoxLookAccess::setIconStyle(const IconStyleDesc& style)
{
    m_look->iconStyle = style;
}

DockLayoutType CheckBoxLookAccess::getIconHorAlign() const
{
    return DockLayoutType(m_look->iconStyle.horAlign);
}

void CheckBoxLookAccess::setIconHorAlign(DockLayoutType align)
{
    m_look->iconStyle.horAlign = align;
}

DockLayoutType CheckBoxLookAccess::getIconVerAlign() const
{
    return DockLayoutType(m_look->iconStyle.verAlign);
}

void CheckBoxLookAccess::setIconVerAlign(DockLayoutType align)
{
    m_look->iconStyle.verAlign = align;
}

int CheckBoxLookAccess::getIconOffsetX() const
{
    return m_look->iconStyle.offsetX;
}

void CheckBoxLookAccess::setIconOffsetX(int x)
{
    m_look->iconStyle.offsetX = x;
}

int CheckBoxLookAccess::getIconOffsetY() const
{
    return m_look->iconStyle.offsetY;
}

void CheckBoxLookAccess::setIconOffsetY(int y)
{
    m_look->iconStyle.offsetY = y;
}

bool CheckBoxLookAccess::getShowText() const
{
    return m_look->showText;
}

void CheckBoxLookAccess::setShowText(bool on)
{
    m_look->showText = on;
}

void CheckBoxLookAccess::setTextStyle(bool checked, const TextStyleDesc& style)
{
    (checked ? m_look->checkedText : m_look->uncheckedText) = style;
}

void CheckBoxLookAccess::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    m_look->setTextStyle(state, style);
}

} // namespace KIVQtLib
