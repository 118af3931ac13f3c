#include "TestSupport.h"
#include "theme/KIVZipArchive.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <minizip/zip.h>
#include <zlib.h>

#include <memory>
#include <sys/stat.h>
#include <vector>

using namespace KIVQtLib;

namespace {

// One item of an archive built byte by byte, so that every header field can be made to lie.
struct Entry
{
    QByteArray name;
    QByteArray data;
    int method = 8;
    quint16 flags = 0;
    quint16 madeBy = 0x0314; // Unix host
    quint32 external = 0100644u << 16;
    qint64 recordedSize = -1; // uncompressed size written to both headers; -1: the real one
    qint64 crc = -1;          // -1: the real checksum
    QByteArray body;          // bytes stored in place of the compressed data, when not null
    qint64 recordedOffset = -1;
};

void put16(QByteArray& b, quint32 v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

QByteArray rawDeflate(const QByteArray& data)
{
    z_stream z = {};
    deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.truncate(int(z.total_out));
    deflateEnd(&z);
    return out;
}

QByteArray buildZip(const QVector<Entry>& entries)
{
    QByteArray zip;
    QByteArray directory;
    for (const Entry& e : entries) {
        const QByteArray body = !e.body.isNull() ? e.body : (e.method == 8 ? rawDeflate(e.data) : e.data);
        const quint32 crc =
            e.crc >= 0 ? quint32(e.crc)
                       : quint32(crc32(0, reinterpret_cast<const Bytef*>(e.data.constData()), uInt(e.data.size())));
        const quint32 size = quint32(e.recordedSize >= 0 ? e.recordedSize : e.data.size());
        const quint32 offset = quint32(e.recordedOffset >= 0 ? e.recordedOffset : zip.size());
        auto common = [&](QByteArray& b) {
            put16(b, 20);
            put16(b, e.flags);
            put16(b, quint32(e.method));
            put16(b, 0);    // time
            put16(b, 0x21); // 1 January 1980
            put32(b, crc);
            put32(b, quint32(body.size()));
            put32(b, size);
            put16(b, quint32(e.name.size()));
            put16(b, 0); // extra field
        };
        put32(zip, 0x04034b50);
        common(zip);
        zip += e.name;
        zip += body;
        put32(directory, 0x02014b50);
        put16(directory, e.madeBy);
        common(directory);
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, e.external);
        put32(directory, offset);
        directory += e.name;
    }
    const int directoryOffset = zip.size();
    zip += directory;
    put32(zip, 0x06054b50);
    put16(zip, 0);
    put16(zip, 0);
    put16(zip, quint32(entries.size()));
    put16(zip, quint32(entries.size()));
    put32(zip, quint32(directory.size()));
    put32(zip, quint32(directoryOffset));
    put16(zip, 0);
    return zip;
}

Entry entry(const QByteArray& name, const QByteArray& data, int method = 8)
{
    Entry e;
    e.name = name;
    e.data = data;
    e.method = method;
    return e;
}

std::unique_ptr<KIVZipArchive> open(const QByteArray& zip)
{
    return KIVZipArchive::openFromMemory(zip);
}

bool staysInside(const QString& name)
{
    return !name.startsWith(QLatin1Char('/')) && !(name.size() >= 2 && name.at(1) == QLatin1Char(':')) &&
           !name.contains(QLatin1Char('\\')) && !name.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

// Reads an item through the streaming call with a small buffer, as a caller without a size would.
ZipResult streamItem(KIVZipArchive& archive, int index, QByteArray* out)
{
    out->clear();
    char buffer[7];
    for (int round = 0; round < 100000; ++round) {
        qint64 written = -1;
        const ZipResult rc = archive.unzipItem(index, buffer, sizeof buffer, &written);
        out->append(buffer, int(written));
        if (rc != ZipMore)
            return rc;
    }
    return ZipMore;
}

QByteArray sampleText()
{
    QByteArray text;
    for (int i = 0; i < 4000; ++i)
        text += "line " + QByteArray::number(i) + " of a theme file\n";
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class tst_KIVZipArchive : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void countQuery();
    void sanitisedNames_data();
    void sanitisedNames();
    void attributes_data();
    void attributes();
    void memoryAndFileReadTheSameItems();
    void unzipInChunks();
    void notAnArchiveGivesNoHandle_data();
    void notAnArchiveGivesNoHandle();
    void unreadablePathGivesNoHandle();
    void truncatedArchiveGivesNoHandle();
    void damagedByteNeverYieldsWrongData();
    void zipBombRefusedWithoutAllocating();
    void hostileItemRefused_data();
    void hostileItemRefused();
};

void tst_KIVZipArchive::countQuery()
{
    const QByteArray zip = buildZip({entry("a.txt", "alpha"), entry("b.txt", "bravo!", 0), entry("c.txt", "charlie")});
    auto archive = open(zip);
    QVERIFY(archive);
    QCOMPARE(archive->itemCount(), 3);

    ZipItem item;
    item.name = QStringLiteral("stale");
    item.uncompressedSize = 99;
    QCOMPARE(archive->getItem(-1, &item), ZipOk);
    QCOMPARE(item.index, 3);
    QVERIFY(item.name.isEmpty());
    QCOMPARE(item.attributes, 0u);
    QCOMPARE(item.uncompressedSize, qint64(0));

    QCOMPARE(archive->getItem(1, &item), ZipOk);
    QCOMPARE(item.index, 1);
    QCOMPARE(item.name, QStringLiteral("b.txt"));
    QCOMPARE(item.uncompressedSize, qint64(6));
    QCOMPARE(item.compressedSize, qint64(6));

    QCOMPARE(archive->getItem(3, &item), ZipArgs);
    QCOMPARE(archive->getItem(-2, &item), ZipArgs);
    QCOMPARE(archive->getItem(0, nullptr), ZipArgs);
    char buffer[8];
    QCOMPARE(archive->unzipItem(3, buffer, sizeof buffer), ZipArgs);
    QByteArray out;
    QCOMPARE(archive->unzipWholeItem(-1, &out), ZipArgs);

    QCOMPARE(archive->close(), ZipOk);
    QCOMPARE(archive->getItem(-1, &item), ZipArgs);
    QCOMPARE(archive->unzipWholeItem(0, &out), ZipArgs);
    QCOMPARE(archive->close(), ZipArgs);
}

void tst_KIVZipArchive::sanitisedNames_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two parent steps") << QByteArray("../../evil.txt") << "evil.txt";
    QTest::newRow("drive, folder, backslash step") << QByteArray("c:\\themes\\..\\x.png") << "x.png";
    QTest::newRow("leading slash") << QByteArray("/images/a.png") << "images/a.png";
    QTest::newRow("backslash separators") << QByteArray("images\\a.png") << "images/a.png";
    QTest::newRow("network path") << QByteArray("\\\\server\\share\\f.txt") << "server/share/f.txt";
    QTest::newRow("step inside") << QByteArray("images/../style.json") << "style.json";
    QTest::newRow("step alone") << QByteArray("..") << "";
    QTest::newRow("trailing step") << QByteArray("images/..") << "";
    QTest::newRow("drive then step") << QByteArray("x:/../y") << "y";
    QTest::newRow("mixed steps") << QByteArray("a/../../b/..\\..\\c") << "c";
    QTest::newRow("dots inside names") << QByteArray("a..b/c..d.txt") << "a..b/c..d.txt";
    QTest::newRow("NUL ends the name") << QByteArray("abc\0/../../x", 12) << "abc";
    QTest::newRow("UTF-8 without its flag")
        << QString::fromUtf8("图片/标志.png").toUtf8() << QString::fromUtf8("图片/标志.png");
}

void tst_KIVZipArchive::sanitisedNames()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    auto archive = open(buildZip({entry(stored, "x")}));
    QVERIFY(archive);
    ZipItem item;
    QCOMPARE(archive->getItem(0, &item), ZipOk);
    QCOMPARE(item.name, expected);
    QVERIFY(staysInside(item.name));
}

