#include "KIVQScrollBar.h"

#include "KIVQScrollBarImpl.h"

#include <QStyleOptionSlider>

namespace KIVQtLib {

KIVQScrollBar::KIVQScrollBar(QWidget* parent) : KIVQScrollBar(Qt::Vertical, parent) {}

KIVQScrollBar::KIVQScrollBar(Qt::Orientation orientation, QWidget* parent) : KIVQControlBase(parent)
{
    setOrientation(orientation);
    setAttribute(Qt::WA_MouseTracking);
    attachImpl();
}

void KIVQScrollBar::setScrollbarBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQScrollBar::getScrollbarBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQScrollBar::setScrollbarUpButton(CtrlState state, const FillStyle& fill)
{
    impl()->upStyles.set(state, fill);
    update();
}

const FillStyle& KIVQScrollBar::getScrollbarUpButton(CtrlState state) const
{
    return impl()->upStyles.get(state);
}

void KIVQScrollBar::setScrollbarDownButton(CtrlState state, const FillStyle& fill)
{
    impl()->downStyles.set(state, fill);
    update();
}

const FillStyle& KIVQScrollBar::getScrollbarDownButton(CtrlState state) const
{
    return impl()->downStyles.get(state);
}

void KIVQScrollBar::setScrollbarThumb(CtrlState state, const FillStyle& fill)
{
    impl()->thumbStyles.set(state, fill);
    update();
}

const FillStyle& KIVQScrollBar::getScrollbarThumb(CtrlState state) const
{
    return impl()->thumbStyles.get(state);
}

void KIVQScrollBar::setScrollbarBtnIcon(bool up, const QString& name)
{
    (up ? impl()->upIcon : impl()->downIcon) = name;
    update();
}

const QString& KIVQScrollBar::getScrollbarBtnIcon(bool up) const
{
    return up ? impl()->upIcon : impl()->downIcon;
}

void KIVQScrollBar::setScrollbarThumbIcon(const QString& name)
{
    impl()->thumbIcon = name;
    update();
}

const QString& KIVQScrollBar::getScrollbarThumbIcon() const
{
    return impl()->thumbIcon;
}

void KIVQScrollBar::setScrollbarIconStyle(bool up, const IconStyleDesc& style)
{
    (up ? impl()->upIconStyle : impl()->downIconStyle) = style;
    update();
}

const IconStyleDesc& KIVQScrollBar::getScrollbarIconStyle(bool up) const
{
    return up ? impl()->upIconStyle : impl()->downIconStyle;
}

void KIVQScrollBar::setWidthHeight(int thickness)
{
    impl()->thickness = thickness;
    updateGeometry();
}

int KIVQScrollBar::getWidthHeight() const
{
    return impl()->thickness;
}

void KIVQScrollBar::initStyleOption(QStyleOptionSlider* option) const
{
    if (option)
        QScrollBar::initStyleOption(option);
}

QSize KIVQScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    const int thickness = impl()->thickness;
    if (thickness != -1) {
        if (orientation() == Qt::Horizontal)
            hint.setHeight(thickness);
        else
            hint.setWidth(thickness);
    }
    return hint;
}

ControlInfo KIVQScrollBar::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQScrollBar", "ScrollBar", "Control ScrollBar", "scrollbar");
    auto& rows = info.properties;
    rows.push_back(props::fill<KIVQScrollBar>(
        QStringLiteral("Background"),
        [](KIVQScrollBar* b, CtrlState s, const FillStyle& f) { b->setScrollbarBackground(CommonCtrlState(s), f); },
        [](KIVQScrollBar* b, CtrlState s) { return b->getScrollbarBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("UpButton"), &KIVQScrollBar::setScrollbarUpButton,
                                              &KIVQScrollBar::getScrollbarUpButton));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("DownButton"), &KIVQScrollBar::setScrollbarDownButton,
                                              &KIVQScrollBar::getScrollbarDownButton));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("Thumb"), &KIVQScrollBar::setScrollbarThumb,
                                              &KIVQScrollBar::getScrollbarThumb));
    rows.push_back(props::text<KIVQScrollBar>(QStringLiteral("Thumb"), PropertyDef::ImageName,
                                              &KIVQScrollBar::setScrollbarThumbIcon,
                                              &KIVQScrollBar::getScrollbarThumbIcon));
    return info;
}

} // namespace KIVQtLib
