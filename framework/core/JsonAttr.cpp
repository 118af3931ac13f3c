#include "JsonAttr.h"

#include "JsonRead.h"

#include <json/json.h>

#include <cctype>
#include <cstring>

namespace KIVQtLib {

AttrIO::AttrIO(Json::Value& element, bool read, AbsentKeys absent, bool fromTheme)
    : AttrIO(element, read ? json::find(element, "attr") : nullptr, absent, fromTheme)
{
    m_read = read;
}

namespace {

constexpr Json::ArrayIndex kFirstCharMembers = 8;

quint64 firstCharBit(char c)
{
    return quint64(1) << (static_cast<unsigned char>(c) & 63);
}

} // namespace

AttrIO::AttrIO(Json::Value& element, const Json::Value* attr, AbsentKeys absent, bool fromTheme)
    : m_element(element), m_attr(attr), m_read(true), m_resetAbsent(absent == AbsentKeys::Reset && !fromTheme)
{
    // Worth it where a worker asks for many keys of an element that sets few, as most elements do.
    if (!attr || !attr->isObject() || attr->size() > kFirstCharMembers)
        return;
    m_firstChars = 0;
    for (auto it = attr->begin(); it != attr->end(); ++it) {
        const char* end = nullptr;
        const char* name = it.memberName(&end);
        m_firstChars |= firstCharBit(name != end ? name[0] : '\0');
    }
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
    static const Json::Value null;
    if (m_read)
        return m_attr ? *m_attr : null;
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

// The plain kinds convert as the JSON readers do.
struct Convert
{
    bool operator()(const Json::Value& v, bool& out) const { return json::toBool(v, out); }
    bool operator()(const Json::Value& v, int& out) const { return json::toInt(v, out); }
    bool operator()(const Json::Value& v, double& out) const { return json::toDouble(v, out); }
    bool operator()(const Json::Value& v, QString& out) const { return json::toString(v, out); }
    bool operator()(const Json::Value& v, QStringList& out) const { return json::toStringList(v, out); }
};

} // namespace

template <class T, class Read, class Write>
bool AttrIO::exchange(const char* key, T& value, const T& def, Read read, Write write)
{
    if (m_read) {
        // One lookup per key; a key of the wrong type leaves the value, only a missing one resets it.
        const Json::Value* found = m_attr && key && (m_firstChars & firstCharBit(key[0])) && m_attr->isObject()
                                       ? m_attr->find(key, key + std::strlen(key))
                                       : nullptr;
        if (found && read(*found, value))
            return true;
        if (m_resetAbsent && !found)
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
    return exchange(key, value, def, Convert(), [](bool v) { return Json::Value(v ? 1 : 0); });
}

bool AttrIO::ioBool(const char* key, bool& value, bool def)
{
    return exchange(key, value, def, Convert(), [](bool v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, int& value, int def)
{
    return exchange(key, value, def, Convert(), [](int v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, double& value, double def)
{
    return exchange(key, value, def, Convert(), [](double v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, QString& value, const QString& def)
{
    return exchange(key, value, def, Convert(), [](const QString& v) { return Json::Value(json::toUtf8(v)); });
}

bool AttrIO::io(const char* key, QStringList& value, const QStringList& def)
{
    return exchange(key, value, def, Convert(), [](const QStringList& v) {
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
    const auto readHex = [](const Json::Value& v, QColor& out) {
        if (v.isIntegral()) {
            unsigned rgb = 0;
            if (!json::toUInt(v, rgb))
                return false;
            out = QColor(QRgb(rgb));
            return true;
        }
        std::string hex;
        if (!json::toStdString(v, hex))
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
