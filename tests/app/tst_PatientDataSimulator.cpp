#include "PatientDataSimulator.h"

#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>

namespace {

// Records every signal of the simulator in one list, so the relative order across signals shows.
class SignalLog : public QObject
{
public:
    explicit SignalLog(PatientDataSimulator& sim)
    {
        connect(&sim, &PatientDataSimulator::snapshotChanged, this,
                [this](const HealthSnapshot& s) { record(QStringLiteral("snapshot"), s); });
        connect(&sim, &PatientDataSimulator::vitalsChanged, this,
                [this](const HealthSnapshot& s) { record(QStringLiteral("vitals"), s); });
        connect(&sim, &PatientDataSimulator::appointmentChanged, this,
                [this](const HealthSnapshot& s) { record(QStringLiteral("appointment"), s); });
    }
    QStringList names;
    QVector<HealthSnapshot> snapshots;

private:
    void record(const QString& name, const HealthSnapshot& s)
    {
        names.append(name);
        snapshots.append(s);
    }
};

const AppointmentRecord* findAppointment(const HealthSnapshot& s, const QString& id)
{
    for (const AppointmentRecord& a : s.appointments) {
        if (a.id == id)
            return &a;
    }
    return nullptr;
}

bool schedule(PatientDataSimulator& sim, const QString& patient, const QString& date, const QString& time)
{
    return sim.scheduleAppointment(patient, QStringLiteral("Lin Zhao"), QStringLiteral("赵琳"),
                                   QStringLiteral("Cardiology"), QStringLiteral("心内科"), date, time);
}

} // namespace

class tst_PatientDataSimulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seedPatients_data();
    void seedPatients();
    void seedReports();
    void seedAppointments();
    void firstSnapshot();
    void vitals_data();
    void vitals();
    void seededHistoryStarts_data();
    void seededHistoryStarts();
    void advanceShiftsHistories();
    void startClampsInterval_data();
    void startClampsInterval();
    void runningTimerAdvances();
    void selectPatient_data();
    void selectPatient();
    void scheduleRefused_data();
    void scheduleRefused();
    void scheduleKeepsCallerTexts();
    void doubleConfirmBooksSlotOnce();
    void cancelTwice();
    void signalOrderInOneLog();
    void copiedSnapshotUnaffected();
    void metaTypeTravels();
};

void tst_PatientDataSimulator::seedPatients_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("bed");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("diagnosis");
    QTest::addColumn<QString>("diagnosisChinese");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("department");

    const QString cardio = QStringLiteral("Cardiology");
    const QString general = QStringLiteral("General Medicine");
    const QString rehab = QStringLiteral("Rehabilitation");
    QTest::newRow("HP-1001") << 0 << "HP-1001" << 28 << "3-01" << 0 << "Hypertension"
                             << "高血压"
                             << "A+" << cardio;
    QTest::newRow("HP-1003") << 2 << "HP-1003" << 42 << "3-03" << 2 << "Acute coronary syndrome"
                             << "急性冠脉综合征"
                             << "O+" << cardio;
    QTest::newRow("HP-1005") << 4 << "HP-1005" << 56 << "4-01" << 3 << "Community-acquired pneumonia"
                             << "社区获得性肺炎"
                             << "A+" << general;
    QTest::newRow("HP-1007") << 6 << "HP-1007" << 70 << "4-03" << 1 << "Stroke rehabilitation"
                             << "脑卒中康复"
                             << "O+" << general;
    QTest::newRow("HP-1012") << 11 << "HP-1012" << 58 << "5-04" << 0 << "Routine health assessment"
                             << "常规健康评估"
                             << "AB+" << rehab;
}

