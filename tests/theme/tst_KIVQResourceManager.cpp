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

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <set>

using namespace KIVQtLib;
using namespace TestSupport;
using namespace ThemeTestSupport;

namespace {

KIVQResourceManager* rm()
{
    return KIVQResourceManager::getInstance();
}

// A skin folder holding the given style document and, when not null, language table.
QString writeSkin(const QTemporaryDir& dir, const QByteArray& style, const QByteArray& language = QByteArray())
{
    writeFile(dir.filePath(QStringLiteral("style.json")), style);
    if (!language.isNull())
        writeFile(dir.filePath(QStringLiteral("language.txt")), language);
    return dir.path();
}

const char* kSvg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                   "<rect width='10' height='10' fill='red'/></svg>";

std::set<std::string> memberNames(const Json::Value& object)
{
    const auto names = object.getMemberNames();
    return std::set<std::string>(names.begin(), names.end());
}

// Closes (deletes) another window when told of a language change, as a slot dismissing a dialog would.
class WindowClosingControl : public TestControl
{
public:
    using TestControl::TestControl;
    void notifyChangeLanguage() override
    {
        delete victim;
        TestControl::notifyChangeLanguage();
    }
    QPointer<QWidget> victim;
};

} // namespace

class tst_KIVQResourceManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void fillStyleLookup();
    void styleDocumentRoundTrip();
    void styleDocumentDefaultsAndWriteConditions();
    void styleDocumentMalformedMembers_data();
    void styleDocumentMalformedMembers();
    void styleDocumentParse_data();
    void styleDocumentParse();

    void resourceLookup_data();
    void resourceLookup();
    void builtInImages();
    void imageCache();
    void undecodableImageIsNullNotLeaked();
    void svgRenderer();
    void missingNamesFoundOnceASkinBringsThem();

    void languageTable();
    void malformedLanguageTableKeepsTables_data();
    void malformedLanguageTableKeepsTables();
    void languageSwitchReachesRegisteredWindows();
    void windowDeletedByAnotherWindowsRefreshIsNotWalked();
};

void tst_KIVQResourceManager::initTestCase()
{
    rm()->initDefaultImageRes();
}

void tst_KIVQResourceManager::init()
{
    rm()->releaseRes();
    rm()->setScaleFactor(100.0f);
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(false);
}

void tst_KIVQResourceManager::fillStyleLookup()
{
    FillStyle stored;
    stored.name = QStringLiteral("empty");
    stored.draw = false;
    rm()->setFillStyle(QStringLiteral("empty"), stored);
    stored.name = QStringLiteral("panel");
    rm()->setFillStyle(QStringLiteral("panel"), stored);

    FillStyle out;
    out.res.round = 7;
    QVERIFY(rm()->getFillStyle(QStringLiteral("emptyRect"), out));
    QCOMPARE(out.name, QStringLiteral("emptyRect"));
    QVERIFY(!out.draw);
    QCOMPARE(out.res.round, 7); // only the name and the draw flag change

    QVERIFY(rm()->getFillStyle(QStringLiteral("panel"), out));
    QVERIFY(out.draw); // found styles come back drawn, whatever was stored

    // The theme store does not exist: a theme lookup fails instead of falling back to the skin.
    rm()->setSwitchToThemeRes(true);
    FillStyle untouched;
    untouched.res.round = 3;
    QVERIFY(!rm()->getFillStyle(QStringLiteral("panel"), untouched));
    QCOMPARE(untouched.res.round, 3);
    TextStyleDesc text;
    QVERIFY(!rm()->getTextStyle(QStringLiteral("panel"), text));
}

