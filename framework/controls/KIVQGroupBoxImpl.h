#pragma once

#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

class KIVQGroupBox;

// The group box's frame, title and JSON.
class KIVQTLIB_EXPORT KIVQGroupBoxImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQGroupBoxImpl(KIVQGroupBox* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override;
    void serializeJson(ControlJson& io) override;

    bool showText = true;
    FillStyle background;
    QString text;
    QString textKey;
    TextStyleDesc textStyle;
    QColor lineColour{0, 0, 0, 255};
    int lineSize = 1;

private:
    KIVQGroupBox* m_box;
};

} // namespace KIVQtLib
