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
#include "views/KIVQList.h"
#include "views/KIVQMenu.h"
#include "views/KIVQTreeView.h"

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
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QToolTip>

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

// A red 16 by 16 SVG whose comment holds 128 KB and megabytes of spaces, gzip-compressed: 1,500 megabytes
// inflate to 1.5 GB.
QByteArray svgz(int megabytes)
{
    return gzip(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">)"
                R"(<rect width="16" height="16" fill="#ff0000"/><!--)" +
                    QByteArray(1 << 17, ' '),
                megabytes, "--></svg>");
}

// A grey PNG of width by height zeros, every row there: 30000 by 30000 is a 1 MB file that decodes to 900 MB.
// With a colour, each pixel that colour.
QByteArray pngBomb(quint32 width, quint32 height, QRgb colour = 0)
{
    const char rgb[] = {char(qRed(colour)), char(qGreen(colour)), char(qBlue(colour))};
    const QByteArray row = colour ? '\0' + QByteArray(rgb, 3).repeated(int(width)) : QByteArray(int(width) + 1, '\0');
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
    out << width << height << quint8(8) << quint8(colour ? 2 : 0) << quint8(0) << quint8(0) << quint8(0);
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

// Where an image shows red.
QRect redInk(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::red))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

bool hasRed(const QImage& image)
{
    return !redInk(image).isEmpty();
}

// What a command's icon shows: 0 null, 1 there but empty, else the colour at its middle.
QRgb iconLook(const QIcon& icon)
{
    if (icon.isNull())
        return 0;
    const QImage image = icon.pixmap(16, 16).toImage();
    return image.isNull() || qAlpha(image.pixel(image.rect().center())) == 0 ? 1 : image.pixel(image.rect().center());
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

// count copies of item, comma-separated; a %1 in it stands for each copy's index.
QByteArray joined(const QByteArray& item, int count)
{
    const bool numbered = item.contains("%1");
    QByteArray out;
    out.reserve(count * (item.size() + 6));
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += numbered ? QByteArray(item).replace("%1", QByteArray::number(i)) : item;
    }
    return out;
}

// Containers nested levels deep, each holding a label before the next one.
QByteArray nestedPage(int levels)
{
    QByteArray page = R"({"elements": [)";
    for (int level = 0; level < levels; ++level)
        page += R"({"type": "qtcontainer", "x": 1, "y": 1, "w": 600, "h": 400, "child": [)"
                R"({"type": "qtlabel", "w": 40, "h": 12, "attr": {"text": "bed"}}, )";
    page.chop(2);
    return page + QByteArray("]}").repeated(levels) + "]}";
}

qint64 treeValues(const Json::Value& value)
{
    qint64 count = 1;
    for (const Json::Value& item : value)
        count += item.isArray() || item.isObject() ? treeValues(item) : 1;
    return count;
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
    void largeImagesSharedAndBudgeted_data();
    void largeImagesSharedAndBudgeted();
    void elisionOfAPieceMatchesTheWholeText_data();
    void elisionOfAPieceMatchesTheWholeText();
    void commandIconRead_data();
    void commandIconRead();
    void ribbonBarsSpendThePageBudget();
    void languageDocumentPastTheValueCap();
    void valuesCountedOnTheBytes_data();
    void valuesCountedOnTheBytes();
    void longCaptionsAndLongRows_data();
    void longCaptionsAndLongRows();
    void themeEntryPastTheElementCaps();

private:
    QTemporaryDir m_dir;
    QString m_skin;
    int m_row = 0;
};