void tst_PatientDataSimulator::seedPatients()
{
    QFETCH(int, index);
    QFETCH(QString, id);
    QFETCH(int, age);
    QFETCH(QString, bed);
    QFETCH(int, status);
    QFETCH(QString, diagnosis);
    QFETCH(QString, diagnosisChinese);
    QFETCH(QString, blood);
    QFETCH(QString, department);

    PatientDataSimulator sim;
    const QVector<PatientRecord>& patients = sim.snapshot().patients;
    QCOMPARE(patients.size(), 12);
    const PatientRecord& p = patients.at(index);
    QCOMPARE(p.id, id);
    QCOMPARE(p.age, age);
    QCOMPARE(p.bed, bed);
    QCOMPARE(p.status, status);
    QCOMPARE(p.diagnosisEnglish, diagnosis);
    QCOMPARE(p.diagnosisChinese, diagnosisChinese);
    QCOMPARE(p.bloodType, blood);
    QCOMPARE(p.departmentEnglish, department);
    QCOMPARE(p.genderEnglish, index % 2 == 0 ? QStringLiteral("Male") : QStringLiteral("Female"));
    QCOMPARE(p.genderChinese, index % 2 == 0 ? QStringLiteral("男") : QStringLiteral("女"));
    QCOMPARE(p.allergiesEnglish, index % 4 == 0 ? QStringLiteral("Penicillin") : QStringLiteral("None recorded"));
    QVERIFY(!p.nameEnglish.isEmpty() && !p.nameChinese.isEmpty());
    QVERIFY(!p.doctorEnglish.isEmpty() && !p.doctorChinese.isEmpty());
    // One of three doctors, chosen by index modulo three.
    QCOMPARE(p.doctorEnglish, patients.at(index % 3).doctorEnglish);
    QCOMPARE(p.doctorChinese, patients.at(index % 3).doctorChinese);
    const QStringList medications = {QStringLiteral("Aspirin, Atorvastatin"), QStringLiteral("Metformin"),
                                     QStringLiteral("Routine supportive care")};
    QCOMPARE(p.medicationsEnglish, medications.at(index % 3));
    QSet<QString> doctors;
    for (const PatientRecord& other : patients)
        doctors.insert(other.doctorEnglish);
    QCOMPARE(doctors.size(), 3);
}

void tst_PatientDataSimulator::seedReports()
{
    PatientDataSimulator sim;
    const QVector<ReportRecord>& reports = sim.snapshot().reports;
    QCOMPARE(reports.size(), 24);
    QCOMPARE(reports.at(0).id, QStringLiteral("RPT-01-1"));
    QCOMPARE(reports.at(1).id, QStringLiteral("RPT-01-2"));
    QCOMPARE(reports.at(2).id, QStringLiteral("RPT-02-1"));
    QCOMPARE(reports.at(23).id, QStringLiteral("RPT-12-2"));
    QCOMPARE(reports.at(0).date, QStringLiteral("2026-07-20"));
    QCOMPARE(reports.at(1).date, QStringLiteral("2026-07-17"));
    QCOMPARE(reports.at(23).date, QStringLiteral("2026-07-06"));
    QCOMPARE(reports.at(23).patientId, QStringLiteral("HP-1012"));
    QCOMPARE(reports.at(0).typeEnglish, QStringLiteral("Blood panel"));
    QCOMPARE(reports.at(1).typeChinese, QStringLiteral("心电分析"));

    QStringList attention;
    for (const ReportRecord& r : reports) {
        if (r.statusEnglish == QLatin1String("Attention")) {
            attention.append(r.id);
            QCOMPARE(r.statusChinese, QStringLiteral("需关注"));
            QCOMPARE(r.findingsEnglish, QStringLiteral("ST segment changes detected. Cardiology review is required."));
            QCOMPARE(r.findingsChinese, QStringLiteral("检测到 ST 段改变，建议心内科进一步复核。"));
        } else {
            QCOMPARE(r.statusEnglish, QStringLiteral("Reviewed"));
            QCOMPARE(r.findingsEnglish, QStringLiteral("Results are consistent with the current treatment plan."));
        }
    }
    QCOMPARE(attention, QStringList{QStringLiteral("RPT-03-2")});
}

