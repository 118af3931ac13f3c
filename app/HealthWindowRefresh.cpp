// Rendering of each snapshot: what every page shows of the stored snapshot, and the filter combo boxes
// in the current language.

#include "HealthWindow.h"

#include "ViewFill.h"

#include "charts/KIVQBarChart.h"
#include "charts/KIVQLineChart.h"
#include "charts/KIVQOpenGLPieChart.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "views/KIVQComboBox.h"
#include "views/KIVQTableView.h"

#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>

using namespace KIVQtLib;

namespace {

// Long enough for the 420 ms intro to finish once.
constexpr int kChartAnimationOffMs = 460;

const QColor kRed(239, 91, 98);
const QColor kBlue(43, 132, 214);
const QColor kTeal(0, 142, 151);
const QColor kGreen(58, 161, 116);
const QColor kAmber(231, 168, 54);

void setColumnWidths(QTableView* table, std::initializer_list<int> widths)
{
    int column = 0;
    for (int width : widths)
        table->setColumnWidth(column++, width);
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

int rowOfId(const QStandardItemModel* model, int role, const QString& id)
{
    if (id.isEmpty())
        return -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(role).toString() == id)
            return row;
    }
    return -1;
}

// The ring and the bars change only with the selection or the language; every repaint of a chart costs
// a frame's worth of drawing, so the same data is not handed in again.
bool sameSlices(const QVector<KIVQPieSlice>& a, const QVector<KIVQPieSlice>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const KIVQPieSlice& x, const KIVQPieSlice& y) {
        return x.name == y.name && x.value == y.value && x.color == y.color && x.visible == y.visible;
    });
}

bool sameBars(const QVector<KIVQBarSeries>& a, const QVector<KIVQBarSeries>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const KIVQBarSeries& x, const KIVQBarSeries& y) {
        return x.name == y.name && x.values == y.values && x.color == y.color && x.borderColor == y.borderColor &&
               x.visible == y.visible;
    });
}

void selectRowOnce(QTableView* table, int row)
{
    const QModelIndex current = table->currentIndex();
    if (current.isValid() && current.row() == row && table->selectionModel()->isRowSelected(row, QModelIndex()))
        return;
    table->selectRow(row);
}

} // namespace

void HealthWindow::refreshSnapshot(const HealthSnapshot& snapshot)
{
    m_snapshot = snapshot;
    refreshPatientCombos();
    refreshOverview();
    refreshPatientTable();
    refreshPatientDrawer();
    refreshMonitoring();
    refreshReportTable();
    refreshAppointmentTable();
    m_updateStampLabel->setText((m_english ? QStringLiteral("Updated ") : QStringLiteral("数据更新 ")) +
                                m_snapshot.updatedAt);
}

void HealthWindow::refreshPatientCombos()
{
    if (!m_monitoringPatientCombo || m_snapshot.patients.isEmpty())
        return;
    QVector<ComboEntry> entries;
    entries.reserve(m_snapshot.patients.size());
    for (const PatientRecord& patient : m_snapshot.patients)
        entries.append(
            {(m_english ? patient.nameEnglish : patient.nameChinese) + QStringLiteral(" · ") + patient.id, patient.id});
    for (QComboBox* combo : {m_monitoringPatientCombo, m_reportPatientCombo, m_appointmentPatientCombo}) {
        if (combo)
            fillComboBox(combo, entries, m_snapshot.selectedPatientId);
    }
    if (m_editorPatientCombo)
        fillComboBox(m_editorPatientCombo, entries, editorPatientPick());
}

