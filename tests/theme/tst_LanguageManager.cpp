#include "TestControl.h"
#include "TestSupport.h"
#include "theme/KIVQResourceManager.h"
#include "theme/LanguageManager.h"
#include "theme/ThemeDocuments.h"

#include <QtTest>

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace KIVQtLib;
using namespace TestSupport;

namespace {

LanguageManager* lm()
{
    return LanguageManager::instance();
}

// Collects warnings for the span of one check, so a test can say "exactly one" or "none".
class WarningCollector
{
public:
    WarningCollector()
    {
        s_messages.clear();
        m_previous = qInstallMessageHandler(&WarningCollector::handler);
    }
    ~WarningCollector() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg)
            s_messages << text;
    }
    static QStringList s_messages;
    QtMessageHandler m_previous;
};
QStringList WarningCollector::s_messages;

const QByteArray kBase = R"({"defaultLanguage": "en", "languages": {
    "en": {"ward": "Ward", "bed": "Bed", "empty": ""},
    "zh": {"ward": "\u75c5\u623f"}
}})";

QStringList numbered(const char* prefix, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 3, 10, QLatin1Char('0'));
    return list;
}

QByteArray languageTable(const QStringList& languages, const QStringList& row)
{
    return utf16le(QStringLiteral("Language\t") + languages.join(QLatin1Char('\t')) + QStringLiteral("\r\n") +
                   row.join(QLatin1Char('\t')));
}

QByteArray languageDocument(const QString& defaultId, const QStringList& languages)
{
    QJsonObject tables;
    for (const QString& id : languages)
        tables.insert(id, QJsonObject{{QStringLiteral("k"), id}});
    return QJsonDocument(
               QJsonObject{{QStringLiteral("defaultLanguage"), defaultId}, {QStringLiteral("languages"), tables}})
        .toJson();
}

} // namespace

class tst_LanguageManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void rejectedDocumentKeepsState_data();
    void rejectedDocumentKeepsState();
    void unreadableFile();
    void languagesPastTheCapsAreLeftOut_data();
    void languagesPastTheCapsAreLeftOut();
    void reloadKeepsOrResetsCurrentLanguage();
    void setLanguage();
    void textFallsBackAndWarnsOncePerLanguageAndKey();
    void containsOnlyFallsBackForTheCurrentLanguage();
    void languagesSortedWithoutCase();
    void resourceManagerAsksTheManagerFirst();
};

// The resource manager's language table is used only while the manager has no languages.
void tst_LanguageManager::initTestCase()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QVERIFY(lm()->languages().isEmpty());
    QCOMPARE(lm()->text(QStringLiteral("x"), QStringLiteral("fallback")), QStringLiteral("fallback"));
    QVERIFY(!lm()->contains(QStringLiteral("x")));
    QVERIFY(rm->readLanguage(utf16le(QStringLiteral("Language\tde\ten\r\nward\tStation\tWard\r\nonly\tNur\tOnly"))));
    QCOMPARE(rm->getLanguageList(), QStringList({"de", "en"}));
    QCOMPARE(rm->getCurrentLanguage(), QStringLiteral("de"));
    QCOMPARE(rm->getString(QStringLiteral("ward")), QStringLiteral("Station"));
}

void tst_LanguageManager::init()
{
    QVERIFY(lm()->loadFromJson(kBase));
    QVERIFY(lm()->setLanguage(QStringLiteral("en")));
}