void tst_HostileInput::initTestCase()
{
    KIVQtLib::init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QVERIFY(m_dir.isValid());
    // The skin the pages find their styles in.
    m_skin = m_dir.filePath(QStringLiteral("skin.zip"));
    makeZip(m_skin, {{"style.json", R"({"style": [{"type": 2, "name": "huge", "size": 2147483647}]})"}});
    QVERIFY(rm()->loadSkinFile(m_skin));
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
    QTest::addColumn<int>("controls"); // 0: the document is refused whole
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

    // Qt's paint walks climb from each control to its window: hundreds of levels made each repaint seconds.
    const int depth = limits::kMaxPageDepth;
    QTest::newRow("480 levels, a label on each: those within the depth cap are built")
        << nestedPage(480) << 2 * depth - 1 << unchanged << 1 << 64;
    QTest::newRow("a page as deep as the cap is built whole")
        << nestedPage(depth - 1) << 2 * depth - 2 << unchanged << 0 << 64;
    // A parsed value costs over a hundred bytes whatever its text: megabytes of "[]," built gigabytes.
    QTest::newRow("2 million empty arrays refuse the page before they are built")
        << QByteArray(R"({"elements": [)" + joined("[]", 2000000) + "]}") << 0 << unchanged << 1 << 64;
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

    QCOMPARE(kivCreatePageByFileName(&host, path) != nullptr, controls > 0);
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
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("warnings"); // one for each place that refuses it

    const QByteArray bomb = svgz(1500), huge = pngBomb(30000, 30000);
    QTest::newRow("a compressed SVG inflating to 1.5 GB") << bomb << "bomb.svgz" << false << 9;
    QTest::newRow("the same named as a PNG") << bomb << "bomb.png" << false << 9;
    QTest::newRow("a PNG of 30000 by 30000") << huge << "huge.png" << false << 7;
    QTest::newRow("an icon file holding that PNG under a 256-pixel entry")
        << icoHolding(huge) << "huge.ico" << false << 7;
    QTest::newRow("an SVG compressed twice") << gzip(svgz(0)) << "twice.svgz" << false << 9;
    QTest::newRow("a compressed SVG within the cap shows") << svgz(0) << "red.svgz" << true << 0;
}

void tst_HostileInput::imageFileNamedAnywhere()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    QFETCH(int, warnings);

    // Each place names a file of its own: a refused file is looked at and reported only once.
    const QString dir = m_dir.filePath(QStringLiteral("image%1").arg(m_row));
    const QStringList places = {"button", "combo box",    "picture", "theme image", "theme drawing",
                                "menu",   "quick access", "gallery", "animation"};
    for (const QString& place : places)
        QVERIFY(writeFile(dir + QLatin1Char('/') + place + QLatin1Char('/') + name, bytes));
    makeThemeDir(dir, {{QStringLiteral("images/") + name, bytes}});
    QVERIFY(rm()->loadThemeDir(dir));
    bytes.clear();
    const auto file = [&](const char* place) { return QStringLiteral("%1/%2/%3").arg(dir, place, name); };

    KIVQWindow host;
    QVERIFY(showToBuildIn(host));
    const qint64 startKb = statusKb("VmHWM");
    const QString page = dir + QStringLiteral("/page.json"), menuPath = dir + QStringLiteral("/menu.json");
    QVERIFY(writeFile(page, pageWith(QStringLiteral(R"(
        {"type": "qtbutton", "name": "button", "w": 40, "h": 40, "attr": {"iconPath": "%1"}},
        {"type": "qtcombobox", "name": "combo box", "x": 40, "w": 40, "h": 40, "attr": {"btnIcon": "%2"}},
        {"type": "qtpicture", "name": "picture", "x": 80, "w": 40, "h": 40, "attr": {"svgPath": "%3"}},
        {"type": "qtpicture", "name": "theme image", "x": 120, "w": 40, "h": 40, "attr": {"path": "images/%4"}},
        {"type": "qtpicture", "name": "theme drawing", "x": 160, "w": 40, "h": 40, "attr": {"svgPath": "images/%4"}},
        {"type": "qtpicture", "name": "animation", "y": 50, "w": 40, "h": 40},
        {"type": "qtlabel", "name": "rest", "x": 40, "y": 50, "w": 60, "h": 20, "attr": {"text": "rest"}},
        {"type": "qtribbonbar", "y": 100, "w": 400, "h": 150, "attr": {"ribbon": {"schemaVersion": 1,
         "quickAccess": [{"id": "quick access", "icon": "%5"}], "pages": [{"id": "p", "groups": [{"id": "g",
         "items": [{"type": "gallery", "items": [{"id": "gallery", "icon": "%6"}]}, {"id": "rest"}]}]}]}}})")
                                         .arg(file("button"), file("combo box"), file("picture"), name,
                                              file("quick access"), file("gallery"))
                                         .toUtf8())));
    QVERIFY(kivCreatePageByFileName(&host, page) && host.findChild<QAction*>(QStringLiteral("rest")));
    host.findChild<KIVQImage*>(QStringLiteral("animation"))->loadGif(file("animation"));
    QVERIFY(writeFile(
        menuPath,
        QStringLiteral(R"({"items": [{"text": "menu", "icon": "%1"}, {"text": "rest"}]})").arg(file("menu")).toUtf8()));
    KIVQMenu* menu = kivCreateMenuByFileName(&host, menuPath);
    QVERIFY(menu && menu->actions().size() == 2);
    menu->actions().first()->setObjectName(QStringLiteral("menu"));
    host.repaint();
    menu->grab();

    QStringList showing;
    for (const QString& place : places) {
        const auto* action = host.findChild<QAction*>(place);
        QWidget* widget = host.findChild<QWidget*>(place);
        if (hasRed(action ? action->icon().pixmap(16, 16).toImage() : widget->grab().toImage()))
            showing << place;
    }
    QCOMPARE(showing, shown ? places : QStringList());
    QVERIFY(host.findChild<QLabel*>(QStringLiteral("rest")));
    QCOMPARE(jsonWarnings, warnings);
    // Decoded, these took gigabytes; refused, a few megabytes.
    QVERIFY2(peakGrowthMb(startKb) < 64, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
    qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

// A large image is decoded once for all its references and kept at the size it is drawn; what decoded
// images hold, and what decoding them costs, is budgeted on the sizes the files declare, and a file past
// that is refused, said once, while the rest shows.
void tst_HostileInput::largeImagesSharedAndBudgeted_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("references"); // of each file
    QTest::addColumn<int>("refused");    // the last files
    QTest::addColumn<int>("peakMb");

    // Decoded whole for each reference, 8 references held 512 MB, or drew across the whole row.
    for (const char* place : {"menu", "ribbon command", "gallery cell", "tree icon", "list icon"})
        QTest::addRow("%s: one 4096 by 4096 PNG named 8 times, shared at the icon's size", place)
            << QString::fromLatin1(place) << 4096 << 1 << 8 << 0 << 32;
    QTest::newRow("menu: 10 of 8000 by 8000 take more decoding than the budget, 2 are refused")
        << "menu" << 8000 << 10 << 1 << 2 << 32;
    QTest::newRow("picture: 3 of 7000 by 7000 would hold more than the budget, 1 is refused")
        << "picture" << 7000 << 3 << 1 << 1 << 450;
}

