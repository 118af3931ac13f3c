#include "JsonAttr.h"

#include "JsonRead.h"

#include <json/json.h>

#include <cctype>

namespace KIVQtLib {

AttrIO::AttrIO(Json::Value& element, bool read, AbsentKeys absent, bool fromTheme)
    : m_element(element), m_read(read), m_resetAbsent(absent == AbsentKeys::Reset && !fromTheme)
{
}

AttrIO::~AttrIO()
{
    if (m_read || !m_element.isObject())
        return;
    const Json::Value* attr = m_element.find("attr", "attr" + 4);
    if (attr && (attr->isNull() || (attr->isObject() && attr->empty())))
        m_element.removeMember("attr");
}

const Json::Value& AttrIO::readable() const
{
    return json::member(m_element, "attr");
}

Json::Value& AttrIO::writable()
{
    Json::Value& attr = m_element["attr"];
    if (!attr.isObject())
        attr = Json::Value(Json::objectValue);
    return attr;
}

namespace {

// A present key of a usable type; the plain kinds convert as the JSON readers do.
const auto readPlain = [](const Json::Value& attr, const char* key, auto& out) { return json::read(attr, key, out); };

} // namespace

template <class T, class Read, class Write>
bool AttrIO::exchange(const char* key, T& value, const T& def, Read read, Write write)
{
    if (m_read) {
        const Json::Value& attr = readable();
        const bool present = attr.isObject() && attr.isMember(key);
        if (present && read(attr, key, value))
            return true;
        // A key of the wrong type leaves the value; only a missing one resets it.
        if (m_resetAbsent && !present)
            value = def;
        return false;
    }
    if (!json::canHoldMembers(m_element))
        return false;
    Json::Value& attr = writable();
    attr.removeMember(key);
    if (!(value == def))
        attr[key] = write(value);
    return false;
}

bool AttrIO::io(const char* key, bool& value, bool def)
{
    return exchange(key, value, def, readPlain, [](bool v) { return Json::Value(v ? 1 : 0); });
}

bool AttrIO::ioBool(const char* key, bool& value, bool def)
{
    return exchange(key, value, def, readPlain, [](bool v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, int& value, int def)
{
    return exchange(key, value, def, readPlain, [](int v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, double& value, double def)
{
    return exchange(key, value, def, readPlain, [](double v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, QString& value, const QString& def)
{
    return exchange(key, value, def, readPlain, [](const QString& v) { return Json::Value(json::toUtf8(v)); });
}

bool AttrIO::io(const char* key, QStringList& value, const QStringList& def)
{
    return exchange(key, value, def, readPlain, [](const QStringList& v) {
        Json::Value arr(Json::arrayValue);
        for (const QString& s : v)
            arr.append(json::toUtf8(s));
        return arr;
    });
}

bool AttrIO::ioColor(const char* key, QColor& value, const QColor& def)
{
    // Eight digits carry an alpha; a shorter text such as "FF0000" means an opaque colour, not a
    // transparent one. A number is a QRgb, opaque as well.
    const auto readHex = [](const Json::Value& attr, const char* k, QColor& out) {
        const Json::Value& v = json::member(attr, k);
        if (v.isIntegral()) {
            unsigned rgb = 0;
            if (!json::toUInt(v, rgb))
                return false;
            out = QColor(QRgb(rgb));
            return true;
        }
        std::string hex;
        if (!json::read(attr, k, hex))
            return false;
        size_t i = hex.find_first_not_of(" \t\n\v\f\r");
        size_t digits = 0;
        for (; i != std::string::npos && i < hex.size() && std::isxdigit(static_cast<unsigned char>(hex[i])); ++i)
            ++digits;
        out = json::hexToColor(hex, digits >= 8);
        return true;
    };
    return exchange(key, value, def, readHex, [](const QColor& v) { return Json::Value(json::colorToHex(v)); });
}

} // namespace KIVQtLib
