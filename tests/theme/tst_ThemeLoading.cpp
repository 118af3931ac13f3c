#include "TestControl.h"
#include "theme/KIVQResourceManager.h"
#include "theme/KIVQResourceManagerImpl.h"
#include "theme/ThemeDocuments.h"

#include <json/json.h>

#include <QtTest>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

using namespace KIVQtLib;

namespace {

KIVQResourceManager* rm()
{
    return KIVQResourceManager::getInstance();
}

const QByteArray kStyle = R"({"style": [
    {"type": 1, "name": "panel", "drawImg": false, "clr": "ffff0000"},
    {"type": 2, "name": "caption", "clr": "ff00ff00", "size": 14}
]})";

const QByteArray kTheme = R"({"elements": [
    {"child": [
        {"name": "qttestcontrol", "style": [["panel", 1, 0], ["caption", 2, 1]], "attr": {"count": 5}},
        {"name": "qttestcontrol", "attr": {"count": 9}},
        {"name": "other", "attr": {"count": 1}}
    ]},
    {"child": [{"name": "second", "attr": {"count": 2}}]}
]})";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray utf16le(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray png(QColor colour)
{
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A theme directory with a style document, theme entries and one image.
QString makeTheme(const QString& path, const QByteArray& style = kStyle, const QByteArray& theme = kTheme)
{
    if (!style.isNull())
        writeFile(path + QStringLiteral("/style.json"), style);
    if (!theme.isNull())
        writeFile(path + QStringLiteral("/theme.json"), theme);
    writeFile(path + QStringLiteral("/images/mark.png"), png(Qt::red));
    return path;
}

QColor themeFill(const QString& name)
{
    ThemeResScope scope(true);
    FillStyle style;
    return rm()->getFillStyle(name, style) ? style.res.colour : QColor();
}

} // namespace

class tst_ThemeLoading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void loadingTheSameDirectoryTwiceReadsOnce();
    void failedLoadKeepsPreviousTheme_data();
    void failedLoadKeepsPreviousTheme();
    void retryAfterFailedLoadReallyLoads();
    void directoryNamesAndImagesFolder();
    void onlyTheFirstThemeElementIsIndexed();
    void themeUnderCjkPath();
    void skinDirectory();
    void skinFontsFolder();
    void projectDirectory();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    TestControl* m_control = nullptr;
};

void tst_ThemeLoading::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    // A registered window with a control one plain widget down, to see theme changes arrive.
    m_window.reset(new QWidget);
    m_control = new TestControl(new QWidget(m_window.get()));
    QVERIFY(rm()->registerWindow(m_window.get()));
}

void tst_ThemeLoading::cleanup()
{
    rm()->unregisterWindow(m_window.get());
    m_window.reset();
    m_dir.reset();
}

void tst_ThemeLoading::loadingTheSameDirectoryTwiceReadsOnce()
{
    const QString path = makeTheme(m_dir->filePath(QStringLiteral("a")));
    const int before = m_control->d()->themeReads;
    QVERIFY(rm()->loadThemeDir(path));
    QCOMPARE(m_control->d()->themeReads, before + 1);
    QCOMPARE(m_control->d()->count, 5); // the first entry of a name wins
    QCOMPARE(m_control->d()->background.res.colour, QColor(Qt::red));
    QCOMPARE(m_control->d()->caption.size, 14);
    QCOMPARE(rm()->getThemePath(), path);

    writeFile(path + QStringLiteral("/style.json"), QByteArray(kStyle).replace("ffff0000", "ff0000ff"));
    QVERIFY(rm()->loadThemeDir(path));
    QCOMPARE(m_control->d()->themeReads, before + 1);
    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::red));

    // Only theme loads reach the theme store; a new control applies its entry when it is made.
    TestControl late;
    QCOMPARE(late.d()->count, 5);
    QCOMPARE(late.d()->themeReads, 1);
}

