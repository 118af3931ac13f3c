// Documents and themes written to hurt: each must end bounded (no crash, sanitizer report or large peak memory),
// reported on "kiv.json", with the rest of the page or the previous theme kept.

#include "TestSupport.h"
#include "ThemeTestSupport.h"
#include "controls/KIVQImage.h"
#include "core/JsonRead.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQPageLoader.h"
#include "core/KIVQPaintHelpers.h"
#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "core/windows/KIVQWindow.h"
#include "ribbon/KIVQRibbonBar.h"
#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonPage.h"
#include "theme/KIVQResourceManager.h"
#include "theme/LanguageManager.h"
#include "views/KIVQMenu.h"

#include <zlib.h>

#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <functional>
#include <sys/stat.h>

using namespace KIVQtLib;
using namespace TestSupport;
using ThemeTestSupport::makeZip;

namespace {

KIVQResourceManager* rm()
{
    return KIVQResourceManager::getInstance();
}

// ---- memory and warnings ----

qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QRegularExpressionMatch m = QRegularExpression(QLatin1String(field) + QLatin1String(":\\s+(\\d+)"))
                                          .match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

// The peak resident size is reset so that each row's own peak is measured.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

qint64 peakGrowthMb(qint64 startKb)
{
    return (statusKb("VmHWM") - startKb) / 1024;
}

// Shows the 400 by 300 window a row builds into; each row's peak is measured from there.
bool showToBuildIn(QWidget& host)
{
    host.resize(400, 300);
    host.show();
    const bool exposed = QTest::qWaitForWindowExposed(&host);
    resetPeak();
    return exposed;
}

int jsonWarnings = 0;
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "kiv.json") == 0)
        ++jsonWarnings;
    previousHandler(type, context, message);
}

// ---- hostile files ----

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    QDataStream out(&chunk, QIODevice::WriteOnly);
    out << quint32(data.size());
    const QByteArray body = QByteArray(type, 4) + data;
    out.writeRawData(body.constData(), body.size());
    out << quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    return chunk;
}

// A grey PNG that declares width by height and holds a few zero rows: a few hundred bytes that ask for
// width * height bytes once decoded.
QByteArray pngBomb(quint32 width, quint32 height)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << width << height << quint8(8) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    const QByteArray rows(4 * (int(width) + 1), '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", qCompress(rows).mid(4)) +
           pngChunk("IEND", QByteArray());
}

QByteArray svgBomb(int side)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 10 10\">"
                          "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>")
        .arg(side)
        .toLatin1();
}

// Raw deflate blocks; fully flushed, a block decodes alone, so that it may be repeated.
QByteArray deflated(z_stream& stream, const QByteArray& in, int flush)
{
    QByteArray out(int(deflateBound(&stream, uLong(in.size()))) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    stream.avail_in = uInt(in.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, flush);
    out.resize(out.size() - int(stream.avail_out));
    return out;
}

// head, megabytes of spaces and tail, gzip-compressed: 1,500 megabytes make a 1.5 MB file.
QByteArray gzip(const QByteArray& head, int megabytes = 0, const QByteArray& tail = QByteArray())
{
    const QByteArray block(1 << 20, ' ');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const QByteArray first = deflated(stream, head, Z_FULL_FLUSH), middle = deflated(stream, block, Z_FULL_FLUSH),
                     last = deflated(stream, tail, Z_FINISH);
    deflateEnd(&stream);
    const auto crc = [](const QByteArray& b) {
        return crc32(0, reinterpret_cast<const Bytef*>(b.constData()), uInt(b.size()));
    };
    uLong sum = crc(head);
    QByteArray out("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10);
    out.reserve(megabytes * middle.size() + first.size() + 4096);
    out += first;
    for (int i = 0; i < megabytes; ++i) {
        out += middle;
        sum = crc32_combine(sum, crc(block), block.size());
    }
    out += last;
    sum = crc32_combine(sum, crc(tail), tail.size());
    const quint32 length = quint32(qint64(head.size()) + qint64(megabytes) * block.size() + tail.size());
    for (const quint32 word : {quint32(sum), length}) {
        for (int shift = 0; shift < 32; shift += 8)
            out += char((word >> shift) & 0xff);
    }
    return out;
}

// A red 16 by 16 SVG whose comment holds megabytes of spaces, gzip-compressed: 1,500 inflate to 1.5 GB.
QByteArray svgz(int megabytes)
{
    return gzip(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">)"
                R"(<rect width="16" height="16" fill="#ff0000"/><!--)",
                megabytes, "--></svg>");
}

// A grey PNG of width by height zeros, every row there: 30000 by 30000 is a 1 MB file that decodes to 900 MB.
QByteArray pngOfZeros(quint32 width, quint32 height)
{
    const QByteArray row(int(width) + 1, '\0');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const QByteArray packed = deflated(stream, row, Z_FULL_FLUSH), last = deflated(stream, QByteArray(), Z_FINISH);
    deflateEnd(&stream);
    const uLong rowSum = adler32(1, reinterpret_cast<const Bytef*>(row.constData()), uInt(row.size()));
    uLong sum = 1;
    QByteArray data("\x78\xda", 2);
    data.reserve(int(height) * packed.size() + 64);
    for (quint32 y = 0; y < height; ++y) {
        data += packed;
        sum = adler32_combine(sum, rowSum, row.size());
    }
    data += last;
    for (int shift = 24; shift >= 0; shift -= 8)
        data += char((sum >> shift) & 0xff);
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << width << height << quint8(8) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", data) +
           pngChunk("IEND", QByteArray());
}

// An icon file whose one entry, declared 256 by 256, holds the given PNG.
QByteArray icoHolding(const QByteArray& png)
{
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1) << quint8(0) << quint8(0) << quint8(0) << quint8(0) << quint16(1)
        << quint16(32) << quint32(png.size()) << quint32(22);
    return ico + png;
}

bool hasRed(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::red))
                return true;
    return false;
}

