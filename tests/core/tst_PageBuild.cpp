#include "GeneratedPage.h"
#include "TestSupport.h"

#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"
#include "core/layout/KIVQContainerImpl.h"
#include "theme/KIVQResourceManager.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace KIVQtLib;

namespace {

// One line per direct child of a container: what a user of the page sees of it.
QByteArray describe(QWidget* w)
{
    const QRect g = w->geometry();
    QByteArray line = w->objectName().toUtf8() + ' ' + QByteArray::number(g.x()) + ',' + QByteArray::number(g.y()) +
                      ',' + QByteArray::number(g.width()) + ',' + QByteArray::number(g.height());
    line += w->isVisible() ? " shown" : " hidden";
    line += w->isEnabled() ? "" : " disabled";
    const QVariant text = w->property("text");
    if (text.isValid())
        line += " [" + text.toString().toUtf8() + ']';
    line += ' ' + w->font().toString().toUtf8() + '\n';
    return line;
}

// Container name to the description of it and its children, in child order.
QMap<QString, QByteArray> snapshot(KIVQContainer* root)
{
    QMap<QString, QByteArray> out;
    QList<KIVQContainer*> containers = root->findChildren<KIVQContainer*>();
    containers.prepend(root);
    for (KIVQContainer* c : containers) {
        QByteArray text = describe(c);
        for (QWidget* child : c->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            text += describe(child);
        out.insert(c->objectName(), text);
    }
    return out;
}

QByteArray digest(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(16);
}

} // namespace

// What a page build produces (geometry, visibility, texts, fonts) is pinned against values recorded from
// the loader before it built pages hidden and laid each container out once; and it lays each out once.
class tst_PageBuild : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pageLooksAsRecorded_data();
    void pageLooksAsRecorded();
    void oneLayoutPassPerContainer_data();
    void oneLayoutPassPerContainer();

private:
    KIVQContainer* build();

    QTemporaryDir m_dir;
    QWidget m_host;
    QMap<QString, QByteArray> m_seen[2];
    QMap<QString, int> m_passes[2];
};

KIVQContainer* tst_PageBuild::build()
{
    KIVQContainer* root = kivCreatePageByFileName(&m_host, m_dir.filePath(QStringLiteral("page")));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return root;
}

// Both builds happen here: the theme cannot be unloaded, so the untouched page goes first.
void tst_PageBuild::initTestCase()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    init();
    QVERIFY(m_dir.isValid());
    QVERIFY(TestSupport::writeFile(m_dir.filePath(QStringLiteral("page.json")), GeneratedPage::document(true)));
    TextStyleDesc note;
    note.name = QStringLiteral("pageNote");
    note.size = 8;
    note.italic = true;
    note.family = QStringLiteral("DejaVu Sans");
    kivSetTextStyle(note.name, note);
    m_host.resize(1400, 900);
    m_host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_host));

    for (int themed = 0; themed < 2; ++themed) {
        if (themed) {
            const QString themeDir = m_dir.filePath(QStringLiteral("theme"));
            QVERIFY(TestSupport::writeFile(themeDir + QStringLiteral("/style.json"), GeneratedPage::themeStyles()));
            QVERIFY(TestSupport::writeFile(themeDir + QStringLiteral("/theme.json"), GeneratedPage::themeEntries()));
            QVERIFY(kivLoadThemeDir(themeDir.toUtf8().constData()));
        }
        KIVQContainer* root = build();
        QVERIFY(root);
        QCOMPARE(root->findChildren<QWidget*>().size(), GeneratedPage::kControls - 1);
        m_seen[themed] = snapshot(root);
        QList<KIVQContainer*> containers = root->findChildren<KIVQContainer*>();
        containers.prepend(root);
        for (KIVQContainer* c : containers)
            m_passes[themed].insert(c->objectName(), c->impl()->layoutPasses);
        if (qEnvironmentVariableIsSet("CAREVIX_RECORD_PAGE")) {
            for (auto it = m_seen[themed].cbegin(); it != m_seen[themed].cend(); ++it)
                std::printf("    QTest::newRow(\"%s %s\") << %d << QStringLiteral(\"%s\") << QByteArray(\"%s\");\n",
                            themed ? "themed" : "untouched", qPrintable(it.key()), themed, qPrintable(it.key()),
                            digest(it.value()).constData());
        }
        delete root;
    }
}

void tst_PageBuild::pageLooksAsRecorded_data()
{
    QTest::addColumn<int>("themed");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QByteArray>("expected");
#include "tst_PageBuild_expected.inc"
}

void tst_PageBuild::pageLooksAsRecorded()
{
    QFETCH(int, themed);
    QFETCH(QString, container);
    QFETCH(QByteArray, expected);
    const QByteArray seen = m_seen[themed].value(container);
    if (digest(seen) != expected)
        qWarning("%s", seen.constData());
    QCOMPARE(digest(seen), expected);
}

void tst_PageBuild::oneLayoutPassPerContainer_data()
{
    QTest::addColumn<int>("themed");
    QTest::newRow("untouched") << 0;
    QTest::newRow("themed") << 1;
}

void tst_PageBuild::oneLayoutPassPerContainer()
{
    QFETCH(int, themed);
    const QMap<QString, int>& passes = m_passes[themed];
    QCOMPARE(passes.size(), 1 + GeneratedPage::kRows);
    for (auto it = passes.cbegin(); it != passes.cend(); ++it) {
        if (it.value() != 1)
            QFAIL(qPrintable(QStringLiteral("%1 laid out %2 times").arg(it.key()).arg(it.value())));
    }
}

QTEST_MAIN(tst_PageBuild)
#include "tst_PageBuild.moc"
