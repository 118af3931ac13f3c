#include "ControlTestHelpers.h"

#include "controls/KIVQImage.h"
#include "theme/KIVQResourceManagerImpl.h"

#include <QPointer>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

// Each pixel tells where it came from: red and green grow by 6 per column and row.
QImage positionImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 6, 255));
    }
    return image;
}

const char kSquareSvg[] = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
                          "<rect width='20' height='20' fill='#00ff00'/></svg>";
// The left half of the square only.
const char kHalfSvg[] = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
                        "<rect width='10' height='20' fill='#00ff00'/></svg>";

// A GIF of one-pixel frames, one colour each, 20 ms apart, played once. Qt reads GIF but cannot write it.
QByteArray gifOf(const QVector<QRgb>& colours)
{
    QByteArray gif("GIF89a");
    gif.append("\x01\x00\x01\x00", 4);
    gif.append(char(0x91)); // global table of four colours
    gif.append("\x00\x00", 2);
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : 0;
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    for (int i = 0; i < colours.size(); ++i) {
        gif.append("\x21\xF9\x04\x04\x02\x00\x00\x00", 8);
        gif.append("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        // Minimum code size 2; the codes clear (4), the colour index and end (5), three bits each.
        const int codes = 4 | (i << 3) | (5 << 6);
        gif.append(char(2)).append(char(2)).append(char(codes & 0xFF)).append(char(codes >> 8)).append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

} // namespace

class tst_KIVQImage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void placement_data();
    void placement();
    void pictureSources();
    void handedImageOutlivesCallersCopy();
    void recolourFollowsChanges_data();
    void recolourFollowsChanges();
    void attrRoundTrip_data();
    void attrRoundTrip();
    void themeEntryLeavesPicture();
    void gifPlaysToItsLastFrame();
    void finishedSlotMayDeleteTheImage();
};

void tst_KIVQImage::initTestCase()
{
    init();
    KIVQResourceManagerImpl* skin = KIVQResourceManager::getInstance()->getSkinManagerImpl();
    skin->cacheImage(QStringLiteral("pos40.png"), new QImage(positionImage(40, 40)));
    skin->cacheImage(QStringLiteral("red.png"), new QImage(positionImage(1, 1)));
    skin->cacheSvg(QStringLiteral("square.svg"), new QSvgRenderer(QByteArray(kSquareSvg)));
}

void tst_KIVQImage::placement_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("hor");
    QTest::addColumn<int>("ver");
    QTest::addColumn<QRect>("target");

    QTest::newRow("stretched over the control") << true << 1 << 1 << QRect(0, 0, 100, 30);
    QTest::newRow("centred, taller than the control") << false << 1 << 1 << QRect(30, -5, 40, 40);
    QTest::newRow("left and top") << false << 0 << 0 << QRect(0, 0, 40, 40);
    QTest::newRow("right and bottom") << false << 2 << 2 << QRect(60, -10, 40, 40);
    QTest::newRow("left and centre") << false << 0 << 1 << QRect(0, -5, 40, 40);
    QTest::newRow("an unknown alignment counts as 0") << false << 7 << -1 << QRect(0, 0, 40, 40);
}

void tst_KIVQImage::placement()
{
    QFETCH(bool, stretch);
    QFETCH(int, hor);
    QFETCH(int, ver);
    QFETCH(QRect, target);

    KIVQImage image;
    image.resize(100, 30);
    image.setImagePath(QStringLiteral("pos40.png"));
    image.setStretchDraw(stretch);
    image.setAlignType(DockLayoutType(hor), DockLayoutType(ver));
    const QImage pixels = paintedPixels(image);
    const QRect visible = target & image.rect();
    QCOMPARE(pixelBounds(pixels, [](QRgb p) { return qAlpha(p) != 0; }), visible);
    if (!stretch) {
        // One to one: the visible corner shows the picture's pixel that lies there.
        const QPoint inPicture = visible.topLeft() - target.topLeft();
        QCOMPARE(pixels.pixel(visible.topLeft()), positionImage(40, 40).pixel(inPicture));
    }
}