const QByteArray kStyle = R"({"style": [{"type": 1, "name": "panel", "drawImg": false, "clr": "ff00ff00"}]})";
const QByteArray kBaseStyle = R"({"style": [{"type": 1, "name": "base", "drawImg": false, "clr": "ff0000ff"}]})";

// A theme directory with a style document and the given files.
QString makeThemeDir(const QString& dir, const QVector<QPair<QString, QByteArray>>& files)
{
    writeFile(dir + QStringLiteral("/style.json"), kStyle);
    for (const auto& [name, bytes] : files)
        writeFile(dir + QLatin1Char('/') + name, bytes);
    return dir;
}

// Builds a theme under the given folder; returns the directory or archive to load.
using ThemeBuilder = std::function<QString(const QString& root)>;

ThemeBuilder themeWith(const QString& name, const QByteArray& bytes)
{
    return [name, bytes](const QString& root) { return makeThemeDir(root, {{name, bytes}}); };
}

// A theme whose file `name` is made by `make`, given its path, in place of any the theme had.
ThemeBuilder themeMaking(const QString& name, const std::function<void(const QString&)>& make)
{
    return [=](const QString& root) {
        const QString at = makeThemeDir(root, {}) + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(at).path());
        QFile::remove(at);
        make(at);
        return root;
    };
}

ThemeBuilder themeLinking(const QString& name, const QString& target) // a relative target stays in the theme
{
    return themeMaking(name, [target](const QString& at) { QFile::link(target, at); });
}

// ---- hostile pages ----

QByteArray labelsUnderOneParent(int count)
{
    QByteArray children;
    children.reserve(count * 64);
    for (int i = 0; i < count; ++i)
        children += QByteArray(i ? "," : "") + R"({"type": "qtlabel", "x": 2, "y": 2, "w": 40, "h": 12})";
    return R"({"elements": [{"type": "qtcontainer", "w": 200, "h": 100, "child": [)" + children + "]}]}";
}

QByteArray pageWith(const QByteArray& child, const QByteArray& rootKeys = QByteArray())
{
    return "{" + rootKeys + R"("elements": [{"type": "qtcontainer", "w": 200, "h": 100, "child": [)" + child + "]}]}";
}

QByteArray caption(const char* type, int megabytes)
{
    return QByteArray(R"({"type": ")") + type + R"(", "x": 4, "y": 4, "w": 120, "h": 24, "attr": {"text": ")" +
           QByteArray(megabytes * 1024 * 1024, 'W') + "\"}}";
}

// ---- what one build may cost ----

QByteArray joined(const QByteArray& item, int count)
{
    QByteArray out;
    out.reserve(count * (item.size() + 1));
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += item;
    }
    return out;
}

// Containers nested levels deep, each holding perLevel labels before the next one; the innermost holds
// innermost labels.
QByteArray nestedPage(int levels, int perLevel, int innermost)
{
    const QByteArray label = R"({"type": "qtlabel", "w": 40, "h": 12, "attr": {"text": "bed"}})";
    const QByteArray labels = joined(label, perLevel);
    QByteArray page = R"({"elements": [)";
    for (int level = 0; level < levels; ++level)
        page += R"({"type": "qtcontainer", "x": 1, "y": 1, "w": 600, "h": 400, "child": [)" + labels +
                (labels.isEmpty() ? "" : ",");
    page += joined(label, innermost);
    if (page.endsWith(','))
        page.chop(1);
    return page + QByteArray("]}").repeated(levels) + "]}";
}

qint64 treeValues(const Json::Value& value)
{
    qint64 count = 1;
    for (const Json::Value& item : value)
        count += item.isArray() || item.isObject() ? treeValues(item) : 1;
    return count;
}

// A ribbon configuration with count entries made from one pattern (%1 its index) where %1 stands.
QString ribbonWith(const char* document, const char* entry, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QString::fromLatin1(entry).arg(i);
    return QString::fromLatin1(document).arg(entries.join(QLatin1Char(',')));
}

bool withinInt(const QRect& r)
{
    return qint64(r.x()) + r.width() <= INT_MAX && qint64(r.y()) + r.height() <= INT_MAX &&
           qint64(r.x()) + r.width() >= INT_MIN && qint64(r.y()) + r.height() >= INT_MIN;
}

} // namespace

Q_DECLARE_METATYPE(ThemeBuilder)
using RibbonProbe = std::function<int(const KIVQRibbonBar&)>;
Q_DECLARE_METATYPE(RibbonProbe)

class tst_HostileInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void hostileDocument_data();
    void hostileDocument();
    void hostileTheme_data();
    void hostileTheme();
    void imageFileNamedAnywhere_data();
    void imageFileNamedAnywhere();
    void elisionOfAPieceMatchesTheWholeText_data();
    void elisionOfAPieceMatchesTheWholeText();
    void commandIconNamingAPipe_data();
    void commandIconNamingAPipe();
    void ribbonBarsSpendThePageBudget_data();
    void ribbonBarsSpendThePageBudget();
    void nestingPastTheDepthCap_data();
    void nestingPastTheDepthCap();
    void documentsPastTheValueCap_data();
    void documentsPastTheValueCap();
    void valuesCountedOnTheBytes_data();
    void valuesCountedOnTheBytes();
    void longCaptionInRibbonOrMenu_data();
    void longCaptionInRibbonOrMenu();
    void ribbonRowOfThousands_data();
    void ribbonRowOfThousands();
    void themeEntryPastTheElementCaps();

private:
    QTemporaryDir m_dir;
    int m_row = 0;
};

