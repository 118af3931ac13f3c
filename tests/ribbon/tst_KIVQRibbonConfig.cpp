#include "TestSupport.h"

#include "core/KIVQtLib.h"
#include "core/Limits.h"
#include "core/StateStyles.h"
#include "ribbon/KIVQRibbonBar.h"
#include "ribbon/KIVQRibbonButton.h"
#include "ribbon/KIVQRibbonContextGroup.h"
#include "ribbon/KIVQRibbonGroup.h"
#include "ribbon/KIVQRibbonMenu.h"
#include "ribbon/KIVQRibbonPage.h"
#include "theme/KIVQResourceManager.h"

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace KIVQtLib;

using Probe = std::function<QString(KIVQRibbonBar&)>;
Q_DECLARE_METATYPE(Probe)

namespace {

// A bar with one of everything the writer knows.
const char kFull[] = R"({
  "schemaVersion": 1, "layoutMode": "compact", "minimized": false, "currentPage": "view",
  "application": {"text": "Ward", "icon": "app.png", "menu": [
      {"id": "open", "text": "Open", "icon": "open.png"}, {"separator": true},
      {"id": "recent", "text": "Recent", "items": [{"id": "r1", "text": "Bed 3", "checkable": true, "checked": true}]}]},
  "quickAccess": [{"id": "pin", "text": "Pin", "tooltip": "Pin the page", "checkable": true, "checked": true,
                   "enabled": false, "icon": "pin.png"}],
  "topRight": [{"control": "comboBox", "id": "ward", "items": ["A", "B"], "currentIndex": 1, "width": 90},
               {"control": "switch", "leftText": "Day", "rightText": "Night", "checked": true}],
  "pages": [
    {"id": "home", "text": "Home", "groups": [
      {"id": "g1", "text": "Admit", "expanding": true, "items": [
        {"id": "new", "text": "New", "size": "large", "tooltip": "New patient"},
        {"type": "separator"},
        {"id": "more", "text": "More", "size": "medium", "popup": "SPLIT", "menu": [{"id": "m1", "text": "One"}]},
        {"type": "gallery", "columns": 2, "rows": 1, "items": [{"id": "c1", "text": "Cell", "icon": "c.png"}]},
        {"type": "widget", "control": "spinBox", "min": 1, "max": 9, "value": 4, "size": "small"},
        {"type": "widget", "control": "lineEdit", "text": "x", "placeholder": "Search"},
        {"type": "widget", "control": "checkBox", "text": "Fall", "checked": true},
        {"type": "widget", "control": "radioButton", "text": "Bed"},
        {"type": "widget", "control": "progressBar", "min": 0, "max": 10, "value": 3, "showText": false},
        {"type": "widget", "control": "label", "text": "Ward 3"}]}]},
    {"id": "view", "text": "View", "groups": []}],
  "contextGroups": [{"id": "tools", "text": "Tools", "color": "#80ff0000", "visible": true,
                     "pages": [{"id": "format", "text": "Format"}]}]
})";

QString load(KIVQRibbonBar& bar, const QString& config)
{
    return bar.loadConfigJson(config) ? QString() : bar.lastError();
}

KIVQRibbonGroup* firstGroup(KIVQRibbonBar& bar)
{
    return bar.pageAt(0) ? bar.pageAt(0)->groupAt(0) : nullptr;
}

KIVQRibbonButton* itemButton(KIVQRibbonBar& bar, int index)
{
    KIVQRibbonGroup* group = firstGroup(bar);
    return group && index < group->itemCount() ? qobject_cast<KIVQRibbonButton*>(group->items().at(index).control)
                                               : nullptr;
}

} // namespace

class tst_KIVQRibbonConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void failureLeavesBarAlone_data();
    void failureLeavesBarAlone();
    void reading_data();
    void reading();
    void roundTrips();
    void secondLoadLeavesNothingOfTheFirst();
    void loadedContentIsPlaced();
    void leftOutIsReported_data();
    void leftOutIsReported();
    void styleEntries_data();
    void styleEntries();
};