void tst_HostileInput::largeImagesSharedAndBudgeted()
{
    QFETCH(QString, place);
    QFETCH(int, side);
    QFETCH(int, files);
    QFETCH(int, references);
    QFETCH(int, refused);
    QFETCH(int, peakMb);
    // What earlier rows left held is let go; the skin's styles come back.
    rm()->releaseRes();
    QVERIFY(rm()->loadSkinFile(m_skin));
    const QByteArray png = pngBomb(quint32(side), quint32(side), qRgb(255, 0, 0));
    QStringList paths;
    QString items; // the references, as the place's document names them
    for (int i = 0; i < files * references; ++i) {
        paths << m_dir.filePath(QStringLiteral("large%1/%2.png").arg(m_row).arg(i / references));
        QVERIFY(QFile::exists(paths.last()) || writeFile(paths.last(), png));
        items += (i ? QStringLiteral(",") : QString()) +
                 (place == QLatin1String("picture")
                      ? QStringLiteral(R"({"type": "qtpicture", "x": %1, "w": 40, "h": 40, "attr": {"path": "%2"}})")
                      : QStringLiteral(R"({"id": "c%1", "text": "c", "icon": "%2"})"))
                     .arg(place == QLatin1String("picture") ? i * 40 : i)
                     .arg(paths.last());
    }

    KIVQWindow host;
    QVERIFY(showToBuildIn(host));
    const qint64 startKb = statusKb("VmHWM");
    QVector<QImage> looks; // what each reference shows
    QList<QAction*> actions;
    if (place == QLatin1String("menu")) {
        const QString path = m_dir.filePath(QStringLiteral("large%1/menu.json").arg(m_row));
        QVERIFY(writeFile(path, "{\"items\": [" + items.toUtf8() + "]}"));
        KIVQMenu* menu = kivCreateMenuByFileName(&host, path);
        QVERIFY(menu);
        menu->setIconOffset(20);
        const QImage shot = menu->grab().toImage();
        actions = menu->actions();
        for (QAction* action : qAsConst(actions))
            looks << shot.copy(menu->actionGeometry(action));
    } else if (place.startsWith(QLatin1String("ribbon")) || place.startsWith(QLatin1String("gallery"))) {
        auto* bar = new KIVQRibbonBar(&host);
        bar->resize(1200, 150);
        const QString cells = place.startsWith(QLatin1String("ribbon")) ? items : R"({"type": "gallery", "items": [)" + items + "]}";
        QVERIFY(bar->loadConfigJson(QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"id": "g",
                                                     "items": [%1]}]}]})").arg(cells)));
        bar->show();
        for (int i = 0; i < files * references; ++i)
            actions << bar->findChild<QAction*>(QStringLiteral("c%1").arg(i));
        QHash<QAction*, KIVQRibbonButton*> buttons;
        for (KIVQRibbonButton* button : bar->findChildren<KIVQRibbonButton*>())
            buttons.insert(button->ribbonAction(), button);
        for (QAction* action : qAsConst(actions)) {
            KIVQRibbonButton* button = buttons.value(action);
            looks << (button && button->isVisible() ? button->grab() : action->icon().pixmap(16, 16)).toImage();
        }
    } else if (place.endsWith(QLatin1String("icon"))) {
        QAbstractItemView* view = nullptr;
        QStandardItemModel* model = nullptr;
        if (place.startsWith(QLatin1String("list"))) {
            view = new KIVQList(&host);
            model = qobject_cast<QStandardItemModel*>(view->model());
        }
        auto* list = qobject_cast<KIVQList*>(view);
        if (!list) {
            view = new KIVQTreeView(&host);
            view->setModel(model = new QStandardItemModel(view));
        }
        for (const QString& icon : qAsConst(paths)) {
            if (list)
                list->addItem(QStringLiteral("row"));
            else
                model->appendRow(new QStandardItem(QStringLiteral("row")));
            view->model()->setData(view->model()->index(view->model()->rowCount() - 1, 0), icon, Qt::DecorationRole);
        }
        view->setGeometry(0, 0, 300, 290);
        view->show();
        const QImage shot = view->viewport()->grab().toImage();
        for (int row = 0; row < view->model()->rowCount(); ++row)
            looks << shot.copy(view->visualRect(view->model()->index(row, 0)));
        // Drawn in the icon's box, not at the file's size across the row.
        QVERIFY2(redInk(looks.first()).width() <= 32, qPrintable(QString::number(redInk(looks.first()).width())));
    } else {
        const QString page = m_dir.filePath(QStringLiteral("large%1/page.json").arg(m_row));
        QVERIFY(writeFile(page, pageWith(items.toUtf8())));
        QVERIFY(kivCreatePageByFileName(&host, page));
        for (KIVQImage* picture : host.findChildren<KIVQImage*>())
            looks << picture->grab().toImage();
    }

    QCOMPARE(looks.size(), files * references);
    for (int i = 0; i < looks.size(); ++i)
        QCOMPARE(hasRed(looks.at(i)), i / references < files - refused);
    QCOMPARE(jsonWarnings, refused);
    // The references of one file share one icon, kept no larger than a ribbon draws it.
    for (int i = 0; i < actions.size(); ++i) {
        const QIcon icon = actions.at(i)->icon();
        QCOMPARE(icon.cacheKey(), actions.at(i - i % references)->icon().cacheKey());
        const QSize kept = icon.availableSizes().value(0);
        QVERIFY2(kept.width() <= 32 && kept.height() <= 32, qPrintable(QStringLiteral("%1").arg(kept.width())));
    }
    QVERIFY2(peakGrowthMb(startKb) < peakMb, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
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

// A command's icon is read as the document loads; a pipe named there would block it for good. A file that
// cannot be read is an icon that draws nothing, each time it is named, and is read once it can be; one
// that changes is read again.
void tst_HostileInput::commandIconRead_data()
{
    QTest::addColumn<bool>("ribbon");      // else a menu document
    QTest::addColumn<QString>("document"); // %1 is the icon
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QRgb>("look");        // as iconLook tells, each of two times the icon is named
    QTest::addColumn<QByteArray>("then");  // written to the icon's file before it is named once more
    QTest::addColumn<QRgb>("lookThen");

    const QString quick = QStringLiteral(R"({"schemaVersion": 1, "quickAccess": [{"id": "cmd", "icon": "%1"}]})");
    const QString cell = QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"items": [
        {"type": "gallery", "items": [{"id": "cmd", "icon": "%1"}]}]}]}]})");
    const QString menu = QStringLiteral(R"({"items": [{"text": "cmd", "icon": "%1"}]})");
    const QRgb red = 0xffff0000;
    const QByteArray none;
    QTest::newRow("ribbon command, PNG pipe") << true << quick << "pipe.png" << QRgb(0) << none << QRgb(0);
    QTest::newRow("ribbon command, SVG pipe") << true << quick << "pipe.svg" << QRgb(0) << none << QRgb(0);
    QTest::newRow("ribbon command, real PNG") << true << quick << "real.png" << red << none << QRgb(0);
    QTest::newRow("ribbon gallery cell, PNG pipe") << true << cell << "pipe.png" << QRgb(0) << none << QRgb(0);
    QTest::newRow("menu item, PNG pipe") << false << menu << "pipe.png" << QRgb(0) << none << QRgb(0);
    QTest::newRow("menu item, real PNG") << false << menu << "real.png" << red << none << QRgb(0);
    const QByteArray blue = ThemeTestSupport::pngBytes(10, 10, Qt::blue), redPng = ThemeTestSupport::pngBytes(8, 8, Qt::red);
    QTest::newRow("menu item, a missing file, then written") << false << menu << "missing.png" << QRgb(1) << redPng << red;
    QTest::newRow("ribbon command, a damaged PNG, then mended")
        << true << quick << "damaged.png" << QRgb(1) << redPng << red;
    QTest::newRow("ribbon command, a PNG changed after it is read") << true << quick << "real.png" << red << blue
                                                                      << QRgb(0xff0000ff);
}

