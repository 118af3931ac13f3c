// The designer canvas with a page at the control cap: opening it up to the first paint, and a repaint
// as the canvas does on every scroll, selection and drag, against a 16.7 ms frame.
#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "core/designer/KIVQCanvas.h"
#include "core/designer/KIVQCanvasWindow.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;

namespace {

constexpr int kRows = 199;
constexpr int kLeaves = 99; // 1 + 199 + 199 * 99 = 19,901 controls
constexpr int kLabels = 19900;
constexpr int kDepth = 30;
constexpr double kFrameMs = 1000.0 / 60;

QByteArray num(int n)
{
    return QByteArray::number(n);
}

// Rows of labels and buttons placed absolutely. spread: a grid of 4,158 by 6,567 of which the canvas
// shows a corner; otherwise every control lies in view, overlapping its neighbours.
QByteArray rowsPage(bool spread)
{
    const int cellW = spread ? 42 : 14;
    const int rowH = spread ? 33 : 4;
    const int pageW = spread ? kLeaves * cellW : 1400;
    const int pageH = spread ? kRows * rowH : 900;
    QByteArray page = "{\"w\": " + num(pageW) + ", \"h\": " + num(pageH) +
                      R"(, "elements": [{"type": "qtcontainer", "name": "root", "x": 0, "y": 0, "w": )" + num(pageW) +
                      ", \"h\": " + num(pageH) + R"(, "child": [)";
    for (int r = 0; r < kRows; ++r) {
        const int y = spread ? r * rowH : (r * rowH) % (pageH - 40);
        page += (r ? ",\n" : "\n");
        page += R"({"type": "qtcontainer", "name": "row)" + num(r) + R"(", "x": 0, "y": )" + num(y) + R"(, "w": )" +
                num(pageW) + R"(, "h": 40, "child": [)";
        for (int i = 0; i < kLeaves; ++i) {
            const QByteArray n = num(r * kLeaves + i);
            const int x = spread ? i * cellW : (i * cellW) % (pageW - 40);
            page += i ? "," : "";
            page += (i % 2 ? R"({"type": "qtbutton", "name": "b)" : R"({"type": "qtlabel", "name": "l)") + n +
                    R"(", "x": )" + num(x) + R"(, "y": 4, "w": 40, "h": 24, "attr": {"text": "Item )" + n + "\"}}";
        }
        page += "]}";
    }
    return page + "]}]}";
}

// Every label under one container, in view.
QByteArray flatPage()
{
    QByteArray page = R"({"w": 1400, "h": 900, "elements": [{"type": "qtcontainer", "w": 1400, "h": 900, "child": [)";
    for (int i = 0; i < kLabels; ++i)
        page += QByteArray(i ? "," : "") + R"({"type": "qtlabel", "name": "l)" + num(i) + R"(", "x": )" +
                num(i % 1300) + R"(, "y": )" + num(i % 850) + R"(, "w": 80, "h": 20, "attr": {"text": "Flat"}})";
    return page + "]}]}";
}

// Containers nested kDepth deep, each a little smaller than its parent and holding its share of the
// labels, stacked.
QByteArray nestedPage()
{
    const int perLevel = kLabels / kDepth;
    QByteArray page = R"({"w": 1400, "h": 900, "elements": [)";
    for (int d = 0; d < kDepth; ++d) {
        page += R"({"type": "qtcontainer", "name": "c)" + num(d) + R"(", "x": 1, "y": 1, "w": )" + num(1400 - 2 * d) +
                R"(, "h": )" + num(900 - d) + R"(, "child": [)";
        for (int i = 0; i < perLevel; ++i)
            page += R"({"type": "qtlabel", "name": "l)" + num(d * perLevel + i) +
                    R"(", "x": 4, "y": 4, "w": 300, "h": 20, "attr": {"text": "Stacked"}},)";
    }
    page += R"({"type": "qtlabel"})";
    for (int d = 0; d < kDepth; ++d)
        page += "]}";
    return page + "]}";
}

} // namespace

// QT_QPA_PLATFORM=offscreen bench_canvas
class bench_canvas : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void firstPaint_data() { pages(); }
    void firstPaint();
    void repaint_data() { pages(); }
    void repaint();
    void repaintWhileDragging_data() { pages(); }
    void repaintWhileDragging();
    void repaintWhileScrolling_data() { pages(); }
    void repaintWhileScrolling();

