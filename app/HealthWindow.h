#pragma once

#include "HealthSnapshot.h"

#include "core/windows/KIVQWindow.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>

class PatientDataSimulator;
class QResizeEvent;

namespace KIVQtLib {
class KIVQContainer;
class KIVQImage;
class KIVQLabel;
class KIVQPushButton;
class KIVQStackContainer;
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

    static QString iconPath(const QString& name);
    QString statusText(int status) const;
    const PatientRecord* findPatient(const QString& id) const;

public Q_SLOTS:
    void setPatientDrawerExpanded(bool expanded);
    void setAppointmentDrawerExpanded(bool expanded);
    void refreshSnapshot(const HealthSnapshot& snapshot);
    void saveAppointment();
    void cancelSelectedAppointment();
    void toggleMaximized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Builders shared by the frame, the pages and the drawers.
    KIVQtLib::KIVQContainer* makeContainer(QWidget* parent, const QString& themeName, int childLayout, int ratio,
                                           int space, int left, int top, int right, int bottom);
    KIVQtLib::KIVQPushButton* makeButton(QWidget* parent, const QString& themeName, const QString& text, int width,
                                         int height, const QString& iconPath, const QColor& iconColour);
    KIVQtLib::KIVQLabel* makeLabel(QWidget* parent, const QString& themeName, int height, int ratio);
    static void setButtonIconLeft(KIVQtLib::KIVQPushButton* button, int iconX, int textX);
    KIVQtLib::KIVQImage* makeSvgIcon(QWidget* parent, const QString& svgPath, int width, int height, const QColor& colour);
    KIVQtLib::KIVQImage* makeIconTile(QWidget* parent, const QString& svgPath, int tileWidth, int iconWidth, int iconHeight,
                          const QColor& colour, int tileHeight);
    KIVQtLib::KIVQContainer* addDivider(QWidget* parent);

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
    void updateNavButtons();
    void layoutDrawers();
    void animateDrawer(KIVQtLib::KIVQContainer* drawer, bool expanded, bool& flag);

    int m_english = 0;
    int m_currentPage = 0;
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

    // Built by the drawer builders; null while absent.
    KIVQtLib::KIVQContainer* m_patientDrawer = nullptr;
    KIVQtLib::KIVQContainer* m_appointmentDrawer = nullptr;
};
