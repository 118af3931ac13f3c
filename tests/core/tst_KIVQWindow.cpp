#include "TestControl.h"
#include "core/windows/KIVQSubWin.h"
#include "core/windows/KIVQWindow.h"
#include "platform/KIVWindowPlatform.h"
#include "theme/LanguageManager.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace KIVQtLib;

namespace {

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void press(QWidget* target, const QPoint& global)
{
    sendMouse(target, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
}

void drag(QWidget* target, const QPoint& global)
{
    sendMouse(target, QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
}

void hover(QWidget* target, const QPoint& global)
{
    sendMouse(target, QEvent::MouseMove, global, Qt::NoButton, Qt::NoButton);
}

void release(QWidget* target, const QPoint& global)
{
    sendMouse(target, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}

bool showFrameless(QWidget& w, const QRect& geometry)
{
    w.setWindowFlags(w.windowFlags() | Qt::FramelessWindowHint);
    w.setGeometry(geometry);
    w.show();
    return QTest::qWaitForWindowExposed(&w) && w.geometry() == geometry;
}

// What lies under the point in the caption hit test.
enum Under
{
    UnderNothing,
    UnderWindow,
    UnderPushButton,
    UnderPushButtonChild,
    UnderControlButton,
    UnderControlLabel,
    UnderControlContainer,
    UnderLineEditInContainer,
    UnderPlainInLabel
};

} // namespace

class tst_KIVQWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();

    void settersFollowTheirClass();
    void pressSelectsEdgeAndHoverSetsCursor_data();
    void pressSelectsEdgeAndHoverSetsCursor();
    void dragDependsOnWhatIsPressed_data();
    void dragDependsOnWhatIsPressed();
    void mouseDragMovesWindowWithoutSystemMove();
    void edgeDragResizes_data();
    void edgeDragResizes();
    void firstPressWins();
    void pressFlagClearedWhenReleaseIsLost_data();
    void pressFlagClearedWhenReleaseIsLost();
    void onlyTopLevelWindowsRegister();
    void resizeEventLaysOutChildControls();
    void paintsBackground_data();
    void paintsBackground();
    void setTransparentKeepsFramelessAndVisible();
    void centerAndEdgeSetters();
    void maximisedFramelessWindowKeepsToTheWorkArea();
    void hitTestFindsDeepestVisibleWidget();
    void doModalReturns_data();
    void doModalReturns();
};

void tst_KIVQWindow::cleanup()
{
    // A press left held by one case would make every later window ignore its presses.
    QVERIFY(!KIVQWindowImpl::isWindowPressed());
}

void tst_KIVQWindow::settersFollowTheirClass()
{
    KIVQWindow window;
    KIVQSubWin sub;
    QVERIFY(!window.hasMouseTracking());
    QVERIFY(sub.hasMouseTracking());
    window.setResizeable(true);
    QVERIFY(window.hasMouseTracking());
    sub.setResizeable(false);
    QVERIFY(!sub.hasMouseTracking());

    window.setCaptionHeight(68);
    QCOMPARE(window.getCaptionHeight(), true); // whether there is a caption, not its height
    window.setCaptionHeight(0);
    QCOMPARE(window.getCaptionHeight(), false);

    // The top-level window also holds Qt's minimum to it and refuses a negative one.
    QCOMPARE(window.getMinSize(), QSize(400, 400));
    window.setMinWidth(-5);
    QCOMPARE(window.getMinSize().width(), 0);
    window.setMinHeight(450);
    QCOMPARE(window.minimumHeight(), 450);
    window.setMinSize(420, 300);
    QCOMPARE(window.minimumSize(), QSize(420, 300));
    sub.setMinWidth(-5);
    QCOMPARE(sub.getWindowImpl()->minWidth(), -5);
    QCOMPARE(sub.minimumWidth(), 0);
}

void tst_KIVQWindow::pressSelectsEdgeAndHoverSetsCursor_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("cursor");

    QTest::newRow("left band") << QPoint(2, 300) << false << int(platform::EdgeLeft) << int(Qt::SizeHorCursor);
    QTest::newRow("bottom-right corner") << QPoint(798, 598) << false << int(platform::EdgeBottomRight)
                                         << int(Qt::SizeFDiagCursor);
    QTest::newRow("interior") << QPoint(400, 300) << false << int(platform::EdgeNone) << int(Qt::ArrowCursor);
    QTest::newRow("top-left corner") << QPoint(0, 0) << false << int(platform::EdgeTopLeft) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right corner") << QPoint(799, 1) << false << int(platform::EdgeTopRight)
                                      << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom band") << QPoint(400, 597) << false << int(platform::EdgeBottom) << int(Qt::SizeVerCursor);
    QTest::newRow("just inside the right band")
        << QPoint(796, 300) << false << int(platform::EdgeNone) << int(Qt::ArrowCursor);
    QTest::newRow("maximised") << QPoint(2, 300) << true << int(platform::EdgeNone) << int(Qt::ArrowCursor);
}

void tst_KIVQWindow::pressSelectsEdgeAndHoverSetsCursor()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, maximised);
    QFETCH(int, edge);
    QFETCH(int, cursor);

    KIVQWindow w;
    w.setResizeable(true);
    QVERIFY(showFrameless(w, QRect(0, 0, 800, 600)));
    if (maximised) {
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
    }
    KIVQWindowImpl* impl = w.getWindowImpl();

    // From an edge to the point: the interior returns the arrow.
    hover(&w, w.mapToGlobal(QPoint(2, 300)));
    hover(&w, w.mapToGlobal(pos));
    QCOMPARE(int(w.cursor().shape()), cursor);
    QCOMPARE(impl->cursorChanged(), cursor != Qt::ArrowCursor);

    press(&w, w.mapToGlobal(pos));
    QCOMPARE(impl->resizeEdge(), edge);
    release(&w, w.mapToGlobal(pos));
    QCOMPARE(impl->resizeEdge(), int(platform::EdgeNone));
}

