#include "AppStartup.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"

#include "charts/KIVQChartBase.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQComboBox.h"

#include <QTableView>
#include <QtTest>

#include <algorithm>

#include <memory>

using namespace KIVQtLib;

namespace {

const QString kScheduleError = QStringLiteral("Unable to schedule. Check patient, doctor, date, and time.");

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 6 && qAbs(a.green() - b.green()) <= 6 && qAbs(a.blue() - b.blue()) <= 6;
}

} // namespace

// The patient drawer and the appointment editor: opening, closing and reversing, what they show in
// both languages, and the bookings and cancellations made through them.
class tst_HealthDrawers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void drawerGeometry_data();
    void drawerGeometry();
    void reversalSettlesToLastRequest_data();
    void reversalSettlesToLastRequest();
    void patientDrawer_data();
    void patientDrawer();
    void editorOpensFreshForToday();
    void saving_data();
    void saving();
    void failedSaveUsesNoNumber();
    void confirmTwiceBooksOnce();
    void editorKeepsUsersPatientPick();
    void cancelMarksCanceled();
    void languageSwitchKeepsState();
    void everyTextTranslated();
    void survivesMixedUse();

private:
    HealthWindow* window() const { return m_window.get(); }
    template <class T> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        Q_ASSERT(widget);
        return widget;
    }
    KIVQContainer* drawer(bool patient) const
    {
        return find<KIVQContainer>(patient ? "patientDetailDrawer" : "appointmentEditorDrawer");
    }
    void show(int page, const QSize& size = QSize(1440, 900));
    void expand(bool patient, bool on);
    void openEditor();
    void setCombo(const char* name, int index) { find<QComboBox>(name)->setCurrentIndex(index); }
    void confirm() { QTest::mouseClick(find<KIVQPushButton>("appointmentEditorConfirm"), Qt::LeftButton); }

    std::unique_ptr<HealthWindow> m_window;
};

void tst_HealthDrawers::initTestCase()
{
    Q_INIT_RESOURCE(carevix);
    KIVQtLib::init();
    applyAppGlobalConfig();
    QVERIFY(kivLoadThemeDir(QFile::encodeName(QStringLiteral(CAREVIX_THEME_DIR)).constData()));
}

void tst_HealthDrawers::init()
{
    m_window = std::make_unique<HealthWindow>();
    m_window->simulator()->stop();
}

void tst_HealthDrawers::cleanup()
{
    m_window.reset();
}

void tst_HealthDrawers::show(int page, const QSize& size)
{
    window()->resize(size);
    window()->setPage(page);
    window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    QTRY_COMPARE(find<QWidget>("healthRoot")->geometry(), window()->rect());
}

void tst_HealthDrawers::expand(bool patient, bool on)
{
    if (patient)
        window()->setPatientDrawerExpanded(on);
    else
        window()->setAppointmentDrawerExpanded(on);
}

void tst_HealthDrawers::openEditor()
{
    show(4);
    window()->openNewAppointment();
    QTRY_COMPARE(drawer(false)->width(), HealthWindow::kDrawerWidth);
    QTRY_VERIFY(!drawer(false)->isResizeAnimationRunning());
}

void tst_HealthDrawers::drawerGeometry_data()
{
    QTest::addColumn<bool>("patient");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("height");
    QTest::newRow("patient drawer, smallest window") << true << QSize(1280, 720) << 622;
    QTest::newRow("patient drawer, initial window") << true << QSize(1440, 900) << 802;
    QTest::newRow("editor, smallest window") << false << QSize(1280, 720) << 622;
    QTest::newRow("editor, initial window") << false << QSize(1440, 900) << 802;
}

void tst_HealthDrawers::drawerGeometry()
{
    QFETCH(bool, patient);
    QFETCH(QSize, size);
    QFETCH(int, height);

    show(patient ? 1 : 4, size);
    KIVQContainer* box = drawer(patient);
    QVERIFY(box->isHidden());
    expand(patient, true);
    QTRY_COMPARE(box->width(), HealthWindow::kDrawerWidth);
    QTRY_VERIFY(!box->isResizeAnimationRunning());
    QCOMPARE(box->height(), height);
    QWidget* page = box->parentWidget();
    QCOMPARE(page->width() - (box->geometry().right() + 1), 20);
    QVERIFY(page->rect().contains(box->geometry()));

    // The border is whole: its right edge is drawn, the page shows beyond it.
    const QImage image = page->grab().toImage();
    const int y = box->geometry().center().y();
    QVERIFY(near(image.pixelColor(box->geometry().right(), y), QColor(0xcd, 0xde, 0xe0)));
    QVERIFY(!near(image.pixelColor(box->geometry().right() + 2, y), QColor(255, 255, 255)));

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

    show(1);
    KIVQContainer* box = drawer(true);
    // Settled: the children are laid out again, at the full width.
    auto settledAt = [box](int width) {
        return !box->isResizeAnimationRunning() && box->width() == width &&
               box->getChildLayout() == KIVQContainer::Vertical;
    };
    if (startOpen) {
        expand(true, true);
        QTRY_VERIFY(settledAt(HealthWindow::kDrawerWidth));
    }
    expand(true, !startOpen);
    QTest::qWait(100);
    expand(true, startOpen);
    QTest::qWait(600);
    QCOMPARE(box->isVisible(), startOpen);
    QVERIFY(settledAt(HealthWindow::kDrawerWidth));

    // Nothing is left stuck: a plain close and open still work.
    expand(true, false);
    QTRY_VERIFY(box->isHidden());
    expand(true, true);
    QTRY_VERIFY(box->isVisible() && settledAt(HealthWindow::kDrawerWidth));
}

