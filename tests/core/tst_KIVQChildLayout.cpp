#include "TestControl.h"

#include "controls/KIVQScrollBar.h"
#include "controls/KIVQSpacer.h"
#include "core/layout/KIVQChildLayout.h"
#include "core/layout/KIVQContainer.h"

#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(QMargins)

using namespace KIVQtLib;

namespace {

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return QSize(parts.value(0).toInt(), parts.value(1).toInt());
}

// One child from a token: a kind ("plain" widget, "ctl" control, "spacer") and key=value settings:
// s=WxH size, r ratio, wp / hp width and height policy, min=WxH, max=WxH, dir and th for a spacer,
// dock=h,v,dx,dy for absolute docking, "hide".
QWidget* makeChild(const QString& token, QWidget* parent)
{
    const QStringList words = token.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QWidget* w = nullptr;
    IKIVQWidgetBase* control = nullptr;
    KIVQSpacer* spacer = nullptr;
    if (words.value(0) == QLatin1String("ctl")) {
        auto* c = new TestControl(parent);
        w = c;
        control = c;
    } else if (words.value(0) == QLatin1String("spacer")) {
        spacer = new KIVQSpacer(parent);
        w = spacer;
        control = spacer;
    } else {
        w = new QWidget(parent);
    }
    for (const QString& word : words.mid(1)) {
        const QString key = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        if (key == QLatin1String("s"))
            w->resize(parseSize(value));
        else if (key == QLatin1String("min"))
            w->setMinimumSize(parseSize(value));
        else if (key == QLatin1String("max"))
            w->setMaximumSize(parseSize(value));
        else if (key == QLatin1String("r"))
            control->setLayoutRatio(value.toInt());
        else if (key == QLatin1String("wp"))
            control->setWidthPolicy(LayoutSizePolicy(value.toInt()));
        else if (key == QLatin1String("hp"))
            control->setHeightPolicy(LayoutSizePolicy(value.toInt()));
        else if (key == QLatin1String("dir"))
            spacer->setDirection(KIVQSpacer::Direction(value.toInt()));
        else if (key == QLatin1String("th"))
            spacer->setThickness(value.toInt());
        else if (key == QLatin1String("hide"))
            w->hide();
        else if (key == QLatin1String("dock")) {
            const QStringList d = value.split(QLatin1Char(','));
            control->setAbsoluteDock(DockLayoutType(d.value(0).toInt()), DockLayoutType(d.value(1).toInt()),
                                     d.value(2).toInt(), d.value(3).toInt());
        } else
            qFatal("unknown child key");
    }
    return w;
}

struct Page
{
    KIVQContainer container;
    QList<QWidget*> children;

    Page(const QSize& size, int mode, int space, const QMargins& padding, const QStringList& tokens)
    {
        container.resize(size);
        for (const QString& token : tokens)
            children << makeChild(token, &container);
        container.setChildSpace(space);
        container.setChildPadding(padding.left(), padding.top(), padding.right(), padding.bottom());
        container.setChildLayout(KIVQContainer::AutoChildLayout(mode));
    }

    QList<QRect> geometries() const
    {
        QList<QRect> out;
        for (QWidget* w : children)
            out << w->geometry();
        return out;
    }
};

QList<QRect> rects(std::initializer_list<QRect> list)
{
    return QList<QRect>(list);
}

} // namespace

// The placement arithmetic of ratio rows and columns, spacers, flowing layouts and docking.
class tst_KIVQChildLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arrangement_data();
    void arrangement();
    void hostileNumbersStayBounded_data();
    void hostileNumbersStayBounded();
    void ratioChangeRelaysOut();
    void autoSizedDockedContainer();
    void preferredAndNaturalSizes();
};

