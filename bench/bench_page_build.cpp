// Building and laying out a page of 1,000 controls from a page document, against building the same
// widget tree from a Qt Designer form with QUiLoader and letting Qt's layouts place it.
#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#ifdef CAREVIX_HAVE_UITOOLS
#include <QBuffer>
#include <QUiLoader>
#endif

using namespace KIVQtLib;

namespace {

// 1 root + 27 rows + 27 x 36 leaves = 1,000 controls. Leaves cycle label, button, label, button,
// label, spacer.
constexpr int kRows = 27;
constexpr int kLeaves = 36;
constexpr int kControls = 1 + kRows + kRows * kLeaves;
constexpr int kRuns = 20;

QByteArray pageDocument()
{
    QByteArray page = R"({"w": 1400, "h": 900, "elements": [{"type": "qtcontainer", "name": "root",
        "attr": {"childLayout": 1, "space": 2}, "child": [)";
    for (int r = 0; r < kRows; ++r) {
        page += (r ? ",\n" : "\n");
        page +=
            R"({"type": "qtcontainer", "name": "row)" + QByteArray::number(r) +
            R"(", "layout": {"type": 0, "ratio": 1}, "widthPolicy": 0, "attr": {"childLayout": 0, "space": 4}, "child": [)";
        for (int i = 0; i < kLeaves; ++i) {
            const QByteArray n = QByteArray::number(r * kLeaves + i);
            page += i ? "," : "";
            switch (i % 6) {
            case 5:
                page += R"({"type": "qtspacer", "name": "s)" + n + R"(", "layout": {"type": 0, "ratio": 1}})";
                break;
            case 1:
            case 3:
                page += R"({"type": "qtbutton", "name": "b)" + n + R"(", "w": 34, "h": 24, "widthPolicy": 1,
                          "attr": {"text": "Go )" +
                        n + R"("}})";
                break;
            default:
                page += R"({"type": "qtlabel", "name": "l)" + n + R"(", "w": 30, "h": 20,
                          "attr": {"text": "Item )" +
                        n + R"("}})";
                break;
            }
        }
        page += "]}";
    }
    page += "]}]}";
    return page;
}

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

class bench_page_build : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        init();
        QVERIFY(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("bench_page.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pageDocument());
        file.close();
        m_host.resize(1400, 900);
        m_host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_host));
    }

    void cleanupTestCase()
    {
        qInfo("Per control, mean of %d runs of %d controls: page document %.1f us", kRuns, kControls, m_pageUs);
#ifdef CAREVIX_HAVE_UITOOLS
        qInfo("Per control, mean of %d runs of %d controls: Designer form %.1f us", kRuns, kControls, m_formUs);
#endif
    }

    void pageFromJson()
    {
        const QString path = m_dir.filePath(QStringLiteral("bench_page"));
        {
            KIVQContainer* root = buildPage(path);
            QVERIFY(root);
            QCOMPARE(root->findChildren<QWidget*>().size(), kControls - 1);
            // Laid out: the rows fill the window, the last one down to its bottom edge.
            QCOMPARE(root->geometry(), QRect(0, 0, 1400, 900));
            QCOMPARE(root->findChild<QWidget*>(QStringLiteral("row26"))->geometry().bottom(), 899);
            QCOMPARE(root->findChild<QWidget*>(QStringLiteral("row26"))->width(), 1400);
            delete root;
        }
        QBENCHMARK
        {
            delete buildPage(path);
        }
        m_pageUs = meanMicrosPerControl([this, path] { delete buildPage(path); });
    }

    void formFromDesigner()
    {
#ifdef CAREVIX_HAVE_UITOOLS
        const QByteArray form = designerForm();
        {
            QWidget* root = buildForm(form);
            QVERIFY(root);
            QCOMPARE(root->findChildren<QWidget*>().size(), kRows + kRows * (kLeaves - kLeaves / 6));
            delete root;
        }
        QBENCHMARK
        {
            delete buildForm(form);
        }
        m_formUs = meanMicrosPerControl([this, &form] { delete buildForm(form); });
#else
        QSKIP("Built without Qt5UiTools");
#endif
    }

private:
    // Builds, shows and lays out; the deferred layouts after added children are part of the cost.
    KIVQContainer* buildPage(const QString& path)
    {
        KIVQContainer* root = kivCreatePageByFileName(&m_host, path);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return root;
    }

#ifdef CAREVIX_HAVE_UITOOLS
    QWidget* buildForm(const QByteArray& form)
    {
        QBuffer buffer;
        buffer.setData(form);
        buffer.open(QIODevice::ReadOnly);
        QWidget* root = m_loader.load(&buffer, &m_host);
        root->setGeometry(0, 0, 1400, 900);
        root->show();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return root;
    }
    QUiLoader m_loader;
#endif

    template <class Build> double meanMicrosPerControl(Build build)
    {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kRuns; ++i)
            build();
        return double(timer.nsecsElapsed()) / 1000.0 / kRuns / kControls;
    }

    QTemporaryDir m_dir;
    QWidget m_host;
    double m_pageUs = 0;
    double m_formUs = 0;
};

QTEST_MAIN(bench_page_build)
#include "bench_page_build.moc"
