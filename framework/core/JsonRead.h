#pragma once

#include "KIVQtLibGlobal.h"

#include <QByteArray>
#include <QColor>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <string>

// "kiv.json", warnings on: what a reader ignored (a document that does not parse, an unknown type, a
// style name the store lacks, a type registered twice). Reading goes on as if the thing were absent.
Q_DECLARE_LOGGING_CATEGORY(lcKivJson)

namespace KIVQtLib {

// True for a null value (a missing sub-object reads as present with default members), else whether
// the object holds key. Every framework reader tests keys with it.
KIVQTLIB_EXPORT bool jsonHasMember(const Json::Value& value, const char* key);
KIVQTLIB_EXPORT QString utf8ToQString(const char* text);

// Type-checked access to untrusted JSON. The JSON library throws on conversions it cannot make
// (a string read as a number, a member of an array); these never do: a value of the wrong type
// counts as absent and leaves the output untouched.
namespace json {

// obj[key] for an object, else a null value; never throws.
KIVQTLIB_EXPORT const Json::Value& member(const Json::Value& obj, const char* key);
// The key's value in the jsonHasMember sense, found with one lookup: a null value for any key of a null
// value, the member of an object, else null (absent).
KIVQTLIB_EXPORT const Json::Value* find(const Json::Value& obj, const char* key);
// find() for several keys in one pass over the object's members: found[i] for keys[i].
KIVQTLIB_EXPORT void findAll(const Json::Value& obj, const char* const* keys, int count, const Json::Value** found);

// Conversions of one value, following the library's rules where it can convert; false where it would throw.
KIVQTLIB_EXPORT bool toInt(const Json::Value& v, int& out);
KIVQTLIB_EXPORT bool toUInt(const Json::Value& v, unsigned& out);
KIVQTLIB_EXPORT bool toInt64(const Json::Value& v, qint64& out);
KIVQTLIB_EXPORT bool toBool(const Json::Value& v, bool& out);
KIVQTLIB_EXPORT bool toDouble(const Json::Value& v, double& out);
KIVQTLIB_EXPORT bool toString(const Json::Value& v, QString& out);
KIVQTLIB_EXPORT bool toStdString(const Json::Value& v, std::string& out);
// An array whose every entry converts to a string.
KIVQTLIB_EXPORT bool toStringList(const Json::Value& v, QStringList& out);

// Key present in the jsonHasMember sense and convertible: out is set and the result is true.
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, int& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, unsigned& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, bool& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, double& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, QString& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, std::string& out);
KIVQTLIB_EXPORT bool read(const Json::Value& obj, const char* key, QStringList& out);

template <class T> T valueOr(const Json::Value& obj, const char* key, T fallback)
{
    T v;
    return read(obj, key, v) ? v : fallback;
}
inline int intOr(const Json::Value& obj, const char* key, int fallback)
{
    return valueOr<int>(obj, key, fallback);
}
inline bool boolOr(const Json::Value& obj, const char* key, bool fallback)
{
    return valueOr<bool>(obj, key, fallback);
}
inline QString stringOr(const Json::Value& obj, const char* key, const QString& fallback = QString())
{
    return valueOr<QString>(obj, key, fallback);
}

// Whether members can be added: true for an object and for null (which becomes one). The JSON library
// throws when a member is added to anything else.
KIVQTLIB_EXPORT bool canHoldMembers(const Json::Value& v);

// An array member with at least n entries, else null.
KIVQTLIB_EXPORT const Json::Value* array(const Json::Value& obj, const char* key, unsigned minSize = 0);

// "AARRGGBB" with upper-case digits, the framework's colour format.
KIVQTLIB_EXPORT std::string colorToHex(const QColor& c);
// Leading hexadecimal digits as AARRGGBB (strtoul rules); 0 when there are none.
KIVQTLIB_EXPORT QColor hexToColor(const std::string& hex, bool keepAlpha);

KIVQTLIB_EXPORT std::string toUtf8(const QString& s);

// The values the text up to its first NUL byte would make (member names, comments and what strings hold are
// none), counted without allocating; counting stops once past stopAbove.
KIVQTLIB_EXPORT qint64 countValues(const QByteArray& bytes, qint64 stopAbove);
// Whether that count is past limits::kMaxJsonValues, the cap of one document; a text no longer than the cap
// is within it uncounted.
KIVQTLIB_EXPORT bool pastValueCap(const QByteArray& bytes);

// Parses the text up to its first NUL byte, comments allowed. False for empty text, for text of more
// values than limits::kMaxJsonValues (refused before any is built) and for any parse failure, including
// documents nested too deeply, for which the JSON library throws; root is then null.
KIVQTLIB_EXPORT bool parse(const QByteArray& bytes, Json::Value& root);
// The same, with a warning that names the document and gives the parser's message when it fails.
KIVQTLIB_EXPORT bool parse(const QByteArray& bytes, Json::Value& root, const QString& document);
// The same, silent, handing the parser's formatted messages to the caller (emptied on success).
KIVQTLIB_EXPORT bool parse(const QByteArray& bytes, Json::Value& root, QString* messages);

} // namespace json
} // namespace KIVQtLib