void tst_KIVQRibbonConfig::initTestCase()
{
    init();
    FillStyle fill;
    fill.name = QStringLiteral("ribbonBlue");
    fill.res.colour = QColor(10, 20, 200);
    kivSetFillStyle(fill.name, fill);
    TextStyleDesc text;
    text.name = QStringLiteral("ribbonText");
    text.colour = QColor(200, 0, 0);
    kivSetTextStyle(text.name, text);
}

void tst_KIVQRibbonConfig::failureLeavesBarAlone_data()
{
    QTest::addColumn<QString>("file");   // written to a temporary folder and loaded by name when set
    QTest::addColumn<QString>("config"); // else loaded as text
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("source");

    const QString version = QStringLiteral("Unsupported Ribbon schemaVersion; expected 1.");
    const QString inl = QStringLiteral("inline");
    QTest::newRow("text that is no JSON") << QString() << "{\"schemaVersion\": " << "Invalid Ribbon JSON: *" << inl;
    QTest::newRow("root array") << QString() << "[1]" << "Ribbon config root must be an object." << inl;
    QTest::newRow("version 1.5") << QString() << "{\"schemaVersion\": 1.5}" << version << inl;
    QTest::newRow("version \"1\"") << QString() << "{\"schemaVersion\": \"1\"}" << version << inl;
    QTest::newRow("version 2") << QString() << "{\"schemaVersion\": 2}" << version << inl;
    QTest::newRow("missing file") << "-" << "no/such/ribbon.json"
                                  << "Ribbon config file was not found: no/such/ribbon.json" << "no/such/ribbon.json";
    QTest::newRow("file that is no JSON") << "bad.json" << "{ nope" << "Invalid Ribbon JSON in @: *" << "@";
    // Over the document cap it is skipped like a file that does not open, and named on the log.
    QTest::newRow("file over the size cap") << "huge.json" << "<huge>" << "Ribbon config file was not found: @" << "@";
}

void tst_KIVQRibbonConfig::failureLeavesBarAlone()
{
    QFETCH(QString, file);
    QFETCH(QString, config);
    QFETCH(QString, message);
    QFETCH(QString, source);

    KIVQRibbonBar bar;
    QVERIFY(bar.loadConfigJson(QString::fromUtf8(kFull)));
    const QString before = bar.configJson();
    QSignalSpy failed(&bar, &KIVQRibbonBar::configLoadFailed);

    QTemporaryDir dir;
    bool loaded = true;
    if (file.isEmpty()) {
        loaded = bar.loadConfigJson(config);
    } else if (file == QLatin1String("-")) {
        loaded = bar.loadConfigFile(config);
    } else {
        const QString path = dir.filePath(file);
        if (config == QLatin1String("<huge>")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(limits::kMaxFileSize + 1));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("huge\\.json is larger than")));
        } else {
            QVERIFY(TestSupport::writeFile(path, config.toUtf8()));
        }
        message.replace(QLatin1Char('@'), path);
        source.replace(QLatin1Char('@'), path);
        loaded = bar.loadConfigFile(path);
    }
    QVERIFY(!loaded);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first(), (QList<QVariant>{source, bar.lastError()}));
    if (message.endsWith(QLatin1Char('*'))) {
        QVERIFY2(bar.lastError().startsWith(message.chopped(1)), qPrintable(bar.lastError()));
    } else {
        QCOMPARE(bar.lastError(), message);
    }
    QCOMPARE(bar.configJson(), before);

    QVERIFY(bar.loadConfigJson(QStringLiteral("{\"schemaVersion\": 1.0}")));
    QVERIFY(bar.lastError().isEmpty());
}

