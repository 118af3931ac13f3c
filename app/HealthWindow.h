#pragma once

#include "HealthSnapshot.h"

#include "core/windows/KIVQWindow.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QVector>

#include <array>

#include <functional>

class PatientDataSimulator;
class QComboBox;
class QResizeEvent;
class QStandardItem;
class QStandardItemModel;

namespace KIVQtLib {
class KIVQBarChart;
class KIVQChartBase;
class KIVQComboBox;
class KIVQContainer;
class KIVQImage;
class KIVQLabel;
class KIVQLineChart;
class KIVQLineEdit;
class KIVQOpenGLPieChart;
class KIVQPushButton;
class KIVQStackContainer;
class KIVQTableView;
struct KIVQChartTheme;
struct KIVQPieSlice;
} // namespace KIVQtLib

// The ward dashboard: a frameless window with a header, a sidebar of five page buttons, a stack of
// five pages and two drawers, built in code and refilled from every snapshot of its simulator.
class HealthWindow : public KIVQtLib::KIVQWindow
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 5;
    static constexpr int kCaptionHeight = 68;
    static constexpr int kSidebarWidth = 196;
    static constexpr int kDrawerWidth = 390;

    // Item data roles of the dashboard's tables.
    static constexpr int kPatientIdRole = Qt::UserRole + 41;
    static constexpr int kReportIdRole = Qt::UserRole + 42;
    static constexpr int kAppointmentIdRole = Qt::UserRole + 43;
    static constexpr int kIconRole = Qt::UserRole + 100;

    explicit HealthWindow(QWidget* parent = nullptr);
    ~HealthWindow() override;

    PatientDataSimulator* simulator() const { return m_simulator; }
    const HealthSnapshot& currentSnapshot() const { return m_snapshot; }
    int currentPage() const { return m_currentPage; }
    bool isEnglish() const { return m_english != 0; }

    // An index outside 0..4 is ignored.
    void setPage(int index);
    void setEnglish(bool english);

    // Opens the appointment editor for the selected patient.
    void openNewAppointment();

    // Filters the patient table by the trimmed text; the search edit keeps the text as typed.
    void setPatientSearchText(const QString& text);

    static QString iconPath(const QString& name);
    QString statusText(int status) const;
    const PatientRecord* findPatient(const QString& id) const;

    // Asks the simulator to select the patient; the pages follow with its next snapshot, if any.
    void selectPatient(const QString& patientId);
    // Where the appointment editor takes today from; the editor offers the seven days after it.
    void setDateSource(std::function<QDate()> today);
    static KIVQtLib::KIVQChartTheme appChartTheme();
    static void appendPieSlice(QVector<KIVQtLib::KIVQPieSlice>& slices, const QString& name, int value,
                               const QColor& colour);
    static QStandardItem* makeTableItem(const QString& text, const QString& value, int role);
    static QStandardItem* makeCenteredItem(const QString& text, const QString& icon);

