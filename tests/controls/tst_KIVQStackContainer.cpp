#include "ControlTestHelpers.h"

#include "controls/KIVQStackContainer.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QPointer>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

// Counts the events of one type that reach a widget.
class EventCounter : public QObject
{
public:
    EventCounter(QWidget* watched, QEvent::Type type) : m_type(type) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

// Pages a..d, named by their object names; "-" stands for a missing page.
QString pageNames(const KIVQStackContainer& stack)
{
    QStringList names;
    for (int i = 0; i < stack.count(); ++i)
        names << stack.widget(i)->objectName();
    return names.join(QLatin1Char(' '));
}

} // namespace

class tst_KIVQStackContainer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void pageOperations_data();
    void pageOperations();
    void refreshSettles();
    void backgroundJson();
};

void tst_KIVQStackContainer::pageOperations_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("lastResult");

    const auto row = [](const char* name, const char* script, const char* pages, const char* current, int last) {
        QTest::newRow(name) << QString::fromLatin1(script) << QString::fromLatin1(pages) << QString::fromLatin1(current)
                            << last;
    };
    // +p add, iNp insert at N, -p remove, sN set current index, cp set current page, xp delete the page,
    // rp give the page to another parent; @ is the container itself, ^ the widget holding it;
    // lastResult is what the last add or insert returned.
    row("first page added becomes current", "+a +b", "a b", "a", 1);
    row("null page is refused", "+a +-", "a", "a", -1);
    row("the container itself is refused", "+a +@", "a", "a", -1);
    row("a widget holding the container is refused", "+a i0^", "a", "a", -1);
    row("insert before the current page keeps it current", "+a i0c", "c a", "a", 0);
    row("insert past the end appends", "+a i9c", "a c", "a", 1);
    row("moving a held page past the end appends it", "+a +b +c i5a", "b c a", "a", 2);
    row("moving a page to its own index changes nothing", "+a +b i1b", "a b", "a", 1);
    row("moving a page behind the current shifts it", "+a +b +c s1 i0c", "c a b", "b", 0);
    row("current index out of range is ignored", "+a +b s2 s-1", "a b", "a", 1);
    row("current page by widget", "+a +b cb", "a b", "b", 1);
    row("unknown page cannot become current", "+a cb", "a", "a", 0);
    row("removing the current page shows the next", "+a +b +c s1 -b", "a c", "c", 2);
    row("removing the current last page shows the new last", "+a +b s1 -b", "a", "a", 1);
    row("removing a page before the current shifts it", "+a +b s1 -a", "b", "b", 1);
    row("removing a page after the current changes nothing", "+a +b -b", "a", "a", 1);
    row("removing the only page leaves none", "+a -a", "", "", 0);
    row("removing an unknown page changes nothing", "+a -b", "a", "a", 0);
    row("a deleted current page gives way to the next", "+a +b +c s1 xb", "a c", "c", 2);
    row("a deleted page before the current shifts it", "+a +b +c s2 xa", "b c", "c", 2);
    row("a deleted last page leaves none", "+a xa", "", "", 0);
    row("a current page given away gives way to the next", "+a +b +c s1 rb", "a c", "c", 2);
    row("a page given away before the current shifts it", "+a +b s1 ra", "b", "b", 1);
}

void tst_KIVQStackContainer::pageOperations()
{
    QFETCH(QString, script);
    QFETCH(QString, pages);
    QFETCH(QString, current);
    QFETCH(int, lastResult);

    QWidget holder; // owns the pages never added; the stack, made after it, goes first
    QWidget window;
    auto& stack = *new KIVQStackContainer(&window);
    stack.resize(200, 120);
    QMap<QChar, QPointer<QWidget>> byName;
    for (QChar name : QStringLiteral("abcd")) {
        auto* page = new QWidget(&holder);
        page->setObjectName(name);
        byName[name] = page;
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    int result = 0;
    for (const QString& op : script.split(QLatin1Char(' '))) {
        QWidget* page = op.back() == QLatin1Char('@')   ? &stack
                        : op.back() == QLatin1Char('^') ? &window
                                                        : byName.value(op.back()).data();
        switch (op.front().toLatin1()) {
        case '+':
            result = stack.addWidget(page);
            break;
        case 'i':
            result = stack.insertWidget(op.midRef(1, op.size() - 2).toInt(), page);
            break;
        case '-':
            stack.removeWidget(page);
            break;
        case 's':
            stack.setCurrentIndex(op.midRef(1).toInt());
            break;
        case 'c':
            stack.setCurrentWidget(page);
            break;
        case 'x':
            delete page;
            break;
        case 'r':
            page->setParent(&holder);
            break;
        }
    }
    QCOMPARE(result, lastResult);
    QCOMPARE(pageNames(stack), pages);
    QCOMPARE(stack.currentWidget() ? stack.currentWidget()->objectName() : QString(), current);
    QCOMPARE(stack.currentIndex(), current.isEmpty() ? -1 : pages.split(QLatin1Char(' ')).indexOf(current));

    // Only the current page shows; every page fills the container, also after a resize.
    stack.resize(260, 90);
    for (int i = 0; i < stack.count(); ++i) {
        QWidget* page = stack.widget(i);
        QCOMPARE(page->parentWidget(), &stack);
        QCOMPARE(page->isVisible(), i == stack.currentIndex());
        QCOMPARE(page->geometry(), QRect(0, 0, 260, 90));
    }
}

void tst_KIVQStackContainer::refreshSettles()
{
    // Refreshing the page once asked its parent for a new layout, which refreshed it again, forever.
    QWidget window;
    window.resize(400, 300);
    auto* stack = new KIVQStackContainer(&window);
    stack->setGeometry(0, 0, 400, 300);
    auto* page = new KIVQContainer;
    page->setChildLayout(KIVQContainer::Vertical);
    page->addChildWidget(new KIVQContainer, 1);
    page->addChildWidget(new KIVQContainer, 2);
    stack->addWidget(page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    EventCounter requests(stack, QEvent::LayoutRequest);
    stack->resize(300, 240);
    QTest::qWait(200);
    QVERIFY2(requests.count <= 4, qPrintable(QString::number(requests.count)));
    QCOMPARE(page->geometry(), QRect(0, 0, 300, 240));
}

void tst_KIVQStackContainer::backgroundJson()
{
    kivSetFillStyle(QStringLiteral("paper"), namedFill(QStringLiteral("paper"), 0xff336699));
    kivSetFillStyle(QStringLiteral("grey"), namedFill(QStringLiteral("grey"), 0xff777777));
    KIVQStackContainer stack;
    stack.resize(40, 30);
    Json::Value element = parseJson(R"({"style": [["paper", 1, 0], ["grey", 1, 1], ["paper", 1, 5]]})");
    QVERIFY(stack.readJsonValue(&element));
    QCOMPARE(stack.grab().toImage().pixelColor(20, 15), QColor(0x33, 0x66, 0x99));
    stack.setEnabled(false);
    QCOMPARE(stack.grab().toImage().pixelColor(20, 15), QColor(0x77, 0x77, 0x77));

    element = parseJson(R"({"attr": {"drawBackground": false}})");
    stack.readJsonValue(&element);
    QVERIFY(!stack.getDrawBackground());
    const Json::Value written = writeControl(&stack);
    QCOMPARE(compactJson(written["style"]), QByteArray(R"([["paper",1,0],["grey",1,1]])"));
    QCOMPARE(compactJson(written["attr"]["drawBackground"]), QByteArray("0"));
}

QTEST_MAIN(tst_KIVQStackContainer)
#include "tst_KIVQStackContainer.moc"
