#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QComboBox;
class QStandardItem;
class QStandardItemModel;

namespace KIVQtLib {
class KIVQTableView;
}

// The refills run every second, while the user may be pressing a row, scrolling a table or holding a
// combo box's popup open. These helpers change only what differs, so an unchanged view keeps its
// pressed index, selection, scroll position and popup.

// Takes ownership of the items in rows. While the column count and each row's id (the value under
// idRole in column 0; idRole < 0 compares only the row count) are unchanged, the existing items take the
// new values in place; otherwise the model is cleared and refilled. Returns true when it was refilled.
bool fillTableModel(QStandardItemModel* model, const QStringList& headers, const QList<QList<QStandardItem*>>& rows,
                    int idRole);

// Every column but the stretched last one at its built width where that leaves the last column room for
// its texts (and at least the header's default section size). Where it does not, the columns give way
// down to what their texts need, each in proportion to what it can spare, and only as far as needed.
void fitColumnWidths(KIVQtLib::KIVQTableView* table, const QVector<int>& widths);

struct ComboEntry
{
    QString text;
    QVariant data; // under Qt::UserRole
};

// Refills the combo box, with its signals blocked, only when its texts or data differ from entries;
// then makes current the item whose data equals wanted, or item 0, again only when that is another item.
void fillComboBox(QComboBox* combo, const QVector<ComboEntry>& entries, const QVariant& wanted);
