#include "CheckBoxLook.h"

#include "core/ControlJson.h"
#include "core/KIVQPaintHelpers.h"

namespace KIVQtLib {

const QString& CheckBoxLook::defaultUncheckIcon()
{
    static const QString name = QStringLiteral("IDB_UNCHECK");
    return name;
}

const QString& CheckBoxLook::defaultCheckedIcon()
{
    static const QString name = QStringLiteral("IDB_CHECKED");
    return name;
}

CheckBoxLook::CheckBoxLook()
    : uncheckIcon(defaultUncheckIcon()), uncheckHotIcon(defaultUncheckIcon()), checkedIcon(defaultCheckedIcon()),
      checkedHotIcon(defaultCheckedIcon())
{
    FillStyle none;
    none.draw = false;
    uncheckedBackgrounds.set(kAllStates, none);
    checkedBackgrounds.set(kAllStates, none);
    iconStyle.horAlign = 0;
}

const TextStyleDesc& CheckBoxLook::textStyle(int which) const
{
    switch (which) {
    case UncheckedTextState:
        return uncheckedText;
    case DisabledTextState:
        return disabledText;
    default:
        return checkedText;
    }
}

void CheckBoxLook::setTextStyle(int which, const TextStyleDesc& style)
{
    switch (which) {
    case CheckedTextState:
        checkedText = style;
        break;
    case UncheckedTextState:
        uncheckedText = style;
        break;
    case DisabledTextState:
        disabledText = style;
        break;
    default:
        break;
    }
}

void CheckBoxLook::setUncheckIcon(const QString& name)
{
    if (uncheckHotIcon == defaultUncheckIcon())
        uncheckHotIcon = name;
    uncheckIcon = name;
}

void CheckBoxLook::setCheckedIcon(const QString& name)
{
    if (checkedHotIcon == defaultCheckedIcon())
        checkedHotIcon = name;
    checkedIcon = name;
}

const QString& CheckBoxLook::icon(bool checked, int state) const
{
    static const QString none;
    switch (state) {
    case CtrlNormal:
    case CtrlPressed:
        return checked ? checkedIcon : uncheckIcon;
    case CtrlHover:
        return checked ? checkedHotIcon : uncheckHotIcon;
    case CtrlDisabled:
        return checked ? disableCheckIcon : disableUncheckIcon;
    default:
        return none;
    }
}

int CheckBoxLook::captionStart() const
{
    // The unchecked box measures both check states, so the caption does not jump when it is ticked.
    if (!showIcon || iconStyle.horAlign != 0 || uncheckIcon.isEmpty())
        return 0;
    const QSize size = KIVQPaintHelpers::imageOrSvgSize(uncheckIcon);
    return size.isValid() ? boundedOffset(iconStyle.offsetX) + size.width() : 0;
}

void CheckBoxLook::paint(QPainter* painter, const QRect& rect, const QString& text, bool checked, int state,
                         bool enabled) const
{
    if (isSingleState(state))
        KIVQPaintHelpers::paintFillStyle(painter, (checked ? checkedBackgrounds : uncheckedBackgrounds).get(state),
                                         rect);
    if (showText) {
        const int x0 = captionStart();
        const TextStyleDesc& style = !enabled ? disabledText : (checked ? checkedText : uncheckedText);
        KIVQPaintHelpers::paintText(painter, text, style, rect.left() + x0, rect.top(), rect.width() - x0,
                                    rect.height(), true);
    }
    if (showIcon)
        KIVQPaintHelpers::paintImageOrSvg(painter, icon(checked, state), iconStyle, rect, false);
}

void CheckBoxLook::ioStyles(ControlJson& io)
{
    io.styles({{kUncheckedCode, &uncheckedBackgrounds},
               {kCheckedCode, &checkedBackgrounds},
               {kUncheckedTextCode, &uncheckedText},
               {kCheckedTextCode, &checkedText},
               {kDisabledTextCode, &disabledText}});
}

void CheckBoxLook::ioPlacement(ControlJson& io, int horDefault)
{
    AttrIO& attr = io.attrs();
    const int hor = iconStyle.horAlign;
    if (attr.io("iconHor", iconStyle.horAlign, horDefault) && iconStyle.horAlign == -1)
        iconStyle.horAlign = hor;
    const int ver = iconStyle.verAlign;
    if (attr.io("iconVer", iconStyle.verAlign, 1) && iconStyle.verAlign == -1)
        iconStyle.verAlign = ver;
    attr.io("iconX", iconStyle.offsetX, 0);
    attr.io("iconY", iconStyle.offsetY, 0);
    attr.io("showIcon", showIcon, true);
    attr.io("showText", showText, true);
}

void CheckBoxLook::ioIcons(ControlJson& io, bool withDisabled)
{
    AttrIO& attr = io.attrs();
    attr.io("iconPath", uncheckIcon, QString());
    attr.io("hotIconPath", uncheckHotIcon, QString());
    attr.io("siconPath", checkedIcon, QString());
    attr.io("sHotIconPath", checkedHotIcon, QString());
    if (!withDisabled)
        return;
    attr.io("disableIconPath", disableUncheckIcon, QString());
    attr.io("disableSIconPath", disableCheckIcon, QString());
}

} // namespace KIVQtLib
