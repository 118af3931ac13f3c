#pragma once

#include "ChartValues.h"
#include "FinancialData.h"
#include "KIVQChartImpl.h"
#include "KIVQChartZoomSlider.h"

namespace KIVQtLib {

class KIVQFinancialChart;

class KIVQFinancialChartImpl : public KIVQChartImpl
{
public:
    KIVQFinancialChartImpl(KIVQFinancialChart* chart, const QString& typeName);

    int view = 0;
    QVector<KIVQCandle> candles;
    QVector<KIVQTick> ticks;
    bool tooltipEnabled = false;
    bool hoverEnabled = true;
    int hoverMode = 1;
    KIVQChartZoomSlider slider;
    bool hovering = false;
    int hoverIndex = -1;
    QPoint hoverPos;
    QColor risingColor{230, 76, 69};
    QColor fallingColor{34, 178, 115};
    QColor priceLineColor{35, 128, 224};
    QColor averageLineColor{232, 148, 54};
    bool movingAveragesOn = true;
    QVector<int> periods{5, 10, 20, 30};
    QVector<QColor> averageColors{{234, 179, 8}, {59, 130, 246}, {168, 85, 247}, {20, 184, 166}};

    // Recomputes the moving averages; every change of the candles or periods calls it.
    void candlesChanged();

    bool intraday() const { return view == 1; }
    // Ticks in the intraday view, candles otherwise.
    int itemCount() const;
    QString itemLabel(int index) const;
    QRectF plotRect(const QSize& size) const;
    // First and last index of the window the slider shows.
    int firstVisible() const;
    int lastVisible() const;
    chart::ValueRange valueRange(int first, int last) const;
    // The moving average of the k-th period at index i, when it is defined there.
    bool averageAt(int k, int i, double* value = nullptr) const;
    QColor averageColor(int k) const;
    QString tooltipText(int index) const;
    // The slider's track under the plot, with the slider told how many items there are.
    QRectF sliderTrack(const QSize& size);

    bool updateHover(const QPoint& pos, const QSize& size) override;
    bool toggleLegendAt(const QPoint&, const QSize&) override { return false; }
    bool clearHoverState() override;

protected:
    void paintChart(QPainter& p, const QSize& size) override;
    void fontSizes(int& title, int& label) const override;

private:
    struct Frame
    {
        QRectF plot;
        int first;
        int last;
        chart::ValueRange range;
        double x(int i) const;
        double y(double v) const;
    };

    bool itemIsDrawable(int index) const;
    void drawAxes(QPainter& p, const Frame& f);
    void drawCandles(QPainter& p, const Frame& f);
    void drawAverages(QPainter& p, const Frame& f);
    void drawIntraday(QPainter& p, const Frame& f);
    void drawVolumes(QPainter& p, const Frame& f);
    void drawCrosshair(QPainter& p, const Frame& f);

    QVector<QVector<double>> m_averages; // per period, NaN where undefined
    chart::ValueRange m_labelRange{0, 0};
    QStringList m_valueLabels; // formatted once per range
};

} // namespace KIVQtLib
