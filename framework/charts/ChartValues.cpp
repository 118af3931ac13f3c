#include "ChartValues.h"

#include "KIVQChartTheme.h"

#include <cmath>

namespace KIVQtLib {

namespace chart {

bool fuzzyEqual(double a, double b)
{
    return qFuzzyCompare(a, b);
}

bool isValue(double v)
{
    return std::isfinite(v);
}

QColor seriesColor(const QColor& own, const KIVQChartTheme& theme, int index)
{
    if (own.isValid())
        return own;
    if (!theme.palette.isEmpty())
        return theme.palette[qAbs(index) % theme.palette.size()];
    return QColor(84, 112, 198);
}

QString categoryLabel(const QStringList& categories, int i)
{
    if (i >= 0 && i < categories.size())
        return categories[i];
    return QStringLiteral("Item %1").arg(i + 1);
}

} // namespace chart

QString formatChartValue(double value)
{
    QString text = QString::number(value, 'f', 2);
    if (text.contains(QLatin1Char('.'))) {
        int end = text.size();
        while (text[end - 1] == QLatin1Char('0'))
            --end;
        if (text[end - 1] == QLatin1Char('.'))
            --end;
        text.truncate(end);
    }
    // A small negative number rounds to "-0.00"; a sign on zero reads as a fault in an axis label.
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace KIVQtLib
