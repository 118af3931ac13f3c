#include "DashboardSetUp.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"

#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"

#include <QComboBox>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace KIVQtLib;

// The patient drawer and the appointment editor: opening, closing and reversing, their texts in both
// languages, and the bookings and cancellations made through them.
class tst_HealthDrawers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpDashboard()); }
    void init() { m_window = stoppedDashboard(); }
    void cleanup() { m_window.reset(); }

    void drawerGeometry_data();
    void drawerGeometry();
    void reversalSettlesToLastRequest_data();
    void reversalSettlesToLastRequest();
    void editorOpensFreshForToday();
    void saving_data();
    void saving();
    void cancelMarksCanceled();
    void statusBadge_data();
    void statusBadge();
    void languageSwitchKeepsState();
    void everyTextTranslated();
    void nothingBesideOpenDrawer_data();
    void nothingBesideOpenDrawer();

private:
    template <class T = QWidget> T* find(const QString& name) const { return m_window->findChild<T*>(name); }
    QComboBox* combo(const char* field) const
    {
        return find<QComboBox>(QStringLiteral("appointmentEditor%1Combo").arg(QLatin1String(field)));
    }
    KIVQContainer* drawer(bool patient) const
    {
        return find<KIVQContainer>(patient ? "patientDetailDrawer" : "appointmentEditorDrawer");
    }
    // Settled: no animation, the full width and the children laid out again.
    bool settledOpen(bool patient) const
    {
        KIVQContainer* box = drawer(patient);
        return box->isVisible() && !box->isResizeAnimationRunning() && box->width() == HealthWindow::kDrawerWidth &&
               box->getChildLayout() == KIVQContainer::Vertical;
    }
    void expand(bool patient, bool on)
    {
        patient ? m_window->setPatientDrawerExpanded(on) : m_window->setAppointmentDrawerExpanded(on);
    }
    void openEditor()
    {
        m_window->openNewAppointment();
        QTRY_VERIFY(settledOpen(false));
    }
    void confirm() { QTest::mouseClick(find<KIVQPushButton>("appointmentEditorConfirm"), Qt::LeftButton); }
    QString text(QWidget* widget) const
    {
        auto* label = qobject_cast<KIVQLabel*>(widget);
        return label ? label->getText() : static_cast<QPushButton*>(widget)->text();
    }

    std::unique_ptr<HealthWindow> m_window;
};

void tst_HealthDrawers::drawerGeometry_data()
{
    QTest::addColumn<bool>("patient");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("height");
    QTest::newRow("patient drawer, smallest window") << true << QSize(1280, 720) << 622;
    QTest::newRow("editor, initial window") << false << QSize(1440, 900) << 802;
}

void tst_HealthDrawers::drawerGeometry()
{
    QFETCH(bool, patient);
    QFETCH(QSize, size);
    QFETCH(int, height);

    showDashboard(m_window.get(), patient ? 1 : 4, size);
    KIVQContainer* box = drawer(patient);
    QVERIFY(box->isHidden());
    expand(patient, true);
    QTRY_VERIFY(settledOpen(patient));
    QCOMPARE(box->height(), height);
    QWidget* page = box->parentWidget();
    const QRect r = box->geometry();
    QCOMPARE(page->width() - 1 - r.right(), 18);
    QCOMPARE(r.top() - 14, page->height() - 16 - 1 - r.bottom());
    // The border is whole: its right edge is drawn inside the page.
    const QImage image = page->grab().toImage();
    QCOMPARE(image.pixelColor(r.right(), r.center().y()), QColor(0xcd, 0xde, 0xe0));

    expand(patient, true);
    QVERIFY(!box->isResizeAnimationRunning());
}

void tst_HealthDrawers::reversalSettlesToLastRequest_data()
{
    QTest::addColumn<bool>("startOpen");
    QTest::newRow("close, then open 100 ms later") << true;
    QTest::newRow("open, then close 100 ms later") << false;
}

