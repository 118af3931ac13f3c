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
#include <ctime>

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

// QT_QPA_PLATFORM=offscreen bench_page_build                       CPU time, median of 20 rounds each
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
#ifdef CAREVIX_HAVE_UITOOLS
        m_form = designerForm();
#endif
    }

    void cleanupTestCase()
    {
        if (m_rounds > 0)
            return;
        qInfo("Per control, median of %d rounds of %d controls, each timed beside a round of the form:", kRuns,
              kControls);
        qInfo("  page document          %.1f us (form %.1f us): ratio %.2f", m_page.us, m_page.formUs, m_page.ratio());
        qInfo("  page document, themed  %.1f us (form %.1f us): ratio %.2f", m_themed.us, m_themed.formUs,
              m_themed.ratio());
    }

    void formFromDesigner()
    {
#ifdef CAREVIX_HAVE_UITOOLS
        {
            QWidget* root = buildForm();
            QVERIFY(root);
            QCOMPARE(root->findChildren<QWidget*>().size(), kRows + kRows * (kLeaves - kLeaves / 6));
            delete root;
        }
        if (m_rounds > 0) {
            for (int i = 0; i < m_rounds; ++i)
                formRound();
            return;
        }
        QBENCHMARK
        {
            formRound();
        }
#else
        QSKIP("Built without Qt5UiTools");
#endif
    }

    void pageFromJson()
    {
        measurePage(m_page);
    }

    // The same page with a small theme loaded, whose entries every control applies when it is made.
    void pageFromJsonThemed()
    {
        QVERIFY(kivLoadThemeDir(m_dir.filePath(QStringLiteral("theme")).toUtf8().constData()));
        measurePage(m_themed);
    }

private:
    struct Timing
    {
        double us = 0;
        double formUs = 0;
        double ratio() const { return formUs > 0 ? us / formUs : 0; }
    };

    void measurePage(Timing& timing)
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
        if (m_rounds > 0) {
            for (int i = 0; i < m_rounds; ++i)
                pageRound();
            return;
        }
        QBENCHMARK
        {
            pageRound();
        }
        // Page and form rounds alternate, so that a machine busy with other work slows both alike; the
        // time is the building thread's CPU time, which does not count the waits of a crowded machine.
        QVector<qint64> page;
        QVector<qint64> form;
        for (int i = 0; i < kRuns; ++i) {
            page << cpuTime([this] { pageRound(); });
#ifdef CAREVIX_HAVE_UITOOLS
            form << cpuTime([this] { formRound(); });
#endif
        }
        timing.us = medianMicrosPerControl(page);
        timing.formUs = medianMicrosPerControl(form);
    }

    template <class Round> static qint64 cpuTime(Round round)
    {
        timespec start{};
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        round();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        return (qint64(end.tv_sec) - start.tv_sec) * 1000000000 + (end.tv_nsec - start.tv_nsec);
    }

    static double medianMicrosPerControl(QVector<qint64> times)
    {
        if (times.isEmpty())
            return 0;
        std::sort(times.begin(), times.end());
        return double(times[times.size() / 2]) / 1000.0 / kControls;
    }

    // Builds, shows and lays out; the deferred layouts after added children are part of the cost.
    KIVQContainer* buildPage()
    {
        KIVQContainer* root = kivCreatePageByFileName(&m_host, m_dir.filePath(QStringLiteral("bench_page")));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return root;
    }
    Q_NEVER_INLINE void pageRound()
    {
        delete buildPage();
    }

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
    Q_NEVER_INLINE void formRound()
    {
        delete buildForm();
    }
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
    Timing m_page;
    Timing m_themed;
};

QTEST_MAIN(bench_page_build)
#include "bench_page_build.moc"
