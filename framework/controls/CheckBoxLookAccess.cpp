#include "CheckBoxLookAccess.h"

#include <QWidget>

namespace KIVQtLib {

const FillStyle& CheckBoxLookAccess::getBackground(CtrlState state) const
{
    return m_look->uncheckedBackgrounds.get(state);
}

void CheckBoxLookAccess::setBackground(CtrlState state, const FillStyle& fill)
{
    m_look->uncheckedBackgrounds.set(state, fill);
    m_owner->update();
}

const IconStyleDesc& CheckBoxLookAccess::getIconStyle() const
{
    return m_look->iconStyle;
}

void CheckBoxLookAccess::setIconStyle(const IconStyleDesc& style)
{
    m_look->iconStyle = style;
    m_owner->update();
}

DockLayoutType CheckBoxLookAccess::getIconHorAlign() const
{
    return DockLayoutType(m_look->iconStyle.horAlign);
}

void CheckBoxLookAccess::setIconHorAlign(DockLayoutType align)
{
    m_look->iconStyle.horAlign = align;
    m_owner->update();
}

DockLayoutType CheckBoxLookAccess::getIconVerAlign() const
{
    return DockLayoutType(m_look->iconStyle.verAlign);
}

void CheckBoxLookAccess::setIconVerAlign(DockLayoutType align)
{
    m_look->iconStyle.verAlign = align;
    m_owner->update();
}

int CheckBoxLookAccess::getIconOffsetX() const
{
    return m_look->iconStyle.offsetX;
}

void CheckBoxLookAccess::setIconOffsetX(int x)
{
    m_look->iconStyle.offsetX = x;
    m_owner->update();
}

int CheckBoxLookAccess::getIconOffsetY() const
{
    return m_look->iconStyle.offsetY;
}

void CheckBoxLookAccess::setIconOffsetY(int y)
{
    m_look->iconStyle.offsetY = y;
    m_owner->update();
}

bool CheckBoxLookAccess::getShowText() const
{
    return m_look->showText;
}

void CheckBoxLookAccess::setShowText(bool on)
{
    m_look->showText = on;
    m_owner->update();
}

void CheckBoxLookAccess::setTextStyle(bool checked, const TextStyleDesc& style)
{
    (checked ? m_look->checkedText : m_look->uncheckedText) = style;
    m_owner->update();
}

void CheckBoxLookAccess::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    m_look->setTextStyle(state, style);
    m_owner->update();
}

} // namespace KIVQtLib