void tst_HostileInput::initTestCase()
{
    KIVQtLib::init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QVERIFY(m_dir.isValid());
    // The skin the pages find their styles in.
    const QString skin = m_dir.filePath(QStringLiteral("skin.zip"));
    makeZip(skin, {{"style.json", R"({"style": [{"type": 2, "name": "huge", "size": 2147483647}]})"}});
    QVERIFY(rm()->loadSkinFile(skin));
    previousHandler = qInstallMessageHandler(countingHandler);
}

void tst_HostileInput::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void tst_HostileInput::init()
{
    // A working theme first: a refused one must leave it in place.
    const QString base = m_dir.filePath(QStringLiteral("base%1").arg(++m_row));
    writeFile(base + QStringLiteral("/style.json"), kBaseStyle);
    QVERIFY(rm()->loadThemeDir(base));
    jsonWarnings = 0;
}

void tst_HostileInput::hostileDocument_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("controls");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<int>("peakMb"); // generous: sanitizers double what the page itself takes

    const QSize unchanged(400, 300);
    const QSize capped(limits::kMaxWindowSide, int(limits::kMaxWindowPixels / limits::kMaxWindowSide));
    QTest::newRow("30,000 labels under one parent stop at the page's limit and still paint")
        << labelsUnderOneParent(30000) << limits::kMaxPageControls << unchanged << 1 << 1200;
    QTest::newRow("a child at the end of int is moved back into range")
        << pageWith(R"({"type": "qtlabel", "x": 2147483642, "y": 2147483600, "w": 2147483647, "h": 2147483647})") << 2
        << unchanged << 1 << 64;
    QTest::newRow("the same through an absolute layout object")
        << pageWith(R"({"type": "qtlabel", "layout": {"type": 1}, "x": -2147483648, "w": 2147483647, "h": 5})") << 2
        << unchanged << 1 << 64;
    QTest::newRow("a window of 30000 by 30000 is held to the side and area caps")
        << pageWith(QByteArray(), R"("w": 30000, "h": 30000,)") << 1 << capped << 2 << 400;
    QTest::newRow("a minimum beside a wide window is held to the area cap")
        << pageWith(QByteArray(), R"("w": 100000, "minH": 2147483647,)") << 1 << capped << 2 << 400;
    const QString svg = m_dir.filePath(QStringLiteral("big.svg"));
    writeFile(svg, svgBomb(30000));
    QTest::newRow("an image control tinting an SVG of 30000 by 30000")
        << pageWith(R"({"type": "qtpicture", "w": 64, "h": 64, "attr": {"fill": 0, "svgUseColor": 1, "svgPath": ")" +
                    svg.toUtf8() + "\"}}")
        << 2 << unchanged << 0 << 64;
    QTest::newRow("a disabled radio button of 20000 by 20000 greying that SVG")
        << pageWith(R"({"type": "qtradiobox", "enable": false, "w": 20000, "h": 20000, "attr": {"iconPath": ")" +
                    svg.toUtf8() + "\"}}")
        << 2 << unchanged << 0 << 64;
    QTest::newRow("a menu bar and a label in a text style of the end of int")
        << pageWith(R"({"type": "qtmenubar", "w": 300, "h": 40, "style": [["huge", 2, 5]]},
                       {"type": "qtlabel", "w": 90, "h": 24, "style": [["huge", 2, 0]], "attr": {"text": "Ward"}})")
        << 3 << unchanged << 0 << 64;
    QTest::newRow("a 5 MB label caption") << pageWith(caption("qtlabel", 5)) << 2 << unchanged << 0 << 100;
    QTest::newRow("a 5 MB button caption") << pageWith(caption("qtbutton", 5)) << 2 << unchanged << 0 << 100;
}

