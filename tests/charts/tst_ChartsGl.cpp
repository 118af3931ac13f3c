#include <QtTest>
class tst_ChartsGl : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_ChartsGl)
#include "tst_ChartsGl.moc"