void tst_KIVQResourceManager::styleDocumentRoundTrip()
{
    const Json::Value doc = parseJson(R"({"style": [
        {"type": 1, "name": "\u9762\u677f", "drawImg": false, "clr": "80102030", "img": "images/Bg.png",
         "border": true, "borderSize": 3, "borderclr": "ff00ff00", "round": 6, "roundTopLeft": false,
         "roundBottomLeft": false, "leftBorder": false, "bottomBorder": false, "repeatLeft": true,
         "repeatCenter": true, "margin": [1, 2, 3, 4]},
        {"type": 1, "name": "plain"},
        {"type": 2, "name": "title", "clr": "ff112233", "hor": 2, "ver": 0, "x": -3, "y": 4, "bold": true,
         "underline": true, "italic": true, "isHor": false, "singleline": false, "size": 17,
         "family": "\u5fae\u8f6f\u96c5\u9ed1"},
        {"type": 2, "name": "body"},
        {"type": 3, "name": "ignored"},
        {"name": "no type"}
    ]})");

    KIVQResourceManagerImpl first;
    QVERIFY(rm()->readStyle(&first, doc["style"]));
    QCOMPARE(first.fillStyles.size(), 2);
    QCOMPARE(first.textStyles.size(), 2);

    Json::Value written;
    QVERIFY(rm()->writeStyle(&first, written));
    QVERIFY(written.isArray());
    QCOMPARE(written.size(), 4u);
    QCOMPARE(written[0]["margin"], parseJson("[1, 2, 3, 4]"));

    // Through text as well, the way a saved document comes back.
    Json::Value root(Json::objectValue);
    root["style"] = written;
    Json::Value reread;
    QVERIFY(json::parse(QByteArray::fromStdString(Json::StyledWriter().write(root)), reread));

    KIVQResourceManagerImpl second;
    QVERIFY(rm()->readStyle(&second, reread["style"]));
    QCOMPARE(second.fillStyles, first.fillStyles);
    QCOMPARE(second.textStyles, first.textStyles);
    QCOMPARE(second.fillStyleIndex, first.fillStyleIndex);
    QCOMPARE(second.fillStyles.at(0).name, QString::fromUtf8("\xe9\x9d\xa2\xe6\x9d\xbf"));
    QCOMPARE(second.textStyles.at(0).family, QString::fromUtf8("\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91"));

    Json::Value none;
    QVERIFY(!rm()->writeStyle(nullptr, none));
    QVERIFY(none.isNull());

    // No project store: the document's list is null.
    Json::Value project;
    QVERIFY(json::parse(rm()->toProjectStyleString().toUtf8(), project));
    QVERIFY(project.isMember("style"));
    QVERIFY(project["style"].isNull());
}

void tst_KIVQResourceManager::styleDocumentDefaultsAndWriteConditions()
{
    const Json::Value doc = parseJson(R"({"style": [
        {"type": 1, "name": "panel"},
        {"type": 1, "name": "empty", "clr": "00ff0000"},
        {"type": 2, "name": "red", "clr": "00ff0000"},
        {"type": 1, "name": "sides", "leftBorder": false, "topBorder": false},
        {"type": 1, "name": "panel", "round": 9},
        {"type": 1, "name": "margins", "margin": [1, 2, 3, 4]}
    ]})");
    KIVQResourceManagerImpl store;
    rm()->readStyle(&store, doc["style"]);

    FillStyle panel;
    QVERIFY(store.findFillStyle(QStringLiteral("panel"), panel));
    QCOMPARE(store.fillStyleIndex.value(QStringLiteral("panel")), 0); // a redefinition keeps its place
    QCOMPARE(panel.res.round, 9);

    FillStyle empty;
    QVERIFY(store.findFillStyle(QStringLiteral("empty"), empty));
    QVERIFY(!empty.draw);
    QCOMPARE(empty.res.colour, QColor(255, 0, 0, 0)); // a fill keeps the alpha
    TextStyleDesc red;
    QVERIFY(store.findTextStyle(QStringLiteral("red"), red));
    QCOMPARE(red.colour, QColor(255, 0, 0, 255)); // a text colour is always opaque
    QCOMPARE(red.family, defaultFontFamily());

    // Margins are stored in another order than written, and scaled as read.
    auto margins = [](const KIVQResourceManagerImpl& from) {
        FillStyle s;
        from.findFillStyle(QStringLiteral("margins"), s);
        const auto& m = s.imageDesc.margins;
        return QList<int>{int(m[0]), int(m[1]), int(m[2]), int(m[3])};
    };
    QCOMPARE(margins(store), (QList<int>{4, 2, 1, 3}));
    rm()->setScaleFactor(0.5f);
    KIVQResourceManagerImpl scaled;
    rm()->readStyle(&scaled, doc["style"]);
    rm()->setScaleFactor(100.0f);
    QCOMPARE(margins(scaled), (QList<int>{2, 1, 0, 1}));

    // Side flags are written only with a border; a minimal text style writes exactly six keys.
    const Json::Value sides = themedoc::writeFillStyle(store.fillStyles.at(store.fillStyleIndex.value("sides")));
    QVERIFY(!sides.isMember("leftBorder") && !sides.isMember("topBorder") && !sides.isMember("border"));
    QVERIFY(!sides.isMember("margin"));
    QCOMPARE(sides["clr"].asString(), std::string("FFFFFFFF"));
    QCOMPARE(sides["drawImg"].asBool(), true);
    const Json::Value text = themedoc::writeTextStyle(red);
    QCOMPARE(memberNames(text), (std::set<std::string>{"type", "name", "clr", "hor", "ver", "family"}));
    QCOMPARE(text["clr"].asString(), std::string("FFFF0000"));
}

