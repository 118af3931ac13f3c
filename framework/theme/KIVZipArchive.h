#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

class QIODevice;
struct unz_file_info64_s;

namespace KIVQtLib {

// Result codes of the archive reader; every operation answers with one of them and nothing throws.
enum ZipResult : int
{
    ZipOk = 0,
    ZipNoFile = 0x200,     // not readable or not a zip archive (the open functions then return null)
    ZipMore = 0x600,       // the buffer is full and the item goes on; the next unzip call continues it
    ZipCorrupt = 0x700,    // a directory entry or local header is unreadable, or the data disagree with its size
    ZipRead = 0x800,       // seeking or reading the archive failed (e.g. the data run past its end)
    ZipPassword = 0x1000,  // the item is encrypted: the unzip library on hand cannot decrypt
    ZipArgs = 0x10000,     // bad arguments: index out of range, null output, a closed archive
    ZipTooLarge = 0x20000, // the item's recorded size is above the caller's limit; nothing was unzipped
    ZipMode = 0x80000,     // never returned: archives are only ever opened for reading
    ZipFlate = 0x5000000,  // decompression failed, the checksum does not match, or the method is unsupported
};

// One item of an archive, as its directory entry records it.
struct ZipItem
{
    int index = -1; // for the query with index -1: the number of items
    // Never leaves the archive's root: no drive prefix, no leading slash, no ".." step, "/" as separator.
    QString name;
    quint32 attributes = 0; // Unix mode bits: 0x4000 for a folder, 0x80 cleared when read-only
    // Both are claims of the archive; only unzipWholeItem() holds the data to them.
    qint64 compressedSize = 0;
    qint64 uncompressedSize = 0;
};

// Reads a zip archive from a file or a memory block. Theme archives are untrusted data: every size
// in them is checked before it is believed, and nothing is ever written to disk.
class KIVZipArchive
{
public:
    static constexpr qint64 DefaultMaxItemSize = qint64(64) * 1024 * 1024;

    // Null when the file cannot be opened or does not hold a readable zip directory.
    static std::unique_ptr<KIVZipArchive> openByPath(const QString& path);
    // The block stays the caller's and must outlive the archive.
    static std::unique_ptr<KIVZipArchive> openFromMemory(const char* data, qint64 size);
    // Shares the bytes (no copy) and keeps them alive for as long as the archive lives.
    static std::unique_ptr<KIVZipArchive> openFromMemory(const QByteArray& data);
    ~KIVZipArchive();
    Q_DISABLE_COPY(KIVZipArchive)

    int itemCount() const { return m_entries.size(); }

    // Index -1 asks for the count: the record's index is the number of items, everything else empty.
    ZipResult getItem(int index, ZipItem* item);

    // Unzips the next bytes of an item into the buffer; `written` receives how many arrived. ZipMore
    // keeps the item open for the next call with the same index; any other item's query or unzip
    // closes it. The item's checksum is verified when its end is reached.
    ZipResult unzipItem(int index, char* buffer, qint64 length, qint64* written = nullptr);

    // Unzips a whole item into `out`. An item whose recorded size is above maxSize (or above 1 GiB,
    // whatever the limit) is refused before anything is allocated or inflated; memory grows with the
    // data that actually arrive, and the result is ZipOk only when exactly the recorded size arrived
    // with a matching checksum. On failure `out` is empty.
    ZipResult unzipWholeItem(int index, QByteArray* out, qint64 maxSize = DefaultMaxItemSize);

    // Releases the archive; later calls answer ZipArgs. The destructor closes as well.
    ZipResult close();

private:
    KIVZipArchive() = default;
    static std::unique_ptr<KIVZipArchive> openDevice(std::unique_ptr<QIODevice> device);
    bool indexEntries();
    // Makes the item the current entry and reads its directory entry.
    ZipResult readEntry(int index, unz_file_info64_s* info);
    ZipResult openItem(int index);
    ZipResult readOpenItem(char* buffer, qint64 length, qint64* written);
    void closeOpenItem();

    struct EntryPos
    {
        quint64 directoryOffset;
        quint64 fileNumber;
    };

    std::unique_ptr<QIODevice> m_device;
    void* m_unz = nullptr;
    QVector<EntryPos> m_entries; // positions in the central directory, found once at opening
    int m_openIndex = -1;
    int m_cachedIndex = -1;
    ZipItem m_cached;
};

} // namespace KIVQtLib
