#include "ViewTestHelpers.h"

#include "controls/KIVQCheckBox.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQSpinBox.h"
#include "core/ControlInfo.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQPropertyList.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace KIVQtLib;
using namespace ViewTest;

namespace {

// What the bound accessors of a definition saw.
struct Writes
{
    int count = 0;
    QVariant last;
};

// A definition of the kind, bound to target, whose setters count into writes and whose getters give
// "Bed", true, 7 and the styles named "Fill" and "Text".
PropertyDef bound(int kind, QWidget* target, Writes& writes)
{
    PropertyDef d;
    d.name = QStringLiteral("Row %1").arg(kind);
    d.kind = kind;
    d.target = target;
    auto record = [&writes](const QVariant& v) {
        ++writes.count;
        writes.last = v;
    };
    d.textGetter = [](QWidget*) { return QStringLiteral("Bed"); };
    d.textSetter = [record](QWidget*, const QString& v) { record(v); };
    d.boolGetter = [](QWidget*) { return true; };
    d.boolSetter = [record](QWidget*, bool v) { record(v); };
    d.intGetter = [](QWidget*) { return 7; };
    d.intSetter = [record](QWidget*, int v) { record(v); };
    d.fillGetter = [](QWidget*, CtrlState s) { return namedFill(s == CtrlNormal ? "Fill" : "Other", 0xff808080); };
    d.textStyleGetter = [](QWidget*, CtrlState s) {
        return namedText(s == CtrlNormal ? QStringLiteral("Text") : QStringLiteral("Other"), 0xff000000);
    };
    return d;
}

PropertyDef unbound(int kind)
{
    PropertyDef d;
    d.name = QStringLiteral("ItemSpace");
    d.kind = kind;
    return d;
}

// The tops of the shown rows, in order.
QList<int> rowTops(const KIVQPropertyList& list)
{
    QList<int> tops;
    for (QObject* child : list.contentWidget()->children()) {
        auto* row = qobject_cast<KIVQContainer*>(child);
        if (row && !row->isHidden())
            tops << row->y();
    }
    std::sort(tops.begin(), tops.end());
    return tops;
}

template <class T> int editors(const KIVQPropertyList& list)
{
    return list.contentWidget()->findChildren<T*>().size();
}

template <class T> T* editor(const KIVQPropertyList& list)
{
    const QList<T*> all = list.contentWidget()->findChildren<T*>();
    return all.size() == 1 ? all.first() : nullptr;
}

// The label of a style or read-only row that shows the value: the one right of the name column.
KIVQLabel* valueLabel(const KIVQPropertyList& list)
{
    for (KIVQLabel* label : list.contentWidget()->findChildren<KIVQLabel*>()) {
        if (label->x() == 120)
            return label;
    }
    return nullptr;
}

// Changes the value of the single editor of the kind's row as a user would.
void edit(KIVQPropertyList& list, int kind)
{
    switch (kind) {
    case PropertyDef::ObjectName:
    case PropertyDef::Text:
        QTest::keyClick(editor<KIVQLineEdit>(list), Qt::Key_X);
        break;
    case PropertyDef::OnOff:
        editor<KIVQCheckBox>(list)->click();
        break;
    case PropertyDef::Integer:
        QTest::keyClick(editor<KIVQSpinBox>(list), Qt::Key_Up);
        break;
    default:
        editor<KIVQPushButton>(list)->click();
        break;
    }
}

} // namespace

class tst_KIVQPropertyList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        init();
        registerTestStyles(0xff000000);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }
    void rowsByKind_data();
    void rowsByKind();
    void rowsReusedAfterRemoveAll();
    void editWritesOnceAndIsAnnounced_data();
    void editWritesOnceAndIsAnnounced();
    void spinMinimumFromDefinition();
    void rowsBelowTheListAreReachable();
    void pooledEditorQuietOnceDefinitionsAreFreed();
};