void tst_KIVQResourceManager::styleDocumentMalformedMembers_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("fills");
    QTest::addColumn<int>("texts");

    QTest::newRow("string type") << QByteArray(R"({"type": "1", "name": "a"})") << 0 << 0;
    QTest::newRow("object type") << QByteArray(R"({"type": {}, "name": "a"})") << 0 << 0;
    QTest::newRow("huge type") << QByteArray(R"({"type": 1e300, "name": "a"})") << 0 << 0;
    QTest::newRow("element is a number") << QByteArray("5") << 0 << 0;
    QTest::newRow("element is an array") << QByteArray("[1, 2]") << 0 << 0;
    QTest::newRow("short margin") << QByteArray(R"({"type": 1, "name": "a", "margin": [1, 2, 3]})") << 1 << 0;
    QTest::newRow("margin object") << QByteArray(R"({"type": 1, "name": "a", "margin": {"0": 1}})") << 1 << 0;
    QTest::newRow("margin text") << QByteArray(R"({"type": 1, "name": "a", "margin": "1 2 3 4"})") << 1 << 0;
    QTest::newRow("margin strings") << QByteArray(R"({"type": 1, "name": "a", "margin": ["1", 2, 3, 4]})") << 1 << 0;
    QTest::newRow("members of the wrong type")
        << QByteArray(R"({"type": 1, "name": ["a"], "clr": {}, "drawImg": "no", "borderSize": "3", "img": [],
                          "round": 1e40, "border": "yes"})")
        << 1 << 0;
    QTest::newRow("text members of the wrong type")
        << QByteArray(R"({"type": 2, "name": {}, "clr": [], "size": "9", "family": {}, "bold": "x", "hor": []})") << 0
        << 1;
}

void tst_KIVQResourceManager::styleDocumentMalformedMembers()
{
    QFETCH(QByteArray, element);
    QFETCH(int, fills);
    QFETCH(int, texts);

    Json::Value list;
    QVERIFY(json::parse("[" + element + "]", list));
    KIVQResourceManagerImpl store;
    QVERIFY(rm()->readStyle(&store, list));
    QCOMPARE(store.fillStyles.size(), fills);
    QCOMPARE(store.textStyles.size(), texts);
    // Wrong types read as absent, so every field keeps the reader's default.
    if (fills) {
        const FillStyle& s = store.fillStyles.first();
        QCOMPARE(s.imageDesc, ImageDesc());
        QVERIFY(!s.colourFill);
        QCOMPARE(s.res.colour, QColor(255, 255, 255, 255));
        QCOMPARE(s.res.borderSize, 1);
        QCOMPARE(s.res.round, 0);
        QVERIFY(!s.res.border);
    }
    if (texts) {
        const TextStyleDesc& s = store.textStyles.first();
        QCOMPARE(s.size, 12);
        QCOMPARE(s.family, defaultFontFamily());
        QCOMPARE(s.colour, QColor(0, 0, 0));
        QVERIFY(!s.bold);
        QCOMPARE(s.horAlign, 0);
    }
}