void tst_PatientDataSimulator::seedAppointments()
{
    PatientDataSimulator sim;
    const HealthSnapshot& s = sim.snapshot();
    QCOMPARE(s.appointments.size(), 24);
    QStringList canceled;
    for (int n = 0; n < s.appointments.size(); ++n) {
        const AppointmentRecord& a = s.appointments.at(n);
        QCOMPARE(a.id, QStringLiteral("APT-%1").arg(n + 1, 3, 10, QLatin1Char('0')));
        const PatientRecord& p = s.patients.at(n / 2);
        QCOMPARE(a.patientId, p.id);
        QCOMPARE(a.doctorChinese, p.doctorChinese);
        QCOMPARE(a.departmentEnglish, p.departmentEnglish);
        QCOMPARE(a.time, n % 2 == 0 ? QStringLiteral("10:30") : QStringLiteral("15:30"));
        if (a.canceled)
            canceled.append(a.id);
    }
    QCOMPARE(canceled, (QStringList{QStringLiteral("APT-002"), QStringLiteral("APT-012"), QStringLiteral("APT-022")}));
    QCOMPARE(s.appointments.at(0).date, QStringLiteral("2026-07-22"));
    QCOMPARE(s.appointments.at(1).date, QStringLiteral("2026-07-31"));
    QCOMPARE(s.appointments.at(23).date, QStringLiteral("2026-08-11"));
}

void tst_PatientDataSimulator::firstSnapshot()
{
    QDateTime before = QDateTime::currentDateTime();
    before.setTime(QTime(before.time().hour(), before.time().minute(), before.time().second()));
    PatientDataSimulator sim;
    const QDateTime after = QDateTime::currentDateTime();
    const HealthSnapshot& s = sim.snapshot();
    QCOMPARE(s.tick, 0);
    QCOMPARE(s.patientCount, 12);
    QCOMPARE(s.bedCapacity, 18);
    QCOMPARE(s.selectedPatientId, QStringLiteral("HP-1001"));
    QCOMPARE(s.trendLabels.size(), 24);
    QCOMPARE(s.trendLabels.first(), QStringLiteral("00:00"));
    QCOMPARE(s.trendLabels.at(9), QStringLiteral("09:00"));
    QCOMPARE(s.trendLabels.last(), QStringLiteral("23:00"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"))
                .match(s.updatedAt)
                .hasMatch());
    const QDateTime stamp = QDateTime::fromString(s.updatedAt, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY2(stamp >= before && stamp <= after, qPrintable(s.updatedAt));
    for (const PatientRecord& p : s.patients) {
        QCOMPARE(p.heartRateHistory.size(), 24);
        QCOMPARE(p.spo2History.size(), 24);
        QCOMPARE(p.systolicHistory.size(), 24);
    }
}

void tst_PatientDataSimulator::vitals_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("heartRate");
    QTest::addColumn<int>("systolic");
    QTest::addColumn<int>("diastolic");
    QTest::addColumn<double>("spo2");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("respiration");

    // Values worked out independently to full double precision.
    QTest::newRow("tick 0, stable HP-1001") << 0 << 0 << 70.0 << 118 << 76 << 98.0 << 36.5 << 16.0;
    QTest::newRow("tick 0, critical HP-1003")
        << 0 << 2 << 92.83735199834862 << 135 << 84 << 95.5456027997523 << 37.243494079933946 << 20.185783999449537;
    QTest::newRow("tick 1, stable HP-1001")
        << 1 << 0 << 70.91517590933033 << 119 << 77 << 98.13727638639955 << 36.53660703637321 << 16.305058636443444;
    QTest::newRow("tick 0, observation HP-1007")
        << 0 << 6 << 78.35992685879214 << 122 << 78 << 96.47398902881882 << 36.71439707435169 << 16.893308952930713;
    QTest::newRow("tick 5, recovering HP-1005, falling wave")
        << 5 << 4 << 69.671795018735 << 116 << 75 << 97.33076925281026 << 36.4768718007494 << 15.583931672911667;
    QTest::newRow("tick 3, stable HP-1012")
        << 3 << 11 << 75.98379633733353 << 122 << 78 << 98.44756945060003 << 36.61935185349334 << 16.994598779111175;
}

void tst_PatientDataSimulator::vitals()
{
    QFETCH(int, ticks);
    QFETCH(int, index);
    QFETCH(double, heartRate);
    QFETCH(int, systolic);
    QFETCH(int, diastolic);
    QFETCH(double, spo2);
    QFETCH(double, temperature);
    QFETCH(double, respiration);

    PatientDataSimulator sim;
    for (int t = 0; t < ticks; ++t)
        sim.advance();
    QCOMPARE(sim.snapshot().tick, ticks);
    const PatientRecord& p = sim.snapshot().patients.at(index);
    const auto near = [](double got, double want) {
        return std::abs(got - want) < 1e-9 ? QString() : QString::number(got, 'g', 17);
    };
    QCOMPARE(near(p.heartRate, heartRate), QString());
    QCOMPARE(p.systolic, systolic);
    QCOMPARE(p.diastolic, diastolic);
    QCOMPARE(near(p.spo2, spo2), QString());
    QCOMPARE(near(p.temperature, temperature), QString());
    QCOMPARE(near(p.respiration, respiration), QString());
}

void tst_PatientDataSimulator::seededHistoryStarts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QVector<double>>("heartRate");
    QTest::addColumn<QVector<double>>("spo2");
    QTest::addColumn<QVector<double>>("systolic");

    QTest::newRow("HP-1001") << 0 << QVector<double>{70.0, 71.30483344979062, 72.38285798390675}
                             << QVector<double>{98.5, 98.4696863564237, 98.38242109364225}
                             << QVector<double>{118.0, 119.82676682970687, 121.33600117746946};
    QTest::newRow("HP-1003 critical") << 2 << QVector<double>{92.38285798390675, 93.04668909308965, 93.18093824703385}
                                      << QVector<double>{95.50242109364225, 95.36878552394587, 95.20498357145013}
                                      << QVector<double>{134.83600117746946, 135.7653647303255, 135.95331354584738};
}

