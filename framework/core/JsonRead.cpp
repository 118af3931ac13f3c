#include "JsonRead.h"

#include "Limits.h"

#include <json/json.h>

#include <QTextCodec>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

Q_LOGGING_CATEGORY(lcKivJson, "kiv.json", QtWarningMsg)

namespace KIVQtLib {

bool jsonHasMember(const Json::Value& value, const char* key)
{
    if (value.isNull())
        return true;
    return key && value.isObject() && value.isMember(key);
}

QString utf8ToQString(const char* text)
{
    if (!text)
        return QString();
    static QTextCodec* codec = QTextCodec::codecForName("UTF-8");
    return codec->toUnicode(text);
}

namespace json {

const Json::Value& member(const Json::Value& obj, const char* key)
{
    static const Json::Value null;
    if (!key || !obj.isObject())
        return null;
    const Json::Value* found = obj.find(key, key + std::strlen(key));
    return found ? *found : null;
}

const Json::Value* find(const Json::Value& obj, const char* key)
{
    static const Json::Value null;
    if (obj.isNull())
        return &null;
    if (!key || !obj.isObject())
        return nullptr;
    return obj.find(key, key + std::strlen(key));
}

void findAll(const Json::Value& obj, const char* const* keys, int count, const Json::Value** found)
{
    static const Json::Value null;
    const bool nullObject = obj.isNull();
    for (int i = 0; i < count; ++i)
        found[i] = nullObject ? &null : nullptr;
    if (!obj.isObject())
        return;
    for (auto it = obj.begin(); it != obj.end(); ++it) {
        const char* end = nullptr;
        const char* name = it.memberName(&end);
        const size_t length = size_t(end - name);
        const char first = length ? name[0] : '\0';
        // The first character rules out nearly every key before any length is taken.
        for (int i = 0; i < count; ++i) {
            if (!found[i] && keys[i][0] == first && std::strlen(keys[i]) == length &&
                std::memcmp(keys[i], name, length) == 0) {
                found[i] = &*it;
                break;
            }
        }
    }
}

bool toInt64(const Json::Value& v, qint64& out)
{
    switch (v.type()) {
    case Json::nullValue:
        out = 0;
        return true;
    case Json::booleanValue:
        out = v.asBool() ? 1 : 0;
        return true;
    case Json::intValue:
        out = v.asInt64();
        return true;
    case Json::uintValue:
        if (v.asUInt64() > quint64(LLONG_MAX))
            return false;
        out = qint64(v.asUInt64());
        return true;
    case Json::realValue: {
        const double d = v.asDouble();
        if (!(d >= -9.2e18 && d <= 9.2e18))
            return false;
        out = qint64(d);
        return true;
    }
    default:
        return false;
    }
}

bool toInt(const Json::Value& v, int& out)
{
    qint64 wide = 0;
    if (!toInt64(v, wide) || wide < INT_MIN || wide > INT_MAX)
        return false;
    out = int(wide);
    return true;
}

bool toUInt(const Json::Value& v, unsigned& out)
{
    qint64 wide = 0;
    if (!toInt64(v, wide) || wide < 0 || wide > qint64(UINT_MAX))
        return false;
    out = unsigned(wide);
    return true;
}

bool toBool(const Json::Value& v, bool& out)
{
    switch (v.type()) {
    case Json::nullValue:
        out = false;
        return true;
    case Json::booleanValue:
    case Json::intValue:
    case Json::uintValue:
        out = v.asBool();
        return true;
    case Json::realValue:
        out = v.asDouble() != 0.0;
        return true;
    default:
        return false;
    }
}

bool toDouble(const Json::Value& v, double& out)
{
    switch (v.type()) {
    case Json::nullValue:
    case Json::booleanValue:
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
        out = v.asDouble();
        return true;
    default:
        return false;
    }
}

bool toStdString(const Json::Value& v, std::string& out)
{
    switch (v.type()) {
    case Json::nullValue:
        out.clear();
        return true;
    case Json::stringValue:
    case Json::booleanValue:
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
        out = v.asString();
        return true;
    default:
        return false;
    }
}

bool toString(const Json::Value& v, QString& out)
{
    std::string s;
    if (!toStdString(v, s))
        return false;
    out = QString::fromUtf8(s.data(), int(s.size()));
    return true;
}

bool toStringList(const Json::Value& v, QStringList& out)
{
    if (!v.isArray())
        return false;
    QStringList list;
    list.reserve(int(v.size()));
    for (const Json::Value& item : v) {
        QString s;
        if (!toString(item, s))
            return false;
        list << s;
    }
    out = list;
    return true;
}

template <class T, class Conv> static bool readWith(const Json::Value& obj, const char* key, T& out, Conv conv)
{
    const Json::Value* v = find(obj, key);
    return v && conv(*v, out);
}

bool read(const Json::Value& obj, const char* key, int& out)
{
    return readWith(obj, key, out, toInt);
}
bool read(const Json::Value& obj, const char* key, unsigned& out)
{
    return readWith(obj, key, out, toUInt);
}
bool read(const Json::Value& obj, const char* key, bool& out)
{
    return readWith(obj, key, out, toBool);
}
bool read(const Json::Value& obj, const char* key, double& out)
{
    return readWith(obj, key, out, toDouble);
}
bool read(const Json::Value& obj, const char* key, QString& out)
{
    return readWith(obj, key, out, toString);
}
bool read(const Json::Value& obj, const char* key, std::string& out)
{
    return readWith(obj, key, out, toStdString);
}
bool read(const Json::Value& obj, const char* key, QStringList& out)
{
    return readWith(obj, key, out, toStringList);
}

const Json::Value* array(const Json::Value& obj, const char* key, unsigned minSize)
{
    const Json::Value& v = member(obj, key);
    return v.isArray() && v.size() >= minSize ? &v : nullptr;
}

bool canHoldMembers(const Json::Value& v)
{
    return v.isNull() || v.isObject();
}

std::string colorToHex(const QColor& c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X%02X", c.alpha(), c.red(), c.green(), c.blue());
    return buf;
}

QColor hexToColor(const std::string& hex, bool keepAlpha)
{
    // Leading blanks are skipped and the hexadecimal digits that follow are taken; no sign and no
    // "0x", so a text that does not start with a digit is 0. More than eight digits saturate.
    size_t i = 0;
    while (i < hex.size() && std::isspace(static_cast<unsigned char>(hex[i])))
        ++i;
    quint64 v = 0;
    for (; i < hex.size() && std::isxdigit(static_cast<unsigned char>(hex[i])); ++i) {
        const char ch = hex[i];
        const int digit = ch <= '9' ? ch - '0' : (ch | 0x20) - 'a' + 10;
        v = qMin<quint64>((v << 4) | quint64(digit), 0xFFFFFFFFull + 1);
    }
    QColor c = QColor::fromRgba(QRgb(qMin<quint64>(v, 0xFFFFFFFFull)));
    if (!keepAlpha)
        c.setAlpha(255);
    return c;
}

namespace {

const char* textEnd(const QByteArray& bytes)
{
    const void* nul = std::memchr(bytes.constData(), 0, size_t(bytes.size()));
    return nul ? static_cast<const char*>(nul) : bytes.constData() + bytes.size();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

bool isStructural(char c)
{
    switch (c) {
    case ',':
    case ':':
    case '[':
    case ']':
    case '{':
    case '}':
    case '"':
    case '/':
        return true;
    default:
        return false;
    }
}

// Past the comment at p, which starts with '/', ended where the parser ends it; a lone '/' is passed over.
const char* skipComment(const char* p, const char* end)
{
    if (end - p < 2 || (p[1] != '/' && p[1] != '*'))
        return p + 1;
    if (p[1] == '/') {
        while (p < end && *p != '\n' && *p != '\r')
            ++p;
        return p;
    }
    for (p += 2; p < end - 1; ++p) {
        if (p[0] == '*' && p[1] == '/')
            return p + 2;
    }
    return end;
}

// Past the string at p, which starts with '"'.
const char* skipString(const char* p, const char* end)
{
    for (++p; p < end; ++p) {
        if (*p == '\\')
            ++p;
        else if (*p == '"')
            return p + 1;
    }
    return end;
}

} // namespace

qint64 countValues(const QByteArray& bytes, qint64 stopAbove)
{
    const char* p = bytes.constData();
    const char* const end = textEnd(bytes);
    qint64 count = 0;
    // A string is a member name when a colon follows it, so it is counted only at the next token.
    bool stringPending = false;
    while (p < end && count <= stopAbove) {
        const char c = *p;
        if (c == '/') {
            p = skipComment(p, end);
            continue;
        }
        if (isBlank(c)) {
            ++p;
            continue;
        }
        if (stringPending && c != ':')
            ++count;
        stringPending = false;
        if (c == '"') {
            p = skipString(p, end);
            stringPending = true;
        } else if (c == '{' || c == '[') {
            ++count;
            ++p;
        } else if (isStructural(c)) {
            ++p;
        } else {
            // A number, a literal or anything the parser will refuse: one value at most.
            ++count;
            while (++p < end && !isBlank(*p) && !isStructural(*p)) {
            }
        }
    }
    return count + (stringPending ? 1 : 0);
}

bool pastValueCap(const QByteArray& bytes)
{
    // Each value counted starts at a byte of its own, so a text of at most the cap in bytes cannot pass it:
    // nearly every document is spared a second pass over its text beside the parser's.
    return bytes.size() > limits::kMaxJsonValues && countValues(bytes, limits::kMaxJsonValues) > limits::kMaxJsonValues;
}

namespace {

bool parseText(const QByteArray& bytes, Json::Value& root, std::string* error)
{
    root = Json::Value();
    const char* begin = bytes.constData();
    const char* end = textEnd(bytes);
    if (begin == end) {
        if (error)
            *error = "empty or missing";
        return false;
    }
    // The tree costs over a hundred bytes a value whatever the text: its size is bounded before it is built.
    if (pastValueCap(bytes)) {
        if (error)
            *error = "more than " + std::to_string(limits::kMaxJsonValues) + " values, the cap of one document";
        return false;
    }
    Json::CharReaderBuilder builder;
    builder["collectComments"] = true;
    builder["allowComments"] = true;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    try {
        if (!reader->parse(begin, end, &parsed, error))
            return false;
    } catch (const std::exception& e) {
        if (error)
            *error = e.what();
        return false;
    }
    root.swap(parsed);
    return true;
}

} // namespace

bool parse(const QByteArray& bytes, Json::Value& root)
{
    return parseText(bytes, root, nullptr);
}

bool parse(const QByteArray& bytes, Json::Value& root, const QString& document)
{
    std::string error;
    if (parseText(bytes, root, &error))
        return true;
    qCWarning(lcKivJson, "Document %s does not parse: %s", qUtf8Printable(document),
              qUtf8Printable(QString::fromStdString(error).simplified()));
    return false;
}

bool parse(const QByteArray& bytes, Json::Value& root, QString* messages)
{
    std::string error;
    const bool ok = parseText(bytes, root, &error);
    if (messages)
        *messages = ok ? QString() : QString::fromStdString(error).trimmed();
    return ok;
}

std::string toUtf8(const QString& s)
{
    const QByteArray bytes = s.toUtf8();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

} // namespace json
} // namespace KIVQtLib
