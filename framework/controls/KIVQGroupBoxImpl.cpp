#include "KIVQGroupBoxImpl.h"

#include "KIVQGroupBox.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"
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
    // Transparent until a style or the program gives it a fill: boxes saved without one stay see-through.
    background.draw = false;
}

void KIVQGroupBoxImpl::paint(QPainter* painter, const QRect& rect)
{
    const int w = rect.width();
    const int h = rect.height();
    const QSize title = measureText(textStyle, text);
    const int tw = showText ? title.width() : 0;
    const int th = title.height();
    const int hy = th / 2;
    const int bottom = h - qBound(0, lineSize, kWidgetMaxSize);

    // Inside the frame only, so the box still reads as a titled line on whatever lies behind it.
    paintFillStyle(painter, background, QRect(0, hy, w - 1, bottom - hy + 1));
    painter->save();
    painter->setPen(QPen(lineColour, 1));
    const QPoint points[] = {{5, hy}, {0, hy}, {0, bottom}, {w - 2, bottom}, {w - 2, hy}, {9 + tw, hy}};
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

void KIVQGroupBoxImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kTextStyleCode, &textStyle}});
    io.keepAbsentKeys();
    // The program owns the title: a theme entry styles the box but never replaces it.
    if (!io.isReading() || !io.fromTheme())
        io.attr("text", text, QString());
    io.attr("showText", showText, true);
    if (io.isReading()) {
        io.attr("size", lineSize, 1);
        io.attrColor("color", lineColour, QColor());
    } else {
        // Always written, so that a box at its defaults still saves its line, and a line size of 0 or a
        // transparent line come back as they were rather than as the defaults.
        Json::Value& out = io.attrs().writable();
        out["size"] = lineSize;
        out["color"] = json::colorToHex(lineColour);
    }
}

} // namespace KIVQtLib
