#include "ViewFill.h"

#include "HealthWindow.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

// Every role the dashboard's refills write into a cell; a role missing here would keep a stale value.
const int kCellRoles[] = {Qt::DisplayRole,
                          Qt::TextAlignmentRole,
                          Qt::UserRole,
                          HealthWindow::kPatientIdRole,
                          HealthWindow::kReportIdRole,
                          HealthWindow::kAppointmentIdRole,
                          HealthWindow::kIconRole};

bool sameRowIds(const QStandardItemModel* model, const QList<QList<QStandardItem*>>& rows, int idRole)
{
    if (model->rowCount() != rows.size())
        return false;
    if (idRole < 0)
        return true;
    for (int row = 0; row < rows.size(); ++row) {
        const QStandardItem* current = model->item(row, 0);
        const QStandardItem* next = rows.at(row).value(0);
        if (!current || !next || current->data(idRole) != next->data(idRole))
            return false;
    }
    return true;
}

void takeValues(QStandardItem* target, const QStandardItem* source)
{
    for (int role : kCellRoles) {
        const QVariant value = source->data(role);
        if (target->data(role) != value)
            target->setData(value, role);
    }
}

} // namespace

bool fillTableModel(QStandardItemModel* model, const QStringList& headers, const QList<QList<QStandardItem*>>& rows,
                    int idRole)
{
    const bool inPlace = model->columnCount() == headers.size() && sameRowIds(model, rows, idRole);
    if (!inPlace) {
        model->clear();
        model->setHorizontalHeaderLabels(headers);
        for (const QList<QStandardItem*>& row : rows)
            model->appendRow(row);
        return true;
    }
    for (int column = 0; column < headers.size(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() != headers.at(column))
            model->setHeaderData(column, Qt::Horizontal, headers.at(column));
    }
    for (int row = 0; row < rows.size(); ++row) {
        const QList<QStandardItem*>& cells = rows.at(row);
        for (int column = 0; column < cells.size(); ++column) {
            QStandardItem* current = model->item(row, column);
            if (current)
                takeValues(current, cells.at(column));
            else
                model->setItem(row, column, cells.at(column));
        }
        for (int column = 0; column < cells.size(); ++column) {
            if (model->item(row, column) != cells.at(column))
                delete cells.at(column);
        }
    }
    return false;
}

void fillComboBox(QComboBox* combo, const QVector<ComboEntry>& entries, const QVariant& wanted)
{
    const QSignalBlocker blocker(combo);
    bool same = combo->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i)
        same = combo->itemText(i) == entries.at(i).text && combo->itemData(i) == entries.at(i).data;
    if (!same) {
        combo->clear();
        for (const ComboEntry& entry : entries)
            combo->addItem(entry.text, entry.data);
    }
    const int index = qMax(combo->findData(wanted), 0);
    if (combo->currentIndex() != index && index < combo->count())
        combo->setCurrentIndex(index);
}
