#pragma once

#include "KIVQCartesianChartImpl.h"
#include "KIVQLineChart.h"

#include <QPixmap>

class QPainterPath;

namespace KIVQtLib {

inline const QColor& ownColor(const KIVQLineSeries& s)
{
    return s.lineColor;
}

class KIVQLineChartImpl : public KIVQSeriesChartImpl<KIVQLineSeries>
{
public:
    KIVQLineChartImpl(KIVQLineChart* chart, const QString& typeName);

    bool showSymbols = true;
    bool smooth = false;
    bool areaFill = false;

    // Over the visible series' values in categories start..end; a range that is all above zero starts at 0.
    static chart::ValueRange valueRange(const QVector<KIVQLineSeries>& series, int start, int end);
    // How far point i of n has risen at the intro progress: 0 at the plot bottom, 1 at its value. Point i
    // starts at progress i / (n + 1) and arrives at (i + 2) / (n + 1).
    static double introShare(int i, int n, double progress);
    // Cubic segments through three or more points when smooth, else straight ones.
    static QPainterPath linePath(const QVector<QPointF>& points, bool smooth);
    // The categories that get a label under a plot of that width: every step-th and the last.
    static QVector<int> labelledCategories(int start, int end, double plotWidth);

    // Where series s draws its value at category i; false when it has none there.
    bool pointAt(int s, int i, const QRectF& plot, const chart::ValueRange& range, double progress,
                 QPointF* point) const;

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    bool findHover(const QPoint& pos, const QRectF& plot, int& category, int& series, QPointF& point) override;
    void drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color) override;

private:
    // The series' points in the visible window, into the reused buffers.
    void collectPoints(int s, const QRectF& plot, const chart::ValueRange& range, double progress) const;

    // Point markers are the same circle at every point: stroked once into a pixmap, then placed. A copy,
    // as a later lookup may grow or clear the cache.
    QPixmap marker(const QColor& pen, double penWidth, const QColor& fill, double radius, const QPainter& p);
    static void drawSprite(QPainter& p, const QPointF& centre, const QPixmap& sprite);

    struct MarkerSprite
    {
        QColor pen;
        QColor fill;
        double penWidth;
        double radius;
        qreal ratio;
        QPixmap pixmap;
    };
    QVector<MarkerSprite> m_markers;
    mutable QVector<QPointF> m_points;
    mutable QVector<int> m_pointCategories;
};

} // namespace KIVQtLib
