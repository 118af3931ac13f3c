// The five pages of the dashboard: what each builder lays out and how its controls turn input into
// filter state, a patient selection or a refill.

#include "HealthWindow.h"

#include "PatientDataSimulator.h"
#include "WidgetSizing.h"

#include "charts/KIVQBarChart.h"
#include "charts/KIVQChartTheme.h"
#include "charts/KIVQLineChart.h"
#include "charts/KIVQOpenGLPieChart.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQScrollBar.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQComboBox.h"
#include "views/KIVQTableView.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>

using namespace KIVQtLib;

namespace {

const QString kClear = QStringLiteral("HealthClear");
const QString kCard = QStringLiteral("HealthCard");
const QString kTitle = QStringLiteral("HealthLabelTitle");
const QString kSection = QStringLiteral("HealthLabelSection");
const QString kMuted = QStringLiteral("HealthLabelMuted");
const QColor kWhite(255, 255, 255);
const QColor kTeal(0, 142, 151);

constexpr int kChartAnimationMs = 420;
// The charts' own minimum is larger than the cards that hold them at the window's smallest size.
constexpr int kChartMinWidth = 160;
constexpr int kChartMinHeight = 120;
constexpr int kLastColumnMinWidth = 80;
constexpr int kTableHeaderHeight = 36;
// The attention queue's rows: the ward's observed and critical patients, three in the seeded ward.
constexpr int kAttentionRows = 3;
constexpr int kAttentionRowHeight = 34;

QString rowId(const QModelIndex& index, int role)
{
    return index.isValid() ? index.sibling(index.row(), 0).data(role).toString() : QString();
}

} // namespace

KIVQChartTheme HealthWindow::appChartTheme()
{
    KIVQChartTheme theme;
    theme.name = QStringLiteral("Carevix");
    theme.background = QColor(255, 255, 255, 255);
    theme.plotBackground = QColor(255, 255, 255, 255);
    theme.titleColor = QColor(29, 55, 58, 255);
    theme.axisColor = QColor(187, 205, 207, 255);
    theme.labelColor = QColor(100, 122, 125, 255);
    theme.gridColor = QColor(228, 237, 238, 255);
    theme.hoverGuideColor = QColor(0, 142, 151, 180);
    theme.palette = {QColor(0, 142, 151), QColor(43, 132, 214), QColor(239, 91, 98), QColor(231, 168, 54),
                     QColor(58, 161, 116)};
    theme.titlePixelSize = 16;
    theme.labelPixelSize = 12;
    theme.tooltipPixelSize = 12;
    theme.lineWidth = 2.2;
    theme.markerRadius = 3.0;
    theme.hoveredMarkerRadius = 5.0;
    theme.barCornerRadius = 4.0;
    return theme;
}

void HealthWindow::appendPieSlice(QVector<KIVQPieSlice>& slices, const QString& name, int value, const QColor& colour)
{
    KIVQPieSlice slice;
    slice.name = name;
    slice.value = double(value);
    slice.color = colour;
    slice.visible = true;
    slices.append(slice);
}

QStandardItem* HealthWindow::makeTableItem(const QString& text, const QString& value, int role)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    if (!value.isEmpty())
        item->setData(value, role);
    return item;
}

QStandardItem* HealthWindow::makeCenteredItem(const QString& text, const QString& icon)
{
    QStandardItem* item = makeTableItem(text, QString(), Qt::UserRole);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    if (!icon.isEmpty())
        item->setData(icon, kIconRole);
    return item;
}

void HealthWindow::setupTable(KIVQTableView* table, int rowHeight)
{
    table->setThemeName(QStringLiteral("HealthTable"));
    table->setWidthPolicy(PolicyStretch);
    table->setHeightPolicy(PolicyStretch);
    table->setItemHeight(rowHeight);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->horizontalHeader()->setSectionsClickable(true);
    table->horizontalHeader()->setStretchLastSection(true);
    // The stretched last column never narrows below the default section size; Qt's 100 px would scroll
    // the patient table sideways at the smallest window although its last column fits.
    table->horizontalHeader()->setDefaultSectionSize(kLastColumnMinWidth);
    table->horizontalHeader()->setMinimumHeight(kTableHeaderHeight);
    auto* vertical = new KIVQScrollBar(Qt::Vertical, table);
    vertical->setThemeName(QStringLiteral("HealthScrollV"));
    table->setVerticalScrollBar(vertical);
    auto* horizontal = new KIVQScrollBar(Qt::Horizontal, table);
    horizontal->setThemeName(QStringLiteral("HealthScrollH"));
    table->setHorizontalScrollBar(horizontal);
}