void tst_HostileInput::commandIconRead()
{
    QFETCH(bool, ribbon);
    QFETCH(QString, document);
    QFETCH(QString, icon);
    QFETCH(QRgb, look);
    QFETCH(QByteArray, then);
    QFETCH(QRgb, lookThen);

    QTemporaryDir dir;
    for (const char* pipe : {"pipe.png", "pipe.svg"})
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QLatin1String(pipe))).constData(), 0600), 0);
    QVERIFY(writeFile(dir.filePath(QStringLiteral("real.png")), ThemeTestSupport::pngBytes(8, 8, Qt::red)));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("damaged.png")), QByteArray("\x89PNG\r\n\x1a\n", 8) + "damaged"));
    const QString text = document.arg(dir.filePath(icon));

    QWidget window;
    const auto named = [&] {
        QAction* command = nullptr;
        if (ribbon) {
            auto* bar = new KIVQRibbonBar(&window);
            command = bar->loadConfigJson(text) ? bar->findChild<QAction*>(QStringLiteral("cmd")) : nullptr;
        } else {
            const QString path = dir.filePath(QStringLiteral("menu.json"));
            KIVQMenu* made = writeFile(path, text.toUtf8()) ? kivCreateMenuByFileName(&window, path) : nullptr;
            command = made ? made->actions().value(0) : nullptr;
        }
        return command ? iconLook(command->icon()) : QRgb(2);
    };
    QCOMPARE(named(), look);
    QCOMPARE(named(), look);
    if (then.isNull())
        return;
    QVERIFY(writeFile(dir.filePath(icon), then));
    QCOMPARE(named(), lookThen);
}

