#pragma once

#include "CaptionBinding.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QIcon>

class QTimer;

namespace KIVQtLib {

class KIVQPushButton;

// The push button's look, icons, hover fade and JSON.
class KIVQTLIB_EXPORT KIVQPushButtonImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kFadeInterval = 16;

    KIVQPushButtonImpl(KIVQPushButton* owner, const QString& typeName);
    ~KIVQPushButtonImpl() override;

    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    void onMouseMove(QMouseEvent* event) override;
    void serializeJson(ControlJson& io) override;

    // One step of the hover fade; the fade timer runs it every kFadeInterval ms.
    void fadeTick();
    bool isFading() const;
    // Made on first use: most buttons are never hovered.
    QTimer* fadeTimer();
    double fadeProgress() const { return m_fadeProgress; }
    // What the background and caption are painted with now: blended while a fade runs.
    FillStyle shownBackground() const;
    TextStyleDesc shownTextStyle() const;

    void setIconPath(const QString& path);
    void setIcon(const QIcon& icon);
    void setFadeEnabled(bool on);
    void setFadeDuration(int ms);
    CaptionBinding caption;
    bool extensionHot = false;
    bool extensionButton = false;
    QString extensionHotIcon;
    QString extensionIcon;
    int extensionWidth = 0;
    bool useIcon = true;
    bool showText = true;
    QString iconPath;
    QIcon icon;
    QString hotIconPath;
    QString pressedIconPath;
    IconStyleDesc iconStyle;
    int textOffsetX = 0;
    int textOffsetY = 0;
    bool drawBackground = true;
    StateStyles<FillStyle> backgrounds;
    StateStyles<TextStyleDesc> textStyles;
    bool fadeEnabled = false;
    int fadeDuration = 150;

private:
    // The hover fade's start and end; the plain state change when the fade is off.
    void fadeIn();
    void fadeOut();
    // Icon and caption side by side, centred together; or the icon alone, centred.
    void placeIconBesideCaption(int iconWidth);

    KIVQPushButton* m_button;
    double m_fadeProgress = 0.0;
    int m_reachedState = CtrlNormal;
    int m_targetState = CtrlNormal;
    void stopFade();

    QTimer* m_fadeTimer = nullptr;
};

} // namespace KIVQtLib
