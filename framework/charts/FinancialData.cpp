#include "FinancialData.h"

#include <QStringList>

#include <cmath>

namespace KIVQtLib {
namespace chart {

namespace {

// Three months of daily rows (date, open, close, high, low, volume) and the five-minute rows of the
// last day (date and time, price, volume). Made-up values.
const char dailyText[] = R"(
2026-03-02,24.80,24.87,24.99,24.63,182000
2026-03-03,24.87,25.07,25.25,24.75,225529
2026-03-04,25.07,25.15,25.35,24.91,249668
2026-03-05,25.15,25.17,25.32,25.00,244145
2026-03-06,25.17,25.35,25.51,25.04,212639
2026-03-09,25.35,25.56,25.76,25.18,215950
2026-03-10,25.56,25.61,25.79,25.46,251580
2026-03-11,25.61,25.68,25.80,25.44,244876
2026-03-12,25.68,25.92,26.10,25.54,224701
2026-03-13,25.92,26.13,26.33,25.77,187676
2026-03-16,26.13,26.21,26.36,25.97,230947
2026-03-17,26.21,26.39,26.55,26.10,254442
2026-03-18,26.39,26.71,26.91,26.22,248194
2026-03-19,26.71,26.91,27.09,26.58,216222
2026-03-20,26.91,27.00,27.12,26.75,205454
2026-03-23,27.00,27.22,27.40,26.84,240600
2026-03-24,27.22,27.46,27.66,27.09,249267
2026-03-25,27.46,27.46,27.61,27.29,228460
2026-03-26,27.46,27.43,27.62,27.32,193351
2026-03-27,27.43,27.51,27.71,27.27,236352
2026-03-30,27.51,27.52,27.70,27.36,259198
2026-03-31,27.52,27.33,27.64,27.19,236127
2026-04-01,27.33,27.18,27.52,27.01,203699
2026-04-02,27.18,27.15,27.38,27.05,211052
2026-04-03,27.15,27.01,27.30,26.84,245704
2026-04-06,27.01,26.76,27.17,26.63,253640
2026-04-07,26.76,26.65,26.96,26.50,232209
2026-04-08,26.65,26.63,26.83,26.47,199027
2026-04-09,26.63,26.47,26.76,26.35,225645
2026-04-10,26.47,26.27,26.66,26.10,247837
2026-04-13,26.27,26.24,26.47,26.12,240145
2026-04-14,26.24,26.20,26.39,26.04,207271
2026-04-15,26.20,25.99,26.36,25.84,216643
2026-04-16,25.99,25.82,26.19,25.69,250791
2026-04-17,25.82,25.81,26.00,25.64,257995
2026-04-20,25.81,25.73,25.94,25.63,219846
2026-04-21,25.73,25.54,25.92,25.37,188601
2026-04-22,25.54,25.50,25.74,25.36,231026
2026-04-23,25.50,25.60,25.75,25.35,252557
2026-04-24,25.60,25.61,25.77,25.44,244148
2026-04-27,25.61,25.60,25.81,25.49,210837
2026-04-28,25.60,25.80,25.98,25.43,222227
2026-04-29,25.80,26.06,26.19,25.67,239763
2026-04-30,26.06,26.19,26.38,25.90,246232
2026-05-01,26.19,26.35,26.55,26.03,223573
2026-05-04,26.35,26.67,26.82,26.22,194274
2026-05-05,26.67,26.92,27.08,26.50,236394
2026-05-06,26.92,27.01,27.21,26.81,257259
2026-05-07,27.01,27.18,27.36,26.85,248137
2026-05-08,27.18,27.44,27.57,27.03,198299
2026-05-11,27.44,27.55,27.74,27.30,211703
2026-05-12,27.55,27.56,27.76,27.38,244818
2026-05-13,27.56,27.71,27.86,27.46,250552
2026-05-14,27.71,27.90,28.06,27.54,227290
2026-05-15,27.90,27.92,28.12,27.77,199945
2026-05-18,27.92,27.93,28.11,27.77,241750
2026-05-19,27.93,28.09,28.22,27.77,245843
2026-05-20,28.09,28.20,28.39,27.97,236010
2026-05-21,28.20,28.12,28.39,27.95,201856
2026-05-22,28.12,28.09,28.26,27.97,217272
2026-05-25,28.09,28.15,28.31,27.93,249857
2026-05-26,28.15,28.05,28.35,27.90,254855
)";

const char intradayText[] = R"(
2026-05-26 09:31,28.16,4200
2026-05-26 09:36,28.17,5548
2026-05-26 09:41,28.19,6628
2026-05-26 09:46,28.20,7224
2026-05-26 09:51,28.23,7218
2026-05-26 09:56,28.27,6612
2026-05-26 10:01,28.30,5524
2026-05-26 10:06,28.33,4226
2026-05-26 10:11,28.33,5571
2026-05-26 10:16,28.33,6644
2026-05-26 10:21,28.32,7230
2026-05-26 10:26,28.31,7212
2026-05-26 10:31,28.30,6595
2026-05-26 10:36,28.27,5501
2026-05-26 10:41,28.23,4252
2026-05-26 10:46,28.20,5595
2026-05-26 10:51,28.17,6660
2026-05-26 10:56,28.17,7235
2026-05-26 11:01,28.16,7206
2026-05-26 11:06,28.16,6578
2026-05-26 11:11,28.16,5477
2026-05-26 11:16,28.18,4278
2026-05-26 11:21,28.21,5618
2026-05-26 11:26,28.25,6676
2026-05-26 13:01,28.28,7240
2026-05-26 13:06,28.30,7200
2026-05-26 13:11,28.31,6562
2026-05-26 13:16,28.32,5453
2026-05-26 13:21,28.33,4304
2026-05-26 13:26,28.34,5641
2026-05-26 13:31,28.32,6691
2026-05-26 13:36,28.29,7245
2026-05-26 13:41,28.25,7193
2026-05-26 13:46,28.22,6545
2026-05-26 13:51,28.20,5429
2026-05-26 13:56,28.19,4330
2026-05-26 14:01,28.17,5664
2026-05-26 14:06,28.15,6707
2026-05-26 14:11,28.15,7250
2026-05-26 14:16,28.16,7186
2026-05-26 14:21,28.20,6528
2026-05-26 14:26,28.23,5405
2026-05-26 14:31,28.25,4356
2026-05-26 14:36,28.27,5687
2026-05-26 14:41,28.29,6722
2026-05-26 14:46,28.32,7255
2026-05-26 14:51,28.34,7179
2026-05-26 14:56,28.34,6510
2026-05-26 15:00,28.33,5381
)";

// Trimmed lines split at commas, empty fields kept; a line with fewer fields than needed is skipped.
template <class Row> void forEachRow(const QByteArray& text, int fields, Row row)
{
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList parts = line.trimmed().split(QLatin1Char(','));
        if (parts.size() >= fields)
            row(parts);
    }
}

