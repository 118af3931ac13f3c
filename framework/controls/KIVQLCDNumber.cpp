#include "KIVQLCDNumber.h"

#include "KIVQLCDNumberImpl.h"

#include <QLocale>

namespace KIVQtLib {

KIVQLCDNumber::KIVQLCDNumber(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    setFrameStyle(0);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

void KIVQLCDNumber::setColor(const QColor& colour)
{
    impl()->colour = colour;
    if (!colour.isValid())
        return;
    QPalette p = palette();
    p.setBrush(QPalette::All, QPalette::WindowText, QBrush(colour));
    setPalette(p);
}

QColor KIVQLCDNumber::getColor() const
{
    return impl()->colour.isValid() ? impl()->colour : palette().color(QPalette::Active, QPalette::WindowText);
}

void KIVQLCDNumber::setNumText(const QString& text)
{
    impl()->shownText = text;
    display(text);
}

QString KIVQLCDNumber::getNumText() const
{
    // display() keeps 0 as the value of a text that is no number; the text is then what was shown,
    // unless a number has been displayed since.
    const QString& shown = impl()->shownText;
    bool number = false;
    shown.toDouble(&number);
    if (!shown.isEmpty() && !number && value() == 0.0)
        return shown;
    return QString::number(value(), 'g', QLocale::FloatingPointShortest);
}

void KIVQLCDNumber::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQLCDNumber::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQLCDNumber::paintEvent(QPaintEvent* event)
{
    KIVQControlBase::paintEvent(event);
    QLCDNumber::paintEvent(event);
}

ControlInfo KIVQLCDNumber::getProps()
{
    using L = KIVQLCDNumber;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQLCDNumber", "LCDNumber", "Control LCDNumber", "led");
    auto& rows = info.properties;
    rows.push_back(props::fill<L>(
        QStringLiteral("Background"),
        [](L* l, CtrlState s, const FillStyle& f) { l->setBackground(CommonCtrlState(s), f); },
        [](L* l, CtrlState s) { return l->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(
        props::integer<L>(QStringLiteral("DigitCount"), &QLCDNumber::setDigitCount, &QLCDNumber::digitCount));
    rows.push_back(props::colour<L>(QStringLiteral("TextColor"), &L::setColor, &L::getColor));
    rows.push_back(props::text<L>(QStringLiteral("Text"), PropertyDef::ObjectName, &L::setNumText, &L::getNumText));
    return info;
}

} // namespace KIVQtLib