void tst_KIVQRibbonConfig::reading_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("expected");

    const auto page = [](const QString& items) {
        return QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"id": "g", "items": [%1]}]}]})")
            .arg(items);
    };

    QTest::newRow("a menu without popup is instant")
        << page(R"({"id": "a", "menu": [{"id": "m"}]})")
        << Probe([](KIVQRibbonBar& bar) { return QString::number(itemButton(bar, 0)->popupMode()); }) << "1";
    QTest::newRow("Separator is a button") << page(R"({"type": "Separator"})") << Probe([](KIVQRibbonBar& bar) {
        return firstGroup(bar)->items().at(0).type + QLatin1Char(' ') + itemButton(bar, 0)->text();
    }) << "button Command";
    QTest::newRow("a nameless command is not found as Command") << page(R"({})") << Probe([](KIVQRibbonBar& bar) {
        return QStringLiteral("%1 %2").arg(bar.findAction(QStringLiteral("Command")) ? "found" : "null",
                                           itemButton(bar, 0)->text());
    }) << "null Command";
    // A context group is hidden, a widget small and a tooltip unset unless the document says otherwise.
    QTest::newRow("absent visible, size and tooltip")
        << QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "p", "groups": [{"items": [
              {"id": "a", "text": "Admit"}, {"type": "widget", "control": "label"}]}]}],
              "contextGroups": [{"id": "t", "pages": [{"id": "f"}]}]})")
        << Probe([](KIVQRibbonBar& bar) {
               const Json::Value written = TestSupport::parseJson(bar.configJson().toUtf8());
               return QStringLiteral("%1 tab, size %2, tooltip \"%3\"")
                   .arg(bar.tabButtons().size())
                   .arg(firstGroup(bar)->items().at(1).size)
                   .arg(QString::fromStdString(written["pages"][0]["groups"][0]["items"][0]["tooltip"].asString()));
           })
        << QStringLiteral("1 tab, size %1, tooltip \"\"").arg(KIV_RIBBON_SMALL);
    QTest::newRow("an unknown currentPage keeps the first tab")
        << QStringLiteral(R"({"schemaVersion": 1, "currentPage": "nope", "pages": [{"id": "a"}, {"id": "b"}]})")
        << Probe([](KIVQRibbonBar& bar) { return QString::number(bar.currentPage()) + bar.lastError(); }) << "0";
    QTest::newRow("members of the wrong type take their defaults")
        << QStringLiteral(R"({"schemaVersion": 1, "layoutMode": 1, "minimized": "yes", "quickAccess": {"id": "q"},
              "pages": [{"id": 7, "text": ["x"], "groups": [{"items": [{"id": "a", "text": 5, "size": 1,
              "enabled": "no", "checkable": 1}, 3, "x", {"type": "gallery", "columns": "4", "rows": -2,
              "items": [{"id": "c"}, 1]}]}]}]})")
        << Probe([](KIVQRibbonBar& bar) {
               QAction* a = bar.findAction(QStringLiteral("a"));
               KIVQRibbonGroup* g = firstGroup(bar);
               return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 items %8 q%9")
                   .arg(bar.layoutMode())
                   .arg(bar.isMinimized())
                   .arg(bar.pageAt(0)->pageId().isEmpty() ? "noid" : "id")
                   .arg(a ? a->text() : QStringLiteral("-"))
                   .arg(a && a->isEnabled())
                   .arg(a && a->isCheckable())
                   .arg(g->items().at(0).size)
                   .arg(g->itemCount())
                   .arg(bar.quickAccessWidgets().size());
           })
        << "0 0 noid a 1 0 0 items 2 q0";
    QTest::newRow("combo items: numbers and bools give text, arrays are left out")
        << QStringLiteral(R"({"schemaVersion": 1, "topRight": [{"control": "comboBox", "items": ["a", 2, true, [1], {}],
              "currentIndex": 9}, {"control": "nothing"}, 4]})")
        << Probe([](KIVQRibbonBar& bar) {
               auto* combo = qobject_cast<QComboBox*>(bar.topRightWidgets().value(0));
               QStringList texts;
               for (int i = 0; combo && i < combo->count(); ++i)
                   texts << combo->itemText(i);
               return texts.join(QLatin1Char(',')) + QStringLiteral(" of %1").arg(bar.topRightWidgets().size());
           })
        << "a,2,true of 1";
}

void tst_KIVQRibbonConfig::reading()
{
    QFETCH(QString, config);
    QFETCH(Probe, probe);
    QFETCH(QString, expected);
    KIVQRibbonBar bar;
    QCOMPARE(load(bar, config), QString());
    QCOMPARE(probe(bar), expected);
}

