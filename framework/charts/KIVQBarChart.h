#pragma once

#include "KIVQCartesianChart.h"
#include "KIVQChartControl.h"

#include <QColor>
#include <QString>
#include <QVector>

namespace KIVQtLib {

class KIVQBarChartImpl;

struct KIVQBarSeries
{
    QString name;
    QVector<double> values;
    QColor color;       // invalid: the theme palette
    QColor borderColor; // invalid: the series colour darkened
    bool visible = true;
};

// Grouped vertical bars from a zero line, one group per category and one bar per visible series.
class KIVQBarChart : public KIVQChartControl<KIVQBarChart, KIVQCartesianChart, KIVQBarChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQBarChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtbarchart"; }
    static QWidget* createKIVQBarChart();
    static ControlInfo getProps();

    void setSeries(const QVector<KIVQBarSeries>& series);
    const QVector<KIVQBarSeries>& series() const;
    // One series of that name, values and fill colour in place of all.
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
};

} // namespace KIVQtLib