void HealthWindow::refreshOverview()
{
    int counts[4] = {0, 0, 0, 0};
    for (const PatientRecord& patient : m_snapshot.patients) {
        if (patient.status >= PatientStable && patient.status <= PatientRecovering)
            ++counts[patient.status];
    }
    if (m_patientsCard[1]) {
        m_patientsCard[1]->setText(QString::number(m_snapshot.patients.size()));
        m_criticalCard[1]->setText(QString::number(counts[PatientCritical]));
        m_observationCard[1]->setText(QString::number(counts[PatientObservation]));
        const int occupancy =
            m_snapshot.bedCapacity > 0 ? qRound(m_snapshot.patientCount * 100.0 / m_snapshot.bedCapacity) : 0;
        m_occupancyCard[1]->setText(QStringLiteral("%1%").arg(occupancy));
    }

    const bool en = m_english != 0;
    if (const PatientRecord* patient = findPatient(m_snapshot.selectedPatientId)) {
        if (m_overviewTrendChart) {
            KIVQLineSeries heart;
            heart.name = en ? QStringLiteral("Heart rate") : QStringLiteral("心率");
            heart.values = patient->heartRateHistory;
            heart.lineColor = kRed;
            heart.areaColor = QColor(239, 91, 98, 55);
            KIVQLineSeries systolic;
            systolic.name = en ? QStringLiteral("Systolic") : QStringLiteral("收缩压");
            systolic.values = patient->systolicHistory;
            systolic.lineColor = kBlue;
            systolic.areaColor = QColor(43, 132, 214, 35);
            for (KIVQLineSeries* series : {&heart, &systolic}) {
                series->showSymbols = true;
                series->smooth = true;
                series->area = true;
                series->lineWidth = 2.0;
                series->areaOpacity = 0.22;
            }
            m_overviewTrendChart->setCategories(m_snapshot.trendLabels);
            m_overviewTrendChart->setSeries({heart, systolic});
        }
        if (m_focusValue) {
            m_focusValue->setText((en ? patient->nameEnglish : patient->nameChinese) + QStringLiteral(" · ") +
                                  patient->id);
            m_focusDetail->setText(en ? patient->diagnosisEnglish : patient->diagnosisChinese);
            m_focusNote->setText(QStringLiteral("HR %1 BPM   BP %2/%3   SpO₂ %4%   T %5°C")
                                     .arg(QString::number(qRound(patient->heartRate)),
                                          QString::number(patient->systolic), QString::number(patient->diastolic),
                                          oneDecimal(patient->spo2), oneDecimal(patient->temperature)));
        }
    }

    if (m_distributionChart) {
        QVector<KIVQPieSlice> slices;
        appendPieSlice(slices, statusText(PatientStable), counts[PatientStable], kGreen);
        appendPieSlice(slices, statusText(PatientObservation), counts[PatientObservation], kAmber);
        appendPieSlice(slices, statusText(PatientCritical), counts[PatientCritical], kRed);
        appendPieSlice(slices, statusText(PatientRecovering), counts[PatientRecovering], kBlue);
        if (!sameSlices(m_distributionChart->slices(), slices))
            m_distributionChart->setSlices(slices);
    }

    if (!m_overviewChartsAnimated && (m_overviewTrendChart || m_distributionChart)) {
        m_overviewChartsAnimated = true;
        QTimer::singleShot(kChartAnimationOffMs, this, [this] { disableOverviewChartAnimation(); });
    }

    if (!m_attentionModel)
        return;
    QList<QList<QStandardItem*>> rows;
    for (const PatientRecord& patient : m_snapshot.patients) {
        if (patient.status != PatientObservation && patient.status != PatientCritical)
            continue;
        rows.append({makeTableItem(en ? patient.nameEnglish : patient.nameChinese, patient.id, kPatientIdRole),
                     makeTableItem((en ? patient.departmentEnglish : patient.departmentChinese) +
                                       QStringLiteral(" · ") + patient.bed,
                                   QString(), 0),
                     makeTableItem(statusText(patient.status), QString(), 0),
                     makeTableItem(QStringLiteral("HR %1  SpO₂ %2%")
                                       .arg(QString::number(qRound(patient.heartRate)), oneDecimal(patient.spo2)),
                                   QString(), 0)});
    }
    static const QStringList english{QStringLiteral("Patient"), QStringLiteral("Ward / Bed"),
                                     QStringLiteral("Condition"), QStringLiteral("Current Vitals")};
    static const QStringList chinese{QStringLiteral("患者"), QStringLiteral("病区/床位"), QStringLiteral("状态"),
                                     QStringLiteral("当前指标")};
    const QStringList& headers = en ? english : chinese;
    if (fillTableModel(m_attentionModel, headers, rows, kPatientIdRole))
        setColumnWidths(m_attentionTable, {150, 200, 110});
}

