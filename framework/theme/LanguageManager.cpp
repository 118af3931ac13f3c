#include "LanguageManager.h"

#include "core/JsonRead.h"
#include "core/Limits.h"
#include "theme/ThemeReader.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>

namespace KIVQtLib {

LanguageManager* LanguageManager::instance()
{
    // Never deleted: windows and the resource manager may still reach it while statics are destroyed
    // at exit, in whatever order.
    static LanguageManager* manager = new LanguageManager;
    return manager;
}

bool LanguageManager::loadFromFile(const QString& path, QString* error)
{
    // A device never ends and opening a pipe waits for a writer: only a regular file of bounded size is
    // opened and read.
    const QFileInfo info(path);
    const QString refused = tr("not a regular file of at most %1 bytes").arg(limits::kMaxFileSize);
    QFile file(path);
    QByteArray bytes;
    QString reason;
    if (info.exists() && !info.isFile())
        reason = refused;
    else if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if (!themeio::readOpenFile(file, limits::kMaxFileSize, bytes))
        reason = refused;
    if (!reason.isEmpty()) {
        if (error)
            *error = tr("Unable to open language file '%1': %2").arg(path, reason);
        return false;
    }
    return load(bytes, path, error);
}

bool LanguageManager::loadFromJson(const QByteArray& bytes, QString* error)
{
    return load(bytes, QStringLiteral("(language document in memory)"), error);
}

bool LanguageManager::load(const QByteArray& bytes, const QString& document, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };

    // Qt's parser builds some twenty bytes a value: 64 MB of "[]," took half a gigabyte.
    if (json::pastValueCap(bytes)) {
        qCWarning(lcKivJson, "Language document %s: more than %lld values, the cap of one document; not read",
                  qUtf8Printable(document), limits::kMaxJsonValues);
        return fail(tr("Invalid language JSON: more than %1 values").arg(limits::kMaxJsonValues));
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        return fail(tr("Invalid language JSON: %1").arg(parseError.errorString()));

    const QJsonObject root = doc.object();
    const QString defaultId = root.value(QLatin1String("defaultLanguage")).toString();
    const QJsonValue languagesValue = root.value(QLatin1String("languages"));
    if (defaultId.isEmpty() || !languagesValue.isObject())
        return fail(tr("Language JSON requires defaultLanguage and a languages object."));

    QHash<QString, QHash<QString, QString>> tables;
    const QJsonObject languagesObject = languagesValue.toObject();
    // Keys come sorted, so the default language may lie past the cap; a place is kept for it.
    const auto readable = [](const QString& id) { return id.size() <= limits::kMaxLanguageIdLength; };
    int room = limits::kMaxLanguages - (readable(defaultId) && languagesObject.contains(defaultId) ? 1 : 0);
    int pastCap = 0, tooLong = 0;
    for (auto lang = languagesObject.begin(); lang != languagesObject.end(); ++lang) {
        const QString id = lang.key();
        if (!readable(id)) {
            ++tooLong;
            continue;
        }
        if (id != defaultId) {
            if (room == 0) {
                ++pastCap;
                continue;
            }
            --room;
        }
        const QJsonObject entries = lang.value().toObject();
        if (!lang.value().isObject() || entries.isEmpty())
            return fail(tr("Language '%1' must contain at least one translation.").arg(id));
        QHash<QString, QString>& table = tables[id];
        for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
            if (!entry.value().isString())
                return fail(tr("Translation '%1' in language '%2' must be a string.").arg(entry.key(), id));
            table.insert(entry.key(), entry.value().toString());
        }
    }
    if (pastCap > 0)
        qCWarning(lcKivJson, "Language document %s: languages past the first %d ignored: %d", qUtf8Printable(document),
                  limits::kMaxLanguages, pastCap);
    if (tooLong > 0)
        qCWarning(lcKivJson, "Language document %s: languages named by more than %d characters ignored: %d",
                  qUtf8Printable(document), limits::kMaxLanguageIdLength, tooLong);
    if (!tables.contains(defaultId))
        return fail(tr("Default language '%1' does not exist in languages.").arg(defaultId));

    m_currentLanguageId = tables.contains(m_currentLanguageId) ? m_currentLanguageId : defaultId;
    m_translations = std::move(tables);
    m_defaultLanguageId = defaultId;
    m_warnedKeys.clear();
    Q_EMIT languageChanged(m_currentLanguageId);
    return true;
}

bool LanguageManager::setLanguage(const QString& id)
{
    if (!m_translations.contains(id))
        return false;
    if (id == m_currentLanguageId)
        return true;
    m_currentLanguageId = id;
    m_warnedKeys.clear();
    Q_EMIT languageChanged(m_currentLanguageId);
    return true;
}

QStringList LanguageManager::languages() const
{
    QStringList ids = m_translations.keys();
    // Identifiers equal but for case keep a fixed order rather than the hash's.
    std::sort(ids.begin(), ids.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return ids;
}

QString LanguageManager::lookup(const QString& language, const QString& key) const
{
    const auto table = m_translations.constFind(language);
    if (table == m_translations.constEnd())
        return QString();
    return table->value(key);
}

bool LanguageManager::contains(const QString& key, const QString& language) const
{
    const QString asked = language.isEmpty() ? m_currentLanguageId : language;
    if (!lookup(asked, key).isNull())
        return true;
    return language.isEmpty() && m_currentLanguageId != m_defaultLanguageId &&
           !lookup(m_defaultLanguageId, key).isNull();
}

QString LanguageManager::text(const QString& key, const QString& fallback)
{
    QString found = lookup(m_currentLanguageId, key);
    if (found.isNull() && m_currentLanguageId != m_defaultLanguageId)
        found = lookup(m_defaultLanguageId, key);
    if (!found.isNull())
        return found;
    if (!fallback.isNull())
        return fallback;
    const QString pair = m_currentLanguageId + QLatin1Char(':') + key;
    if (!m_warnedKeys.contains(pair)) {
        m_warnedKeys.insert(pair);
        qWarning() << "Missing translation key" << key << "for language" << m_currentLanguageId;
    }
    return key;
}

} // namespace KIVQtLib
