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
    // negative side, however small the widget. lift moves everything up (see topRoomUnused); grow is what
    // a legend in rows (top or bottom) needs beyond its usual room.
    static QRectF pieRect(const QSize& size, int legendPosition, int lift = 0, int grow = 0);
    static QRectF legendRect(const QSize& size, int legendPosition, const QRectF& pie, int lift = 0, int grow = 0);
    // The room at the top kept for a title and labels that are not there.
    static int topRoomUnused(bool titled, bool labelled);
    // What a slice adds to the total: 0 for negative and non-finite values.
    static double countedValue(const KIVQPieSlice& slice);
    // The slice index under the point, or -1 (in the hole, beyond the rim, in no sector).
    static int hitTest(const QPointF& point, const QRectF& pie, double holeRatio,
                       const QVector<KIVQPieSliceAngle>& angles);

    double visibleTotal() const;
    // During the intro each sector grows from its final start.
    QVector<KIVQPieSliceAngle> sliceAngles(double progress) const;
    QString tooltipText(int index) const;
    // The pie at that size, and its legend laid out when asked.
    QRectF layout(const QSize& size, QVector<KIVQChartLegendItem>* legend = nullptr);
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
