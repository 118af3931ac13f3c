#pragma once

#include "KIVQtLibGlobal.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace KIVQtLib {

// A control's own "attr" keys, read and written by the same calls:
//   reading: a present key of a usable type sets the value; an absent one resets it to its default
//            (AbsentKeys::Reset) or leaves it (AbsentKeys::Keep); while a theme entry is applied an
//            absent key always leaves the value as the program set it;
//   writing: the key is first removed (the shared part copied every attribute it read), then written
//            only when the value differs from its default, so a key set back to its default stays gone.
class KIVQTLIB_EXPORT AttrIO
{
public:
    enum class AbsentKeys
    {
        Reset,
        Keep
    };

    // fromTheme: a theme entry is being applied, so absent keys leave the values the program set.
    AttrIO(Json::Value& element, bool read, AbsentKeys absent = AbsentKeys::Reset, bool fromTheme = false);
    // The same, reading from the element's "attr" member the caller already found (null when absent).
    AttrIO(Json::Value& element, const Json::Value* attr, AbsentKeys absent, bool fromTheme);
    ~AttrIO();
    Q_DISABLE_COPY(AttrIO)

    bool isReading() const { return m_read; }

    // Each returns, when reading, whether the key was present and used. Flags are written as 0 or 1.
    bool io(const char* key, bool& value, bool def);
    bool io(const char* key, int& value, int def);
    bool io(const char* key, double& value, double def);
    bool io(const char* key, QString& value, const QString& def);
    bool io(const char* key, QStringList& value, const QStringList& def);
    // Colours as "AARRGGBB".
    bool ioColor(const char* key, QColor& value, const QColor& def);
    // A flag written as a JSON bool rather than 0 or 1.
    bool ioBool(const char* key, bool& value, bool def);

    // Raw access for keys with a shape of their own.
    const Json::Value& readable() const;
    Json::Value& writable();
    bool absentResets() const { return m_resetAbsent; }

private:
    template <class T, class Read, class Write>
    bool exchange(const char* key, T& value, const T& def, Read read, Write write);

    Json::Value& m_element;
    const Json::Value* m_attr = nullptr; // reading: the "attr" member, found once
    // Reading a small "attr": a bit for the first character of each member name, so that most of the
    // keys a worker asks for and the element lacks are known absent without a lookup. All set: unknown.
    quint64 m_firstChars = ~quint64(0);
    bool m_read;
    bool m_resetAbsent;
};

} // namespace KIVQtLib
