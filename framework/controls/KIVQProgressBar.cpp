#include "KIVQProgressBar.h"

#include "KIVQProgressBarImpl.h"

namespace KIVQtLib {

KIVQProgressBar::KIVQProgressBar(QWidget* parent) : KIVQControlBase(parent)
{
    // QProgressBar starts one below its minimum, which would be saved and shown as -1.
    setValue(0);
    attachImpl();
}

void KIVQProgressBar::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQProgressBar::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQProgressBar::setForeground(CommonCtrlState, const FillStyle& fill)
{
    impl()->foreground = fill;
    update();
}

const FillStyle& KIVQProgressBar::getForeground(CommonCtrlState) const
{
    return impl()->foreground;
}

void KIVQProgressBar::setShowText(bool on)
{
    impl()->showText = on;
    update();
}

bool KIVQProgressBar::getShowText() const
{
    return impl()->showText;
}

void KIVQProgressBar::setCircleProgressBar(bool on)
{
    impl()->circle = on;
    update();
}

bool KIVQProgressBar::getIsCircleProgressBar() const
{
    return impl()->circle;
}

void KIVQProgressBar::setCircleAngleRange(int start, int end)
{
    if (start < 1 || end <= start)
        return;
    impl()->startAngle = start;
    impl()->endAngle = end;
    update();
}

void KIVQProgressBar::getCirleAngleRange(int& start, int& end) const
{
    start = impl()->startAngle;
    end = impl()->endAngle;
}

ControlInfo KIVQProgressBar::getProps()
{
    using P = KIVQProgressBar;
    ControlInfo info =
        kivMakeControlInfo(typeName(), "KIVQProgressBar", "ProgressBar", "Control ProgressBar", "progressbar");
    auto& rows = info.properties;
    rows.push_back(props::fill<P>(
        QStringLiteral("Background"),
        [](P* p, CtrlState s, const FillStyle& f) { p->setBackground(CommonCtrlState(s), f); },
        [](P* p, CtrlState s) { return p->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<P>(
        QStringLiteral("Foreground"),
        [](P* p, CtrlState s, const FillStyle& f) { p->setForeground(CommonCtrlState(s), f); },
        [](P* p, CtrlState s) { return p->getForeground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::onOff<P>(QStringLiteral("ShowText"), &P::setShowText, &P::getShowText));
    return info;
}

} // namespace KIVQtLib
