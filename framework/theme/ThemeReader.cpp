#include "ThemeReader.h"

#include "KIVQResourceManagerImpl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace KIVQtLib {
namespace themeio {

namespace {

const char kStyleFile[] = "style.json";

// A file that cannot be opened is kept with an empty body, like an empty file.
QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void store(KIVQResourceManagerImpl& target, const std::string& key, const QByteArray& body)
{
    if (key == kStyleFile)
        target.styleFiles.append(body);
    else
        target.insertFile(key, body);
}

} // namespace

bool readDirectory(KIVQResourceManagerImpl& target, const QString& path)
{
    if (path.isEmpty())
        return false;
    const QDir dir(path);
    if (!dir.exists())
        return false;
    const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::Files, QDir::DirsFirst | QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (entry.isDir()) {
            if (name != QLatin1String("images"))
                continue;
            const QFileInfoList images = QDir(entry.filePath()).entryInfoList();
            for (const QFileInfo& image : images) {
                if (image.isDir())
                    continue;
                target.insertFile(KIVQResourceManagerImpl::resourceKey(QLatin1String("images/") + image.fileName()),
                                  readWhole(image.filePath()));
            }
            continue;
        }
        if (name == QLatin1String("tmpTheme.zip"))
            continue;
        store(target, KIVQResourceManagerImpl::resourceKey(name), readWhole(entry.filePath()));
    }
    return true;
}

} // namespace themeio
} // namespace KIVQtLib