void tst_LanguageManager::rejectedDocumentKeepsState_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty file") << QByteArray() << QStringLiteral("Invalid language JSON: %1");
    QTest::newRow("array root") << QByteArray("[]") << QStringLiteral("Invalid language JSON: %1");
    QTest::newRow("deeply nested") << QByteArray(5000, '[') << QStringLiteral("Invalid language JSON: %1");
    const QString shape = QStringLiteral("Language JSON requires defaultLanguage and a languages object.");
    QTest::newRow("languages array") << QByteArray(R"({"defaultLanguage": "en", "languages": []})") << shape;
    // The shape check comes before the language checks, which come before the default check.
    QTest::newRow("shape before languages") << QByteArray(R"({"languages": {"en": {}}})") << shape;
    QTest::newRow("empty language") << QByteArray(
                                           R"({"defaultLanguage": "xx", "languages": {"de": {"a": "b"}, "en": {}}})")
                                    << QStringLiteral("Language 'en' must contain at least one translation.");
    QTest::newRow("number translation")
        << QByteArray(R"({"defaultLanguage": "xx", "languages": {"en": {"ok": "OK", "count": 3}}})")
        << QStringLiteral("Translation 'count' in language 'en' must be a string.");
    QTest::newRow("missing default") << QByteArray(R"({"defaultLanguage": "fr", "languages": {"en": {"ok": "OK"}}})")
                                     << QStringLiteral("Default language 'fr' does not exist in languages.");
}

void tst_LanguageManager::rejectedDocumentKeepsState()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    if (message.contains(QLatin1String("%1"))) {
        QJsonParseError parseError;
        QJsonDocument::fromJson(json, &parseError);
        message = message.arg(parseError.errorString());
    }

    QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lang.json"));
    QVERIFY(writeFile(path, json));

    QSignalSpy changed(lm(), &LanguageManager::languageChanged);
    QString error;
    QVERIFY(!lm()->loadFromFile(path, &error));
    QCOMPARE(error, message);
    QVERIFY(!lm()->loadFromJson(json)); // no error text asked for
    QCOMPARE(changed.count(), 0);
    QCOMPARE(lm()->languages(), QStringList({"en", "zh"}));
    QCOMPARE(lm()->currentLanguage(), QStringLiteral("zh"));
    QCOMPARE(lm()->defaultLanguage(), QStringLiteral("en"));
    QCOMPARE(lm()->text(QStringLiteral("bed")), QStringLiteral("Bed"));
}