void tst_KIVQImage::pictureSources()
{
    KIVQImage image;
    image.resize(20, 20);
    image.setImagePath(QStringLiteral("icons/Square.SVG"));
    QCOMPARE(image.getSvgPath(), QStringLiteral("icons/Square.SVG"));
    image.setImagePath(QStringLiteral("square.svg"));
    QCOMPARE(paintedPixels(image).pixel(10, 10), qRgb(0, 255, 0));
    image.setImagePath(QStringLiteral("red.png"));
    QVERIFY(image.getSvgPath().isEmpty());
    QCOMPARE(paintedPixels(image).pixel(10, 10), qRgb(0, 0, 255));

    // A handed image wins over the image name, and survives a new name.
    QImage handed(4, 4, QImage::Format_ARGB32);
    handed.fill(Qt::red);
    image.setImage(&handed);
    image.setImagePath(QStringLiteral("pos40.png"));
    QVERIFY(image.getImage());
    QCOMPARE(paintedPixels(image).pixel(10, 10), qRgb(255, 0, 0));
    // An SVG is drawn instead, and setting one forgets the handed image.
    image.setSvgPath(QStringLiteral("square.svg"));
    QVERIFY(!image.getImage());
    QVERIFY(image.getImagePath().isEmpty());
    QCOMPARE(paintedPixels(image).pixel(10, 10), qRgb(0, 255, 0));

    QSignalSpy clicks(&image, &KIVQImage::clicked);
    sendMouse(&image, QEvent::MouseButtonRelease, QPoint(19, 19));
    QCOMPARE(clicks.count(), 1);
}

void tst_KIVQImage::handedImageOutlivesCallersCopy()
{
    KIVQImage image;
    image.resize(10, 10);
    {
        auto handed = std::make_unique<QImage>(2, 2, QImage::Format_ARGB32);
        handed->fill(Qt::red);
        image.setImage(handed.get());
    }
    QCOMPARE(paintedPixels(image).pixel(5, 5), qRgb(255, 0, 0));
    image.setImage(nullptr);
    QVERIFY(!image.getImage());
}

void tst_KIVQImage::recolourFollowsChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QRgb>("expected");

    const QRgb red = qRgb(255, 0, 0);
    QTest::newRow("colour") << "colour" << QPoint(15, 10) << qRgb(0, 0, 255);
    QTest::newRow("a translucent colour keeps its alpha")
        << "translucent" << QPoint(15, 10) << qPremultiply(qRgba(255, 0, 0, 128));
    QTest::newRow("source") << "source" << QPoint(15, 10) << qRgba(0, 0, 0, 0);
    QTest::newRow("size") << "size" << QPoint(30, 30) << red;
    QTest::newRow("drawing replaced under its name") << "renderer" << QPoint(15, 10) << qRgba(0, 0, 0, 0);
    QTest::newRow("first paint exposed a corner only") << "exposed" << QPoint(15, 15) << red;
}

// The recoloured drawing is kept between paints; what it was made from must still show.
void tst_KIVQImage::recolourFollowsChanges()
{
    QFETCH(QString, change);
    QFETCH(QPoint, probe);
    QFETCH(QRgb, expected);

    KIVQResourceManagerImpl* skin = KIVQResourceManager::getInstance()->getSkinManagerImpl();
    skin->cacheSvg(QStringLiteral("swap.svg"), new QSvgRenderer(QByteArray(kSquareSvg)));
    KIVQImage image;
    image.resize(20, 20);
    image.setSvgPath(QStringLiteral("swap.svg"));
    image.setSvgColor(QColor(255, 0, 0));

    if (change == QLatin1String("exposed")) {
        QImage corner(image.size(), QImage::Format_ARGB32_Premultiplied);
        corner.fill(Qt::transparent);
        image.render(&corner, QPoint(), QRegion(0, 0, 5, 5));
    }
    const QImage first = paintedPixels(image);
    QCOMPARE(paintedPixels(image), first);
    QCOMPARE(first.pixel(5, 5), qRgb(255, 0, 0));

    if (change == QLatin1String("colour")) {
        image.setSvgColor(QColor(0, 0, 255));
    } else if (change == QLatin1String("translucent")) {
        image.setSvgColor(QColor(255, 0, 0, 128));
    } else if (change == QLatin1String("source")) {
        skin->cacheSvg(QStringLiteral("half.svg"), new QSvgRenderer(QByteArray(kHalfSvg)));
        image.setSvgPath(QStringLiteral("half.svg"));
    } else if (change == QLatin1String("size")) {
        image.resize(40, 40);
    } else if (change == QLatin1String("renderer")) {
        // Freed first, so that the new one may take its address.
        skin->cacheSvg(QStringLiteral("swap.svg"), nullptr);
        skin->cacheSvg(QStringLiteral("swap.svg"), new QSvgRenderer(QByteArray(kHalfSvg)));
    }
    QCOMPARE(paintedPixels(image).pixel(probe), expected);
}

