#include "ThemeReader.h"

#include "KIVQResourceManagerImpl.h"
#include "KIVZipArchive.h"
#include "core/JsonRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace KIVQtLib {
namespace themeio {

namespace {

const char kStyleFile[] = "style.json";

// Of two files of one name the later counts, in a directory (names differing in case) as in an archive.
void store(KIVQResourceManagerImpl& target, const std::string& key, const QByteArray& body)
{
    if (key == kStyleFile)
        target.styleFiles.append(body);
    else
        target.files[key] = body;
}

// The files of one theme directory, held to the caps an archive is held to.
class DirectoryReader
{
public:
    DirectoryReader(KIVQResourceManagerImpl& target, const QDir& dir)
        : m_target(target), m_root(dir.canonicalPath())
    {
        if (!m_root.endsWith(QLatin1Char('/')))
            m_root += QLatin1Char('/');
    }

    void read(const QFileInfo& entry, const QString& name)
    {
        // A link (of the file or of its folder) may name anything on the machine; only what lies in the
        // theme is the theme's.
        if (!entry.canonicalFilePath().startsWith(m_root))
            return refuse(entry, QStringLiteral("it lies outside the theme"));
        QByteArray body;
        if (readFileBounded(entry.filePath(), limits::kMaxFileSize, body) != FileOk)
            return refuse(entry, QStringLiteral("not a regular file of at most %1 bytes").arg(limits::kMaxFileSize));
        if (m_total + body.size() > limits::kMaxThemeSize)
            return refuse(entry, QStringLiteral("past %1 bytes in all").arg(limits::kMaxThemeSize));
        m_total += body.size();
        store(m_target, KIVQResourceManagerImpl::resourceKey(name), body);
    }

private:
    void refuse(const QFileInfo& entry, const QString& why)
    {
        qCWarning(lcKivJson, "Theme file %s left out: %s", qUtf8Printable(entry.filePath()), qUtf8Printable(why));
    }

    KIVQResourceManagerImpl& m_target;
    QString m_root;
    qint64 m_total = 0;
};

} // namespace

bool readOpenFile(QFile& file, qint64 limit, QByteArray& bytes)
{
    // In pieces, into a buffer sized to the file: a buffer of the limit would stay allocated at its full
    // size in every byte array kept from it. The size is a hint only; the file may have grown.
    bytes.clear();
    bytes.reserve(int(qBound<qint64>(0, file.size(), limit)));
    char piece[16384];
    qint64 count = 0;
    while ((count = file.read(piece, sizeof piece)) > 0) {
        if (bytes.size() + count > limit) {
            bytes = QByteArray();
            return false;
        }
        bytes.append(piece, int(count));
    }
    return true;
}

FileRead readFileBounded(const QString& path, qint64 limit, QByteArray& bytes)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return FileMissing;
    // Devices and pipes never end or block; their size says nothing.
    if (!info.isFile() || info.size() > limit)
        return FileRefused;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileOk;
    return readOpenFile(file, limit, bytes) ? FileOk : FileRefused;
}

QByteArray readDocumentFile(const QString& path)
{
    QByteArray bytes;
    if (readFileBounded(path, kMaxItemSize, bytes) == FileRefused)
        qCWarning(lcKivJson, "Document %s is not a regular file of at most %lld bytes", qUtf8Printable(path),
                  kMaxItemSize);
    return bytes;
}

bool readDirectory(KIVQResourceManagerImpl& target, const QString& path)
{
    if (path.isEmpty())
        return false;
    const QDir dir(path);
    if (!dir.exists())
        return false;
    DirectoryReader reader(target, dir);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Dirs | QDir::Files | QDir::System, QDir::DirsFirst | QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (entry.isDir()) {
            if (name != QLatin1String("images"))
                continue;
            const QFileInfoList images = QDir(entry.filePath()).entryInfoList(QDir::Dirs | QDir::Files | QDir::System);
            for (const QFileInfo& image : images) {
                if (!image.isDir())
                    reader.read(image, QLatin1String("images/") + image.fileName());
            }
            continue;
        }
        if (name == QLatin1String("tmpTheme.zip"))
            continue;
        reader.read(entry, name);
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
        if (rc != ZipOk) {
            qCWarning(lcKivJson, "Theme archive %s: item %s left out: it does not unzip whole to its recorded size",
                      target.filePath.isEmpty() ? "in memory" : qUtf8Printable(target.filePath),
                      qUtf8Printable(item.name));
            continue;
        }
        store(target, KIVQResourceManagerImpl::resourceKey(item.name), body);
    }
    return true;
}

} // namespace themeio
} // namespace KIVQtLib