void tst_KIVQWindow::dragDependsOnWhatIsPressed_data()
{
    QTest::addColumn<QString>("type"); // empty: no child, "plain": a plain widget
    QTest::addColumn<bool>("onlyCaption");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("drags");

    QTest::newRow("framework button") << QStringLiteral("qtbutton") << false << 20 << false;
    QTest::newRow("framework label") << QStringLiteral("qtlabel") << false << 20 << true;
    QTest::newRow("framework container") << QStringLiteral("qtcontainer") << false << 20 << true;
    QTest::newRow("plain widget") << QStringLiteral("plain") << false << 20 << true;
    QTest::newRow("below a 68 pixel caption") << QString() << true << 69 << false;
    QTest::newRow("last row of a 68 pixel caption") << QString() << true << 68 << true;
}

void tst_KIVQWindow::dragDependsOnWhatIsPressed()
{
    QFETCH(QString, type);
    QFETCH(bool, onlyCaption);
    QFETCH(int, y);
    QFETCH(bool, drags);

    KIVQWindow w;
    w.setOnlyDragCaption(onlyCaption);
    w.setCaptionHeight(68);
    QWidget* target = &w;
    if (type == QLatin1String("plain")) {
        target = new QWidget(&w);
        target->setGeometry(100, y - 10, 120, 30);
    } else if (!type.isEmpty()) {
        auto* control = new TypedTestControl(type, &w);
        control->setGeometry(100, y - 10, 120, 30); // its layout, which the window's resize applies
        target = control;
    }
    QVERIFY(showFrameless(w, QRect(100, 100, 400, 300)));

    // Sent to the child, the press reaches the window because the child ignores it.
    const QPoint start = w.mapToGlobal(QPoint(150, y));
    press(target, start);
    QCOMPARE(w.getWindowImpl()->isDragging(), drags);
    drag(&w, start + QPoint(30, 20));
    release(&w, start + QPoint(30, 20));
    QCOMPARE(w.pos(), drags ? QPoint(130, 120) : QPoint(100, 100));
}

