#include "TestSupport.h"

#include "core/KIVQtLib.h"
#include "ribbon/KIVQRibbonBar.h"
#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonContextGroup.h"
#include "ribbon/KIVQRibbonGallery.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonMenu.h"
#include "ribbon/KIVQRibbonPage.h"

#include <QAction>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

using namespace KIVQtLib;

namespace {

int tabWidth(const KIVQRibbonButton* tab)
{
    return qBound(68, QFontMetrics(tab->font()).horizontalAdvance(tab->text()) + 28, 150);
}

} // namespace

class tst_KIVQRibbonBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void rows_data();
    void rows();
    void topRowPlacement_data();
    void topRowPlacement();
    void tabLayout_data();
    void tabLayout();
    void pageInsertion();
    void contextGroups();
    void tabClicksMinimiseAndOpenPopup();
    void loadIntoHiddenMinimisedBarOpensNoPopup();
    void commandsReachOneSignal();
    void tabDeletedInsideItsClick_data();
    void tabDeletedInsideItsClick();
    void deletedByTheirOwner_data();
    void deletedByTheirOwner();
};

void tst_KIVQRibbonBar::initTestCase()
{
    init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void tst_KIVQRibbonBar::rows_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QSize>("hint");
    QTest::addColumn<QRect>("tabRow");
    QTest::addColumn<int>("pageTop");
    QTest::addColumn<int>("groupRows");

    const QSize office(720, 157);
    const QRect tabs(0, 30, 720, 31);
    QTest::newRow("office: top row, tabs, page") << QByteArray("{}") << office << tabs << 61 << 3;
    QTest::newRow("minimised: the head only")
        << QByteArray(R"({"minimized": true})") << QSize(720, 61) << tabs << -1 << 3;
    QTest::newRow("compact: one row") << QByteArray(R"({"layoutMode": "COMPACT"})") << QSize(720, 127)
                                      << QRect(0, 0, 720, 31) << 31 << 2;
    QTest::newRow("a row below 24 is laid out as 24")
        << QByteArray(R"({"topRowHeight": 10})") << QSize(720, 151) << QRect(0, 24, 720, 31) << 55 << 3;
    QTest::newRow("a short page keeps 64 in the hint")
        << QByteArray(R"({"pageHeight": 5})") << QSize(720, 125) << tabs << 61 << 3;
    QTest::newRow("huge heights are bounded before they are summed")
        << QByteArray(R"({"tabRowHeight": 2147483647, "pageHeight": 1e12, "topRowHeight": -9})")
        << QSize(720, 24 + 16777215 + 96) << QRect(0, 24, 720, 16777215) << -1 << 3;
    QTest::newRow("7 group rows are 3") << QByteArray(R"({"groupRows": 7})") << office << tabs << 61 << 3;
    QTest::newRow("1 group row is 2") << QByteArray(R"({"groupRows": 1})") << office << tabs << 61 << 2;
    QTest::newRow("group rows given as text") << QByteArray(R"({"groupRows": "2"})") << office << tabs << 61 << 3;
}

void tst_KIVQRibbonBar::rows()
{
    QFETCH(QByteArray, attr);
    QFETCH(QSize, hint);
    QFETCH(QRect, tabRow);
    QFETCH(int, pageTop);
    QFETCH(int, groupRows);

    KIVQRibbonBar bar;
    Json::Value element = TestSupport::parseJson("{\"attr\": " + attr + "}");
    QVERIFY(bar.readJsonValue(&element));
    QCOMPARE(bar.sizeHint(), hint);
    bar.resize(720, qMin(hint.height(), 4000));
    QCOMPARE(bar.tabRow()->geometry(), tabRow);
    QCOMPARE(bar.topRow()->isVisibleTo(&bar), bar.layoutMode() == KIV_RIBBON_LAYOUT_OFFICE);
    QCOMPARE(bar.pageArea()->isVisibleTo(&bar), !bar.isMinimized());
    if (pageTop >= 0)
        QCOMPARE(bar.pageArea()->y(), pageTop);
    // Whatever was read, a load (also into a bar of its mode) and a change of mode give the mode's own count.
    QCOMPARE(bar.groupRows(), groupRows);
    QVERIFY(bar.loadConfigJson(QStringLiteral(R"({"schemaVersion": 1, "layoutMode": "office"})")));
    QCOMPARE(bar.groupRows(), 3);
    bar.setLayoutMode(KIV_RIBBON_LAYOUT_COMPACT);
    QCOMPARE(bar.groupRows(), 2);
}

