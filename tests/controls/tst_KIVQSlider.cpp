#include "ControlTestHelpers.h"

#include "controls/KIVQSlider.h"

#include <QStyle>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kChannel = 0xff0000ff;
const QRgb kFilled = 0xffff0000;
const QRgb kThumbColours[] = {0xff808080, 0xff00ff00, 0xffffff00, 0xff000000};

// A slider whose channel, fill and thumb states each paint in their own colour.
std::unique_ptr<KIVQSlider> colouredSlider(Qt::Orientation orientation, const QSize& size)
{
    auto slider = std::make_unique<KIVQSlider>(nullptr, orientation);
    slider->setBackgroundStyle(CommonNormal, namedFill(QString(), kChannel));
    slider->setForegroundStyle(CommonNormal, namedFill(QString(), kFilled));
    for (int s = 0; s < kStateCount; ++s)
        slider->setThumbStyle(CtrlState(s), namedFill(QString(), kThumbColours[s]));
    slider->resize(size);
    return slider;
}

QRgb thumbColour(KIVQSlider& slider)
{
    return slider.grab().toImage().pixel(slider.getThumbRect().center());
}

} // namespace

class tst_KIVQSlider : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void foregroundFill_data();
    void foregroundFill();
    void handleGeometryComesFromTheStyle();
    void thumbStateFollowsPointer();
    void jsonRoundTrip_data();
    void jsonRoundTrip();
    void styleCodeFourFillsEveryThumbState();
};

void tst_KIVQSlider::initTestCase()
{
    init();
    kivSetFillStyle(QStringLiteral("grip"), namedFill(QStringLiteral("grip"), 0xff123456));
}

void tst_KIVQSlider::foregroundFill_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("filled");

    QTest::newRow("50 of 0..100 on 200 px fills 100") << true << 0 << 100 << 50 << 100;
    QTest::newRow("100 of 50..150 fills half") << true << 50 << 150 << 100 << 100;
    QTest::newRow("default value fills nothing") << true << 0 << 100 << 0 << 0;
    QTest::newRow("min = max fills nothing") << true << 7 << 7 << 7 << 0;
    QTest::newRow("vertical quarter from the bottom row") << false << 0 << 100 << 25 << 50;
    QTest::newRow("vertical full reaches the top") << false << 0 << 100 << 100 << 200;
}

void tst_KIVQSlider::foregroundFill()
{
    QFETCH(bool, horizontal);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, filled);

    const auto slider =
        colouredSlider(horizontal ? Qt::Horizontal : Qt::Vertical, horizontal ? QSize(200, 30) : QSize(30, 200));
    FillStyle hidden;
    hidden.draw = false;
    slider->setThumbStyle(CtrlState(kAllStates), hidden);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    const QImage image = slider->grab().toImage();

    // Along the channel's middle line: the filled part from its start, then the channel.
    for (int i = 0; i < 200; ++i) {
        const QPoint p = horizontal ? QPoint(i, 15) : QPoint(15, 199 - i);
        const QRgb expected = i < filled ? kFilled : kChannel;
        QCOMPARE(image.pixel(p), expected);
    }
    // The channel is 10 px thick and centred across the slider.
    const QPoint outside = horizontal ? QPoint(0, 9) : QPoint(9, 199);
    const QPoint inside = horizontal ? QPoint(0, 10) : QPoint(10, 199);
    QVERIFY(image.pixel(outside) != kChannel && image.pixel(outside) != kFilled);
    QVERIFY(image.pixel(inside) == kChannel || image.pixel(inside) == kFilled);
}

void tst_KIVQSlider::handleGeometryComesFromTheStyle()
{
    QCOMPARE(QApplication::style(), kivGetStyle());
    KIVQSlider slider;
    slider.resize(200, 30);
    slider.setThumbSize(12, 12);
    QCOMPARE(slider.getThumbRect(), QRect(0, 9, 12, 12));

    // A bigger thumb, at the end of the range.
    slider.setThumbSize(20, 16);
    slider.setValue(100);
    QCOMPARE(slider.getThumbRect(), QRect(180, 7, 20, 16));
    QCOMPARE(kivGetStyle()->pixelMetric(QStyle::PM_SliderLength, nullptr, &slider), 20);

    // Turned upright: the length is the thumb's height, centred across the width; the maximum is at the top.
    slider.setIsHorizontal(false);
    slider.resize(30, 200);
    QCOMPARE(slider.getThumbRect(), QRect(5, 0, 20, 16));
    QCOMPARE(kivGetStyle()->pixelMetric(QStyle::PM_SliderLength, nullptr, &slider), 16);
}