void tst_HealthDrawers::reversalSettlesToLastRequest()
{
    QFETCH(bool, startOpen);

    showDashboard(m_window.get(), 1);
    if (startOpen) {
        expand(true, true);
        QTRY_VERIFY(settledOpen(true));
    }
    expand(true, !startOpen);
    QTest::qWait(100);
    expand(true, startOpen);
    QTest::qWait(600);
    QCOMPARE(settledOpen(true), startOpen);
    QCOMPARE(drawer(true)->isVisible(), startOpen);
    // Nothing is left stuck: a plain reversal of the end state still settles.
    expand(true, !startOpen);
    QTRY_VERIFY(startOpen ? drawer(true)->isHidden() : settledOpen(true));
}

void tst_HealthDrawers::editorOpensFreshForToday()
{
    QDate today(2026, 7, 27);
    m_window->setDateSource([&today] { return today; });
    showDashboard(m_window.get(), 4);
    openEditor();
    for (const char* field : {"Patient", "Doctor", "Time"})
        combo(field)->setCurrentIndex(2);
    combo("Date")->setCurrentIndex(-1);
    confirm();
    QVERIFY(find("appointmentEditorError")->isVisible());
    expand(false, false);
    QTRY_VERIFY(drawer(false)->isHidden());

    // Past midnight, with another patient selected.
    today = today.addDays(1);
    m_window->selectPatient(QStringLiteral("HP-1004"));
    openEditor();
    QCOMPARE(combo("Date")->count(), 7);
    QCOMPARE(combo("Date")->currentText() + ' ' + combo("Date")->itemText(6), QStringLiteral("2026-07-29 2026-08-04"));
    QCOMPARE(combo("Patient")->currentData().toString(), QStringLiteral("HP-1004"));
    QCOMPARE(combo("Doctor")->currentText(), QStringLiteral("赵琳 / Dr. Zhao"));
    QCOMPARE(combo("Time")->currentText(), QStringLiteral("09:00"));
    QVERIFY(find("appointmentEditorError")->isHidden());
    // The first patient of the list is preselected too.
    m_window->selectPatient(QStringLiteral("HP-1001"));
    openEditor();
    QCOMPARE(combo("Patient")->currentData().toString(), QStringLiteral("HP-1001"));
}

void tst_HealthDrawers::saving_data()
{
    QTest::addColumn<QString>("patient");
    QTest::addColumn<int>("doctor"); // -2 empties the doctor list; one past it is added as an item
    QTest::addColumn<int>("time");
    QTest::addColumn<QList<int>>("dates"); // one confirm per date index; -1 leaves the date empty
    // Per confirm: the id booked, "refused" (the error shows, the drawer stays) or "ignored" (a click
    // while the drawer closes)
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("department");

    const QString refused = QStringLiteral("refused");
    QTest::newRow("doctor 2 books Rehabilitation")
        << "HP-1001" << 2 << 0 << QList<int>{0} << QStringList{"APT-025"} << "Rehabilitation";
    QTest::newRow("a pick survives ticks and becomes the selection")
        << "HP-1005" << 1 << 3 << QList<int>{2} << QStringList{"APT-025"} << "General Medicine";
    QTest::newRow("empty time") << "HP-1001" << 0 << -1 << QList<int>{0} << QStringList{refused} << "";
    QTest::newRow("empty doctor list") << "HP-1001" << -2 << 0 << QList<int>{0} << QStringList{refused} << "";
    QTest::newRow("a doctor past the list") << "HP-1001" << 3 << 0 << QList<int>{0} << QStringList{refused} << "";
    QTest::newRow("a refusal uses no number")
        << "HP-1002" << 0 << 0 << QList<int>{0, -1, 1} << QStringList{"APT-025", refused, "APT-026"} << "Cardiology";
    QTest::newRow("a double click books once")
        << "HP-1001" << 0 << 0 << QList<int>{0, 0} << QStringList{"APT-025", "ignored"} << "Cardiology";
}

