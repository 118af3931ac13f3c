#include "core/KIVQPaintHelpers.h"
#include "theme/KIVQResourceManager.h"
#include "theme/KIVQResourceManagerImpl.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QSvgRenderer>
#include <QtMath>
#include <QtTest>

using namespace KIVQtLib;

namespace {

const QString kFamily = QStringLiteral("DejaVu Sans");
const QString kElided = QStringLiteral("Ward overview with attention queue");

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

template <typename Paint> QImage painted(int w, int h, Paint paint)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    paint(p);
    return image;
}

// What Qt itself draws for the text in the pinned font.
QImage qtText(QSize size, const QRectF& rect, const QString& text, Qt::Alignment align, const QFont& font)
{
    return painted(size.width(), size.height(), [&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(rect, text, QTextOption(align));
    });
}

// A border thinner than 1 is none; sides are bits: 1 left, 2 top, 4 right, 8 bottom.
FillRes fillRes(int round, const QColor& colour, int border, const QColor& edge, int sides = 15)
{
    FillRes res;
    res.round = round;
    res.colour = colour;
    res.border = border > 0;
    res.borderSize = border;
    res.borderColour = edge;
    res.leftBorder = sides & 1;
    res.topBorder = sides & 2;
    res.rightBorder = sides & 4;
    res.bottomBorder = sides & 8;
    return res;
}

QRect inkBounds(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

template <typename Paint> QRect inked(int w, int h, Paint paint)
{
    return inkBounds(painted(w, h, paint));
}

void cacheImage(const QString& name, const QImage& image)
{
    KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheImage(name, new QImage(image));
}

void cacheSvg(const QString& name, const char* svg)
{
    KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheSvg(name, new QSvgRenderer(QByteArray(svg)));
}

// Distinct colours for the nine regions of a 3x3 block image.
const QRgb kBlockColours[3][3] = {
    {0xffff0000, 0xff00ff00, 0xff0000ff}, {0xff00ffff, 0xffffffff, 0xffff00ff}, {0xffffff00, 0xff808080, 0xff000000}};

QImage blockImage(int block)
{
    QImage image(3 * block, 3 * block, QImage::Format_ARGB32);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            for (int y = 0; y < block; ++y) {
                for (int x = 0; x < block; ++x)
                    image.setPixel(column * block + x, row * block + y, kBlockColours[row][column]);
            }
        }
    }
    return image;
}

const char kTwoSquares[] = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20' viewBox='0 0 20 20'>"
                           "<rect x='0' y='0' width='10' height='20' fill='#ff0000'/>"
                           "<rect x='10' y='0' width='10' height='20' fill='#0000ff' fill-opacity='0.5'/></svg>";

} // namespace