KIVQTableView* HealthWindow::makeTable(QWidget* card, const QString& name, int rowHeight, QStandardItemModel*& model)
{
    auto* table = new KIVQTableView(card);
    table->setObjectName(name);
    setupTable(table, rowHeight);
    addToContainer(card, table, 1);
    model = new QStandardItemModel(table);
    table->setModel(model);
    return table;
}

KIVQComboBox* HealthWindow::makeComboBox(QWidget* parent, const QString& objectName, int width)
{
    auto* combo = new KIVQComboBox(parent);
    combo->setObjectName(objectName);
    combo->setThemeName(QStringLiteral("HealthCombo"));
    combo->setNormalBtnIcon(iconPath(QStringLiteral("chevron-down")));
    combo->setHotBtnIcon(iconPath(QStringLiteral("chevron-down")));
    fixWidgetWidth(combo, width);
    combo->setProperty(kBaseWidthProperty, width);
    fixWidgetHeight(combo, 36);
    addToContainer(parent, combo, 0);
    return combo;
}

// The row at the top of every page: title, choices and actions.
KIVQContainer* HealthWindow::makeToolRow(QWidget* page, int height)
{
    KIVQContainer* row = makeContainer(page, kClear, KIVQContainer::Horizontal, 0, 8, 0, 0, 0, 0);
    fixWidgetHeight(row, height);
    return row;
}

KIVQContainer* HealthWindow::makeChartCard(QWidget* row, int ratio, KIVQLabel*& caption)
{
    KIVQContainer* card = makeContainer(row, kCard, KIVQContainer::Vertical, ratio, 4, 12, 9, 12, 10);
    caption = makeLabel(card, kSection, 28, 0);
    return card;
}

KIVQLineChart* HealthWindow::makeTrendChart(QWidget* card, const QString& name, bool area)
{
    auto* chart = new KIVQLineChart(card);
    setUpChart(chart, card, name);
    chart->setLegendPosition(LegendTop);
    chart->setTooltipMode(TooltipCategory);
    chart->setSmooth(true);
    chart->setAreaFill(area);
    return chart;
}

void HealthWindow::setUpChart(KIVQChartBase* chart, QWidget* card, const QString& name)
{
    chart->setObjectName(name);
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(chart)) {
        control->setWidthPolicy(PolicyStretch);
        control->setHeightPolicy(PolicyStretch);
    }
    chart->setTheme(appChartTheme());
    chart->setTitle(QString());
    chart->setAnimationDuration(kChartAnimationMs);
    chart->setMinimumSize(kChartMinWidth, kChartMinHeight);
    addToContainer(card, chart, 1);
}

void HealthWindow::makeMetricCard(QWidget* row, std::array<KIVQLabel*, 3>& labels, const QString& icon,
                                  const QString& accentStyle, const QString& name)
{
    KIVQContainer* card = makeContainer(row, kCard, KIVQContainer::Horizontal, 1, 8, 12, 9, 12, 9);
    KIVQContainer* tile = makeContainer(card, accentStyle, KIVQContainer::Horizontal, 0, 0, 11, 11, 11, 11);
    fixWidgetWidth(tile, 42);
    fixWidgetHeight(tile, 42);
    makeSvgIcon(tile, icon, 20, 20, kWhite);
    KIVQContainer* column = makeContainer(card, kClear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);
    labels[0] = makeLabel(column, QStringLiteral("HealthLabelXsBold"), 19, 0);
    labels[1] = makeLabel(column, QStringLiteral("HealthLabelMetric"), 35, 1);
    labels[2] = makeLabel(column, kMuted, 18, 0);
    labels[1]->setObjectName(name + QStringLiteral("Value"));
}

void HealthWindow::disableOverviewChartAnimation()
{
    if (m_overviewTrendChart)
        m_overviewTrendChart->setAnimationEnabled(false);
    if (m_distributionChart)
        m_distributionChart->setAnimationEnabled(false);
}

void HealthWindow::disableMonitoringChartAnimation()
{
    if (m_monitoringTrendChart)
        m_monitoringTrendChart->setAnimationEnabled(false);
    if (m_activityChart)
        m_activityChart->setAnimationEnabled(false);
}

void HealthWindow::buildOverviewPage()
{
    QWidget* page = m_pages.at(0);

    KIVQContainer* titleRow = makeToolRow(page, 42);
    m_overviewTitle = makeLabel(titleRow, kTitle, 42, 1);

    KIVQContainer* figures = makeContainer(page, kClear, KIVQContainer::Horizontal, 0, 10, 0, 0, 0, 0);
    fixWidgetHeight(figures, 98);
    makeMetricCard(figures, m_patientsCard, iconPath(QStringLiteral("users")), QStringLiteral("HealthAccentBlue"),
                   QStringLiteral("patientsCard"));
    makeMetricCard(figures, m_criticalCard, iconPath(QStringLiteral("triangle-alert")),
                   QStringLiteral("HealthAccentRed"), QStringLiteral("criticalCard"));
    makeMetricCard(figures, m_observationCard, iconPath(QStringLiteral("eye")), QStringLiteral("HealthAccentAmber"),
                   QStringLiteral("observationCard"));
    makeMetricCard(figures, m_occupancyCard, iconPath(QStringLiteral("bed")), QStringLiteral("HealthAccentGreen"),
                   QStringLiteral("occupancyCard"));

    KIVQContainer* chartRow = makeContainer(page, kClear, KIVQContainer::Horizontal, 3, 10, 0, 0, 0, 0);
    m_overviewChartRow = chartRow;
    chartRow->setMinimumHeight(230);
    m_overviewTrendChart = makeTrendChart(makeChartCard(chartRow, 3, m_overviewTrendCaption),
                                          QStringLiteral("overviewVitalTrendChart"), true);
    KIVQContainer* distributionCard = makeChartCard(chartRow, 1, m_distributionCaption);
    m_distributionChart = new KIVQOpenGLPieChart(distributionCard);
    setUpChart(m_distributionChart, distributionCard, QStringLiteral("patientDistributionChart"));
    m_distributionChart->setHoleRatio(0.65);
    m_distributionChart->setLabelsVisible(false);

    KIVQContainer* bottomRow = makeContainer(page, kClear, KIVQContainer::Horizontal, 2, 10, 0, 0, 0, 0);
    constexpr int cardPadding = 8;
    constexpr int captionHeight = 26;
    constexpr int captionGap = 4;
    // The attention queue's caption, header and rows whole; the chart row above leaves the row this much.
    bottomRow->setMinimumHeight(2 * cardPadding + captionHeight + captionGap + kTableHeaderHeight +
                                kAttentionRows * kAttentionRowHeight);
    KIVQContainer* attentionCard =
        makeContainer(bottomRow, kCard, KIVQContainer::Vertical, 3, captionGap, 12, cardPadding, 12, cardPadding);
    m_attentionCaption = makeLabel(attentionCard, kSection, captionHeight, 0);
    m_attentionTable =
        makeTable(attentionCard, QStringLiteral("healthAlertsTable"), kAttentionRowHeight, m_attentionModel);

    KIVQContainer* focusCard = makeContainer(bottomRow, kCard, KIVQContainer::Vertical, 2, 4, 14, 9, 14, 9);
    m_focusCaption = makeLabel(focusCard, kSection, 26, 0);
    m_focusValue = makeLabel(focusCard, QStringLiteral("HealthLabelMetricSm"), 30, 0);
    m_focusDetail = makeLabel(focusCard, QStringLiteral("HealthLabelSm"), 24, 0);
    m_focusNote = makeLabel(focusCard, kMuted, 48, 1);
    m_focusNote->setWordWrap(true);
    // At the smallest window the card is lower than its fixed rows; the note gives way, not the button.
    m_focusNote->setMinimumHeight(24);
    m_focusNote->setHeightPolicy(PolicyStretch);
    m_focusValue->setObjectName(QStringLiteral("focusValueLabel"));
    m_focusNote->setObjectName(QStringLiteral("focusNoteLabel"));
    KIVQPushButton* monitor = makeButton(focusCard, QStringLiteral("HealthPrimaryButton"), QString(), 0, 34,
                                         iconPath(QStringLiteral("activity")), kWhite);
    setButtonIconLeft(monitor, 12, 24);
    monitor->setObjectName(QStringLiteral("focusMonitorButton"));

    page->installEventFilter(this);

    connect(monitor, &QPushButton::clicked, this, [this] { setPage(2); });
    connect(m_attentionTable, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (!m_simulator->selectPatient(rowId(index, kPatientIdRole)))
            return;
        setPage(1);
        setPatientDrawerExpanded(true);
    });
}