void tst_HealthDrawers::saving()
{
    QFETCH(QString, patient);
    QFETCH(int, doctor);
    QFETCH(int, time);
    QFETCH(QList<int>, dates);
    QFETCH(QStringList, results);
    QFETCH(QString, department);

    m_window->setEnglish(true);
    showDashboard(m_window.get(), 4);
    auto* error = find<KIVQLabel>("appointmentEditorError");
    for (int i = 0; i < dates.size(); ++i) {
        if (i == 0 || (results.at(i - 1).startsWith("APT") && results.at(i) != "ignored")) {
            QTRY_VERIFY(drawer(false)->isHidden());
            openEditor();
            combo("Patient")->setCurrentIndex(combo("Patient")->findData(patient));
            if (doctor == -2)
                combo("Doctor")->clear();
            else if (combo("Doctor")->findData(doctor) < 0)
                combo("Doctor")->addItem(QStringLiteral("Dr. Nobody"), doctor);
            combo("Doctor")->setCurrentIndex(combo("Doctor")->findData(doctor));
            combo("Time")->setCurrentIndex(time);
            // The editor keeps the user's patient through the refills.
            m_window->simulator()->advance();
            m_window->simulator()->advance();
        }
        combo("Date")->setCurrentIndex(dates.at(i));
        const int before = m_window->currentSnapshot().appointments.size();
        confirm();
        const HealthSnapshot& now = m_window->currentSnapshot();
        if (results.at(i).startsWith("APT")) {
            QCOMPARE(now.appointments.size(), before + 1);
            const AppointmentRecord& booked = now.appointments.constLast();
            QCOMPARE(QStringList({booked.id, booked.patientId, booked.departmentEnglish, now.selectedPatientId}),
                     QStringList({results.at(i), patient, department, patient}));
        } else {
            QCOMPARE(now.appointments.size(), before);
        }
        QCOMPARE(error->isVisible(), results.at(i) == "refused");
        if (error->isVisible())
            QCOMPARE(error->getText(), QStringLiteral("Unable to schedule. Check patient, doctor, date, and time."));
    }
    QTest::qWait(300);
    QCOMPARE(settledOpen(false), results.constLast() == "refused");
}

void tst_HealthDrawers::cancelMarksCanceled()
{
    m_window->setEnglish(true);
    showDashboard(m_window.get(), 4);
    QAbstractItemModel* rows = find<QTableView>("appointmentTable")->model();
    emit find<QTableView>("appointmentTable")->clicked(rows->index(0, 0));
    auto* cancel = find<KIVQPushButton>("cancelAppointmentButton");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(rows->index(0, 5).data().toString(), QStringLiteral("Canceled"));
    QVERIFY(!cancel->isEnabled());
}

void tst_HealthDrawers::statusBadge_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("stable") << 0 << QColor(0x3a, 0xa1, 0x74);
    QTest::newRow("observation") << 1 << QColor(0xe7, 0xa8, 0x36);
    QTest::newRow("critical") << 2 << QColor(0xef, 0x5b, 0x62);
    QTest::newRow("recovering") << 3 << QColor(0x2b, 0x84, 0xd6);
}

// The drawer's badge takes its status's colour, for the first patient of that status.
void tst_HealthDrawers::statusBadge()
{
    QFETCH(int, status);
    QFETCH(QColor, colour);
    m_window->setEnglish(true);
    showDashboard(m_window.get(), 1);
    const QVector<PatientRecord>& patients = m_window->currentSnapshot().patients;
    const auto patient =
        std::find_if(patients.begin(), patients.end(), [status](const PatientRecord& p) { return p.status == status; });
    QVERIFY(patient != patients.end());
    m_window->selectPatient(patient->id);
    expand(true, true);
    QTRY_VERIFY(settledOpen(true));
    QWidget* badge = nullptr;
    for (KIVQLabel* label : drawer(true)->findChildren<KIVQLabel*>()) {
        if (label->getText() == m_window->statusText(status))
            badge = label->parentWidget();
    }
    QVERIFY(badge);
    QCOMPARE(badge->grab().toImage().pixelColor(4, badge->height() / 2), colour);
}