void tst_PatientDataSimulator::seededHistoryStarts()
{
    QFETCH(int, index);
    QFETCH(QVector<double>, heartRate);
    QFETCH(QVector<double>, spo2);
    QFETCH(QVector<double>, systolic);

    PatientDataSimulator sim;
    const PatientRecord& p = sim.snapshot().patients.at(index);
    for (int j = 0; j < 3; ++j) {
        QVERIFY(std::abs(p.heartRateHistory.at(j) - heartRate.at(j)) < 1e-9);
        QVERIFY(std::abs(p.spo2History.at(j) - spo2.at(j)) < 1e-9);
        QVERIFY(std::abs(p.systolicHistory.at(j) - systolic.at(j)) < 1e-9);
    }
}

void tst_PatientDataSimulator::advanceShiftsHistories()
{
    PatientDataSimulator sim;
    const PatientRecord before = sim.snapshot().patients.at(2);
    sim.advance();
    const PatientRecord& after = sim.snapshot().patients.at(2);
    QCOMPARE(after.heartRateHistory.size(), 24);
    QCOMPARE(after.spo2History.size(), 24);
    QCOMPARE(after.systolicHistory.size(), 24);
    QCOMPARE(after.heartRateHistory.mid(0, 23), before.heartRateHistory.mid(1));
    QCOMPARE(after.spo2History.mid(0, 23), before.spo2History.mid(1));
    QCOMPARE(after.systolicHistory.mid(0, 23), before.systolicHistory.mid(1));
    QCOMPARE(after.heartRateHistory.last(), after.heartRate);
    QCOMPARE(after.spo2History.last(), after.spo2);
    QCOMPARE(after.systolicHistory.last(), double(after.systolic));

    // After a full window every value comes from a build, oldest first.
    QVector<double> heart{after.heartRate};
    QVector<double> systolic{double(after.systolic)};
    for (int t = 2; t <= 24; ++t) {
        sim.advance();
        heart.append(sim.snapshot().patients.at(2).heartRate);
        systolic.append(sim.snapshot().patients.at(2).systolic);
    }
    QCOMPARE(sim.snapshot().patients.at(2).heartRateHistory, heart);
    QCOMPARE(sim.snapshot().patients.at(2).systolicHistory, systolic);
    QCOMPARE(sim.snapshot().tick, 24);
}

void tst_PatientDataSimulator::startClampsInterval_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("5 raised") << 5 << 20;
    QTest::newRow("0 raised") << 0 << 20;
    QTest::newRow("negative raised") << -40 << 20;
    QTest::newRow("20 kept") << 20 << 20;
    QTest::newRow("250 kept") << 250 << 250;
}

void tst_PatientDataSimulator::startClampsInterval()
{
    QFETCH(int, requested);
    QFETCH(int, expected);
    PatientDataSimulator sim;
    auto* timer = sim.findChild<QTimer*>();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    sim.start(requested);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), expected);
    sim.start();
    QCOMPARE(timer->interval(), 1000);
    sim.stop();
    QVERIFY(!timer->isActive());
}

