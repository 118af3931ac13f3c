#pragma once

#include "CaptionBinding.h"
#include "CheckBoxLook.h"
#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

class KIVQRadioButton;

// The radio button's look, icon fitting, caption binding and JSON. The look's two disabled icons
// always hold the same name: the radio button has one disabled icon for both check states.
class KIVQTLIB_EXPORT KIVQRadioButtonImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQRadioButtonImpl(KIVQRadioButton* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override;
    void serializeJson(ControlJson& io) override;

    // An icon of natural size natural scaled, keeping its aspect ratio, to the largest size that fits
    // the rectangle's width and half its height; invalid when either is empty.
    static QSize fittedSize(const QSize& natural, const QRect& rect);

    CheckBoxLook look;
    CaptionBinding caption;
    bool pushLike = false;

private:
    void paintIcon(QPainter* painter, const QString& name, const QRect& rect, bool gray) const;

    KIVQRadioButton* m_button;
};

} // namespace KIVQtLib
