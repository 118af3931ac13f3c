#include "KIVQLCDNumberImpl.h"

#include "KIVQLCDNumber.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;

} // namespace

KIVQLCDNumberImpl::KIVQLCDNumberImpl(KIVQLCDNumber* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_lcd(owner)
{
}

// Qt draws the digits over this afterwards, in the palette's colour that setColor keeps.
void KIVQLCDNumberImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

void KIVQLCDNumberImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}}, ControlJson::EmptyStyles::WriteNull);
    io.keepAbsentKeys();
    if (io.isReading()) {
        int digits = 0;
        if (io.attr("digitCount", digits, 0))
            m_lcd->setDigitCount(digits);
        QColor colour;
        if (io.attrColor("color", colour, QColor()))
            m_lcd->setColor(colour);
        // What the display shows is the program's: a theme entry only styles it.
        QString text;
        if (!io.fromTheme() && io.attr("text", text, QString()))
            m_lcd->setNumText(text);
        return;
    }
    int digits = m_lcd->digitCount();
    io.attr("digitCount", digits, 0);
    Json::Value& out = io.attrs().writable();
    out["color"] = json::colorToHex(m_lcd->getColor());
    out["text"] = json::toUtf8(m_lcd->getNumText());
}

} // namespace KIVQtLib
