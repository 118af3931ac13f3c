#include "KIVQLabel.h"

#include "KIVQLabelImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

KIVQLabel::KIVQLabel(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    setText(KIVQLabelImpl::initialText());
}

void KIVQLabel::setText(const QString& text)
{
    impl()->fullText = text;
    QLabel::setText(text);
}

QString KIVQLabel::getText() const
{
    return impl()->fullText;
}

void KIVQLabel::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    KIVQLabelImpl* d = impl();
    if (state == kAllStates) {
        d->normalStyle = style;
        d->disabledStyle = style;
    } else if (state == CtrlNormal) {
        d->normalStyle = style;
    } else if (isSingleState(state)) {
        d->disabledStyle = style;
    } else {
        return;
    }
    d->applyStyle();
}

const TextStyleDesc& KIVQLabel::getTextStyle(CtrlState state) const
{
    return clampState(state) == CtrlNormal ? impl()->normalStyle : impl()->disabledStyle;
}

void KIVQLabel::setColor(const QColor& colour)
{
    impl()->normalStyle.colour = colour;
    impl()->applyStyle();
}

const QColor& KIVQLabel::getColor() const
{
    return impl()->normalStyle.colour;
}

void KIVQLabel::setDisableColor(const QColor& colour)
{
    impl()->disabledStyle.colour = colour;
}

const QColor& KIVQLabel::getDisableColor() const
{
    return impl()->disabledStyle.colour;
}

void KIVQLabel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    impl()->elide();
}

// QLabel paints the text the Impl styled; the Impl's paint serves item delegates.
void KIVQLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
}

ControlInfo KIVQLabel::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQLabel", "Label", "Control label", "label");
    info.properties.push_back(
        props::text<KIVQLabel>(QStringLiteral("Text"), PropertyDef::Text, &KIVQLabel::setText, &KIVQLabel::getText));
    PropertyDef style =
        props::textStyle<KIVQLabel>(QStringLiteral("TextStyle"), &KIVQLabel::setTextStyle, &KIVQLabel::getTextStyle, 2);
    // The label stores its disabled style under the control states 1..3; the designer offers 3.
    style.optionValues = {CtrlNormal, CtrlDisabled};
    info.properties.push_back(style);
    return info;
}

} // namespace KIVQtLib
