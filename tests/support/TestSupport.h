#pragma once

// Helpers every test area shares: JSON in and out, files written by the test, encoded text.

#include "core/IKIVQWidgetBase.h"

#include <json/json.h>

#include <QByteArray>
#include <QString>

namespace TestSupport {

// The test's own JSON text; a text that does not parse is a fault of the test and stops it.
Json::Value parseJson(const QByteArray& text);
// One line, members in the library's order: for comparing written JSON with an expected text.
QByteArray compactJson(const Json::Value& value);
// What a control writes of itself.
Json::Value writeControl(KIVQtLib::IKIVQWidgetBase* control);
// Writes bytes to path, making its folder; false when that fails.
bool writeFile(const QString& path, const QByteArray& bytes);
// UTF-16 little-endian without a byte-order mark, as the language table is stored.
QByteArray utf16le(const QString& text);

} // namespace TestSupport