private:
    void pages();
    // A shown canvas of 1400 by 900 with its scroll bars, the page of the row open and painted once.
    void openCanvas();
    void report(const char* what, const QElapsedTimer& timer, int rounds);

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_host;
    KIVQCanvas* m_canvas = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
};

void bench_canvas::initTestCase()
{
    QVERIFY(m_dir.isValid());
    init();
    const QList<QPair<const char*, QByteArray>> pages = {{"spread.json", rowsPage(true)},
                                                         {"inview.json", rowsPage(false)},
                                                         {"flat.json", flatPage()},
                                                         {"nested.json", nestedPage()}};
    for (const auto& page : pages) {
        QFile file(m_dir.filePath(QLatin1String(page.first)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(page.second) == page.second.size());
    }
}

void bench_canvas::pages()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("rows larger than the view") << m_dir.filePath("spread.json");
    QTest::newRow("rows in view") << m_dir.filePath("inview.json");
    QTest::newRow("labels under one parent") << m_dir.filePath("flat.json");
    QTest::newRow("nested 30 deep") << m_dir.filePath("nested.json");
}

void bench_canvas::openCanvas()
{
    QFETCH(QString, page);
    m_host = std::make_unique<QWidget>();
    m_host->resize(1420, 920);
    m_canvas = new KIVQCanvas(m_host.get());
    m_canvas->setGeometry(0, 0, 1400, 900);
    m_horizontal = new QScrollBar(Qt::Horizontal, m_host.get());
    m_horizontal->setGeometry(0, 900, 1400, 20);
    m_vertical = new QScrollBar(Qt::Vertical, m_host.get());
    m_vertical->setGeometry(1400, 0, 20, 900);
    m_canvas->SetScrollbar(m_horizontal, true);
    m_canvas->SetScrollbar(m_vertical, false);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    QVERIFY(m_canvas->OpenJsonFile(page));
    // As the event loop would before it paints: the new controls' polish requests.
    QCoreApplication::processEvents();
    m_canvas->repaint();
}

void bench_canvas::report(const char* what, const QElapsedTimer& timer, int rounds)
{
    const double ms = double(timer.nsecsElapsed()) / 1e6 / rounds;
    qInfo("%s: %.1f ms, %.2f frames of %.1f ms", what, ms, ms / kFrameMs, kFrameMs);
}

void bench_canvas::firstPaint()
{
    QFETCH(QString, page);
    m_host.reset();
    QElapsedTimer timer;
    QBENCHMARK_ONCE
    {
        timer.start();
        openCanvas();
    }
    report("open and first paint", timer, 1);
    QVERIFY(m_canvas->GetCurWindow()->findChildren<QWidget*>().size() >= limits::kMaxPageControls - 1000);
}

void bench_canvas::repaint()
{
    openCanvas();
    QElapsedTimer timer;
    int rounds = 0;
    timer.start();
    QBENCHMARK
    {
        m_canvas->repaint();
        ++rounds;
    }
    report("repaint", timer, rounds);
    m_host.reset();
}

void bench_canvas::repaintWhileDragging()
{
    openCanvas();
    // Whatever a click there picks, as a user would select it.
    KIVQCanvasWindow* page = m_canvas->GetCurWindow();
    const QPoint pick = QPoint(310, 215) - page->pos();
    QWidget* selected = page->HitTestWithChildren(page, pick.x(), pick.y());
    QVERIFY(selected);
    m_canvas->AddSelectedControl(selected);
    QElapsedTimer timer;
    int rounds = 0;
    timer.start();
    QBENCHMARK
    {
        // Back and forth, so that the control stays where it was.
        const QPoint from = selected->mapTo(m_canvas, QPoint(20, 12));
        const QPoint to = from + (rounds % 2 ? QPoint(-3, -1) : QPoint(3, 1));
        QMouseEvent press(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_canvas, &press);
        QApplication::sendEvent(m_canvas, &move);
        m_canvas->repaint();
        QApplication::sendEvent(m_canvas, &release);
        ++rounds;
    }
    report("drag step and repaint", timer, rounds);
    m_host.reset();
}

void bench_canvas::repaintWhileScrolling()
{
    openCanvas();
    QElapsedTimer timer;
    int rounds = 0;
    timer.start();
    QBENCHMARK
    {
        m_vertical->setValue((rounds * 37) % (m_vertical->maximum() + 1));
        m_canvas->repaint();
        ++rounds;
    }
    report("scroll step and repaint", timer, rounds);
    m_host.reset();
}

QTEST_MAIN(bench_canvas)
#include "bench_canvas.moc"
