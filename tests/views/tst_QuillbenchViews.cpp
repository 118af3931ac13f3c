#include "ViewTestHelpers.h"

#include "views/KIVQComboBox.h"
#include "views/KIVQList.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTreeView.h"

#include <QHeaderView>
#include <QtTest>

using namespace KIVQtLib;

// This program's name marks it as run by an emulator host: the views fill their sample content.
class tst_QuillbenchViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        init();
        QVERIFY(kivIsQtEmulator());
    }

    void tableSample()
    {
        KIVQTableView t;
        QVERIFY(!t.model());
        t.createComplete();
        QAbstractItemModel* m = t.model();
        QVERIFY(m);
        QCOMPARE(m->rowCount(), 100);
        QCOMPARE(m->columnCount(), 5);
        QCOMPARE(m->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Col5"));
        QCOMPARE(m->index(42, 3).data().toString(), QStringLiteral("item 42 3"));
        QCOMPARE(m->parent(), &t);
    }

    void comboSample()
    {
        auto* c = static_cast<KIVQComboBox*>(kivFindCreateFunction("combobox")());
        c->createComplete();
        QCOMPARE(c->count(), 3);
        QCOMPARE(c->itemText(2), QStringLiteral("Item3"));
        QCOMPARE(c->currentIndex(), 0);
        delete c;
    }

    void listSample()
    {
        KIVQList list;
        list.createComplete();
        QCOMPARE(list.count(), 20);
        QCOMPARE(list.item(19)->text(), QStringLiteral("item 19"));
    }

    void treeSample()
    {
        KIVQTreeView tree;
        tree.createComplete();
        QAbstractItemModel* m = tree.model();
        QVERIFY(m);
        QCOMPARE(m->parent(), &tree);
        QCOMPARE(m->rowCount(), 100);
        const QModelIndex top = m->index(99, 0);
        QCOMPARE(top.data().toString(), QStringLiteral("item1"));
        QVERIFY(m->flags(top) & Qt::ItemIsUserCheckable);
        QCOMPARE(m->rowCount(top), 1);
        QCOMPARE(m->index(0, 1, top).data().toString(), QStringLiteral("item3"));
        tree.initDemoData(); // a second sample replaces the first
        QCOMPARE(tree.findChildren<QAbstractItemModel*>().size(), 2);
        QTRY_COMPARE(tree.findChildren<QAbstractItemModel*>().size(), 1);
    }
};

QTEST_MAIN(tst_QuillbenchViews)
#include "tst_QuillbenchViews.moc"