void tst_KIVQPropertyList::rowsByKind_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<QList<int>>("editorCounts"); // line edits, check boxes, spin boxes, pickers
    QTest::newRow("edit, check and spin rows")
        << QList<int>{0, 3, 10} << QList<int>{0, 30, 60} << QList<int>{1, 1, 1, 0};
    QTest::newRow("an image row adds nothing") << QList<int>{0, 9, 3} << QList<int>{0, 30} << QList<int>{1, 1, 0, 0};
    QTest::newRow("text and text-style rows as edit and style rows")
        << QList<int>{1, 6, 5} << QList<int>{0, 30, 60} << QList<int>{1, 0, 0, 2};
    QTest::newRow("read-only and separator rows") << QList<int>{2, 4} << QList<int>{0, 30} << QList<int>{0, 0, 0, 0};
    QTest::newRow("kinds without rows") << QList<int>{7, 8, 11, 13, -1} << QList<int>{} << QList<int>{0, 0, 0, 0};
}

void tst_KIVQPropertyList::rowsByKind()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, tops);
    QFETCH(QList<int>, editorCounts);
    QWidget target;
    Writes writes;
    std::vector<PropertyDef> defs;
    for (int kind : kinds)
        defs.push_back(bound(kind, &target, writes));
    KIVQPropertyList list;
    list.resize(300, 200);
    for (const PropertyDef& d : defs)
        list.addItem(d);
    QCOMPARE(rowTops(list), tops);
    QCOMPARE(list.contentWidget()->height(), 30 * tops.size());
    QCOMPARE(list.contentWidget()->width(), 300);
    const QList<int> counts{editors<KIVQLineEdit>(list), editors<KIVQCheckBox>(list), editors<KIVQSpinBox>(list),
                            editors<KIVQPushButton>(list)};
    QCOMPARE(counts, editorCounts);
    QCOMPARE(writes.count, 0);
}

void tst_KIVQPropertyList::rowsReusedAfterRemoveAll()
{
    QWidget target;
    Writes writes;
    const PropertyDef edit = bound(0, &target, writes);
    const PropertyDef check = bound(3, &target, writes);
    KIVQPropertyList list;
    list.resize(300, 200);
    list.show();
    list.addItem(edit);
    list.addItem(check);
    KIVQCheckBox* first = editor<KIVQCheckBox>(list);
    QVERIFY(first);
    list.removeAll();
    QCOMPARE(rowTops(list), QList<int>{});
    QCOMPARE(list.contentWidget()->height(), 0);

    list.addItem(check);
    list.addItem(unbound(4)); // a new separator on a list on screen shows too
    QCOMPARE(editor<KIVQCheckBox>(list), first);
    QCOMPARE(rowTops(list), (QList<int>{0, 30}));
    QVERIFY(first->isVisible());
    QCOMPARE(list.contentWidget()->height(), 60);
}

void tst_KIVQPropertyList::editWritesOnceAndIsAnnounced_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isBound");
    QTest::addColumn<QVariant>("written"); // invalid: nothing written
    QTest::addColumn<QString>("shown");    // by the value label of style rows
    QTest::newRow("line edit") << 0 << true << QVariant(QStringLiteral("Bedx")) << QString();
    QTest::newRow("text") << 1 << true << QVariant(QStringLiteral("Bedx")) << QString();
    QTest::newRow("check box") << 3 << true << QVariant(false) << QString();
    QTest::newRow("spin box") << 10 << true << QVariant(8) << QString();
    QTest::newRow("fill picker shows state 0") << 5 << true << QVariant() << QStringLiteral("Fill");
    QTest::newRow("text-style picker shows state 0") << 6 << true << QVariant() << QStringLiteral("Text");
    // No getter, setter or target (the "ItemSpace" row, or any row before its target is set).
    for (int kind : {0, 2, 3, 5, 6, 10})
        QTest::addRow("unbound kind %d", kind) << kind << false << QVariant() << QString();
}

