#include "GeneratedPage.h"
#include "TestSupport.h"

#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQPushButtonImpl.h"
#include "controls/KIVQScrollBar.h"
#include "core/KIVQPageLoader.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQChildLayout.h"
#include "core/layout/KIVQContainer.h"
#include "core/layout/KIVQContainerImpl.h"
#include "theme/KIVQResourceManager.h"

#include <QCryptographicHash>
#include <QScreen>
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

// Counts events of the given types per object name, and where each widget stood when it was shown.
class EventCount : public QObject
{
public:
    explicit EventCount(QSet<QEvent::Type> types) : m_types(std::move(types)) { qApp->installEventFilter(this); }
    ~EventCount() override { qApp->removeEventFilter(this); }
    int of(const QString& name, QEvent::Type type) const { return m_counts.value(name + QString::number(type)); }
    QRect shownAt(const QString& name) const { return m_shownAt.value(name); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_types.contains(event->type()))
            ++m_counts[watched->objectName() + QString::number(event->type())];
        if (event->type() == QEvent::Show && watched->isWidgetType())
            m_shownAt.insert(watched->objectName(), static_cast<QWidget*>(watched)->geometry());
        return false;
    }

private:
    QSet<QEvent::Type> m_types;
    QHash<QString, int> m_counts;
    QHash<QString, QRect> m_shownAt;
};

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
    void oneLayoutPassPerContainer();
    void pageShowsEachControlOnce_data();
    void pageShowsEachControlOnce();
    void queuedLayoutRunsOnlyWhenPending_data();
    void queuedLayoutRunsOnlyWhenPending();
    void barBoundLaterTracksExistingChildren();
    void shownPageAsksNoLayoutAndLeavesNoPixels();
    void labelRestylesOnlyOnChange_data();
    void labelRestylesOnlyOnChange();
    void fadeTimerMadeOnFirstHover();
    void themeReloadDropsDecodedEntries();
    void everyTypeDecodesItsEntryOnce_data();
    void everyTypeDecodesItsEntryOnce();

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

void tst_PageBuild::oneLayoutPassPerContainer()
{
    for (int themed = 0; themed < 2; ++themed) {
        const QMap<QString, int>& passes = m_passes[themed];
        QCOMPARE(passes.size(), 1 + GeneratedPage::kRows);
        for (auto it = passes.cbegin(); it != passes.cend(); ++it) {
            if (it.value() != 1)
                QFAIL(qPrintable(
                    QStringLiteral("%1 laid out %2 times, themed %3").arg(it.key()).arg(it.value()).arg(themed)));
        }
    }
}

void tst_PageBuild::pageShowsEachControlOnce_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    const QByteArray rows = R"({"elements": [{"type": "qtcontainer", "name": "top", "w": 200, "h": 100,
        "attr": {"childLayout": 0}, "child": [{"type": "qtlabel", "name": "a", "w": 40, "h": 20},
        {"type": "qtlabel", "name": "b", "w": 40, "h": 20, "visibility": false},
        {"type": "qtcontainer", "name": "inner", "w": 80, "h": 40, "child": [
            {"type": "qtbutton", "name": "c", "w": 30, "h": 20}]}]}]})";
    QTest::newRow("nested controls show with their top-level element")
        << rows << QStringList{"top", "a", "inner", "c"} << QStringList{"b"};
    QTest::newRow("a hidden top-level element shows nothing")
        << QByteArray(R"({"elements": [{"type": "qtcontainer", "name": "top", "visibility": false, "child": [
               {"type": "qtlabel", "name": "a"}]}]})")
        << QStringList() << QStringList{"top", "a"};
    QTest::newRow("each of several top-level elements")
        << QByteArray(R"({"elements": [{"type": "qtlabel", "name": "a", "w": 40, "h": 20},
               {"type": "qtlabel", "name": "b", "w": 40, "h": 20}, {"type": "qtlabel", "name": "c", "visibility": false}]})")
        << QStringList{"a", "b"} << QStringList{"c"};
}

// Reading leaves showing to the loader: a control is shown once, after it was placed.
void tst_PageBuild::pageShowsEachControlOnce()
{
    QFETCH(QByteArray, page);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QVERIFY(TestSupport::writeFile(m_dir.filePath(QStringLiteral("small.json")), page));
    QWidget host;
    host.resize(300, 200);
    host.show();
    EventCount events({QEvent::Show});
    kivCreatePageByFileName(&host, m_dir.filePath(QStringLiteral("small")));
    QCoreApplication::processEvents();
    for (const QString& name : shown) {
        QWidget* w = host.findChild<QWidget*>(name);
        QVERIFY2(w && w->isVisible(), qPrintable(name));
        QCOMPARE(events.of(name, QEvent::Show), 1);
        // Placed before it was shown, so it never lays out at a size it does not keep.
        QCOMPARE(events.shownAt(name), w->geometry());
    }
    for (const QString& name : hidden) {
        QWidget* w = host.findChild<QWidget*>(name);
        QVERIFY2(w && !w->isVisible(), qPrintable(name));
        QCOMPARE(events.of(name, QEvent::Show), 0);
    }
    // Outside a page build, reading shows the control as it always did.
    KIVQLabel direct(&host);
    Json::Value e = TestSupport::parseJson(R"({"name": "direct"})");
    direct.readJsonValue(&e);
    QVERIFY(direct.isVisible());
}

