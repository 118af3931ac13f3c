#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QString>

class QAbstractButton;

namespace KIVQtLib {

class ControlJson;

// A button caption that may name a language key: "|->key" shows the key's text in the current language
// and keeps following it. It is saved as "|->key" while the caption still shows that text, so the
// binding survives a save; a literal caption ends it.
class KIVQTLIB_EXPORT CaptionBinding
{
public:
    void read(QAbstractButton* button, const QString& text);
    // The "attr" key "text". Read: an "attr" without it means an empty caption; a theme entry never
    // sets a caption, as it styles every button of its type alike.
    void io(ControlJson& io, QAbstractButton* button);
    QString written(const QString& shown) const;
    void languageChanged(QAbstractButton* button) const;
    const QString& key() const { return m_key; }

private:
    QString m_key;
};

} // namespace KIVQtLib
