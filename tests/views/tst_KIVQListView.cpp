#include <QtTest>
class tst_KIVQListView : public QObject { Q_OBJECT };
QTEST_MAIN(tst_KIVQListView)
#include "tst_KIVQListView.moc"
