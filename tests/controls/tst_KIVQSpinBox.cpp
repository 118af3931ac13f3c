#include "ControlTestHelpers.h"

#include "controls/KIVQSpinBox.h"
#include "core/KIVQtLib.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

class tst_KIVQSpinBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { init(); }
    void jsonLeavesTheValueAlone();
    void drawsNoArrowsYetSteps();
};

void tst_KIVQSpinBox::jsonLeavesTheValueAlone()
{
    KIVQSpinBox spin;
    Json::Value element = parseJson(R"({"attr": {"value": 40, "min": 10, "max": 50}, "style": [["x", 1, 0]]})");
    QVERIFY(spin.readJsonValue(&element));
    QCOMPARE(spin.value(), 0);
    QCOMPARE(spin.minimum(), 0);
    QCOMPARE(spin.maximum(), 99);

    spin.setValue(7);
    const Json::Value written = writeControl(&spin);
    QVERIFY(!written.isMember("style"));
    QCOMPARE(compactJson(written["attr"]), QByteArray(R"({"max":50,"min":10,"value":40})"));
}

void tst_KIVQSpinBox::drawsNoArrowsYetSteps()
{
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x11, 0x22, 0x33));
    window.setPalette(palette);
    auto* spin = new KIVQSpinBox(&window);
    spin->setGeometry(0, 0, 120, 30);
    window.resize(120, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Beside the digits, where a spin box draws its field and arrows, the window behind it shows.
    const QImage shot = window.grab().toImage();
    for (int x = 40; x < 120; x += 20)
        QCOMPARE(shot.pixelColor(x, 15), QColor(0x11, 0x22, 0x33));

    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 1);
    QWheelEvent wheel(QPointF(60, 15), QPointF(spin->mapToGlobal(QPoint(60, 15))), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(spin, &wheel);
    QCOMPARE(spin->value(), 2);
}

QTEST_MAIN(tst_KIVQSpinBox)
#include "tst_KIVQSpinBox.moc"
