#include "KIVZipArchive.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <minizip/unzip.h>

#include <limits>

namespace KIVQtLib {

namespace {

// One QByteArray cannot hold more, whatever limit a caller passes.
constexpr qint64 MaxArraySize = qint64(1) << 30;
constexpr qint64 FirstChunk = 64 * 1024;
// unzReadCurrentFile answers with an int; keep every call well inside it.
constexpr qint64 ReadStep = 1 << 20;

constexpr quint32 FlagEncrypted = 0x1;
constexpr quint32 FlagUtf8Name = 0x800;

// The reader runs over a QIODevice, so a file and a memory block take the same path. minizip hands
// the device back as its "file name" at opening.
voidpf ZCALLBACK deviceOpen(voidpf, const void* device, int)
{
    return const_cast<void*>(device);
}

uLong ZCALLBACK deviceRead(voidpf, voidpf stream, void* buf, uLong size)
{
    const qint64 n = static_cast<QIODevice*>(stream)->read(static_cast<char*>(buf), qint64(size));
    return n > 0 ? uLong(n) : 0;
}

uLong ZCALLBACK deviceWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK deviceTell(voidpf, voidpf stream)
{
    return ZPOS64_T(static_cast<QIODevice*>(stream)->pos());
}

long ZCALLBACK deviceSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* device = static_cast<QIODevice*>(stream);
    const quint64 size = quint64(device->size());
    quint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = quint64(device->pos());
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = size;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    // Offsets come from the archive: a position past the end is an error, not a place to seek to.
    if (base > size || offset > size - base)
        return -1;
    return device->seek(qint64(base + offset)) ? 0 : -1;
}

int ZCALLBACK deviceClose(voidpf, voidpf)
{
    return 0; // the archive owns the device
}

// minizip asks only after a read came up short. Answering "no error" would make it take the bytes
// missing past the end of a truncated archive as zeros.
int ZCALLBACK deviceError(voidpf, voidpf)
{
    return 1;
}

QString decodeName(const QByteArray& raw, quint32 flags)
{
    QTextCodec::ConverterState state;
    const QString utf8 = QTextCodec::codecForMib(106)->toUnicode(raw.constData(), raw.size(), &state);
    if ((flags & FlagUtf8Name) || (state.invalidChars == 0 && state.remainingChars == 0))
        return utf8;
    // Unflagged names that are not UTF-8 come from tools writing the system's own code page.
    return QString::fromLocal8Bit(raw);
}

// Keeps a stored name inside the archive's root. Backslashes count as separators, since lookups
// turn them into slashes and a name keeping them could never be found.
QString sanitizedName(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString parentStep = QStringLiteral("/../");
    for (;;) {
        const QString before = name;
        if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
            name.remove(0, 2);
        if (name.startsWith(QLatin1Char('/')))
            name.remove(0, 1);
        if (name == QLatin1String("..") || name.endsWith(QLatin1String("/.."))) {
            name.clear();
        } else if (name.startsWith(QLatin1String("../"))) {
            name.remove(0, 3);
        } else {
            const int step = name.indexOf(parentStep);
            if (step >= 0)
                name.remove(0, step + parentStep.size());
        }
        if (name == before)
            return name;
    }
}

quint32 attributesOf(const unz_file_info64& info)
{
    const quint32 external = quint32(info.external_fa);
    const int host = int((info.version >> 8) & 0xff);
    bool folder;
    bool readOnly;
    if (host == 0 || host == 7 || host == 11 || host == 14) { // DOS-like hosts keep DOS attribute bits
        folder = external & 0x10;
        readOnly = external & 0x01;
    } else {
        folder = external & 0x40000000;
        readOnly = !(external & 0x00800000);
    }
    quint32 attributes = external >> 16;
    if (folder)
        attributes |= 0x4000;
    if (readOnly)
        attributes &= ~0x80u;
    return attributes;
}

qint64 clampedSize(ZPOS64_T size)
{
    return size > quint64(std::numeric_limits<qint64>::max()) ? std::numeric_limits<qint64>::max() : qint64(size);
}

unzFile unz(void* handle)
{
    return static_cast<unzFile>(handle);
}

} // namespace

std::unique_ptr<KIVZipArchive> KIVZipArchive::openByPath(const QString& path)
{
    // Opening a pipe waits for a writer and a device has no end to find the directory at: only a
    // regular file is opened.
    std::unique_ptr<QFile> file(new QFile(path));
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return nullptr;
    return openDevice(std::move(file));
}