void tst_KIVQRibbonBar::topRowPlacement_data()
{
    QTest::addColumn<bool>("compact");
    QTest::newRow("office: on the top row") << false;
    QTest::newRow("compact: on the tab row, tabs after them") << true;
}

void tst_KIVQRibbonBar::topRowPlacement()
{
    QFETCH(bool, compact);
    KIVQRibbonBar bar;
    bar.resize(900, 157);
    bar.setLayoutMode(compact ? KIV_RIBBON_LAYOUT_COMPACT : KIV_RIBBON_LAYOUT_OFFICE);
    bar.setApplicationMenu(QStringLiteral("File"), new KIVQRibbonMenu);
    QAction save(QStringLiteral("Save"));
    QAction undo(QStringLiteral("Undo"));
    KIVQRibbonButton* q1 = bar.addQuickAction(&save);
    KIVQRibbonButton* q2 = bar.addQuickAction(&undo);
    auto* narrow = new QWidget;
    narrow->setMinimumSize(10, 10);
    auto* wide = new QPushButton(QString(80, QLatin1Char('W')));
    bar.addTopRightWidget(narrow);
    bar.addTopRightWidget(wide);
    bar.addPage(QStringLiteral("home"), QStringLiteral("Home"));

    QWidget* host = compact ? bar.tabRow() : bar.topRow();
    const int T = 30;
    KIVQRibbonButton* app = bar.applicationButton();
    QCOMPARE(app->parentWidget(), host);
    const int appWidth = qMax(app->sizeHint().width(), 54);
    QCOMPARE(app->geometry(), QRect(4, 2, appWidth, T - 4));
    QCOMPARE(q1->parentWidget(), host);
    QCOMPARE(q1->geometry(), QRect(appWidth + 8, 3, 28, T - 6));
    QCOMPARE(q2->geometry(), QRect(appWidth + 8 + 30, 3, 28, T - 6));
    // From the right edge leftwards, each width bounded to 40..180.
    QCOMPARE(wide->geometry(), QRect(900 - 4 - 180, 3, 180, T - 6));
    QCOMPARE(narrow->geometry(), QRect(900 - 4 - 180 - 4 - 40, 3, 40, T - 6));
    QCOMPARE(bar.tabButtons().first()->x(), compact ? appWidth + 8 + 60 + 4 : 4);

    // Squeezed, they overlap: each lies above those placed before it, and the tabs lie below them all,
    // also tabs built afterwards.
    bar.resize(200, 157);
    bar.show();
    bar.addPage(QStringLiteral("view"), QStringLiteral("View"));
    QCOMPARE(host->childAt(narrow->geometry().right() + 1, 10), app);
    QCOMPARE(host->childAt(q2->geometry().center()), wide);
    for (QWidget* above : {app, q1, q2})
        QVERIFY(host->children().indexOf(above) > host->children().indexOf(bar.tabButtons().last()));
}

void tst_KIVQRibbonBar::tabLayout_data()
{
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("quickButtons");
    QTest::addColumn<int>("firstX");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("widths bounded to 68..150")
        << false << QStringList{QStringLiteral("A"), QStringLiteral("Medication administration record")} << 0 << 4 << false;
    QTest::newRow("nine long tabs overflow, arrows take 20 each side")
        << false << QStringList(QVector<QString>(9, QStringLiteral("Long title here")).toList()) << 0 << 24 << true;
    QTest::newRow("compact without room falls back to the whole row")
        << true << QStringList{QStringLiteral("Home")} << 40 << 4 << false;
}