void tst_HostileInput::hostileDocument()
{
    QFETCH(QByteArray, document);
    QFETCH(int, controls);
    QFETCH(QSize, window);
    QFETCH(int, warnings);
    QFETCH(int, peakMb);

    const QString path = m_dir.filePath(QStringLiteral("page%1.json").arg(m_row));
    QVERIFY(writeFile(path, document));
    document.clear();

    KIVQWindow host;
    QVERIFY(showToBuildIn(host));
    const qint64 startKb = statusKb("VmHWM");

    QVERIFY(kivCreatePageByFileName(&host, path));
    QCOMPARE(host.size(), window);
    const QList<QWidget*> built = host.findChildren<QWidget*>();
    int made = 0;
    for (QWidget* widget : built) {
        made += dynamic_cast<IKIVQWidgetBase*>(widget) ? 1 : 0;
        QVERIFY(withinInt(widget->geometry()));
    }
    QCOMPARE(made, controls);
    QCOMPARE(jsonWarnings, warnings);

    // Painted, and a caption resized a few times, as a user dragging the window would.
    host.repaint();
    for (QWidget* widget : built) {
        if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget))
            continue;
        for (int width : {90, 300, 60, 120})
            widget->resize(width, 24);
        widget->repaint();
        break;
    }
    // Under the sanitizers the unbounded cases took from half a gigabyte to gigabytes.
    QVERIFY2(peakGrowthMb(startKb) < peakMb, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
    qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void tst_HostileInput::hostileTheme_data()
{
    QTest::addColumn<ThemeBuilder>("build");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("bytes"); // null: the resource is absent
    QTest::addColumn<QString>("icon");     // painted plain, grey and recoloured
    QTest::addColumn<bool>("iconShows");
    QTest::addColumn<int>("warnings");

    const QByteArray bomb = pngBomb(30000, 30000);
    const QString png = QStringLiteral("images/bomb.png"), svg = QStringLiteral("images/big.svg");
    QTest::newRow("a PNG declaring 30000 by 30000 is refused once, plain and grey")
        << themeWith(png, bomb) << true << png << bomb << png << false << 1;
    QTest::newRow("an SVG declaring 30000 by 30000 paints only what shows")
        << themeWith(svg, svgBomb(30000)) << true << svg << svgBomb(30000) << svg << true << 0;
    QTest::newRow("an SVG declaring the end of int")
        << themeWith(svg, svgBomb(INT_MAX)) << true << svg << svgBomb(INT_MAX) << svg << true << 0;
    const QString zero = QStringLiteral("/dev/zero");
    QTest::newRow("an image linked to /dev/zero is left out, the rest loads")
        << themeLinking("images/zero.png", zero) << true << "images/zero.png" << QByteArray() << "images/zero.png"
        << false << 1;
    writeFile(m_dir.filePath(QStringLiteral("outside/secret.txt")), "secret");
    QTest::newRow("an images folder linked out of the theme is left out")
        << themeLinking("images", m_dir.filePath(QStringLiteral("outside"))) << true << "images/secret.txt"
        << QByteArray() << QString() << false << 1;
    QTest::newRow("a link inside the theme is followed")
        << themeLinking("alias.txt", "style.json") << true << "alias.txt" << kStyle << QString() << false << 0;
    QTest::newRow("a pipe never blocks the load")
        << themeMaking("pipe.png", [](const QString& at) { mkfifo(QFile::encodeName(at).constData(), 0600); }) << true
        << "pipe.png" << QByteArray() << QString() << false << 1;
    QTest::newRow("a file above 64 MiB is left out")
        << themeMaking("huge.bin",
                       [](const QString& at) { writeFile(at, "x") && QFile::resize(at, limits::kMaxFileSize + 1); })
        << true << "huge.bin" << QByteArray() << QString() << false << 1;
    QTest::newRow("a style document linked to /dev/zero refuses the theme, the old one stays")
        << themeLinking("style.json", zero) << false << QString() << QByteArray() << QString() << false << 1;
    QTest::newRow("archive items of one name: the last counts, the style document's too")
        << ThemeBuilder([](const QString& root) {
               const QString path = root + QStringLiteral(".zip");
               makeZip(
                   path,
                   {{"style.json", kBaseStyle}, {"note.txt", "first"}, {"style.json", kStyle}, {"note.txt", "last"}});
               return path;
           })
        << true << "note.txt" << QByteArray("last") << QString() << false << 0;
}

void tst_HostileInput::hostileTheme()
{
    QFETCH(ThemeBuilder, build);
    QFETCH(bool, loads);
    QFETCH(QString, resource);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, icon);
    QFETCH(bool, iconShows);
    QFETCH(int, warnings);

    const QString path = build(m_dir.filePath(QStringLiteral("theme%1").arg(m_row)));
    resetPeak();
    const qint64 startKb = statusKb("VmHWM");
    const bool loaded = path.endsWith(QLatin1String(".zip")) ? rm()->loadThemeFile(path) : rm()->loadThemeDir(path);
    QCOMPARE(loaded, loads);
    {
        ThemeResScope scope(true);
        FillStyle style;
        QVERIFY(rm()->getFillStyle(loads ? QStringLiteral("panel") : QStringLiteral("base"), style));
    }
    if (!resource.isEmpty()) {
        const QByteArray held = rm()->getResourceBytes(resource);
        QCOMPARE(held, bytes);
        // A theme's files stay loaded; each keeps only its own size.
        QVERIFY2(held.capacity() <= qMax(2 * held.size(), 4096), qPrintable(QString::number(held.capacity())));
    }

    if (!icon.isEmpty()) {
        QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        IconStyleDesc desc;
        QPainter painter(&canvas);
        for (const bool grey : {false, true, false, true}) {
            KIVQPaintHelpers::paintImageOrSvg(&painter, icon, desc, QRect(0, 0, 64, 64), grey);
            QCOMPARE(qAlpha(canvas.pixel(32, 32)) != 0, iconShows);
        }
        desc.recolour = true;
        desc.colour = QColor(0, 0, 255);
        KIVQPaintHelpers::paintImageOrSvg(&painter, icon, desc, QRect(0, 0, 64, 64), false);
        painter.end();
        QCOMPARE(canvas.pixelColor(32, 32) == QColor(0, 0, 255), iconShows);
        QVERIFY(KIVQPaintHelpers::imageOrSvgSize(icon).width() <= limits::kCoordLimit);
    }
    QCOMPARE(jsonWarnings, warnings);
    QVERIFY2(peakGrowthMb(startKb) < 64, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
}

// Any image or icon a page, menu, ribbon, theme or program names is read through one bounded reader: a
// compressed SVG is inflated no further than the file cap, and icons obey the image caps.
void tst_HostileInput::imageFileNamedAnywhere_data()
{
    QTest::addColumn<QString>("route"); // where the file is named
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("warnings");

    const QByteArray bomb = svgz(1500), huge = pngOfZeros(30000, 30000);
    for (const char* route : {"button", "picture", "combo box", "menu", "ribbon quick access", "ribbon gallery",
                              "theme image", "theme drawing", "animation"})
        QTest::addRow("a compressed SVG inflating to 1.5 GB: %s", route) << route << bomb << "bomb.svgz" << false << 1;
    QTest::newRow("the same named as a PNG icon") << "menu" << bomb << "bomb.png" << false << 1;
    for (const char* route : {"menu", "ribbon quick access", "ribbon gallery"})
        QTest::addRow("a PNG of 30000 by 30000: %s", route) << route << huge << "huge.png" << false << 1;
    QTest::newRow("an icon file holding that PNG under a 256-pixel entry")
        << "menu" << icoHolding(huge) << "huge.ico" << false << 1;
    QTest::newRow("an SVG compressed twice") << "picture" << gzip(svgz(0)) << "twice.svgz" << false << 1;
    for (const char* route : {"button", "picture", "menu", "theme image", "theme drawing"})
        QTest::addRow("a compressed SVG within the cap shows: %s", route)
            << route << svgz(1) << "red.svgz" << true << 0;
}

void tst_HostileInput::imageFileNamedAnywhere()
{
    QFETCH(QString, route);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    QFETCH(int, warnings);

    const QString dir = m_dir.filePath(QStringLiteral("image%1").arg(m_row));
    QString file = dir + QLatin1Char('/') + name;
    if (route.startsWith(QLatin1String("theme"))) {
        file = QStringLiteral("images/") + name;
        makeThemeDir(dir, {{file, bytes}});
        QVERIFY(rm()->loadThemeDir(dir));
    } else {
        QVERIFY(writeFile(file, bytes));
    }
    bytes.clear();

    KIVQWindow host;
    QVERIFY(showToBuildIn(host));
    const qint64 startKb = statusKb("VmHWM");
    const auto iconShows = [](const QAction* action) {
        return action && hasRed(action->icon().pixmap(16, 16).toImage());
    };

    bool showed = false;
    if (route == QLatin1String("menu")) {
        const QString path = dir + QStringLiteral("/menu.json");
        QVERIFY(writeFile(
            path,
            QStringLiteral(R"({"items": [{"text": "cmd", "icon": "%1"}, {"text": "rest"}]})").arg(file).toUtf8()));
        KIVQMenu* menu = kivCreateMenuByFileName(&host, path);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        menu->grab();
        showed = iconShows(menu->actions().value(0));
    } else if (route.startsWith(QLatin1String("ribbon"))) {
        const QString command = QStringLiteral(R"({"id": "cmd", "text": "cmd", "icon": "%1"})").arg(file);
        const QString items = route.endsWith(QLatin1String("gallery"))
                                  ? QStringLiteral(R"({"type": "gallery", "items": [%1]})").arg(command)
                                  : QString(command).replace(QLatin1String("\"cmd\""), QLatin1String("\"cmd2\""));
        const QString quick = route.endsWith(QLatin1String("gallery"))
                                  ? QString()
                                  : QStringLiteral(R"("quickAccess": [%1],)").arg(command);
        auto* bar = new KIVQRibbonBar(&host);
        bar->resize(400, 150);
        QVERIFY(bar->loadConfigJson(QStringLiteral(R"({"schemaVersion": 1, %1 "pages": [{"id": "p", "text": "Home",
            "groups": [{"id": "g", "text": "G", "items": [%2, {"id": "rest", "text": "rest"}]}]}]})")
                                        .arg(quick, items)));
        bar->show();
        bar->repaint();
        QVERIFY(bar->findChild<QAction*>(QStringLiteral("rest")));
        showed = iconShows(bar->findChild<QAction*>(QStringLiteral("cmd")));
    } else if (route == QLatin1String("animation")) {
        auto* picture = new KIVQImage(&host);
        picture->resize(64, 64);
        picture->loadGif(file);
        picture->show();
        showed = hasRed(picture->grab().toImage());
    } else {
        const QHash<QString, QString> controls = {
            {QStringLiteral("button"), QStringLiteral(R"("qtbutton", "attr": {"iconPath": "%1"})")},
            {QStringLiteral("picture"), QStringLiteral(R"("qtpicture", "attr": {"svgPath": "%1"})")},
            {QStringLiteral("combo box"), QStringLiteral(R"("qtcombobox", "attr": {"btnIcon": "%1"})")},
            {QStringLiteral("theme image"), QStringLiteral(R"("qtpicture", "attr": {"path": "%1"})")},
            {QStringLiteral("theme drawing"), QStringLiteral(R"("qtpicture", "attr": {"svgPath": "%1"})")}};
        const QString page = dir + QStringLiteral("/page.json");
        QVERIFY(writeFile(page, pageWith(QStringLiteral(R"({"type": %1, "w": 64, "h": 64},
            {"type": "qtlabel", "x": 100, "w": 60, "h": 20, "attr": {"text": "rest"}})")
                                             .arg(controls.value(route).arg(file))
                                             .toUtf8())));
        QVERIFY(kivCreatePageByFileName(&host, page));
        host.repaint();
        const QList<QLabel*> labels = host.findChildren<QLabel*>();
        QVERIFY(
            std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == QLatin1String("rest"); }));
        showed = hasRed(host.grab(QRect(0, 0, 64, 64)).toImage());
    }
    QCOMPARE(showed, shown);
    QCOMPARE(jsonWarnings, warnings);
    // Decoded, these took gigabytes; refused, a few megabytes.
    QVERIFY2(peakGrowthMb(startKb) < 64, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
    qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void tst_HostileInput::elisionOfAPieceMatchesTheWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");

    const QString words = QStringLiteral("Ward 7 bed 12: blood pressure review due before the evening round. ");
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // a surrogate pair
    for (const int mode : {Qt::ElideRight, Qt::ElideLeft, Qt::ElideMiddle}) {
        QTest::addRow("words, mode %d", mode) << words.repeated(40) << mode << 150;
        QTest::addRow("surrogate pairs are never cut, mode %d", mode) << emoji.repeated(500) << mode << 70;
    }
}