void tst_HealthDrawers::patientDrawer_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("patient");
    // title, subtitle, badge, identity, diagnosis, allergies, medications, care team, a caption, button
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QColor>("badge");

    const QColor green(58, 161, 116);
    QTest::newRow("English") << true << "HP-1001"
                             << QStringList{"Jianguo Wang", "HP-1001 · Cardiology · 3-01", "Stable",
                                            "28 · Male · A+ · 3-01", "Hypertension", "Penicillin",
                                            "Aspirin, Atorvastatin", "Lin Zhao · Cardiology", "IDENTITY",
                                            "Open Monitoring"}
                             << green;
    QTest::newRow("Chinese") << false << "HP-1001"
                             << QStringList{"王建国", "HP-1001 · 心内科 · 3-01", "稳定", "28 · 男 · A+ · 3-01",
                                            "高血压", "青霉素", "阿司匹林、阿托伐他汀", "赵琳 · 心内科", "基本资料",
                                            "打开实时监测"}
                             << green;
    QTest::newRow("critical, chosen in lower case")
        << true << "hp-1003"
        << QStringList{"Zhiqiang Zhang", "HP-1003 · Cardiology · 3-03", "Critical", "42 · Male · O+ · 3-03",
                       "Acute coronary syndrome", "None recorded", "Routine supportive care", "Jing Wu · Cardiology",
                       "IDENTITY", "Open Monitoring"}
        << QColor(239, 91, 98);
}

void tst_HealthDrawers::patientDrawer()
{
    QFETCH(bool, english);
    QFETCH(QString, patient);
    QFETCH(QStringList, texts);
    QFETCH(QColor, badge);

    window()->setEnglish(english);
    window()->selectPatient(patient);
    show(1);
    expand(true, true);
    KIVQContainer* box = drawer(true);
    QTRY_VERIFY(!box->isResizeAnimationRunning());
    // Title, subtitle and badge come first; the fields go by name.
    const QList<KIVQLabel*> labels = box->findChildren<KIVQLabel*>();
    QStringList shown{labels.at(0)->getText(), labels.at(1)->getText(), labels.at(2)->getText()};
    for (const char* name : {"patientIdentityValue", "patientDiagnosisValue", "patientAllergiesValue",
                             "patientMedicationsValue", "patientDoctorValue", "patientIdentityTitle"})
        shown << find<KIVQLabel>(name)->getText();
    shown << find<KIVQPushButton>("patientDrawerMonitorButton")->text();
    QCOMPARE(shown, texts);
    QVERIFY(near(labels.at(2)->parentWidget()->grab().toImage().pixelColor(6, 15), badge));
}

void tst_HealthDrawers::editorOpensFreshForToday()
{
    QDate today(2026, 7, 27);
    window()->setDateSource([&today] { return today; });
    openEditor();
    setCombo("appointmentEditorPatientCombo", 4);
    setCombo("appointmentEditorDoctorCombo", 2);
    setCombo("appointmentEditorDateCombo", -1);
    setCombo("appointmentEditorTimeCombo", 4);
    confirm();
    QVERIFY(find<KIVQLabel>("appointmentEditorError")->isVisible());
    window()->setAppointmentDrawerExpanded(false);
    QTRY_VERIFY(drawer(false)->isHidden());

    // Past midnight, with another patient selected.
    today = today.addDays(1);
    window()->selectPatient(QStringLiteral("HP-1003"));
    openEditor();
    auto* dates = find<QComboBox>("appointmentEditorDateCombo");
    QCOMPARE(dates->count(), 7);
    QCOMPARE(dates->currentData().toString(), QStringLiteral("2026-07-29"));
    QCOMPARE(dates->itemText(6), QStringLiteral("2026-08-04"));
    QCOMPARE(find<QComboBox>("appointmentEditorPatientCombo")->currentData().toString(), QStringLiteral("HP-1003"));
    QCOMPARE(find<QComboBox>("appointmentEditorDoctorCombo")->currentIndex(), 0);
    QCOMPARE(find<QComboBox>("appointmentEditorTimeCombo")->currentText(), QStringLiteral("09:00"));
    QVERIFY(find<KIVQLabel>("appointmentEditorError")->isHidden());
}

