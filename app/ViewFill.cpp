#include "ViewFill.h"

#include "HealthWindow.h"

#include "core/KIVQPaintHelpers.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTableViewImpl.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>
#include <numeric>

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

// The width in which a column shows its caption and every cell whole, in each row state's text style:
// the cell's margins, the style's offset and the 2 pixels the text painter keeps.
int columnTextWidth(const KIVQtLib::KIVQTableView* table, int column)
{
    using namespace KIVQtLib;
    auto need = [](const TextStyleDesc& style, const QString& text) {
        return 2 * KIVQTableViewImpl::kInnerMargin + style.x + KIVQPaintHelpers::measureText(style, text).width() + 2;
    };
    const QAbstractItemModel* model = table->model();
    int widest = need(table->getHeaderTextStyle(CtrlNormal), model->headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->index(row, column).data().toString();
        for (CtrlState state : {CtrlNormal, CtrlHover, CtrlPressed})
            widest = std::max(widest, need(table->getItemTextStyle(state), text));
    }
    return widest;
}

} // namespace

void fitColumnWidths(KIVQtLib::KIVQTableView* table, const QVector<int>& widths)
{
    const int last = table->model() ? table->model()->columnCount() - 1 : -1;
    const int count = std::min(int(widths.size()), last);
    if (count < 1)
        return;
    QVector<int> fitted = widths.mid(0, count);
    // Measuring loads the glyphs of every text: a hidden table keeps the built widths until it shows.
    if (table->viewport()->isVisible()) {
        const int lastWidth = std::max(columnTextWidth(table, last), table->horizontalHeader()->defaultSectionSize());
        int deficit = std::accumulate(fitted.begin(), fitted.end(), 0) + lastWidth - table->viewport()->width();
        QVector<int> slack(count);
        for (int column = 0; deficit > 0 && column < count; ++column)
            slack[column] = std::max(fitted.at(column) - columnTextWidth(table, column), 0);
        // Shares of what is still missing among what is still to spare: the last column with slack takes the rest.
        int slackSum = std::accumulate(slack.begin(), slack.end(), 0);
        for (int column = 0; column < count && deficit > 0 && slackSum > 0; ++column) {
            const int cut = std::min(slack.at(column), int(qint64(deficit) * slack.at(column) / slackSum));
            fitted[column] -= cut;
            deficit -= cut;
            slackSum -= slack.at(column);
        }
    }
    for (int column = 0; column < count; ++column) {
        if (table->columnWidth(column) != fitted.at(column))
            table->setColumnWidth(column, fitted.at(column));
    }
}

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
