#include "TestControl.h"
#include "TestSupport.h"
#include "ThemeTestSupport.h"
#include "core/JsonRead.h"
#include "core/windows/KIVQWindow.h"
#include "theme/KIVQResourceManager.h"
#include "theme/KIVQResourceManagerImpl.h"
#include "theme/ThemeDocuments.h"

#include <json/json.h>

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

using namespace KIVQtLib;
using namespace TestSupport;
using namespace ThemeTestSupport;

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

QByteArray png(const QColor& colour)
{
    return pngBytes(6, 4, colour);
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

// Makes the local header and the directory entry of an item claim another uncompressed size.
void claimSize(QByteArray& zip, const QByteArray& name, quint32 size)
{
    auto put = [&zip](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            zip[at + i] = char((v >> (8 * i)) & 0xff);
    };
    for (int at = 0; (at = zip.indexOf("PK\3\4", at)) >= 0; ++at) {
        if (zip.mid(at + 30, name.size()) == name)
            put(at + 22, size);
    }
    for (int at = 0; (at = zip.indexOf("PK\1\2", at)) >= 0; ++at) {
        if (zip.mid(at + 46, name.size()) == name)
            put(at + 24, size);
    }
}

QVector<Item> themeItems()
{
    return {{"style.json", kStyle}, {"theme.json", kTheme}, {"images/Mark.PNG", png(Qt::red), 0, false}};
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
    void directoryNamesAndImagesFolder();
    void themeUnderCjkPath();
    void skinDirectory();
    void skinFontsFolder();
    void projectDirectory();

    void themeArchive();
    void hostileArchiveKeepsPreviousTheme_data();
    void hostileArchiveKeepsPreviousTheme();
    void itemsThatDoNotUnzipWholeAreSkipped();
    void hostileArchiveNameStaysInside();
    void skinArchiveFontsAndLanguage();

private:
    QTemporaryDir m_scratch; // for archives made by data functions, which run outside init/cleanup
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KIVQWindow> m_window;
    TestControl* m_control = nullptr;
};

void tst_ThemeLoading::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    // A framework window (which registers itself) with a control one plain widget down, to see
    // theme changes arrive.
    m_window.reset(new KIVQWindow);
    m_control = new TestControl(new QWidget(m_window.get()));
}

void tst_ThemeLoading::cleanup()
{
    QWidget* window = m_window.get();
    m_window.reset();
    QVERIFY(!rm()->unregisterWindow(window)); // gone with the window
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
    QVERIFY(rm()->getThemeJsonValue("other"));
    QVERIFY(!rm()->getThemeJsonValue("second")); // only the first element's children are entries
    QVERIFY(!rm()->getThemeJsonValue(nullptr));

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

    // Mended, the folder that failed really loads: its failure left no store to pass for it.
    makeTheme(bad, QByteArray(kStyle).replace("ffff0000", "ff0000ff"), kTheme);
    QVERIFY(rm()->loadThemeDir(bad));
    QCOMPARE(rm()->getThemePath(), bad);
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

    // A second folder, given with its backslash, adds to the styles already read.
    const QString second = m_dir->filePath(QStringLiteral("skin2"));
    writeFile(second + QStringLiteral("/style.json"), R"({"style": []})");
    QVERIFY(rm()->setSkinDirPath(second + QLatin1Char('\\')));
    QCOMPARE(rm()->getSkinDirPath(), second + QLatin1Char('\\'));
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinpanel"), style));
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
    QVERIFY(json::parse(document.toUtf8(), root));
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

void tst_ThemeLoading::themeArchive()
{
    const QString path = m_dir->filePath(QString::fromUtf8(u8"\u4e3b\u9898.zip"));
    makeZip(path, themeItems());
    const int reads = m_control->d()->themeReads;
    QVERIFY(rm()->loadThemeFile(path));
    QCOMPARE(rm()->getThemePath(), path);
    QCOMPARE(m_control->d()->themeReads, reads); // an archive load sends no theme change
    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::red));
    QVERIFY(rm()->getImage(QStringLiteral("images/mark.png")));
    QVERIFY(rm()->themeChange());
    QCOMPARE(m_control->d()->themeReads, reads + 1);
    QCOMPARE(m_control->d()->count, 5);
}

