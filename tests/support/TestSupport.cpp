#include "TestSupport.h"

#include "core/JsonRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace TestSupport {

Json::Value parseJson(const QByteArray& text)
{
    Json::Value root;
    if (!KIVQtLib::json::parse(text, root))
        qFatal("test JSON does not parse: %s", text.constData());
    return root;
}

QByteArray compactJson(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return QByteArray::fromStdString(Json::writeString(builder, value));
}

Json::Value writeControl(KIVQtLib::IKIVQWidgetBase* control)
{
    Json::Value e(Json::objectValue);
    control->serializeJsonValue(&e, false);
    return e;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray utf16le(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace TestSupport