void tst_KIVQRibbonConfig::roundTrips()
{
    KIVQRibbonBar bar;
    QCOMPARE(load(bar, QString::fromUtf8(kFull)), QString());
    const QString first = bar.configJson();
    KIVQRibbonBar again;
    QCOMPARE(load(again, first), QString());
    QCOMPARE(again.configJson(), first);

    const Json::Value written = TestSupport::parseJson(first.toUtf8());
    const Json::Value& quick = written["quickAccess"][0];
    QCOMPARE(quick["tooltip"].asString(), std::string("Pin the page"));
    QVERIFY(quick["checkable"].asBool() && quick["checked"].asBool() && !quick["enabled"].asBool());
    QCOMPARE(written["contextGroups"][0]["color"].asString(), std::string("#80ff0000"));
    const Json::Value& recent = written["application"]["menu"][2];
    QVERIFY(recent["id"].asString() == "recent" && recent["items"][0]["checked"].asBool());
    QCOMPARE(written["pages"][0]["groups"][0]["items"][2]["popup"].asString(), std::string("split"));
    QCOMPARE(written["topRight"][1]["checked"].asBool(), true);
    QCOMPARE(written["currentPage"].asString(), std::string("view"));

    // With children written, the bar's own rows must not come back as strays; "ribbon" carries the content.
    kivEnableSerializeChild(true);
    Json::Value element = TestSupport::writeControl(&bar);
    KIVQRibbonBar copy;
    const bool read = copy.readJsonValue(&element);
    const Json::Value rewritten = TestSupport::writeControl(&copy);
    kivEnableSerializeChild(false);
    QVERIFY(read);
    QVERIFY(!element.isMember("child"));
    QVERIFY(!rewritten.isMember("child"));
    QCOMPARE(copy.pageCount(), 3);
}

void tst_KIVQRibbonConfig::secondLoadLeavesNothingOfTheFirst()
{
    QWidget window;
    auto* bar = new KIVQRibbonBar(&window);
    QCOMPARE(load(*bar, QString::fromUtf8(kFull)), QString());
    const QPointer<QAction> pin = bar->findAction(QStringLiteral("pin"));
    const QPointer<QWidget> combo = bar->topRightWidgets().value(0);
    const QPointer<KIVQRibbonPage> home = bar->pageAt(0);
    QVERIFY(pin && combo && home);

    QCOMPARE(load(*bar, QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "only"}]})")), QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pin && !combo && !home);
    QCOMPARE(bar->findChildren<KIVQRibbonPage*>().size(), 1);
    QCOMPARE(bar->findChildren<KIVQRibbonContextGroup*>().size(), 0);
    QCOMPARE(bar->findChildren<QAction*>().size(), 0);
    QVERIFY(bar->quickAccessWidgets().isEmpty() && bar->topRightWidgets().isEmpty());
    QVERIFY(bar->applicationButton()->isHidden() && !bar->applicationButton()->popupMenu());
}

// A load places the items of every group and the cells of every gallery once, at its end, also on pages
// not shown yet.
void tst_KIVQRibbonConfig::loadedContentIsPlaced()
{
    KIVQRibbonBar bar;
    bar.resize(720, 157);
    QCOMPARE(load(bar, QStringLiteral(R"({"schemaVersion": 1, "pages": [{"id": "home"}, {"id": "view", "groups": [
        {"items": [{"id": "a", "size": "small"}, {"id": "b", "size": "small"}, {"id": "c"},
                   {"type": "gallery", "columns": 2, "rows": 1, "items": [{"id": "g1"}, {"id": "g2"}, {"id": "g3"}]}
        ]}]}]})")),
             QString());
    QList<QPoint> corners;
    for (const KIVQRibbonGroup::Item& item : bar.pageAt(1)->groupAt(0)->items())
        corners << item.control->pos();
    QCOMPARE(corners, (QList<QPoint>{{4, 4}, {4, 24}, {62, 4}, {130, 4}}));

    // Two cells of a 152 wide strip less its arrows, a screenful of one row; the third waits for "v".
    QWidget* gallery = bar.pageAt(1)->groupAt(0)->items().last().control;
    QList<QRect> cells; // empty for a hidden one
    for (const KIVQRibbonButton* cell : gallery->findChildren<KIVQRibbonButton*>()) {
        if (cell->ribbonAction())
            cells << (cell->isHidden() ? QRect() : cell->geometry());
    }
    const int h = gallery->height() - 1;
    QCOMPARE(cells, (QList<QRect>{QRect(0, 0, 64, h), QRect(65, 0, 64, h), QRect()}));
}