void tst_KIVQResourceManager::styleDocumentParse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<bool>("hasList");

    QTest::newRow("valid") << QByteArray(R"({"style": []})") << true << true;
    QTest::newRow("comments") << QByteArray("// theme\n{\"style\": [] /* none */}") << true << true;
    QTest::newRow("text ends at NUL") << QByteArray("{\"style\": []}\0garbage", 21) << true << true;
    QTest::newRow("null root") << QByteArray("null") << true << true;
    QTest::newRow("truncated") << QByteArray(R"({"style": [{"type": 1,)") << false << false;
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("deeply nested") << QByteArray(100000, '[') << false << false;
    QTest::newRow("deep inside style") << "{\"style\": " + QByteArray(5000, '[') + QByteArray(5000, ']') + "}" << false
                                       << false;
    QTest::newRow("no style") << QByteArray(R"({"styles": []})") << true << false;
    QTest::newRow("style is an object") << QByteArray(R"({"style": {"type": 1}})") << true << false;
    QTest::newRow("style is text") << QByteArray(R"({"style": "x"})") << true << false;
    QTest::newRow("root is an array") << QByteArray(R"([{"style": []}])") << true << false;
}

void tst_KIVQResourceManager::styleDocumentParse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, parses);
    QFETCH(bool, hasList);

    Json::Value root;
    QCOMPARE(json::parse(bytes, root), parses);
    const Json::Value* list = nullptr;
    QCOMPARE(parses && themedoc::styleList(root, list), hasList);
    // The same file as a skin's style document: loaded exactly when it has a list.
    QTemporaryDir dir;
    QCOMPARE(rm()->setSkinDirPath(writeSkin(dir, bytes)), hasList);
}

void tst_KIVQResourceManager::resourceLookup_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QByteArray>("found"); // null: not found

    QTest::newRow("case and backslashes folded") << "IMAGES\\Button.PNG" << QByteArray("abc");
    // Stored keys are UTF-8; a lookup must not turn a letter outside ASCII into a Latin-1 byte.
    QTest::newRow("UTF-8 name") << QString::fromUtf8(u8"images/\u00e4rzte-\u75c5\u623f.png") << QByteArray("ward");
    QTest::newRow("UTF-8 name in other case")
        << QString::fromUtf8(u8"Images\\\u00c4RZTE-\u75c5\u623f.PNG") << QByteArray("ward");
    QTest::newRow("empty file") << "Blank.txt" << QByteArray("");
    QTest::newRow("missing") << "images/missing.png" << QByteArray();
}

void tst_KIVQResourceManager::resourceLookup()
{
    QFETCH(QString, asked);
    QFETCH(QByteArray, found);
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    skin->insertFile("images/button.png", QByteArray("abc"));
    skin->insertFile("images/button.png", QByteArray("second")); // the first of a name is kept
    skin->insertFile(u8"images/\u00e4rzte-\u75c5\u623f.png", QByteArray("ward"));
    skin->insertFile("blank.txt", QByteArray(""));

    const char* data = nullptr;
    quint32 size = 0;
    ResSourceType source = ResTheme;
    QCOMPARE(rm()->getResource(asked, data, size, source), !found.isNull());
    QCOMPARE(source, ResSkin);
    if (!found.isNull())
        QCOMPARE(QByteArray(data, int(size)), found);
}

