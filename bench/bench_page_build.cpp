// Building and laying out a page of 1,000 controls from a page document, untouched and under a small
// theme, against building the same widget tree from a Qt Designer form with QUiLoader and letting Qt's
// layouts place it.
#include "GeneratedPage.h"

#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#ifdef CAREVIX_HAVE_UITOOLS
#include <QBuffer>
#include <QUiLoader>
#endif

using namespace KIVQtLib;

namespace {

using GeneratedPage::kControls;
using GeneratedPage::kLeaves;
using GeneratedPage::kRows;
constexpr int kRuns = 20;

#ifdef CAREVIX_HAVE_UITOOLS
// The same tree as a Designer form: rows of labels, buttons and spacers in box layouts.
QByteArray designerForm()
{
    QByteArray ui = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Page</class><widget class="QWidget" name="root">
<layout class="QVBoxLayout" name="rootLayout"><property name="spacing"><number>2</number></property>)";
    for (int r = 0; r < kRows; ++r) {
        const QByteArray row = QByteArray::number(r);
        ui += R"(<item><widget class="QWidget" name="row)" + row + R"("><layout class="QHBoxLayout" name="rowLayout)" +
              row + R"("><property name="spacing"><number>4</number></property>)";
        for (int i = 0; i < kLeaves; ++i) {
            const QByteArray n = QByteArray::number(r * kLeaves + i);
            switch (i % 6) {
            case 5:
                ui += R"(<item><spacer name="s)" + n +
                      R"("><property name="orientation"><enum>Qt::Horizontal</enum></property></spacer></item>)";
                break;
            case 1:
            case 3:
                ui += R"(<item><widget class="QPushButton" name="b)" + n +
                      R"("><property name="minimumSize"><size><width>34</width><height>24</height></size></property>)"
                      R"(<property name="text"><string>Go )" +
                      n + R"(</string></property></widget></item>)";
                break;
            default:
                ui += R"(<item><widget class="QLabel" name="l)" + n + R"("><property name="text"><string>Item )" + n +
                      R"(</string></property></widget></item>)";
                break;
            }
        }
        ui += "</layout></widget></item>";
    }
    ui += "</layout></widget></ui>";
    return ui;
}
#endif

} // namespace

// QT_QPA_PLATFORM=offscreen bench_page_build                       times, median of 20 rounds
// CAREVIX_BENCH_ROUNDS=3 valgrind --tool=callgrind --toggle-collect='*Round*' bench_page_build pageFromJson
//                                                                   instructions of 3 rounds, no QBENCHMARK loop
class bench_page_build : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        init();
        QVERIFY(m_dir.isValid());
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("bench_page.json")), GeneratedPage::document()));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("theme/style.json")), GeneratedPage::themeStyles()));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("theme/theme.json")), GeneratedPage::themeEntries()));
        m_rounds = qEnvironmentVariableIntValue("CAREVIX_BENCH_ROUNDS");
        m_host.resize(1400, 900);
        m_host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_host));
    }

    void cleanupTestCase()
    {
        if (m_rounds > 0)
            return;
        qInfo("Per control, median of %d rounds of %d controls:", kRuns, kControls);
        qInfo("  page document          %.1f us", m_pageUs);
        qInfo("  page document, themed  %.1f us", m_themedUs);
#ifdef CAREVIX_HAVE_UITOOLS
        qInfo("  Designer form          %.1f us", m_formUs);
        qInfo("  ratio page / form: untouched %.2f, themed %.2f", m_pageUs / m_formUs, m_themedUs / m_formUs);
#endif
    }

    void pageFromJson() { measurePage(m_pageUs); }

    void formFromDesigner()
    {
#ifdef CAREVIX_HAVE_UITOOLS
        m_form = designerForm();
        {
            QWidget* root = buildForm();
            QVERIFY(root);
            QCOMPARE(root->findChildren<QWidget*>().size(), kRows + kRows * (kLeaves - kLeaves / 6));
            delete root;
        }
        measure(m_formUs, [this] { formRound(); });
#else
        QSKIP("Built without Qt5UiTools");
#endif
    }

    // The same page with a small theme loaded, whose entries every control applies when it is made.
    void pageFromJsonThemed()
    {
        QVERIFY(kivLoadThemeDir(m_dir.filePath(QStringLiteral("theme")).toUtf8().constData()));
        measurePage(m_themedUs);
    }

private:
    void measurePage(double& us)
    {
        {
            KIVQContainer* root = buildPage();
            QVERIFY(root);
            QCOMPARE(root->findChildren<QWidget*>().size(), kControls - 1);
            // Laid out: the rows fill the window, the last one down to its bottom edge.
            QCOMPARE(root->geometry(), QRect(0, 0, 1400, 900));
            QCOMPARE(root->findChild<QWidget*>(QStringLiteral("row26"))->geometry().bottom(), 899);
            QCOMPARE(root->findChild<QWidget*>(QStringLiteral("row26"))->width(), 1400);
            delete root;
        }
        measure(us, [this] { pageRound(); });
    }

    template <class Round> void measure(double& us, Round round)
    {
        if (m_rounds > 0) {
            for (int i = 0; i < m_rounds; ++i)
                round();
            return;
        }
        QBENCHMARK
        {
            round();
        }
        QVector<qint64> times;
        QElapsedTimer timer;
        for (int i = 0; i < kRuns; ++i) {
            timer.start();
            round();
            times << timer.nsecsElapsed();
        }
        std::sort(times.begin(), times.end());
        us = double(times[kRuns / 2]) / 1000.0 / kControls;
    }

    // Builds, shows and lays out; the deferred layouts after added children are part of the cost.
    KIVQContainer* buildPage()
    {
        KIVQContainer* root = kivCreatePageByFileName(&m_host, m_dir.filePath(QStringLiteral("bench_page")));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return root;
    }
    Q_NEVER_INLINE void pageRound() { delete buildPage(); }

#ifdef CAREVIX_HAVE_UITOOLS
    QWidget* buildForm()
    {
        QBuffer buffer;
        buffer.setData(m_form);
        buffer.open(QIODevice::ReadOnly);
        QWidget* root = m_loader.load(&buffer, &m_host);
        root->setGeometry(0, 0, 1400, 900);
        root->show();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return root;
    }
    Q_NEVER_INLINE void formRound() { delete buildForm(); }
    QUiLoader m_loader;
    QByteArray m_form;
#endif

    static bool writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QTemporaryDir m_dir;
    QWidget m_host;
    int m_rounds = 0;
    double m_pageUs = 0;
    double m_themedUs = 0;
    double m_formUs = 0;
};

QTEST_MAIN(bench_page_build)
#include "bench_page_build.moc"