void tst_ThemeLoading::hostileArchiveKeepsPreviousTheme_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<bool>("refused"); // the archive as a whole, so a skin load fails as well
    const QString scratch = m_scratch.filePath(QStringLiteral("scratch.zip"));

    const QByteArray good = makeZip(scratch, themeItems());
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("not a zip") << QByteArray("style.json\n{\"style\": []}\n") << true;
    QTest::newRow("truncated") << good.left(good.size() / 2) << true;
    QTest::newRow("directory cut off") << good.left(good.size() - 30) << true;
    QTest::newRow("bomb item") << makeZip(scratch, themeItems() << Item{"images/bomb.png", {}, 64 * 1024 * 1024 + 1})
                               << true;

    QVector<Item> many = themeItems();
    for (int i = 0; i < 5; ++i)
        many << Item{"images/big" + QByteArray::number(i) + ".png", QByteArray(100, 'x')};
    QByteArray total = makeZip(scratch, many);
    for (int i = 0; i < 5; ++i)
        claimSize(total, "images/big" + QByteArray::number(i) + ".png", 60 * 1024 * 1024);
    QTest::newRow("archive over the total") << total << true;

    QByteArray huge = makeZip(scratch, themeItems());
    claimSize(huge, "images/Mark.PNG", 0xFFFFFFF0u);
    QTest::newRow("item claims 4 GiB") << huge << true;

    QByteArray shortStyle = makeZip(scratch, themeItems());
    claimSize(shortStyle, "style.json", quint32(kStyle.size() - 10));
    QTest::newRow("style.json claims less") << shortStyle << false;
    QByteArray longStyle = makeZip(scratch, themeItems());
    claimSize(longStyle, "style.json", quint32(kStyle.size() + 10));
    QTest::newRow("style.json claims more") << longStyle << false;

    QByteArray corrupt = makeZip(scratch, {{"style.json", kStyle, 0, false}, {"theme.json", kTheme}});
    corrupt[corrupt.indexOf("panel")] = 'P'; // stored data that no longer matches its checksum
    QTest::newRow("style.json fails its checksum") << corrupt << false;

    QTest::newRow("bad theme.json") << makeZip(scratch, {{"style.json", kStyle}, {"theme.json", "{\"elements\": 7}"}})
                                    << false;
    QTest::newRow("no style.json") << makeZip(scratch, {{"theme.json", kTheme}}) << false;
    QTest::newRow("style.json inside a folder")
        << makeZip(scratch, {{"theme/style.json", kStyle}, {"theme.json", kTheme}}) << false;
}

void tst_ThemeLoading::hostileArchiveKeepsPreviousTheme()
{
    QFETCH(QByteArray, zip);
    QFETCH(bool, refused);

    const QString good = makeTheme(m_dir->filePath(QStringLiteral("good")));
    QVERIFY(rm()->loadThemeDir(good));
    const int reads = m_control->d()->themeReads;
    const Json::Value* entry = rm()->getThemeJsonValue("qttestcontrol");
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    const size_t skinFiles = skin->files.size();
    const int skinStyles = skin->styleFiles.size();
    const QString skinPath = rm()->getFileSkinPath();

    const QString path = m_dir->filePath(QStringLiteral("hostile.zip"));
    writeFile(path, zip);
    const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY(!rm()->loadThemeFile(path));
    if (refused) {
        QVERIFY(!rm()->loadSkinFile(path));
        QVERIFY(!rm()->loadSkinFile(zip.constData(), zip.size()));
    }

    QCOMPARE(rm()->getThemePath(), good);
    QCOMPARE(rm()->getThemeJsonValue("qttestcontrol"), entry);
    QCOMPARE(themeFill(QStringLiteral("panel")), QColor(Qt::red));
    QVERIFY(rm()->getImage(QStringLiteral("images/mark.png")));
    QCOMPARE(m_control->d()->themeReads, reads);
    if (refused) {
        QCOMPARE(skin->files.size(), skinFiles);
        QCOMPARE(skin->styleFiles.size(), skinStyles);
        QCOMPARE(rm()->getFileSkinPath(), skinPath);
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

void tst_ThemeLoading::itemsThatDoNotUnzipWholeAreSkipped()
{
    const QString path = m_dir->filePath(QStringLiteral("lying.zip"));
    QVector<Item> items = themeItems();
    items << Item{"images/short.png", png(Qt::blue)} << Item{"images/long.png", png(Qt::blue)}
          << Item{"images/stored.png", png(Qt::blue), 0, false} << Item{"images/empty.png", {}};
    QByteArray zip = makeZip(path, items);
    claimSize(zip, "images/short.png", 10);
    claimSize(zip, "images/long.png", quint32(png(Qt::blue).size() + 1000));
    claimSize(zip, "images/stored.png", quint32(png(Qt::blue).size() - 1));
    writeFile(path, zip);

    for (const char* name : {"short", "long", "stored"})
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("item images/%1.png left out").arg(name)));
    QVERIFY(rm()->loadThemeFile(path));
    KIVQResourceManagerImpl* theme = rm()->getThemeManagerIml();
    QVERIFY(theme->findFile("images/mark.png"));
    QVERIFY(!theme->findFile("images/short.png"));
    QVERIFY(!theme->findFile("images/long.png"));
    QVERIFY(!theme->findFile("images/stored.png"));
    QVERIFY(!theme->findFile("images/empty.png"));
}