class tst_KIVQPaintHelpers : public QObject
{
    Q_OBJECT

private:
    TextStyleDesc pinnedStyle() const
    {
        TextStyleDesc style;
        style.family = kFamily;
        style.size = 14;
        style.colour = Qt::black;
        return style;
    }
    QFont pinnedFont() const
    {
        QFont font(kFamily);
        font.setPixelSize(14);
        return font;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFontDatabase().families().contains(kFamily))
            QSKIP("the pinned test font is not installed");
        KIVQResourceManager::getInstance()->setGlobalFontFamily(kFamily);
    }
    void cleanup() { KIVQResourceManager::getInstance()->setScaleFactor(100.0f); }

    void squareBorders_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("sides");
        QTest::addColumn<bool>("antialias");
        QTest::newRow("top and left, 3") << 3 << 3 << false;
        QTest::newRow("left right bottom, 2, antialiased") << 2 << 13 << true;
        QTest::newRow("frame, 2") << 2 << 15 << false;
        QTest::newRow("frame, 2, antialiased") << 2 << 15 << true;
    }
    // Every border, one side or the whole frame, covers exactly the outer b pixels of its side.
    void squareBorders()
    {
        QFETCH(int, border);
        QFETCH(int, sides);
        QFETCH(bool, antialias);
        const QRect r(3, 4, 20, 12);
        const QRgb fill = 0xffff0000, edge = 0xff0000ff;
        const FillRes res = fillRes(0, QColor::fromRgba(fill), border, QColor::fromRgba(edge), sides);
        const QImage image = painted(28, 20, [&](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing, antialias);
            KIVQPaintHelpers::paintColorFill(&p, res, r.x(), r.y(), r.width(), r.height());
        });
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QRgb expected = 0;
                if (r.contains(x, y)) {
                    const bool onEdge =
                        (res.leftBorder && x < r.x() + border) || (res.topBorder && y < r.y() + border) ||
                        (res.rightBorder && x > r.right() - border) || (res.bottomBorder && y > r.bottom() - border);
                    expected = onEdge ? edge : fill;
                }
                if (image.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }

    void roundedBorderInsetsFillAndStroke()
    {
        FillRes res = fillRes(8, Qt::red, 2, Qt::transparent);
        const QRectF inset(3, 3, 38, 38);
        const auto render = [](const FillRes& style) {
            return painted(44, 44, [&](QPainter& p) { KIVQPaintHelpers::paintColorFill(&p, style, 2, 2, 40, 40); });
        };
        const auto reference = [&inset](double radius, bool stroke) {
            return painted(44, 44, [&](QPainter& p) {
                p.setRenderHint(QPainter::Antialiasing);
                const QPainterPath path = KIVQPaintHelpers::roundedRectPath(inset, radius, true, true, true, true);
                if (stroke)
                    p.strokePath(path, QPen(QBrush(Qt::blue), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
                else
                    p.fillPath(path, Qt::red);
            });
        };

        // The fill alone (invisible border): an inset path of radius round - half.
        const QImage fillOnly = render(res);
        QCOMPARE(fillOnly, reference(7, false));
        QVERIFY(fillOnly != reference(8, false));
        QCOMPARE(qAlpha(fillOnly.pixel(2, 22)), 0);

        // The stroke alone: the same inset rectangle with the full radius.
        res.colour = Qt::transparent;
        res.borderColour = Qt::blue;
        const QImage strokeOnly = render(res);
        QCOMPARE(strokeOnly, reference(8, true));
        QVERIFY(strokeOnly != reference(7, true));

        res.colour = Qt::red;
        const QImage both = render(res);
        QCOMPARE(both.pixel(2, 22), qRgb(0, 0, 255));
        QCOMPARE(both.pixel(22, 22), qRgb(255, 0, 0));
        QCOMPARE(qAlpha(both.pixel(2, 2)), 0);
        QCOMPARE(qAlpha(both.pixel(42, 22)), 0);
    }

    void roundedCornerFlagsAndGradient()
    {
        FillRes res;
        res.round = 10;
        res.roundTopRight = res.roundBottomRight = res.roundBottomLeft = false;
        res.gradient = true;
        res.colour = Qt::red;
        res.colour2 = Qt::blue;
        const QImage image =
            painted(40, 20, [&](QPainter& p) { KIVQPaintHelpers::paintColorFill(&p, res, 0, 0, 40, 20); });
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(39, 19)), 255);
        // Horizontal: red at the left, blue at the right, the same down a column.
        QVERIFY(qRed(image.pixel(1, 15)) > 240 && qBlue(image.pixel(1, 15)) < 15);
        QVERIFY(qBlue(image.pixel(38, 15)) > 240 && qRed(image.pixel(38, 15)) < 15);
        QCOMPARE(image.pixel(20, 2), image.pixel(20, 18));
    }

    // A rounded fill drawn from its kept image gives the pixels the fill itself would: the reference is the
    // same paint recorded as a picture, which the helper fills directly, played back over the same ground.
    void keptRoundedFillMatchesFill_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("round");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("border");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("button") << QRect(3, 2, 34, 24) << 4 << QColor(0x0a, 0x7f, 0x6f) << 0 << QPoint();
        QTest::newRow("translucent") << QRect(1, 1, 30, 18) << 7 << QColor(200, 40, 90, 120) << 0 << QPoint();
        QTest::newRow("bordered, fill inset by half a pixel")
            << QRect(2, 2, 40, 20) << 6 << QColor(Qt::darkCyan) << 1 << QPoint();
        QTest::newRow("painter moved") << QRect(0, 0, 22, 22) << 11 << QColor(Qt::darkRed) << 0 << QPoint(5, 3);
    }

    void keptRoundedFillMatchesFill()
    {
        QFETCH(QRect, rect);
        QFETCH(int, round);
        QFETCH(QColor, colour);
        QFETCH(int, border);
        QFETCH(QPoint, origin);
        FillRes res = fillRes(round, colour, border, Qt::black);
        res.roundBottomLeft = false;
        QImage ground(60, 40, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x)
                ground.setPixel(x, y, qRgba(x * 4, y * 6, (x * y) % 256, 255));
        const auto paint = [&](QPaintDevice* device) {
            QPainter p(device);
            p.translate(origin);
            KIVQPaintHelpers::paintColorFill(&p, res, rect.x(), rect.y(), rect.width(), rect.height());
        };
        QPicture picture;
        paint(&picture);
        QImage expected = ground;
        QPainter(&expected).drawPicture(0, 0, picture);
        for (int pass = 0; pass < 2; ++pass) {
            QImage image = ground;
            paint(&image);
            QCOMPARE(image, expected);
        }
    }

    void fillLeavesPainterAsFound_data()
    {
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("sides"); // 0 for no border
        QTest::addColumn<bool>("antialias");
        QTest::newRow("rounded, no border") << 6 << 0 << false;
        QTest::newRow("rounded, two sides, antialiased") << 6 << 9 << true;
        QTest::newRow("square, bottom, antialiased") << 0 << 8 << true;
    }
    // The caller's pen, brush and hints survive a fill, and fills of other sizes in between (the same
    // size in the same place draws the same path) paint what a fresh path paints.
    void fillLeavesPainterAsFound()
    {
        QFETCH(int, round);
        QFETCH(int, sides);
        QFETCH(bool, antialias);
        const FillRes res = fillRes(round, Qt::red, sides ? 2 : 0, Qt::blue, sides);
        const QPen pen(QColor(1, 2, 3), 5, Qt::DashLine);
        const QBrush brush(QColor(4, 5, 6), Qt::Dense3Pattern);
        const QList<QSize> sizes{{40, 20}, {41, 20}, {40, 21}, {40, 20}};
        QList<QImage> images;
        QImage image = canvas(44, 24);
        QPainter p(&image);
        for (const QSize& size : sizes) {
            image.fill(Qt::transparent);
            p.setPen(pen);
            p.setBrush(brush);
            p.setRenderHint(QPainter::Antialiasing, antialias);
            KIVQPaintHelpers::paintColorFill(&p, res, 1, 2, size.width(), size.height());
            QCOMPARE(p.pen(), pen);
            QCOMPARE(p.brush(), brush);
            QCOMPARE(p.testRenderHint(QPainter::Antialiasing), antialias);
            images.append(image.copy());
        }
        p.end();
        QCOMPARE(images.at(3), images.at(0));
        QVERIFY(images.at(1) != images.at(0));
        QVERIFY(images.at(2) != images.at(0));
        if (round == 0 || sides != 0)
            return;
        // Against a path made afresh for the last size drawn before the first came back.
        QCOMPARE(images.at(2), painted(44, 24, [round](QPainter& r) {
                     r.setRenderHint(QPainter::Antialiasing);
                     r.fillPath(KIVQPaintHelpers::roundedRectPath(QRectF(1, 2, 40, 21), round, true, true, true, true),
                                Qt::red);
                 }));
    }

    void roundedRectPathShapes()
    {
        const QRectF r(0, 0, 40, 10);
        QPainterPath rectPath;
        rectPath.addRect(r);
        QCOMPARE(KIVQPaintHelpers::roundedRectPath(r, 0, true, true, true, true), rectPath);
        QCOMPARE(KIVQPaintHelpers::roundedRectPath(r, -4, true, true, true, true), rectPath);
        QVERIFY(KIVQPaintHelpers::roundedRectPath(QRectF(0, 0, -1, 5), 3, true, true, true, true).isEmpty());
        // Clamped to half the shorter side.
        QCOMPARE(KIVQPaintHelpers::roundedRectPath(r, 20, true, false, true, false),
                 KIVQPaintHelpers::roundedRectPath(r, 5, true, false, true, false));
        QCOMPARE(KIVQPaintHelpers::roundedRectPath(r, 20, true, true, true, true).boundingRect(), r);

        const QPointF corners[4] = {{0.3, 0.3}, {39.7, 0.3}, {39.7, 9.7}, {0.3, 9.7}};
        for (int mask = 0; mask < 16; ++mask) {
            const bool flags[4] = {bool(mask & 1), bool(mask & 2), bool(mask & 4), bool(mask & 8)};
            const QPainterPath path = KIVQPaintHelpers::roundedRectPath(r, 4, flags[0], flags[1], flags[2], flags[3]);
            for (int corner = 0; corner < 4; ++corner) {
                if (path.contains(corners[corner]) == flags[corner])
                    QFAIL(qPrintable(QStringLiteral("corner %1 of mask %2").arg(corner).arg(mask)));
            }
            QVERIFY(path.contains(QPointF(20, 5)));
        }
    }

    void nineRegionCentreTiles()
    {
        // 10-pixel side margins around a 100x20 centre whose first column is marked.
        QImage image(120, 20, QImage::Format_ARGB32);
        image.fill(0xff0000ff);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 10; ++x) {
                image.setPixel(x, y, 0xffffff00);
                image.setPixel(110 + x, y, 0xffff00ff);
            }
            image.setPixel(10, y, 0xff00ff00);
        }
        cacheImage(QStringLiteral("tile.png"), image);
        ImageDesc desc;
        desc.margins[ImageDesc::Left] = desc.margins[ImageDesc::Right] = 10;
        desc.repeatCenter = true;

        const auto fill = [&desc](QPainter& p) {
            KIVQPaintHelpers::paintImageFill(&p, QStringLiteral("tile.png"), desc, 5, 0, 270, 20);
        };
        const QImage target = painted(290, 20, fill);
        QList<int> marks;
        for (int x = 0; x < target.width(); ++x) {
            if (target.pixel(x, 10) == 0xff00ff00)
                marks << x;
        }
        QCOMPARE(marks, (QList<int>{15, 115, 215})); // three tiles, the last cut at the right margin
        QCOMPARE(target.pixel(264, 10), 0xff0000ffu);
        QCOMPARE(target.pixel(265, 10), 0xffff00ffu);
        QCOMPARE(target.pixel(274, 10), 0xffff00ffu);
        QCOMPARE(target.pixel(5, 10), 0xffffff00u);
        QCOMPARE(qAlpha(target.pixel(275, 10)), 0);
        QCOMPARE(qAlpha(target.pixel(4, 10)), 0);

        desc.repeatCenter = false;
        const QImage stretched = painted(290, 20, fill);
        QCOMPARE(stretched.pixel(15, 10), 0xff00ff00u);
        QCOMPARE(stretched.pixel(115, 10), 0xff0000ffu);
    }

    void nineRegionSmallerThanMargins_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<QPoint>>("blocks"); // the image block expected at each point
        // Only the corners stay valid; they overlap, the later ones on top.
        QTest::newRow("15x15") << QSize(15, 15) << QList<QPoint>{{2, 2}, {12, 2}, {2, 12}, {12, 12}}
                               << QList<QPoint>{{0, 0}, {2, 0}, {0, 2}, {2, 2}};
        // The side edges are valid: the right one gives way to the left one.
        QTest::newRow("15x40") << QSize(15, 40) << QList<QPoint>{{7, 20}, {12, 20}, {3, 5}, {12, 35}}
                               << QList<QPoint>{{0, 1}, {2, 1}, {0, 0}, {2, 2}};
        QTest::newRow("40x15") << QSize(40, 15) << QList<QPoint>{{20, 2}, {20, 12}, {35, 7}}
                               << QList<QPoint>{{1, 0}, {1, 2}, {2, 2}};
    }
    void nineRegionSmallerThanMargins()
    {
        QFETCH(QSize, size);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QPoint>, blocks);
        cacheImage(QStringLiteral("blocks.png"), blockImage(10));
        ImageDesc desc;
        for (int& margin : desc.margins)
            margin = 10;
        const QImage target = painted(50, 50, [&](QPainter& p) {
            KIVQPaintHelpers::paintImageFill(&p, QStringLiteral("blocks.png"), desc, 0, 0, size.width(), size.height());
        });
        QCOMPARE(inkBounds(target), QRect(QPoint(0, 0), size));
        for (int i = 0; i < points.size(); ++i)
            QCOMPARE(target.pixel(points[i]), kBlockColours[blocks[i].y()][blocks[i].x()]);
    }

    // Missing images and a hidden fill style paint nothing.
    void missingImagePaintsNothing()
    {
        FillStyle hidden;
        hidden.draw = false;
        QCOMPARE(painted(20, 20,
                         [&hidden](QPainter& p) {
                             KIVQPaintHelpers::paintFillStyle(&p, hidden, QRect(0, 0, 20, 20));
                             KIVQPaintHelpers::paintImageFill(&p, QStringLiteral("no-such.png"), ImageDesc(), 0, 0, 20,
                                                              20);
                             KIVQPaintHelpers::paintImageOrSvg(&p, QStringLiteral("no-such.svg"), IconStyleDesc(), 0, 0,
                                                               20, 20);
                             KIVQPaintHelpers::paintImageOrSvg(&p, QString(), IconStyleDesc(), 0, 0, 20, 20);
                         }),
                 canvas(20, 20));
        QVERIFY(!KIVQPaintHelpers::imageOrSvgSize(QStringLiteral("no-such.png")).isValid());
        QVERIFY(!KIVQPaintHelpers::imageOrSvgSize(QString()).isValid());
    }

    void elision_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("elides");
        // The text keeps two pixels clear of the right edge.
        const int fits = qCeil(QFontMetricsF(pinnedFont()).horizontalAdvance(kElided)) + 2;
        QTest::newRow("other modes elide right too") << 0 << 90 << true;
        QTest::newRow("never") << 3 << 90 << false;
        QTest::newRow("one pixel short of the two spare") << 1 << fits - 1 << true;
        QTest::newRow("two pixels spare") << 1 << fits << false;
    }
    void elision()
    {
        QFETCH(int, mode);
        QFETCH(int, width);
        QFETCH(bool, elides);
        const QString text = kElided;
        const QRect rect(4, 2, width, 24);
        TextStyleDesc style = pinnedStyle();
        style.elideMode = mode;
        const QImage image = painted(300, 60, [&](QPainter& p) { KIVQPaintHelpers::paintText(&p, text, style, rect); });
        const QString elided = QFontMetrics(pinnedFont()).elidedText(text, Qt::ElideRight, rect.width() - 2);
        if (mode != 3)
            QCOMPARE(elided != text, elides);
        QCOMPARE(image,
                 qtText(QSize(300, 60), rect, elides ? elided : text, Qt::AlignLeft | Qt::AlignVCenter, pinnedFont()));
        if (elides)
            QVERIFY(inkBounds(image).right() <= rect.right());
    }

    void bottomAlignedTextWithOffset()
    {
        TextStyleDesc style = pinnedStyle();
        style.verAlign = 2;
        style.horAlign = 2;
        style.x = 5;
        style.y = 3;
        const QImage image = painted(120, 60, [&](QPainter& p) {
            KIVQPaintHelpers::paintText(&p, QStringLiteral("Ag"), style, QRect(0, 10, 100, 30));
        });
        // The rectangle keeps its top at y + 3 and grows to h + 3.
        QCOMPARE(image, qtText(QSize(120, 60), QRectF(5, 13, 95, 33), QStringLiteral("Ag"),
                               Qt::AlignRight | Qt::AlignBottom, pinnedFont()));
    }

    void verticalTextCoversItsRect()
    {
        const QPoint origin(37, 3);
        TextStyleDesc style = pinnedStyle();
        style.isHor = false;
        style.horAlign = 1;
        const QSize size(20, 80);
        const auto render = [&](const QPoint& at) {
            return painted(140, 100, [&](QPainter& p) {
                KIVQPaintHelpers::paintText(&p, QStringLiteral("Vitals"), style, QRect(at, size));
            });
        };
        const QImage image = render(origin);
        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY(QRect(origin, size).contains(ink));
        // The same picture wherever it is placed; read top to bottom, so the longer run is vertical.
        const QImage atZero = render(QPoint(0, 0));
        QCOMPARE(image.copy(QRect(origin, size)), atZero.copy(QRect(QPoint(0, 0), size)));
        QVERIFY(ink.height() > ink.width());
    }

    void styleFontFollowsGlobalFamily()
    {
        KIVQResourceManager* rm = KIVQResourceManager::getInstance();
        TextStyleDesc style;
        style.family = QStringLiteral("DejaVu Serif");
        style.size = 17;
        style.bold = true;
        style.italic = true;
        QFont font = KIVQPaintHelpers::styleFont(style);
        QCOMPARE(font.family(), kFamily);
        QCOMPARE(font.weight(), 75);
        QVERIFY(font.italic() && !font.underline());

        rm->setGlobalFontFamily(QString());
        font = KIVQPaintHelpers::styleFont(style);
        rm->setGlobalFontFamily(kFamily);
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        // Equal styles share a font; each attribute still tells them apart.
        style.bold = false;
        QCOMPARE(KIVQPaintHelpers::styleFont(style).weight(), 50);
        style.italic = false;
        QVERIFY(!KIVQPaintHelpers::styleFont(style).italic());
        style.underline = true;
        QVERIFY(KIVQPaintHelpers::styleFont(style).underline());
        style.size = 18;
        font = KIVQPaintHelpers::styleFont(style);
        QCOMPARE(font.pixelSize(), 18);
        QCOMPARE(KIVQPaintHelpers::measureText(style, QStringLiteral("Ward 7")).height(), QFontMetrics(font).height());
    }

    // Cells and captions are sized by the measured width; the rounded integer advance cut "mmHg" to "mm…".
    void measuredTextNeverElides()
    {
        TextStyleDesc style = pinnedStyle();
        for (int size = 9; size <= 29; ++size) {
            style.size = size;
            const QFontMetrics fm(KIVQPaintHelpers::styleFont(style));
            for (const char* text : {"119/77 mmHg", "98.1 %", "16 rpm", "Hello world", "Wj Wq fff"}) {
                const QString shown = QString::fromUtf8(text);
                const int width = KIVQPaintHelpers::measureText(style, shown).width();
                QVERIFY2(fm.elidedText(shown, Qt::ElideRight, width) == shown,
                         qPrintable(QStringLiteral("%1 at %2 px").arg(shown).arg(size)));
            }
        }
    }

    void recolouredAndGreySvgKeepAlpha()
    {
        cacheSvg(QStringLiteral("two.svg"), kTwoSquares);
        IconStyleDesc desc;
        desc.recolour = true;
        desc.colour = Qt::green;
        const QImage image = painted(30, 30, [&desc](QPainter& p) {
            KIVQPaintHelpers::paintImageOrSvg(&p, QStringLiteral("two.svg"), desc, QRect(5, 5, 20, 20));
        });
        QCOMPARE(image.pixel(10, 15), qRgba(0, 255, 0, 255));
        const QRgb half = qUnpremultiply(image.pixel(20, 15));
        QVERIFY(qAbs(qAlpha(half) - 128) <= 2);
        QVERIFY2(qGreen(half) >= 250 && qRed(half) <= 4 && qBlue(half) <= 4, qPrintable(QString::number(half, 16)));
        QCOMPARE(inkBounds(image), QRect(5, 5, 20, 20));

        const auto render = [](bool greyed) {
            return painted(20, 20, [greyed](QPainter& p) {
                KIVQPaintHelpers::paintImageOrSvg(&p, QStringLiteral("two.svg"), IconStyleDesc(), 0, 0, 20, 20, greyed);
            });
        };
        const QImage plain = render(false), grey = render(true);
        QCOMPARE(plain.pixel(5, 10), qRgb(255, 0, 0));
        const QRgb g = qUnpremultiply(grey.pixel(5, 10));
        QVERIFY(qAlpha(g) > 0);
        QVERIFY2(qAbs(qRed(g) - qGreen(g)) <= 8 && qAbs(qGreen(g) - qBlue(g)) <= 8, qPrintable(QString::number(g, 16)));
        QVERIFY(inkBounds(grey).isValid() && QRect(0, 0, 20, 20).contains(inkBounds(grey)));
    }

    void imageOrSvgSize()
    {
        // An empty viewBox gives no usable default size: the icon takes the rectangle's shorter side.
        cacheSvg(QStringLiteral("nosize.svg"), "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 0'>"
                                               "<rect width='24' height='24' fill='#000'/></svg>");
        IconStyleDesc desc;
        desc.recolour = true;
        desc.colour = Qt::red;
        QCOMPARE(inked(60, 40,
                       [&desc](QPainter& p) {
                           KIVQPaintHelpers::paintImageOrSvg(&p, QStringLiteral("nosize.svg"), desc, 10, 5, 40, 24);
                       }),
                 QRect(18, 5, 24, 24));
        QCOMPARE(KIVQPaintHelpers::imageOrSvgSize(QStringLiteral("nosize.svg")), QSize(16, 16));

        cacheSvg(QStringLiteral("Two.SVG"), kTwoSquares);
        cacheImage(QStringLiteral("size.png"), QImage(31, 20, QImage::Format_ARGB32));
        QCOMPARE(KIVQPaintHelpers::imageOrSvgSize(QStringLiteral("Two.SVG")), QSize(20, 20));
        QCOMPARE(KIVQPaintHelpers::imageOrSvgSize(QStringLiteral("size.png")), QSize(31, 20));
        KIVQResourceManager::getInstance()->setScaleFactor(0.5f);
        QCOMPARE(KIVQPaintHelpers::imageOrSvgSize(QStringLiteral("Two.SVG")), QSize(10, 10));
    }

    void placement_data()
    {
        QTest::addColumn<int>("horAlign");
        QTest::addColumn<int>("verAlign");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("textFlags"); // text follows the same rule
        QTest::newRow("left top") << 0 << 0 << QPoint() << QPoint(10, 10) << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("centre") << 1 << 1 << QPoint() << QPoint(21, 16) << int(Qt::AlignCenter);
        QTest::newRow("right bottom, offset")
            << 2 << 2 << QPoint(-2, -3) << QPoint(30, 19) << int(Qt::AlignRight | Qt::AlignBottom);
        QTest::newRow("unknown values add none") << 7 << -1 << QPoint(1, 0) << QPoint(1, 0) << 0;
    }
    void placement()
    {
        QFETCH(int, horAlign);
        QFETCH(int, verAlign);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, topLeft);
        QFETCH(int, textFlags);
        TextStyleDesc text;
        text.horAlign = horAlign;
        text.verAlign = verAlign;
        QCOMPARE(int(KIVQPaintHelpers::textAlignment(text)), textFlags);
        IconStyleDesc desc;
        desc.horAlign = horAlign;
        desc.verAlign = verAlign;
        desc.offsetX = offset.x();
        desc.offsetY = offset.y();
        const QRect rect(10, 10, 30, 20);
        QImage square(8, 8, QImage::Format_ARGB32);
        square.fill(Qt::red);
        cacheImage(QStringLiteral("square.png"), square);

        const QRect expected(topLeft, QSize(8, 8));
        QCOMPARE(inked(50, 40,
                       [&](QPainter& p) {
                           KIVQPaintHelpers::paintIcon(&p, QIcon(QPixmap::fromImage(square)), QSize(8, 8), desc, rect);
                       }),
                 expected);
        QCOMPARE(inked(50, 40,
                       [&](QPainter& p) {
                           KIVQPaintHelpers::paintImageOrSvg(&p, QStringLiteral("square.png"), desc, rect);
                       }),
                 expected);
    }

    void scaledSize_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("default factor") << 100.0f << QSize(31, 20) << QSize(31, 20);
        QTest::newRow("half rounds away from zero") << 0.5f << QSize(31, 20) << QSize(16, 10);
        QTest::newRow("never below 1") << 0.1f << QSize(3, 40) << QSize(1, 4);
        QTest::newRow("invalid stays invalid") << 0.5f << QSize() << QSize();
    }
    void scaledSize()
    {
        QFETCH(float, factor);
        QFETCH(QSize, size);
        QFETCH(QSize, expected);
        KIVQResourceManager::getInstance()->setScaleFactor(factor);
        QCOMPARE(KIVQPaintHelpers::scaledSize(size), expected);
    }
};

QTEST_MAIN(tst_KIVQPaintHelpers)
#include "tst_KIVQPaintHelpers.moc"
