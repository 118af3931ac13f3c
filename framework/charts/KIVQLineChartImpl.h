#pragma once

#include "KIVQCartesianChartImpl.h"
#include "KIVQLineChart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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

    // Every setter of the series calls it: what was worked out from the values is kept until then.
    void seriesChanged() { ++m_revision; }

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    bool findHover(const QPoint& pos, const QRectF& plot, int& category, int& series, QPointF& point) override;
    void drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color) override;

private:
    // One series as drawn. A plot has far fewer pixel columns than a long series has points, so only the
    // points that decide the line in each column are kept: the picture is the same, and the cost of a
    // paint follows the plot's width. Kept until the values, the columns or the placement change.
    struct Line
    {
        chart::Extent extent;
        // The kept indices, ascending, for the columns from left over width at that ratio, end + 1 categories.
        QVector<int> kept;
        bool thinned = false; // some points were left out
        double left = 0;
        double width = -1;
        qreal ratio = 0;
        int end = -1;
        // Where the kept points are drawn for that plot, range and intro progress; area built when asked.
        QVector<QPointF> points;
        QPainterPath path;
        QPainterPath area;
        QRectF plot;
        chart::ValueRange range;
        double progress = -1;
        bool smooth = false;
    };

    static chart::ValueRange widened(const chart::Extent& e);
    static bool placePoint(const QVector<double>& values, int i, int end, const QRectF& plot,
                           const chart::ValueRange& range, double progress, QPointF* point);
    // The lines of the series, with their extents, made again when the series changed.
    QVector<Line>& lines();
    // The value range of the visible series, from the kept extents.
    chart::ValueRange currentRange();
    // Series s placed in that plot, its columns at the device's pixel ratio.
    Line& placedLine(int s, const QRectF& plot, qreal ratio, const chart::ValueRange& range, double progress);

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
    QVector<QPainter::PixmapFragment> m_fragments;
    QVector<Line> m_lines;
    quint64 m_revision = 0;
    quint64 m_linesRevision = ~quint64(0);
};

} // namespace KIVQtLib