void HealthWindow::refreshPatientTable()
{
    if (!m_patientModel)
        return;
    const bool en = m_english != 0;
    QList<QList<QStandardItem*>> rows;
    for (const PatientRecord& patient : m_snapshot.patients) {
        if (!m_departmentFilter.isEmpty() && patient.departmentEnglish != m_departmentFilter)
            continue;
        if (m_statusFilter >= 0 && patient.status != m_statusFilter)
            continue;
        if (!m_patientSearchText.isEmpty()) {
            const QString haystack = patient.id + QLatin1Char(' ') + patient.nameEnglish + QLatin1Char(' ') +
                                     patient.nameChinese + QLatin1Char(' ') + patient.diagnosisEnglish +
                                     QLatin1Char(' ') + patient.diagnosisChinese;
            if (!haystack.contains(m_patientSearchText, Qt::CaseInsensitive))
                continue;
        }
        const QString department = en ? patient.departmentEnglish : patient.departmentChinese;
        rows.append({makeTableItem(patient.id, patient.id, kPatientIdRole),
                     makeTableItem(en ? patient.nameEnglish : patient.nameChinese, QString(), 0),
                     makeTableItem(QStringLiteral("%1 / %2").arg(QString::number(patient.age),
                                                                 en ? patient.genderEnglish : patient.genderChinese),
                                   QString(), 0),
                     makeTableItem(department + QStringLiteral(" · ") + patient.bed, QString(), 0),
                     makeTableItem(en ? patient.diagnosisEnglish : patient.diagnosisChinese, QString(), 0),
                     makeTableItem(en ? patient.doctorEnglish : patient.doctorChinese, QString(), 0),
                     makeTableItem(statusText(patient.status), QString(), 0)});
    }
    static const QStringList english{QStringLiteral("Patient ID"),   QStringLiteral("Name"),
                                     QStringLiteral("Age / Gender"), QStringLiteral("Ward / Bed"),
                                     QStringLiteral("Diagnosis"),    QStringLiteral("Doctor"),
                                     QStringLiteral("Condition")};
    static const QStringList chinese{QStringLiteral("患者编号"),  QStringLiteral("姓名"),
                                     QStringLiteral("年龄/性别"), QStringLiteral("病区/床位"),
                                     QStringLiteral("主要诊断"),  QStringLiteral("责任医生"),
                                     QStringLiteral("状态")};
    const QStringList& headers = en ? english : chinese;
    if (fillTableModel(m_patientModel, headers, rows, kPatientIdRole))
        setColumnWidths(m_patientTable, {110, 130, 120, 210, 230, 130});
    if (m_patientCount) {
        const QString count = QString::number(m_patientModel->rowCount());
        const QString total = QString::number(m_snapshot.patients.size());
        m_patientCount->setText(en ? QStringLiteral("Showing %1 of %2 patients").arg(count, total)
                                   : QStringLiteral("显示 %1 / %2 名患者").arg(count, total));
    }
}