void tst_PageBuild::queuedLayoutRunsOnlyWhenPending_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("passes");
    QTest::newRow("a full pass answers the queued one") << "force" << 1;
    QTest::newRow("the queued pass runs when nothing else did") << "queue" << 1;
    QTest::newRow("each control added with its ratio, one pass") << "add" << 3;
}

void tst_PageBuild::queuedLayoutRunsOnlyWhenPending()
{
    QFETCH(QString, how);
    QFETCH(int, passes);
    KIVQContainer c;
    c.resize(300, 40);
    c.setChildLayout(KIVQContainer::Horizontal);
    c.show();
    QCoreApplication::processEvents();
    const int before = c.impl()->layoutPasses;
    for (int i = 0; i < 3; ++i) {
        if (how == QLatin1String("add"))
            c.addChildWidget(new KIVQLabel, 1);
        else
            new QWidget(&c); // each addition asks for a deferred pass
    }
    if (how == QLatin1String("force"))
        c.forceResize();
    QCoreApplication::processEvents();
    QCOMPARE(c.impl()->layoutPasses - before, passes);
    const QWidget* last = c.findChildren<QWidget*>().last();
    QCOMPARE(last->x(), 200);
    QCOMPARE(last->width(), 100);
}

// Children are watched only once a bar is bound; binding one later still follows them.
void tst_PageBuild::barBoundLaterTracksExistingChildren()
{
    KIVQContainer page;
    page.setChildLayout(KIVQContainer::HorFloat);
    page.setChildSpace(0);
    page.resize(120, 90);
    QList<QWidget*> rows;
    for (int i = 0; i < 3; ++i)
        rows << new QWidget(&page);
    page.show();
    page.forceResize();
    QWidget* last = rows.last();
    QCOMPARE(last->geometry(), QRect(0, 60, 100, 30));
    QVERIFY(!last->dynamicPropertyNames().contains(kBaseGeometryProperty));
    QCOMPARE(page.childBaseGeometry(last), last->geometry());

    auto* bar = new KIVQScrollBar;
    bar->setWidthHeight(10);
    page.bindScrollBar(bar, false);
    QVERIFY(bar->isHidden());
    // A child that grows by itself now makes the content scroll.
    last->resize(100, 150);
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->maximum(), 120);
    bar->setValue(20);
    QCOMPARE(last->y(), 40);
    QCOMPARE(page.childBaseGeometry(last).y(), 60);
}

// Containers place their children themselves, so a shown page asks none of them for a layout; deleted from
// the window, it takes its pixels with it though its children do not ask for a repaint.
void tst_PageBuild::shownPageAsksNoLayoutAndLeavesNoPixels()
{
    QVERIFY(TestSupport::writeFile(m_dir.filePath(QStringLiteral("asks.json")), R"({"elements": [{"type": "qtcontainer",
        "name": "top", "w": 200, "h": 40, "attr": {"childLayout": 0}, "child": [
        {"type": "qtlabel", "name": "l", "w": 30, "h": 20, "attr": {"text": "A caption far too long"}},
        {"type": "qtbutton", "name": "b", "w": 40, "h": 20, "attr": {"text": "Go"}}]}]})"));
    QWidget host;
    host.resize(200, 40);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const auto shown = [&host] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return host.screen()->grabWindow(host.winId()).toImage();
    };
    const QImage empty = shown();
    EventCount events({QEvent::LayoutRequest});
    QWidget* top = kivCreatePageByFileName(&host, m_dir.filePath(QStringLiteral("asks")));
    QVERIFY(top);
    QVERIFY(shown() != empty);
    QCOMPARE(events.of(QStringLiteral("top"), QEvent::LayoutRequest), 0);
    QVERIFY(top->findChild<QLabel*>(QStringLiteral("l"))->text().endsWith(QChar(0x2026)));
    delete top;
    QCOMPARE(shown(), empty);
}

void tst_PageBuild::labelRestylesOnlyOnChange_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("fontChanges");
    QTest::addColumn<int>("paletteChanges");
    QTest::newRow("same style again") << 14 << QColor(Qt::darkGreen) << 0 << 0;
    QTest::newRow("new colour") << 14 << QColor(Qt::red) << 0 << 1;
    QTest::newRow("new size") << 16 << QColor(Qt::darkGreen) << 1 << 0;
}

