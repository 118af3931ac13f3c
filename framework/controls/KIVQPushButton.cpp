#include "KIVQPushButton.h"

#include "KIVQPushButtonImpl.h"
#include "core/layout/KIVQContainer.h"

#include <QEvent>

namespace KIVQtLib {

KIVQPushButton::KIVQPushButton(QWidget* parent) : KIVQControlBase(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    attachImpl();
}

// QPushButton answers the polish request Qt posts to every new widget by asking its parent for a layout.
// A container places its children without one, and with the page already shown each request is searched
// against all the events the build posted.
bool KIVQPushButton::event(QEvent* event)
{
    if (event->type() == QEvent::PolishRequest) {
        QWidget* parent = parentWidget();
        if (parent && !parent->layout() && qobject_cast<KIVQContainer*>(parent))
            return QAbstractButton::event(event);
    }
    return KIVQControlBase::event(event);
}

void KIVQPushButton::setBackground(CtrlState state, const FillStyle& fill)
{
    impl()->backgrounds.set(state, fill);
    update();
}

const FillStyle& KIVQPushButton::getBackground(CtrlState state) const
{
    return impl()->backgrounds.get(state);
}

void KIVQPushButton::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->textStyles.set(state, style);
    update();
}

const TextStyleDesc& KIVQPushButton::getTextStyle(CtrlState state) const
{
    return impl()->textStyles.get(state);
}

void KIVQPushButton::setUseFillStyle(CtrlState state, bool colour)
{
    StateStyles<FillStyle>& fills = impl()->backgrounds;
    if (state == kAllStates) {
        for (int s = 0; s < kStateCount; ++s)
            fills.at(s).colourFill = colour;
    } else if (isSingleState(state)) {
        fills.at(state).colourFill = colour;
    }
    update();
}

bool KIVQPushButton::getUseFillStyle(CtrlState state) const
{
    return impl()->backgrounds.get(state).colourFill;
}

void KIVQPushButton::setDrawBackground(bool on)
{
    if (impl()->drawBackground == on)
        return;
    impl()->drawBackground = on;
    repaint();
}

bool KIVQPushButton::getDrawBackground() const
{
    return impl()->drawBackground;
}

void KIVQPushButton::setShowText(bool on)
{
    impl()->showText = on;
    update();
}

bool KIVQPushButton::getShowText() const
{
    return impl()->showText;
}

void KIVQPushButton::setUseIcon(bool on)
{
    impl()->useIcon = on;
    repaint();
}

bool KIVQPushButton::getUseIcon() const
{
    return impl()->useIcon;
}

void KIVQPushButton::setIcon(const QString& path)
{
    impl()->setIconPath(path);
}

void KIVQPushButton::setIcon(const QIcon& icon)
{
    impl()->setIcon(icon);
}

QString KIVQPushButton::getIcon() const
{
    return impl()->iconPath;
}

void KIVQPushButton::setHotIcon(const QString& path)
{
    if (impl()->hotIconPath == path)
        return;
    impl()->hotIconPath = path;
    repaint();
}

QString KIVQPushButton::getHotIcon() const
{
    return impl()->hotIconPath;
}

void KIVQPushButton::setPressedIcon(const QString& path)
{
    if (impl()->pressedIconPath == path)
        return;
    impl()->pressedIconPath = path;
    repaint();
}

QString KIVQPushButton::getPressedIcon() const
{
    return impl()->pressedIconPath;
}

void KIVQPushButton::setIconStyle(const IconStyleDesc& style)
{
    impl()->iconStyle = style;
    update();
}

const IconStyleDesc& KIVQPushButton::getIconStyle() const
{
    return impl()->iconStyle;
}

void KIVQPushButton::setTextOffsetX(int x)
{
    impl()->textOffsetX = boundedOffset(x);
    update();
}

int KIVQPushButton::getTextOffsetX() const
{
    return impl()->textOffsetX;
}

void KIVQPushButton::setTextOffsetY(int y)
{
    impl()->textOffsetY = boundedOffset(y);
    update();
}

int KIVQPushButton::getTextOffsetY() const
{
    return impl()->textOffsetY;
}

void KIVQPushButton::setFadeEnabled(bool on)
{
    impl()->setFadeEnabled(on);
    repaint();
}

bool KIVQPushButton::getFadeEnabled() const
{
    return impl()->fadeEnabled;
}

void KIVQPushButton::setFadeDuration(int ms)
{
    impl()->setFadeDuration(ms);
}

int KIVQPushButton::getFadeDuration() const
{
    return impl()->fadeDuration;
}

ControlInfo KIVQPushButton::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQPushButton", "Button", "PushButton", "button");
    auto& rows = info.properties;
    rows.push_back(props::fill<KIVQPushButton>(QStringLiteral("Background"), &KIVQPushButton::setBackground,
                                               &KIVQPushButton::getBackground));
    rows.push_back(props::onOff<KIVQPushButton>(QStringLiteral("DrawBackground"), &KIVQPushButton::setDrawBackground,
                                                &KIVQPushButton::getDrawBackground));
    rows.push_back(props::onOff<KIVQPushButton>(QStringLiteral("FadeEnabled"), &KIVQPushButton::setFadeEnabled,
                                                &KIVQPushButton::getFadeEnabled));
    rows.push_back(props::integer<KIVQPushButton>(QStringLiteral("FadeDuration"), &KIVQPushButton::setFadeDuration,
                                                  &KIVQPushButton::getFadeDuration));
    return info;
}

} // namespace KIVQtLib
