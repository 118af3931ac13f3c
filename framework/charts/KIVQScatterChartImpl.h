#pragma once

#include "ChartLegend.h"
#include "ChartValues.h"
#include "KIVQChartImpl.h"
#include "KIVQScatterChart.h"

namespace KIVQtLib {

class KIVQScatterChartImpl : public KIVQChartImpl
{
public:
    KIVQScatterChartImpl(KIVQScatterChart* chart, const QString& typeName);

    struct Bounds
    {
        chart::ValueRange x;
        chart::ValueRange y;
    };
    struct Nearest
    {
        bool found = false;
        int series = -1;
        int point = -1;
        QPointF screen;
        double distance = 1e9;
    };

    QVector<KIVQScatterSeries> series;
    bool tooltipEnabled = true;
    bool hoverEnabled = true;
    int hoverMode = 1;
    bool hovering = false;
    int hoverSeries = -1;
    int hoverPoint = -1;
    QPoint hoverPos;

    QRectF plotRect(const QSize& size) const;
    // Over the visible series' drawable points, widened when flat and by 8 % on each side; 0 .. 1 on
    // both axes, unwidened, when there is no such point.
    Bounds bounds() const;
    QPointF screenPos(const QPointF& value, const QRectF& plot, const Bounds& b, double progress) const;
    Nearest nearest(const QPoint& mouse, const QRectF& plot, const Bounds& b) const;
    QString tooltipText(int seriesIndex, int pointIndex) const;
    QVector<KIVQChartLegendItem> legendItems(const QSize& size, const QRectF& plot);
    bool hasVisiblePoint() const;

    bool updateHover(const QPoint& pos, const QSize& size) override;
    bool toggleLegendAt(const QPoint& pos, const QSize& size) override;
    bool clearHoverState() override;

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    void fontSizes(int& title, int& label) const override;

private:
    void drawPoints(QPainter& p, const QRectF& plot, const Bounds& b);
    void drawAxisLabels(QPainter& p, const QRectF& plot, const Bounds& b);

    Bounds m_labelBounds{{0, 0}, {0, 0}};
    QStringList m_yLabels; // formatted once per range
    QStringList m_xLabels;
};

} // namespace KIVQtLib