void tst_ThemeLoading::hostileArchiveNameStaysInside()
{
    const QString path = m_dir->filePath(QStringLiteral("inner/names.zip"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVector<Item> items = themeItems();
    items << Item{"../../evil.txt", "a"} << Item{"/abs/evil2.txt", "b"} << Item{"C:\\dir\\..\\evil3.txt", "c"}
          << Item{"images/../../../evil4.txt", "d"};
    makeZip(path, items);
    QVERIFY(rm()->loadThemeFile(path));

    std::vector<std::string> keys;
    for (const auto& file : rm()->getThemeManagerIml()->files) {
        QVERIFY2(file.first.find("..") == std::string::npos && file.first.front() != '/', file.first.c_str());
        keys.push_back(file.first);
    }
    QCOMPARE(keys, (std::vector<std::string>{"abs/evil2.txt", "evil.txt", "evil3.txt", "evil4.txt", "images/mark.png",
                                             "theme.json"}));
    QCOMPARE(rm()->getResourceBytes(QStringLiteral("EVIL.txt")), QByteArray("a"));
    // Nothing was written anywhere: the archive's folder holds only the archive.
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"names.zip"}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"inner"}));
}

void tst_ThemeLoading::skinArchiveFontsAndLanguage()
{
    QFile font(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (!font.open(QIODevice::ReadOnly))
        QSKIP("no DejaVu font on this machine");
    const QString path = m_dir->filePath(QStringLiteral("skin.zip"));
    makeZip(path, {{"style.json", R"({"style": [{"type": 2, "name": "skintext", "family": "DejaVu Sans"}]})"},
                   {"fonts/DejaVuSans.ttf", font.readAll()},
                   {"language.txt", utf16le(QStringLiteral("Language\tsv\r\nyes\tJa"))},
                   {"fonts/broken.ttf", "not a font"}});
    QVERIFY(rm()->loadSkinFile(path));
    QCOMPARE(rm()->getFileSkinPath(), path);
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    QVERIFY(skin->fontFamilies.contains(QStringLiteral("DejaVu Sans")));
    const int id = skin->fontFamilies.value(QStringLiteral("DejaVu Sans"));
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("DejaVu Sans")));
    TextStyleDesc text;
    QVERIFY(rm()->getTextStyle(QStringLiteral("skintext"), text));
    QVERIFY(rm()->getLanguageList().contains(QStringLiteral("sv")));

    // The same archive from memory adds nothing new and installs no font twice.
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    const QByteArray bytes = again.readAll();
    QVERIFY(rm()->loadSkinFile(bytes.constData(), bytes.size()));
    QCOMPARE(skin->fontFamilies.value(QStringLiteral("DejaVu Sans")), id);
    QVERIFY(!rm()->loadSkinFile(nullptr, 10));
    QVERIFY(!rm()->loadSkinFile(bytes.constData(), -1));
}

QTEST_MAIN(tst_ThemeLoading)
#include "tst_ThemeLoading.moc"
