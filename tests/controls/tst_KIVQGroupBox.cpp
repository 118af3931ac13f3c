#include "ControlTestHelpers.h"

#include "controls/KIVQGroupBox.h"
#include "core/KIVQPaintHelpers.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kLine = 0xffff0000;
const QRgb kFill = 0xff336699;

} // namespace

class tst_KIVQGroupBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void frameLines_data();
    void frameLines();
    void jsonAttr_data();
    void jsonAttr();
    void backgroundFillShowsInsideTheFrame_data();
    void backgroundFillShowsInsideTheFrame();
};

void tst_KIVQGroupBox::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("boxFill"), namedFill(QStringLiteral("boxFill"), kFill));
    kivSetGlobalFontFamily(QStringLiteral("DejaVu Sans"));
}

void tst_KIVQGroupBox::frameLines_data()
{
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<bool>("showText");

    QTest::newRow("line size 1 with the title") << 1 << true;
    QTest::newRow("line size 3 raises the bottom line") << 3 << true;
    QTest::newRow("a hidden title leaves a 4-pixel gap") << 1 << false;
}

void tst_KIVQGroupBox::frameLines()
{
    QFETCH(int, lineSize);
    QFETCH(bool, showText);

    KIVQGroupBox box;
    box.resize(200, 100);
    box.setText(QStringLiteral("Title"));
    box.setLineColor(QColor::fromRgba(kLine));
    box.setLineSize(lineSize);
    box.setShowText(showText);
    const QSize title = KIVQPaintHelpers::measureText(box.getTextStyle(), box.getText());
    const int tw = showText ? title.width() : 0;
    const int hy = title.height() / 2;
    const QImage image = box.grab().toImage();
    const auto red = [&image](int x, int y) { return image.pixel(x, y) == kLine; };

    const int bottom = 100 - lineSize;
    QVERIFY(red(0, hy) && red(0, 50) && red(0, bottom));
    QVERIFY(red(198, hy) && red(198, 50) && !red(199, 50));
    QVERIFY(red(1, bottom) && red(198, bottom) && (bottom == 99 || !red(100, bottom + 1)) && !red(100, bottom - 1));
    // The top line stops at x = 5 and starts again at 9 + tw.
    QVERIFY(red(5, hy) && !red(6, hy) && !red(8 + tw, hy) && red(9 + tw, hy) && red(197, hy));

    int ink = 0;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 7; y != hy && x < 9 + title.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 100;
    }
    QCOMPARE(ink > 0, showText);
}

void tst_KIVQGroupBox::jsonAttr_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("alpha");

    QTest::newRow("defaults, the title kept without text")
        << QByteArray("{}") << QByteArray(R"({"color":"FF000000","size":1,"text":"Keep"})") << 255;
    QTest::newRow("eight digits keep their alpha, size 0 survives")
        << QByteArray(R"({"color":"80FF0000","text":"New","showText":0,"size":0})")
        << QByteArray(R"({"color":"80FF0000","showText":0,"size":0,"text":"New"})") << 128;
    QTest::newRow("an integer is an opaque RGB value")
        << QByteArray(R"({"color":65280})") << QByteArray(R"({"color":"FF00FF00","size":1,"text":"Keep"})") << 255;
    QTest::newRow("a hostile line size is kept and painted safely")
        << QByteArray(R"({"size":-2147483648})")
        << QByteArray(R"({"color":"FF000000","size":-2147483648,"text":"Keep"})") << 255;
    QTest::newRow("a colour of another type is ignored")
        << QByteArray(R"({"color":[1,2],"size":"big"})") << QByteArray(R"({"color":"FF000000","size":1,"text":"Keep"})")
        << 255;
}

void tst_KIVQGroupBox::jsonAttr()
{
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, written);
    QFETCH(int, alpha);

    KIVQGroupBox box;
    box.setText(QStringLiteral("Keep"));
    Json::Value element(Json::objectValue);
    element["attr"] = parseJson(attr);
    QVERIFY(box.readJsonValue(&element));
    QCOMPARE(box.getLineColor().alpha(), alpha);
    box.resize(60, 40);
    QVERIFY(!box.grab().isNull());
    Json::Value out = writeControl(&box);
    QCOMPARE(compactJson(out["attr"]), written);
    QVERIFY(!out.isMember("style"));

    KIVQGroupBox copy;
    QVERIFY(copy.readJsonValue(&out));
    QCOMPARE(compactJson(writeControl(&copy)), compactJson(out));
}

void tst_KIVQGroupBox::backgroundFillShowsInsideTheFrame_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<bool>("filled");

    QTest::newRow("no style leaves the box see-through") << QByteArray(R"({"attr": {"text": "Beds"}})") << false;
    QTest::newRow("a theme fill is painted") << QByteArray(R"({"style": [["boxFill", 1, 0]]})") << true;
    QTest::newRow("a fill missing from the theme stays see-through")
        << QByteArray(R"({"style": [["noSuchFill", 1, 0]]})") << false;
}

// The fill is read, saved and offered in the designer, so it must show, and survive a reload.
void tst_KIVQGroupBox::backgroundFillShowsInsideTheFrame()
{
    QFETCH(QByteArray, element);
    QFETCH(bool, filled);

    KIVQGroupBox box;
    Json::Value in = parseJson(element);
    QVERIFY(box.readJsonValue(&in));
    Json::Value saved = writeControl(&box);
    KIVQGroupBox reloaded;
    QVERIFY(reloaded.readJsonValue(&saved));
    for (KIVQGroupBox* b : {&box, &reloaded}) {
        b->resize(120, 80);
        b->setLineColor(QColor::fromRgba(kLine));
        const QImage image = paintedPixels(*b);
        const int hy = KIVQPaintHelpers::measureText(b->getTextStyle(), b->getText()).height() / 2;
        QCOMPARE(image.pixel(60, 50) == kFill, filled);
        QCOMPARE(image.pixel(110, hy + 3) == kFill, filled);
        // Above the top line and right of the frame stay clear, and the frame is drawn over the fill.
        QCOMPARE(qAlpha(image.pixel(110, hy - 2)), 0);
        QCOMPARE(qAlpha(image.pixel(119, 50)), 0);
        QCOMPARE(image.pixel(0, 50), kLine);
    }
}

QTEST_MAIN(tst_KIVQGroupBox)
#include "tst_KIVQGroupBox.moc"