void tst_KIVQWindow::mouseDragMovesWindowWithoutSystemMove()
{
    KIVQWindow w;
    QVERIFY(showFrameless(w, QRect(100, 100, 300, 200)));
    QVERIFY(!platform::startSystemMove(&w)); // the case under test: no window manager to hand it to

    const QPoint start = w.mapToGlobal(QPoint(150, 20));
    press(&w, start);
    QVERIFY(KIVQWindowImpl::isWindowPressed());
    drag(&w, start + QPoint(40, 25));
    QCOMPARE(w.pos(), QPoint(140, 125));
    drag(&w, start + QPoint(50, 30));
    QCOMPARE(w.pos(), QPoint(150, 130));
    release(&w, start + QPoint(50, 30));
    QVERIFY(!KIVQWindowImpl::isWindowPressed());
    QVERIFY(!w.getWindowImpl()->isDragging());

    drag(&w, start + QPoint(90, 90));
    QCOMPARE(w.pos(), QPoint(150, 130));

    w.setCanDrag(false);
    press(&w, w.mapToGlobal(QPoint(150, 20)));
    drag(&w, w.mapToGlobal(QPoint(180, 40)));
    release(&w, w.mapToGlobal(QPoint(180, 40)));
    QCOMPARE(w.pos(), QPoint(150, 130));
}

void tst_KIVQWindow::edgeDragResizes_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");

    // A 420 by 300 window at (100, 100) whose minimum is 400 by 200.
    QTest::newRow("left edge past the minimum stays put")
        << QPoint(1, 150) << QPoint(50, 0) << QRect(100, 100, 400, 300);
    QTest::newRow("left edge onto the minimum moves") << QPoint(1, 150) << QPoint(20, 0) << QRect(120, 100, 400, 300);
    QTest::newRow("left edge outwards") << QPoint(1, 150) << QPoint(-30, 0) << QRect(70, 100, 450, 300);
    QTest::newRow("right edge outwards") << QPoint(419, 150) << QPoint(25, 0) << QRect(100, 100, 445, 300);
    QTest::newRow("right edge past the minimum") << QPoint(419, 150) << QPoint(-50, 0) << QRect(100, 100, 400, 300);
    QTest::newRow("top edge inwards") << QPoint(200, 1) << QPoint(0, 20) << QRect(100, 120, 420, 280);
    QTest::newRow("bottom edge past the minimum") << QPoint(200, 299) << QPoint(0, -150) << QRect(100, 100, 420, 200);
    QTest::newRow("top-left corner, width at its minimum")
        << QPoint(1, 1) << QPoint(50, -20) << QRect(100, 80, 400, 320);
    QTest::newRow("bottom-right corner") << QPoint(419, 299) << QPoint(10, 10) << QRect(100, 100, 430, 310);
}

void tst_KIVQWindow::edgeDragResizes()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, delta);
    QFETCH(QRect, geometry);

    KIVQWindow w;
    w.setResizeable(true);
    w.setMinSize(400, 200);
    QVERIFY(showFrameless(w, QRect(100, 100, 420, 300)));

    const QPoint start = w.mapToGlobal(pressAt);
    press(&w, start);
    QVERIFY(w.getWindowImpl()->resizeEdge() != platform::EdgeNone);
    drag(&w, start + delta);
    release(&w, start + delta);
    QCOMPARE(w.geometry(), geometry);
    QCOMPARE(int(w.cursor().shape()), int(Qt::ArrowCursor));
}

void tst_KIVQWindow::firstPressWins()
{
    KIVQWindow window;
    auto* sub = new KIVQSubWin(&window);
    sub->QWidget::setGeometry(50, 50, 100, 80);
    auto* above = new KIVQSubWin(&window);
    above->QWidget::setGeometry(200, 50, 100, 80);
    QVERIFY(showFrameless(window, QRect(100, 100, 400, 300)));

    // The sub-window handles the press; the window it propagates to leaves it alone.
    const QPoint start = sub->mapToGlobal(QPoint(10, 10));
    press(sub, start);
    QCOMPARE(window.children().last(), sub); // raised
    QVERIFY(sub->getWindowImpl()->isDragging());
    QVERIFY(!window.getWindowImpl()->isDragging());

    drag(sub, start + QPoint(20, 10));
    QCOMPARE(sub->pos(), QPoint(70, 60));
    QCOMPARE(window.pos(), QPoint(100, 100));
    release(sub, start + QPoint(20, 10));
    QVERIFY(!sub->getWindowImpl()->isDragging());
}

void tst_KIVQWindow::pressFlagClearedWhenReleaseIsLost_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("window hidden") << QStringLiteral("hide");
    QTest::newRow("grab taken over") << QStringLiteral("grab");
    QTest::newRow("release delivered elsewhere") << QStringLiteral("elsewhere");
}