void tst_LanguageManager::unreadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.json"));
    QString error;
    QVERIFY(!lm()->loadFromFile(path, &error));
    QFile probe(path);
    probe.open(QIODevice::ReadOnly);
    QCOMPARE(error, QStringLiteral("Unable to open language file '%1': %2").arg(path, probe.errorString()));
    QVERIFY(!lm()->loadFromFile(path, nullptr));

    // Opened, a device would be read for ever, and a pipe would wait for a writer.
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    const QString pipe = dir.filePath(QStringLiteral("pipe.json"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& refused : {path, pipe}) {
        QVERIFY(!lm()->loadFromFile(refused, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Unable to open language file '%1': ").arg(refused)),
                 qPrintable(error));
    }
    QCOMPARE(lm()->languages(), QStringList({"en", "zh"}));
}

// A header or a document naming millions of languages made a table for each: a gigabyte from 64 MiB.
void tst_LanguageManager::languagesPastTheCapsAreLeftOut_data()
{
    QTest::addColumn<bool>("table"); // a theme's table, else the manager's document
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("row"); // the table's only row as read
    QTest::addColumn<QString>("warning"); // %1 is the file

    const QString pastCap = QStringLiteral("Language %1 %2: languages past the first 256 ignored: %3");
    const QString tooLong = QStringLiteral("Language %1 %2: languages named by more than 64 characters ignored: 1");
    const QString x65(65, QLatin1Char('x')), y64(64, QLatin1Char('y'));
    const QStringList repeated = QVector<QString>(1000, QStringLiteral("en")).toList();
    QTest::newRow("table: past the cap, languages and their cells are left out")
        << true << languageTable(numbered("l", 300), QStringList("k") + numbered("v", 300)) << true
        << numbered("l", 256) << QStringList("k") + numbered("v", 256) << pastCap.arg("table", "%1", "44");
    QTest::newRow("table: a repeated name counts each time")
        << true << languageTable(repeated, QStringList("k") + numbered("v", 1000)) << true
        << QStringList(repeated.mid(0, 256)) << QStringList("k") + numbered("v", 256)
        << pastCap.arg("table", "%1", "744");
    QTest::newRow("table: an identifier past 64 characters is left out with its cells")
        << true << languageTable({"en", x65, y64}, {"k", "E", "X", "Y"}) << true << QStringList({"en", y64})
        << QStringList({"k", "E", "Y"}) << tooLong.arg("table", "%1");
    QTest::newRow("table: nothing left to read refuses the table")
        << true << languageTable({x65}, {"k", "X"}) << false << QStringList() << QStringList()
        << tooLong.arg("table", "%1");
    QTest::newRow("document: past the cap, the default is kept wherever it sorts")
        << false << languageDocument("zz", numbered("l", 300) + QStringList("zz")) << true
        << numbered("l", 255) + QStringList("zz") << QStringList() << pastCap.arg("document", "%1", "45");
    QTest::newRow("document: an identifier past 64 characters is left out")
        << false << languageDocument("en", {"en", x65}) << true << QStringList("en") << QStringList()
        << tooLong.arg("document", "%1");
    QTest::newRow("document: a default past 64 characters refuses the document")
        << false << languageDocument(x65, {"en", x65}) << false << QStringList({"en", "zh"}) << QStringList()
        << tooLong.arg("document", "%1");
}

void tst_LanguageManager::languagesPastTheCapsAreLeftOut()
{
    QFETCH(bool, table);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QFETCH(QStringList, languages);
    QFETCH(QStringList, row);
    QFETCH(QString, warning);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("language.txt"));
    QVERIFY(table || writeFile(path, bytes));
    WarningCollector collected;
    if (table) {
        themedoc::LanguageTable read;
        QCOMPARE(themedoc::parseLanguageTable(bytes, read, path), loads);
        QCOMPARE(read.languages, languages);
        QCOMPARE(read.rows, loads ? QVector<QStringList>{row} : QVector<QStringList>());
    } else {
        QCOMPARE(lm()->loadFromFile(path), loads);
        QCOMPARE(lm()->languages(), languages);
        if (loads)
            QCOMPARE(lm()->text(QStringLiteral("k")), lm()->currentLanguage());
    }
    QCOMPARE(collected.messages(), QStringList(warning.arg(path)));
}

