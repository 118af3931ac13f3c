#pragma once

#include "KIVQCartesianChart.h"
#include "KIVQChartControl.h"

#include <QColor>
#include <QString>
#include <QVector>

namespace KIVQtLib {

class KIVQLineChartImpl;

struct KIVQLineSeries
{
    QString name;
    QVector<double> values;
    QColor lineColor; // invalid: the theme palette
    QColor areaColor; // invalid: the line colour
    bool showSymbols = true;
    bool smooth = false;
    bool area = false;
    bool visible = true;
    double lineWidth = 2.0; // 0 or less: the theme's; never thinner than 1
    double areaOpacity = 0.22;
};

// Value series over categories as straight or smoothed lines, with optional areas and point markers.
class KIVQLineChart : public KIVQChartControl<KIVQLineChart, KIVQCartesianChart, KIVQLineChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQLineChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtlinechart"; }
    static QWidget* createKIVQLineChart();
    static ControlInfo getProps();

    void setSeries(const QVector<KIVQLineSeries>& series);
    const QVector<KIVQLineSeries>& series() const;
    // One series in place of all, smooth and area as the chart-wide flags say.
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    // A series is smooth, or filled, when either its own or the chart-wide flag says so.
    void setSmooth(bool smooth);
    bool smooth() const;
    void setAreaFill(bool area);
    bool areaFill() const;
};

} // namespace KIVQtLib