void tst_HostileInput::elisionOfAPieceMatchesTheWholeText()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(int, width);
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 11));
    QCOMPARE(KIVQPaintHelpers::elidedText(metrics, text, Qt::TextElideMode(mode), width),
             metrics.elidedText(text, Qt::TextElideMode(mode), width));
}

// A command's icon is read as the document loads; a pipe named there would block it for good.
void tst_HostileInput::commandIconNamingAPipe_data()
{
    QTest::addColumn<bool>("ribbon");      // else a menu document
    QTest::addColumn<QString>("document"); // %1 is the icon
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("shown");

    const QString quick = QStringLiteral(R"({"schemaVersion": 1, "quickAccess": [{"id": "cmd", "icon": "%1"}]})");
    const QString cell = QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"items": [
        {"type": "gallery", "items": [{"id": "cmd", "icon": "%1"}]}]}]}]})");
    const QString menu = QStringLiteral(R"({"items": [{"text": "cmd", "icon": "%1"}]})");
    QTest::newRow("ribbon command, PNG pipe") << true << quick << "pipe.png" << false;
    QTest::newRow("ribbon command, SVG pipe") << true << quick << "pipe.svg" << false;
    QTest::newRow("ribbon command, real PNG") << true << quick << "real.png" << true;
    QTest::newRow("ribbon gallery cell, PNG pipe") << true << cell << "pipe.png" << false;
    QTest::newRow("menu item, PNG pipe") << false << menu << "pipe.png" << false;
    QTest::newRow("menu item, real PNG") << false << menu << "real.png" << true;
}

