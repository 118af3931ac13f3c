#include "KIVQChartTheme.h"

namespace KIVQtLib {

namespace {

struct BuiltInTheme
{
    const char* name;
    QRgb colors[7]; // background, plot, title, axis, label, grid, hover guide
    QRgb palette[6];
};

const BuiltInTheme kThemes[] = {
    {"Default",
     {0xFFFFFFFF, 0xFFFFFFFF, 0xFF434C5E, 0xFF919AAA, 0xFF656F80, 0xFFE5E9F2, 0xB4ABB3BF},
     {0xFF5470C6, 0xFF91CC75, 0xFFFAC858, 0xFFEE6666, 0xFF73C0DE, 0xFF3BA272}},
    {"Macarons",
     {0xFFF8F5FA, 0xFFFFFFFF, 0xFF5A5474, 0xFFB9B0CD, 0xFF7A7191, 0xFFE8E2F0, 0xBEB3A6D1},
     {0xFF2DB7F5, 0xFFEF5AA1, 0xFFFAC858, 0xFF72CC68, 0xFFFB8435, 0xFF9B5EE6}},
    {"Shine",
     {0xFFFFFBF5, 0xFFFFFFFF, 0xFF6F4E37, 0xFFCCB094, 0xFF8A694D, 0xFFF3E3D2, 0xBEDDB68C},
     {0xFFC1232B, 0xFF27727B, 0xFFFCCE10, 0xFFE87C25, 0xFF27AE60, 0xFF8E44AD}},
    {"Dark",
     {0xFF10141C, 0xFF181E2A, 0xFFE9EEF7, 0xFF606E84, 0xFFA9B5C9, 0xFF3A4354, 0xD28493AD},
     {0xFF49DCBB, 0xFF729FFF, 0xFFFFC25C, 0xFFFF7886, 0xFFAC78FF, 0xFF66CDF9}},
};

} // namespace

bool KIVQChartTheme::operator==(const KIVQChartTheme& o) const
{
    return name == o.name && background == o.background && plotBackground == o.plotBackground &&
           titleColor == o.titleColor && axisColor == o.axisColor && labelColor == o.labelColor &&
           gridColor == o.gridColor && hoverGuideColor == o.hoverGuideColor && palette == o.palette &&
           titlePixelSize == o.titlePixelSize && labelPixelSize == o.labelPixelSize &&
           tooltipPixelSize == o.tooltipPixelSize && lineWidth == o.lineWidth && markerRadius == o.markerRadius &&
           hoveredMarkerRadius == o.hoveredMarkerRadius && barCornerRadius == o.barCornerRadius;
}

KIVQChartTheme makeChartTheme(int index)
{
    const BuiltInTheme& b = kThemes[index >= 1 && index <= 3 ? index : 0];
    KIVQChartTheme t;
    t.name = QString::fromLatin1(b.name);
    QColor* fields[] = {&t.background, &t.plotBackground, &t.titleColor,     &t.axisColor,
                        &t.labelColor, &t.gridColor,      &t.hoverGuideColor};
    for (int i = 0; i < 7; ++i)
        *fields[i] = QColor::fromRgba(b.colors[i]);
    t.palette.reserve(6);
    for (QRgb c : b.palette)
        t.palette << QColor::fromRgba(c);
    return t;
}

} // namespace KIVQtLib