void tst_PatientDataSimulator::runningTimerAdvances()
{
    PatientDataSimulator sim;
    QSignalSpy spy(&sim, &PatientDataSimulator::snapshotChanged);
    sim.start(5);
    QTRY_VERIFY(spy.count() >= 2);
    sim.stop();
    const int tick = sim.snapshot().tick;
    QVERIFY(tick >= 2);
    QCOMPARE(spy.last().first().value<HealthSnapshot>().tick, tick);
}

void tst_PatientDataSimulator::selectPatient_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QList<bool>>("results");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("signalNames");

    const QStringList none;
    const QStringList both{QStringLiteral("snapshot"), QStringLiteral("vitals")};
    QTest::newRow("the selected one again") << QStringList{"HP-1001"} << QList<bool>{true} << "HP-1001" << none;
    QTest::newRow("unknown or empty id") << QStringList{"HP-10", "HP-9999", ""} << QList<bool>{false, false, false}
                                         << "HP-1001" << none;
    QTest::newRow("another patient") << QStringList{"HP-1005"} << QList<bool>{true} << "HP-1005" << both;
    // Views match ids exactly, so the record's own spelling is stored.
    QTest::newRow("case ignored, record id kept") << QStringList{"hp-1002"} << QList<bool>{true} << "HP-1002" << both;
    QTest::newRow("another spelling of the selected one")
        << QStringList{"hp-1012", "Hp-1012", "HP-1012"} << QList<bool>{true, true, true} << "HP-1012" << both;
}

void tst_PatientDataSimulator::selectPatient()
{
    QFETCH(QStringList, requests);
    QFETCH(QList<bool>, results);
    QFETCH(QString, selected);
    QFETCH(QStringList, signalNames);

    PatientDataSimulator sim;
    SignalLog log(sim);
    const QString stamp = sim.snapshot().updatedAt;
    for (int i = 0; i < requests.size(); ++i)
        QCOMPARE(sim.selectPatient(requests.at(i)), results.at(i));
    QCOMPARE(sim.snapshot().selectedPatientId, selected);
    QCOMPARE(log.names, signalNames);
    if (!log.snapshots.isEmpty())
        QCOMPARE(log.snapshots.first().selectedPatientId, selected);
    QCOMPARE(sim.hasPatient(requests.first()), results.first());
    // Selection re-emits the snapshot as it stands; it is not a tick.
    QCOMPARE(sim.snapshot().tick, 0);
    QCOMPARE(sim.snapshot().updatedAt, stamp);
}

void tst_PatientDataSimulator::scheduleRefused_data()
{
    QTest::addColumn<QString>("patient");
    QTest::addColumn<QString>("doctor");
    QTest::addColumn<QString>("department");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    const QString p = QStringLiteral("HP-1004");
    const QString doc = QStringLiteral("Jing Wu");
    const QString dep = QStringLiteral("Rehabilitation");
    const QString date = QStringLiteral("2026-08-03");
    const QString time = QStringLiteral("11:00");
    QTest::newRow("no patient") << QString() << doc << dep << date << time;
    QTest::newRow("unknown patient") << "HP-2001" << doc << dep << date << time;
    QTest::newRow("blank doctor") << p << " \t" << dep << date << time;
    QTest::newRow("blank department") << p << doc << "  " << date << time;
    QTest::newRow("empty date") << p << doc << dep << "" << time;
    QTest::newRow("blank time") << p << doc << dep << date << "   ";
    QTest::newRow("day out of range") << p << doc << dep << "2026-02-30" << time;
    QTest::newRow("slashes") << p << doc << dep << "2026/08/03" << time;
    QTest::newRow("day first") << p << doc << dep << "03-08-2026" << time;
    QTest::newRow("single-digit month") << p << doc << dep << "2026-8-03" << time;
    QTest::newRow("words") << p << doc << dep << "tomorrow" << time;
    QTest::newRow("hour 25") << p << doc << dep << date << "25:00";
    QTest::newRow("minute 60") << p << doc << dep << date << "10:60";
    QTest::newRow("single-digit hour") << p << doc << dep << date << "9:30";
    QTest::newRow("seconds") << p << doc << dep << date << "10:30:00";
    QTest::newRow("am/pm") << p << doc << dep << date << "10:30 AM";
}