void HealthWindow::refreshMonitoring()
{
    const PatientRecord* patient = findPatient(m_snapshot.selectedPatientId);
    if (!patient)
        return;
    const bool en = m_english != 0;

    if (m_vitalsModel) {
        // The texts and icons that never change are built once, not on every tick.
        static const QString icons[] = {iconPath(QStringLiteral("heart-pulse")), iconPath(QStringLiteral("gauge")),
                                        iconPath(QStringLiteral("droplets")), iconPath(QStringLiteral("thermometer")),
                                        iconPath(QStringLiteral("wind"))};
        const QList<QStandardItem*> row{
            makeCenteredItem(QStringLiteral("%1 BPM").arg(qRound(patient->heartRate)), icons[0]),
            makeCenteredItem(QStringLiteral("%1/%2 mmHg").arg(patient->systolic).arg(patient->diastolic), icons[1]),
            makeCenteredItem(QStringLiteral("%1 %").arg(oneDecimal(patient->spo2)), icons[2]),
            makeCenteredItem(QStringLiteral("%1 °C").arg(oneDecimal(patient->temperature)), icons[3]),
            makeCenteredItem(QStringLiteral("%1 %2").arg(QString::number(patient->respiration, 'f', 0),
                                                         en ? QStringLiteral("rpm") : QStringLiteral("次/分")),
                             icons[4])};
        static const QStringList english{QStringLiteral("Heart Rate"), QStringLiteral("Blood Pressure"),
                                         QStringLiteral("Blood Oxygen"), QStringLiteral("Temperature"),
                                         QStringLiteral("Respiration")};
        static const QStringList chinese{QStringLiteral("心率"), QStringLiteral("血压"), QStringLiteral("血氧"),
                                         QStringLiteral("体温"), QStringLiteral("呼吸")};
        const QStringList& headers = en ? english : chinese;
        if (fillTableModel(m_vitalsModel, headers, {row}, -1)) {
            // The values sit centred under their icons; captions at the left edge read as another column.
            for (int column = 0; column < headers.size(); ++column)
                m_vitalsModel->setHeaderData(column, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
        }
    }

    if (m_monitoringTrendChart) {
        const struct
        {
            const char* english;
            const char* chinese;
            const QVector<double>& values;
            QColor colour;
        } trends[] = {{"Heart rate", "心率", patient->heartRateHistory, kRed},
                      {"SpO₂", "血氧", patient->spo2History, kTeal},
                      {"Systolic", "收缩压", patient->systolicHistory, kBlue}};
        QVector<KIVQLineSeries> series;
        for (const auto& trend : trends) {
            KIVQLineSeries line;
            line.name = QString::fromUtf8(en ? trend.english : trend.chinese);
            line.values = trend.values;
            line.lineColor = trend.colour;
            line.showSymbols = true;
            line.smooth = true;
            line.area = false;
            line.lineWidth = 2.0;
            line.areaOpacity = 0.22;
            series.append(line);
        }
        m_monitoringTrendChart->setCategories(m_snapshot.trendLabels);
        m_monitoringTrendChart->setSeries(series);
    }

    if (m_activityChart) {
        int p = 0;
        for (int i = 0; i < m_snapshot.patients.size(); ++i) {
            if (m_snapshot.patients.at(i).id == m_snapshot.selectedPatientId)
                p = i;
        }
        KIVQBarSeries activity;
        activity.name = en ? QStringLiteral("Activity") : QStringLiteral("活动完成度");
        activity.color = kTeal;
        KIVQBarSeries adherence;
        adherence.name = en ? QStringLiteral("Adherence") : QStringLiteral("用药依从性");
        adherence.color = kGreen;
        for (int d = 0; d < 7; ++d) {
            activity.values.append(((5 * p + 7 * d) % 34) + 62);
            adherence.values.append(((3 * p + 4 * d) % 21) + 78);
        }
        static const QStringList englishDays{QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                                             QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                                             QStringLiteral("Sun")};
        static const QStringList chineseDays{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                             QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                                             QStringLiteral("日")};
        const QStringList& days = en ? englishDays : chineseDays;
        const QVector<KIVQBarSeries> series{activity, adherence};
        if (m_activityChart->categories() != days || !sameBars(m_activityChart->series(), series)) {
            m_activityChart->setCategories(days);
            m_activityChart->setSeries(series);
        }
    }

    if (!m_monitoringChartsAnimated && (m_monitoringTrendChart || m_activityChart)) {
        m_monitoringChartsAnimated = true;
        QTimer::singleShot(kChartAnimationOffMs, this, [this] { disableMonitoringChartAnimation(); });
    }

    if (m_infoText) {
        switch (patient->status) {
        case PatientCritical:
            m_infoText->setText(en ? QStringLiteral("Heart rate and blood pressure are abnormal. Review the ECG and "
                                                    "contact the care team.")
                                   : QStringLiteral("当前患者存在心率和血压异常，请立即复核 ECG 报告并联系责任医生。"));
            break;
        case PatientObservation:
            m_infoText->setText(en ? QStringLiteral("Vitals show moderate variation. Continue monitoring and "
                                                    "reassess next shift.")
                                   : QStringLiteral("生命体征存在波动，建议保持连续监测并在下一班次复评。"));
            break;
        default:
            m_infoText->setText(en ? QStringLiteral("Vitals remain within the expected range. Continue the current "
                                                    "care plan.")
                                   : QStringLiteral("当前生命体征处于预期范围，继续执行既定护理计划。"));
            break;
        }
    }
}

void HealthWindow::refreshReportTable()
{
    if (!m_reportModel)
        return;
    const bool en = m_english != 0;
    const QModelIndex current = m_reportTable->currentIndex();
    const QString remembered =
        current.isValid() ? m_reportModel->index(current.row(), 0).data(kReportIdRole).toString() : QString();
    const QString typeFilter = m_reportTypeFilter ? m_reportTypeFilter->currentData().toString() : QString();
    const QString statusFilter = m_reportStatusFilter ? m_reportStatusFilter->currentData().toString() : QString();

    QList<QList<QStandardItem*>> rows;
    QVector<const ReportRecord*> listed;
    for (const ReportRecord& report : m_snapshot.reports) {
        if (report.patientId != m_snapshot.selectedPatientId)
            continue;
        if (!typeFilter.isEmpty() && report.typeEnglish != typeFilter)
            continue;
        if (!statusFilter.isEmpty() && report.statusEnglish != statusFilter)
            continue;
        const PatientRecord* patient = findPatient(report.patientId);
        const QString name = patient ? (en ? patient->nameEnglish : patient->nameChinese) : report.patientId;
        rows.append({makeTableItem(report.id, report.id, kReportIdRole), makeTableItem(name, QString(), 0),
                     makeTableItem(en ? report.typeEnglish : report.typeChinese, QString(), 0),
                     makeTableItem(report.date, QString(), 0),
                     makeTableItem(en ? report.statusEnglish : report.statusChinese, QString(), 0)});
        listed.append(&report);
    }
    static const QStringList english{QStringLiteral("Report ID"), QStringLiteral("Patient"), QStringLiteral("Type"),
                                     QStringLiteral("Date"), QStringLiteral("Status")};
    static const QStringList chinese{QStringLiteral("报告编号"), QStringLiteral("患者"), QStringLiteral("类型"),
                                     QStringLiteral("日期"), QStringLiteral("状态")};
    const QStringList& headers = en ? english : chinese;
    if (fillTableModel(m_reportModel, headers, rows, kReportIdRole))
        fitReportColumns();

    if (listed.isEmpty()) {
        m_reportDetailTitle->setText(en ? QStringLiteral("No matching report") : QStringLiteral("暂无匹配报告"));
        m_reportDetailSubtitle->setText(QString());
        m_reportDetailText->setText(en ? QStringLiteral("Change the filters to view other reports.")
                                       : QStringLiteral("调整筛选条件以查看其他报告。"));
        return;
    }
    const int row = qMax(rowOfId(m_reportModel, kReportIdRole, remembered), 0);
    selectRowOnce(m_reportTable, row);
    const ReportRecord& report = *listed.at(row);
    m_reportDetailTitle->setText(en ? report.typeEnglish : report.typeChinese);
    m_reportDetailSubtitle->setText(report.id + QStringLiteral(" · ") + report.date + QStringLiteral(" · ") +
                                    (en ? report.statusEnglish : report.statusChinese));
    m_reportDetailText->setText(en ? report.findingsEnglish : report.findingsChinese);
}

void HealthWindow::fitReportColumns()
{
    if (m_reportTable)
        fitColumnWidths(m_reportTable, {125, 150, 160, 120});
}

bool HealthWindow::isAppointmentRowCanceled(int row) const
{
    return m_appointmentModel->index(row, 5).data(Qt::UserRole).toBool();
}

void HealthWindow::refreshAppointmentTable()
{
    if (!m_appointmentModel)
        return;
    const bool en = m_english != 0;
    const int filter = m_appointmentFilter ? m_appointmentFilter->currentData().toInt() : 0;

    QList<QList<QStandardItem*>> rows;
    for (const AppointmentRecord& appointment : m_snapshot.appointments) {
        if (appointment.patientId != m_snapshot.selectedPatientId)
            continue;
        if ((filter == 1 && appointment.canceled) || (filter == 2 && !appointment.canceled))
            continue;
        const PatientRecord* patient = findPatient(appointment.patientId);
        const QString name = patient ? (en ? patient->nameEnglish : patient->nameChinese) : appointment.patientId;
        QStandardItem* status =
            makeTableItem(appointment.canceled ? (en ? QStringLiteral("Canceled") : QStringLiteral("已取消"))
                                               : (en ? QStringLiteral("Upcoming") : QStringLiteral("待进行")),
                          QString(), 0);
        status->setData(appointment.canceled, Qt::UserRole);
        rows.append({makeTableItem(appointment.id, appointment.id, kAppointmentIdRole),
                     makeTableItem(name, QString(), 0),
                     makeTableItem(en ? appointment.departmentEnglish : appointment.departmentChinese, QString(), 0),
                     makeTableItem(en ? appointment.doctorEnglish : appointment.doctorChinese, QString(), 0),
                     makeTableItem(appointment.date + QStringLiteral("  ") + appointment.time, QString(), 0), status});
    }
    static const QStringList english{QStringLiteral("Appointment ID"), QStringLiteral("Patient"),
                                     QStringLiteral("Department"),     QStringLiteral("Doctor"),
                                     QStringLiteral("Date & Time"),    QStringLiteral("Status")};
    static const QStringList chinese{QStringLiteral("预约编号"), QStringLiteral("患者"),     QStringLiteral("科室"),
                                     QStringLiteral("接诊医生"), QStringLiteral("日期时间"), QStringLiteral("状态")};
    const QStringList& headers = en ? english : chinese;
    if (fillTableModel(m_appointmentModel, headers, rows, kAppointmentIdRole))
        setColumnWidths(m_appointmentTable, {135, 155, 170, 145, 190});
    if (m_appointmentFooter) {
        const QString count = QString::number(m_appointmentModel->rowCount());
        m_appointmentFooter->setText(en ? QStringLiteral("%1 appointment records for this patient").arg(count)
                                        : QStringLiteral("当前患者共有 %1 条预约记录").arg(count));
    }

    // The user's choice outlives the tick while it can still be canceled; a canceled row stays marked.
    const int row = rowOfId(m_appointmentModel, kAppointmentIdRole, m_selectedAppointmentId);
    const bool cancelable = row >= 0 && !isAppointmentRowCanceled(row);
    if (cancelable)
        selectRowOnce(m_appointmentTable, row);
    else if (row < 0 && !m_selectedAppointmentId.isEmpty())
        m_appointmentTable->clearSelection();
    if (!cancelable)
        m_selectedAppointmentId.clear();
    if (m_cancelAppointmentButton)
        m_cancelAppointmentButton->setEnabled(cancelable);
}

void HealthWindow::refreshFilterCombos()
{
    const bool en = m_english != 0;
    if (m_departmentCombo) {
        fillComboBox(
            m_departmentCombo,
            {{en ? QStringLiteral("All wards") : QStringLiteral("全部病区"), QStringLiteral("")},
             {en ? QStringLiteral("Cardiology") : QStringLiteral("心内科"), QStringLiteral("Cardiology")},
             {en ? QStringLiteral("General Medicine") : QStringLiteral("综合内科"), QStringLiteral("General Medicine")},
             {en ? QStringLiteral("Rehabilitation") : QStringLiteral("康复科"), QStringLiteral("Rehabilitation")}},
            m_departmentFilter);
    }
    if (m_statusCombo) {
        QVector<ComboEntry> entries{{en ? QStringLiteral("All conditions") : QStringLiteral("全部状态"), -1}};
        for (int status = PatientStable; status <= PatientRecovering; ++status)
            entries.append({statusText(status), status});
        fillComboBox(m_statusCombo, entries, m_statusFilter);
    }
    if (m_reportTypeFilter)
        fillReportFilterCombo(m_reportTypeFilter, true);
    if (m_reportStatusFilter)
        fillReportFilterCombo(m_reportStatusFilter, false);
    if (m_appointmentFilter) {
        const int remembered = m_appointmentFilter->currentData().toInt();
        fillComboBox(m_appointmentFilter,
                     {{en ? QStringLiteral("All appointments") : QStringLiteral("全部预约"), 0},
                      {en ? QStringLiteral("Upcoming") : QStringLiteral("待进行"), 1},
                      {en ? QStringLiteral("Canceled") : QStringLiteral("已取消"), 2}},
                     remembered);
    }
}

void HealthWindow::fillReportFilterCombo(KIVQComboBox* combo, bool isTypeCombo)
{
    const bool en = m_english != 0;
    // Items are keyed by the English record texts, so a language switch keeps the choice.
    const QString remembered = combo->currentData().toString();
    const QVector<ComboEntry> entries =
        isTypeCombo
            ? QVector<ComboEntry>{{en ? QStringLiteral("All types") : QStringLiteral("全部类型"), QStringLiteral("")},
                                  {en ? QStringLiteral("Blood panel") : QStringLiteral("血液检查"),
                                   QStringLiteral("Blood panel")},
                                  {en ? QStringLiteral("ECG analysis") : QStringLiteral("心电分析"),
                                   QStringLiteral("ECG analysis")}}
            : QVector<ComboEntry>{
                  {en ? QStringLiteral("All status") : QStringLiteral("全部状态"), QStringLiteral("")},
                  {en ? QStringLiteral("Reviewed") : QStringLiteral("已审核"), QStringLiteral("Reviewed")},
                  {en ? QStringLiteral("Attention") : QStringLiteral("需关注"), QStringLiteral("Attention")}};
    fillComboBox(combo, entries, remembered);
}
