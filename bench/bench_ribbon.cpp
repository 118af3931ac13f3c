// The ribbon at the most a configuration may hold, and with captions of megabytes: a resize lays out and
// paints the bar, opening a menu lays out and paints its items.
#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "ribbon/KIVQRibbonBar.h"
#include "views/KIVQMenu.h"

#include <QtTest>

using namespace KIVQtLib;

namespace {

QString entries(const char* pattern, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromLatin1(pattern).arg(i);
    return list.join(QLatin1Char(','));
}

} // namespace

class bench_ribbon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { KIVQtLib::init(); }

    // Every row full: quick-access commands, top-right controls and pages, and a page of groups of buttons
    // up to the document's control cap.
    void resizeFullestRibbon()
    {
        const int row = limits::kMaxRibbonRowEntries;
        QStringList groups;
        for (int g = 0; g < 16; ++g)
            groups << QStringLiteral(R"({"id": "g%1", "items": [%2]})")
                          .arg(g)
                          .arg(entries(R"({"id": "b%1", "size": "small"})", row));
        const QString config =
            QStringLiteral(R"({"schemaVersion": 1, "quickAccess": [%1], "topRight": [%2], "pages": [%3, %4]})")
                .arg(entries(R"({"id": "q%1"})", row), entries(R"({"control": "label", "text": "%1"})", row),
                     QStringLiteral(R"({"id": "first", "groups": [%1]})").arg(groups.join(QLatin1Char(','))),
                     entries(R"({"id": "p%1"})", row - 1));
        resizeRibbon(config);
    }

    void resizeLongCaptions()
    {
        const QString caption(10 * 1024 * 1024, QLatin1Char('W'));
        resizeRibbon(QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "text": "%1", "groups": [
                                        {"id": "g", "text": "%1", "items": [{"id": "b", "text": "%1"}]}]}]})")
                         .arg(caption));
    }

    void openMenuWithLongItem()
    {
        QWidget window;
        auto* menu = new KIVQMenu(&window);
        menu->addIconAction(QString(), QString(10 * 1024 * 1024, QLatin1Char('W')));
        menu->addIconAction(QString(), QStringLiteral("Discharge"));
        QBENCHMARK
        {
            menu->popup(QPoint(0, 0));
            menu->repaint();
            menu->hide();
        }
    }

private:
    static void resizeRibbon(const QString& config)
    {
        QWidget window;
        window.resize(1200, 300);
        auto* bar = new KIVQRibbonBar(&window);
        bar->resize(1200, 160);
        QVERIFY(bar->loadConfigJson(config));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int step = 0;
        QBENCHMARK
        {
            bar->resize(1000 + 50 * (++step % 5), 160);
            bar->repaint();
        }
    }
};

QTEST_MAIN(bench_ribbon)
#include "bench_ribbon.moc"
