// The two drawers that slide in over the patients and appointments pages, their texts, and the
// actions that book and cancel appointments.

#include "HealthWindow.h"

#include "PatientDataSimulator.h"
#include "WardDoctors.h"
#include "WidgetSizing.h"

#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQComboBox.h"

#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

using namespace KIVQtLib;

namespace {

constexpr int kDrawerAnimationMs = 220;
constexpr int kOpenSettleMs = 230;
constexpr int kCloseSettleMs = 235;
// A finishing timer that finds an animation still running (a reversal started one late) looks again.
constexpr int kSettleRetryMs = 40;
// Docked at the page's 18 px padding, flush with the tool rows and cards it covers: any further in, and their
// right edges would show beside it.
constexpr int kDrawerDockOffset = 0;
constexpr int kEditorDayCount = 7;

const QString kClear = QStringLiteral("HealthClear");
const QColor kIconColour(38, 80, 84);

struct TextPair
{
    const char* english;
    const char* chinese;
};

// The department an editor booking goes to, by doctor index, whatever the patient's own ward.
const TextPair kEditorDepartments[kWardDoctorCount] = {
    {"Cardiology", "心内科"}, {"General Medicine", "综合内科"}, {"Rehabilitation", "康复科"}};

const char* const kEditorTimes[] = {"09:00", "10:30", "14:00", "15:30", "17:00"};

const TextPair kScheduleError = {"Unable to schedule. Check patient, doctor, date, and time.",
                                 "无法创建预约，请检查患者、医生、日期和时间。"};

const char* const kBadgeThemes[] = {"HealthStatusStable", "HealthStatusObservation", "HealthStatusCritical",
                                    "HealthStatusRecovering"};

// A combo box without a current item has no data; 0 from an invalid value would book doctor 0.
int currentInt(const QComboBox* combo)
{
    bool ok = false;
    const int value = combo->currentData().toInt(&ok);
    return ok ? value : -1;
}

void setButtonCaption(KIVQPushButton* button, const QString& text)
{
    button->setText(text);
    button->setShowText(true);
}

} // namespace

// ---- builders ----

KIVQContainer* HealthWindow::makeDrawer(QWidget* page, const QString& objectName)
{
    auto* drawer = new KIVQContainer(page);
    drawer->setObjectName(objectName);
    drawer->setThemeName(QStringLiteral("HealthDrawer"));
    drawer->setChildLayout(KIVQContainer::Vertical);
    drawer->setChildSpace(8);
    drawer->setChildPadding(16, 14, 16, 16);
    drawer->setWidthPolicy(PolicyFixed);
    drawer->setAbsoluteDock(DockRightBottom, DockCenter, kDrawerDockOffset, 0);
    drawer->resize(kDrawerWidth, 620);
    drawer->setMinimumWidth(kDrawerWidth);
    drawer->setMaximumWidth(kDrawerWidth);
    return drawer;
}

KIVQLabel* HealthWindow::addDetailField(const QString& prefix, KIVQLabel*& valueLabel)
{
    makeLabel(m_patientDrawer, QStringLiteral("HealthLabelXsBold"), 20, 0)
        ->setObjectName(prefix + QStringLiteral("Title"));
    valueLabel = makeLabel(m_patientDrawer, QStringLiteral("HealthLabelBody"), 40, 0);
    valueLabel->setObjectName(prefix + QStringLiteral("Value"));
    valueLabel->setWordWrap(true);
    return valueLabel;
}

void HealthWindow::addEditorCombo(KIVQLabel*& captionLabel, KIVQComboBox*& combo)
{
    captionLabel = makeLabel(m_appointmentDrawer, QStringLiteral("HealthLabelSmBold"), 22, 0);
    combo = new KIVQComboBox(m_appointmentDrawer);
    combo->setThemeName(QStringLiteral("HealthCombo"));
    combo->setNormalBtnIcon(iconPath(QStringLiteral("chevron-down")));
    combo->setHotBtnIcon(iconPath(QStringLiteral("chevron-down")));
    combo->setWidthPolicy(PolicyStretch);
    fixWidgetHeight(combo, 38);
    addToContainer(m_appointmentDrawer, combo, 0);
}