void tst_ThemeLoading::failedLoadKeepsPreviousTheme_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QByteArray>("theme");

    const QByteArray none; // null: the file is not written
    QTest::newRow("no style.json") << none << kTheme;
    QTest::newRow("empty style.json") << QByteArray("") << kTheme;
    QTest::newRow("style.json does not parse") << QByteArray(R"({"style": [{"type": 1,)") << kTheme;
    QTest::newRow("style.json without style") << QByteArray(R"({"styles": []})") << kTheme;
    QTest::newRow("style member is an object") << QByteArray(R"({"style": {"type": 1}})") << kTheme;
    QTest::newRow("style.json nested too deep") << QByteArray(20000, '[') << kTheme;
    QTest::newRow("style.json is a NUL") << QByteArray(1, '\0') << kTheme;
    QTest::newRow("theme.json does not parse") << kStyle << QByteArray(R"({"elements": [)");
    QTest::newRow("theme.json is an array") << kStyle << QByteArray(R"([{"child": []}])");
    QTest::newRow("elements is an object") << kStyle << QByteArray(R"({"elements": {"child": []}})");
    QTest::newRow("first element is text") << kStyle << QByteArray(R"({"elements": ["child"]})");
    QTest::newRow("first element without child") << kStyle << QByteArray(R"({"elements": [{"kids": []}]})");
    QTest::newRow("child is an object") << kStyle << QByteArray(R"({"elements": [{"child": {"name": "x"}}]})");
}

void tst_ThemeLoading::failedLoadKeepsPreviousTheme()
{
    QFETCH(QByteArray, style);
    QFETCH(QByteArray, theme);

    const QString good = makeTheme(m_dir->filePath(QStringLiteral("good")));
    QVERIFY(rm()->loadThemeDir(good));
    const int reads = m_control->d()->themeReads;
    const Json::Value* entry = rm()->getThemeJsonValue("qttestcontrol");
    QVERIFY(entry);
    QImage* mark = rm()->getImage(QStringLiteral("images/mark.png"));
    QVERIFY(mark);

    const QString bad = makeTheme(m_dir->filePath(QStringLiteral("bad")), style, theme);
    QVERIFY(!rm()->loadThemeDir(bad));
    QVERIFY(!rm()->loadThemeDir(bad)); // a retry does not pass for a success
    QVERIFY(!rm()->loadThemeDir(m_dir->filePath(QStringLiteral("missing"))));
    QVERIFY(!rm()->loadThemeDir(QString()));

    // The running theme is untouched: same store, same entries, same cached image, no theme change.
    QCOMPARE(rm()->getThemePath(), good);
    QCOMPARE(rm()->getThemeJsonValue("qttestcontrol"), entry);
    QCOMPARE(rm()->getImage(QStringLiteral("images/mark.png")), mark);
    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::red));
    QCOMPARE(m_control->d()->themeReads, reads);
    QVERIFY(rm()->loadThemeDir(good)); // still the current one
    QCOMPARE(m_control->d()->themeReads, reads);
}

void tst_ThemeLoading::retryAfterFailedLoadReallyLoads()
{
    QVERIFY(rm()->loadThemeDir(makeTheme(m_dir->filePath(QStringLiteral("first")))));
    const int reads = m_control->d()->themeReads;

    const QString path = makeTheme(m_dir->filePath(QStringLiteral("second")), QByteArray(R"({"nostyle": 1})"));
    QVERIFY(!rm()->loadThemeDir(path));
    writeFile(path + QStringLiteral("/style.json"), QByteArray(kStyle).replace("ffff0000", "ff0000ff"));
    QVERIFY(rm()->loadThemeDir(path));
    QCOMPARE(rm()->getThemePath(), path);
    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::blue));
    QCOMPARE(m_control->d()->themeReads, reads + 1);
    QCOMPARE(m_control->d()->background.res.colour, QColor(Qt::blue));
}

