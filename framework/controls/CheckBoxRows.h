#pragma once

#include "CheckBoxLook.h"
#include "core/ControlInfo.h"

#include <vector>

namespace KIVQtLib {

// Designer rows the check box and the radio button share; Button is either class.

// The three caption styles, chosen by CheckBoxTextState.
template <class Button> PropertyDef checkTextStyleRow()
{
    PropertyDef d = props::textStyle<Button>(
        QStringLiteral("TextStyle"),
        [](Button* b, CtrlState s, const TextStyleDesc& v) { b->setTextStyleByState(CheckBoxTextState(s), v); },
        [](Button* b, CtrlState s) { return b->getTextStyleByState(CheckBoxTextState(s)); }, 0);
    d.options = QStringList{QStringLiteral("Checked"), QStringLiteral("Unchecked"), QStringLiteral("Disable")};
    d.optionValues = {CheckedTextState, UncheckedTextState, DisabledTextState};
    return d;
}

// The four icons and their placement.
template <class Button> void appendCheckIconRows(std::vector<PropertyDef>& rows)
{
    const auto image = [&rows](const char* name, auto set, auto get) {
        rows.push_back(props::text<Button>(QString::fromLatin1(name), PropertyDef::ImageName, set, get));
    };
    image("UncheckIcon", &Button::setUncheckIcon, &Button::getUncheckIcon);
    image("UncheckHotIcon", &Button::setUncheckHotIcon, &Button::getUncheckHotIcon);
    image("CheckedIcon", &Button::setCheckedIcon, &Button::getCheckedIcon);
    image("CheckedHotIcon", &Button::setCheckedHotIcon, &Button::getCheckedHotIcon);
    const QStringList aligns{QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
    rows.push_back(props::integer<Button>(
        QStringLiteral("HorAlign"), [](Button* b, int v) { b->setIconHorAlign(DockLayoutType(v)); },
        [](Button* b) { return int(b->getIconHorAlign()); }, aligns));
    rows.push_back(props::integer<Button>(
        QStringLiteral("VerAlign"), [](Button* b, int v) { b->setIconVerAlign(DockLayoutType(v)); },
        [](Button* b) { return int(b->getIconVerAlign()); }, aligns));
    rows.push_back(props::integer<Button>(QStringLiteral("OffsetX"), &Button::setIconOffsetX, &Button::getIconOffsetX));
    rows.push_back(props::integer<Button>(QStringLiteral("OffsetY"), &Button::setIconOffsetY, &Button::getIconOffsetY));
}

} // namespace KIVQtLib