public Q_SLOTS:
    void setPatientDrawerExpanded(bool expanded);
    void setAppointmentDrawerExpanded(bool expanded);
    void refreshSnapshot(const HealthSnapshot& snapshot);
    void saveAppointment();
    void cancelSelectedAppointment();
    void toggleMaximized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builders shared by the frame, the pages and the drawers.
    KIVQtLib::KIVQContainer* makeContainer(QWidget* parent, const QString& themeName, int childLayout, int ratio,
                                           int space, int left, int top, int right, int bottom);
    KIVQtLib::KIVQPushButton* makeButton(QWidget* parent, const QString& themeName, const QString& text, int width,
                                         int height, const QString& iconPath, const QColor& iconColour);
    KIVQtLib::KIVQLabel* makeLabel(QWidget* parent, const QString& themeName, int height, int ratio);
    static void setButtonIconLeft(KIVQtLib::KIVQPushButton* button, int iconX, int textX);
    KIVQtLib::KIVQImage* makeSvgIcon(QWidget* parent, const QString& svgPath, int width, int height,
                                     const QColor& colour);
    KIVQtLib::KIVQImage* makeIconTile(QWidget* parent, const QString& svgPath, int tileWidth, int iconWidth,
                                      int iconHeight, const QColor& colour, int tileHeight);
    KIVQtLib::KIVQContainer* addDivider(QWidget* parent);
    KIVQtLib::KIVQComboBox* makeComboBox(QWidget* parent, const QString& objectName, int width);
    void makeMetricCard(QWidget* row, std::array<KIVQtLib::KIVQLabel*, 3>& labels, const QString& iconPath,
                        const QString& accentStyle, const QString& name);
    KIVQtLib::KIVQContainer* makeToolRow(QWidget* page, int height);
    // A card of a chart row: a caption above the chart, which takes the rest.
    KIVQtLib::KIVQContainer* makeChartCard(QWidget* row, int ratio, KIVQtLib::KIVQLabel*& caption);
    KIVQtLib::KIVQLineChart* makeTrendChart(QWidget* card, const QString& name, bool area);
    // The set-up all four charts share; the chart is added to the card below its caption.
    void setUpChart(KIVQtLib::KIVQChartBase* chart, QWidget* card, const QString& name);
    static void setupTable(KIVQtLib::KIVQTableView* table, int rowHeight);
    // A table set up for the dashboard with a model of its own, added to its card.
    KIVQtLib::KIVQTableView* makeTable(QWidget* card, const QString& name, int rowHeight, QStandardItemModel*& model);

    void buildRootLayout();
    void buildHeaderBar();
    void buildSidebar();
    void buildOverviewPage();
    void buildPatientsPage();
    void buildMonitoringPage();
    void buildReportsPage();
    void buildAppointmentsPage();
    void buildPatientDrawer();
    void buildAppointmentEditorDrawer();

    void retranslateUi();
    void refreshFilterCombos();
    void fillReportFilterCombo(KIVQtLib::KIVQComboBox* combo, bool isTypeCombo);
    void fitTranslatedWidths();
    void disableOverviewChartAnimation();
    void disableMonitoringChartAnimation();
    // The overview's chart row and the report table's columns give way where the window is too small.
    void fitOverviewRows();
    void fitReportColumns();

    void refreshPatientCombos();
    void refreshOverview();
    void refreshPatientTable();
    void refreshPatientDrawer();
    void refreshMonitoring();
    void refreshReportTable();
    void refreshAppointmentTable();
    // The patient id of a combo box's item, when the item names one.
    void selectPatientFromCombo(QComboBox* combo, int index);
    // Re-selects the filter item holding data after a user's choice, with signals blocked.
    static void keepFilterItem(QComboBox* combo, const QVariant& data);
    bool isAppointmentRowCanceled(int row) const;
    void updateNavButtons();
    void layoutDrawers();
    void animateDrawer(KIVQtLib::KIVQContainer* drawer, bool expanded, bool& flag);

    KIVQtLib::KIVQContainer* makeDrawer(QWidget* page, const QString& objectName);
    KIVQtLib::KIVQLabel* addDetailField(const QString& prefix, KIVQtLib::KIVQLabel*& valueLabel);
    void addEditorCombo(KIVQtLib::KIVQLabel*& captionLabel, KIVQtLib::KIVQComboBox*& combo);
    void armDrawerSettle(KIVQtLib::KIVQContainer* drawer, bool& flag, int delayMs);
    void settleDrawer(KIVQtLib::KIVQContainer* drawer, bool open);
    QWidget* rowEndUnder(const KIVQtLib::KIVQContainer* drawer) const;
    void fillEditorDates();
    QString editorPatientPick() const;
    void retranslateDrawers();
    bool scheduleFromEditor(const QString& patientId, const QString& date, const QString& time, int doctorIndex);

    int m_english = 0;
    int m_currentPage = 0;
    unsigned m_fittedPages = 0; // pages whose texts were fitted in the current language
    PatientDataSimulator* m_simulator = nullptr;
    HealthSnapshot m_snapshot;
    QString m_patientSearchText;
    QString m_departmentFilter;
    int m_statusFilter = -1;
    QString m_selectedAppointmentId;
    bool m_patientDrawerExpanded = false;
    bool m_appointmentDrawerExpanded = false;
    bool m_overviewChartsAnimated = false;
    bool m_monitoringChartsAnimated = false;

    KIVQtLib::KIVQContainer* m_root = nullptr;
    KIVQtLib::KIVQContainer* m_header = nullptr;
    KIVQtLib::KIVQContainer* m_body = nullptr;
    KIVQtLib::KIVQContainer* m_sidebar = nullptr;
    KIVQtLib::KIVQStackContainer* m_pageStack = nullptr;
    QList<KIVQtLib::KIVQContainer*> m_pages;
    QList<KIVQtLib::KIVQPushButton*> m_navButtons;
    KIVQtLib::KIVQLabel* m_brandLabel = nullptr;
    KIVQtLib::KIVQLabel* m_pageCaptionLabel = nullptr;
    KIVQtLib::KIVQLabel* m_userLabel = nullptr;
    KIVQtLib::KIVQLabel* m_updateStampLabel = nullptr;
    KIVQtLib::KIVQPushButton* m_chineseButton = nullptr;
    KIVQtLib::KIVQPushButton* m_englishButton = nullptr;
    KIVQtLib::KIVQPushButton* m_maximizeButton = nullptr;

    // Overview.
    KIVQtLib::KIVQLabel* m_overviewTitle = nullptr;
    std::array<KIVQtLib::KIVQLabel*, 3> m_patientsCard{};
    std::array<KIVQtLib::KIVQLabel*, 3> m_criticalCard{};
    std::array<KIVQtLib::KIVQLabel*, 3> m_observationCard{};
    std::array<KIVQtLib::KIVQLabel*, 3> m_occupancyCard{};
    KIVQtLib::KIVQContainer* m_overviewChartRow = nullptr;
    KIVQtLib::KIVQLabel* m_overviewTrendCaption = nullptr;
    KIVQtLib::KIVQLineChart* m_overviewTrendChart = nullptr;
    KIVQtLib::KIVQLabel* m_distributionCaption = nullptr;
    KIVQtLib::KIVQOpenGLPieChart* m_distributionChart = nullptr;
    KIVQtLib::KIVQLabel* m_attentionCaption = nullptr;
    KIVQtLib::KIVQTableView* m_attentionTable = nullptr;
    QStandardItemModel* m_attentionModel = nullptr;
    KIVQtLib::KIVQLabel* m_focusCaption = nullptr;
    KIVQtLib::KIVQLabel* m_focusValue = nullptr;
    KIVQtLib::KIVQLabel* m_focusDetail = nullptr;
    KIVQtLib::KIVQLabel* m_focusNote = nullptr;

    // Patients.
    KIVQtLib::KIVQLabel* m_patientsTitle = nullptr;
    KIVQtLib::KIVQLabel* m_patientsSubtitle = nullptr;
    KIVQtLib::KIVQLineEdit* m_searchEdit = nullptr;
    KIVQtLib::KIVQComboBox* m_departmentCombo = nullptr;
    KIVQtLib::KIVQComboBox* m_statusCombo = nullptr;
    KIVQtLib::KIVQTableView* m_patientTable = nullptr;
    QStandardItemModel* m_patientModel = nullptr;
    KIVQtLib::KIVQLabel* m_patientCount = nullptr;

    // Monitoring.
    KIVQtLib::KIVQLabel* m_monitoringTitle = nullptr;
    KIVQtLib::KIVQComboBox* m_monitoringPatientCombo = nullptr;
    KIVQtLib::KIVQTableView* m_vitalsTable = nullptr;
    QStandardItemModel* m_vitalsModel = nullptr;
    KIVQtLib::KIVQLabel* m_monitoringTrendCaption = nullptr;
    KIVQtLib::KIVQLineChart* m_monitoringTrendChart = nullptr;
    KIVQtLib::KIVQLabel* m_activityCaption = nullptr;
    KIVQtLib::KIVQBarChart* m_activityChart = nullptr;
    KIVQtLib::KIVQLabel* m_infoTitle = nullptr;
    KIVQtLib::KIVQLabel* m_infoText = nullptr;

    // Reports.
    KIVQtLib::KIVQLabel* m_reportsTitle = nullptr;
    KIVQtLib::KIVQComboBox* m_reportPatientCombo = nullptr;
    KIVQtLib::KIVQComboBox* m_reportTypeFilter = nullptr;
    KIVQtLib::KIVQComboBox* m_reportStatusFilter = nullptr;
    KIVQtLib::KIVQTableView* m_reportTable = nullptr;
    QStandardItemModel* m_reportModel = nullptr;
    KIVQtLib::KIVQLabel* m_reportDetailTitle = nullptr;
    KIVQtLib::KIVQLabel* m_reportDetailSubtitle = nullptr;
    KIVQtLib::KIVQLabel* m_reportDetailText = nullptr;

    // Appointments.
    KIVQtLib::KIVQLabel* m_appointmentsTitle = nullptr;
    KIVQtLib::KIVQComboBox* m_appointmentPatientCombo = nullptr;
    KIVQtLib::KIVQComboBox* m_appointmentFilter = nullptr;
    KIVQtLib::KIVQPushButton* m_newAppointmentButton = nullptr;
    KIVQtLib::KIVQTableView* m_appointmentTable = nullptr;
    QStandardItemModel* m_appointmentModel = nullptr;
    KIVQtLib::KIVQLabel* m_appointmentFooter = nullptr;
    KIVQtLib::KIVQPushButton* m_cancelAppointmentButton = nullptr;

    // Built by the drawer builders; null while absent.
    KIVQtLib::KIVQContainer* m_patientDrawer = nullptr;
    KIVQtLib::KIVQContainer* m_appointmentDrawer = nullptr;

    // Patient drawer.
    KIVQtLib::KIVQLabel* m_patientDrawerTitle = nullptr;
    KIVQtLib::KIVQLabel* m_patientDrawerSubtitle = nullptr;
    KIVQtLib::KIVQContainer* m_patientStatusBadge = nullptr;
    KIVQtLib::KIVQLabel* m_patientStatusLabel = nullptr;
    KIVQtLib::KIVQLabel* m_patientIdentityValue = nullptr;
    KIVQtLib::KIVQLabel* m_patientDiagnosisValue = nullptr;
    KIVQtLib::KIVQLabel* m_patientAllergiesValue = nullptr;
    KIVQtLib::KIVQLabel* m_patientMedicationsValue = nullptr;
    KIVQtLib::KIVQLabel* m_patientDoctorValue = nullptr;

    // Appointment editor drawer.
    KIVQtLib::KIVQLabel* m_editorTitle = nullptr;
    KIVQtLib::KIVQLabel* m_editorPatientCaption = nullptr;
    KIVQtLib::KIVQComboBox* m_editorPatientCombo = nullptr;
    KIVQtLib::KIVQLabel* m_editorDoctorCaption = nullptr;
    KIVQtLib::KIVQComboBox* m_editorDoctorCombo = nullptr;
    KIVQtLib::KIVQLabel* m_editorDateCaption = nullptr;
    KIVQtLib::KIVQComboBox* m_editorDateCombo = nullptr;
    KIVQtLib::KIVQLabel* m_editorTimeCaption = nullptr;
    KIVQtLib::KIVQComboBox* m_editorTimeCombo = nullptr;
    KIVQtLib::KIVQLabel* m_editorError = nullptr;
    KIVQtLib::KIVQPushButton* m_editorConfirm = nullptr;
    KIVQtLib::KIVQPushButton* m_editorCancel = nullptr;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
};