void tst_HealthDrawers::saving_data()
{
    QTest::addColumn<int>("patient"); // an index into the editor's patient list
    QTest::addColumn<int>("doctor");  // -2 empties the doctor list
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("department"); // empty when the booking must fail

    QTest::newRow("doctor 2 books Rehabilitation") << 0 << 2 << 0 << 0 << "Rehabilitation";
    QTest::newRow("another patient becomes the selected one") << 4 << 1 << 2 << 3 << "General Medicine";
    QTest::newRow("empty date") << 0 << 0 << -1 << 0 << "";
    QTest::newRow("empty time") << 0 << 0 << 0 << -1 << "";
    QTest::newRow("empty doctor list") << 0 << -2 << 0 << 0 << "";
}

void tst_HealthDrawers::saving()
{
    QFETCH(int, patient);
    QFETCH(int, doctor);
    QFETCH(int, date);
    QFETCH(int, time);
    QFETCH(QString, department);

    window()->setEnglish(true);
    openEditor();
    setCombo("appointmentEditorPatientCombo", patient);
    if (doctor == -2)
        find<QComboBox>("appointmentEditorDoctorCombo")->clear();
    else
        setCombo("appointmentEditorDoctorCombo", doctor);
    setCombo("appointmentEditorDateCombo", date);
    setCombo("appointmentEditorTimeCombo", time);
    const QString id = find<QComboBox>("appointmentEditorPatientCombo")->currentData().toString();
    const int before = window()->currentSnapshot().appointments.size();
    confirm();

    auto* error = find<KIVQLabel>("appointmentEditorError");
    const HealthSnapshot& snapshot = window()->currentSnapshot();
    if (department.isEmpty()) {
        QCOMPARE(snapshot.appointments.size(), before);
        QVERIFY(error->isVisible());
        QCOMPARE(error->getText(), kScheduleError);
        QTest::qWait(300);
        QCOMPARE(drawer(false)->width(), HealthWindow::kDrawerWidth);
        QVERIFY(drawer(false)->isVisible());
        return;
    }
    QCOMPARE(snapshot.appointments.size(), before + 1);
    const AppointmentRecord& booked = snapshot.appointments.constLast();
    QCOMPARE(booked.id, QStringLiteral("APT-025"));
    QCOMPARE(booked.patientId, id);
    QCOMPARE(booked.departmentEnglish, department);
    QCOMPARE(snapshot.selectedPatientId, id);
    QVERIFY(error->isHidden());
    QTRY_VERIFY(drawer(false)->isHidden());
}

void tst_HealthDrawers::failedSaveUsesNoNumber()
{
    QStringList booked;
    for (int date : {0, -1, 1}) {
        openEditor();
        setCombo("appointmentEditorDateCombo", date);
        confirm();
        booked << window()->currentSnapshot().appointments.constLast().id;
        window()->setAppointmentDrawerExpanded(false);
        QTRY_VERIFY(drawer(false)->isHidden());
    }
    QCOMPARE(booked, (QStringList{"APT-025", "APT-025", "APT-026"}));
}

void tst_HealthDrawers::confirmTwiceBooksOnce()
{
    openEditor();
    const int before = window()->currentSnapshot().appointments.size();
    confirm();
    confirm();
    QCOMPARE(window()->currentSnapshot().appointments.size(), before + 1);
    QVERIFY(find<KIVQLabel>("appointmentEditorError")->isHidden());
}

void tst_HealthDrawers::editorKeepsUsersPatientPick()
{
    openEditor();
    auto* patients = find<QComboBox>("appointmentEditorPatientCombo");
    patients->setCurrentIndex(patients->findData(QStringLiteral("HP-1005")));
    window()->simulator()->advance();
    window()->simulator()->advance();
    QCOMPARE(patients->currentData().toString(), QStringLiteral("HP-1005"));
    confirm();
    QCOMPARE(window()->currentSnapshot().appointments.constLast().patientId, QStringLiteral("HP-1005"));
    QCOMPARE(window()->currentSnapshot().selectedPatientId, QStringLiteral("HP-1005"));
}

void tst_HealthDrawers::cancelMarksCanceled()
{
    window()->setEnglish(true);
    show(4);
    auto* table = find<QTableView>("appointmentTable");
    auto* cancel = find<KIVQPushButton>("cancelAppointmentButton");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualRect(table->model()->index(0, 0)).center());
    QVERIFY(cancel->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(table->model()->index(0, 5).data().toString(), QStringLiteral("Canceled"));
    QVERIFY(!cancel->isEnabled());
}

