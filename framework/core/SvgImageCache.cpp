#include "SvgImageCache.h"

#include <QCache>
#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>

namespace KIVQtLib {

namespace {

// In kilobytes: thousands of icons, or a control the size of a page a few times over.
constexpr int kBudgetKb = 32 * 1024;

struct Key
{
    quintptr renderer;
    bool grey;
    QColor colour;
    QSize target;
    QPoint origin; // of the shown part within the target
    QSize shown;
    qreal dpr;

    bool operator==(const Key& o) const
    {
        return renderer == o.renderer && grey == o.grey && colour == o.colour && target == o.target &&
               origin == o.origin && shown == o.shown && qFuzzyCompare(dpr, o.dpr);
    }
};

uint qHash(const Key& k, uint seed = 0)
{
    // Unsigned throughout: a hostile page can give sizes near the ends of int.
    const auto pair = [](int a, int b) { return uint(a) * 31u + uint(b); };
    return ::qHash(k.renderer, seed) ^ ::qHash(k.colour.rgba()) ^ ::qHash(pair(k.target.width(), k.target.height())) ^
           ::qHash(pair(k.origin.x(), k.origin.y()) * 131u) ^ ::qHash(pair(k.shown.width(), k.shown.height()) * 17u) ^
           uint(k.grey);
}

struct Entry
{
    // Compared with the key's address: a renderer deleted and another made at the same address must miss.
    QPointer<QSvgRenderer> renderer;
    QImage image;
    QPixmap pixmap;
};

QCache<Key, Entry>* entries()
{
    static QCache<Key, Entry>* cache = nullptr;
    if (!cache) {
        cache = new QCache<Key, Entry>(kBudgetKb);
        // Pixmaps must go before the application does.
        qAddPostRoutine([] {
            delete cache;
            cache = nullptr;
        });
    }
    return cache;
}

Key makeKey(QSvgRenderer* renderer, const QRect& target, const QRect& shown, const QColor& colour, qreal dpr, bool grey)
{
    return Key{quintptr(renderer), grey, colour, target.size(), shown.topLeft() - target.topLeft(), shown.size(), dpr};
}

const Entry* find(const Key& key, QSvgRenderer* renderer)
{
    // An animated drawing changes with time.
    if (renderer->animated())
        return nullptr;
    const Entry* entry = entries()->object(key);
    return entry && entry->renderer == renderer ? entry : nullptr;
}

void keep(const Key& key, QSvgRenderer* renderer, QImage image, QPixmap pixmap)
{
    if (renderer->animated())
        return;
    const qint64 bytes = qint64(image.sizeInBytes()) + qint64(pixmap.width()) * pixmap.height() * 4;
    const int cost = int(std::min<qint64>(std::max<qint64>(bytes / 1024, 1), kBudgetKb + 1));
    entries()->insert(key, new Entry{renderer, std::move(image), std::move(pixmap)}, cost);
}

// For a painter whose origin is the shown part's top left.
void render(QSvgRenderer* renderer, QPainter* painter, const QRect& target, const QRect& shown)
{
    renderer->render(painter, QRectF(QPointF(target.topLeft() - shown.topLeft()), QSizeF(target.size())));
}

} // namespace

QImage SvgImageCache::tinted(QSvgRenderer* renderer, const QRect& target, const QRect& shown, const QColor& colour,
                             qreal dpr)
{
    const Key key = makeKey(renderer, target, shown, colour, dpr, false);
    if (const Entry* entry = find(key, renderer))
        return entry->image;
    QImage image(QSize(qCeil(shown.width() * dpr), qCeil(shown.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        render(renderer, &p, target, shown);
        // Keeps the drawing's coverage, takes the colour.
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(QRectF(QPointF(0, 0), QSizeF(shown.size())), colour);
    }
    keep(key, renderer, image, QPixmap());
    return image;
}

QPixmap SvgImageCache::greyed(QSvgRenderer* renderer, const QRect& target, const QRect& shown)
{
    const Key key = makeKey(renderer, target, shown, QColor(), 1.0, true);
    if (const Entry* entry = find(key, renderer))
        return entry->pixmap;
    QImage image(shown.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        render(renderer, &p, target, shown);
    }
    const QPixmap grey = QIcon(QPixmap::fromImage(image)).pixmap(shown.size(), QIcon::Disabled, QIcon::Off);
    keep(key, renderer, QImage(), grey);
    return grey;
}

} // namespace KIVQtLib