// Each ribbon bar's configuration had a budget of its own: a page of 100 bars made a hundred times the cap.
void tst_HostileInput::ribbonBarsSpendThePageBudget()
{
    const QByteArray config =
        R"({"schemaVersion": 1, "application": {"text": "File", "menu": [)" + joined(R"({"id": "m"})", 1000) + "]}}";
    const QString configPath = m_dir.filePath(QStringLiteral("ribbon.json"));
    const QString path = m_dir.filePath(QStringLiteral("bars.json"));
    QVERIFY(writeFile(configPath, config));
    // Bars naming the configuration and bars holding it, in turn.
    const QByteArray bar = R"({"type": "qtribbonbar", "w": 600, "h": 150, "attr": )";
    QVERIFY(writeFile(path, pageWith(joined(bar + R"({"configFile": ")" + configPath.toUtf8() + "\"}}," + bar +
                                                R"({"ribbon": )" + config + "}}",
                                            50))));

    KIVQWindow host;
    resetPeak();
    const qint64 startKb = statusKb("VmHWM");
    QVERIFY(kivCreatePageByFileName(&host, path));
    // The root container, the bars and their menus' entries, up to the cap and no further.
    QCOMPARE(1 + host.findChildren<KIVQRibbonBar*>().size() + host.findChildren<QAction*>(QStringLiteral("m")).size(),
             limits::kMaxPageControls);
    QCOMPARE(jsonWarnings, 1);
    QVERIFY2(peakGrowthMb(startKb) < 400, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
}