void tst_KIVQRibbonBar::tabLayout()
{
    QFETCH(bool, compact);
    QFETCH(QStringList, titles);
    QFETCH(int, quickButtons);
    QFETCH(int, firstX);
    QFETCH(bool, overflow);

    KIVQRibbonBar bar;
    bar.resize(720, 157);
    if (compact)
        bar.setLayoutMode(KIV_RIBBON_LAYOUT_COMPACT);
    for (int i = 0; i < quickButtons; ++i)
        bar.addQuickAction(new QAction(QStringLiteral("q%1").arg(i), &bar));
    for (int i = 0; i < titles.size(); ++i)
        bar.addPage(QString::number(i), titles.at(i));
    bar.updateLayout(); // a hidden widget gets its resize event only when shown

    const QList<KIVQRibbonButton*> tabs = bar.tabButtons();
    QCOMPARE(tabs.size(), titles.size());
    QCOMPARE(bar.isTabOverflowing(), overflow);
    int x = firstX;
    for (KIVQRibbonButton* tab : tabs) {
        QCOMPARE(tab->geometry(), QRect(x, 1, tabWidth(tab), 29));
        x += tabWidth(tab) + 2;
    }

    QHash<QString, KIVQRibbonButton*> byText;
    for (KIVQRibbonButton* b : bar.tabRow()->findChildren<KIVQRibbonButton*>())
        byText.insert(b->text(), b);
    KIVQRibbonButton* back = byText.value(QStringLiteral("<"));
    KIVQRibbonButton* forward = byText.value(QStringLiteral(">"));
    QVERIFY(back && forward);
    QCOMPARE(back->isVisibleTo(&bar), overflow);
    QCOMPARE(forward->isVisibleTo(&bar), overflow);
    if (!overflow)
        return;
    QCOMPARE(back->geometry(), QRect(0, 0, 20, 31));
    QCOMPARE(forward->geometry(), QRect(700, 0, 20, 31));
    QVERIFY(!back->isEnabled());
    forward->click();
    QCOMPARE(bar.tabScrollOffset(), 100);
    QCOMPARE(tabs.first()->x(), firstX - 100);
    // Partly behind the arrow, the first tab still shows.
    QVERIFY(tabs.first()->geometry().right() >= firstX && tabs.first()->isVisibleTo(&bar));
    back->click();
    back->click();
    QCOMPARE(bar.tabScrollOffset(), 0);
}

void tst_KIVQRibbonBar::pageInsertion()
{
    KIVQRibbonBar bar;
    QVERIFY(!bar.setCurrentPage(0));
    KIVQRibbonPage* a = bar.addPage(QStringLiteral("a"), QString());
    bar.addPage(QStringLiteral("b"), QStringLiteral("B"));
    QCOMPARE(bar.currentPageWidget(), a);
    KIVQRibbonPage* end = bar.insertPage(100, QStringLiteral("end"), QString());
    KIVQRibbonPage* front = bar.insertPage(-5, QStringLiteral("front"), QString());
    QCOMPARE(bar.pageAt(3), end);
    QCOMPARE(bar.pageAt(0), front);
    QCOMPARE(bar.currentPage(), 1);

    QVERIFY(bar.removePage(a));
    QVERIFY(!bar.removePage(a));
    QCOMPARE(bar.currentPageWidget(), front);
    bar.clearPages();
    QVERIFY(bar.currentPage() == -1 && bar.pageCount() == 0);
}

void tst_KIVQRibbonBar::contextGroups()
{
    KIVQRibbonBar bar;
    bar.addPage(QStringLiteral("home"), QStringLiteral("Home"));
    KIVQRibbonContextGroup* tools = bar.addContextGroup(QStringLiteral("tools"), QStringLiteral("Tools"), Qt::red);
    QCOMPARE(bar.addContextGroup(QStringLiteral("tools"), QString(), Qt::blue), tools);
    tools->addPage(QStringLiteral("format"), QStringLiteral("Format"));
    QCOMPARE(bar.tabButtons().size(), 1);

    QSignalSpy changed(&bar, &KIVQRibbonBar::currentPageChanged);
    QVERIFY(!bar.setCurrentPage(QStringLiteral("format")));
    QCOMPARE(changed.count(), 0);

    bar.showContextGroup(QStringLiteral("tools"));
    QCOMPARE(bar.tabButtons().size(), 2);
    QCOMPARE(bar.tabButtons().last()->property("kivRibbonContextColor").value<QColor>(), QColor(Qt::red));
    QVERIFY(bar.setCurrentPage(QStringLiteral("format")));
    QCOMPARE(changed.count(), 1);

    bar.hideContextGroup(QStringLiteral("tools"));
    QCOMPARE(bar.currentPage(), 0);
    QCOMPARE(changed.count(), 1);
    bar.showContextGroup(QStringLiteral("tools"));
    QCOMPARE(bar.currentPage(), 0);
}