void tst_PatientDataSimulator::scheduleRefused()
{
    QFETCH(QString, patient);
    QFETCH(QString, doctor);
    QFETCH(QString, department);
    QFETCH(QString, date);
    QFETCH(QString, time);

    PatientDataSimulator sim;
    SignalLog log(sim);
    QVERIFY(!sim.scheduleAppointment(patient, doctor, QString(), department, QString(), date, time));
    QVERIFY(log.names.isEmpty());
    QCOMPARE(sim.snapshot().appointments.size(), 24);
    // The refusal used no number.
    QVERIFY(schedule(sim, QStringLiteral("HP-1004"), QStringLiteral("2026-08-03"), QStringLiteral("11:00")));
    QCOMPARE(sim.snapshot().appointments.last().id, QStringLiteral("APT-025"));
}

void tst_PatientDataSimulator::scheduleKeepsCallerTexts()
{
    PatientDataSimulator sim;
    // Chinese texts are optional; the names are stored as given, date and time as checked, and the
    // patient under its record id.
    QVERIFY(sim.scheduleAppointment(QStringLiteral("hp-1006"), QStringLiteral(" Ming Zhou "), QString(),
                                    QStringLiteral("General Medicine"), QString(), QStringLiteral(" 2026-08-05 "),
                                    QStringLiteral("08:15\t")));
    const AppointmentRecord& a = sim.snapshot().appointments.last();
    QCOMPARE(a.patientId, QStringLiteral("HP-1006"));
    QCOMPARE(a.doctorEnglish, QStringLiteral(" Ming Zhou "));
    QVERIFY(a.doctorChinese.isEmpty());
    QCOMPARE(a.departmentEnglish, QStringLiteral("General Medicine"));
    QCOMPARE(a.date, QStringLiteral("2026-08-05"));
    QCOMPARE(a.time, QStringLiteral("08:15"));
    QVERIFY(!sim.scheduleAppointment(QStringLiteral("HP-1006"), QStringLiteral("Ming Zhou"), QString(),
                                     QStringLiteral("General Medicine"), QString(), QStringLiteral("2026-08-05"),
                                     QStringLiteral("08:15")));
}

void tst_PatientDataSimulator::doubleConfirmBooksSlotOnce()
{
    PatientDataSimulator sim;
    SignalLog log(sim);
    const QString date = QStringLiteral("2026-08-01");
    QVERIFY(schedule(sim, QStringLiteral("HP-1002"), date, QStringLiteral("09:00")));
    QCOMPARE(log.names.size(), 2);
    QVERIFY(!schedule(sim, QStringLiteral("HP-1002"), date, QStringLiteral("09:00")));
    QVERIFY(!schedule(sim, QStringLiteral("hp-1002"), date, QStringLiteral("09:00")));
    QVERIFY(!schedule(sim, QStringLiteral("HP-1002"), QStringLiteral(" 2026-08-01 "), QStringLiteral("09:00")));
    QCOMPARE(log.names.size(), 2);
    QCOMPARE(sim.snapshot().appointments.size(), 25);

    // Only the same patient at the same date and time collides.
    QVERIFY(schedule(sim, QStringLiteral("HP-1002"), date, QStringLiteral("09:30")));
    QVERIFY(schedule(sim, QStringLiteral("HP-1003"), date, QStringLiteral("09:00")));
    QCOMPARE(sim.snapshot().appointments.last().id, QStringLiteral("APT-027"));

    // Seeded slots count too: APT-001 is open, APT-002 canceled.
    QVERIFY(!schedule(sim, QStringLiteral("HP-1001"), QStringLiteral("2026-07-22"), QStringLiteral("10:30")));
    QVERIFY(schedule(sim, QStringLiteral("HP-1001"), QStringLiteral("2026-07-31"), QStringLiteral("15:30")));
    QCOMPARE(sim.snapshot().appointments.last().id, QStringLiteral("APT-028"));

    // A canceled booking frees its slot.
    QVERIFY(sim.cancelAppointment(QStringLiteral("APT-025")));
    QVERIFY(schedule(sim, QStringLiteral("HP-1002"), date, QStringLiteral("09:00")));
    QCOMPARE(sim.snapshot().appointments.last().id, QStringLiteral("APT-029"));
}

