#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace KIVQtLib {

// One trading day; the label is the date without its year (MM-DD).
struct KIVQCandle
{
    QString label;
    double open = 0;
    double high = 0;
    double low = 0;
    double close = 0;
    double volume = 0;

    bool operator==(const KIVQCandle& other) const;
    bool operator!=(const KIVQCandle& other) const { return !(*this == other); }
};

// One intraday step; the label is the date and time without the year (MM-DD HH:MM). The average is the
// running mean of the prices up to and including this tick.
struct KIVQTick
{
    QString label;
    double price = 0;
    double average = 0;
    double volume = 0;

    bool operator==(const KIVQTick& other) const;
    bool operator!=(const KIVQTick& other) const { return !(*this == other); }
};

namespace chart {

// Comma-separated rows, one a line: date, open, close, high, low, volume for a candle; date and time,
// price, volume for a tick. Short lines are skipped; a field that is no finite number reads as 0.
QVector<KIVQCandle> parseCandles(const QByteArray& text);
QVector<KIVQTick> parseTicks(const QByteArray& text);
// The compiled-in rows the financial chart opens with: 62 days, and 49 ticks of the last of them.
QByteArray demoDailyText();
QByteArray demoIntradayText();
// The mean close of the period ending at each index; NaN where the period does not fit or holds a close
// that is no number.
QVector<double> movingAverage(const QVector<KIVQCandle>& candles, int period);

} // namespace chart
} // namespace KIVQtLib
