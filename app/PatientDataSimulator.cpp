#include "PatientDataSimulator.h"

#include "WardDoctors.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPatientCount = 12;
constexpr int kHistoryLength = 24;
constexpr int kMinimumIntervalMs = 20;

struct NamePair
{
    const char* english;
    const char* chinese;
};

const NamePair kPatientNames[kPatientCount] = {
    {"Jianguo Wang", "王建国"}, {"Xiuying Li", "李秀英"}, {"Zhiqiang Zhang", "张志强"}, {"Fang Liu", "刘芳"},
    {"Wei Chen", "陈伟"},       {"Li Yang", "杨丽"},      {"Haitao Huang", "黄海涛"},   {"Xuemei Xu", "徐雪梅"},
    {"Hao Sun", "孙浩"},        {"Xiaoyan Ma", "马晓燕"}, {"Guoping Zhu", "朱国平"},    {"Jingyi Hu", "胡静怡"},
};

const NamePair kDiagnoses[kPatientCount] = {
    {"Hypertension", "高血压"},
    {"Postoperative observation", "术后观察"},
    {"Acute coronary syndrome", "急性冠脉综合征"},
    {"Type 2 diabetes", "2 型糖尿病"},
    {"Community-acquired pneumonia", "社区获得性肺炎"},
    {"Arrhythmia", "心律失常"},
    {"Stroke rehabilitation", "脑卒中康复"},
    {"Chronic gastritis", "慢性胃炎"},
    {"Asthma observation", "哮喘观察"},
    {"Lower limb fracture", "下肢骨折"},
    {"Thyroid nodule", "甲状腺结节"},
    {"Routine health assessment", "常规健康评估"},
};

const NamePair kMedications[3] = {
    {"Aspirin, Atorvastatin", "阿司匹林、阿托伐他汀"},
    {"Metformin", "二甲双胍"},
    {"Routine supportive care", "常规支持治疗"},
};

const char* const kBloodTypes[4] = {"A+", "B+", "O+", "AB+"};

QString fromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

double statusOffset(int status)
{
    switch (status) {
    case PatientObservation:
        return 8.0;
    case PatientCritical:
        return 18.0;
    case PatientRecovering:
        return 2.0;
    default:
        return 0.0;
    }
}

int seedStatus(int i)
{
    switch (i) {
    case 2:
        return PatientCritical;
    case 6:
    case 9:
        return PatientObservation;
    case 4:
    case 10:
        return PatientRecovering;
    default:
        return PatientStable;
    }
}

// Accepts exactly the canonical form: QDate/QTime parsing alone lets single digits through.
bool isCanonicalDate(const QString& text)
{
    static const QString format = QStringLiteral("yyyy-MM-dd");
    const QDate date = QDate::fromString(text, format);
    return date.isValid() && date.toString(format) == text;
}

bool isCanonicalTime(const QString& text)
{
    static const QString format = QStringLiteral("HH:mm");
    const QTime time = QTime::fromString(text, format);
    return time.isValid() && time.toString(format) == text;
}

void shiftIn(QVector<double>& history, double value)
{
    if (history.isEmpty()) {
        history.append(value);
        return;
    }
    // Rotating in place keeps the buffer; only a copy still shared with a listener gets detached.
    std::copy(history.begin() + 1, history.end(), history.begin());
    history.last() = value;
}

void putDigits(QChar*& out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = QLatin1Char(char('0' + value % 10));
    out += width;
}

// "yyyy-MM-dd HH:mm:ss", written directly: formatting through printf or a format string was the
// costliest step of a tick.
QString currentStamp()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    QString stamp(19, Qt::Uninitialized);
    QChar* out = stamp.data();
    putDigits(out, d.year(), 4);
    *out++ = QLatin1Char('-');
    putDigits(out, d.month(), 2);
    *out++ = QLatin1Char('-');
    putDigits(out, d.day(), 2);
    *out++ = QLatin1Char(' ');
    putDigits(out, t.hour(), 2);
    *out++ = QLatin1Char(':');
    putDigits(out, t.minute(), 2);
    *out++ = QLatin1Char(':');
    putDigits(out, t.second(), 2);
    return stamp;
}

} // namespace

