#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// Records keep `status` as a plain int so that a value outside this list survives a round trip.
enum PatientStatus : int
{
    PatientStable = 0,
    PatientObservation = 1,
    PatientCritical = 2,
    PatientRecovering = 3
};

struct PatientRecord
{
    QString id;
    QString nameEnglish;
    QString nameChinese;
    QString genderEnglish;
    QString genderChinese;
    int age = 0;
    QString bloodType;
    QString departmentEnglish;
    QString departmentChinese;
    QString bed;
    QString doctorEnglish;
    QString doctorChinese;
    QString diagnosisEnglish;
    QString diagnosisChinese;
    QString allergiesEnglish;
    QString allergiesChinese;
    QString medicationsEnglish;
    QString medicationsChinese;
    int status = PatientStable;
    double heartRate = 0.0;
    int systolic = 0;
    int diastolic = 0;
    double spo2 = 0.0;
    double temperature = 0.0;
    double respiration = 0.0;
    // Oldest first; the three always have the same length.
    QVector<double> heartRateHistory;
    QVector<double> spo2History;
    QVector<double> systolicHistory;
};

struct ReportRecord
{
    QString id;
    QString patientId;
    QString typeEnglish;
    QString typeChinese;
    QString date;
    QString statusEnglish;
    QString statusChinese;
    QString findingsEnglish;
    QString findingsChinese;
};

struct AppointmentRecord
{
    QString id;
    QString patientId;
    QString doctorEnglish;
    QString doctorChinese;
    QString departmentEnglish;
    QString departmentChinese;
    QString date;
    QString time;
    bool canceled = false;
};

// Everything here is implicitly shared, so handing a snapshot to every listener on each tick only
// raises reference counts; the simulator's next change detaches its own copy.
struct HealthSnapshot
{
    QString selectedPatientId;
    QString updatedAt;
    int tick = 0;
    int patientCount = 0;
    int bedCapacity = 18;
    QVector<PatientRecord> patients;
    QVector<ReportRecord> reports;
    QVector<AppointmentRecord> appointments;
    QStringList trendLabels;
};

Q_DECLARE_METATYPE(HealthSnapshot)