void tst_KIVQWindow::pressFlagClearedWhenReleaseIsLost()
{
    QFETCH(QString, how);

    KIVQWindow a;
    KIVQWindow b;
    QWidget other;
    QVERIFY(showFrameless(a, QRect(100, 100, 300, 200)));
    QVERIFY(showFrameless(b, QRect(450, 100, 300, 200)));
    QVERIFY(showFrameless(other, QRect(100, 400, 100, 100)));

    const QPoint start = a.mapToGlobal(QPoint(150, 20));
    press(&a, start);
    QVERIFY(KIVQWindowImpl::isWindowPressed());

    if (how == QLatin1String("hide")) {
        a.hide();
    } else if (how == QLatin1String("grab")) {
        other.grabMouse();
        other.releaseMouse();
    } else {
        release(&other, other.mapToGlobal(QPoint(5, 5)));
    }
    QVERIFY(!KIVQWindowImpl::isWindowPressed());
    QVERIFY(!a.getWindowImpl()->isDragging());

    // The lost press drags nothing any more, and dragging works again everywhere.
    a.show();
    drag(&a, start + QPoint(30, 30));
    QCOMPARE(a.pos(), QPoint(100, 100));

    const QPoint startB = b.mapToGlobal(QPoint(150, 20));
    press(&b, startB);
    drag(&b, startB + QPoint(-20, 10));
    release(&b, startB + QPoint(-20, 10));
    QCOMPARE(b.pos(), QPoint(430, 110));

    press(&a, start);
    drag(&a, start + QPoint(10, 10));
    release(&a, start + QPoint(10, 10));
    QCOMPARE(a.pos(), QPoint(110, 110));
}

void tst_KIVQWindow::onlyTopLevelWindowsRegister()
{
    auto* window = new KIVQWindow;
    auto* inWindow = new TestControl(window);
    KIVQSubWin sub;
    auto* inSub = new TestControl(&sub);

    // A language change reaches the controls of registered windows only.
    Q_EMIT LanguageManager::instance()->languageChanged(QStringLiteral("en"));
    QCOMPARE(inWindow->d()->languageChanges, 1);
    QCOMPARE(inSub->d()->languageChanges, 0);

    // Unregistered on destruction: the next change must not walk the deleted window.
    delete window;
    Q_EMIT LanguageManager::instance()->languageChanged(QStringLiteral("zh"));
    QCOMPARE(inSub->d()->languageChanges, 0);
}

void tst_KIVQWindow::resizeEventLaysOutChildControls()
{
    KIVQWindow window;
    KIVQSubWin sub;
    for (QWidget* host : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&sub)}) {
        host->resize(300, 200);
        host->show();
        auto* control = new TestControl(host);
        control->setGeometry(10, 20, 50, 40); // stored as its absolute layout
        control->move(0, 0);
        control->show();
        host->resize(320, 220);
        QTRY_COMPARE(control->geometry(), QRect(10, 20, 50, 40));
    }
}

void tst_KIVQWindow::paintsBackground_data()
{
    QTest::addColumn<bool>("show");
    QTest::addColumn<bool>("useFillColor");
    QTest::addColumn<bool>("painted");

    QTest::newRow("colour") << true << true << true;
    QTest::newRow("background off") << false << true << false;
    QTest::newRow("image chosen, none loaded") << true << false << false;
}

void tst_KIVQWindow::paintsBackground()
{
    QFETCH(bool, show);
    QFETCH(bool, useFillColor);
    QFETCH(bool, painted);

    const QColor fill(200, 30, 40);
    KIVQWindow w;
    FillRes res;
    res.colour = fill;
    res.colour2 = fill;
    w.setBackgroundColor(res);
    w.setShowBackground(show);
    w.setUseFillColor(useFillColor);
    QVERIFY(showFrameless(w, QRect(100, 100, 120, 80)));

    const QImage image = w.grab().toImage();
    QCOMPARE(image.pixelColor(60, 40) == fill, painted);
    QCOMPARE(image.pixelColor(2, 2) == fill, painted);
}

