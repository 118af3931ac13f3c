#include "ColourAttr.h"

#include "core/JsonRead.h"

#include <json/json.h>

#include <cctype>

namespace KIVQtLib {

bool readColourAttr(const Json::Value& attr, const char* key, QColor& out)
{
    const Json::Value& v = json::member(attr, key);
    if (v.isString()) {
        const std::string hex = v.asString();
        size_t i = 0;
        while (i < hex.size() && std::isspace(static_cast<unsigned char>(hex[i])))
            ++i;
        size_t digits = 0;
        while (i + digits < hex.size() && std::isxdigit(static_cast<unsigned char>(hex[i + digits])))
            ++digits;
        out = json::hexToColor(hex, digits >= 8);
        return true;
    }
    // Only values that fit 32 bits: the JSON library throws when asked to narrow anything larger.
    if (v.isUInt()) {
        out = QColor(QRgb(v.asUInt()));
        return true;
    }
    if (v.isInt()) {
        out = QColor(QRgb(static_cast<unsigned>(v.asInt())));
        return true;
    }
    return false;
}

} // namespace KIVQtLib