void tst_PatientDataSimulator::cancelTwice()
{
    PatientDataSimulator sim;
    SignalLog log(sim);
    QVERIFY(!sim.cancelAppointment(QStringLiteral("APT-002")));
    QVERIFY(!sim.cancelAppointment(QStringLiteral("APT-999")));
    QVERIFY(!sim.cancelAppointment(QStringLiteral("apt-001")));
    QVERIFY(log.names.isEmpty());

    QVERIFY(sim.cancelAppointment(QStringLiteral("APT-001")));
    QCOMPARE(log.names.size(), 2);
    QVERIFY(!sim.cancelAppointment(QStringLiteral("APT-001")));
    QCOMPARE(log.names.size(), 2);

    const HealthSnapshot& s = sim.snapshot();
    QCOMPARE(s.appointments.size(), 24);
    const AppointmentRecord* a = findAppointment(s, QStringLiteral("APT-001"));
    QVERIFY(a);
    QVERIFY(a->canceled);
    QVERIFY(log.snapshots.last().appointments.first().canceled);
}

void tst_PatientDataSimulator::signalOrderInOneLog()
{
    PatientDataSimulator sim;
    SignalLog log(sim);
    sim.advance();
    QVERIFY(sim.selectPatient(QStringLiteral("HP-1003")));
    QVERIFY(schedule(sim, QStringLiteral("HP-1003"), QStringLiteral("2026-08-09"), QStringLiteral("16:00")));
    QVERIFY(sim.cancelAppointment(QStringLiteral("APT-025")));
    sim.advance();

    const QString snap = QStringLiteral("snapshot");
    const QString vitals = QStringLiteral("vitals");
    const QString appt = QStringLiteral("appointment");
    QCOMPARE(log.names, (QStringList{snap, vitals, snap, vitals, appt, snap, appt, snap, snap, vitals}));
    // Every signal carries the state as it stood after the change.
    QCOMPARE(log.snapshots.at(0).tick, 1);
    QCOMPARE(log.snapshots.at(2).selectedPatientId, QStringLiteral("HP-1003"));
    QCOMPARE(log.snapshots.at(4).appointments.size(), 25);
    QVERIFY(log.snapshots.at(7).appointments.last().canceled);
    QCOMPARE(log.snapshots.at(9).tick, 2);
}

void tst_PatientDataSimulator::copiedSnapshotUnaffected()
{
    PatientDataSimulator sim;
    const HealthSnapshot copy = sim.snapshot();
    const QVector<double> history = copy.patients.at(0).heartRateHistory;

    QVERIFY(sim.cancelAppointment(QStringLiteral("APT-001")));
    QVERIFY(schedule(sim, QStringLiteral("HP-1004"), QStringLiteral("2026-08-10"), QStringLiteral("10:00")));
    QVERIFY(sim.selectPatient(QStringLiteral("HP-1004")));
    sim.advance();

    QVERIFY(!copy.appointments.first().canceled);
    QCOMPARE(copy.appointments.size(), 24);
    QCOMPARE(copy.selectedPatientId, QStringLiteral("HP-1001"));
    QCOMPARE(copy.tick, 0);
    QCOMPARE(copy.patients.at(0).heartRate, 70.0);
    QCOMPARE(copy.patients.at(0).heartRateHistory, history);
    QVERIFY(sim.snapshot().appointments.first().canceled);
    QVERIFY(sim.snapshot().patients.at(0).heartRateHistory != history);
}

void tst_PatientDataSimulator::metaTypeTravels()
{
    PatientDataSimulator sim;
    const int id = QMetaType::type("HealthSnapshot");
    QVERIFY(id != QMetaType::UnknownType);
    QCOMPARE(id, qMetaTypeId<HealthSnapshot>());

    const QVariant v = QVariant::fromValue(sim.snapshot());
    QCOMPARE(v.value<HealthSnapshot>().patients.size(), 12);

    HealthSnapshot received;
    connect(
        &sim, &PatientDataSimulator::snapshotChanged, this, [&received](const HealthSnapshot& s) { received = s; },
        Qt::QueuedConnection);
    sim.advance();
    QCOMPARE(received.tick, 0);
    QTRY_COMPARE(received.tick, 1);
}

QTEST_GUILESS_MAIN(tst_PatientDataSimulator)
#include "tst_PatientDataSimulator.moc"