void tst_KIVZipArchive::attributes_data()
{
    QTest::addColumn<int>("madeBy");
    QTest::addColumn<uint>("external");
    QTest::addColumn<uint>("expected");
    QTest::newRow("unix file") << 0x0314 << (0100644u << 16) << 0100644u;
    QTest::newRow("unix folder") << 0x0314 << (040755u << 16) << 040755u;
    QTest::newRow("dos folder") << 0x0014 << 0x10u << 0x4000u;
    QTest::newRow("dos read-only") << 0x0014 << ((0100644u << 16) | 0x01) << 0100444u;
    QTest::newRow("ntfs archive bit") << 0x0b14 << 0x20u << 0u;
}

void tst_KIVZipArchive::attributes()
{
    QFETCH(int, madeBy);
    QFETCH(uint, external);
    QFETCH(uint, expected);
    Entry e = entry("f", "x");
    e.madeBy = quint16(madeBy);
    e.external = external;
    auto archive = open(buildZip({e}));
    QVERIFY(archive);
    ZipItem item;
    QCOMPARE(archive->getItem(0, &item), ZipOk);
    QCOMPARE(item.attributes, expected);
}

void tst_KIVZipArchive::memoryAndFileReadTheSameItems()
{
    // Written by minizip's own writer, in a folder whose name is not ASCII.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString folder = tmp.filePath(QString::fromUtf8("主题 ü"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/theme.zip");

    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary.append(char(i));
    struct Source
    {
        const char* name;
        QByteArray data;
        int method;
    };
    const QVector<Source> sources = {{"style.json", "{\"style\": {}}", Z_DEFLATED},
                                     {"images/", QByteArray(), 0},
                                     {"images/logo.png", binary, 0},
                                     {"fonts/big.txt", sampleText(), Z_DEFLATED}};
    zipFile writer = zipOpen64(QFile::encodeName(path).constData(), 0);
    QVERIFY(writer);
    for (const Source& s : sources) {
        zip_fileinfo info = {};
        QCOMPARE(zipOpenNewFileInZip64(writer, s.name, &info, nullptr, 0, nullptr, 0, nullptr, s.method, 6, 0), ZIP_OK);
        QCOMPARE(zipWriteInFileInZip(writer, s.data.constData(), unsigned(s.data.size())), ZIP_OK);
        QCOMPARE(zipCloseFileInZip(writer), ZIP_OK);
    }
    QCOMPARE(zipClose(writer, nullptr), ZIP_OK);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    auto fromFile = KIVZipArchive::openByPath(path);
    auto fromMemory = open(bytes);
    QVERIFY(fromFile);
    QVERIFY(fromMemory);
    QCOMPARE(fromFile->itemCount(), sources.size());
    QCOMPARE(fromMemory->itemCount(), sources.size());
    for (int i = 0; i < sources.size(); ++i) {
        ZipItem a;
        ZipItem b;
        QCOMPARE(fromFile->getItem(i, &a), ZipOk);
        QCOMPARE(fromMemory->getItem(i, &b), ZipOk);
        QCOMPARE(a.name, QString::fromLatin1(sources.at(i).name));
        QCOMPARE(b.name, a.name);
        QCOMPARE(b.attributes, a.attributes);
        QCOMPARE(a.uncompressedSize, qint64(sources.at(i).data.size()));
        QCOMPARE(b.compressedSize, a.compressedSize);
        QByteArray dataA;
        QByteArray dataB;
        QCOMPARE(fromFile->unzipWholeItem(i, &dataA), ZipOk);
        QCOMPARE(fromMemory->unzipWholeItem(i, &dataB), ZipOk);
        QCOMPARE(dataA, sources.at(i).data);
        QCOMPARE(dataB, dataA);
    }
    QVERIFY(fromFile->getItem(2, nullptr) == ZipArgs);
}

