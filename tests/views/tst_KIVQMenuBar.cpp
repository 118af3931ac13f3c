#include "ViewTestHelpers.h"

#include "views/KIVQMenu.h"
#include "views/KIVQMenuBar.h"
#include "views/KIVQMenuBarImpl.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

const QRgb kNormal = 0xff3060a0;
const QRgb kHot = 0xffc04020;
const QRgb kBack = 0xff202020;

// Background, item fills, text styles, popup background, popup item fills, popup text styles.
QString slotLetters(const KIVQMenuBar& bar)
{
    const KIVQMenuBarImpl* d = bar.impl();
    return QStringLiteral("b%1 i%2 t%3 p%4 q%5 x%6")
        .arg(letter(d->background.name), letters(d->itemBackgrounds), letters(d->textStyles),
             letter(d->popupBackground.name), letters(d->popupItemBackgrounds), letters(d->popupTextStyles));
}

} // namespace

class tst_KIVQMenuBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void styleCodes_data();
    void styleCodes();
    void styleRoundTrip_data();
    void styleRoundTrip();
    void hotItemFollowsMouse();
};

void tst_KIVQMenuBar::initTestCase()
{
    init();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    for (const char* name : {"Fill", "Other", "Pop", "Quiet"})
        kivSetFillStyle(QLatin1String(name), namedFill(QLatin1String(name), 0xff808080));
    kivSetTextStyle(QStringLiteral("Text"), namedText(QStringLiteral("Text"), 0xff101010));
    TextStyleDesc big = namedText(QStringLiteral("Big"), 0xff101010);
    big.size = 20;
    kivSetTextStyle(big.name, big);
}

void tst_KIVQMenuBar::styleCodes_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("fontPixels"); // 0: the bar's font is left alone

    QTest::newRow("code 0 the background") << QByteArray(R"([["Fill", 1, 0]])") << "bF i---- t---- p- q---- x----" << 0;
    QTest::newRow("code 1 every item fill, 3 one of them")
        << QByteArray(R"([["Fill", 1, 1], ["Other", 1, 3]])") << "b- iFFOF t---- p- q---- x----" << 0;
    QTest::newRow("code 5 with a 12-px style gives a 13-px font")
        << QByteArray(R"([["Text", 2, 5]])") << "b- i---- tTTTT p- q---- x----" << 13;
    QTest::newRow("code 5 with a 20-px style gives a 21-px font")
        << QByteArray(R"([["Big", 2, 5]])") << "b- i---- tBBBB p- q---- x----" << 21;
    QTest::newRow("codes 6 to 8 leave the font")
        << QByteArray(R"([["Big", 2, 6], ["Big", 2, 7], ["Big", 2, 8]])") << "b- i---- t-BBB p- q---- x----" << 0;
    // A name the store lacks is kept for the save; the look stays.
    QTest::newRow("code 5 with a missing name leaves the font")
        << QByteArray(R"([["Absent", 2, 5]])") << "b- i---- tAAAA p- q---- x----" << 0;
    QTest::newRow("first code 9: popup background and every popup item fill")
        << QByteArray(R"([["Pop", 1, 9]])") << "b- i---- t---- pP qPPPP x----" << 0;
    QTest::newRow("a later code 9: the popup item fills only")
        << QByteArray(R"([["Pop", 1, 9], ["Quiet", 1, 9], ["Fill", 1, 11]])") << "b- i---- t---- pP qQQFQ x----" << 0;
    QTest::newRow("codes 10 to 12 one popup item fill each")
        << QByteArray(R"([["Pop", 1, 10], ["Quiet", 1, 12]])") << "b- i---- t---- p- q-P-Q x----" << 0;
    QTest::newRow("code 13 every popup text style, 16 the last")
        << QByteArray(R"([["Text", 2, 13], ["Big", 2, 16]])") << "b- i---- t---- p- q---- xTTTB" << 0;
    QTest::newRow("unknown codes change nothing")
        << QByteArray(R"([["Fill", 1, 17], ["Fill", 1, -1], ["Fill"], 5])") << "b- i---- t---- p- q---- x----" << 0;
    QTest::newRow("a missing first code 9 is kept by the popup and its items")
        << QByteArray(R"([["Absent", 1, 9]])") << "b- i---- t---- pA qAAAA x----" << 0;
}

void tst_KIVQMenuBar::styleCodes()
{
    QFETCH(QByteArray, styles);
    QFETCH(QString, expected);
    QFETCH(int, fontPixels);
    KIVQMenuBar bar;
    const QFont before = bar.font();
    readStyle(&bar, styles);
    QCOMPARE(slotLetters(bar), expected);
    if (fontPixels)
        QCOMPARE(bar.font().pixelSize(), fontPixels);
    else
        QCOMPARE(bar.font(), before);
}

