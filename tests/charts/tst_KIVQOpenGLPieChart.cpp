#include <QtTest>
class tst_KIVQOpenGLPieChart : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_KIVQOpenGLPieChart)
#include "tst_KIVQOpenGLPieChart.moc"
