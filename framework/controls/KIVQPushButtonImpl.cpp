#include "KIVQPushButtonImpl.h"

#include "KIVQPushButton.h"
#include "core/ControlJson.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace KIVQtLib {

namespace {

// "style" codes: fills of the four states, then text styles of the four states.
constexpr int kFillCode = 0;
constexpr int kTextCode = 4;
constexpr int kDefaultFadeDuration = 150;

FillStyle initialFill(QRgb colour)
{
    FillStyle fill;
    fill.res.colour = QColor::fromRgba(colour);
    fill.res.borderColour = QColor::fromRgba(0xFFCCCCCC);
    fill.res.borderSize = 1;
    return fill;
}

// Channel by channel on the 0..1 scale, kept as an 8-bit ARGB colour.
QColor blend(const QColor& from, const QColor& to, double progress)
{
    const auto mix = [progress](double a, double b) { return a + (b - a) * progress; };
    const QColor c = QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                                      mix(from.blueF(), to.blueF()), mix(from.alphaF(), to.alphaF()));
    return QColor::fromRgba(c.rgba());
}

} // namespace

KIVQPushButtonImpl::KIVQPushButtonImpl(KIVQPushButton* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_button(owner)
{
    backgrounds.set(CtrlNormal, initialFill(0xFFF5F5F5));
    backgrounds.set(CtrlHover, initialFill(0xFFEDFBFF));
    backgrounds.set(CtrlPressed, initialFill(0xFFF5F5F5));
    TextStyleDesc centred;
    centred.horAlign = 1;
    textStyles.set(kAllStates, centred);

    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    fadeEnabled = rm->getButtonFadeEnabled();
    fadeDuration = rm->getButtonFadeDuration();
}

KIVQPushButtonImpl::~KIVQPushButtonImpl()
{
    stopFade();
    delete m_fadeTimer;
}

QTimer* KIVQPushButtonImpl::fadeTimer()
{
    if (!m_fadeTimer) {
        m_fadeTimer = new QTimer(this);
        m_fadeTimer->setInterval(kFadeInterval);
        connect(m_fadeTimer, &QTimer::timeout, this, &KIVQPushButtonImpl::fadeTick);
    }
    return m_fadeTimer;
}

void KIVQPushButtonImpl::stopFade()
{
    if (m_fadeTimer)
        m_fadeTimer->stop();
}

void KIVQPushButtonImpl::onLanguageChanged()
{
    caption.languageChanged(m_button);
}

// ---- hover fade ----

bool KIVQPushButtonImpl::isFading() const
{
    return fadeEnabled && m_state == CtrlHover && m_targetState != m_reachedState;
}

void KIVQPushButtonImpl::onMouseEnter()
{
    fadeIn();
    Q_EMIT m_button->enterSignal();
}

void KIVQPushButtonImpl::onMouseLeave()
{
    fadeOut();
    Q_EMIT m_button->leaveSignal();
}

void KIVQPushButtonImpl::fadeIn()
{
    if (!fadeEnabled || !m_button->isEnabled()) {
        KIVQWidgetBaseImpl::onMouseEnter();
        return;
    }
    m_reachedState = m_state;
    m_state = CtrlHover;
    m_hover = true;
    m_targetState = CtrlHover;
    m_fadeProgress = 0.0;
    // Re-entering during a fade-out finds the button still hot: nothing to fade in.
    if (m_reachedState != m_targetState)
        fadeTimer()->start(kFadeInterval);
    else
        stopFade();
    m_button->repaint();
}

void KIVQPushButtonImpl::fadeOut()
{
    if (!fadeEnabled) {
        KIVQWidgetBaseImpl::onMouseLeave();
        return;
    }
    m_hover = false;
    m_reachedState = CtrlHover;
    m_fadeProgress = 1.0;
    if (m_button->isEnabled()) {
        // The button stays hot until the fade-out ends.
        m_state = CtrlHover;
        m_targetState = CtrlNormal;
        fadeTimer()->start(kFadeInterval);
    } else {
        // A disabled button has no hover colours to fade from.
        m_state = CtrlDisabled;
        m_targetState = CtrlDisabled;
        m_reachedState = CtrlDisabled;
        stopFade();
    }
    m_button->repaint();
}

void KIVQPushButtonImpl::fadeTick()
{
    if (m_targetState == m_reachedState || (m_targetState != CtrlNormal && m_targetState != CtrlHover)) {
        stopFade();
        return;
    }
    const int duration = fadeDuration > 0 ? fadeDuration : kDefaultFadeDuration;
    const double step = double(fadeTimer()->interval()) / double(duration);
    if (m_targetState == CtrlHover) {
        m_fadeProgress += step;
        if (m_fadeProgress >= 1.0) {
            m_fadeProgress = 1.0;
            stopFade();
            m_reachedState = CtrlHover;
            m_button->repaint();
            return;
        }
    } else {
        m_fadeProgress -= step;
        if (m_fadeProgress <= 0.0) {
            m_fadeProgress = 0.0;
            stopFade();
            m_reachedState = CtrlNormal;
            m_state = CtrlNormal;
        }
    }
    m_button->repaint();
}

void KIVQPushButtonImpl::setFadeEnabled(bool on)
{
    fadeEnabled = on;
    if (on || !m_fadeTimer || !m_fadeTimer->isActive())
        return;
    stopFade();
    m_fadeProgress = 1.0;
    // A fade cut short ends where it was going: a button the pointer has left is not left hot.
    if (m_targetState == CtrlNormal && m_state == CtrlHover)
        m_state = CtrlNormal;
    m_reachedState = m_targetState;
}

void KIVQPushButtonImpl::setFadeDuration(int ms)
{
    fadeDuration = ms > 0 ? ms : kDefaultFadeDuration;
}

FillStyle KIVQPushButtonImpl::shownBackground() const
{
    if (!isFading())
        return backgrounds.get(m_state);
    FillStyle fill = backgrounds.get(m_targetState == CtrlHover ? CtrlNormal : CtrlHover);
    const FillRes& from = backgrounds.get(CtrlNormal).res;
    const FillRes& to = backgrounds.get(CtrlHover).res;
    fill.res.colour = blend(from.colour, to.colour, m_fadeProgress);
    fill.res.borderColour = blend(from.borderColour, to.borderColour, m_fadeProgress);
    return fill;
}

TextStyleDesc KIVQPushButtonImpl::shownTextStyle() const
{
    if (!isFading())
        return textStyles.get(m_state);
    TextStyleDesc style = textStyles.get(m_targetState == CtrlHover ? CtrlNormal : CtrlHover);
    style.colour = blend(textStyles.get(CtrlNormal).colour, textStyles.get(CtrlHover).colour, m_fadeProgress);
    return style;
}

// ---- icons ----

void KIVQPushButtonImpl::placeIconBesideCaption(int iconWidth)
{
    const QString caption = m_button->text();
    if (showText && !caption.isEmpty()) {
        const int captionWidth = measureText(textStyles.get(CtrlNormal), caption).width();
        iconStyle.offsetX = -(iconWidth + captionWidth / 2);
        textOffsetX = iconWidth / 2;
    } else {
        iconStyle.offsetX = 0;
        iconStyle.offsetY = 0;
        textOffsetX = 0;
        textOffsetY = 0;
    }
}

void KIVQPushButtonImpl::setIconPath(const QString& path)
{
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (path.startsWith(QLatin1Char(':')) && !svg) {
        setIcon(iconFromFile(path));
        return;
    }
    useIcon = true;
    icon = QIcon();
    if (svg) {
        const QSize size = imageOrSvgSize(path);
        if (size.isValid())
            placeIconBesideCaption(size.width());
    }
    iconPath = path;
    m_button->repaint();
}

void KIVQPushButtonImpl::setIcon(const QIcon& newIcon)
{
    useIcon = true;
    placeIconBesideCaption(m_button->iconSize().width());
    icon = newIcon;
    m_button->repaint();
}

// ---- events and painting ----

void KIVQPushButtonImpl::onMouseMove(QMouseEvent* event)
{
    if (!extensionButton || !event)
        return;
    const bool hot = event->pos().x() > m_button->width() - extensionWidth;
    if (hot != extensionHot) {
        extensionHot = hot;
        m_button->repaint();
    }
}

void KIVQPushButtonImpl::paint(QPainter* painter, const QRect& rect)
{
    const int w = m_button->width();
    const int h = m_button->height();
    const QString caption = m_button->text();

    if (!extensionButton || !extensionHot) {
        if (drawBackground)
            paintFillStyle(painter, shownBackground(), rect);
        if (showText)
            paintText(painter, caption, shownTextStyle(), rect.left() + textOffsetX, rect.top() + textOffsetY,
                      w - textOffsetX, h - textOffsetY, true);
    } else {
        // Only the extension strip shows the state's fill; the rest of the button stays normal.
        if (drawBackground) {
            paintFillStyle(painter, backgrounds.get(m_state), rect);
            painter->save();
            painter->setClipRect(0, 0, w - extensionWidth, h);
            paintFillStyle(painter, backgrounds.get(CtrlNormal), rect);
            painter->restore();
        }
        if (showText)
            paintText(painter, caption, textStyles.get(CtrlNormal), rect.left() + textOffsetX, rect.top() + textOffsetY,
                      w - textOffsetX, h - textOffsetY, true);
    }

    if (useIcon) {
        if (icon.isNull()) {
            QString path;
            bool gray = false;
            if (m_state == CtrlHover && !hotIconPath.isEmpty()) {
                path = hotIconPath;
            } else if (m_state == CtrlPressed && !pressedIconPath.isEmpty()) {
                path = pressedIconPath;
            } else {
                path = iconPath;
                gray = !m_button->isEnabled();
            }
            if (!path.isEmpty())
                paintImageOrSvg(painter, path, iconStyle, rect.left(), rect.top(), w, h, gray);
        } else {
            paintIcon(painter, icon, m_button->iconSize(), iconStyle, rect);
        }
    }

    if (extensionButton) {
        const QString& path = m_state == CtrlHover && !extensionHotIcon.isEmpty() ? extensionHotIcon : extensionIcon;
        if (!path.isEmpty())
            paintImageOrSvg(painter, path, IconStyleDesc(), w - extensionWidth, rect.top(), extensionWidth, h, false);
    }
}

// ---- JSON ----

void KIVQPushButtonImpl::serializeJson(ControlJson& io)
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    const bool read = io.isReading();
    // Caption and icon belong to the program; a theme entry only styles the button.
    const bool fromTheme = io.fromTheme();
    io.styles({{kFillCode, &backgrounds}, {kTextCode, &textStyles}});

    io.keepAbsentKeys();
    io.attr("hasIcon", useIcon, true);
    if (!read || !fromTheme)
        io.attr("iconPath", iconPath, QString());
    io.attr("hotIconPath", hotIconPath, QString());
    if (io.attr("isExtBtn", extensionButton, false) && extensionButton)
        m_button->setMouseTracking(true);
    io.attr("extWidth", extensionWidth, 0);
    io.attr("extIconPath", extensionIcon, QString());
    io.attr("extHotIconPath", extensionHotIcon, QString());

    // Unlike the check box's, an absent "text" keeps the caption.
    QString text = read ? QString() : caption.written(m_button->text());
    if (io.attr("text", text, QString()) && read && !fromTheme)
        caption.read(m_button, text);

    io.attr("showText", showText, true);
    io.attr("drawBackground", drawBackground, true);
    bool fade = fadeEnabled;
    io.attr("fadeEnabled", fade, rm->getButtonFadeEnabled());
    int duration = fadeDuration;
    io.attr("fadeDuration", duration, rm->getButtonFadeDuration());
    if (read) {
        setFadeEnabled(fade);
        setFadeDuration(duration);
    }
    io.attr("iconHor", iconStyle.horAlign, 1);
    io.attr("iconVer", iconStyle.verAlign, 1);
    io.attr("iconX", iconStyle.offsetX, 0);
    io.attr("iconY", iconStyle.offsetY, 0);
    io.attr("iconUseColor", iconStyle.recolour, false);
    io.attrColor("iconColor", iconStyle.colour, QColor(0, 0, 0));
    io.attr("txtX", textOffsetX, 0);
    io.attr("txtY", textOffsetY, 0);
    if (read) {
        // Placing the caption and the extension strip then cannot overflow.
        textOffsetX = boundedOffset(textOffsetX);
        textOffsetY = boundedOffset(textOffsetY);
        extensionWidth = boundedOffset(extensionWidth);
    }
}

} // namespace KIVQtLib