std::unique_ptr<KIVZipArchive> KIVZipArchive::openFromMemory(const char* data, qint64 size)
{
    if (!data || size <= 0 || size > std::numeric_limits<int>::max())
        return nullptr;
    return openFromMemory(QByteArray::fromRawData(data, int(size)));
}

std::unique_ptr<KIVZipArchive> KIVZipArchive::openFromMemory(const QByteArray& data)
{
    if (data.isEmpty())
        return nullptr;
    std::unique_ptr<QBuffer> buffer(new QBuffer);
    buffer->setData(data);
    if (!buffer->open(QIODevice::ReadOnly))
        return nullptr;
    return openDevice(std::move(buffer));
}

std::unique_ptr<KIVZipArchive> KIVZipArchive::openDevice(std::unique_ptr<QIODevice> device)
{
    std::unique_ptr<KIVZipArchive> archive(new KIVZipArchive);
    archive->m_device = std::move(device);
    zlib_filefunc64_def functions = {};
    functions.zopen64_file = deviceOpen;
    functions.zread_file = deviceRead;
    functions.zwrite_file = deviceWrite;
    functions.ztell64_file = deviceTell;
    functions.zseek64_file = deviceSeek;
    functions.zclose_file = deviceClose;
    functions.zerror_file = deviceError;
    archive->m_unz = unzOpen2_64(archive->m_device.get(), &functions);
    if (!archive->m_unz || !archive->indexEntries())
        return nullptr;
    return archive;
}

KIVZipArchive::~KIVZipArchive()
{
    close();
}

// Walks the whole directory once, so that the count given to callers is what the archive really
// holds rather than what its end record claims.
bool KIVZipArchive::indexEntries()
{
    unz_global_info64 global;
    if (unzGetGlobalInfo64(unz(m_unz), &global) != UNZ_OK)
        return false;
    if (global.number_entry == 0)
        return true;
    int rc = unzGoToFirstFile(unz(m_unz));
    while (rc == UNZ_OK) {
        unz64_file_pos pos;
        if (unzGetFilePos64(unz(m_unz), &pos) != UNZ_OK || m_entries.size() >= std::numeric_limits<int>::max() / 2)
            return false;
        m_entries.append({quint64(pos.pos_in_zip_directory), quint64(pos.num_of_file)});
        rc = unzGoToNextFile(unz(m_unz));
    }
    const quint64 found = quint64(m_entries.size());
    // With a saturated count (0xffff) minizip walks on until the directory ends, so no end marker comes.
    if (rc == UNZ_END_OF_LIST_OF_FILE)
        return found == global.number_entry;
    return global.number_entry == 0xffff && found == 0xffff;
}