// Entries of the wrong type or past the piece cap (as many as a page document makes controls) are left out,
// the load goes on, and each is reported with its document ("@") and where it stands.
void tst_KIVQRibbonConfig::leftOutIsReported_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<QString>("members"); // after the schema version
    QTest::addColumn<QStringList>("reports"); // patterns
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("expected");

    const auto exact = [](const QStringList& reports) {
        QStringList patterns;
        for (const QString& report : reports)
            patterns << QStringLiteral("^Ribbon config @: ") + QRegularExpression::escape(report) + QLatin1Char('$');
        return patterns;
    };
    const auto capped = [](const QString& where) {
        return QStringList{QStringLiteral("^Document @: .*%1.* past %2")
                               .arg(QRegularExpression::escape(where)).arg(limits::kMaxPageControls)};
    };
    const auto repeated = [](const QString& entry, int count) {
        QStringList entries;
        for (int i = 0; i < count; ++i)
            entries << QString(entry).replace(QLatin1String("%1"), QString::number(i));
        return entries.join(QLatin1String(", "));
    };
    const Probe pages = [](KIVQRibbonBar& bar) { return QStringLiteral("%1 pages").arg(bar.pageCount()); };

    QTest::newRow("top row") << false << R"("quickAccess": [{"id": "a"}, 5], "topRight": ["x", {"control": "dial"}])"
                             << exact({"quickAccess entry 1 left out: not an object",
                                       "topRight entry 0 left out: not an object",
                                       R"(topRight entry 1 left out: unknown control "dial")"})
                             << Probe([](KIVQRibbonBar& bar) {
                                    return QString::number(bar.quickAccessWidgets().size() + bar.topRightWidgets().size());
                                })
                             << "1";
    QTest::newRow("pages, groups, items and cells")
        << false << R"("pages": [true, {"id": "home", "groups": [1, {"id": "g", "items": [null, {"type": "widget"},
              {"type": "gallery", "items": ["c", {"id": "c"}]}]}]}])"
        << exact({"pages entry 0 left out: not an object", R"(page "home", groups entry 0 left out: not an object)",
                  R"(page "home", group "g", items entry 0 left out: not an object)",
                  R"(page "home", group "g", items entry 1 left out: unknown control "")",
                  R"(page "home", group "g", items entry 2, items entry 0 left out: not an object)"})
        << pages << "1 pages";
    QTest::newRow("a file's menu and context groups")
        << true << R"("application": {"menu": [[], {"id": "open"}]}, "contextGroups": [0, {"id": "tools", "pages": ["p"]}])"
        << exact({"menu entry 0 left out: not an object", "contextGroups entry 0 left out: not an object",
                  R"(context group "tools", pages entry 0 left out: not an object)"})
        << pages << "0 pages";
    const int row = limits::kMaxRibbonRowEntries;
    QTest::newRow("separators in a group past the row cap, then a page")
        << false
        << QStringLiteral(R"("pages": [{"id": "home", "groups": [{"id": "g", "items": [%1]}]}, {"id": "later"}])")
               .arg(repeated(QStringLiteral(R"({"type": "separator"})"), row + 5))
        << exact({QStringLiteral(R"(page "home", group "g", items entries from %1 on are left out, past %1 in one row)")
                      .arg(row)})
        << Probe([](KIVQRibbonBar& bar) {
               return QStringLiteral("%1 pages, %2 items").arg(bar.pageCount()).arg(firstGroup(bar)->itemCount());
           })
        << QStringLiteral("2 pages, %1 items").arg(row);
    // Each group of another id is a new piece; one id again adds to its group.
    QTest::newRow("context groups past the cap")
        << false
        << QStringLiteral(R"("contextGroups": [{"id": "c0", "pages": [{"id": "p"}]}, {"id": "c0", "text": "again"}, %1])")
               .arg(repeated(QStringLiteral(R"({"id": "c%1", "color": "red"})"), limits::kMaxPageControls + 10))
        << capped(QStringLiteral("contextGroups")) << Probe([](KIVQRibbonBar& bar) {
               const auto has = [&bar](int i) { return bar.contextGroupById(QStringLiteral("c%1").arg(i)) != nullptr; };
               return QStringLiteral("%1 %2 %3, %4 pages").arg(has(0)).arg(has(limits::kMaxPageControls - 2))
                   .arg(has(limits::kMaxPageControls - 1)).arg(bar.pageCount());
           })
        << QStringLiteral("1 1 0, 1 pages");
}