PatientDataSimulator::PatientDataSimulator(QObject* parent) : QObject(parent), m_timer(this)
{
    qRegisterMetaType<HealthSnapshot>("HealthSnapshot");
    connect(&m_timer, &QTimer::timeout, this, &PatientDataSimulator::advance);
    seedDemoData();
    buildSnapshot(false);
}

PatientDataSimulator::~PatientDataSimulator() = default;

void PatientDataSimulator::seedDemoData()
{
    const QDate reportBase(2026, 7, 20);
    const QDate appointmentBase(2026, 7, 22);
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");

    m_snapshot.patients.clear();
    m_snapshot.reports.clear();
    m_snapshot.appointments.clear();
    m_bases.clear();
    m_snapshot.patients.reserve(kPatientCount);
    m_snapshot.reports.reserve(2 * kPatientCount);
    m_snapshot.appointments.reserve(2 * kPatientCount);
    m_bases.reserve(kPatientCount);

    for (int i = 0; i < kPatientCount; ++i) {
        PatientRecord p;
        p.id = QStringLiteral("HP-%1").arg(1001 + i);
        p.nameEnglish = fromUtf8(kPatientNames[i].english);
        p.nameChinese = fromUtf8(kPatientNames[i].chinese);
        const bool male = i % 2 == 0;
        p.genderEnglish = male ? QStringLiteral("Male") : QStringLiteral("Female");
        p.genderChinese = male ? QStringLiteral("男") : QStringLiteral("女");
        p.age = (7 * i) % 47 + 28;
        p.bloodType = QString::fromLatin1(kBloodTypes[i % 4]);
        if (i < 4) {
            p.departmentEnglish = QStringLiteral("Cardiology");
            p.departmentChinese = QStringLiteral("心内科");
        } else if (i < 8) {
            p.departmentEnglish = QStringLiteral("General Medicine");
            p.departmentChinese = QStringLiteral("综合内科");
        } else {
            p.departmentEnglish = QStringLiteral("Rehabilitation");
            p.departmentChinese = QStringLiteral("康复科");
        }
        p.bed = QStringLiteral("%1-%2").arg(i / 4 + 3).arg(i % 4 + 1, 2, 10, QLatin1Char('0'));
        p.doctorEnglish = fromUtf8(kWardDoctors[i % kWardDoctorCount].nameEnglish);
        p.doctorChinese = fromUtf8(kWardDoctors[i % kWardDoctorCount].nameChinese);
        p.diagnosisEnglish = fromUtf8(kDiagnoses[i].english);
        p.diagnosisChinese = fromUtf8(kDiagnoses[i].chinese);
        if (i % 4 == 0) {
            p.allergiesEnglish = QStringLiteral("Penicillin");
            p.allergiesChinese = QStringLiteral("青霉素");
        } else {
            p.allergiesEnglish = QStringLiteral("None recorded");
            p.allergiesChinese = QStringLiteral("未记录");
        }
        p.medicationsEnglish = fromUtf8(kMedications[i % 3].english);
        p.medicationsChinese = fromUtf8(kMedications[i % 3].chinese);
        p.status = seedStatus(i);

        const double d = statusOffset(p.status);
        p.heartRateHistory.reserve(kHistoryLength);
        p.spo2History.reserve(kHistoryLength);
        p.systolicHistory.reserve(kHistoryLength);
        for (int j = 0; j < kHistoryLength; ++j) {
            const double x = i + j;
            const double wave = 3.2 * std::sin(0.42 * x);
            p.heartRateHistory.append(wave + (d + 70.0) + (i % 4));
            p.spo2History.append(0.5 * std::cos(0.35 * x) + (98.0 - 0.16 * d));
            p.systolicHistory.append(wave * 1.4 + (0.75 * d + 118.0));
        }

        VitalBase base;
        base.phase = 2 * i;
        base.heartRate = (i % 4) + (d + 70.0);
        base.systolic = 0.75 * d + 118.0;
        base.diastolic = 0.35 * d + 76.0;
        base.spo2 = 98.0 - 0.16 * d;
        base.temperature = 0.035 * d + 36.5;
        base.respiration = 0.18 * d + 16.0;
        m_bases.append(base);

        const bool critical = p.status == PatientCritical;
        for (int k = 0; k < 2; ++k) {
            ReportRecord r;
            r.id = QStringLiteral("RPT-%1-%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(k + 1);
            r.patientId = p.id;
            if (k == 0) {
                r.typeEnglish = QStringLiteral("Blood panel");
                r.typeChinese = QStringLiteral("血液检查");
            } else {
                r.typeEnglish = QStringLiteral("ECG analysis");
                r.typeChinese = QStringLiteral("心电分析");
            }
            r.date = reportBase.addDays(-(i + 3 * k)).toString(dateFormat);
            if (critical && k == 1) {
                r.statusEnglish = QStringLiteral("Attention");
                r.statusChinese = QStringLiteral("需关注");
                r.findingsEnglish = QStringLiteral("ST segment changes detected. Cardiology review is required.");
                r.findingsChinese = QStringLiteral("检测到 ST 段改变，建议心内科进一步复核。");
            } else {
                r.statusEnglish = QStringLiteral("Reviewed");
                r.statusChinese = QStringLiteral("已审核");
                r.findingsEnglish = QStringLiteral("Results are consistent with the current treatment plan.");
                r.findingsChinese = QStringLiteral("检查结果与当前治疗方案一致。");
            }
            m_snapshot.reports.append(r);
        }
        m_snapshot.patients.append(p);
    }

    int number = 1;
    for (int p = 0; p < m_snapshot.patients.size(); ++p) {
        const PatientRecord& patient = m_snapshot.patients.at(p);
        for (int k = 0; k < 2; ++k) {
            AppointmentRecord a;
            a.id = QStringLiteral("APT-%1").arg(number++, 3, 10, QLatin1Char('0'));
            a.patientId = patient.id;
            a.doctorEnglish = patient.doctorEnglish;
            a.doctorChinese = patient.doctorChinese;
            a.departmentEnglish = patient.departmentEnglish;
            a.departmentChinese = patient.departmentChinese;
            a.date = appointmentBase.addDays(p + 9 * k).toString(dateFormat);
            a.time = k == 0 ? QStringLiteral("10:30") : QStringLiteral("15:30");
            a.canceled = k == 1 && p % 5 == 0;
            m_snapshot.appointments.append(a);
        }
    }

    m_snapshot.trendLabels.clear();
    for (int hour = 0; hour < kHistoryLength; ++hour)
        m_snapshot.trendLabels.append(QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
    m_snapshot.selectedPatientId = QStringLiteral("HP-1001");
}

void PatientDataSimulator::buildSnapshot(bool shift)
{
    PatientRecord* patients = m_snapshot.patients.data();
    const VitalBase* bases = m_bases.constData();
    const int count = m_snapshot.patients.size();
    for (int i = 0; i < count; ++i) {
        PatientRecord& p = patients[i];
        const VitalBase& b = bases[i];
        const double s = std::sin(0.31 * double(m_tick + b.phase));
        p.heartRate = b.heartRate + 3.0 * s;
        p.systolic = qRound(b.systolic + 4.0 * s);
        p.diastolic = qRound(2.0 * s + b.diastolic);
        p.spo2 = b.spo2 + 0.45 * s;
        p.temperature = b.temperature + 0.12 * s;
        p.respiration = b.respiration + s;
        if (shift) {
            shiftIn(p.heartRateHistory, p.heartRate);
            shiftIn(p.spo2History, p.spo2);
            shiftIn(p.systolicHistory, double(p.systolic));
        }
    }
    m_snapshot.tick = m_tick;
    m_snapshot.patientCount = count;
    m_snapshot.updatedAt = currentStamp();
}

int PatientDataSimulator::indexOfPatient(const QString& id) const
{
    const QVector<PatientRecord>& patients = m_snapshot.patients;
    for (int i = 0; i < patients.size(); ++i) {
        if (patients.at(i).id.compare(id, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PatientDataSimulator::hasPatient(const QString& id) const
{
    return indexOfPatient(id) >= 0;
}

void PatientDataSimulator::start(int intervalMs)
{
    m_timer.start(std::max(intervalMs, kMinimumIntervalMs));
}

void PatientDataSimulator::start()
{
    start(1000);
}

void PatientDataSimulator::stop()
{
    m_timer.stop();
}

void PatientDataSimulator::advance()
{
    ++m_tick;
    buildSnapshot(true);
    Q_EMIT snapshotChanged(m_snapshot);
    Q_EMIT vitalsChanged(m_snapshot);
}

bool PatientDataSimulator::selectPatient(const QString& patientId)
{
    const int index = indexOfPatient(patientId);
    if (index < 0)
        return false;
    // Views match ids exactly, so keep the record's own spelling, not the caller's.
    const QString& id = m_snapshot.patients.at(index).id;
    if (id == m_snapshot.selectedPatientId)
        return true;
    m_snapshot.selectedPatientId = id;
    Q_EMIT snapshotChanged(m_snapshot);
    Q_EMIT vitalsChanged(m_snapshot);
    return true;
}

bool PatientDataSimulator::scheduleAppointment(const QString& patientId, const QString& doctorEnglish,
                                               const QString& doctorChinese, const QString& departmentEnglish,
                                               const QString& departmentChinese, const QString& date,
                                               const QString& time)
{
    const int index = indexOfPatient(patientId);
    if (index < 0)
        return false;
    const QString trimmedDate = date.trimmed();
    const QString trimmedTime = time.trimmed();
    if (doctorEnglish.trimmed().isEmpty() || departmentEnglish.trimmed().isEmpty() || !isCanonicalDate(trimmedDate) ||
        !isCanonicalTime(trimmedTime))
        return false;

    const QString& id = m_snapshot.patients.at(index).id;
    // A second confirm of the same editor must not book the slot twice.
    for (const AppointmentRecord& a : qAsConst(m_snapshot.appointments)) {
        if (!a.canceled && a.patientId == id && a.date == trimmedDate && a.time == trimmedTime)
            return false;
    }

    AppointmentRecord a;
    a.id = QStringLiteral("APT-%1").arg(m_nextAppointmentNumber++, 3, 10, QLatin1Char('0'));
    a.patientId = id;
    a.doctorEnglish = doctorEnglish;
    a.doctorChinese = doctorChinese;
    a.departmentEnglish = departmentEnglish;
    a.departmentChinese = departmentChinese;
    // Stored as checked, so a later booking of the same slot matches it.
    a.date = trimmedDate;
    a.time = trimmedTime;
    m_snapshot.appointments.append(a);
    Q_EMIT appointmentChanged(m_snapshot);
    Q_EMIT snapshotChanged(m_snapshot);
    return true;
}

bool PatientDataSimulator::cancelAppointment(const QString& appointmentId)
{
    const int count = m_snapshot.appointments.size();
    for (int i = 0; i < count; ++i) {
        const AppointmentRecord& a = m_snapshot.appointments.at(i);
        if (a.canceled || a.id != appointmentId)
            continue;
        m_snapshot.appointments[i].canceled = true;
        Q_EMIT appointmentChanged(m_snapshot);
        Q_EMIT snapshotChanged(m_snapshot);
        return true;
    }
    return false;
}