// Filling the editor writes nothing; an edit writes once and is announced (a picker only asks).
void tst_KIVQPropertyList::editWritesOnceAndIsAnnounced()
{
    QFETCH(int, kind);
    QFETCH(bool, isBound);
    QFETCH(QVariant, written);
    QFETCH(QString, shown);
    QWidget target;
    Writes writes;
    PropertyDef def = isBound ? bound(kind, &target, writes) : unbound(kind);
    KIVQPropertyList list;
    list.resize(300, 200);
    QSignalSpy changed(&list, &KIVQPropertyList::valueChanged);
    QSignalSpy selected(&list, &KIVQPropertyList::selectEvent);
    list.addItem(def);
    QCOMPARE(writes.count, 0);
    if (KIVQLabel* value = valueLabel(list))
        QCOMPARE(value->text(), shown);
    const bool picker = kind == PropertyDef::Fill || kind == PropertyDef::TextStyle;
    if (picker)
        QCOMPARE(editor<KIVQPushButton>(list)->geometry(), QRect(275, 5, 20, 20));
    if (kind == PropertyDef::OnOff) // checked as the getter says; unchecked without one
        QCOMPARE(editor<KIVQCheckBox>(list)->isChecked(), isBound);
    if (kind == PropertyDef::ReadOnlyText)
        return;
    changed.clear();
    edit(list, kind);
    QCOMPARE(writes.count, written.isValid() ? 1 : 0);
    QCOMPARE(writes.last, written);
    QSignalSpy& announced = picker ? selected : changed;
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0).at(0).value<PropertyDef*>(), &def);
    QCOMPARE((picker ? changed : selected).count(), 0);
}

void tst_KIVQPropertyList::spinMinimumFromDefinition()
{
    PropertyDef def = unbound(PropertyDef::Integer);
    def.minimum = 0;
    KIVQPropertyList list;
    list.addItem(def);
    editor<KIVQSpinBox>(list)->setValue(-20);
    QCOMPARE(editor<KIVQSpinBox>(list)->value(), 0);
}

void tst_KIVQPropertyList::rowsBelowTheListAreReachable()
{
    QWidget target;
    Writes writes;
    std::vector<PropertyDef> defs(20, bound(0, &target, writes));
    KIVQPropertyList list;
    list.resize(240, 150);
    // A container child does not take the content's place when creation completes.
    auto* stray = new KIVQContainer(&list);
    for (const PropertyDef& d : defs)
        list.addItem(d);
    list.createComplete();
    QCOMPARE(list.widget(), list.contentWidget());
    QCOMPARE(stray->parent(), &list);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    // Scrolled to the end, the last row ends at the viewport's bottom.
    QScrollBar* bar = list.verticalScrollBar();
    bar->setValue(bar->maximum());
    QCOMPARE(list.contentWidget()->height(), 600);
    QCOMPARE(list.contentWidget()->mapTo(list.viewport(), QPoint(0, 600)).y(), list.viewport()->height());
}

// Sanitizers catch a write through a freed definition.
void tst_KIVQPropertyList::pooledEditorQuietOnceDefinitionsAreFreed()
{
    QWidget target;
    Writes writes;
    KIVQPropertyList list;
    list.resize(300, 200);
    {
        std::vector<std::unique_ptr<PropertyDef>> defs;
        for (int kind : {0, 3, 10, 5})
            defs.push_back(std::make_unique<PropertyDef>(bound(kind, &target, writes)));
        for (const auto& d : defs)
            list.addItem(*d);
        list.removeAll();
    }
    QSignalSpy changed(&list, &KIVQPropertyList::valueChanged);
    QSignalSpy selected(&list, &KIVQPropertyList::selectEvent);
    editor<KIVQLineEdit>(list)->setText(QStringLiteral("later"));
    editor<KIVQCheckBox>(list)->toggle();
    editor<KIVQSpinBox>(list)->setValue(3);
    editor<KIVQPushButton>(list)->click();
    QCOMPARE(writes.count, 0);
    QCOMPARE(selected.count(), 0);
    QCOMPARE(changed.count(), 3);
    for (const QList<QVariant>& args : changed)
        QVERIFY(!args.at(0).value<PropertyDef*>());
}

QTEST_MAIN(tst_KIVQPropertyList)
#include "tst_KIVQPropertyList.moc"
