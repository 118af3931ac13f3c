#pragma once

#include "CheckBoxLook.h"

class QWidget;

namespace KIVQtLib {

// The accessors the check box and the radio button share over the CheckBoxLook their Impl holds.
// The control binds the look once its Impl exists, and itself to be repainted when the look changes.
class KIVQTLIB_EXPORT CheckBoxLookAccess
{
public:
    // Unchecked (unselected) backgrounds: the setter takes 0..3 or 4 for all, the getter clamps.
    const FillStyle& getBackground(CtrlState state) const;
    void setBackground(CtrlState state, const FillStyle& fill);

    const IconStyleDesc& getIconStyle() const;
    void setIconStyle(const IconStyleDesc& style);
    DockLayoutType getIconHorAlign() const;
    void setIconHorAlign(DockLayoutType align);
    DockLayoutType getIconVerAlign() const;
    void setIconVerAlign(DockLayoutType align);
    int getIconOffsetX() const;
    void setIconOffsetX(int x);
    int getIconOffsetY() const;
    void setIconOffsetY(int y);
    bool getShowText() const;
    void setShowText(bool on);

    // true the checked caption style, false the unchecked one.
    void setTextStyle(bool checked, const TextStyleDesc& style);
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style);

protected:
    void bindLook(CheckBoxLook* look, QWidget* owner)
    {
        m_look = look;
        m_owner = owner;
    }
    CheckBoxLook& look() const { return *m_look; }

private:
    CheckBoxLook* m_look = nullptr;
    QWidget* m_owner = nullptr;
};

} // namespace KIVQtLib