void tst_ThemeLoading::directoryNamesAndImagesFolder()
{
    const QString path = m_dir->filePath(QStringLiteral("names"));
    writeFile(path + QStringLiteral("/Style.json"), QByteArray(kStyle).replace("ffff0000", "ff0000ff"));
    writeFile(path + QStringLiteral("/style.json"), kStyle); // read after "Style.json": the one applied
    writeFile(path + QStringLiteral("/Logo.PNG"), png(Qt::green));
    writeFile(path + QStringLiteral("/images/Btn.PNG"), png(Qt::blue));
    writeFile(path + QStringLiteral("/images/deeper/x.png"), png(Qt::blue));
    writeFile(path + QStringLiteral("/other/y.png"), png(Qt::blue));
    writeFile(path + QStringLiteral("/tmpTheme.zip"), QByteArray("zip"));
    QVERIFY(rm()->loadThemeDir(path));

    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::red));
    KIVQResourceManagerImpl* theme = rm()->getThemeManagerIml();
    QCOMPARE(theme->styleFiles.size(), 2);
    std::vector<std::string> keys;
    for (const auto& file : theme->files)
        keys.push_back(file.first);
    QCOMPARE(keys, (std::vector<std::string>{"images/btn.png", "logo.png"}));

    ResSourceType source = ResSkin;
    QVERIFY(!rm()->getResourceBytes(QStringLiteral("Images\\BTN.png"), &source).isEmpty());
    QCOMPARE(source, ResTheme);
    QImage* logo = rm()->getImage(QStringLiteral("LOGO.png"));
    QVERIFY(logo);
    QCOMPARE(logo->pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(theme->cachedImage(QStringLiteral("LOGO.png")), logo); // cached where it came from
}

void tst_ThemeLoading::onlyTheFirstThemeElementIsIndexed()
{
    QVERIFY(rm()->loadThemeDir(makeTheme(m_dir->filePath(QStringLiteral("entries")))));
    QVERIFY(rm()->getThemeJsonValue("other"));
    QVERIFY(!rm()->getThemeJsonValue("second"));
    QVERIFY(!rm()->getThemeJsonValue(nullptr));
}

