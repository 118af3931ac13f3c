#pragma once

// The documents of a theme: the elements of the style document, the index of the theme entries and
// the language table. None of these throws, whatever the bytes (JSON is parsed with json::parse).

#include "core/StyleTypes.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

namespace KIVQtLib {

class KIVQResourceManagerImpl;

namespace themedoc {

// One element of the style list. Values of the wrong type count as absent. Margins are multiplied
// by scale when it is below 1.
FillStyle readFillStyle(const Json::Value& element, float scale);
TextStyleDesc readTextStyle(const Json::Value& element);
Json::Value writeFillStyle(const FillStyle& style);
Json::Value writeTextStyle(const TextStyleDesc& style);

// Every fill (type 1) and text (type 2) element of a style list into the store, a later style of a
// name replacing the earlier one in place. Elements without a usable "type" are skipped.
void readStyleList(KIVQResourceManagerImpl& store, const Json::Value& list, float scale);

// The "style" list of a parsed style document: null when the root is null, else the member, which
// must be an array (or null). False for any other shape.
bool styleList(const Json::Value& root, const Json::Value*& list);

// Parses the store's "theme.json" into its theme document and, with buildIndex, maps each entry of
// the first element's "child" by its "name" (first of equal names kept). A store without the file
// succeeds untouched; a file that does not parse or has the wrong shape fails and leaves the store's
// document and index empty.
bool readThemeDocument(KIVQResourceManagerImpl& store, bool buildIndex);

// The language table "language.txt": UTF-16 little-endian (a byte-order mark is skipped), rows
// separated by CR LF, cells by TAB, a header row "Language" followed by the language identifiers.
// Languages past limits::kMaxLanguages and identifiers longer than limits::kMaxLanguageIdLength are left
// out with their cells, with a warning naming the document.
struct LanguageTable
{
    QStringList languages;     // header identifiers in column order
    QVector<QStringList> rows; // key first, then at most one text per language; a lone key left out
};
// False for an empty or odd-sized file, a broken surrogate pair, fewer than two rows or a header without
// a language it can read.
bool parseLanguageTable(const QByteArray& bytes, LanguageTable& table, const QString& document);

} // namespace themedoc
} // namespace KIVQtLib