void tst_HostileInput::commandIconNamingAPipe()
{
    QFETCH(bool, ribbon);
    QFETCH(QString, document);
    QFETCH(QString, icon);
    QFETCH(bool, shown);

    QTemporaryDir dir;
    for (const char* pipe : {"pipe.png", "pipe.svg"})
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QLatin1String(pipe))).constData(), 0600), 0);
    QVERIFY(writeFile(dir.filePath(QStringLiteral("real.png")), ThemeTestSupport::pngBytes(8, 8, Qt::red)));
    const QString text = document.arg(dir.filePath(icon));

    QWidget window;
    QAction* command = nullptr;
    KIVQRibbonBar bar(&window);
    if (ribbon) {
        QVERIFY(bar.loadConfigJson(text));
        command = bar.findChild<QAction*>(QStringLiteral("cmd"));
    } else {
        const QString path = dir.filePath(QStringLiteral("menu.json"));
        KIVQMenu* made = writeFile(path, text.toUtf8()) ? kivCreateMenuByFileName(&window, path) : nullptr;
        command = made ? made->actions().value(0) : nullptr;
    }
    QVERIFY(command);
    QCOMPARE(!command->icon().isNull(), shown);
}

// Each bar's configuration had a budget of its own: a page of bars sharing one made a hundred times the cap.
void tst_HostileInput::ribbonBarsSpendThePageBudget_data()
{
    QTest::addColumn<bool>("inlined"); // else a configuration file

    QTest::newRow("100 bars sharing one configuration file") << false;
    QTest::newRow("100 bars holding the configuration inline") << true;
}

void tst_HostileInput::ribbonBarsSpendThePageBudget()
{
    QFETCH(bool, inlined);
    const QByteArray config =
        R"({"schemaVersion": 1, "application": {"text": "File", "menu": [)" + joined(R"({"id": "m"})", 1000) + "]}}";
    const QString configPath = m_dir.filePath(QStringLiteral("ribbon%1.json").arg(m_row));
    QVERIFY(writeFile(configPath, config));
    const QByteArray attr =
        inlined ? R"({"ribbon": )" + config + "}" : R"({"configFile": ")" + configPath.toUtf8() + "\"}";
    const QString path = m_dir.filePath(QStringLiteral("page%1.json").arg(m_row));
    QVERIFY(
        writeFile(path, pageWith(joined(R"({"type": "qtribbonbar", "w": 600, "h": 150, "attr": )" + attr + "}", 100))));

    KIVQWindow host;
    resetPeak();
    const qint64 startKb = statusKb("VmHWM");
    QVERIFY(kivCreatePageByFileName(&host, path));
    const int bars = host.findChildren<KIVQRibbonBar*>().size();
    int entries = 0;
    for (const QAction* action : host.findChildren<QAction*>())
        entries += action->objectName() == QLatin1String("m") ? 1 : 0;
    // The root container, the bars and their menus' entries, up to the cap and no further.
    QCOMPARE(1 + bars + entries, limits::kMaxPageControls);
    QCOMPARE(jsonWarnings, 1);
    QVERIFY2(peakGrowthMb(startKb) < 400, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
}

// Qt's paint walks climb from each control to its window: controls nested hundreds deep made every repaint
// take seconds.
void tst_HostileInput::nestingPastTheDepthCap_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("controls");
    QTest::addColumn<int>("warnings");

    const int cap = limits::kMaxPageDepth;
    QTest::newRow("480 levels over 19,500 labels stop at the cap, the labels left out")
        << nestedPage(480, 0, 19500) << cap << 1;
    QTest::newRow("a label at every level: those within the cap are built")
        << nestedPage(100, 1, 1) << cap + cap - 1 << 1;
    QTest::newRow("a page as deep as the cap is built whole") << nestedPage(cap - 1, 0, 3) << cap + 2 << 0;
}

void tst_HostileInput::nestingPastTheDepthCap()
{
    QFETCH(QByteArray, document);
    QFETCH(int, controls);
    QFETCH(int, warnings);
    const QString path = m_dir.filePath(QStringLiteral("page%1.json").arg(m_row));
    QVERIFY(writeFile(path, document));

    KIVQWindow host;
    host.resize(800, 600);
    host.show();
    QVERIFY(kivCreatePageByFileName(&host, path));
    int made = 0;
    for (QWidget* widget : host.findChildren<QWidget*>())
        made += dynamic_cast<IKIVQWidgetBase*>(widget) ? 1 : 0;
    QCOMPARE(made, controls);
    QCOMPARE(jsonWarnings, warnings);
    host.repaint();
}