void tst_KIVQRibbonBar::tabClicksMinimiseAndOpenPopup()
{
    QWidget window;
    window.resize(800, 400);
    KIVQRibbonBar bar(&window);
    bar.setGeometry(0, 0, 720, 157);
    bar.addPage(QStringLiteral("home"), QStringLiteral("Home"));
    bar.addPage(QStringLiteral("view"), QStringLiteral("View"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy minimised(&bar, &KIVQRibbonBar::minimizedChanged);
    bar.tabButtons().first()->click();
    QVERIFY(bar.isMinimized());
    QCOMPARE(minimised.count(), 1);
    QVERIFY(!bar.popupContainer()->isVisible());

    bar.tabButtons().last()->click();
    QWidget* popup = bar.popupContainer();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->geometry(), QRect(bar.mapToGlobal(QPoint(0, 61)), QSize(720, 96)));
    QCOMPARE(bar.pageArea()->parentWidget(), popup);
    QVERIFY(bar.pageAt(1)->isVisible());

    popup->hide();
    QCOMPARE(bar.pageArea()->parentWidget(), &bar);
    QVERIFY(!bar.pageArea()->isVisible() && bar.isMinimized());
    // Minimised, the current tab opens the popup too; it does not minimise again.
    bar.tabButtons().last()->click();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 2000);
    QCOMPARE(minimised.count(), 1);
    popup->hide();
    bar.setMinimized(false);
    QCOMPARE(bar.pageArea()->geometry(), QRect(0, 61, 720, 96));
}

void tst_KIVQRibbonBar::loadIntoHiddenMinimisedBarOpensNoPopup()
{
    KIVQRibbonBar bar;
    bar.setMinimized(true);
    const QString config = QStringLiteral(R"({"schemaVersion": 1, "minimized": true,
        "pages": [{"id": "home"}, {"id": "view"}], "currentPage": "view"})");
    QVERIFY(bar.loadConfigJson(config));
    QVERIFY(!bar.popupContainer()->isVisible());
    QVERIFY(bar.setCurrentPage(0));
    QVERIFY(!bar.popupContainer()->isVisible());
    QCOMPARE(bar.pageArea()->parentWidget(), &bar);
}

void tst_KIVQRibbonBar::commandsReachOneSignal()
{
    KIVQRibbonBar bar;
    KIVQRibbonGroup* group = bar.addPage(QStringLiteral("home"), QString())->addGroup(QStringLiteral("g"), QString());
    auto* pin = new QAction(QStringLiteral("Pin"));
    pin->setObjectName(QStringLiteral("pin"));
    pin->setCheckable(true);
    group->addSmallAction(pin);
    auto* menu = new KIVQRibbonMenu;
    menu->addCommand(QStringLiteral("open"), QStringLiteral("Open"));
    bar.setApplicationMenu(QStringLiteral("Ward"), menu);

    QSignalSpy commands(&bar, &KIVQRibbonBar::commandTriggered);
    pin->trigger();
    bar.findAction(QStringLiteral("open"))->trigger();
    QCOMPARE(commands.count(), 2);
    QCOMPARE(commands.at(0), (QList<QVariant>{QStringLiteral("pin"), true}));
    QCOMPARE(commands.at(1), (QList<QVariant>{QStringLiteral("open"), false}));
    group->addGallery(1, 1)->addItem(QStringLiteral("cell2"), QString(), QString())->trigger();
    QCOMPARE(commands.last(), (QList<QVariant>{QStringLiteral("cell2"), false}));

    QCOMPARE(bar.findAction(QStringLiteral("pin")), pin);
    delete pin;
    QVERIFY(!bar.findAction(QStringLiteral("pin")));
    bar.clearContent();
    QVERIFY(!bar.findAction(QStringLiteral("open")));
    QVERIFY(bar.applicationButton()->isHidden());
}

// A slot of the click deletes the very tab or button that was clicked; ASan reports any later touch.
void tst_KIVQRibbonBar::tabDeletedInsideItsClick_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a page change shows a context group") << "context";
    QTest::newRow("a command reloads the configuration") << "reload";
    QTest::newRow("a command clears the content") << "clear";
}

