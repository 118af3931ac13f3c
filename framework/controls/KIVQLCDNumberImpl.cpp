#include "KIVQLCDNumberImpl.h"

#include "KIVQLCDNumber.h"
#include "core/JsonAttr.h"
#include "core/JsonRead.h"
#include "core/StateStyles.h"

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

bool KIVQLCDNumberImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e))
            applySlotEntry(background, kBackgroundCode, entry);
        AttrIO attr(e, true, AttrIO::AbsentKeys::Keep);
        int digits = 0;
        if (attr.io("digitCount", digits, 0))
            m_lcd->setDigitCount(digits);
        QColor colour;
        if (attr.ioColor("color", colour, QColor()))
            m_lcd->setColor(colour);
        QString text;
        if (attr.io("text", text, QString()))
            m_lcd->setNumText(text);
        return true;
    }

    StyleWriter styles;
    styles.slot(background, kBackgroundCode);
    styles.store(e, true);
    AttrIO attr(e, false);
    int digits = m_lcd->digitCount();
    attr.io("digitCount", digits, 0);
    Json::Value& out = attr.writable();
    out["color"] = json::colorToHex(m_lcd->getColor());
    out["text"] = json::toUtf8(m_lcd->getNumText());
    return true;
}

} // namespace KIVQtLib