void tst_HealthDrawers::languageSwitchKeepsState()
{
    showDashboard(m_window.get(), 1);
    expand(true, true);
    QTRY_VERIFY(settledOpen(true));
    const QStringList english{"IDENTITY", "28 · Male · A+ · 3-01", "Lin Zhao · Cardiology"};
    const QStringList chinese{"基本资料", "28 · 男 · A+ · 3-01", "赵琳 · 心内科"};
    for (bool toEnglish : {true, false}) {
        m_window->setEnglish(toEnglish);
        QStringList shown;
        for (const char* field : {"patientIdentityTitle", "patientIdentityValue", "patientDoctorValue"})
            shown << find<KIVQLabel>(field)->getText();
        QCOMPARE(shown, toEnglish ? english : chinese);
        QVERIFY(settledOpen(true));
    }
}

void tst_HealthDrawers::everyTextTranslated()
{
    showDashboard(m_window.get(), 0);
    QList<QWidget*> walked;
    QStringList chinese;
    for (int page = 0; page < HealthWindow::kPageCount; ++page) {
        m_window->setPage(page);
        page == 4 ? m_window->openNewAppointment() : expand(true, page == 1);
        QTRY_VERIFY(page != 1 && page != 4 ? drawer(true)->isHidden() : settledOpen(page == 1));
        for (QWidget* widget : m_window->findChildren<QWidget*>()) {
            const bool label = qobject_cast<KIVQLabel*>(widget);
            if ((!label && !qobject_cast<KIVQPushButton*>(widget)) || !widget->isVisibleTo(m_window.get()) ||
                walked.contains(widget))
                continue;
            const QString shown = text(widget);
            const bool letters = std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isLetter(); });
            // Fixed exceptions: the brand, the language buttons, the focus note's units; icon buttons.
            if ((label || !shown.isEmpty()) && (letters || shown.isEmpty()) &&
                !QStringList{"Carevix", "中文", "EN"}.contains(shown) && widget->objectName() != "focusNoteLabel") {
                walked << widget;
                chinese << shown;
            }
        }
    }
    QVERIFY(walked.size() > 60);
    m_window->setEnglish(true);
    for (int i = 0; i < walked.size(); ++i) {
        const QByteArray where = walked.at(i)->objectName().toUtf8() + ' ' + text(walked.at(i)).toUtf8();
        QVERIFY2(!chinese.at(i).isEmpty() && chinese.at(i) != text(walked.at(i)), where.constData());
    }
}

void tst_HealthDrawers::nothingBesideOpenDrawer_data()
{
    QTest::addColumn<bool>("patient");
    QTest::addColumn<QSize>("size");
    for (const QSize& size : {QSize(1440, 900), QSize(1280, 720)}) {
        QTest::addRow("patient drawer %dx%d", size.width(), size.height()) << true << size;
        QTest::addRow("editor %dx%d", size.width(), size.height()) << false << size;
    }
}

// Right of an open drawer the page shows only its own background, and through the drawer's rounded right
// corners nothing of the tool row's last control, which shares the drawer's top edge: only a card's
// border, a shade off the background, may tint the corner's edge pixels.
void tst_HealthDrawers::nothingBesideOpenDrawer()
{
    QFETCH(bool, patient);
    QFETCH(QSize, size);

    m_window->setEnglish(true);
    showDashboard(m_window.get(), patient ? 1 : 4, size);
    patient ? expand(true, true) : m_window->openNewAppointment();
    QTRY_VERIFY(settledOpen(patient));
    KIVQContainer* box = drawer(patient);
    QWidget* page = box->parentWidget();
    const QRect r = box->geometry();
    const QImage shown = page->grab().toImage();
    for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != box)
            child->hide();
    }
    QCOMPARE(box->geometry(), r);
    const QImage bare = page->grab().toImage();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.center().x(); x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y);
            const QColor b = bare.pixelColor(x, y);
            const int difference =
                std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            QVERIFY2(difference <= (x > r.right() ? 0 : 16), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(tst_HealthDrawers)
#include "tst_HealthDrawers.moc"
