// The painting every control does on each paint event: a bordered rounded fill, an elided caption and a
// tiled nine-region background.
#include "core/KIVQPaintHelpers.h"
#include "theme/KIVQResourceManager.h"
#include "theme/KIVQResourceManagerImpl.h"

#include <QPainter>
#include <QtTest>

using namespace KIVQtLib;

class bench_paint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        KIVQResourceManager::getInstance()->setGlobalFontFamily(QStringLiteral("DejaVu Sans"));
        QImage tile(64, 32, QImage::Format_ARGB32_Premultiplied);
        tile.fill(QColor(40, 120, 200));
        KIVQResourceManager::getInstance()->getSkinManagerImpl()->cacheImage(QStringLiteral("bench-tile.png"),
                                                                             new QImage(tile));
    }

    void roundedBorderFill()
    {
        FillStyle style;
        style.res.round = 6;
        style.res.border = true;
        style.res.borderSize = 2;
        style.res.colour = QColor(240, 244, 250);
        style.res.borderColour = QColor(90, 120, 160);
        QImage target(200, 40, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        QBENCHMARK
        {
            KIVQPaintHelpers::paintFillStyle(&p, style, QRect(0, 0, 200, 40));
        }
    }

    void elidedText()
    {
        TextStyleDesc style;
        style.size = 13;
        style.colour = QColor(30, 40, 50);
        const QString text = QStringLiteral("Attention queue: blood pressure above threshold for bed 12");
        QImage target(200, 40, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        QBENCHMARK
        {
            KIVQPaintHelpers::paintText(&p, text, style, QRect(0, 0, 160, 40));
        }
    }

    void nineRegionTiledFill()
    {
        FillStyle style;
        style.colourFill = false;
        style.image = QStringLiteral("bench-tile.png");
        for (int& margin : style.imageDesc.margins)
            margin = 8;
        style.imageDesc.repeatCenter = true;
        QImage target(300, 120, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        QBENCHMARK
        {
            KIVQPaintHelpers::paintFillStyle(&p, style, QRect(0, 0, 300, 120));
        }
    }
};

QTEST_MAIN(bench_paint)
#include "bench_paint.moc"