void tst_KIVQResourceManager::builtInImages()
{
    const QRgb grey = qRgba(204, 204, 204, 255);
    auto pixel = [](const char* name, int x, int y) { return rm()->getImage(QString::fromLatin1(name))->pixel(x, y); };

    for (const char* name : {"IDB_UNSELECT", "IDB_SELECTED", "IDB_UNCHECK", "IDB_CHECKED"}) {
        const QImage* image = rm()->getImage(QString::fromLatin1(name));
        QVERIFY2(image, name);
        QCOMPARE(image->size(), QSize(16, 16));
        QCOMPARE(image->format(), QImage::Format_ARGB32);
        QCOMPARE(qAlpha(image->pixel(0, 0)), 0);
    }
    QCOMPARE(pixel("IDB_UNCHECK", 1, 1), grey);
    QCOMPARE(pixel("IDB_UNCHECK", 1, 8), grey);
    QCOMPARE(qAlpha(pixel("IDB_UNCHECK", 8, 8)), 0);
    QCOMPARE(qAlpha(pixel("IDB_UNSELECT", 8, 8)), 0);
    QCOMPARE(pixel("IDB_SELECTED", 8, 8), grey);
    auto inked = [](const char* name) {
        const QImage* image = rm()->getImage(QString::fromLatin1(name));
        int n = 0;
        for (int y = 3; y < 13; ++y)
            for (int x = 3; x < 13; ++x)
                n += qAlpha(image->pixel(x, y)) > 0;
        return n;
    };
    QCOMPARE(inked("IDB_UNCHECK"), 0);
    QVERIFY(inked("IDB_CHECKED") > 5); // the tick
}

void tst_KIVQResourceManager::imageCache()
{
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    skin->insertFile("images/red.png", pngBytes(31, 20, Qt::red));

    QImage* grey = rm()->getImage(QStringLiteral("images/red.png"), true);
    QVERIFY(grey);
    QCOMPARE(skin->cachedImage(QStringLiteral("images/red.png_gray")), grey);
    QVERIFY(!skin->cachedImage(QStringLiteral("images/red.png")));
    const QColor g = grey->pixelColor(5, 5);
    QVERIFY(g.red() == g.green() && g.green() == g.blue());

    QImage* plain = rm()->getImage(QStringLiteral("images/red.png"));
    QVERIFY(plain && plain != grey);
    QCOMPARE(plain->pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(plain->size(), QSize(31, 20));
    QCOMPARE(rm()->getImage(QStringLiteral("images/red.png")), plain);

    // A file found by its path lands in the skin store; a release keeps only the built-in images.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blue.png"));
    QVERIFY(writeFile(path, pngBytes(4, 3, Qt::blue)));
    QImage* fromFile = rm()->getImage(path);
    QVERIFY(fromFile && fromFile->size() == QSize(4, 3));
    QCOMPARE(skin->cachedImage(path), fromFile);
    rm()->releaseRes();
    QVERIFY(!skin->cachedImage(path));
    for (const char* name : {"IDB_UNSELECT", "IDB_SELECTED", "IDB_UNCHECK", "IDB_CHECKED"})
        QVERIFY(skin->cachedImage(QString::fromLatin1(name)));
    QVERIFY(rm()->getImage(path)); // decoded again on demand

    rm()->setScaleFactor(0.5f);
    QImage* half = rm()->getImage(QStringLiteral("images/red.png"));
    QVERIFY(half);
    QCOMPARE(half->size(), QSize(15, 10));
    // Scaled to nothing: no image rather than an empty one, until the factor changes.
    rm()->setScaleFactor(0.01f);
    QVERIFY(!rm()->getImage(QStringLiteral("images/red.png"), true));
    rm()->setScaleFactor(0.5f);
    QVERIFY(rm()->getImage(QStringLiteral("images/red.png"), true));
}

void tst_KIVQResourceManager::undecodableImageIsNullNotLeaked()
{
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    skin->insertFile("images/broken.png", QByteArray("\x89PNG\r\n\x1a\nnot really", 18));
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.png")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    const size_t cached = skin->imageCache.size();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!rm()->getImage(QStringLiteral("images/broken.png")));
        QVERIFY(!rm()->getImage(QStringLiteral("images/broken.png"), true));
        QVERIFY(!rm()->getImage(empty.fileName()));
        QVERIFY(!rm()->getImage(QStringLiteral("no/such/image.png")));
    }
    QCOMPARE(skin->imageCache.size(), cached);
}

