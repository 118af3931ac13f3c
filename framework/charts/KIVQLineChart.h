#pragma once

#include "KIVQCartesianChart.h"
#include "core/KIVQControl.h"

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
class KIVQLineChart : public KIVQCartesianChart, public IKIVQWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    KIVQ_CONTROL
public:
    explicit KIVQLineChart(QWidget* parent = nullptr);
    ~KIVQLineChart() override;

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

    KIVQLineChartImpl* impl() const;

protected:
    KIVQChartImpl* chartImpl() const override;
};

} // namespace KIVQtLib
