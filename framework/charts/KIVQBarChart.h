#pragma once

#include "KIVQCartesianChart.h"
#include "core/KIVQControl.h"

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
class KIVQBarChart : public KIVQCartesianChart, public IKIVQWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    KIVQ_CONTROL
public:
    explicit KIVQBarChart(QWidget* parent = nullptr);
    ~KIVQBarChart() override;

    static const char* typeName() { return "qtbarchart"; }
    static QWidget* createKIVQBarChart();
    static ControlInfo getProps();

    void setSeries(const QVector<KIVQBarSeries>& series);
    const QVector<KIVQBarSeries>& series() const;
    // One series of that name, values and fill colour in place of all.
    void setData(const QString& name, const QVector<double>& values, const QColor& color);

    KIVQBarChartImpl* impl() const;

protected:
    KIVQChartImpl* chartImpl() const override;
};

} // namespace KIVQtLib