void tst_KIVQResourceManager::svgRenderer()
{
    KIVQResourceManagerImpl* skin = rm()->getSkinManagerImpl();
    skin->insertFile("icons/ok.svg", QByteArray(kSvg));
    skin->insertFile("icons/bad.svg", QByteArray("<svg><rect"));

    QSvgRenderer* ok = rm()->getSvgRenderer(QStringLiteral("icons/ok.svg"));
    QVERIFY(ok && ok->isValid());
    QCOMPARE(rm()->getSvgRenderer(QStringLiteral("icons/ok.svg")), ok);
    QCOMPARE(ok->defaultSize(), QSize(10, 10));

    QVERIFY(!rm()->getSvgRenderer(QStringLiteral("icons/bad.svg")));
    QVERIFY(!rm()->getSvgRenderer(QStringLiteral("icons/none.svg")));
    QVERIFY(!skin->cachedSvg(QStringLiteral("icons/bad.svg")));
}

void tst_KIVQResourceManager::missingNamesFoundOnceASkinBringsThem()
{
    // Asked for (and not found) by a paint before the skin that holds them arrives.
    QVERIFY(!rm()->getImage(QStringLiteral("images/late.png")));
    QVERIFY(!rm()->getImage(QStringLiteral("images/late.png"), true));
    QVERIFY(!rm()->getSvgRenderer(QStringLiteral("late.svg")));

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("images/late.png")), pngBytes(3, 2, Qt::green));
    writeFile(dir.filePath(QStringLiteral("late.svg")), kSvg);
    QVERIFY(rm()->setSkinDirPath(writeSkin(dir, R"({"style": []})")));
    QImage* late = rm()->getImage(QStringLiteral("images/late.png"));
    QVERIFY(late && late->size() == QSize(3, 2));
    QVERIFY(rm()->getImage(QStringLiteral("images/late.png"), true));
    QVERIFY(rm()->getSvgRenderer(QStringLiteral("late.svg")));
}

void tst_KIVQResourceManager::languageTable()
{
    const QString zh = QString::fromUtf8(u8"\u75c5\u623f");
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\ten\tzh\r\n"
                                                      "ward\tWard\t") +
                                       zh +
                                       QStringLiteral("\r\n"
                                                      "short\tOnly English\r\n"
                                                      "\r\n"
                                                      "tab\tA\tB\tC\r\n"))));
    QCOMPARE(rm()->getLanguageList(), QStringList({"en", "zh"}));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("en")); // the first column becomes current
    QCOMPARE(rm()->getString(QStringLiteral("ward")), QStringLiteral("Ward"));
    QCOMPARE(rm()->getString(QStringLiteral("missing")), QString());

    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("zh")));
    QCOMPARE(rm()->getString(QStringLiteral("ward")), zh);
    QCOMPARE(rm()->getString(QStringLiteral("short")), QString()); // a short row fills only its cells
    QCOMPARE(rm()->getString(QStringLiteral("tab")), QStringLiteral("B"));
    QVERIFY(!rm()->setCurrentLanguage(QStringLiteral("fr")));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("zh"));

    // A second table replaces a language it names as a whole, keeps the others and the current one,
    // even where its first column is another language.
    QByteArray second = utf16le(QStringLiteral("Language\tfr\tzh\r\nnew\tY\tX"));
    second.prepend("\xff\xfe"); // a byte-order mark is tolerated
    QVERIFY(rm()->readLanguage(second));
    QCOMPARE(rm()->getLanguageList(), QStringList({"en", "fr", "zh"}));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("zh"));
    QCOMPARE(rm()->getString(QStringLiteral("ward")), QString());
    QCOMPARE(rm()->getString(QStringLiteral("new")), QStringLiteral("X"));
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("en")));
    QCOMPARE(rm()->getString(QStringLiteral("ward")), QStringLiteral("Ward"));
}