void HealthWindow::buildPatientDrawer()
{
    m_patientDrawer = makeDrawer(m_pages.at(1), QStringLiteral("patientDetailDrawer"));

    KIVQContainer* header = makeContainer(m_patientDrawer, kClear, KIVQContainer::Horizontal, 0, 8, 0, 0, 0, 0);
    fixWidgetHeight(header, 48);
    KIVQContainer* texts = makeContainer(header, kClear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);
    m_patientDrawerTitle = makeLabel(texts, QStringLiteral("HealthLabelSection"), 27, 0);
    m_patientDrawerSubtitle = makeLabel(texts, QStringLiteral("HealthLabelMuted"), 18, 0);
    KIVQPushButton* close = makeButton(header, QStringLiteral("HealthIconButton"), QString(), 32, 32,
                                       iconPath(QStringLiteral("x")), kIconColour);

    m_patientStatusBadge = makeContainer(m_patientDrawer, QStringLiteral("HealthStatusStable"),
                                         KIVQContainer::Horizontal, 0, 0, 0, 0, 0, 0);
    fixWidgetHeight(m_patientStatusBadge, 30);
    m_patientStatusLabel = makeLabel(m_patientStatusBadge, QStringLiteral("HealthLabelWhiteCenter"), 30, 1);

    addDivider(m_patientDrawer);
    addDetailField(QStringLiteral("patientIdentity"), m_patientIdentityValue);
    addDetailField(QStringLiteral("patientDiagnosis"), m_patientDiagnosisValue);
    addDetailField(QStringLiteral("patientAllergies"), m_patientAllergiesValue);
    addDetailField(QStringLiteral("patientMedications"), m_patientMedicationsValue);
    addDetailField(QStringLiteral("patientDoctor"), m_patientDoctorValue);
    makeContainer(m_patientDrawer, kClear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);

    KIVQPushButton* monitor = makeButton(m_patientDrawer, QStringLiteral("HealthPrimaryButton"), QString(), 0, 36,
                                         iconPath(QStringLiteral("activity")), QColor(255, 255, 255));
    setButtonIconLeft(monitor, 12, 24);
    monitor->setObjectName(QStringLiteral("patientDrawerMonitorButton"));

    connect(close, &QPushButton::clicked, this, [this] { setPatientDrawerExpanded(false); });
    connect(monitor, &QPushButton::clicked, this, [this] {
        setPatientDrawerExpanded(false);
        setPage(2);
    });
    m_patientDrawer->hide();
}