void tst_KIVZipArchive::unzipInChunks()
{
    const QByteArray data = QByteArray("0123456789").repeated(10);
    auto archive = open(buildZip({entry("digits.txt", data), entry("other.txt", "other")}));
    QVERIFY(archive);

    char buffer[30];
    qint64 written = -1;
    QByteArray joined;
    for (int round = 0; round < 3; ++round) {
        QCOMPARE(archive->unzipItem(0, buffer, sizeof buffer, &written), ZipMore);
        QCOMPARE(written, qint64(30));
        joined.append(buffer, int(written));
    }
    QCOMPARE(archive->unzipItem(0, buffer, sizeof buffer, &written), ZipOk);
    QCOMPARE(written, qint64(10));
    joined.append(buffer, int(written));
    QCOMPARE(joined, data);

    // Asking about the open item keeps it open; asking about another one closes it.
    QCOMPARE(archive->unzipItem(0, buffer, sizeof buffer, &written), ZipMore);
    ZipItem item;
    QCOMPARE(archive->getItem(0, &item), ZipOk);
    QCOMPARE(archive->getItem(-1, &item), ZipOk);
    QCOMPARE(archive->unzipItem(0, buffer, sizeof buffer, &written), ZipMore);
    QCOMPARE(QByteArray(buffer, int(written)), data.mid(30, 30));
    QCOMPARE(archive->getItem(1, &item), ZipOk);
    QCOMPARE(archive->unzipItem(0, buffer, sizeof buffer, &written), ZipMore);
    QCOMPARE(QByteArray(buffer, int(written)), data.left(30));

    // Unzipping another item restarts the first from its beginning next time.
    QCOMPARE(archive->unzipItem(1, buffer, sizeof buffer, &written), ZipOk);
    QCOMPARE(QByteArray(buffer, int(written)), QByteArray("other"));
    QByteArray whole(data.size(), '\0');
    QCOMPARE(archive->unzipItem(0, whole.data(), whole.size(), &written), ZipOk);
    QCOMPARE(whole, data);
}