void tst_LanguageManager::reloadKeepsOrResetsCurrentLanguage()
{
    QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
    QSignalSpy changed(lm(), &LanguageManager::languageChanged);
    QString error = QStringLiteral("untouched");

    QVERIFY(
        lm()->loadFromJson(R"({"defaultLanguage": "en", "languages": {"en": {"a": "A"}, "zh": {"a": "B"}}})", &error));
    QCOMPARE(lm()->currentLanguage(), QStringLiteral("zh"));
    QCOMPARE(changed.count(), 1); // announced even though the language stayed
    QCOMPARE(changed.last().first().toString(), QStringLiteral("zh"));
    QCOMPARE(error, QStringLiteral("untouched"));

    QVERIFY(lm()->loadFromJson(R"({"defaultLanguage": "fr", "languages": {"fr": {"a": "C"}, "en": {"a": "A"}}})"));
    QCOMPARE(lm()->currentLanguage(), QStringLiteral("fr"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("fr"));
}

void tst_LanguageManager::setLanguage()
{
    QSignalSpy changed(lm(), &LanguageManager::languageChanged);
    QVERIFY(!lm()->setLanguage(QStringLiteral("fr")));
    QVERIFY(lm()->setLanguage(QStringLiteral("en")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("zh"));
    QCOMPARE(lm()->currentLanguage(), QStringLiteral("zh"));
}

void tst_LanguageManager::textFallsBackAndWarnsOncePerLanguageAndKey()
{
    QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
    {
        WarningCollector warnings;
        QCOMPARE(lm()->text(QStringLiteral("bed")), QStringLiteral("Bed")); // from the default language
        QCOMPARE(lm()->text(QStringLiteral("empty")), QString(""));
        QVERIFY(!lm()->text(QStringLiteral("empty")).isNull());
        QCOMPARE(lm()->text(QStringLiteral("nowhere"), QString("")), QString(""));
        QCOMPARE(lm()->text(QStringLiteral("nowhere"), QStringLiteral("Fallback")), QStringLiteral("Fallback"));
        QCOMPARE(warnings.messages(), QStringList());
    }
    {
        WarningCollector warnings;
        QCOMPARE(lm()->text(QStringLiteral("nowhere")), QStringLiteral("nowhere"));
        QCOMPARE(lm()->text(QStringLiteral("nowhere")), QStringLiteral("nowhere"));
        QCOMPARE(lm()->text(QStringLiteral("other")), QStringLiteral("other"));
        QCOMPARE(warnings.messages(), QStringList({"Missing translation key \"nowhere\" for language \"zh\"",
                                                   "Missing translation key \"other\" for language \"zh\""}));
    }
    {
        // A switch forgets what was warned about.
        WarningCollector warnings;
        QVERIFY(lm()->setLanguage(QStringLiteral("en")));
        QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
        lm()->text(QStringLiteral("nowhere"));
        lm()->text(QStringLiteral("nowhere"));
        QCOMPARE(warnings.messages().size(), 1);
    }
}

void tst_LanguageManager::containsOnlyFallsBackForTheCurrentLanguage()
{
    QVERIFY(lm()->setLanguage(QStringLiteral("zh")));
    QVERIFY(lm()->contains(QStringLiteral("bed")));
    QVERIFY(!lm()->contains(QStringLiteral("bed"), QStringLiteral("zh")));
    QVERIFY(lm()->contains(QStringLiteral("bed"), QStringLiteral("en")));
    QVERIFY(lm()->contains(QStringLiteral("empty"), QStringLiteral("en")));
    QVERIFY(!lm()->contains(QStringLiteral("bed"), QStringLiteral("fr")));
    QVERIFY(!lm()->contains(QStringLiteral("nowhere")));
}

void tst_LanguageManager::languagesSortedWithoutCase()
{
    QVERIFY(lm()->loadFromJson(R"({"defaultLanguage": "b", "languages": {
        "b": {"k": "v"}, "A": {"k": "v"}, "c": {"k": "v"}, "a": {"k": "v"}, "B2": {"k": "v"}}})"));
    QCOMPARE(lm()->languages(), QStringList({"A", "a", "b", "B2", "c"}));
}

void tst_LanguageManager::resourceManagerAsksTheManagerFirst()
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    // The table loaded by the first test is still there; the manager now has languages and wins.
    QCOMPARE(rm->getLanguageList(), QStringList({"en", "zh"}));
    QCOMPARE(rm->getCurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(rm->getString(QStringLiteral("ward")), QStringLiteral("Ward"));
    QCOMPARE(rm->getString(QStringLiteral("only")), QStringLiteral("Nur")); // not in the manager: the table
    QVERIFY(!rm->setCurrentLanguage(QStringLiteral("de")));

    QWidget window;
    auto* control = new TestControl(&window);
    QVERIFY(rm->registerWindow(&window));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("zh")));
    QCOMPARE(control->d()->languageChanges, 1);
    QCOMPARE(rm->getString(QStringLiteral("ward")), QString::fromUtf8(u8"\u75c5\u623f"));
    QCOMPARE(rm->getString(QStringLiteral("bed")), QStringLiteral("Bed"));
    {
        // No key anywhere: empty, and the manager is not asked for it, so nothing is warned.
        WarningCollector warnings;
        QCOMPARE(rm->getString(QStringLiteral("nowhere")), QString());
        QCOMPARE(warnings.messages(), QStringList());
    }
    QVERIFY(lm()->loadFromJson(kBase)); // a reload is announced to the windows as well
    QCOMPARE(control->d()->languageChanges, 2);
    QVERIFY(rm->unregisterWindow(&window));
}

QTEST_MAIN(tst_LanguageManager)
#include "tst_LanguageManager.moc"
