#include "TestSupport.h"

#include "core/layout/KIVQContainer.h"
#include "core/KIVQtLib.h"
#include "core/designer/KIVQWindowDesigner.h"
#include "theme/KIVQResourceManager.h"

#include <minizip/zip.h>

#include <QtTest>

using namespace KIVQtLib;
using TestSupport::writeFile;

namespace {

KIVQResourceManager* rm()
{
    return KIVQResourceManager::getInstance();
}

// Counts the resize events that reach its own handler.
class Parent : public QWidget
{
public:
    int resizes = 0;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        ++resizes;
        QWidget::resizeEvent(event);
    }
};

const QByteArray kStyle = R"({"style": []})";

// A theme whose designer window entry names the theme at next.
QByteArray entriesNaming(const QString& next)
{
    return R"({"elements": [{"child": [{"name": "qtwindow", "attr": {"theme": ")" + next.toUtf8() + R"("}}]}]})";
}

bool makeArchive(const QString& path)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    zip_fileinfo info{};
    zipOpenNewFileInZip64(zip, "style.json", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_BEST_SPEED, 0);
    zipWriteInFileInZip(zip, kStyle.constData(), unsigned(kStyle.size()));
    zipCloseFileInZip(zip);
    return zipClose(zip, nullptr) == ZIP_OK;
}

QString themeWritten(KIVQWindowDesigner& window)
{
    const Json::Value e = TestSupport::writeControl(&window);
    return QString::fromStdString(e["attr"]["theme"].asString());
}

} // namespace

// The root of a window under design: it covers its parent and carries the theme the window uses.
class tst_KIVQWindowDesigner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void noThemeWrittenWithoutATheme();
    void coversItsParent();
    void themePathPicksTheLoader_data();
    void themePathPicksTheLoader();
    void themeNamingThemesEnds_data();
    void themeNamingThemesEnds();

private:
    QTemporaryDir m_dir;
};

void tst_KIVQWindowDesigner::initTestCase()
{
    QVERIFY(m_dir.isValid());
    KIVQtLib::init();
}

void tst_KIVQWindowDesigner::noThemeWrittenWithoutATheme()
{
    // Runs before any theme is loaded: the store cannot be dropped again.
    QVERIFY(!rm()->getThemeManagerIml());
    QWidget parent;
    KIVQWindowDesigner window(&parent);
    Json::Value stale = TestSupport::parseJson(R"({"attr": {"theme": "/gone/theme", "keep": 1}})");
    window.readJsonValue(&stale);
    const Json::Value e = TestSupport::writeControl(&window);
    QCOMPARE(e["type"].asString(), std::string("qtwindow"));
    QVERIFY(!e["attr"].isMember("theme"));
    QCOMPARE(e["attr"]["keep"].asInt(), 1);
}

void tst_KIVQWindowDesigner::coversItsParent()
{
    Parent parent;
    parent.resize(300, 200);
    auto* window = new KIVQWindowDesigner(&parent);
    auto* root = new KIVQContainer(window);
    root->setProperty("visibility", true);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(window->geometry(), QRect(0, 0, 300, 200));
    QVERIFY(rm()->unregisterDesignerWindow(window) && rm()->registerDesignerWindow(window));

    const int resizes = parent.resizes;
    parent.resize(800, 600);
    QCOMPARE(window->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(root->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(parent.resizes, resizes);

    window->move(10, 10);
    QCOMPARE(window->pos(), QPoint(0, 0));
    delete window;
    QVERIFY(!rm()->unregisterDesignerWindow(window));
}

void tst_KIVQWindowDesigner::themePathPicksTheLoader_data()
{
    QTest::addColumn<QString>("name"); // under the test folder; empty: "theme" is empty
    QTest::addColumn<bool>("archive"); // an archive rather than a folder is made there
    QTest::addColumn<bool>("loads");
    QTest::newRow("archive named .data") << "skin.data" << true << true;
    QTest::newRow("folder") << "folder" << false << true;
    QTest::newRow("folder named .data is read as an archive") << "dir.data/theme" << false << false;
    QTest::newRow("archive without .data is read as a folder") << "skin.zip" << true << false;
    QTest::newRow("empty loads nothing") << "" << false << false;
}

void tst_KIVQWindowDesigner::themePathPicksTheLoader()
{
    QFETCH(QString, name);
    QFETCH(bool, archive);
    QFETCH(bool, loads);
    const QString path = name.isEmpty() ? QString() : m_dir.filePath(name);
    if (archive)
        QVERIFY(makeArchive(path));
    else if (!path.isEmpty())
        QVERIFY(writeFile(path + "/style.json", kStyle));
    const QString before = rm()->getThemePath();

    QWidget parent;
    KIVQWindowDesigner window(&parent);
    Json::Value e(Json::objectValue);
    e["attr"]["theme"] = path.toStdString();
    window.readJsonValue(&e);
    QCOMPARE(rm()->getThemePath(), loads ? path : before);
    if (loads)
        QCOMPARE(themeWritten(window), path);
}

void tst_KIVQWindowDesigner::themeNamingThemesEnds_data()
{
    QTest::addColumn<QStringList>("names"); // each theme names the next, the last the first
    QTest::newRow("itself, spelt another way") << QStringList{"self", "self/"};
    QTest::newRow("two naming each other") << QStringList{"ping", "pong"};
}

void tst_KIVQWindowDesigner::themeNamingThemesEnds()
{
    QFETCH(QStringList, names);
    for (int i = 0; i < names.size(); ++i) {
        const QString next = m_dir.filePath(names[(i + 1) % names.size()]);
        const QString dir = m_dir.filePath(names[i]);
        if (!QFile::exists(dir + "/style.json"))
            QVERIFY(writeFile(dir + "/style.json", kStyle) && writeFile(dir + "/theme.json", entriesNaming(next)));
    }
    // The designer window inside a registered window gets its entry on every theme change.
    QWidget host;
    KIVQWindowDesigner window(&host);
    QVERIFY(rm()->registerWindow(&host));
    const bool loaded = kivLoadThemeDir(m_dir.filePath(names[0]).toUtf8().constData());
    rm()->unregisterWindow(&host);
    QVERIFY(loaded);
    QCOMPARE(rm()->getThemePath(), m_dir.filePath(names[0]));
}

QTEST_MAIN(tst_KIVQWindowDesigner)
#include "tst_KIVQWindowDesigner.moc"