// An unreadable number reads as 0, and so does a NaN or an infinity, which would spoil every range.
double number(const QString& field)
{
    bool ok = false;
    const double v = field.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

// The date without its year and hyphen.
QString label(const QString& field)
{
    return field.mid(5);
}

} // namespace

QVector<KIVQCandle> parseCandles(const QByteArray& text)
{
    QVector<KIVQCandle> candles;
    forEachRow(text, 6, [&](const QStringList& f) {
        // The text gives open, close, high, low; a candle keeps open, high, low, close.
        candles << KIVQCandle{label(f[0]), number(f[1]), number(f[3]), number(f[4]), number(f[2]), number(f[5])};
    });
    return candles;
}

QVector<KIVQTick> parseTicks(const QByteArray& text)
{
    QVector<KIVQTick> ticks;
    double sum = 0;
    forEachRow(text, 3, [&](const QStringList& f) {
        const double price = number(f[1]);
        sum += price;
        ticks << KIVQTick{label(f[0]), price, sum / (ticks.size() + 1), number(f[2])};
    });
    return ticks;
}

QByteArray demoDailyText()
{
    return QByteArray::fromRawData(dailyText, int(sizeof(dailyText)) - 1);
}

QByteArray demoIntradayText()
{
    return QByteArray::fromRawData(intradayText, int(sizeof(intradayText)) - 1);
}

QVector<double> movingAverage(const QVector<KIVQCandle>& candles, int period)
{
    const int n = candles.size();
    QVector<double> out(n, qQNaN());
    if (period < 1)
        return out;
    // Running sums over the window; a close that is no number leaves every window holding it undefined.
    double sum = 0;
    int invalid = 0;
    for (int i = 0; i < n; ++i) {
        const double add = candles[i].close;
        if (std::isfinite(add))
            sum += add;
        else
            ++invalid;
        if (i >= period) {
            const double drop = candles[i - period].close;
            if (std::isfinite(drop))
                sum -= drop;
            else
                --invalid;
        }
        if (i >= period - 1 && invalid == 0)
            out[i] = sum / period;
    }
    return out;
}

} // namespace chart

bool KIVQCandle::operator==(const KIVQCandle& o) const
{
    return label == o.label && open == o.open && high == o.high && low == o.low && close == o.close &&
           volume == o.volume;
}

bool KIVQTick::operator==(const KIVQTick& o) const
{
    return label == o.label && price == o.price && average == o.average && volume == o.volume;
}

} // namespace KIVQtLib
