#include "ThemeReader.h"

#include "KIVQResourceManagerImpl.h"
#include "KIVZipArchive.h"

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

bool readArchive(KIVQResourceManagerImpl& target, KIVZipArchive& archive)
{
    ZipItem count;
    if (archive.getItem(-1, &count) != ZipOk || count.index < 1)
        return true;

    // The recorded sizes are checked for the whole archive before anything is unzipped; the unzip
    // then holds each item to its recorded size, so the memory taken never exceeds these sums.
    QVector<ZipItem> items;
    qint64 total = 0;
    for (int i = 0; i < count.index; ++i) {
        ZipItem item;
        if (archive.getItem(i, &item) != ZipOk || item.uncompressedSize <= 0)
            continue; // folders, empty files and unreadable directory entries
        if (item.uncompressedSize > kMaxItemSize)
            return false;
        total += item.uncompressedSize;
        if (total > kMaxArchiveSize)
            return false;
        items.append(item);
    }
    for (const ZipItem& item : qAsConst(items)) {
        QByteArray body;
        const ZipResult rc = archive.unzipWholeItem(item.index, &body, kMaxItemSize);
        if (rc == ZipTooLarge)
            return false;
        if (rc != ZipOk)
            continue; // cut short, corrupt or longer than recorded: left out
        store(target, KIVQResourceManagerImpl::resourceKey(item.name), body);
    }
    return true;
}

} // namespace themeio
} // namespace KIVQtLib