// Language documents, read by Qt's parser, are counted the same way before it builds anything.
void tst_HostileInput::languageDocumentPastTheValueCap()
{
    const QString path = m_dir.filePath(QStringLiteral("language.json"));
    QVERIFY(writeFile(path, R"({"defaultLanguage": "en", "languages": {"en": {"a": "b"}}, "x": [)" +
                                joined("[]", 2000000) + "]}"));
    resetPeak();
    const qint64 startKb = statusKb("VmHWM");
    QVERIFY(!LanguageManager::instance()->loadFromFile(path));
    QCOMPARE(jsonWarnings, 1);
    QVERIFY2(peakGrowthMb(startKb) < 64, qPrintable(QStringLiteral("%1 MB").arg(peakGrowthMb(startKb))));
}

// What the count must agree with: the values the parser reads, never fewer (a member named again is read
// again and kept once); a document may hold as many as the cap, and one more is refused.
void tst_HostileInput::valuesCountedOnTheBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("values");
    QTest::addColumn<qint64>("kept"); // the values of the tree built, 0 when the document is refused

    QTest::newRow("scalars, arrays and objects, up to the first NUL byte")
        << QByteArray(R"({"a": [1, "x", true, null, {}], "b": -2.5e3})") + QByteArray("\0[[]]", 5) << 8ll << 8ll;
    QTest::newRow("member names are no values, escaped quotes stay in their string")
        << QByteArray(R"({"k": {"k2": ["a\"b", "c\\", "d\":"]}})") << 6ll << 6ll;
    // A line comment ends at a carriage return too, as the parser ends it.
    QTest::newRow("comments hold no values") << QByteArray("// [[[\n// [\r[1, /* [[], {} ] */ 2]") << 3ll << 3ll;
    QTest::newRow("a lone string is one value") << QByteArray(R"("bed 4" // a note)") << 1ll << 1ll;
    // One member named over and over: read whole, yet the tree stays small.
    const qint64 cap = limits::kMaxJsonValues;
    const QByteArray members = joined(R"("v": 0)", int(cap - 1));
    QTest::newRow("a document of exactly the cap parses") << "{" + members + "}" << cap << 2ll;
    QTest::newRow("one value past the cap is refused") << "{" + members + R"(, "v": 0})" << cap + 1 << 0ll;
}

void tst_HostileInput::valuesCountedOnTheBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, values);
    QFETCH(qint64, kept);
    QCOMPARE(json::countValues(text, limits::kMaxJsonValues), values);
    Json::Value root;
    QCOMPARE(json::parse(text, root), kept > 0);
    QCOMPARE(root.isNull() ? 0 : treeValues(root), kept);
}

