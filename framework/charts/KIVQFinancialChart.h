#pragma once

#include "FinancialData.h"
#include "KIVQChartBase.h"
#include "KIVQChartControl.h"

namespace KIVQtLib {

class KIVQChartZoomSlider;
class KIVQFinancialChartImpl;

// Trading data as daily candles with moving averages (view 0), an intraday price line with its running
// average (view 1) or volume bars (any other view). A zoom slider under the plot picks the window shown;
// hovering snaps to the nearest item with a crosshair and a tooltip.
class KIVQFinancialChart : public KIVQChartControl<KIVQFinancialChart, KIVQChartBase, KIVQFinancialChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQFinancialChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtfinancialchart"; }
    static QWidget* createKIVQFinancialChart();
    static ControlInfo getProps();

    // Each data setter clears the hover and replays the intro.
    void setCandles(const QVector<KIVQCandle>& candles);
    const QVector<KIVQCandle>& candles() const;
    void setTicks(const QVector<KIVQTick>& ticks);
    const QVector<KIVQTick>& ticks() const;
    void setView(int view);
    int view() const;

    // The window changes neither the data nor the intro; it clears the hover.
    void setZoomEnabled(bool enabled);
    void setZoomRange(double start, double end);
    const KIVQChartZoomSlider& zoomSlider() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib
