#include "DashboardSetUp.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"
#include "views/ViewTestHelpers.h"

#include "charts/KIVQChartBase.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQPushButton.h"
#include "core/KIVQPaintHelpers.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQComboBox.h"
#include "views/KIVQTableView.h"
#include "views/KIVQTableViewImpl.h"

#include <QOpenGLContext>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace KIVQtLib;

namespace {

const char* const kPatientCombos[] = {"monitoringPatientCombo", "reportPatientCombo", "appointmentPatientCombo"};
const char* const kCombos[] = {"monitoringPatientCombo", "reportPatientCombo",    "appointmentPatientCombo",
                               "departmentFilterCombo",  "statusFilterCombo",     "reportTypeCombo",
                               "reportStatusCombo",      "appointmentFilterCombo"};

// Charts draw through GL: without a context they are skipped, unless the run demands GL.
bool haveGl()
{
    if (QOpenGLContext().create())
        return true;
    if (qEnvironmentVariableIsSet("CAREVIX_REQUIRE_GL"))
        qFatal("No OpenGL context where one is required (CAREVIX_REQUIRE_GL).");
    return false;
}

QStringList idsOf(const QTableView* table)
{
    QStringList ids;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        ids << table->model()->index(row, 0).data(Qt::DisplayRole).toString();
    return ids;
}

QList<int> columnWidths(const QTableView* table)
{
    QList<int> widths;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        widths << table->columnWidth(column);
    return widths;
}

} // namespace

// The five pages as each snapshot fills them, their filters, and what a tick must leave alone: a press
// on a row, a scroll position, a chosen appointment, the combo boxes' items.
class tst_HealthPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpDashboard()); }
    void init() { m_window = stoppedDashboard(); }
    void cleanup() { m_window.reset(); }

    void firstSnapshot_data();
    void firstSnapshot();
    void filters_data();
    void filters();
    void clickStraddlingTickCounts_data();
    void clickStraddlingTickCounts();
    void scrolledTableKeepsPosition();
    void chosenAppointmentSurvivesTicks_data();
    void chosenAppointmentSurvivesTicks();
    void ticksLeaveComboItemsAlone();
    void cardContentsFit_data();
    void cardContentsFit();
    void chartIntroPlaysOnce();
    void ringShowsStatusShares();
    void hiddenChartRepaintsWhenShown();
    void seededTablesShowWhole_data();
    void seededTablesShowWhole();

private:
    HealthWindow* window() const { return m_window.get(); }
    template <class T> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QLatin1String(name));
        Q_ASSERT(widget);
        return widget;
    }
    void choose(const char* combo, const QVariant& data);

    std::unique_ptr<HealthWindow> m_window;
};

void tst_HealthPages::choose(const char* combo, const QVariant& data)
{
    auto* box = find<KIVQComboBox>(combo);
    const int index = box->findData(data);
    QVERIFY2(index >= 0, combo);
    box->setCurrentIndex(index);
}

void tst_HealthPages::firstSnapshot_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("widget");
    // A table's cell row; -1 for a label's text, -2 for a table's row count, -3 for a column's caption
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("expected");

    const int display = Qt::DisplayRole;
    QTest::newRow("occupancy") << true << "occupancyCardValue" << -1 << 0 << display << "67%";
    QTest::newRow("observation count") << false << "observationCardValue" << -1 << 0 << display << "2";
    QTest::newRow("attention rows") << true << "healthAlertsTable" << -2 << 0 << display << "3";
    QTest::newRow("attention critical first") << true << "healthAlertsTable" << 0 << 0 << 297 << "HP-1003";
    QTest::newRow("attention observation") << true << "healthAlertsTable" << 1 << 0 << 297 << "HP-1007";
    QTest::newRow("attention ward in Chinese") << false << "healthAlertsTable" << 0 << 1 << display << "心内科 · 3-03";
    QTest::newRow("attention vitals") << true << "healthAlertsTable" << 0 << 3 << display << "HR 93  SpO₂ 95.5%";
    QTest::newRow("focus note") << true << "focusNoteLabel" << -1 << 0 << display
                                << "HR 70 BPM   BP 118/76   SpO₂ 98.0%   T 36.5°C";
    QTest::newRow("heart icon") << true << "patientVitalsTable" << 0 << 0 << 356 << ":/carevix/icons/heart-pulse.svg";
    QTest::newRow("caption centred over its value")
        << true << "patientVitalsTable" << -3 << 1 << int(Qt::TextAlignmentRole) << "132";
    QTest::newRow("oxygen centred") << true << "patientVitalsTable" << 0 << 2 << int(Qt::TextAlignmentRole) << "132";
    QTest::newRow("respiration in Chinese") << false << "patientVitalsTable" << 0 << 4 << display << "16 次/分";
    QTest::newRow("age and gender") << false << "patientTable" << 1 << 2 << display << "35 / 女";
    QTest::newRow("patient count in Chinese")
        << false << "patientCountLabel" << -1 << 0 << display << "显示 12 / 12 名患者";
    QTest::newRow("report shown") << true << "reportDetailSubtitle" << -1 << 0 << display
                                  << "RPT-01-1 · 2026-07-20 · Reviewed";
    QTest::newRow("appointment time") << true << "appointmentTable" << 0 << 4 << display << "2026-07-22  10:30";
    QTest::newRow("canceled appointment") << false << "appointmentTable" << 1 << 5 << display << "已取消";
    QTest::newRow("appointment count") << true << "appointmentFooterLabel" << -1 << 0 << display
                                       << "2 appointment records for this patient";
}

void tst_HealthPages::firstSnapshot()
{
    QFETCH(bool, english);
    QFETCH(QString, widget);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QString, expected);

    window()->setEnglish(english);
    QCOMPARE(window()->currentSnapshot().tick, 0);
    QWidget* target = window()->findChild<QWidget*>(widget);
    QVERIFY(target);
    if (row == -1) {
        QCOMPARE(qobject_cast<KIVQLabel*>(target)->getText(), expected);
        return;
    }
    const QAbstractItemModel* model = qobject_cast<QTableView*>(target)->model();
    if (row == -2)
        QCOMPARE(QString::number(model->rowCount()), expected);
    else if (row == -3)
        QCOMPARE(model->headerData(column, Qt::Horizontal, role).toString(), expected);
    else
        QCOMPARE(model->index(row, column).data(role).toString(), expected);
}

void tst_HealthPages::filters_data()
{
    QTest::addColumn<QString>("search");     // typed into the search edit
    QTest::addColumn<QString>("department"); // data of the chosen department item
    QTest::addColumn<int>("status");         // data of the chosen status item
    QTest::addColumn<QString>("patient");    // selected in the simulator
    QTest::addColumn<QString>("reportType"); // data of the chosen report filters
    QTest::addColumn<QString>("reportStatus");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const QString all, patients = QStringLiteral("patientTable"), count = QStringLiteral("patientCountLabel");
    QTest::newRow("search ignores case") << "hp-101" << all << -1 << "HP-1001" << all << all << patients
                                         << QStringList{"HP-1010", "HP-1011", "HP-1012"} << count
                                         << "Showing 3 of 12 patients";
    QTest::newRow("search is trimmed") << "  asthma " << all << -1 << "HP-1001" << all << all << patients
                                       << QStringList{"HP-1009"} << count << "Showing 1 of 12 patients";
    QTest::newRow("search in Chinese") << "骨折" << all << -1 << "HP-1001" << all << all << patients
                                       << QStringList{"HP-1010"} << count << "Showing 1 of 12 patients";
    QTest::newRow("stable, the first status")
        << all << all << 0 << "HP-1001" << all << all << patients
        << QStringList{"HP-1001", "HP-1002", "HP-1004", "HP-1006", "HP-1008", "HP-1009", "HP-1012"} << count
        << "Showing 7 of 12 patients";
    QTest::newRow("department and status") << all << "Rehabilitation" << 1 << "HP-1001" << all << all << patients
                                           << QStringList{"HP-1010"} << count << "Showing 1 of 12 patients";
    QTest::newRow("report needing attention") << all << all << -1 << "HP-1003" << "ECG analysis" << "Attention"
                                              << "reportTable" << QStringList{"RPT-03-2"} << "reportDetailSubtitle"
                                              << "RPT-03-2 · 2026-07-15 · Attention";
    QTest::newRow("no report needing attention") << all << all << -1 << "HP-1001" << "ECG analysis" << "Attention"
                                                 << "reportTable" << QStringList() << "reportDetailTitle"
                                                 << "No matching report";
    // As "--patient hp-1002" asks for it.
    QTest::newRow("lower-case id lists the patient's appointments")
        << all << all << -1 << "hp-1002" << all << all << "appointmentTable" << QStringList{"APT-003", "APT-004"}
        << "focusValueLabel" << "Xiuying Li · HP-1002";
}

void tst_HealthPages::filters()
{
    QFETCH(QString, search);
    QFETCH(QString, department);
    QFETCH(int, status);
    QFETCH(QString, patient);
    QFETCH(QString, reportType);
    QFETCH(QString, reportStatus);
    QFETCH(QString, table);
    QFETCH(QStringList, ids);
    QFETCH(QString, label);
    QFETCH(QString, text);

    window()->setEnglish(true);
    auto* edit = find<KIVQLineEdit>("patientSearchEdit");
    edit->insert(search); // as typed or pasted
    choose("departmentFilterCombo", department);
    choose("statusFilterCombo", status);
    QVERIFY(window()->simulator()->selectPatient(patient));
    choose("reportTypeCombo", reportType);
    choose("reportStatusCombo", reportStatus);

    auto* view = window()->findChild<QTableView*>(table);
    QCOMPARE(idsOf(view), ids);
    QCOMPARE(window()->findChild<KIVQLabel*>(label)->getText(), text);
    QCOMPARE(edit->text(), search);
    for (const char* name : kPatientCombos)
        QCOMPARE(find<QComboBox>(name)->currentData().toString(), patient.toUpper());

    // Filters are keyed by language-free data: a tick and a switch keep them and their rows.
    window()->simulator()->advance();
    window()->setEnglish(false);
    QCOMPARE(idsOf(view), ids);
    QCOMPARE(find<QComboBox>("departmentFilterCombo")->currentData().toString(), department);
    QCOMPARE(find<QComboBox>("statusFilterCombo")->currentData().toInt(), status);
    QCOMPARE(find<QComboBox>("reportTypeCombo")->currentData().toString(), reportType);
    QCOMPARE(find<QComboBox>("reportStatusCombo")->currentData().toString(), reportStatus);
    QCOMPARE(edit->text(), search);
}

void tst_HealthPages::clickStraddlingTickCounts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    QTest::newRow("attention queue") << "healthAlertsTable" << 0 << 1;
    QTest::newRow("patients") << "patientTable" << 1 << 2;
    QTest::newRow("reports") << "reportTable" << 3 << 1;
    QTest::newRow("appointments") << "appointmentTable" << 4 << 0;
}

void tst_HealthPages::clickStraddlingTickCounts()
{
    QFETCH(QString, table);
    QFETCH(int, page);
    QFETCH(int, row);

    showDashboard(window(), page);
    auto* view = window()->findChild<QTableView*>(table);
    const QPoint pos = view->visualRect(view->model()->index(row, 0)).center();
    QVERIFY(view->viewport()->rect().contains(pos));
    QSignalSpy clicked(view, &QAbstractItemView::clicked);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    window()->simulator()->advance();
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toModelIndex().row(), row);
}

void tst_HealthPages::scrolledTableKeepsPosition()
{
    showDashboard(window(), 1, QSize(1280, 720));
    QScrollBar* bar = find<QTableView>("patientTable")->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    const int position = bar->value();
    QVERIFY(position > 0);
    window()->simulator()->advance();
    QCOMPARE(bar->value(), position);
    window()->setEnglish(true);
    QCOMPARE(bar->value(), position);
}

void tst_HealthPages::chosenAppointmentSurvivesTicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("cancelable");
    QTest::newRow("upcoming APT-001") << 0 << true;
    QTest::newRow("canceled APT-002") << 1 << false;
}

void tst_HealthPages::chosenAppointmentSurvivesTicks()
{
    QFETCH(int, row);
    QFETCH(bool, cancelable);

    showDashboard(window(), 4);
    auto* view = find<QTableView>("appointmentTable");
    auto* cancel = find<KIVQPushButton>("cancelAppointmentButton");
    QVERIFY(!cancel->isEnabled());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(row, 0)).center());
    QCOMPARE(cancel->isEnabled(), cancelable);
    for (int tick = 0; tick < 2; ++tick) {
        window()->simulator()->advance();
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{view->model()->index(row, 0)});
        QCOMPARE(cancel->isEnabled(), cancelable);
    }
    // Another patient's list no longer holds the choice.
    QVERIFY(window()->simulator()->selectPatient(QStringLiteral("HP-1004")));
    QVERIFY(!cancel->isEnabled());
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());
}

void tst_HealthPages::ticksLeaveComboItemsAlone()
{
    choose("departmentFilterCombo", QStringLiteral("Cardiology"));
    choose("monitoringPatientCombo", QStringLiteral("HP-1004"));
    QCOMPARE(window()->currentSnapshot().selectedPatientId, QStringLiteral("HP-1004"));
    QList<std::shared_ptr<QSignalSpy>> removals;
    for (const char* name : kCombos)
        removals << std::make_shared<QSignalSpy>(find<QComboBox>(name)->model(), &QAbstractItemModel::rowsRemoved);
    for (int tick = 0; tick < 3; ++tick)
        window()->simulator()->advance();
    for (int i = 0; i < removals.size(); ++i)
        QVERIFY2(removals.at(i)->isEmpty(), kCombos[i]);
    for (const char* name : kPatientCombos)
        QCOMPARE(find<QComboBox>(name)->currentData().toString(), QStringLiteral("HP-1004"));
    QCOMPARE(find<QComboBox>("departmentFilterCombo")->currentData().toString(), QStringLiteral("Cardiology"));
}

void tst_HealthPages::cardContentsFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("contents");
    const struct
    {
        int page;
        const char* name;
        QStringList contents;
    } pages[] = {{0, "overview", {"overviewVitalTrendChart", "patientDistributionChart", "focusMonitorButton"}},
                 {1, "patients", {"patientTable"}},
                 {2, "monitoring", {"patientVitalTrendChart", "patientActivityChart"}}};
    for (const QSize& size : {QSize(1440, 900), QSize(1280, 720)}) {
        for (const auto& page : pages)
            QTest::addRow("%dx%d %s", size.width(), size.height(), page.name) << size << page.page << page.contents;
    }
}

void tst_HealthPages::cardContentsFit()
{
    QFETCH(QSize, size);
    QFETCH(int, page);
    QFETCH(QStringList, contents);

    showDashboard(window(), page, size);
    for (const QString& name : contents) {
        auto* widget = window()->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        const QRect card = widget->parentWidget()->rect();
        QVERIFY2(card.contains(widget->geometry()) && !widget->geometry().isEmpty(), qPrintable(name));
        // The columns fit beside each other: a stretched last column gives way down to what it shows.
        if (auto* table = qobject_cast<QTableView*>(widget))
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
    }
}

void tst_HealthPages::chartIntroPlaysOnce()
{
    const QList<KIVQChartBase*> charts = window()->findChildren<KIVQChartBase*>();
    QCOMPARE(charts.size(), 4);
    for (KIVQChartBase* chart : charts)
        QVERIFY2(chart->animationEnabled(), qPrintable(chart->objectName()));
    for (KIVQChartBase* chart : charts)
        QTRY_VERIFY2(!chart->animationEnabled(), qPrintable(chart->objectName()));
    window()->setEnglish(true);
    window()->simulator()->advance();
    for (KIVQChartBase* chart : charts) {
        QVERIFY(!chart->animationEnabled());
        QCOMPARE(chart->animationProgress(), 1.0);
    }
}

void tst_HealthPages::ringShowsStatusShares()
{
    if (!haveGl())
        QSKIP("No OpenGL context; run under Xvfb.");
    showDashboard(window(), 0);
    auto* ring = find<KIVQChartBase>("patientDistributionChart");
    QTRY_VERIFY(!ring->animationEnabled());
    QTRY_COMPARE(ring->animationProgress(), 1.0);
    const QImage image = window()->grab(QRect(ring->mapTo(window(), QPoint()), ring->size())).toImage();

    // Stable 7, observation 2, critical 1, recovering 2 of 12, by the pixels of each colour.
    const QColor colours[] = {QColor(58, 161, 116), QColor(231, 168, 54), QColor(239, 91, 98), QColor(43, 132, 214)};
    const double shares[] = {7 / 12.0, 2 / 12.0, 1 / 12.0, 2 / 12.0};
    int counts[4] = {0, 0, 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            for (int i = 0; i < 4; ++i)
                counts[i] += qMax(qAbs(p.red() - colours[i].red()), qMax(qAbs(p.green() - colours[i].green()),
                                                                         qAbs(p.blue() - colours[i].blue()))) <= 3;
        }
    }
    const int total = counts[0] + counts[1] + counts[2] + counts[3];
    QVERIFY(total > 2000);
    for (int i = 0; i < 4; ++i) {
        const double share = double(counts[i]) / total;
        QVERIFY2(qAbs(share - shares[i]) < 0.03, qPrintable(QStringLiteral("colour %1: %2").arg(i).arg(share)));
    }
}

// The ring takes the other language's legend while its page is hidden; showing the page must draw it
// anew, or the ring keeps its old frame (and the old language) until its data next changes.
void tst_HealthPages::hiddenChartRepaintsWhenShown()
{
    if (!haveGl())
        QSKIP("No OpenGL context; run under Xvfb.");
    auto* ring = find<KIVQChartBase>("patientDistributionChart");
    showDashboard(window(), 0);
    QTRY_VERIFY(!ring->animationEnabled());
    showDashboard(window(), 4);
    QTRY_VERIFY(!ring->isVisible());
    window()->setEnglish(true);

    ViewTest::PaintCounter counter;
    ring->installEventFilter(&counter);
    window()->setPage(0);
    QTRY_VERIFY(counter.paints > 0);
}

void tst_HealthPages::seededTablesShowWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("builtWidths"); // kept where they fit, and at 1440 x 900 they do
    QTest::addColumn<QString>("way"); // how the table comes to this size and language
    const QList<int> reportWidths{125, 150, 160, 120};
    for (const QSize& size : {QSize(1440, 900), QSize(1280, 720)}) {
        for (bool english : {false, true}) {
            const char* language = english ? "en" : "zh";
            QTest::addRow("%dx%d %s reports", size.width(), size.height(), language)
                << size << english << "reportTable" << 3 << reportWidths << "shown";
            QTest::addRow("%dx%d %s attention queue", size.width(), size.height(), language)
                << size << english << "healthAlertsTable" << 0 << QList<int>{150, 200, 110} << "shown";
        }
    }
    for (bool english : {false, true}) {
        const char* language = english ? "en" : "zh";
        QTest::addRow("%s reports, language switched at 1280x720", language)
            << QSize(1280, 720) << english << "reportTable" << 3 << reportWidths << "switched";
        QTest::addRow("%s reports, resized to 1280x720 while hidden", language)
            << QSize(1280, 720) << english << "reportTable" << 3 << reportWidths << "hidden";
        // Narrower than the window allows, so that every column is cut down to its texts.
        QTest::addRow("%s reports, 760x720", language)
            << QSize(760, 720) << english << "reportTable" << 3 << reportWidths << "narrow";
    }
}