void tst_HealthDrawers::languageSwitchKeepsState()
{
    show(1);
    for (KIVQChartBase* chart : window()->findChildren<KIVQChartBase*>())
        QTRY_VERIFY(!chart->animationEnabled());
    auto* departments = find<QComboBox>("departmentFilterCombo");
    auto* reportStatus = find<QComboBox>("reportStatusCombo");
    departments->setCurrentIndex(departments->findData(QStringLiteral("Rehabilitation")));
    reportStatus->setCurrentIndex(reportStatus->findData(QStringLiteral("Attention")));
    auto* table = find<QTableView>("patientTable");
    const int rows = table->model()->rowCount();
    expand(true, true);
    QTRY_VERIFY(!drawer(true)->isResizeAnimationRunning());

    window()->setEnglish(true);
    QCOMPARE(departments->currentText(), QStringLiteral("Rehabilitation"));
    QCOMPARE(table->model()->rowCount(), rows);
    QCOMPARE(rows, 4);
    QCOMPARE(find<KIVQLabel>("patientIdentityTitle")->getText(), QStringLiteral("IDENTITY"));
    window()->setEnglish(false);
    QCOMPARE(reportStatus->currentText(), QStringLiteral("需关注"));
    QCOMPARE(table->model()->rowCount(), rows);
    QVERIFY(drawer(true)->isVisible());
    QVERIFY(!drawer(true)->isResizeAnimationRunning());
    QCOMPARE(drawer(true)->width(), HealthWindow::kDrawerWidth);
    for (KIVQChartBase* chart : window()->findChildren<KIVQChartBase*>())
        QVERIFY2(!chart->animationEnabled(), qPrintable(chart->objectName()));
}

void tst_HealthDrawers::everyTextTranslated()
{
    show(0);
    const QStringList same{"Carevix", "中文", "EN"};
    QList<QWidget*> walked;
    QStringList chinese;
    for (int page = 0; page < HealthWindow::kPageCount; ++page) {
        window()->setPage(page);
        if (page == 1)
            expand(true, true);
        if (page == 4)
            window()->openNewAppointment();
        QTRY_VERIFY(!drawer(page == 1)->isResizeAnimationRunning());
        for (QWidget* widget : window()->findChildren<QWidget*>()) {
            auto* label = qobject_cast<KIVQLabel*>(widget);
            auto* button = qobject_cast<KIVQPushButton*>(widget);
            const QString text = label ? label->getText() : button ? button->text() : QString();
            const bool hasLetter = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
            if ((label || (button && !text.isEmpty())) && widget->isVisibleTo(window()) &&
                !walked.contains(widget) && !same.contains(text) && widget->objectName() != "focusNoteLabel" &&
                (hasLetter || text.isEmpty())) {
                walked << widget;
                chinese << text;
            }
        }
    }
    QVERIFY(walked.size() > 60);
    window()->setEnglish(true);
    for (int i = 0; i < walked.size(); ++i) {
        auto* label = qobject_cast<KIVQLabel*>(walked.at(i));
        const QString english = label ? label->getText() : static_cast<KIVQPushButton*>(walked.at(i))->text();
        const QByteArray where = walked.at(i)->objectName().toUtf8() + ' ' + english.toUtf8();
        QVERIFY2(!chinese.at(i).isEmpty() && !english.isEmpty(), where.constData());
        QVERIFY2(chinese.at(i) != english, where.constData());
    }
}

void tst_HealthDrawers::survivesMixedUse()
{
    show(4);
    auto* table = find<QTableView>("appointmentTable");
    for (int tick = 0; tick < 300; ++tick) {
        window()->simulator()->advance();
        if (tick % 5 == 0)
            window()->setPatientDrawerExpanded(tick % 10 == 0);
        if (tick % 7 == 0)
            window()->openNewAppointment();
        if (tick % 7 == 3) {
            setCombo("appointmentEditorDateCombo", tick % 8 - 1);
            confirm();
        }
        if (tick % 11 == 0 && table->model()->rowCount() > 0) {
            QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                              table->visualRect(table->model()->index(0, 0)).center());
            window()->cancelSelectedAppointment();
        }
        if (tick % 13 == 0)
            window()->setEnglish(!window()->isEnglish());
        QTest::qWait(tick % 4 == 0 ? 60 : 0);
    }
    QCOMPARE(window()->currentSnapshot().tick, 300);
    for (bool patient : {true, false}) {
        QTRY_VERIFY(!drawer(patient)->isResizeAnimationRunning());
        QTRY_VERIFY(drawer(patient)->isHidden() || drawer(patient)->width() == HealthWindow::kDrawerWidth);
    }
    QVERIFY(!window()->grab().isNull());
}

QTEST_MAIN(tst_HealthDrawers)
#include "tst_HealthDrawers.moc"
