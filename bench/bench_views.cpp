// Filling the item views with many rows, in a shown window, up to the first paint of the filled view: the
// plain list in each ordinary way of adding rows, beside the template list view, the table and the tree,
// which take theirs from a model.
#include "core/KIVQtLib.h"
#include "views/KIVQList.h"
#include "views/KIVQListView.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTreeView.h"

#include <QListWidgetItem>
#include <QStandardItemModel>
#include <QtTest>

using namespace KIVQtLib;

namespace {

enum Way
{
    AddItem,       // addItem(text) per row
    AddItems,      // one addItems(list)
    InsertAtTop,   // insertItem(0, text) per row
    ItemWithList,  // new QListWidgetItem(text, list) per row
    AppendToModel, // QStandardItemModel::appendRow per row
};

QString rowText(int row)
{
    return QStringLiteral("bed %1: heart rate 72, blood pressure 120/80").arg(row);
}

// Rows from a fill that a timer or a data source feeds run between event-loop passes, each of which lays
// the view out again.
void handleEvents(int row, int eventsEvery)
{
    if (eventsEvery > 0 && row % eventsEvery == eventsEvery - 1)
        QCoreApplication::processEvents();
}

void fillList(KIVQList* list, Way way, int rows, int eventsEvery)
{
    if (way == AddItems) {
        QStringList texts;
        texts.reserve(rows);
        for (int i = 0; i < rows; ++i)
            texts << rowText(i);
        list->addItems(texts);
        return;
    }
    for (int i = 0; i < rows; ++i) {
        if (way == AddItem)
            list->addItem(rowText(i));
        else if (way == InsertAtTop)
            list->insertItem(0, rowText(i));
        else
            new QListWidgetItem(rowText(i), list);
        handleEvents(i, eventsEvery);
    }
}

void fillModel(QAbstractItemView* view, int rows, int eventsEvery)
{
    auto* model = new QStandardItemModel(0, 1, view);
    view->setModel(model);
    for (int i = 0; i < rows; ++i) {
        model->appendRow(new QStandardItem(rowText(i)));
        handleEvents(i, eventsEvery);
    }
}

} // namespace

class bench_views : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { KIVQtLib::init(); }

    void fill_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("eventsEvery"); // 0: none until the fill is done

        const int many = 300000;
        QTest::newRow("list, addItem") << "list" << int(AddItem) << many << 0;
        QTest::newRow("list, addItems") << "list" << int(AddItems) << many << 0;
        QTest::newRow("list, insertItem at the top") << "list" << int(InsertAtTop) << many << 0;
        QTest::newRow("list, addItem, events every 1,000 rows") << "list" << int(AddItem) << many << 1000;
        // Qt's item constructor that takes a text and the list looks the new item up among all rows before
        // adding it, in any QListWidget: quadratic, so it runs at a tenth and a third of the rows.
        QTest::newRow("list, item made with the list, 30,000") << "list" << int(ItemWithList) << 30000 << 0;
        QTest::newRow("list, item made with the list, 100,000") << "list" << int(ItemWithList) << 100000 << 0;
        QTest::newRow("list view, appendRow") << "listview" << int(AppendToModel) << many << 0;
        QTest::newRow("list view, appendRow, events every 1,000 rows")
            << "listview" << int(AppendToModel) << many << 1000;
        QTest::newRow("table, appendRow") << "table" << int(AppendToModel) << many << 0;
        QTest::newRow("table, appendRow, events every 1,000 rows") << "table" << int(AppendToModel) << many << 1000;
        QTest::newRow("tree, appendRow") << "tree" << int(AppendToModel) << many << 0;
    }

    void fill()
    {
        QFETCH(QString, view);
        QFETCH(int, way);
        QFETCH(int, rows);
        QFETCH(int, eventsEvery);
        QBENCHMARK
        {
            QWidget window;
            window.resize(400, 300);
            QAbstractItemView* shown = nullptr;
            if (view == QLatin1String("list"))
                shown = new KIVQList(&window);
            else if (view == QLatin1String("listview"))
                shown = new KIVQListView(&window);
            else if (view == QLatin1String("table"))
                shown = new KIVQTableView(&window);
            else
                shown = new KIVQTreeView(&window);
            shown->setGeometry(window.rect());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));

            if (auto* list = qobject_cast<KIVQList*>(shown))
                fillList(list, Way(way), rows, eventsEvery);
            else
                fillModel(shown, rows, eventsEvery);
            QCoreApplication::processEvents();
            shown->viewport()->repaint();
            QCOMPARE(shown->model()->rowCount(), rows);
        }
    }
};

QTEST_MAIN(bench_views)
#include "bench_views.moc"
