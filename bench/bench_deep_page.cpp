// Repainting the costliest page the caps allow: as many controls as a page may hold, nearly all of them at
// the deepest level a page may nest, beside the same controls side by side. Qt's paint walks climb from each
// control to its window, so the depth cap bounds the first against the second (a release build repainted
// them in about 0.15 s and 0.1 s).
#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "core/windows/KIVQWindow.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace KIVQtLib;

namespace {

// Containers nested levels deep; the innermost holds the labels that bring the page to the control cap.
QByteArray stackedPage(int levels)
{
    QByteArray page = R"({"elements": [)";
    for (int level = 0; level < levels; ++level)
        page += R"({"type": "qtcontainer", "w": 1000, "h": 600, "child": [)";
    for (int i = levels; i < limits::kMaxPageControls; ++i)
        page += QByteArray(i > levels ? "," : "") +
                R"({"type": "qtlabel", "w": 1000, "h": 600, "attr": {"text": "Bed 12"}})";
    return page + QByteArray("]}").repeated(levels) + "]}";
}

} // namespace

class bench_deep_page : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        KIVQtLib::init();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        QVERIFY(m_dir.isValid());
    }

    void repaint_data()
    {
        QTest::addColumn<int>("levels");
        QTest::newRow("side by side") << 1;
        QTest::newRow("at the depth cap") << limits::kMaxPageDepth - 1;
    }

    void repaint()
    {
        QFETCH(int, levels);
        const QString path = m_dir.filePath(QStringLiteral("deep%1.json").arg(levels));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stackedPage(levels)) > 0);
        file.close();
        KIVQWindow window;
        window.resize(1280, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(kivCreatePageByFileName(&window, path));
        QBENCHMARK
        {
            window.repaint();
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(bench_deep_page)
#include "bench_deep_page.moc"