void HealthWindow::buildAppointmentEditorDrawer()
{
    m_appointmentDrawer = makeDrawer(m_pages.at(4), QStringLiteral("appointmentEditorDrawer"));

    KIVQContainer* header = makeContainer(m_appointmentDrawer, kClear, KIVQContainer::Horizontal, 0, 8, 0, 0, 0, 0);
    fixWidgetHeight(header, 42);
    m_editorTitle = makeLabel(header, QStringLiteral("HealthLabelSection"), 38, 1);
    KIVQPushButton* close = makeButton(header, QStringLiteral("HealthIconButton"), QString(), 32, 32,
                                       iconPath(QStringLiteral("x")), kIconColour);
    addDivider(m_appointmentDrawer);

    addEditorCombo(m_editorPatientCaption, m_editorPatientCombo);
    addEditorCombo(m_editorDoctorCaption, m_editorDoctorCombo);
    addEditorCombo(m_editorDateCaption, m_editorDateCombo);
    addEditorCombo(m_editorTimeCaption, m_editorTimeCombo);
    m_editorPatientCombo->setObjectName(QStringLiteral("appointmentEditorPatientCombo"));
    m_editorDoctorCombo->setObjectName(QStringLiteral("appointmentEditorDoctorCombo"));
    m_editorDateCombo->setObjectName(QStringLiteral("appointmentEditorDateCombo"));
    m_editorTimeCombo->setObjectName(QStringLiteral("appointmentEditorTimeCombo"));

    m_editorError = makeLabel(m_appointmentDrawer, QStringLiteral("HealthLabelDanger"), 38, 0);
    m_editorError->setObjectName(QStringLiteral("appointmentEditorError"));
    m_editorError->setWordWrap(true);
    m_editorError->hide();
    makeContainer(m_appointmentDrawer, kClear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);

    KIVQContainer* row = makeContainer(m_appointmentDrawer, kClear, KIVQContainer::Horizontal, 0, 8, 0, 0, 0, 0);
    fixWidgetHeight(row, 38);
    makeContainer(row, kClear, KIVQContainer::Horizontal, 1, 0, 0, 0, 0, 0);
    m_editorCancel =
        makeButton(row, QStringLiteral("HealthSecondaryButton"), QString(), 96, 36, QString(), kIconColour);
    m_editorCancel->setObjectName(QStringLiteral("appointmentEditorCancel"));
    m_editorConfirm =
        makeButton(row, QStringLiteral("HealthPrimaryButton"), QString(), 130, 36, QString(), kIconColour);
    m_editorConfirm->setObjectName(QStringLiteral("appointmentEditorConfirm"));

    for (int i = 0; i < kWardDoctorCount; ++i)
        m_editorDoctorCombo->addItem(QString::fromUtf8(kWardDoctors[i].nameChinese) + QStringLiteral(" / Dr. ") +
                                         QString::fromUtf8(kWardDoctors[i].surnameEnglish),
                                     i);
    fillEditorDates();
    for (const char* time : kEditorTimes)
        m_editorTimeCombo->addItem(QLatin1String(time), QLatin1String(time));

    connect(close, &QPushButton::clicked, this, [this] { setAppointmentDrawerExpanded(false); });
    connect(m_editorCancel, &QPushButton::clicked, this, [this] { setAppointmentDrawerExpanded(false); });
    // A second click while the drawer closes would book again, or show a refusal in a closing drawer.
    connect(m_editorConfirm, &QPushButton::clicked, this, [this] {
        if (m_appointmentDrawerExpanded)
            saveAppointment();
    });
    m_appointmentDrawer->hide();
}

void HealthWindow::setDateSource(std::function<QDate()> today)
{
    m_today = today ? std::move(today) : [] { return QDate::currentDate(); };
}

void HealthWindow::fillEditorDates()
{
    if (!m_editorDateCombo)
        return;
    const QDate today = m_today();
    const QSignalBlocker blocker(m_editorDateCombo);
    m_editorDateCombo->clear();
    for (int day = 1; day <= kEditorDayCount; ++day) {
        const QString text = today.addDays(day).toString(QStringLiteral("yyyy-MM-dd"));
        m_editorDateCombo->addItem(text, text);
    }
}

QString HealthWindow::editorPatientPick() const
{
    // The user's pick survives the refills while its patient is listed; only a new editor resets it.
    const QString picked = m_editorPatientCombo->currentData().toString();
    for (const PatientRecord& patient : m_snapshot.patients) {
        if (!picked.isEmpty() && patient.id == picked)
            return picked;
    }
    return m_snapshot.selectedPatientId;
}

// ---- opening and closing ----

void HealthWindow::animateDrawer(KIVQContainer* drawer, bool expanded, bool& flag)
{
    if (!drawer || flag == expanded)
        return;
    flag = expanded;
    const int h = drawer->height();
    drawer->setChildLayout(KIVQContainer::NoUse);
    // The container refuses a second animation while one runs; a reversal then leaves the width to the
    // running one, and the finishing timer settles the drawer to what the flag says by then.
    const bool reversing = drawer->isResizeAnimationRunning();
    if (expanded) {
        if (!reversing) {
            drawer->setMinimumWidth(0);
            drawer->setMaximumWidth(0);
            drawer->resize(0, h);
        }
        drawer->show();
        drawer->raise();
        drawer->startResizeAnimation(QSize(0, h), QSize(kDrawerWidth, h), kDrawerAnimationMs);
    } else {
        // Back before the drawer slides off it.
        rowEndUnder(drawer)->show();
        drawer->startResizeAnimation(QSize(kDrawerWidth, h), QSize(0, h), kDrawerAnimationMs);
    }
    armDrawerSettle(drawer, flag, expanded ? kOpenSettleMs : kCloseSettleMs);
}