// A parsed value costs over a hundred bytes whatever its text: megabytes of "[]," built gigabytes.
void tst_HostileInput::documentsPastTheValueCap_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("warnings");

    const QByteArray arrays = joined("[]", 2000000);
    QTest::newRow("a page of 2 million empty arrays") << "page"
                                                      << R"({"elements": [)" + arrays + "]}" << false << 1;
    QTest::newRow("a menu document of them") << "menu"
                                             << R"({"items": [)" + arrays + "]}" << false << 1;
    // The bar reports why in its error, as for any configuration that does not parse.
    QTest::newRow("a ribbon configuration of them")
        << "ribbon"
        << R"({"schemaVersion": 1, "pages": [)" + arrays + "]}" << false << 0;
    QTest::newRow("a style document of 1.1 million tiny entries")
        << "style"
        << R"({"style": [)" + joined(R"({"type": 1})", 1100000) + "]}" << false << 1;
    QTest::newRow("theme entries of empty arrays") << "theme"
                                                   << R"({"elements": [)" + arrays + "]}" << false << 1;
    QTest::newRow("a language file of them")
        << "language"
        << R"({"defaultLanguage": "en", "languages": {"en": {"a": "b"}}, "x": [)" + arrays + "]}" << false << 1;

    const QByteArray brackets = joined("[]", 600000);
    QTest::newRow("brackets inside a caption are no values")
        << "page" << pageWith(R"({"type": "qtlabel", "attr": {"text": ")" + brackets + "\"}}") << true << 0;
    QTest::newRow("brackets inside a comment are no values")
        << "page" << pageWith(R"({"type": "qtlabel"} /* )" + brackets + " */") << true << 0;
}

void tst_HostileInput::documentsPastTheValueCap()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, document);
    QFETCH(bool, loads);
    QFETCH(int, warnings);

    const QString dir = m_dir.filePath(QStringLiteral("values%1").arg(m_row));
    const bool inTheme = reader == QLatin1String("style") || reader == QLatin1String("theme");
    const QString path = dir + QLatin1Char('/') + (inTheme ? reader : QStringLiteral("document")) + ".json";
    QVERIFY(writeFile(path, document));
    if (reader == QLatin1String("theme"))
        QVERIFY(writeFile(dir + QStringLiteral("/style.json"), kStyle));
    document.clear();

    QWidget host;
    resetPeak();
    const qint64 startKb = statusKb("VmHWM");
    bool loaded = false;
    if (reader == QLatin1String("page")) {
        loaded = kivCreatePageByFileName(&host, path);
    } else if (reader == QLatin1String("menu")) {
        loaded = kivCreateMenuByFileName(&host, path);
    } else if (reader == QLatin1String("ribbon")) {
        KIVQRibbonBar bar(&host);
        loaded = bar.loadConfigFile(path);
        QVERIFY(bar.lastError().contains(QString::number(limits::kMaxJsonValues)));
    } else if (inTheme) {
        loaded = rm()->loadThemeDir(dir);
    } else {
        loaded = LanguageManager::instance()->loadFromFile(path);
    }
    QCOMPARE(loaded, loads);
    QCOMPARE(jsonWarnings, warnings);
    // Refused before the tree is built, a document costs no more than its bytes.
    QVERIFY2(peakGrowthMb(startKb) < 64, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
}

// What the count must agree with: the values the parser builds, never fewer.
void tst_HostileInput::valuesCountedOnTheBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("values");

    QTest::newRow("scalars, arrays and objects")
        << QByteArray(R"({"a": [1, "x", true, null, {}], "b": -2.5e3})") << 8ll;
    QTest::newRow("member names are no values") << QByteArray(R"({"k": {"k2": {"k3": "v"}}})") << 4ll;
    QTest::newRow("escaped quotes stay in their string") << QByteArray(R"(["a\"b", "c\\", "d\":"])") << 4ll;
    QTest::newRow("comments hold no values") << QByteArray("// [[[\n[1, /* [[], {} ] */ 2]") << 3ll;
    QTest::newRow("a line comment ends at a carriage return, as the parser ends it")
        << QByteArray("// x\r[[], []]") << 3ll;
    QTest::newRow("the text ends at its first NUL byte") << QByteArray("[[], []]\0[[], []]", 17) << 3ll;
}

void tst_HostileInput::valuesCountedOnTheBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, values);
    QCOMPARE(json::countValues(text, limits::kMaxJsonValues), values);
    Json::Value root;
    QVERIFY(json::parse(text, root));
    QCOMPARE(treeValues(root), values);
}

// Qt measures, lays out or elides whatever text it is given, whole, on every layout: 10 s to load a
// 10 MB caption, a second a resize, 20 s to open a menu. What reaches it is a piece that fills the widest
// window, and what is written back is the whole caption.
void tst_HostileInput::longCaptionInRibbonOrMenu_data()
{
    QTest::addColumn<bool>("ribbon");      // else a menu document
    QTest::addColumn<QString>("document"); // %1 is the caption

    const auto ribbon = [](const char* members) {
        return QStringLiteral(R"({"schemaVersion": 1, %1})").arg(QLatin1String(members));
    };
    QTest::newRow("ribbon buttons, large and small")
        << true << ribbon(R"("pages": [{"id": "p", "groups": [{"id": "g", "items": [
                       {"id": "a", "text": "%1"}, {"id": "b", "size": "small", "text": "%1"}]}]}])");
    QTest::newRow("a tab and a group title")
        << true << ribbon(R"("pages": [{"id": "p", "text": "%1", "groups": [{"id": "g", "text": "%1"}]}])");
    QTest::newRow("a quick-access command and a button's tool tip")
        << true << ribbon(R"("quickAccess": [{"id": "q", "text": "%1"}],
                              "pages": [{"id": "p", "groups": [{"id": "g", "items": [{"id": "b", "tooltip": "%1"}]}]}])");
    QTest::newRow("an application menu's item and sub-menu")
        << true
        << ribbon(R"("application": {"menu": [{"id": "m", "text": "%1"}, {"text": "%1", "items": [{"id": "x"}]}]})");
    QTest::newRow("a gallery cell") << true << ribbon(R"("pages": [{"id": "p", "groups": [{"id": "g", "items": [
                              {"type": "gallery", "items": [{"id": "c", "text": "%1"}]}]}]}])");
    QTest::newRow("a menu document's item and sub-menu")
        << false << QStringLiteral(R"({"items": [{"text": "%1"}, {"text": "%1", "items": [{"text": "x"}]}]})");
}

