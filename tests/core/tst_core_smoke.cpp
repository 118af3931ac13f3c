#include <QtTest>

class tst_core_smoke : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void builds() { QVERIFY(true); }
};

QTEST_MAIN(tst_core_smoke)
#include "tst_core_smoke.moc"
