#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace KIVQtLib {

struct KIVQChartTheme;

// The value rules every chart shares.
namespace chart {

// Qt's fuzzy compare: the difference times 10^12 is not above the smaller magnitude.
bool fuzzyEqual(double a, double b);
// A NaN or an infinity is no value: it stays out of ranges, is not drawn and is never hit.
bool isValue(double v);
// The value of index i of a list when it is there and finite.
inline bool valueAt(const QVector<double>& values, int i, double* out = nullptr)
{
    if (i < 0 || i >= values.size() || !isValue(values[i]))
        return false;
    if (out)
        *out = values[i];
    return true;
}

// Series i's colour: its own when valid, else the theme palette by index over all series.
QColor seriesColor(const QColor& own, const KIVQChartTheme& theme, int index);
// The i-th category, or "Item i+1" past the list.
QString categoryLabel(const QStringList& categories, int i);

// The smallest and largest value seen, values that are none left out.
struct Extent
{
    bool any = false;
    double lo = 0;
    double hi = 0;
    void add(double v)
    {
        if (!isValue(v))
            return;
        lo = any ? qMin(lo, v) : v;
        hi = any ? qMax(hi, v) : v;
        any = true;
    }
};

struct ValueRange
{
    double min = 0.0;
    double max = 1.0;
    // The divisor of value-to-y: 1 when the ends are fuzzy-equal.
    double span() const { return fuzzyEqual(min, max) ? 1.0 : max - min; }
};

} // namespace chart

// Fixed two decimals without trailing zeros or point: 12.5, 3, 120. Never "-0".
QString formatChartValue(double value);

} // namespace KIVQtLib