void tst_KIVQChildLayout::arrangement_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("space");
    QTest::addColumn<QMargins>("padding");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QList<QRect>>("expected");

    const QMargins none;
    const QStringList three{"plain s=50x20", "plain s=50x20", "plain s=50x20"};

    QTest::newRow("row 1:1:1 with gap, leftover to last")
        << QSize(300, 100) << 0 << 10 << none << three << rects({{0, 0, 93, 20}, {103, 0, 93, 20}, {206, 0, 94, 20}});
    QTest::newRow("column 1:1:1 with gap")
        << QSize(100, 300) << 1 << 10 << none << QStringList{"plain s=20x50", "plain s=20x50", "plain s=20x50"}
        << rects({{0, 0, 20, 93}, {0, 103, 20, 93}, {0, 206, 20, 94}});
    QTest::newRow("ratio 1:2 inside padding")
        << QSize(300, 100) << 0 << 0 << QMargins(10, 10, 10, 10) << QStringList{"ctl s=10x20 r=1", "ctl s=10x20 r=2"}
        << rects({{10, 10, 93, 20}, {103, 10, 187, 20}});
    QTest::newRow("only height policy 0 stretches across")
        << QSize(300, 100) << 0 << 0 << QMargins(0, 5, 0, 5)
        << QStringList{"ctl s=10x20 hp=0", "ctl s=10x20", "plain s=10x20"}
        << rects({{0, 5, 100, 90}, {100, 5, 100, 20}, {200, 5, 100, 20}});
    QTest::newRow("width policy 0 stretches a column's children")
        << QSize(100, 200) << 1 << 0 << QMargins(4, 0, 6, 0) << QStringList{"ctl s=10x20 wp=0", "ctl s=10x20"}
        << rects({{4, 0, 90, 100}, {4, 100, 10, 100}});
    QTest::newRow("fixed width beside a flexible child")
        << QSize(400, 100) << 0 << 10 << none << QStringList{"ctl s=120x20 wp=1", "plain s=10x20"}
        << rects({{0, 0, 120, 20}, {130, 0, 270, 20}});
    QTest::newRow("flexible child before a fixed one")
        << QSize(400, 100) << 0 << 10 << none << QStringList{"plain s=10x20", "ctl s=120x20 wp=1"}
        << rects({{0, 0, 270, 20}, {280, 0, 120, 20}});
    QTest::newRow("fixed child wider than the row is cut to it")
        << QSize(300, 100) << 0 << 0 << none << QStringList{"ctl s=500x20 wp=1", "plain s=10x20"}
        << rects({{0, 0, 300, 20}, {300, 0, 0, 20}});
    QTest::newRow("maximum-limited child leaves the rest to the next")
        << QSize(300, 100) << 0 << 0 << none << QStringList{"plain s=10x20 max=50x100", "plain s=10x20"}
        << rects({{0, 0, 50, 20}, {50, 0, 250, 20}});
    QTest::newRow("minimum wins over the share")
        << QSize(300, 100) << 0 << 0 << none << QStringList{"plain s=10x20 min=200x0", "plain s=10x20"}
        << rects({{0, 0, 200, 20}, {200, 0, 100, 20}});
    QTest::newRow("hidden children take their share")
        << QSize(300, 100) << 0 << 0 << none << QStringList{"plain s=10x20 hide", "plain s=10x20"}
        << rects({{0, 0, 150, 20}, {150, 0, 150, 20}});
    QTest::newRow("spacers share 1:2 beside fixed-size children")
        << QSize(300, 100) << 0 << 0 << none
        << QStringList{"plain s=60x20", "spacer r=1 s=0x10", "plain s=60x20", "spacer r=2 s=0x10"}
        << rects({{0, 0, 60, 20}, {60, 0, 60, 10}, {120, 0, 60, 20}, {180, 0, 120, 10}});
    QTest::newRow("shrink pass cuts in proportion to the slack")
        << QSize(300, 100) << 0 << 0 << none
        << QStringList{"plain s=200x20 min=100x0", "plain s=150x20 min=50x0", "spacer s=0x10"}
        << rects({{0, 0, 175, 20}, {175, 0, 125, 20}, {300, 0, 0, 10}});
    QTest::newRow("shrink stops at the minimums")
        << QSize(300, 100) << 0 << 0 << none
        << QStringList{"plain s=200x20 min=190x0", "plain s=150x20 min=140x0", "spacer s=0x10"}
        << rects({{0, 0, 190, 20}, {190, 0, 140, 20}, {300, 0, 0, 10}}); // Qt keeps the minimum
    QTest::newRow("spacer thickness is its cross size")
        << QSize(300, 100) << 0 << 10 << none << QStringList{"spacer th=7 s=0x30", "plain s=50x20"}
        << rects({{0, 0, 240, 7}, {250, 0, 50, 20}});
    QTest::newRow("horizontal spacer is an ordinary child in a column")
        << QSize(100, 300) << 1 << 0 << none << QStringList{"spacer dir=1 s=20x20", "plain s=20x20"}
        << rects({{0, 0, 20, 150}, {0, 150, 20, 150}});
    QTest::newRow("vertical spacer stretches in a column")
        << QSize(100, 300) << 1 << 0 << none << QStringList{"spacer dir=2 s=20x0", "plain s=20x100"}
        << rects({{0, 0, 20, 200}, {0, 200, 20, 100}});
    QTest::newRow("docked child centred and at the bottom with offsets and padding")
        << QSize(400, 300) << 0 << 0 << QMargins(10, 10, 10, 10)
        << QStringList{"ctl s=100x50 dock=1,2,5,-5", "plain s=10x20"}
        << rects({{155, 235, 100, 50}, {10, 10, 380, 20}});
    QTest::newRow("docked child wider than the area is cut to it")
        << QSize(400, 300) << 0 << 0 << QMargins(10, 10, 10, 10) << QStringList{"ctl s=500x50 dock=2,0,0,0"}
        << rects({{10, 10, 380, 50}});
    QTest::newRow("docked in a flowing layout")
        << QSize(400, 300) << 2 << 0 << none << QStringList{"plain s=50x20", "ctl s=40x40 dock=2,1,0,0"}
        << rects({{0, 0, 50, 20}, {360, 130, 40, 40}});
    QTest::newRow("row flow wraps") << QSize(250, 200) << 2 << 10 << none
                                    << QStringList{"plain s=100x40", "plain s=100x30", "plain s=100x40"}
                                    << rects({{0, 0, 100, 40}, {110, 0, 100, 30}, {0, 50, 100, 40}});
    QTest::newRow("row flow keeps a too wide first child alone")
        << QSize(200, 200) << 2 << 0 << QMargins(5, 5, 5, 5)
        << QStringList{"plain s=300x20", "plain s=50x20", "plain s=50x10"}
        << rects({{5, 5, 300, 20}, {5, 25, 50, 20}, {55, 25, 50, 10}});
    QTest::newRow("row flow with a gap keeps a too wide first child on the first line")
        << QSize(200, 200) << 2 << 10 << QMargins(5, 5, 5, 5)
        << QStringList{"plain s=300x20", "plain s=50x20", "plain s=50x10"}
        << rects({{5, 5, 300, 20}, {5, 35, 50, 20}, {65, 35, 50, 10}});
    QTest::newRow("column flow wraps") << QSize(200, 100) << 3 << 10 << none
                                       << QStringList{"plain s=40x60", "plain s=30x60", "plain s=20x20"}
                                       << rects({{0, 0, 40, 60}, {50, 0, 30, 60}, {50, 70, 20, 20}});
}