// The ratio layout gives the chart row its share before the row below it, whatever that row's minimum; at
// the smallest window the share would cut the attention queue, so the chart row leaves the other rows theirs.
void HealthWindow::fitOverviewRows()
{
    KIVQContainer* page = m_pages.at(0);
    int left = 0, top = 0, right = 0, bottom = 0;
    page->getChildPadding(left, top, right, bottom);
    const QList<QWidget*> rows = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    int room = page->height() - top - bottom - (rows.size() - 1) * page->getChildSpace();
    for (QWidget* row : rows) {
        if (row != m_overviewChartRow)
            room -= row->minimumHeight();
    }
    m_overviewChartRow->setMaximumHeight(std::max(room, m_overviewChartRow->minimumHeight()));
}

bool HealthWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Before the page lays itself out at its new size; the report table is fitted as it shows, too.
    if (event->type() == QEvent::Resize && !m_pages.isEmpty() && watched == m_pages.at(0))
        fitOverviewRows();
    else if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && m_reportTable &&
             watched == m_reportTable->viewport())
        fitReportColumns();
    return KIVQWindow::eventFilter(watched, event);
}

void HealthWindow::buildPatientsPage()
{
    QWidget* page = m_pages.at(1);

    KIVQContainer* toolRow = makeToolRow(page, 48);
    KIVQContainer* texts = makeContainer(toolRow, kClear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);
    m_patientsTitle = makeLabel(texts, kTitle, 29, 0);
    m_patientsSubtitle = makeLabel(texts, kMuted, 18, 0);
    m_searchEdit = new KIVQLineEdit(toolRow);
    m_searchEdit->setObjectName(QStringLiteral("patientSearchEdit"));
    m_searchEdit->setThemeName(QStringLiteral("HealthLineEdit"));
    m_searchEdit->setPlaceholderText(QStringLiteral("搜索患者"));
    // The same inset as the combo boxes beside it: the text would start on the rounded border.
    m_searchEdit->setEditMargin(0, 0, 10, 10);
    fixWidgetWidth(m_searchEdit, 220);
    fixWidgetHeight(m_searchEdit, 36);
    addToContainer(toolRow, m_searchEdit, 0);
    m_departmentCombo = makeComboBox(toolRow, QStringLiteral("departmentFilterCombo"), 150);
    m_statusCombo = makeComboBox(toolRow, QStringLiteral("statusFilterCombo"), 140);

    KIVQContainer* card = makeContainer(page, kCard, KIVQContainer::Vertical, 1, 4, 10, 8, 10, 8);
    m_patientTable = makeTable(card, QStringLiteral("patientTable"), 42, m_patientModel);
    m_patientCount = makeLabel(card, kMuted, 24, 0);
    m_patientCount->setObjectName(QStringLiteral("patientCountLabel"));

    connect(m_searchEdit, &QLineEdit::textChanged, this, &HealthWindow::setPatientSearchText);
    connect(m_departmentCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        m_departmentFilter = m_departmentCombo->itemData(index).toString();
        keepFilterItem(m_departmentCombo, m_departmentFilter);
        refreshPatientTable();
    });
    connect(m_statusCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        m_statusFilter = m_statusCombo->itemData(index).toInt();
        keepFilterItem(m_statusCombo, m_statusFilter);
        refreshPatientTable();
    });
    connect(m_patientTable, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (m_simulator->selectPatient(rowId(index, kPatientIdRole)))
            setPatientDrawerExpanded(true);
    });
}

