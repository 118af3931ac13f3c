#pragma once

#include "ChartLegend.h"
#include "ChartValues.h"
#include "KIVQChartImpl.h"

#include <QStringList>
#include <QVector>

namespace KIVQtLib {

// The part of the bar and line charts' Impls that does not depend on the kind of series: categories,
// hover state, the plot rectangle, the series legend and the labels around the plot.
class KIVQCartesianChartImpl : public KIVQChartImpl
{
public:
    using KIVQChartImpl::KIVQChartImpl;

    QStringList categories;
    bool hoverEnabled = true;
    int tooltipMode = TooltipOff; // a KIVQChartTooltipMode
    bool hoverActive = false;
    int hoveredCategory = -1;
    int hoveredSeries = -1;
    QPointF hoveredPoint;
    QPoint lastMouse;

    void setTooltipMode(int mode);
    bool updateHover(const QPoint& pos, const QSize& size) final;
    bool toggleLegendAt(const QPoint& pos, const QSize& size) final;
    bool clearHoverState() final;

    virtual int seriesCount() const = 0;
    virtual const QVector<double>& seriesValues(int i) const = 0;
    virtual bool seriesVisible(int i) const = 0;
    virtual QString seriesName(int i) const = 0;
    virtual QColor seriesOwnColor(int i) const = 0;
    virtual void setSeriesVisible(int i, bool visible) = 0;

    QColor seriesColor(int i) const;
    // The categories or the longest visible series, at least 1.
    int categoryCount() const;
    bool hasVisibleValue() const;
    bool hasValueAt(int category) const;
    QRectF plotRect(const QSize& size) const;
    QVector<KIVQChartLegendItem> legendItems(const QSize& size, const QRectF& plot);

protected:
    // The kind's hover rule for a mouse inside the plot; false when nothing is hovered.
    virtual bool findHover(const QPoint& pos, const QRectF& plot, int& category, int& series, QPointF& point) = 0;
    virtual void drawLegendMarker(QPainter& p, const KIVQChartLegendItem& item, const QColor& color) = 0;

    void drawTitleAndValueLabels(QPainter& p, const QSize& size, const QRectF& plot, const chart::ValueRange& range);
    void drawSeriesLegend(QPainter& p, const QSize& size, const QRectF& plot);

private:
    chart::ValueRange m_labelRange{0, 0};
    QStringList m_valueLabels; // formatted once per range
};

// The series accessors over a vector of the kind's series; ownColor(series) names its colour field.
template <class Series> class KIVQSeriesChartImpl : public KIVQCartesianChartImpl
{
public:
    using KIVQCartesianChartImpl::KIVQCartesianChartImpl;

    QVector<Series> series;

    int seriesCount() const override { return series.size(); }
    const QVector<double>& seriesValues(int i) const override { return series[i].values; }
    bool seriesVisible(int i) const override { return series[i].visible; }
    QString seriesName(int i) const override { return series[i].name; }
    QColor seriesOwnColor(int i) const override { return ownColor(series[i]); }
    void setSeriesVisible(int i, bool visible) override { series[i].visible = visible; }
};

} // namespace KIVQtLib
