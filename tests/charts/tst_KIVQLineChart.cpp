#include <QtTest>
class tst_KIVQLineChart : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_KIVQLineChart)
#include "tst_KIVQLineChart.moc"
