#include "KIVQFinancialChart.h"

#include "KIVQFinancialChartImpl.h"

#include <QMouseEvent>

namespace KIVQtLib {

KIVQFinancialChart::KIVQFinancialChart(QWidget* parent) : KIVQChartControl(parent)
{
    attachImpl();
    const QVector<KIVQCandle> candles = chart::parseCandles(chart::demoDailyText());
    const QVector<KIVQTick> ticks = chart::parseTicks(chart::demoIntradayText());
    // The chart itself starts without a tooltip; its demo shows one.
    impl()->tooltipEnabled = true;
    setUpChart();
    setMinimumSize(480, 300);
    setCandles(candles);
    setTicks(ticks);
    setZoomEnabled(true);
    setZoomRange(0.55, 1.0);
}

void KIVQFinancialChart::setCandles(const QVector<KIVQCandle>& candles)
{
    impl()->candles = candles;
    impl()->candlesChanged();
    impl()->clearHoverState();
    restartAnimation();
}

const QVector<KIVQCandle>& KIVQFinancialChart::candles() const
{
    return impl()->candles;
}

void KIVQFinancialChart::setTicks(const QVector<KIVQTick>& ticks)
{
    impl()->ticks = ticks;
    impl()->clearHoverState();
    restartAnimation();
}

const QVector<KIVQTick>& KIVQFinancialChart::ticks() const
{
    return impl()->ticks;
}

void KIVQFinancialChart::setView(int view)
{
    impl()->view = view;
    impl()->clearHoverState();
    restartAnimation();
}

int KIVQFinancialChart::view() const
{
    return impl()->view;
}

void KIVQFinancialChart::setZoomEnabled(bool enabled)
{
    impl()->slider.setEnabled(enabled);
    impl()->clearHoverState();
    update();
}

void KIVQFinancialChart::setZoomRange(double start, double end)
{
    impl()->slider.setRange(start, end);
    impl()->clearHoverState();
    update();
}

const KIVQChartZoomSlider& KIVQFinancialChart::zoomSlider() const
{
    return impl()->slider;
}

// The slider takes the mouse first; a drag moves the window and never replays the intro.
void KIVQFinancialChart::mouseMoveEvent(QMouseEvent* event)
{
    KIVQChartZoomSlider& slider = impl()->slider;
    if (slider.isDragging() && slider.mouseMove(event->pos(), impl()->sliderTrack(size()))) {
        update();
        event->accept();
        return;
    }
    KIVQChartControl::mouseMoveEvent(event);
}

void KIVQFinancialChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && impl()->slider.mousePress(event->pos(), impl()->sliderTrack(size()))) {
        impl()->clearHoverState();
        update();
        event->accept();
        return;
    }
    KIVQChartControl::mousePressEvent(event);
}

void KIVQFinancialChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        impl()->slider.mouseRelease();
    KIVQChartControl::mouseReleaseEvent(event);
}

} // namespace KIVQtLib
