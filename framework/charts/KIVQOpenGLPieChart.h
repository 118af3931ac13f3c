#pragma once

#include "KIVQChartBase.h"
#include "KIVQChartControl.h"

#include <QColor>
#include <QString>
#include <QVector>

namespace KIVQtLib {

class KIVQOpenGLPieChartImpl;

struct KIVQPieSlice
{
    QString name;
    double value = 0; // negative, NaN and infinite values count as 0
    QColor color;     // invalid: the theme palette by the slice's index
    bool visible = true;
};

// A pie, or a ring with a hole, of named slices; its legend hides and shows slices.
class KIVQOpenGLPieChart : public KIVQChartControl<KIVQOpenGLPieChart, KIVQChartBase, KIVQOpenGLPieChartImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQOpenGLPieChart(QWidget* parent = nullptr);

    static const char* typeName() { return "qtopenglpiechart"; }
    static QWidget* createKIVQOpenGLPieChart();
    static ControlInfo getProps();

    void setSlices(const QVector<KIVQPieSlice>& slices);
    const QVector<KIVQPieSlice>& slices() const;
    // Kept within 0 .. 0.8; 0 is a full pie.
    void setHoleRatio(double ratio);
    double holeRatio() const;
    void setLabelsVisible(bool visible);
    bool labelsVisible() const;
};

} // namespace KIVQtLib