void tst_PageBuild::labelRestylesOnlyOnChange()
{
    QFETCH(int, size);
    QFETCH(QColor, colour);
    QFETCH(int, fontChanges);
    QFETCH(int, paletteChanges);
    TextStyleDesc style;
    style.size = 14;
    style.colour = Qt::darkGreen;
    KIVQLabel label;
    label.setObjectName(QStringLiteral("styled"));
    label.setTextStyle(CtrlNormal, style);
    style.size = size;
    style.colour = colour;
    EventCount events({QEvent::FontChange, QEvent::PaletteChange});
    label.setTextStyle(CtrlNormal, style);
    QCOMPARE(events.of(label.objectName(), QEvent::FontChange), fontChanges);
    QCOMPARE(events.of(label.objectName(), QEvent::PaletteChange), paletteChanges);
    QCOMPARE(label.font().pixelSize(), size);
    // Every colour group, the disabled one too, shows the style's colour.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(label.palette().color(group, QPalette::WindowText), colour);
}

void tst_PageBuild::fadeTimerMadeOnFirstHover()
{
    KIVQPushButton button;
    button.setFadeEnabled(true);
    QVERIFY(button.impl()->findChildren<QTimer*>().isEmpty());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(button.impl()->findChildren<QTimer*>().size(), 1);
    QVERIFY(button.impl()->fadeTimer()->isActive());
}

// Entries are decoded once per loaded theme: a theme loaded in its place is read afresh.
void tst_PageBuild::themeReloadDropsDecodedEntries()
{
    const QString dir = m_dir.filePath(QStringLiteral("theme2"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/style.json"), R"({"style": [
        {"type": 2, "name": "pageText", "clr": "ff804020", "size": 17, "family": "DejaVu Sans"}]})"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/theme.json"), GeneratedPage::themeEntries()));
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QVERIFY(!rm->themeStyleCache(nullptr));
    Json::Value element = TestSupport::parseJson(R"({"style": [["pageText", 2, 0]]})");
    QVERIFY(!rm->themeStyleCache(&element));

    KIVQLabel before; // the page theme of initTestCase
    QCOMPARE(before.font().pixelSize(), 11);
    QVERIFY(kivLoadThemeDir(dir.toUtf8().constData()));
    KIVQLabel after;
    QCOMPARE(after.font().pixelSize(), 17);
    QCOMPARE(after.palette().color(QPalette::WindowText), QColor(0x80, 0x40, 0x20));
    const ThemeStyleCache* cache = rm->themeStyleCache(rm->getThemeJsonValue("qtlabel"));
    QVERIFY(cache && cache->decoded);
    QCOMPARE(cache->entries.size(), 1);
}

void tst_PageBuild::everyTypeDecodesItsEntryOnce_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("entries");
    QTest::newRow("menu bar") << QByteArray("qtmenubar") << 2;
    QTest::newRow("list view") << QByteArray("qtlistview") << 1;
    QTest::newRow("scroll view") << QByteArray("qtscrollview") << 1;
    QTest::newRow("text edit") << QByteArray("qttext") << 2;
    QTest::newRow("line edit") << QByteArray("qtdedit") << 2;
}

// Each type reads its theme entry through the store's cache, and a control made later still gets the styles.
void tst_PageBuild::everyTypeDecodesItsEntryOnce()
{
    QFETCH(QByteArray, type);
    QFETCH(int, entries);
    const QString dir = m_dir.filePath(QStringLiteral("theme3"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/style.json"), GeneratedPage::themeStyles()));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/theme.json"), R"({"elements": [{"child": [
        {"name": "qtmenubar", "style": [["pageBg", 1, 0], ["pageText", 2, 5]]},
        {"name": "qtlistview", "style": [["pageBg", 1, 0]]},
        {"name": "qtscrollview", "style": [["pageBg", 1, 0]]},
        {"name": "qttext", "style": [["pageBg", 1, 0], ["pageText", 2, 4]]},
        {"name": "qtdedit", "style": [["pageBg", 1, 0], ["pageText", 2, 4]]}]}]})"));
    QVERIFY(kivLoadThemeDir(dir.toUtf8().constData()));
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    const ThemeStyleCache* cache = rm->themeStyleCache(rm->getThemeJsonValue(type.constData()));
    QVERIFY(cache && !cache->decoded);

    QImage shots[2];
    for (QImage& shot : shots) {
        const ControlCreateFunction create = kivFindCreateFunction(type.constData());
        QVERIFY(create);
        std::unique_ptr<QWidget> w(create());
        auto* control = dynamic_cast<IKIVQWidgetBase*>(w.get());
        QVERIFY(control);
        control->getControlImpl()->applyTheme(); // the text edit takes its entry only when asked
        QVERIFY(cache->decoded);
        QCOMPARE(cache->entries.size(), entries);
        w->resize(120, 40);
        shot = w->grab().toImage();
    }
    QCOMPARE(shots[1], shots[0]);
    // The page fill, not the untouched control's own background, in a corner no text or frame covers.
    QCOMPARE(shots[0].pixelColor(shots[0].width() / 2, shots[0].height() - 3), QColor(0xee, 0xf2, 0xf4));
}

QTEST_MAIN(tst_PageBuild)
#include "tst_PageBuild.moc"