// Qt measures, lays out or elides a caption whole on every layout (10 s to load a 10 MB one, 20 s to open a
// menu), and walks a widget's siblings to show, raise or delete it (seconds a resize with 20,000 quick-access
// commands). A caption reaches it as a piece that fills the widest window and is written back whole; a row of
// the ribbon holds at most its cap, the rest left out and reported.
void tst_HostileInput::longCaptionsAndLongRows_data()
{
    QTest::addColumn<QString>("document"); // a ribbon configuration or a menu document; %1 is a 10 MB caption
    QTest::addColumn<RibbonProbe>("held"); // what the ribbon holds of a row past its cap

    const auto ribbon = [](const char* members) {
        return QStringLiteral(R"({"schemaVersion": 1, %1})").arg(QLatin1String(members));
    };
    const RibbonProbe none;
    QTest::newRow("ribbon buttons, large and small, and a tool tip")
        << ribbon(R"("pages": [{"id": "p", "groups": [{"id": "g", "items": [{"id": "a", "text": "%1"},
                     {"id": "b", "size": "small", "text": "%1"}, {"id": "c", "tooltip": "%1"}]}]}])")
        << none;
    QTest::newRow("a quick-access command, a tab and a group title")
        << ribbon(R"("quickAccess": [{"id": "q", "text": "%1"}],
                     "pages": [{"id": "p", "text": "%1", "groups": [{"id": "g", "text": "%1"}]}])")
        << none;
    QTest::newRow("an application menu's item and sub-menu, and a gallery cell")
        << ribbon(R"("application": {"menu": [{"id": "m", "text": "%1"}, {"text": "%1", "items": [{"id": "x"}]}]},
                     "pages": [{"id": "p", "groups": [{"id": "g", "items": [
                         {"type": "gallery", "items": [{"id": "c", "text": "%1"}]}]}]}])")
        << none;
    QTest::newRow("a menu document's item and sub-menu")
        << QStringLiteral(R"({"items": [{"text": "%1"}, {"text": "%1", "items": [{"text": "x"}]}]})") << none;

    const auto row = [](const char* entry) { return QString::fromLatin1(joined(entry, 20000)); };
    const auto page = [](const KIVQRibbonBar& bar) { return bar.pageAt(0); };
    QTest::newRow("20,000 quick-access commands")
        << ribbon(R"("quickAccess": [%1])").arg(row(R"({"id": "q%1"})"))
        << RibbonProbe([](const KIVQRibbonBar& bar) { return int(bar.quickAccessWidgets().size()); });
    QTest::newRow("20,000 top-right controls")
        << ribbon(R"("topRight": [%1])").arg(row(R"({"control": "label", "text": "%1"})"))
        << RibbonProbe([](const KIVQRibbonBar& bar) { return int(bar.topRightWidgets().size()); });
    QTest::newRow("20,000 pages") << ribbon(R"("pages": [%1])").arg(row(R"({"id": "p%1"})"))
                                  << RibbonProbe([](const KIVQRibbonBar& bar) { return bar.pageCount(); });
    QTest::newRow("20,000 groups on a page")
        << ribbon(R"("pages": [{"id": "p", "groups": [%1]}])").arg(row(R"({"id": "g%1"})"))
        << RibbonProbe([page](const KIVQRibbonBar& bar) { return page(bar)->groupCount(); });
    QTest::newRow("a group of 20,000 buttons")
        << ribbon(R"("pages": [{"id": "p", "groups": [{"id": "g", "items": [%1]}]}])").arg(row(R"({"id": "b%1"})"))
        << RibbonProbe([page](const KIVQRibbonBar& bar) { return page(bar)->groupAt(0)->itemCount(); });
}

void tst_HostileInput::longCaptionsAndLongRows()
{
    QFETCH(QString, document);
    QFETCH(RibbonProbe, held);

    const QString caption(10 * 1024 * 1024, QLatin1Char('W'));
    const int captions = document.count(QLatin1String("%1"));
    const bool ribbon = document.contains(QLatin1String("schemaVersion"));
    const QString text = captions ? document.arg(caption) : document;
    const QString path = m_dir.filePath(QStringLiteral("menu%1.json").arg(m_row));
    QVERIFY(ribbon || writeFile(path, text.toUtf8()));

    QElapsedTimer timer;
    timer.start();
    QWidget window;
    window.resize(900, 300);
    auto* bar = new KIVQRibbonBar(&window);
    bar->resize(900, 160);
    QVERIFY(ribbon ? bar->loadConfigJson(text) : kivCreateMenuByFileName(&window, path) != nullptr);
    if (held)
        QCOMPARE(held(*bar), limits::kMaxRibbonRowEntries);
    QCOMPARE(jsonWarnings, held ? 1 : 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const int width : {700, 1100, 900, 1000}) {
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
    // Captions take a fraction of a second in a release build; measured whole, tens of seconds.
    QVERIFY2(held || timer.elapsed() < 5000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

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
