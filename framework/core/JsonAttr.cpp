#include "JsonAttr.h"

#include "JsonRead.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

namespace KIVQtLib {

AttrIO::AttrIO(Json::Value& element, bool read, AbsentKeys absent)
    : m_element(element), m_read(read),
      m_resetAbsent(absent == AbsentKeys::Reset && !KIVQResourceManager::getInstance()->isLoadFromThemeRes())
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

template <class T, class Write> bool AttrIO::exchange(const char* key, T& value, const T& def, Write write)
{
    if (m_read) {
        const Json::Value& attr = readable();
        T v = value;
        if (attr.isObject() && attr.isMember(key) && json::read(attr, key, v)) {
            value = v;
            return true;
        }
        if (m_resetAbsent && !(attr.isObject() && attr.isMember(key)))
            value = def;
        return false;
    }
    Json::Value& attr = writable();
    attr.removeMember(key);
    if (!(value == def))
        attr[key] = write(value);
    return false;
}

bool AttrIO::io(const char* key, bool& value, bool def)
{
    return exchange(key, value, def, [](bool v) { return Json::Value(v ? 1 : 0); });
}

bool AttrIO::ioBool(const char* key, bool& value, bool def)
{
    return exchange(key, value, def, [](bool v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, int& value, int def)
{
    return exchange(key, value, def, [](int v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, double& value, double def)
{
    return exchange(key, value, def, [](double v) { return Json::Value(v); });
}

bool AttrIO::io(const char* key, QString& value, const QString& def)
{
    return exchange(key, value, def, [](const QString& v) { return Json::Value(json::toUtf8(v)); });
}

bool AttrIO::io(const char* key, QStringList& value, const QStringList& def)
{
    return exchange(key, value, def, [](const QStringList& v) {
        Json::Value arr(Json::arrayValue);
        for (const QString& s : v)
            arr.append(json::toUtf8(s));
        return arr;
    });
}

bool AttrIO::ioColor(const char* key, QColor& value, const QColor& def)
{
    if (m_read) {
        std::string hex;
        const Json::Value& attr = readable();
        if (attr.isObject() && attr.isMember(key) && json::read(attr, key, hex)) {
            value = json::hexToColor(hex, true);
            return true;
        }
        if (m_resetAbsent && !(attr.isObject() && attr.isMember(key)))
            value = def;
        return false;
    }
    Json::Value& attr = writable();
    attr.removeMember(key);
    if (value != def)
        attr[key] = json::colorToHex(value);
    return false;
}

} // namespace KIVQtLib