void HealthWindow::keepFilterItem(QComboBox* combo, const QVariant& data)
{
    const int index = combo->findData(data);
    if (index < 0 || index == combo->currentIndex())
        return;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

void HealthWindow::setPatientSearchText(const QString& text)
{
    m_patientSearchText = text.trimmed();
    if (m_searchEdit && m_searchEdit->text() != text)
        m_searchEdit->setText(text);
    refreshPatientTable();
}

void HealthWindow::selectPatientFromCombo(QComboBox* combo, int index)
{
    const QString id = combo->itemData(index).toString();
    if (!id.isEmpty())
        m_simulator->selectPatient(id);
}

void HealthWindow::buildMonitoringPage()
{
    QWidget* page = m_pages.at(2);

    KIVQContainer* titleRow = makeToolRow(page, 42);
    m_monitoringTitle = makeLabel(titleRow, kTitle, 42, 1);
    m_monitoringPatientCombo = makeComboBox(titleRow, QStringLiteral("monitoringPatientCombo"), 240);

    KIVQContainer* vitalsCard = makeContainer(page, kCard, KIVQContainer::Vertical, 0, 0, 10, 8, 10, 8);
    fixWidgetHeight(vitalsCard, 96);
    m_vitalsTable = makeTable(vitalsCard, QStringLiteral("patientVitalsTable"), 38, m_vitalsModel);
    m_vitalsTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_vitalsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    KIVQContainer* chartRow = makeContainer(page, kClear, KIVQContainer::Horizontal, 1, 10, 0, 0, 0, 0);
    chartRow->setMinimumHeight(280);
    m_monitoringTrendChart = makeTrendChart(makeChartCard(chartRow, 3, m_monitoringTrendCaption),
                                            QStringLiteral("patientVitalTrendChart"), false);
    KIVQContainer* activityCard = makeChartCard(chartRow, 2, m_activityCaption);
    m_activityChart = new KIVQBarChart(activityCard);
    setUpChart(m_activityChart, activityCard, QStringLiteral("patientActivityChart"));
    m_activityChart->setLegendPosition(LegendTop);
    m_activityChart->setTooltipMode(TooltipCategory);

    KIVQContainer* band =
        makeContainer(page, QStringLiteral("HealthInfoBand"), KIVQContainer::Horizontal, 0, 10, 12, 8, 12, 8);
    fixWidgetHeight(band, 62);
    makeIconTile(band, iconPath(QStringLiteral("stethoscope")), 24, 24, 24, kTeal, 0);
    KIVQContainer* texts = makeContainer(band, kClear, KIVQContainer::Vertical, 1, 1, 0, 0, 0, 0);
    m_infoTitle = makeLabel(texts, QStringLiteral("HealthLabelSmBold"), 22, 0);
    m_infoText = makeLabel(texts, kMuted, 24, 1);
    m_infoText->setObjectName(QStringLiteral("clinicalNoteLabel"));

    connect(m_monitoringPatientCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { selectPatientFromCombo(m_monitoringPatientCombo, index); });
}

void HealthWindow::buildReportsPage()
{
    QWidget* page = m_pages.at(3);

    KIVQContainer* toolRow = makeToolRow(page, 44);
    m_reportsTitle = makeLabel(toolRow, kTitle, 42, 1);
    m_reportPatientCombo = makeComboBox(toolRow, QStringLiteral("reportPatientCombo"), 220);
    m_reportTypeFilter = makeComboBox(toolRow, QStringLiteral("reportTypeCombo"), 145);
    m_reportStatusFilter = makeComboBox(toolRow, QStringLiteral("reportStatusCombo"), 130);

    KIVQContainer* content = makeContainer(page, kClear, KIVQContainer::Horizontal, 1, 10, 0, 0, 0, 0);
    KIVQContainer* tableCard = makeContainer(content, kCard, KIVQContainer::Vertical, 3, 4, 10, 8, 10, 8);
    m_reportTable = makeTable(tableCard, QStringLiteral("reportTable"), 42, m_reportModel);
    m_reportTable->viewport()->installEventFilter(this);

    KIVQContainer* detailCard = makeContainer(content, kCard, KIVQContainer::Vertical, 2, 8, 16, 15, 16, 15);
    makeIconTile(detailCard, iconPath(QStringLiteral("file-heart")), 42, 42, 42, kTeal, 42);
    m_reportDetailTitle = makeLabel(detailCard, QStringLiteral("HealthLabelMetricSm"), 34, 0);
    m_reportDetailSubtitle = makeLabel(detailCard, QStringLiteral("HealthLabelSm"), 28, 0);
    m_reportDetailText = makeLabel(detailCard, QStringLiteral("HealthLabelBody"), 100, 1);
    m_reportDetailText->setWordWrap(true);
    m_reportDetailTitle->setObjectName(QStringLiteral("reportDetailTitle"));
    m_reportDetailSubtitle->setObjectName(QStringLiteral("reportDetailSubtitle"));
    m_reportDetailText->setObjectName(QStringLiteral("reportDetailText"));

    connect(m_reportPatientCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { selectPatientFromCombo(m_reportPatientCombo, index); });
    for (QComboBox* filter : {m_reportTypeFilter, m_reportStatusFilter})
        connect(filter, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { refreshReportTable(); });
    connect(m_reportTable, &QAbstractItemView::clicked, this, [this] { refreshReportTable(); });
}

void HealthWindow::buildAppointmentsPage()
{
    QWidget* page = m_pages.at(4);

    KIVQContainer* toolRow = makeToolRow(page, 46);
    m_appointmentsTitle = makeLabel(toolRow, kTitle, 42, 1);
    m_appointmentPatientCombo = makeComboBox(toolRow, QStringLiteral("appointmentPatientCombo"), 220);
    m_appointmentFilter = makeComboBox(toolRow, QStringLiteral("appointmentFilterCombo"), 130);
    m_newAppointmentButton = makeButton(toolRow, QStringLiteral("HealthPrimaryButton"), QString(), 148, 36,
                                        iconPath(QStringLiteral("calendar-plus")), kWhite);
    setButtonIconLeft(m_newAppointmentButton, 12, 24);
    m_newAppointmentButton->setObjectName(QStringLiteral("newAppointmentButton"));

    KIVQContainer* card = makeContainer(page, kCard, KIVQContainer::Vertical, 1, 5, 10, 8, 10, 8);
    m_appointmentTable = makeTable(card, QStringLiteral("appointmentTable"), 44, m_appointmentModel);
    KIVQContainer* footer = makeContainer(card, kClear, KIVQContainer::Horizontal, 0, 8, 0, 0, 0, 0);
    fixWidgetHeight(footer, 34);
    m_appointmentFooter = makeLabel(footer, kMuted, 30, 1);
    m_appointmentFooter->setObjectName(QStringLiteral("appointmentFooterLabel"));
    m_cancelAppointmentButton = makeButton(footer, QStringLiteral("HealthDangerButton"), QString(), 120, 32,
                                           iconPath(QStringLiteral("calendar-x")), kWhite);
    setButtonIconLeft(m_cancelAppointmentButton, 10, 22);
    m_cancelAppointmentButton->setObjectName(QStringLiteral("cancelAppointmentButton"));
    m_cancelAppointmentButton->setEnabled(false);

    connect(m_newAppointmentButton, &QPushButton::clicked, this, &HealthWindow::openNewAppointment);
    connect(m_appointmentPatientCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { selectPatientFromCombo(m_appointmentPatientCombo, index); });
    connect(m_appointmentFilter, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { refreshAppointmentTable(); });
    connect(m_appointmentTable, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_selectedAppointmentId = rowId(index, kAppointmentIdRole);
        m_cancelAppointmentButton->setEnabled(!m_selectedAppointmentId.isEmpty() &&
                                              !isAppointmentRowCanceled(index.row()));
    });
    connect(m_cancelAppointmentButton, &QPushButton::clicked, this, &HealthWindow::cancelSelectedAppointment);
}