void tst_KIVQImage::attrRoundTrip_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("an SVG name fills both paths, the SVG is written")
        << QByteArray(R"({"path": "b.svg"})") << QByteArray(R"({"svgPath":"b.svg"})");
    QTest::newRow("svgPath after path wins")
        << QByteArray(R"({"path": "b.svg", "svgPath": "c.svg"})") << QByteArray(R"({"svgPath":"c.svg"})");
    QTest::newRow("a translucent colour keeps its alpha") << QByteArray(R"({"svgUseColor": 1, "svgColor": "80FF0000"})")
                                                          << QByteArray(R"({"svgColor":"80FF0000","svgUseColor":1})");
    QTest::newRow("wrong types are absent")
        << QByteArray(R"({"path": [3], "fill": "no", "svgColor": [1]})") << QByteArray("null");
}

void tst_KIVQImage::attrRoundTrip()
{
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, written);

    KIVQImage image;
    QCOMPARE(readThenWrite(&image, "attr", attr), written);
}

void tst_KIVQImage::themeEntryLeavesPicture()
{
    QWidget window;
    auto* image = new KIVQImage(&window);
    image->setImagePath(QStringLiteral("red.png"));
    QVERIFY(loadThemeFor(window, R"({"style": []})",
                         R"({"elements": [{"child": [{"name": "qtpicture",
                             "attr": {"path": "theme.png", "svgPath": "theme.svg", "fill": 0}}]}]})"));
    QCOMPARE(image->getImagePath(), QStringLiteral("red.png"));
    QVERIFY(image->getSvgPath().isEmpty());
    QVERIFY(!image->getStretchDraw());
}

void tst_KIVQImage::gifPlaysToItsLastFrame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pulse.gif"));
    QVERIFY(writeFile(path, gifOf({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)})));

    KIVQImage image;
    image.resize(40, 20);
    image.setImagePath(QStringLiteral("red.png"));
    QSignalSpy finished(&image, &KIVQImage::movieFinished);
    image.loadGif(path);
    QVERIFY(image.getImagePath().isEmpty());
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    QTRY_VERIFY(!finished.isEmpty());
    QTRY_COMPARE(image.grab().toImage().pixel(20, 10), qRgb(0, 0, 255));

    // The movie stays on its last frame, and every paint there says so again.
    QCoreApplication::sendPostedEvents();
    const int seen = finished.count();
    image.repaint();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finished.count(), seen + 1);

    // A picture name ends the movie and uncovers the control.
    image.setImagePath(QStringLiteral("pos40.png"));
    QCOMPARE(image.grab().toImage().pixel(20, 10), positionImage(40, 40).pixel(20, 20));
    image.stopAnimate();
    image.startAnimate();
}

void tst_KIVQImage::finishedSlotMayDeleteTheImage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("once.gif"));
    QVERIFY(writeFile(path, gifOf({qRgb(255, 0, 0), qRgb(0, 255, 0)})));
    QWidget window;
    window.resize(40, 20);
    QPointer<KIVQImage> image = new KIVQImage(&window);
    image->resize(40, 20);
    connect(image.data(), &KIVQImage::movieFinished, &window, [&image] { delete image.data(); });
    image->loadGif(path);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(image.isNull());
}

QTEST_MAIN(tst_KIVQImage)
#include "tst_KIVQImage.moc"