ZipResult KIVZipArchive::readEntry(int index, unz_file_info64* info)
{
    if (m_openIndex != index) { // else the open item is the current entry already
        closeOpenItem();
        unz64_file_pos pos;
        pos.pos_in_zip_directory = m_entries.at(index).directoryOffset;
        pos.num_of_file = m_entries.at(index).fileNumber;
        if (unzGoToFilePos64(unz(m_unz), &pos) != UNZ_OK)
            return ZipCorrupt;
    }
    return unzGetCurrentFileInfo64(unz(m_unz), info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK ? ZipOk : ZipCorrupt;
}

ZipResult KIVZipArchive::getItem(int index, ZipItem* item)
{
    if (!m_unz || !item || index < -1 || index >= m_entries.size())
        return ZipArgs;
    if (index == -1) {
        *item = ZipItem();
        item->index = m_entries.size();
        return ZipOk;
    }
    if (index == m_cachedIndex) {
        *item = m_cached;
        return ZipOk;
    }
    unz_file_info64 info;
    const ZipResult rc = readEntry(index, &info);
    if (rc != ZipOk)
        return rc;
    QByteArray raw(int(info.size_filename) + 1, '\0'); // the stored length is 16 bits
    if (unzGetCurrentFileInfo64(unz(m_unz), &info, raw.data(), uLong(raw.size()), nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZipCorrupt;
    raw.truncate(int(info.size_filename));
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);

    ZipItem found;
    found.index = index;
    found.name = sanitizedName(decodeName(raw, quint32(info.flag)));
    found.attributes = attributesOf(info);
    found.compressedSize = clampedSize(info.compressed_size);
    found.uncompressedSize = clampedSize(info.uncompressed_size);
    m_cached = found;
    m_cachedIndex = index;
    *item = found;
    return ZipOk;
}

ZipResult KIVZipArchive::openItem(int index)
{
    closeOpenItem();
    unz_file_info64 info;
    const ZipResult rc = readEntry(index, &info);
    if (rc != ZipOk)
        return rc;
    // minizip, built without bzip2, would hand out a bzip2 item's compressed bytes unchecked as its data.
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
        return ZipFlate;
    // minizip is built without decryption and would hand out the encrypted bytes as data.
    if (info.flag & FlagEncrypted)
        return ZipPassword;
    const int opened = unzOpenCurrentFile(unz(m_unz));
    if (opened != UNZ_OK) {
        if (opened == UNZ_BADZIPFILE)
            return ZipCorrupt;
        return opened == UNZ_ERRNO ? ZipRead : ZipFlate;
    }
    m_openIndex = index;
    return ZipOk;
}

void KIVZipArchive::closeOpenItem()
{
    if (m_openIndex < 0)
        return;
    unzCloseCurrentFile(unz(m_unz));
    m_openIndex = -1;
}

ZipResult KIVZipArchive::readOpenItem(char* buffer, qint64 length, qint64* written)
{
    qint64 total = 0;
    int rc = 0;
    while (total < length) {
        const unsigned step = unsigned(qMin(length - total, ReadStep));
        rc = unzReadCurrentFile(unz(m_unz), buffer + total, step);
        if (rc < 0)
            break;
        total += rc;
        if (unsigned(rc) < step)
            break;
    }
    if (written)
        *written = total;

    if (rc < 0) {
        closeOpenItem();
        return rc == UNZ_ERRNO ? ZipRead : ZipFlate;
    }
    if (unzeof(unz(m_unz))) {
        const int closed = unzCloseCurrentFile(unz(m_unz));
        m_openIndex = -1;
        return closed == UNZ_OK ? ZipOk : ZipFlate;
    }
    if (total == length)
        return ZipMore;
    // The data ended before the size the entry records: minizip would call this a complete item.
    closeOpenItem();
    return ZipCorrupt;
}

ZipResult KIVZipArchive::unzipItem(int index, char* buffer, qint64 length, qint64* written)
{
    if (written)
        *written = 0;
    if (!m_unz || length < 0 || (!buffer && length > 0))
        return ZipArgs;
    if (index != m_openIndex) {
        closeOpenItem();
        if (index < 0 || index >= m_entries.size())
            return ZipArgs;
        const ZipResult rc = openItem(index);
        if (rc != ZipOk)
            return rc;
    }
    return readOpenItem(buffer, length, written);
}

ZipResult KIVZipArchive::unzipWholeItem(int index, QByteArray* out, qint64 maxSize)
{
    if (!out)
        return ZipArgs;
    out->clear();
    if (!m_unz || index < 0 || index >= m_entries.size() || maxSize < 0)
        return ZipArgs;
    ZipItem item;
    ZipResult rc = getItem(index, &item);
    if (rc != ZipOk)
        return rc;
    const qint64 want = item.uncompressedSize;
    if (want > maxSize || want > MaxArraySize)
        return ZipTooLarge;
    closeOpenItem(); // a half-read item would hand out its remainder only
    rc = openItem(index);
    if (rc != ZipOk)
        return rc;

    // Grow with the data rather than trusting the recorded size up front.
    QByteArray data;
    qint64 have = 0;
    for (;;) {
        if (have == data.size() && data.size() < want)
            data.resize(int(qMin(want, qMax(FirstChunk, qint64(data.size()) * 2))));
        qint64 got = 0;
        rc = readOpenItem(data.data() + have, data.size() - have, &got);
        have += got;
        if (rc != ZipMore)
            break;
        if (data.size() == want) { // more data than recorded; minizip stops at the recorded size, so never expected
            closeOpenItem();
            rc = ZipCorrupt;
            break;
        }
    }
    if (rc != ZipOk)
        return rc;
    if (have != want)
        return ZipCorrupt;
    *out = data;
    return ZipOk;
}

ZipResult KIVZipArchive::close()
{
    if (!m_unz)
        return ZipArgs;
    closeOpenItem();
    unzClose(unz(m_unz));
    m_unz = nullptr;
    m_device.reset();
    m_entries.clear();
    m_cachedIndex = -1;
    return ZipOk;
}

} // namespace KIVQtLib