void tst_KIVQResourceManager::malformedLanguageTableKeepsTables_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = utf16le(QStringLiteral("Language\ten\r\nward\tBroken"));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("odd byte count") << good.left(good.size() - 1);
    QTest::newRow("cut surrogate pair") << good + utf16le(QString::fromUtf8(u8"\U0001F600")).left(2);
    QTest::newRow("lone low surrogate") << utf16le(QStringLiteral("Language\ten\r\n")) + QByteArray("\x00\xdc", 2);
    QTest::newRow("header only") << utf16le(QStringLiteral("Language\ten"));
    QTest::newRow("header in other case") << utf16le(QStringLiteral("language\ten\r\nward\tBroken"));
    QTest::newRow("no language column") << utf16le(QStringLiteral("Language\r\nward\tBroken"));
    QTest::newRow("UTF-8 file") << QByteArray("Language\ten\r\nward\tBroken\r\n");
    QTest::newRow("big-endian file") << QByteArray("\0L\0a\0n\0g\0u\0a\0g\0e\0\t\0e\0n\0\r\0\n", 26);
}

void tst_KIVQResourceManager::malformedLanguageTableKeepsTables()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\ten\r\nward\tWard"))));
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("en")));
    const QStringList before = rm()->getLanguageList();

    QVERIFY(!rm()->readLanguage(bytes));
    // Read from a skin folder: the skin still loads, the table is left alone.
    QTemporaryDir dir;
    QVERIFY(rm()->setSkinDirPath(writeSkin(dir, R"({"style": []})", bytes)));

    QCOMPARE(rm()->getLanguageList(), before);
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(rm()->getString(QStringLiteral("ward")), QStringLiteral("Ward"));
}

void tst_KIVQResourceManager::languageSwitchReachesRegisteredWindows()
{
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\ten\tde\r\nok\tOK\tJa"))));
    QWidget window;
    QWidget plain(&window);
    auto* inner = new TestControl(&plain);
    QWidget designer;
    auto* designed = new TestControl(&designer);
    QVERIFY(!rm()->registerWindow(nullptr));
    QVERIFY(rm()->registerWindow(&window));
    QVERIFY(rm()->registerWindow(&window)); // twice is once
    QVERIFY(rm()->registerDesignerWindow(&designer));

    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("de")));
    QCOMPARE(inner->d()->languageChanges, 1);
    QCOMPARE(designed->d()->languageChanges, 0);             // designer windows are left out
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("de"))); // already current: still announced
    QCOMPARE(inner->d()->languageChanges, 2);

    QVERIFY(rm()->unregisterWindow(&window));
    QVERIFY(!rm()->unregisterWindow(&window));
    QVERIFY(!rm()->unregisterWindow(nullptr));
    QVERIFY(rm()->unregisterDesignerWindow(&designer));
    QVERIFY(!rm()->unregisterDesignerWindow(&designer));
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("en")));
    QCOMPARE(inner->d()->languageChanges, 2);
}

void tst_KIVQResourceManager::windowDeletedByAnotherWindowsRefreshIsNotWalked()
{
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\ten\tde\r\nok\tOK\tJa"))));
    QPointer<KIVQWindow> first = new KIVQWindow;
    QPointer<KIVQWindow> second = new KIVQWindow;
    auto* inFirst = new WindowClosingControl(first);
    auto* inSecond = new WindowClosingControl(second);
    inFirst->victim = second;
    inSecond->victim = first;

    // Whichever window is walked first deletes the other, which must then be passed over.
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("de")));
    QCOMPARE(int(first.isNull()) + int(second.isNull()), 1);
    QVERIFY(rm()->themeChange());
    delete first;
    delete second;
}

QTEST_MAIN(tst_KIVQResourceManager)
#include "tst_KIVQResourceManager.moc"