// The tool row's last control ends where the drawer does and shares its top edge: the drawer's rounder
// corner would show that control's corner, so it is hidden while the drawer lies over it.
QWidget* HealthWindow::rowEndUnder(const KIVQContainer* drawer) const
{
    if (drawer == m_patientDrawer)
        return m_statusCombo;
    return m_newAppointmentButton;
}

void HealthWindow::armDrawerSettle(KIVQContainer* drawer, bool& flag, int delayMs)
{
    QPointer<KIVQContainer> guard(drawer);
    QTimer::singleShot(delayMs, this, [this, guard, &flag] {
        if (!guard)
            return;
        if (guard->isResizeAnimationRunning())
            armDrawerSettle(guard, flag, kSettleRetryMs);
        else
            settleDrawer(guard, flag);
    });
}

void HealthWindow::settleDrawer(KIVQContainer* drawer, bool open)
{
    drawer->setVisible(open);
    drawer->setMinimumWidth(kDrawerWidth);
    drawer->setMaximumWidth(kDrawerWidth);
    drawer->resize(kDrawerWidth, drawer->height());
    drawer->setChildLayout(KIVQContainer::Vertical);
    drawer->forceResize();
    rowEndUnder(drawer)->setVisible(!open);
    if (!open)
        return;
    drawer->raise();
    // A drawer that jumps to its full width must be docked again, or it hangs past the page's edge.
    if (auto* page = qobject_cast<KIVQContainer*>(drawer->parentWidget()))
        page->forceResize();
}

void HealthWindow::openNewAppointment()
{
    if (!m_appointmentDrawer)
        return;
    // The days are counted from today as the editor opens, so a window left open overnight offers no past day.
    fillEditorDates();
    refreshPatientCombos();
    const int selected = m_editorPatientCombo->findData(m_snapshot.selectedPatientId);
    if (selected >= 0)
        m_editorPatientCombo->setCurrentIndex(selected);
    m_editorDoctorCombo->setCurrentIndex(0);
    m_editorDateCombo->setCurrentIndex(0);
    m_editorTimeCombo->setCurrentIndex(0);
    m_editorError->hide();
    setAppointmentDrawerExpanded(true);
}

// ---- texts and values ----

void HealthWindow::retranslateDrawers()
{
    const bool en = m_english != 0;
    auto tr = [en](const char* english, const char* chinese) { return QString::fromUtf8(en ? english : chinese); };

    if (m_appointmentDrawer) {
        m_editorTitle->setText(tr("Schedule Appointment", "新增预约"));
        m_editorPatientCaption->setText(tr("Patient", "患者"));
        m_editorDoctorCaption->setText(tr("Doctor", "接诊医生"));
        m_editorDateCaption->setText(tr("Date", "日期"));
        m_editorTimeCaption->setText(tr("Time", "时间"));
        setButtonCaption(m_editorCancel, tr("Close", "关闭"));
        setButtonCaption(m_editorConfirm, tr("Confirm", "确认预约"));
        // A refusal on show follows the language like every other text of the drawer.
        if (!m_editorError->isHidden())
            m_editorError->setText(tr(kScheduleError.english, kScheduleError.chinese));
    }

    if (m_patientDrawer) {
        static const char* const captions[][3] = {
            {"patientIdentityTitle", "IDENTITY", "基本资料"}, {"patientDiagnosisTitle", "DIAGNOSIS", "当前诊断"},
            {"patientAllergiesTitle", "ALLERGIES", "过敏史"}, {"patientMedicationsTitle", "MEDICATIONS", "当前用药"},
            {"patientDoctorTitle", "CARE TEAM", "责任医生"},
        };
        for (const auto& row : captions) {
            if (auto* label = m_patientDrawer->findChild<KIVQLabel*>(QLatin1String(row[0])))
                label->setText(tr(row[1], row[2]));
        }
        if (auto* button = m_patientDrawer->findChild<KIVQPushButton*>(QStringLiteral("patientDrawerMonitorButton")))
            setButtonCaption(button, tr("Open Monitoring", "打开实时监测"));
    }
}

