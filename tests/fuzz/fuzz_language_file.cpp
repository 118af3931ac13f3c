// Feeds arbitrary bytes to both language readers: the manager's JSON document and a theme's tab-separated
// UTF-16 table ("language.txt"). Aborts when a promise breaks: a rejected document leaves the manager as
// it was and says why; an accepted one is what it reads back, within the caps on languages; a table written
// out reads back the same.
#include "core/Limits.h"
#include "theme/LanguageManager.h"
#include "theme/ThemeDocuments.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

using namespace KIVQtLib;

namespace {

// What a rejected document must leave as it was: the languages, then the current and default ones.
QStringList snapshot(const LanguageManager& manager)
{
    return QStringList(manager.languages()) << manager.currentLanguage() << manager.defaultLanguage();
}

void jsonDocument(const QByteArray& bytes)
{
    LanguageManager* manager = LanguageManager::instance();
    const QStringList before = snapshot(*manager);
    QString error;
    if (!manager->loadFromJson(bytes, &error)) {
        if (error.isEmpty() || snapshot(*manager) != before)
            abort();
        return;
    }
    const QStringList languages = manager->languages();
    if (!languages.contains(manager->defaultLanguage()) || !languages.contains(manager->currentLanguage()))
        abort();

    const QJsonObject tables = QJsonDocument::fromJson(bytes).object().value(QLatin1String("languages")).toObject();
    int readable = 0;
    for (auto table = tables.begin(); table != tables.end(); ++table)
        readable += table.key().size() <= limits::kMaxLanguageIdLength ? 1 : 0;
    if (languages.size() != qMin(readable, limits::kMaxLanguages))
        abort();
    for (auto table = tables.begin(); table != tables.end(); ++table) {
        if (!languages.contains(table.key())) {
            if (manager->setLanguage(table.key()))
                abort();
            continue;
        }
        if (!manager->setLanguage(table.key()) || manager->currentLanguage() != table.key())
            abort();
        const QJsonObject entries = table.value().toObject();
        for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
            if (!manager->contains(entry.key(), table.key()) || manager->text(entry.key()) != entry.value().toString())
                abort();
        }
    }
}

void languageTable(const QByteArray& bytes)
{
    themedoc::LanguageTable table;
    if (!themedoc::parseLanguageTable(bytes, table, QStringLiteral("fuzz")))
        return;
    if (table.languages.isEmpty() || table.languages.size() > limits::kMaxLanguages)
        abort();
    for (const QString& id : qAsConst(table.languages)) {
        if (id.size() > limits::kMaxLanguageIdLength)
            abort();
    }
    QStringList lines{QStringLiteral("Language\t") + table.languages.join(QLatin1Char('\t'))};
    for (const QStringList& row : qAsConst(table.rows)) {
        if (row.size() < 2 || row.size() > table.languages.size() + 1)
            abort();
        lines << row.join(QLatin1Char('\t'));
    }
    // A table without rows still needs the line break after its header.
    if (table.rows.isEmpty())
        lines << QString();
    themedoc::LanguageTable again;
    // Little-endian hosts only, as the table is.
    const QString text = lines.join(QStringLiteral("\r\n"));
    const QByteArray written(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    if (!themedoc::parseLanguageTable(written, again, QStringLiteral("fuzz")) || again.languages != table.languages ||
        again.rows != table.rows)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A missing key warns once; the fuzzer asks only for keys it knows, so the log stays quiet.
    qputenv("QT_LOGGING_RULES", "*.warning=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(1) << 20)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    jsonDocument(bytes);
    languageTable(bytes);
    return 0;
}