void tst_ThemeLoading::themeUnderCjkPath()
{
    const QString path = m_dir->filePath(QString::fromUtf8(u8"\u75c5\u623f\u4e3b\u9898/\u00e9t\u00e9"));
    makeTheme(path);
    writeFile(path + QString::fromUtf8(u8"/images/\u5e8a\u4f4d.PNG"), png(Qt::blue));
    QVERIFY(rm()->loadThemeDir(path));
    QCOMPARE(rm()->getThemePath(), path);
    QImage* bed = rm()->getImage(QString::fromUtf8(u8"IMAGES/\u5e8a\u4f4d.png"));
    QVERIFY(bed);
    QCOMPARE(bed->pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(m_control->d()->count, 5);
}

void tst_ThemeLoading::skinDirectory()
{
    QVERIFY(!rm()->setSkinDirPath(QString()));

    const QString empty = m_dir->filePath(QStringLiteral("emptyskin"));
    writeFile(empty + QStringLiteral("/style.json"), QByteArray());
    QVERIFY(!rm()->setSkinDirPath(empty));

    const QString skin = m_dir->filePath(QStringLiteral("skin"));
    writeFile(skin + QStringLiteral("/style.json"),
              R"({"style": [{"type": 1, "name": "skinpanel", "clr": "ff010203"}]})");
    writeFile(skin + QStringLiteral("/language.txt"), utf16le(QStringLiteral("Language\ten\r\nok\tOK")));
    writeFile(skin + QStringLiteral("/top.png"), png(Qt::green));
    writeFile(skin + QStringLiteral("/images/inner.png"), png(Qt::blue));
    writeFile(skin + QStringLiteral("/unread.txt"), "x");
    QVERIFY(rm()->setSkinDirPath(skin));
    QCOMPARE(rm()->getSkinDirPath(), skin + QLatin1Char('\\'));
    FillStyle style;
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinpanel"), style));
    QCOMPARE(style.res.colour, QColor(1, 2, 3));
    QCOMPARE(rm()->getString(QStringLiteral("ok")), QStringLiteral("OK"));
    // Only the style document and the language table are read; images come from the folder on demand.
    QVERIFY(rm()->getResourceBytes(QStringLiteral("unread.txt")).isNull());
    QImage* top = rm()->getImage(QStringLiteral("top.png"));
    QVERIFY(top && top->pixelColor(0, 0) == QColor(Qt::green));
    QImage* inner = rm()->getImage(QStringLiteral("inner.png"));
    QVERIFY(inner && inner->pixelColor(0, 0) == QColor(Qt::blue));

    // A broken language table does not fail the skin and keeps the tables already read.
    const QString second = m_dir->filePath(QStringLiteral("skin2"));
    writeFile(second + QStringLiteral("/style.json"), R"({"style": []})");
    writeFile(second + QStringLiteral("/language.txt"),
              utf16le(QStringLiteral("Language\ten\r\nok\tBroken")).chopped(1));
    QVERIFY(rm()->setSkinDirPath(second + QLatin1Char('\\')));
    QCOMPARE(rm()->getSkinDirPath(), second + QLatin1Char('\\'));
    QCOMPARE(rm()->getString(QStringLiteral("ok")), QStringLiteral("OK"));
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinpanel"), style)); // skins add to what is there
}

void tst_ThemeLoading::skinFontsFolder()
{
    const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
    if (!QFile::exists(font))
        QSKIP("no DejaVu font on this machine");
    const QString skin = m_dir->filePath(QStringLiteral("fontskin"));
    writeFile(skin + QStringLiteral("/style.json"), R"({"style": []})");
    QDir().mkpath(skin + QStringLiteral("/fonts"));
    QVERIFY(QFile::copy(font, skin + QStringLiteral("/fonts/mono.ttf")));
    writeFile(skin + QStringLiteral("/fonts/not-a-font.ttf"), "garbage");
    QVERIFY(rm()->setSkinDirPath(skin));
    rm()->initFontRes(true);
    QVERIFY(rm()->getSkinManagerImpl()->fontFamilies.contains(QStringLiteral("DejaVu Sans Mono")));
}

void tst_ThemeLoading::projectDirectory()
{
    const QString name = QString::fromUtf8(u8"\u9762\u677f");
    const QString project = m_dir->filePath(QStringLiteral("project"));
    writeFile(project + QStringLiteral("/style.json"),
              R"({"style": [{"type": 1, "name": "\u9762\u677f", "margin": [1, 2, 3, 4], "round": 3},
                            {"type": 2, "name": "t", "bold": true}]})");
    writeFile(project + QStringLiteral("/theme.json"), kTheme);
    writeFile(project + QStringLiteral("/shared.txt"), "project");
    rm()->getSkinManagerImpl()->insertFile("shared.txt", "skin");
    QVERIFY(rm()->setProjectDirPath(project));
    KIVQResourceManagerImpl* store = rm()->getProjectManagerImpl();
    QVERIFY(store);
    QVERIFY(store->themeDocument);
    QVERIFY(store->themeIndex.empty()); // theme entries come from the theme store only

    ResSourceType source = ResSkin;
    QCOMPARE(rm()->getResourceBytes(QStringLiteral("SHARED.txt"), &source), QByteArray("project"));
    QCOMPARE(source, ResProject);

    // The project's styles come back as a document that reads to the same styles.
    const QString document = rm()->toProjectStyleString();
    QVERIFY(document.contains(QLatin1String("\"style\"")));
    Json::Value root;
    QVERIFY(themedoc::parse(document.toUtf8(), root));
    KIVQResourceManagerImpl reread;
    QVERIFY(rm()->readStyle(&reread, root["style"]));
    QCOMPARE(reread.fillStyles, store->fillStyles);
    QCOMPARE(reread.textStyles, store->textStyles);
    QCOMPARE(reread.fillStyles.first().name, name);

    // A failed project load keeps the project that was there.
    const QString broken = m_dir->filePath(QStringLiteral("broken"));
    writeFile(broken + QStringLiteral("/style.json"), "{");
    QVERIFY(!rm()->setProjectDirPath(broken));
    QVERIFY(!rm()->setProjectDirPath(m_dir->filePath(QStringLiteral("nowhere"))));
    QCOMPARE(rm()->getProjectManagerImpl(), store);
    QCOMPARE(rm()->getResourceBytes(QStringLiteral("shared.txt")), QByteArray("project"));
}

QTEST_MAIN(tst_ThemeLoading)
#include "tst_ThemeLoading.moc"
