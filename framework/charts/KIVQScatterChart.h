#pragma once

#include "KIVQChartBase.h"
#include "KIVQChartControl.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

namespace KIVQtLib {

class KIVQScatterChartImpl;

struct KIVQScatterSeries
{
    QString name;
    QVector<QPointF> points; // a point with a NaN or infinite coordinate is left out
    QColor color;            // invalid: the theme palette
    bool visible = true;
    double pointSize = 8; // the circle's diameter

    bool operator==(const KIVQScatterSeries& other) const;
    bool operator!=(const KIVQScatterSeries& other) const { return !(*this == other); }
};

// Named series of (x, y) points as hollow circles; the nearest point under the mouse is filled and
// described in a tooltip, and the legend hides and shows series.
class KIVQScatterChart : public KIVQChartControl<KIVQScatterChart, KIVQChartBase, KIVQScatterChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQScatterChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtscatterchart"; }
    static QWidget* createKIVQScatterChart();
    static ControlInfo getProps();

    // Replaces the series when they differ, clears the hover and replays the intro.
    void setSeries(const QVector<KIVQScatterSeries>& series);
    const QVector<KIVQScatterSeries>& series() const;
};

} // namespace KIVQtLib
