#pragma once

#include "ChartLegend.h"
#include "KIVQChartImpl.h"
#include "KIVQOpenGLPieChart.h"

namespace KIVQtLib {

// One drawn sector; angles in degrees, clockwise from twelve o'clock.
struct KIVQPieSliceAngle
{
    int index = -1;
    double value = 0;
    double start = 0;
    double span = 0;
    double middle = 0;
    QColor color;
};

class KIVQOpenGLPieChartImpl : public KIVQChartImpl
{
public:
    KIVQOpenGLPieChartImpl(KIVQOpenGLPieChart* chart, const QString& typeName);

    QVector<KIVQPieSlice> slices;
    bool tooltipEnabled = true;
    bool hoverEnabled = true;
    int hoverMode = 1;
    double holeRatio = 0.0;
    double startAngle = 0.0;
    double sweep = 360.0;
    bool labelsVisible = false;
    bool hovering = false;
    int hoverIndex = -1;
    QPoint hoverPoint;

    // The square the pie fills in a widget of that size, beside a legend at that position; never of
    // negative side, however small the widget.
    static QRectF pieRect(const QSize& size, int legendPosition);
    static QRectF legendRect(const QSize& size, int legendPosition, const QRectF& pie);
    // What a slice adds to the total: 0 for negative and non-finite values.
    static double countedValue(const KIVQPieSlice& slice);
    // The slice index under the point, or -1 (in the hole, beyond the rim, in no sector).
    static int hitTest(const QPointF& point, const QRectF& pie, double holeRatio,
                       const QVector<KIVQPieSliceAngle>& angles);

    double visibleTotal() const;
    // During the intro each sector grows from its final start.
    QVector<KIVQPieSliceAngle> sliceAngles(double progress) const;
    QString tooltipText(int index) const;
    QVector<KIVQChartLegendItem> legendItems(const QSize& size);

    bool updateHover(const QPoint& pos, const QSize& size) override;
    bool toggleLegendAt(const QPoint& pos, const QSize& size) override;
    bool clearHoverState() override;

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    void fontSizes(int& title, int& label) const override;

private:
    void drawLabels(QPainter& p, const QRectF& pie, const QVector<KIVQPieSliceAngle>& angles, double total);
};

} // namespace KIVQtLib
