#include "KIVQGroupBoxImpl.h"

#include "KIVQGroupBox.h"
#include "core/JsonAttr.h"
#include "core/JsonRead.h"
#include "core/StateStyles.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QPainter>
#include <QPolygon>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kTextStyleCode = 2;

} // namespace

KIVQGroupBoxImpl::KIVQGroupBoxImpl(KIVQGroupBox* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_box(owner)
{
}

void KIVQGroupBoxImpl::paint(QPainter* painter, const QRect& rect)
{
    const int w = rect.width();
    const int h = rect.height();
    const QSize title = measureText(textStyle, text);
    const int tw = showText ? title.width() : 0;
    const int th = title.height();
    const int hy = th / 2;

    painter->save();
    painter->setPen(QPen(lineColour, 1));
    const QPoint points[] = {{5, hy}, {0, hy}, {0, h - lineSize}, {w - 2, h - lineSize}, {w - 2, hy}, {9 + tw, hy}};
    painter->drawPolyline(points, 6);
    painter->restore();
    if (showText)
        paintText(painter, text, textStyle, QRect(7, 0, tw + 5, th));
}

void KIVQGroupBoxImpl::onLanguageChanged()
{
    if (!textKey.isEmpty())
        text = KIVQResourceManager::getInstance()->getString(textKey);
}

bool KIVQGroupBoxImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (read) {
        for (const StyleEntry& entry : readStyleEntries(e)) {
            if (!applySlotEntry(background, kBackgroundCode, entry))
                applySlotEntry(textStyle, kTextStyleCode, entry);
        }
    } else {
        StyleWriter styles;
        styles.slot(background, kBackgroundCode);
        styles.slot(textStyle, kTextStyleCode);
        styles.store(e, false);
    }

    AttrIO attr(e, read, AttrIO::AbsentKeys::Keep);
    // The program owns the title: a theme entry styles the box but never replaces it.
    if (!read || !KIVQResourceManager::getInstance()->isLoadFromThemeRes())
        attr.io("text", text, QString());
    attr.io("showText", showText, true);
    if (read) {
        attr.io("size", lineSize, 1);
        attr.ioColor("color", lineColour, QColor());
    } else {
        // Always written, so that a box at its defaults still saves its line, and a line size of 0 or a
        // transparent line come back as they were rather than as the defaults.
        Json::Value& out = attr.writable();
        out["size"] = lineSize;
        out["color"] = json::colorToHex(lineColour);
    }
    return true;
}

} // namespace KIVQtLib
