#pragma once

#include <QColor>
#include <QString>
#include <QVector>

namespace KIVQtLib {

// The colours and sizes every chart draws with. An application theme starts from a default-constructed
// record and overwrites what it needs.
struct KIVQChartTheme
{
    QString name;
    QColor background{255, 255, 255};
    QColor plotBackground{255, 255, 255};
    QColor titleColor{67, 76, 94};
    QColor axisColor{145, 154, 170};
    QColor labelColor{101, 111, 128};
    QColor gridColor{229, 233, 242};
    QColor hoverGuideColor{171, 179, 191, 180};
    QVector<QColor> palette;
    int titlePixelSize = 16;
    int labelPixelSize = 11;
    int tooltipPixelSize = 12;
    double lineWidth = 2.0;
    double markerRadius = 4.0;
    double hoveredMarkerRadius = 5.5;
    double barCornerRadius = 6.0;

    bool operator==(const KIVQChartTheme& other) const;
    bool operator!=(const KIVQChartTheme& other) const { return !(*this == other); }
};

// Where a chart lays out its legend; any other value counts as bottom.
enum KIVQChartLegendPosition
{
    LegendTop = 0,
    LegendRight = 1,
    LegendBottom = 2,
    LegendLeft = 3
};

// What the mouse hovers in a bar or line chart.
enum KIVQChartTooltipMode
{
    TooltipOff = 0,
    TooltipItem = 1,
    TooltipCategory = 2
};

// 0 "Default", 1 "Macarons", 2 "Shine", 3 "Dark"; any other index gives "Default".
KIVQChartTheme makeChartTheme(int index);

} // namespace KIVQtLib