void tst_KIVQRibbonConfig::leftOutIsReported()
{
    QFETCH(bool, fromFile);
    QFETCH(QString, members);
    QFETCH(QStringList, reports);
    QFETCH(Probe, probe);
    QFETCH(QString, expected);

    const QString config = QStringLiteral(R"({"schemaVersion": 1, %1})").arg(members);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ribbon.json"));
    QVERIFY(TestSupport::writeFile(path, config.toUtf8()));
    const QString document = QRegularExpression::escape(fromFile ? path : QStringLiteral("inline"));
    for (QString report : qAsConst(reports))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(report.replace(QLatin1Char('@'), document)));
    KIVQRibbonBar bar;
    QVERIFY(fromFile ? bar.loadConfigFile(path) : bar.loadConfigJson(config));
    QCOMPARE(probe(bar), expected);
}

void tst_KIVQRibbonConfig::styleEntries_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("hoverTabBlue"); // 1 when the tabs' hover state took ribbonBlue

    QTest::newRow("slot 4 alone styles all four tab states")
        << QByteArray(R"([["ribbonBlue", 1, 4]])") << QByteArray(R"([["ribbonBlue",1,4]])") << 1;
    QTest::newRow("a text kind for a fill slot is ignored")
        << QByteArray(R"([["ribbonText", 2, 4]])") << QByteArray("null") << 0;
    QTest::newRow("slot 15 is slot 14") << QByteArray(R"([["ribbonText", 2, 15], ["ribbonBlue", 1, 3]])")
                                        << QByteArray(R"([["ribbonText",2,14]])") << 0;
    QTest::newRow("wrong member types are skipped")
        << QByteArray(R"([["ribbonBlue", "1", 0], ["ribbonBlue", 1, "0"], [["x"], 1, 0], ["ribbonBlue", 1], 7])")
        << QByteArray("null") << 0;
    QTest::newRow("single slots in order") << QByteArray(R"([["ribbonBlue", 1, 18], ["ribbonBlue", 1, 0]])")
                                           << QByteArray(R"([["ribbonBlue",1,0],["ribbonBlue",1,18]])") << 0;
}

void tst_KIVQRibbonConfig::styleEntries()
{
    QFETCH(QByteArray, style);
    QFETCH(QByteArray, written);
    QFETCH(int, hoverTabBlue);

    KIVQRibbonBar bar;
    bar.addPage(QStringLiteral("home"), QStringLiteral("Home"));
    Json::Value element = TestSupport::parseJson("{\"style\": " + style + "}");
    QVERIFY(bar.readJsonValue(&element));
    QCOMPARE(TestSupport::compactJson(TestSupport::writeControl(&bar)["style"]), written);
    const FillStyle& hover = bar.tabButtons().first()->getBackground(CtrlHover);
    QCOMPARE(hover.res.colour == QColor(10, 20, 200), bool(hoverTabBlue));
    if (style.contains(",4]"))
        QCOMPARE(bar.tabButtons().first()->getBackground(CtrlDisabled).name, QStringLiteral("ribbonBlue"));
}

QTEST_MAIN(tst_KIVQRibbonConfig)
#include "tst_KIVQRibbonConfig.moc"
