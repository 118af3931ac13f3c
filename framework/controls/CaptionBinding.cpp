#include "CaptionBinding.h"

#include "core/ControlJson.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QAbstractButton>

namespace KIVQtLib {

namespace {

const QLatin1String kLanguagePrefix("|->");

// A translation that is itself a key is followed once.
QString translate(const QString& key)
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QString text = rm->getString(key);
    if (text.startsWith(kLanguagePrefix))
        text = rm->getString(text.mid(kLanguagePrefix.size()));
    return text;
}

} // namespace

void CaptionBinding::read(QAbstractButton* button, const QString& text)
{
    if (text.startsWith(kLanguagePrefix)) {
        m_key = text.mid(kLanguagePrefix.size());
        button->setText(translate(m_key));
    } else {
        m_key.clear();
        button->setText(text);
    }
}

void CaptionBinding::io(ControlJson& io, QAbstractButton* button)
{
    if (!io.isReading()) {
        QString text = written(button->text());
        io.attr("text", text, QString());
        return;
    }
    if (io.fromTheme() || !io.attrObject().isObject())
        return;
    QString text;
    io.attr("text", text, QString());
    read(button, text);
}

QString CaptionBinding::written(const QString& shown) const
{
    if (!m_key.isEmpty() && shown == translate(m_key))
        return kLanguagePrefix + m_key;
    return shown;
}

void CaptionBinding::languageChanged(QAbstractButton* button) const
{
    if (!m_key.isEmpty())
        button->setText(translate(m_key));
}

} // namespace KIVQtLib