void tst_KIVQChildLayout::arrangement()
{
    QFETCH(QSize, size);
    QFETCH(int, mode);
    QFETCH(int, space);
    QFETCH(QMargins, padding);
    QFETCH(QStringList, children);
    QFETCH(QList<QRect>, expected);

    Page page(size, mode, space, padding, children);
    QCOMPARE(page.geometries(), expected);
    // Unscrolled, the base geometry is the geometry.
    for (QWidget* w : page.children)
        QCOMPARE(page.container.childBaseGeometry(w), w->geometry());
}

void tst_KIVQChildLayout::hostileNumbersStayBounded_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("space");
    QTest::addColumn<QMargins>("padding");
    QTest::addColumn<QStringList>("children");

    const QMargins none;
    QTest::newRow("huge ratios") << QSize(300, 100) << 0 << none
                                 << QStringList{"ctl r=2147483647", "ctl r=2147483647", "spacer r=2147483647",
                                                "spacer r=2147483647"};
    QTest::newRow("zero-size container") << QSize(0, 0) << 10 << QMargins(10, 10, 10, 10)
                                         << QStringList{"plain s=50x50", "spacer", "ctl hp=0 wp=0"};
    QTest::newRow("huge padding") << QSize(300, 100) << 0 << QMargins(INT_MAX, INT_MAX, INT_MAX, INT_MAX)
                                  << QStringList{"plain s=50x50", "ctl dock=1,1,0,0", "spacer"};
    QTest::newRow("most negative padding") << QSize(300, 100) << 0 << QMargins(INT_MIN, INT_MIN, INT_MIN, INT_MIN)
                                           << QStringList{"plain s=50x50", "ctl dock=2,2,0,0", "spacer"};
    QTest::newRow("huge space") << QSize(300, 100) << INT_MAX << none
                                << QStringList{"plain", "plain", "spacer", "ctl wp=1"};
    QTest::newRow("huge offsets") << QSize(300, 100) << 0 << none
                                  << QStringList{"ctl dock=1,2,2147483647,-2147483648", "ctl dock=2,0,-2147483648,0"};
    QTest::newRow("largest widgets") << QSize(300, 100) << 0 << none
                                     << QStringList{"plain s=16777215x16777215 min=16777215x16777215",
                                                    "ctl s=16777215x16777215 wp=1 hp=1", "spacer"};
}

