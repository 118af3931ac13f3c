#include "KIVQGroupBox.h"

#include "KIVQGroupBoxImpl.h"

namespace KIVQtLib {

KIVQGroupBox::KIVQGroupBox(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

void KIVQGroupBox::setText(const QString& text)
{
    impl()->text = text;
    update();
}

const QString& KIVQGroupBox::getText() const
{
    return impl()->text;
}

void KIVQGroupBox::setShowText(bool on)
{
    impl()->showText = on;
    update();
}

bool KIVQGroupBox::getShowText() const
{
    return impl()->showText;
}

void KIVQGroupBox::setLineSize(int size)
{
    impl()->lineSize = size;
    update();
}

int KIVQGroupBox::getLineSize() const
{
    return impl()->lineSize;
}

void KIVQGroupBox::setLineColor(const QColor& colour)
{
    impl()->lineColour = colour;
    update();
}

QColor KIVQGroupBox::getLineColor() const
{
    return impl()->lineColour;
}

void KIVQGroupBox::setTextStyle(CommonCtrlState, const TextStyleDesc& style)
{
    impl()->textStyle = style;
    update();
}

const TextStyleDesc& KIVQGroupBox::getTextStyle(CommonCtrlState) const
{
    return impl()->textStyle;
}

void KIVQGroupBox::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQGroupBox::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

ControlInfo KIVQGroupBox::getProps()
{
    using G = KIVQGroupBox;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQGroupBox", "GroupBox", "Control GroupBox", "groupbox");
    auto& rows = info.properties;
    PropertyDef background = props::fill<G>(
        QStringLiteral("Background"),
        [](G* g, CtrlState s, const FillStyle& f) { g->setBackground(CommonCtrlState(s), f); },
        [](G* g, CtrlState s) { return g->getBackground(CommonCtrlState(s)); }, 2);
    PropertyDef title = props::textStyle<G>(
        QStringLiteral("TextStyle"),
        [](G* g, CtrlState s, const TextStyleDesc& t) { g->setTextStyle(CommonCtrlState(s), t); },
        [](G* g, CtrlState s) { return g->getTextStyle(CommonCtrlState(s)); }, 2);
    // The group box offers its disabled style under the disabled CtrlState.
    background.optionValues = title.optionValues = {CtrlNormal, CtrlDisabled};
    rows.push_back(background);
    rows.push_back(title);
    rows.push_back(props::text<G>(QStringLiteral("Text"), PropertyDef::Text, &G::setText, &G::getText));
    rows.push_back(props::integer<G>(QStringLiteral("LineSize"), &G::setLineSize, &G::getLineSize));
    rows.push_back(props::colour<G>(QStringLiteral("LineColor"), &G::setLineColor, &G::getLineColor));
    rows.push_back(props::onOff<G>(QStringLiteral("ShowText"), &G::setShowText, &G::getShowText));
    return info;
}

} // namespace KIVQtLib
