#include "StateStyles.h"

#include "JsonRead.h"
#include "Limits.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QSet>

namespace KIVQtLib {

namespace {

constexpr int kMaxStyleCode = 1 << 20;

} // namespace

QVector<StyleEntry> readStyleEntries(const Json::Value& element)
{
    QVector<StyleEntry> entries;
    const Json::Value* styles = json::array(element, "style");
    if (!styles)
        return entries;
    if (styles->size() > Json::ArrayIndex(limits::kMaxElementEntries))
        qCWarning(lcKivJson, "A style list of %u entries: only the first %d are read", styles->size(),
                  limits::kMaxElementEntries);
    for (const Json::Value& item : *styles) {
        if (entries.size() == limits::kMaxElementEntries)
            break;
        if (!item.isArray() || item.size() < 3)
            continue;
        StyleEntry entry;
        if (!json::toString(item[0], entry.name) || !json::toInt(item[2], entry.code))
            continue;
        if (item[1].isInt())
            entry.kind = item[1].asInt();
        // Far beyond every control's codes, with the sign kept: a reader may then subtract its run's
        // first code from any code a document gives.
        entry.code = qBound(-kMaxStyleCode, entry.code, kMaxStyleCode);
        entries.append(entry);
    }
    return entries;
}

const QVector<StyleEntry> readStyleEntries(const Json::Value& element, bool fromTheme)
{
    ThemeStyleCache* cache = fromTheme ? KIVQResourceManager::getInstance()->themeStyleCache(&element) : nullptr;
    if (!cache)
        return readStyleEntries(element);
    if (!cache->decoded) {
        cache->entries = readStyleEntries(element);
        cache->decoded = true;
    }
    return cache->entries;
}

namespace {

// Once per name: a page names the same style on many controls.
bool reportMissing(bool found, const QString& name)
{
    static QSet<QString> reported;
    if (!found && !reported.contains(name)) {
        reported.insert(name);
        qCWarning(lcKivJson, "Style %s is not in the style store", qUtf8Printable(name));
    }
    return found;
}

} // namespace

bool lookupStyle(const QString& name, FillStyle& style)
{
    return reportMissing(KIVQResourceManager::getInstance()->getFillStyle(name, style), name);
}

bool lookupStyle(const QString& name, TextStyleDesc& style)
{
    return reportMissing(KIVQResourceManager::getInstance()->getTextStyle(name, style), name);
}

StyleWriter::StyleWriter() : m_entries(new Json::Value(Json::arrayValue)) {}

StyleWriter::~StyleWriter() = default;

void StyleWriter::slot(const FillStyle& style, int code)
{
    append(style.name, style.isText, code);
}

void StyleWriter::slot(const TextStyleDesc& style, int code)
{
    append(style.name, style.isText, code);
}

void StyleWriter::append(const QString& name, bool isText, int code)
{
    if (name.isEmpty())
        return;
    Json::Value entry(Json::arrayValue);
    entry.append(json::toUtf8(name));
    entry.append(isText ? 2 : 1);
    entry.append(code);
    m_entries->append(entry);
}

bool StyleWriter::isEmpty() const
{
    return m_entries->empty();
}

void StyleWriter::store(Json::Value& element, EmptyStyles empty) const
{
    if (!json::canHoldMembers(element))
        return;
    if (!m_entries->empty() || empty == EmptyStyles::WriteEmptyArray)
        element["style"] = *m_entries;
    else if (empty == EmptyStyles::WriteNull)
        element["style"] = Json::Value();
    else if (element.isObject())
        element.removeMember("style");
}

} // namespace KIVQtLib