// Every row and every cell and caption of the seeded data shows whole, with no scroll bar, from the
// smallest window up; the report table is checked with each patient's reports. Narrower, no column
// gives way past its texts: the table scrolls.
void tst_HealthPages::seededTablesShowWhole()
{
    QFETCH(QSize, size);
    QFETCH(bool, english);
    QFETCH(QString, table);
    QFETCH(int, page);
    QFETCH(QList<int>, builtWidths);
    QFETCH(QString, way);

    const bool switched = way == QLatin1String("switched"), hidden = way == QLatin1String("hidden");
    const bool narrow = way == QLatin1String("narrow");
    if (narrow)
        window()->setMinimumSize(size);
    // Shown first in the other language and, unless switched in place, at the other size: the table follows
    // the switch, and the resize whether it shows then or another page does.
    const QSize other = size == QSize(1440, 900) ? QSize(1280, 720) : QSize(1440, 900);
    window()->setEnglish(!english);
    showDashboard(window(), page, switched ? size : other);
    window()->setEnglish(english);
    if (hidden) {
        const int otherPage = (page + 1) % HealthWindow::kPageCount;
        window()->setPage(otherPage);
        showDashboard(window(), otherPage, size);
        window()->setPage(page);
    } else if (!switched) {
        showDashboard(window(), page, size);
    }
    auto* view = find<KIVQTableView>(qPrintable(table));
    if (switched || hidden) {
        // Fitted already, with no further resize: one made while the table shows gives the same widths.
        const QList<int> widths = columnWidths(view);
        showDashboard(window(), page, size + QSize(40, 0));
        showDashboard(window(), page, size);
        QCOMPARE(columnWidths(view), widths);
    }
    // The table's card keeps within the page's padding: no other row gives way for it.
    auto* pageBox = qobject_cast<KIVQContainer*>(view->parentWidget()->parentWidget()->parentWidget());
    QVERIFY(pageBox);
    int left = 0, top = 0, right = 0, bottom = 0;
    pageBox->getChildPadding(left, top, right, bottom);
    const QRect card(view->parentWidget()->mapTo(pageBox, QPoint()), view->parentWidget()->size());
    QVERIFY(pageBox->rect().adjusted(left, top, -right, -bottom).contains(card));
    // What a cell or caption leaves its text: the inner margins, the style's offset and paintText's 2.
    auto shownWhole = [view](int column, const TextStyleDesc& style, const QString& text) {
        const int room = view->columnWidth(column) - 2 * KIVQTableViewImpl::kInnerMargin - style.x - 2;
        const QFontMetrics metrics(KIVQPaintHelpers::styleFont(style));
        return metrics.elidedText(text, Qt::ElideRight, room) == text;
    };
    const bool everyPatient = table == QLatin1String("reportTable");
    const QVector<PatientRecord> patients = window()->currentSnapshot().patients;
    for (int p = 0; p < (everyPatient ? patients.size() : 1); ++p) {
        if (everyPatient)
            window()->selectPatient(patients.at(p).id);
        QApplication::processEvents();
        const QByteArray where = (table + ' ' + (everyPatient ? patients.at(p).id : QString())).toUtf8();
        QVERIFY2(view->model()->rowCount() > 0, where.constData());
        QVERIFY2(view->horizontalScrollBar()->isVisible() == narrow, where.constData());
        QVERIFY2(!view->verticalScrollBar()->isVisible(), where.constData());
        if (size == QSize(1440, 900)) {
            for (int column = 0; column < builtWidths.size(); ++column)
                QCOMPARE(view->columnWidth(column), builtWidths.at(column));
        }
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QString caption = view->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(shownWhole(column, view->getHeaderTextStyle(CtrlNormal), caption),
                     (where + ' ' + caption.toUtf8()).constData());
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                const QModelIndex index = view->model()->index(row, column);
                QVERIFY2(narrow || view->viewport()->rect().contains(view->visualRect(index)), where.constData());
                const QString text = index.data().toString();
                for (CtrlState state : {CtrlNormal, CtrlHover, CtrlPressed})
                    QVERIFY2(shownWhole(column, view->getItemTextStyle(state), text),
                             (where + ' ' + text.toUtf8()).constData());
            }
        }
    }
    if (narrow) {
        // Filters that leave no row: the captions alone hold the columns.
        window()->selectPatient(QStringLiteral("HP-1001"));
        choose("reportTypeCombo", QStringLiteral("ECG analysis"));
        choose("reportStatusCombo", QStringLiteral("Attention"));
        QCOMPARE(view->model()->rowCount(), 0);
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QString caption = view->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(shownWhole(column, view->getHeaderTextStyle(CtrlNormal), caption), qPrintable(caption));
        }
    }
}

QTEST_MAIN(tst_HealthPages)
#include "tst_HealthPages.moc"