void tst_KIVZipArchive::notAnArchiveGivesNoHandle_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = buildZip({entry("a.txt", "alpha")});
    QTest::newRow("empty") << QByteArray();
    // minizip cannot tell an end record at offset 0 from none; an archive without items is no theme anyway.
    QTest::newRow("archive without items") << buildZip({});
    QTest::newRow("end record cut short") << QByteArray("PK\x05\x06\0\0\0\0", 8);
    QTest::newRow("local header only") << valid.left(35);
    QTest::newRow("end record pointing past the end")
        << QByteArray(valid).replace(valid.size() - 6, 4, "\xff\xff\xff\x7f");
    QByteArray claimsMore = buildZip({entry("a.txt", "alpha"), entry("b.txt", "bravo")});
    claimsMore[claimsMore.size() - 22 + 8] = 3;  // items on this disk
    claimsMore[claimsMore.size() - 22 + 10] = 3; // items in all
    QTest::newRow("directory claims more items") << claimsMore;
}

void tst_KIVZipArchive::notAnArchiveGivesNoHandle()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!open(bytes));
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("theme.zip"));
    QVERIFY(TestSupport::writeFile(path, bytes));
    QVERIFY(!KIVZipArchive::openByPath(path));
}

void tst_KIVZipArchive::unreadablePathGivesNoHandle()
{
    QTemporaryDir tmp;
    QVERIFY(!KIVZipArchive::openByPath(QString()));
    QVERIFY(!KIVZipArchive::openByPath(tmp.filePath(QStringLiteral("missing.zip"))));
    QVERIFY(!KIVZipArchive::openByPath(tmp.path()));
    // Opening a pipe would wait for a writer for ever.
    const QString pipe = tmp.filePath(QStringLiteral("pipe.zip"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!KIVZipArchive::openByPath(pipe));
    QVERIFY(!KIVZipArchive::openByPath(QStringLiteral("/dev/zero")));
    QVERIFY(!KIVZipArchive::openFromMemory(nullptr, 10));
}

// Unless the stream reports a short read as an error, minizip takes the missing bytes of a cut end
// record as zeros and opens the archive.
void tst_KIVZipArchive::truncatedArchiveGivesNoHandle()
{
    const QByteArray zip = buildZip({entry("style.json", "{\"style\": {}}"), entry("b.bin", "bravo", 0)});
    for (int size = 1; size < zip.size(); ++size) {
        // An exact-size heap copy, so that reading one byte past the end is caught by the sanitizer.
        std::vector<char> prefix(zip.constData(), zip.constData() + size);
        QVERIFY2(!KIVZipArchive::openFromMemory(prefix.data(), size), qPrintable(QString::number(size)));
    }
}

void tst_KIVZipArchive::damagedByteNeverYieldsWrongData()
{
    const QVector<Entry> entries = {entry("style.json", sampleText().left(300)), entry("b.bin", "bravo", 0)};
    const QByteArray zip = buildZip(entries);
    for (int at = 0; at < zip.size(); ++at) {
        std::vector<char> damaged(zip.constData(), zip.constData() + zip.size());
        damaged[size_t(at)] = char(damaged[size_t(at)] ^ 0x5a);
        auto archive = KIVZipArchive::openFromMemory(damaged.data(), qint64(damaged.size()));
        if (!archive)
            continue;
        for (int i = 0; i < archive->itemCount(); ++i) {
            QByteArray data;
            if (archive->unzipWholeItem(i, &data) == ZipOk && i < entries.size())
                QVERIFY2(data == entries.at(i).data, qPrintable(QStringLiteral("byte %1, item %2").arg(at).arg(i)));
            ZipItem item;
            if (archive->getItem(i, &item) == ZipOk)
                QVERIFY(staysInside(item.name));
        }
    }
}

void tst_KIVZipArchive::zipBombRefusedWithoutAllocating()
{
    // Deflates to about 64 KiB; unzipped it is one byte above the default limit.
    Entry bomb = entry("bomb.bin", QByteArray(int(KIVZipArchive::DefaultMaxItemSize + 1), '\0'));
    // A claim of 4 GiB over a few bytes: believing it would mean allocating it.
    Entry claim = entry("claim.bin", "tiny");
    claim.recordedSize = 0xffffffffu;
    auto archive = open(buildZip({bomb, claim, entry("small.txt", "small")}));
    QVERIFY(archive);

    QByteArray out("leftover");
    QCOMPARE(archive->unzipWholeItem(0, &out), ZipTooLarge);
    QVERIFY(out.isEmpty());
    QCOMPARE(archive->unzipWholeItem(1, &out, std::numeric_limits<qint64>::max()), ZipTooLarge);
    QCOMPARE(archive->unzipWholeItem(2, &out, 4), ZipTooLarge);
    QCOMPARE(archive->unzipWholeItem(2, &out, 5), ZipOk);
    QCOMPARE(out, QByteArray("small"));
}

void tst_KIVZipArchive::hostileItemRefused_data()
{
    QTest::addColumn<Entry>("item");
    QTest::addColumn<int>("expected");
    const QByteArray text = sampleText().left(1000);

    Entry e = entry("larger.txt", text);
    e.recordedSize = text.size() + 100;
    QTest::newRow("deflated, recorded size larger") << e << int(ZipCorrupt);
    e.recordedSize = 60 * 1024 * 1024;
    QTest::newRow("deflated, recorded size 60 MiB") << e << int(ZipCorrupt);
    e.recordedSize = text.size() - 100;
    QTest::newRow("deflated, recorded size smaller") << e << int(ZipFlate);
    e.recordedSize = 0;
    QTest::newRow("deflated, recorded size zero") << e << int(ZipFlate);

    e = entry("stored.txt", text, 0);
    e.recordedSize = text.size() + 1;
    QTest::newRow("stored, recorded size larger") << e << int(ZipCorrupt);
    e.recordedSize = text.size() - 1;
    QTest::newRow("stored, recorded size smaller") << e << int(ZipFlate);

    e = entry("crc.txt", text);
    e.crc = 0x12345678;
    QTest::newRow("wrong checksum") << e << int(ZipFlate);

    e = entry("garbage.txt", text);
    e.body = QByteArray(64, '\xff');
    QTest::newRow("corrupt deflate data") << e << int(ZipFlate);
    e.body = rawDeflate(text);
    e.body.truncate(e.body.size() / 2);
    QTest::newRow("deflate data cut short") << e << int(ZipFlate);

    // Read as stored, its compressed bytes came back as the data, with no checksum test.
    e = entry("bzip2.bin", text);
    e.method = 12;
    e.body = QByteArray("BZh91AY&SY") + text.left(90);
    e.recordedSize = e.body.size();
    QTest::newRow("bzip2, recorded as its own size") << e << int(ZipFlate);

    e = entry("locked.txt", text);
    e.flags = 1;
    QTest::newRow("encrypted") << e << int(ZipPassword);

    e = entry("far.txt", text);
    e.recordedOffset = 0x7fffff00;
    QTest::newRow("local header past the end") << e << int(ZipCorrupt);
    e.recordedOffset = 1;
    QTest::newRow("local header misplaced") << e << int(ZipCorrupt);
}

void tst_KIVZipArchive::hostileItemRefused()
{
    QFETCH(Entry, item);
    QFETCH(int, expected);
    const QByteArray honest = sampleText().left(500);
    const QByteArray zip = buildZip({entry("before.txt", honest), item, entry("after.txt", honest)});
    auto archive = open(zip);
    QVERIFY(archive);
    QCOMPARE(archive->itemCount(), 3);

    ZipItem info;
    QCOMPARE(archive->getItem(1, &info), ZipOk);
    QByteArray out("leftover");
    QCOMPARE(int(archive->unzipWholeItem(1, &out)), expected);
    QVERIFY(out.isEmpty());
    QCOMPARE(int(streamItem(*archive, 1, &out)), expected);

    // The archive stays usable around the hostile item.
    QCOMPARE(archive->unzipWholeItem(0, &out), ZipOk);
    QCOMPARE(out, honest);
    QCOMPARE(archive->unzipWholeItem(2, &out), ZipOk);
    QCOMPARE(out, honest);
}

QTEST_GUILESS_MAIN(tst_KIVZipArchive)
#include "tst_KIVZipArchive.moc"
