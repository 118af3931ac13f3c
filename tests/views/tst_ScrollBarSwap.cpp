// Scrollable controls after a caller installs bars of its own in place of the ones the control made:
// every scroll-bar setter and child block must reach the new bars, never the deleted ones.

#include "ViewTestHelpers.h"

#include "controls/KIVQScrollBar.h"
#include "controls/KIVQScrollView.h"
#include "controls/KIVQTextEdit.h"
#include "views/KIVQList.h"
#include "views/KIVQListView.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTreeView.h"

#include <QPointer>
#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

struct Subject
{
    std::unique_ptr<QAbstractScrollArea> area;
    ScrollBarStyling* styling = nullptr;
    IKIVQWidgetBase* control = nullptr;
};

template <class T> Subject make()
{
    auto* w = new T;
    return {std::unique_ptr<QAbstractScrollArea>(w), w, w};
}

Subject makeSubject(const QString& kind)
{
    if (kind == QLatin1String("table view"))
        return make<KIVQTableView>();
    if (kind == QLatin1String("list view"))
        return make<KIVQListView>();
    if (kind == QLatin1String("scroll view"))
        return make<KIVQScrollView>();
    if (kind == QLatin1String("text edit"))
        return make<KIVQTextEdit>();
    if (kind == QLatin1String("list"))
        return make<KIVQList>();
    return make<KIVQTreeView>();
}

QScrollBar* barOf(const Subject& s, bool hor)
{
    return hor ? s.area->horizontalScrollBar() : s.area->verticalScrollBar();
}

// Every setter for both bars, then a child block every control reads.
void styleBars(Subject& s)
{
    FillStyle fill;
    lookupStyle(QStringLiteral("Fill"), fill);
    IconStyleDesc icon;
    icon.offsetX = 3;
    for (bool hor : {false, true}) {
        s.styling->setScrollbarBackgroundStyle(hor, fill);
        s.styling->setScrollbarButtonStyle(hor, true, CtrlState(kAllStates), fill);
        s.styling->setScrollbarButtonStyle(hor, false, CtrlState(1), fill);
        s.styling->setScrollbarThumbStyle(hor, CtrlState(2), fill);
        s.styling->setScrollbarButtonIcon(hor, false, QStringLiteral("down.svg"));
        s.styling->setScrollbarButtonIconStyle(hor, true, icon);
        s.styling->setScrollbarThumb(hor, QStringLiteral("thumb.svg"));
        s.styling->setScrollbarBtnSize(hor, 6);
        s.styling->setScrollbarSize(hor, 10);
    }
    Json::Value element = parseJson(R"({"child":[{"type":"scrollbar","attr":{"upicon":"up.svg","size":7},"w":11,)"
                                     R"("style":[["Other",1,0],["Other",1,10]]}]})");
    s.control->readJsonValue(&element);
}

// What a KIVQScrollBar shows of its styling.
QString looks(const QScrollBar* bar)
{
    const auto* styled = qobject_cast<const KIVQScrollBar*>(bar);
    if (!styled)
        return QStringLiteral("plain");
    return QStringList{styled->getScrollbarBackground().name,
                       styled->getScrollbarUpButton(CtrlState(0)).name,
                       styled->getScrollbarDownButton(CtrlState(1)).name,
                       styled->getScrollbarThumb(CtrlState(2)).name,
                       styled->getScrollbarThumb(CtrlState(0)).name,
                       styled->getScrollbarBtnIcon(true),
                       styled->getScrollbarBtnIcon(false),
                       QString::number(styled->getScrollbarIconStyle(true).offsetX),
                       styled->getScrollbarThumbIcon()}
        .join(QLatin1Char(' '));
}

} // namespace

class tst_ScrollBarSwap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        init();
        registerTestStyles(0xff000000);
    }
    void installedBarsTakeTheStyling_data();
    void installedBarsTakeTheStyling();
};

void tst_ScrollBarSwap::installedBarsTakeTheStyling_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("plain");
    for (const char* kind : {"table view", "list view", "scroll view", "text edit", "list", "tree view"}) {
        QTest::addRow("%s, themed bars", kind) << QString::fromLatin1(kind) << false;
        QTest::addRow("%s, plain bars", kind) << QString::fromLatin1(kind) << true;
    }
}

void tst_ScrollBarSwap::installedBarsTakeTheStyling()
{
    QFETCH(QString, kind);
    QFETCH(bool, plain);
    Subject reference = makeSubject(kind);
    Subject s = makeSubject(kind);
    const QPointer<QScrollBar> madeV = barOf(s, false);
    const QPointer<QScrollBar> madeH = barOf(s, true);
    for (bool hor : {false, true}) {
        const Qt::Orientation o = hor ? Qt::Horizontal : Qt::Vertical;
        QScrollBar* bar = plain ? new QScrollBar(o) : new KIVQScrollBar(o);
        if (hor)
            s.area->setHorizontalScrollBar(bar);
        else
            s.area->setVerticalScrollBar(bar);
    }
    QVERIFY(!madeV && !madeH); // the area deleted the control's own bars

    styleBars(reference);
    styleBars(s);
    for (bool hor : {false, true}) {
        QVERIFY(!barOf(reference, hor)->styleSheet().isEmpty());
        QCOMPARE(barOf(s, hor)->styleSheet(), barOf(reference, hor)->styleSheet());
        QCOMPARE(looks(barOf(s, hor)), plain ? QStringLiteral("plain") : looks(barOf(reference, hor)));
    }
    if (auto* table = qobject_cast<KIVQTableView*>(s.area.get()))
        QCOMPARE(table->scrollBar(false), qobject_cast<KIVQScrollBar*>(barOf(s, false)));
}

QTEST_MAIN(tst_ScrollBarSwap)
#include "tst_ScrollBarSwap.moc"
