#include "ChartRegistration.h"

#include "KIVQBarChart.h"
#include "KIVQFinancialChart.h"
#include "KIVQLineChart.h"
#include "KIVQOpenGLPieChart.h"
#include "KIVQScatterChart.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

namespace {

// Charts are fed in code and have nothing for a designer to edit: their descriptors carry no rows, not
// even the common ones.
ControlInfo chartInfo(const char* typeName, const char* className, const char* name, const char* description,
                      const char* icon)
{
    return ControlInfo{true, typeName, className, name, description, icon, {}};
}

} // namespace

ControlInfo KIVQBarChart::getProps()
{
    return chartInfo(typeName(), "KIVQBarChart", "BarChart", "OpenGL Bar Chart", "columnChart");
}

ControlInfo KIVQLineChart::getProps()
{
    return chartInfo(typeName(), "KIVQLineChart", "LineChart", "OpenGL Line Chart", "columnChart");
}

ControlInfo KIVQOpenGLPieChart::getProps()
{
    return chartInfo(typeName(), "KIVQOpenGLPieChart", "PieChart", "OpenGL Pie Chart", "pieChart");
}

ControlInfo KIVQScatterChart::getProps()
{
    return chartInfo(typeName(), "KIVQScatterChart", "ScatterChart", "OpenGL Scatter Chart", "columnChart");
}

ControlInfo KIVQFinancialChart::getProps()
{
    return chartInfo(typeName(), "KIVQFinancialChart", "FinancialChart", "OpenGL Financial Chart", "columnChart");
}

QWidget* KIVQBarChart::createKIVQBarChart()
{
    return new KIVQBarChart;
}

QWidget* KIVQLineChart::createKIVQLineChart()
{
    return new KIVQLineChart;
}

QWidget* KIVQOpenGLPieChart::createKIVQOpenGLPieChart()
{
    return new KIVQOpenGLPieChart;
}

QWidget* KIVQScatterChart::createKIVQScatterChart()
{
    return new KIVQScatterChart;
}

QWidget* KIVQFinancialChart::createKIVQFinancialChart()
{
    return new KIVQFinancialChart;
}

void kivRegisterChartControls()
{
    kivRegisterQtControl(KIVQBarChart::typeName(), &KIVQBarChart::createKIVQBarChart, KIVQBarChart::getProps(), true);
    kivRegisterQtControl(KIVQLineChart::typeName(), &KIVQLineChart::createKIVQLineChart, KIVQLineChart::getProps(),
                         true);
    kivRegisterQtControl(KIVQOpenGLPieChart::typeName(), &KIVQOpenGLPieChart::createKIVQOpenGLPieChart,
                         KIVQOpenGLPieChart::getProps(), true);
    kivRegisterQtControl(KIVQScatterChart::typeName(), &KIVQScatterChart::createKIVQScatterChart,
                         KIVQScatterChart::getProps(), true);
    kivRegisterQtControl(KIVQFinancialChart::typeName(), &KIVQFinancialChart::createKIVQFinancialChart,
                         KIVQFinancialChart::getProps(), true);
}

} // namespace KIVQtLib