void tst_KIVQSlider::thumbStateFollowsPointer()
{
    const auto slider = colouredSlider(Qt::Horizontal, QSize(200, 30));
    const QPoint thumb = slider->getThumbRect().center();
    const QPoint groove(150, 15);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlNormal]);

    sendEvent(slider.get(), QEvent::Enter);
    QVERIFY(slider->hasMouseTracking());
    sendMouse(slider.get(), QEvent::MouseMove, thumb);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlHover]);
    sendMouse(slider.get(), QEvent::MouseMove, groove);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlNormal]);

    // Pressed survives moves off the thumb until the release, which gives hot or normal by position.
    sendMouse(slider.get(), QEvent::MouseButtonPress, thumb, Qt::LeftButton);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlPressed]);
    sendMouse(slider.get(), QEvent::MouseMove, QPoint(thumb.x(), 200), Qt::LeftButton);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlPressed]);
    sendMouse(slider.get(), QEvent::MouseButtonRelease, QPoint(thumb.x(), 200));
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlNormal]);
    sendMouse(slider.get(), QEvent::MouseButtonPress, thumb, Qt::LeftButton);
    sendMouse(slider.get(), QEvent::MouseButtonRelease, thumb);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlHover]);

    sendEvent(slider.get(), QEvent::Leave);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlNormal]);
    QVERIFY(!slider->hasMouseTracking());

    slider->setEnabled(false);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlDisabled]);
    slider->setEnabled(true);
    QCOMPARE(thumbColour(*slider), kThumbColours[CtrlNormal]);
}

void tst_KIVQSlider::jsonRoundTrip_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("vertical writes isHor false")
        << false << QByteArray(R"({"isHor":false})") << QByteArray(R"({"isHor":false})");
    QTest::newRow("an attr without isHor turns a vertical slider horizontal")
        << true << QByteArray(R"({"thumbW":12})") << QByteArray(R"({"thumbW":12})");
    QTest::newRow("sizes and range")
        << false << QByteArray(R"({"thumbW":12,"thumbH":14,"channelSize":4,"min":-5,"max":50,"val":20})")
        << QByteArray(R"({"channelSize":4,"max":50,"min":-5,"thumbH":14,"thumbW":12,"val":20})");
    QTest::newRow("a value past the range is clamped")
        << false << QByteArray(R"({"val":500})") << QByteArray(R"({"val":100})");
    QTest::newRow("hostile sizes are kept and painted safely")
        << false << QByteArray(R"({"thumbW":2147483647,"thumbH":-2147483648,"channelSize":-2147483648})")
        << QByteArray(R"({"channelSize":-2147483648,"thumbH":-2147483648,"thumbW":2147483647})");
    QTest::newRow("wrong types change nothing")
        << false << QByteArray(R"({"thumbW":"wide","min":[1],"val":{}})") << QByteArray("null");
}

void tst_KIVQSlider::jsonRoundTrip()
{
    QFETCH(bool, vertical);
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, written);

    KIVQSlider slider(nullptr, vertical ? Qt::Vertical : Qt::Horizontal);
    Json::Value element(Json::objectValue);
    element["attr"] = parseJson(attr);
    QVERIFY(slider.readJsonValue(&element));
    slider.resize(120, 30);
    QVERIFY(!slider.grab().isNull());
    const Json::Value out = writeControl(&slider);
    QCOMPARE(compactJson(out["attr"]), written);
    QVERIFY(out.isMember("style") && out["style"].isNull());

    KIVQSlider copy;
    Json::Value again = out;
    QVERIFY(copy.readJsonValue(&again));
    QCOMPARE(compactJson(writeControl(&copy)), compactJson(out));
}

void tst_KIVQSlider::styleCodeFourFillsEveryThumbState()
{
    KIVQSlider slider;
    Json::Value element = parseJson(R"({"style": [["grip", 1, 4], ["nope", 1, 5], ["grip", 1, 3]]})");
    QVERIFY(slider.readJsonValue(&element));
    // The name the store lacks is kept for the hover state.
    for (int s = 0; s < kStateCount; ++s)
        QCOMPARE(slider.getThumbStyle(CtrlState(s)).name, QLatin1String(s == CtrlHover ? "nope" : "grip"));
    QVERIFY(slider.getBackgroundStyle().name.isEmpty());
    QCOMPARE(compactJson(writeControl(&slider)["style"]),
             QByteArray(R"([["grip",1,4],["nope",1,5],["grip",1,6],["grip",1,7]])"));
}

QTEST_MAIN(tst_KIVQSlider)
#include "tst_KIVQSlider.moc"
