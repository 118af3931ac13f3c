// Opens arbitrary bytes as a theme archive from memory, lists every item and unzips each one under
// a limit, the way the theme loader does. Aborts on any answer the reader promises never to give.
#include "theme/KIVZipArchive.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace KIVQtLib;

namespace {

bool staysInside(const QString& name)
{
    return !name.startsWith(QLatin1Char('/')) && !(name.size() >= 2 && name.at(1) == QLatin1Char(':')) &&
           !name.contains(QLatin1Char('\\')) && !name.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto archive = KIVZipArchive::openFromMemory(reinterpret_cast<const char*>(data), qint64(size));
    if (!archive)
        return 0;
    ZipItem count;
    if (archive->getItem(-1, &count) != ZipOk || count.index != archive->itemCount())
        abort();
    for (int i = 0; i < archive->itemCount(); ++i) {
        ZipItem item;
        if (archive->getItem(i, &item) == ZipOk && !staysInside(item.name))
            abort();
        // A small limit keeps the runs fast; the reader must refuse anything above it up front.
        QByteArray bytes;
        const ZipResult rc = archive->unzipWholeItem(i, &bytes, 1 << 20);
        if (rc == ZipOk ? bytes.size() != item.uncompressedSize : !bytes.isEmpty())
            abort();
        if (rc == ZipOk && item.uncompressedSize > (1 << 20))
            abort();
        // The streaming call must agree with the whole-item call. Its rounds are bounded, so that a
        // recorded size of gigabytes cannot keep it going.
        QByteArray streamed;
        char buffer[4096];
        ZipResult part = ZipMore;
        for (int round = 0; round < 64 && part == ZipMore; ++round) {
            qint64 written = -1;
            part = archive->unzipItem(i, buffer, sizeof buffer, &written);
            if (written < 0 || written > qint64(sizeof buffer))
                abort();
            streamed.append(buffer, int(written));
        }
        if (rc == ZipOk && bytes.size() <= 64 * int(sizeof buffer) && (part != ZipOk || streamed != bytes))
            abort();
        if (rc != ZipOk && rc != ZipTooLarge && part == ZipOk)
            abort();
    }
    return 0;
}