void tst_KIVQMenuBar::styleRoundTrip_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("popup background ahead of the popup item fills")
        << QByteArray(R"([["Pop", 1, 9], ["Quiet", 1, 9]])") << QByteArray(R"([["Pop",1,9],["Quiet",1,9]])");
    QTest::newRow("differing popup item fills, one entry each")
        << QByteArray(R"([["Pop", 1, 9], ["Quiet", 1, 9], ["Fill", 1, 10], ["Text", 2, 13]])")
        << QByteArray(R"([["Pop",1,9],["Quiet",1,9],["Fill",1,10],["Quiet",1,11],["Quiet",1,12],["Text",2,13]])");
    QTest::newRow("every group")
        << QByteArray(R"([["Fill", 1, 0], ["Other", 1, 1], ["Fill", 1, 2], ["Text", 2, 5], ["Pop", 1, 9]])")
        << QByteArray(R"([["Fill",1,0],["Other",1,1],["Fill",1,2],["Other",1,3],["Other",1,4],["Text",2,5],)"
                      R"(["Pop",1,9],["Pop",1,9]])");
}

void tst_KIVQMenuBar::styleRoundTrip()
{
    QFETCH(QByteArray, styles);
    QFETCH(QByteArray, written);
    KIVQMenuBar bar;
    readStyle(&bar, styles);
    QCOMPARE(writtenStyle(&bar), written);
}

void tst_KIVQMenuBar::hotItemFollowsMouse()
{
    QWidget window;
    window.resize(400, 100);
    auto* bar = new KIVQMenuBar(&window);
    bar->setGeometry(0, 0, 400, 30);
    bar->setBackground(CommonNormal, namedFill(QStringLiteral("Back"), kBack));
    bar->setItemBackground(CtrlState(kAllStates), namedFill(QStringLiteral("Normal"), kNormal));
    bar->setItemBackground(CtrlHover, namedFill(QStringLiteral("Hot"), kHot));
    for (const char* title : {"File", "Ward", "Help"})
        bar->addMenu(new KIVQMenu(QLatin1String(title), bar));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto item = [&](int i) { return bar->actionGeometry(bar->actions().at(i)); };
    const auto fills = [&] {
        const QImage image = bar->grab().toImage();
        QString out;
        for (int i = 0; i < 3; ++i) {
            const QRgb c = image.pixel(item(i).left() + 1, bar->height() - 2);
            out += c == kHot ? QLatin1Char('H') : (c == kNormal ? QLatin1Char('n') : QLatin1Char('?'));
        }
        return out;
    };
    QCOMPARE(fills(), QStringLiteral("nnn"));
    QCOMPARE(bar->grab().toImage().pixel(bar->width() - 2, 2), kBack);

    PaintCounter counter;
    bar->installEventFilter(&counter);
    sendMouse(bar, QEvent::MouseMove, item(1).center());
    QCOMPARE(fills(), QStringLiteral("nHn"));
    const int paints = counter.paints;
    sendMouse(bar, QEvent::MouseMove, item(1).center() + QPoint(2, 0));
    QCOMPARE(counter.paints, paints);
    sendMouse(bar, QEvent::MouseMove, item(2).center());
    QCOMPARE(fills(), QStringLiteral("nnH"));
    sendMouse(bar, QEvent::MouseMove, QPoint(bar->width() - 5, 5));
    QCOMPARE(fills(), QStringLiteral("nnH"));

    sendEvent(bar, QEvent::Leave);
    QCOMPARE(fills(), QStringLiteral("nnn"));
    const int afterLeave = counter.paints;
    sendEvent(bar, QEvent::Leave);
    QCOMPARE(counter.paints, afterLeave);

    // With one menu open, the pointer on another title opens that one instead.
    const auto menu = [&](int i) { return bar->actions().at(i)->menu(); };
    for (int i = 0; i < 3; ++i)
        menu(i)->addAction(QStringLiteral("Bed %1").arg(i));
    bar->setActiveAction(bar->actions().at(1));
    QTRY_VERIFY(menu(1)->isVisible());
    // Moves from the window system reach the open menu first; Qt's own synthesised ones the bar ignores.
    QTest::mouseMove(window.windowHandle(), bar->mapTo(&window, item(2).center()));
    QTRY_VERIFY(menu(2)->isVisible());
    QVERIFY(!menu(1)->isVisible());
    QCOMPARE(fills(), QStringLiteral("nnH"));
    menu(2)->hide();
}

QTEST_MAIN(tst_KIVQMenuBar)
#include "tst_KIVQMenuBar.moc"
