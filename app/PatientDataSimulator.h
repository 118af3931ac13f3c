#pragma once

#include "HealthSnapshot.h"

#include <QObject>
#include <QTimer>
#include <QVector>

// The ward's only data source: a fixed demo ward whose vital signs follow closed formulas of the
// tick counter, so the same tick always gives the same values.
class PatientDataSimulator : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PatientDataSimulator)

public:
    explicit PatientDataSimulator(QObject* parent = nullptr);
    ~PatientDataSimulator() override;

    const HealthSnapshot& snapshot() const { return m_snapshot; }
    bool hasPatient(const QString& id) const;

public Q_SLOTS:
    void start(int intervalMs);
    void start();
    void stop();
    void advance();
    bool selectPatient(const QString& patientId);
    bool scheduleAppointment(const QString& patientId, const QString& doctorEnglish, const QString& doctorChinese,
                             const QString& departmentEnglish, const QString& departmentChinese, const QString& date,
                             const QString& time);
    bool cancelAppointment(const QString& appointmentId);

Q_SIGNALS:
    void snapshotChanged(const HealthSnapshot& snapshot);
    void vitalsChanged(const HealthSnapshot& snapshot);
    void appointmentChanged(const HealthSnapshot& snapshot);

private:
    // The parts of each formula that depend only on the patient's index and status.
    struct VitalBase
    {
        int phase = 0;
        double heartRate = 0.0;
        double systolic = 0.0;
        double diastolic = 0.0;
        double spo2 = 0.0;
        double temperature = 0.0;
        double respiration = 0.0;
    };

    void seedDemoData();
    void buildSnapshot(bool shift);
    int indexOfPatient(const QString& id) const;

    QTimer m_timer;
    HealthSnapshot m_snapshot;
    int m_tick = 0;
    int m_nextAppointmentNumber = 25;
    QVector<VitalBase> m_bases;
};
