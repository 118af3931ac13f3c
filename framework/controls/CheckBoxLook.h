#pragma once

#include "core/StateStyles.h"

#include <QRect>
#include <QString>

class QPainter;

namespace KIVQtLib {

class ControlJson;

// Selects a caption style of a check box or radio button.
enum CheckBoxTextState
{
    CheckedTextState = 0,
    UncheckedTextState = 1,
    DisabledTextState = 2
};

// Everything a check box looks like, with its painter and its "style" codes. The check box and the
// radio button hold one; item views, the ribbon and the property list paint check boxes in cells with
// one of their own, so nothing here needs a widget.
struct KIVQTLIB_EXPORT CheckBoxLook
{
    // "style" codes: the unchecked backgrounds of the four states, the checked ones, then the captions.
    static constexpr int kUncheckedCode = 0;
    static constexpr int kCheckedCode = 4;
    static constexpr int kUncheckedTextCode = 8;
    static constexpr int kCheckedTextCode = 9;
    static constexpr int kDisabledTextCode = 10;

    static const QString& defaultUncheckIcon(); // "IDB_UNCHECK"
    static const QString& defaultCheckedIcon(); // "IDB_CHECKED"

    // The check box's look: the built-in box images, the icon at the left, no background drawn.
    CheckBoxLook();

    StateStyles<FillStyle> uncheckedBackgrounds;
    StateStyles<FillStyle> checkedBackgrounds;
    TextStyleDesc uncheckedText;
    TextStyleDesc checkedText;
    TextStyleDesc disabledText;
    IconStyleDesc iconStyle;
    QString uncheckIcon;
    QString uncheckHotIcon;
    QString checkedIcon;
    QString checkedHotIcon;
    QString disableUncheckIcon;
    QString disableCheckIcon;
    bool showIcon = true;
    bool showText = true;

    // A CheckBoxTextState; the getter answers the checked style for any other value, the setter
    // ignores it.
    const TextStyleDesc& textStyle(int which) const;
    void setTextStyle(int which, const TextStyleDesc& style);
    // The hot icon follows the normal one while it is still the built-in image.
    void setUncheckIcon(const QString& name);
    void setCheckedIcon(const QString& name);
    // The icon of a check state in a CtrlState; empty for a state outside 0..3.
    const QString& icon(bool checked, int state) const;
    // Left edge of the caption, relative to the painted rectangle.
    int captionStart() const;

    // Background, caption and icon into rect. The caption takes the disabled style when enabled is false.
    void paint(QPainter* painter, const QRect& rect, const QString& text, bool checked, int state, bool enabled) const;

    // The whole "style" array; none is written when nothing is named.
    void ioStyles(ControlJson& io);
    // The icon placement and the two show flags as "attr" keys; "iconHor" is written when it differs
    // from horDefault, and a read -1 leaves it.
    void ioPlacement(ControlJson& io, int horDefault);
    // The four icon names of the two check states; with the disabled pair as well when asked.
    void ioIcons(ControlJson& io, bool withDisabled);
};

} // namespace KIVQtLib
