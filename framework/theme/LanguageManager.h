#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

namespace KIVQtLib {

// Translations from a language document (JSON) and the current language.
class KIVQTLIB_EXPORT LanguageManager : public QObject
{
    Q_OBJECT
public:
    static LanguageManager* instance();

    bool loadFromFile(const QString& path, QString* error = nullptr);
    // Replaces the translations; on failure the previous ones stay and error gets the reason. Languages
    // past limits::kMaxLanguages (the default one is always read) and identifiers longer than
    // limits::kMaxLanguageIdLength are left out, with a warning on "kiv.json".
    bool loadFromJson(const QByteArray& bytes, QString* error = nullptr);
    bool setLanguage(const QString& id);
    QString currentLanguage() const { return m_currentLanguageId; }
    QString defaultLanguage() const { return m_defaultLanguageId; }
    // Sorted without regard to case.
    QStringList languages() const;
    bool hasLanguages() const { return !m_translations.isEmpty(); }
    // An empty language means the current one, which then falls back to the default language.
    bool contains(const QString& key, const QString& language = QString()) const;
    // The text in the current language, else the default language, else fallback (when not null),
    // else the key itself with one warning per language and key.
    QString text(const QString& key, const QString& fallback = QString());

Q_SIGNALS:
    void languageChanged(const QString& language);

private:
    LanguageManager() = default;
    // document names the source in warnings about what was left out.
    bool load(const QByteArray& bytes, const QString& document, QString* error);
    QString lookup(const QString& language, const QString& key) const;

    QHash<QString, QHash<QString, QString>> m_translations;
    QString m_defaultLanguageId;
    QString m_currentLanguageId;
    QSet<QString> m_warnedKeys;
};

} // namespace KIVQtLib
