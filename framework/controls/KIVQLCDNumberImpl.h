#pragma once

#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

class KIVQLCDNumber;

// The LCD number's background, digit colour and JSON.
class KIVQTLIB_EXPORT KIVQLCDNumberImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQLCDNumberImpl(KIVQLCDNumber* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;

    QColor colour;
    FillStyle background;
    // The last text shown through setNumText, kept when it is no number.
    QString shownText;

private:
    KIVQLCDNumber* m_lcd;
};

} // namespace KIVQtLib