void tst_KIVQRibbonBar::tabDeletedInsideItsClick()
{
    QFETCH(QString, how);
    KIVQRibbonBar bar;
    bar.resize(720, 157);
    const QString config = QStringLiteral(R"({"schemaVersion": 1,
        "quickAccess": [{"id": "reload"}],
        "pages": [{"id": "home", "groups": [{"id": "g", "items": [{"id": "reload", "text": "Reload"}]}]},
                  {"id": "view"}],
        "contextGroups": [{"id": "tools", "pages": [{"id": "format"}]}]})");
    QVERIFY(bar.loadConfigJson(config));

    QPointer<QAbstractButton> clicked;
    if (how == QLatin1String("context")) {
        connect(&bar, &KIVQRibbonBar::currentPageChanged, &bar,
                [&bar] { bar.showContextGroup(QStringLiteral("tools")); });
        clicked = bar.tabButtons().at(1);
    } else {
        connect(&bar, &KIVQRibbonBar::commandTriggered, &bar, [&bar, how, config] {
            if (how == QLatin1String("reload"))
                QVERIFY(bar.loadConfigJson(config));
            else
                bar.clearContent();
        });
        clicked = qobject_cast<QAbstractButton*>(bar.quickAccessWidgets().first());
    }
    QVERIFY(clicked);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(clicked); // still alive until the event loop deletes it
    QVERIFY(clicked->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!clicked);
    if (how == QLatin1String("context")) {
        QCOMPARE(bar.tabButtons().size(), 3);
        QCOMPARE(bar.currentPage(), 1);
    } else if (how == QLatin1String("reload")) {
        QCOMPARE(bar.quickAccessWidgets().size(), 1);
        QVERIFY(bar.findAction(QStringLiteral("reload")));
    }
}

// Pages, context groups and top-row widgets deleted by whoever holds them leave the bar, which keeps working.
void tst_KIVQRibbonBar::deletedByTheirOwner_data()
{
    QTest::addColumn<QString>("gone");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QVector<int>>("left"); // pages, tabs, quick-access and top-right widgets
    using V = QVector<int>;
    QTest::newRow("current page") << "home" << "view" << V{2, 2, 1, 1};
    QTest::newRow("other page") << "view" << "home" << V{2, 2, 1, 1};
    QTest::newRow("context page") << "format" << "home" << V{2, 2, 1, 1};
    QTest::newRow("context group with its page") << "tools" << "home" << V{2, 2, 1, 1};
    QTest::newRow("quick-access button") << "save" << "home" << V{3, 3, 0, 1};
    QTest::newRow("top-right widget") << "who" << "home" << V{3, 3, 1, 0};
    // The page keeps a tab; the bar no longer holds the deleted one.
    QTest::newRow("tab button") << "view tab" << "home" << V{3, 3, 1, 1};
}

void tst_KIVQRibbonBar::deletedByTheirOwner()
{
    QFETCH(QString, gone);
    QFETCH(QString, current);
    QFETCH(QVector<int>, left);
    KIVQRibbonBar bar;
    bar.resize(720, 157);
    QVERIFY(bar.loadConfigJson(QStringLiteral(R"({"schemaVersion": 1, "quickAccess": [{"id": "save"}],
        "topRight": [{"type": "widget", "control": "label", "id": "who", "text": "Ward 3"}],
        "pages": [{"id": "home"}, {"id": "view"}],
        "contextGroups": [{"id": "tools", "visible": true, "pages": [{"id": "format"}]}]})")));

    if (QWidget* page = bar.pageById(gone))
        delete page;
    else if (QObject* group = bar.contextGroupById(gone))
        delete group;
    else if (gone == QLatin1String("save"))
        delete bar.quickAccessWidgets().first();
    else if (gone == QLatin1String("view tab"))
        delete bar.tabButtons().at(1);
    else
        delete bar.topRightWidgets().first();

    // Shown, the bar lays out and styles again everything it still holds.
    bar.show();
    bar.resize(800, 157);
    QCOMPARE((QVector<int>{bar.pageCount(), int(bar.tabButtons().size()), int(bar.quickAccessWidgets().size()),
                           int(bar.topRightWidgets().size())}),
             left);
    QCOMPARE(bar.currentPageWidget()->pageId(), current);
    if (const KIVQRibbonContextGroup* group = bar.contextGroupById(QStringLiteral("tools")))
        QCOMPARE(group->pageCount(), gone == QLatin1String("format") ? 0 : 1);
    else
        QVERIFY(!bar.pageById(QStringLiteral("format")));
    QVERIFY(!bar.configJson().contains(QLatin1Char('"') + gone + QLatin1Char('"')));
}

QTEST_MAIN(tst_KIVQRibbonBar)
#include "tst_KIVQRibbonBar.moc"