void tst_HostileInput::longCaptionInRibbonOrMenu()
{
    QFETCH(bool, ribbon);
    QFETCH(QString, document);

    const QString caption(10 * 1024 * 1024, QLatin1Char('W'));
    const int captions = document.count(QLatin1String("%1"));
    const QString text = document.arg(caption);
    const QString path = m_dir.filePath(QStringLiteral("menu%1.json").arg(m_row));
    QVERIFY(ribbon || writeFile(path, text.toUtf8()));

    QElapsedTimer timer;
    timer.start();
    QWidget window;
    window.resize(900, 300);
    auto* bar = new KIVQRibbonBar(&window);
    bar->resize(900, 160);
    QVERIFY(ribbon ? bar->loadConfigJson(text) : kivCreateMenuByFileName(&window, path) != nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const int width : {700, 1100, 900}) {
        bar->resize(width, 160);
        window.repaint();
    }
    // Every menu opened, painted and hovered; every button measured and its tool tip shown.
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        menu->popup(QPoint(0, 0));
        menu->repaint();
        QTest::mouseMove(menu, QPoint(20, 12));
        menu->hide();
    }
    for (KIVQRibbonButton* button : bar->findChildren<KIVQRibbonButton*>()) {
        QHelpEvent tip(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &tip);
        QVERIFY(button->sizeHint().width() <= limits::kMaxWindowSide + 34);
    }
    QToolTip::hideText();
    // A release build takes a fraction of a second; the whole caption took tens of seconds.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

    qint64 kept = 0;
    for (const QAction* action : window.findChildren<QAction*>()) {
        QVERIFY(action->text().size() < caption.size() / 10);
        kept += KIVQMenu::itemText(action).size();
    }
    for (const QWidget* widget : window.findChildren<QWidget*>())
        QVERIFY(widget->toolTip().size() < caption.size() / 10);
    if (ribbon)
        kept = bar->configJson().size();
    QVERIFY(kept >= qint64(captions) * caption.size());
}

// Qt walks a widget's siblings to show, raise or delete it: 20,000 quick-access commands took seconds a
// resize, a group of 20,000 buttons and 20,000 pages tens of seconds to paint or tear down. A row of the
// ribbon holds at most its cap; the rest is left out and reported.
void tst_HostileInput::ribbonRowOfThousands_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<RibbonProbe>("held");

    const int count = 20000;
    const auto page = [](const KIVQRibbonBar& bar) { return bar.pageAt(0); };
    QTest::newRow("20,000 quick-access commands")
        << ribbonWith(R"({"schemaVersion": 1, "quickAccess": [%1]})", R"({"id": "q%1"})", count)
        << RibbonProbe([](const KIVQRibbonBar& bar) { return int(bar.quickAccessWidgets().size()); });
    QTest::newRow("20,000 top-right controls")
        << ribbonWith(R"({"schemaVersion": 1, "topRight": [%1]})", R"({"control": "label", "text": "%1"})", count)
        << RibbonProbe([](const KIVQRibbonBar& bar) { return int(bar.topRightWidgets().size()); });
    QTest::newRow("20,000 pages") << ribbonWith(R"({"schemaVersion": 1, "pages": [%1]})", R"({"id": "p%1"})", count)
                                  << RibbonProbe([](const KIVQRibbonBar& bar) { return bar.pageCount(); });
    QTest::newRow("20,000 groups on a page")
        << ribbonWith(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [%1]}]})", R"({"id": "g%1"})", count)
        << RibbonProbe([page](const KIVQRibbonBar& bar) { return page(bar)->groupCount(); });
    QTest::newRow("a group of 20,000 buttons")
        << ribbonWith(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"id": "g", "items": [%1]}]}]})",
                      R"({"id": "b%1"})", count)
        << RibbonProbe([page](const KIVQRibbonBar& bar) { return page(bar)->groupAt(0)->itemCount(); });
}

void tst_HostileInput::ribbonRowOfThousands()
{
    QFETCH(QString, document);
    QFETCH(RibbonProbe, held);

    QWidget window;
    window.resize(900, 300);
    auto* bar = new KIVQRibbonBar(&window);
    bar->resize(900, 160);
    QVERIFY(bar->loadConfigJson(document));
    QCOMPARE(held(*bar), limits::kMaxRibbonRowEntries);
    QCOMPARE(jsonWarnings, 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const int width : {700, 1100, 900, 1000}) {
        bar->resize(width, 160);
        window.repaint();
    }
    // Torn down before the event loop has run, with every widget's posted events still queued.
    delete bar;
}

// A theme entry is applied to each control it names: a list of thousands was walked, and its attributes
// copied, for every one of them.
void tst_HostileInput::themeEntryPastTheElementCaps()
{
    QByteArray styles, attrs;
    for (int i = 0; i < 20000; ++i) {
        styles += (i ? "," : "") + QByteArray(R"(["words", 2, 0])");
        attrs += (i ? "," : "") + QByteArray("\"key") + QByteArray::number(i) + "\": 1";
    }
    const QString dir = m_dir.filePath(QStringLiteral("entry"));
    writeFile(dir + QStringLiteral("/style.json"), R"({"style": [{"type": 2, "name": "words"}]})");
    writeFile(dir + QStringLiteral("/theme.json"), R"({"elements": [{"child": [{"name": "qtlabel", "style": [)" +
                                                       styles + R"(], "attr": {)" + attrs + "}}]}]}");
    QVERIFY(rm()->loadThemeDir(dir));
    QWidget host;
    for (int i = 0; i < 50; ++i) {
        QWidget* label = createControlByTypeName("qtlabel", &host);
        QVERIFY(label);
        QVERIFY(writeControl(dynamic_cast<IKIVQWidgetBase*>(label))["attr"].size() <= limits::kMaxElementEntries);
    }
    // Said once each, not once a control.
    QCOMPARE(jsonWarnings, 2);
}

QTEST_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"