void tst_KIVQChildLayout::hostileNumbersStayBounded()
{
    QFETCH(QSize, size);
    QFETCH(int, space);
    QFETCH(QMargins, padding);
    QFETCH(QStringList, children);

    for (int mode = 0; mode <= 3; ++mode) {
        for (bool bars : {false, true}) {
            Page page(size, mode, space, padding, children);
            if (bars) {
                page.container.bindScrollBar(new KIVQScrollBar, true);
                page.container.bindScrollBar(new KIVQScrollBar, false);
                page.container.setScrollPos(true, INT_MAX);
                page.container.setScrollPos(false, INT_MAX);
            }
            for (QWidget* w : page.children) {
                const QRect r = w->geometry();
                QVERIFY(r.width() >= 0 && r.height() >= 0);
                QVERIFY(qAbs(qint64(r.x())) <= (qint64(1) << 29) && qAbs(qint64(r.y())) <= (qint64(1) << 29));
            }
        }
    }
}

void tst_KIVQChildLayout::ratioChangeRelaysOut()
{
    Page page(QSize(300, 50), 0, 0, QMargins(), {"ctl s=10x10", "ctl s=10x10"});
    QCOMPARE(page.children[0]->width(), 150);
    static_cast<TestControl*>(page.children[1])->setLayoutRatio(2);
    QCOMPARE(page.children[0]->width(), 100);
    QCOMPARE(page.children[1]->geometry(), QRect(100, 0, 200, 10));
}

void tst_KIVQChildLayout::autoSizedDockedContainer()
{
    KIVQContainer outer;
    outer.resize(400, 300);
    auto* inner = new KIVQContainer(&outer);
    inner->resize(400, 100); // room enough that its own layout leaves the fixed child as it is
    inner->setChildLayout(KIVQContainer::Horizontal);
    inner->setChildSpace(5);
    inner->setChildPadding(2, 3, 4, 5);
    auto* a = new QWidget(inner);
    a->setMinimumSize(30, 20);
    auto* b = new TestControl(inner);
    b->resize(70, 10);
    b->setWidthPolicy(PolicyFixed);
    b->setHeightPolicy(PolicyFixed);
    inner->setAbsoluteDock(DockRightBottom, DockCenter, 0, 0);
    inner->setAbsoluteDockAutoSize(true);
    outer.setChildLayout(KIVQContainer::Vertical);

    // Content 30 + 5 + 70 wide and 20 high, plus the padding.
    QCOMPARE(KIVQChildLayout::preferredContentSize(inner), QSize(2 + 105 + 4, 3 + 20 + 5));
    QCOMPARE(inner->geometry(), QRect(400 - 111, (300 - 28) / 2, 111, 28));
    // The docked container laid out its own children in the size it was given.
    QCOMPARE(a->geometry(), QRect(2, 3, 30, 20));
    QCOMPARE(b->geometry(), QRect(37, 3, 70, 10));
}

void tst_KIVQChildLayout::preferredAndNaturalSizes()
{
    QVERIFY(!KIVQChildLayout::preferredContentSize(nullptr).isValid());
    KIVQContainer c;
    QVERIFY(!KIVQChildLayout::preferredContentSize(&c).isValid()); // not auto-sized
    c.setAbsoluteDockAutoSize(true);
    QCOMPARE(KIVQChildLayout::preferredContentSize(&c), QSize(0, 0));

    // No layout: the union of the children's rectangles at their natural sizes.
    auto* a = new QWidget(&c);
    a->setGeometry(10, 20, 5, 5);
    a->setMinimumSize(40, 30);
    QCOMPARE(KIVQChildLayout::naturalChildSize(a), QSize(40, 30));
    auto* b = new QWidget(&c);
    b->setGeometry(100, 0, 5, 5);
    b->setMinimumSize(8, 8);
    QCOMPARE(KIVQChildLayout::naturalChildSize(b), QSize(8, 8));
    QCOMPARE(KIVQChildLayout::preferredContentSize(&c), QSize(108, 50));
}

QTEST_MAIN(tst_KIVQChildLayout)
#include "tst_KIVQChildLayout.moc"