void HealthWindow::refreshPatientDrawer()
{
    if (!m_patientDrawer)
        return;
    const PatientRecord* patient = findPatient(m_snapshot.selectedPatientId);
    if (!patient)
        return;
    const bool en = m_english != 0;
    const QString dot = QStringLiteral(" · ");
    const QString department = en ? patient->departmentEnglish : patient->departmentChinese;
    const QString doctor = en ? patient->doctorEnglish : patient->doctorChinese;

    m_patientDrawerTitle->setText(en ? patient->nameEnglish : patient->nameChinese);
    m_patientDrawerSubtitle->setText(patient->id + dot + department + dot + patient->bed);
    const int status = patient->status;
    const QString badge = QLatin1String(status >= 0 && status <= 3 ? kBadgeThemes[status] : kBadgeThemes[0]);
    // Re-applying a theme entry every second would restyle an unchanged badge for nothing.
    if (m_patientStatusBadge->getControlImpl()->themeName() != badge)
        m_patientStatusBadge->setThemeName(badge);
    m_patientStatusLabel->setText(statusText(status));
    m_patientIdentityValue->setText(
        QStringLiteral("%1 · %2 · %3 · %4")
            .arg(patient->age)
            .arg(en ? patient->genderEnglish : patient->genderChinese, patient->bloodType, patient->bed));
    m_patientDiagnosisValue->setText(en ? patient->diagnosisEnglish : patient->diagnosisChinese);
    m_patientAllergiesValue->setText(en ? patient->allergiesEnglish : patient->allergiesChinese);
    m_patientMedicationsValue->setText(en ? patient->medicationsEnglish : patient->medicationsChinese);
    m_patientDoctorValue->setText(doctor + dot + department);
}

// ---- actions ----

void HealthWindow::selectPatient(const QString& patientId)
{
    m_simulator->selectPatient(patientId);
}

bool HealthWindow::scheduleFromEditor(const QString& patientId, const QString& date, const QString& time,
                                      int doctorIndex)
{
    if (doctorIndex < 0 || doctorIndex >= kWardDoctorCount)
        return false;
    const WardDoctor& doctor = kWardDoctors[doctorIndex];
    const TextPair& department = kEditorDepartments[doctorIndex];
    return m_simulator->scheduleAppointment(
        patientId, QString::fromUtf8(doctor.nameEnglish), QString::fromUtf8(doctor.nameChinese),
        QString::fromUtf8(department.english), QString::fromUtf8(department.chinese), date, time);
}

void HealthWindow::saveAppointment()
{
    if (!m_appointmentDrawer)
        return;
    const QString patient = m_editorPatientCombo->currentData().toString();
    const QString date = m_editorDateCombo->currentData().toString();
    const QString time = m_editorTimeCombo->currentData().toString();
    if (!scheduleFromEditor(patient, date, time, currentInt(m_editorDoctorCombo))) {
        m_editorError->setText(QString::fromUtf8(m_english ? kScheduleError.english : kScheduleError.chinese));
        m_editorError->show();
        return;
    }
    m_editorError->hide();
    selectPatient(patient);
    setAppointmentDrawerExpanded(false);
}

void HealthWindow::cancelSelectedAppointment()
{
    if (!m_selectedAppointmentId.isEmpty())
        m_simulator->cancelAppointment(m_selectedAppointmentId);
}