void tst_KIVQWindow::setTransparentKeepsFramelessAndVisible()
{
    KIVQWindow w;
    w.resize(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    w.setTransparent(true);
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(w.isVisible());

    w.setTransparent(false);
    QVERIFY(!w.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.isVisible());
}

void tst_KIVQWindow::centerAndEdgeSetters()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    KIVQWindow w;
    QVERIFY(showFrameless(w, QRect(10, 10, 301, 201)));
    w.centerWindow();
    QCOMPARE(w.pos(), QPoint((screen.width() - 301) / 2, (screen.height() - 201) / 2));

    w.setGeometry(100, 100, 300, 200);
    w.setX(150);
    QCOMPARE(w.geometry(), QRect(150, 100, 250, 200));
    w.setY(120);
    QCOMPARE(w.geometry(), QRect(150, 120, 250, 180));
}

void tst_KIVQWindow::maximisedFramelessWindowKeepsToTheWorkArea()
{
    KIVQWindow w;
    QVERIFY(showFrameless(w, QRect(100, 100, 300, 200)));
    w.showMaximized();
    QTRY_VERIFY(w.isMaximized());
    const QRect workArea = w.screen()->availableGeometry();
    QTRY_COMPARE(w.geometry(), workArea);
    // Maximised, the edges neither resize nor drag.
    w.setResizeable(true);
    const QPoint edge = w.mapToGlobal(QPoint(1, 100));
    press(&w, edge);
    QCOMPARE(w.getWindowImpl()->resizeEdge(), int(platform::EdgeNone));
    QVERIFY(!w.getWindowImpl()->isDragging());
    release(&w, edge);
}

void tst_KIVQWindow::hitTestFindsDeepestVisibleWidget()
{
    KIVQWindow w;
    auto* a = new QWidget(&w);
    a->setGeometry(10, 10, 200, 200);
    auto* inA = new QWidget(a);
    inA->setGeometry(10, 10, 50, 50);
    auto* b = new QWidget(&w); // made later, so above a where they overlap
    b->setGeometry(100, 100, 200, 150);
    auto* hiddenInB = new QWidget(b);
    hiddenInB->setGeometry(0, 0, 200, 150);
    QVERIFY(showFrameless(w, QRect(100, 100, 400, 300)));
    hiddenInB->hide();
    QWidget elsewhere;
    QVERIFY(showFrameless(elsewhere, QRect(600, 400, 50, 50)));

    QCOMPARE(w.hitTest(&w, 25, 25), inA);
    QCOMPARE(w.hitTest(&w, 150, 150), b);
    QCOMPARE(w.hitTest(&w, 50, 150), a);
    QCOMPARE(w.hitTest(&w, 350, 20), static_cast<QWidget*>(&w));
    QCOMPARE(w.hitTest(&w, 500, 20), nullptr);
    QCOMPARE(w.hitTest(a, 25, 25), inA); // window coordinates whatever the root
    QCOMPARE(w.hitTest(nullptr, 25, 25), nullptr);
    QCOMPARE(w.hitTest(&elsewhere, 510, 310), &elsewhere); // a root outside the window is mapped too
    w.hide();
    QCOMPARE(w.hitTest(&w, 25, 25), nullptr);
}

void tst_KIVQWindow::doModalReturns_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("visibleAfter");
    QTest::newRow("closeModal") << QStringLiteral("closeModal") << true;
    QTest::newRow("closed") << QStringLiteral("close") << false;
    QTest::newRow("dismissed with Escape") << QStringLiteral("escape") << false;
}

void tst_KIVQWindow::doModalReturns()
{
    QFETCH(QString, how);
    QFETCH(bool, visibleAfter);

    KIVQWindow w;
    w.resize(200, 100);
    w.closeModal(); // no loop running: nothing happens, and nothing is remembered for the next run

    bool ended = false;
    bool stuck = false;
    QTimer::singleShot(0, &w, [&w, &ended, how] {
        ended = true;
        if (how == QLatin1String("closeModal"))
            w.closeModal();
        else if (how == QLatin1String("close"))
            w.close();
        else
            QTest::keyClick(&w, Qt::Key_Escape);
    });
    // A safety net so that a loop which fails to end fails the case instead of hanging the run.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &w, [&w, &stuck] {
        stuck = true;
        w.closeModal();
    });
    watchdog.start(5000);
    w.doModal();
    watchdog.stop();

    QVERIFY(ended);
    QVERIFY(!stuck);
    QCOMPARE(w.windowModality(), Qt::ApplicationModal);
    QCOMPARE(w.isVisible(), visibleAfter);
}

QTEST_MAIN(tst_KIVQWindow)
#include "tst_KIVQWindow.moc"
