#include "HealthWindow.h"

#include "PatientDataSimulator.h"
#include "WidgetSizing.h"

#include "controls/KIVQImage.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQStackContainer.h"
#include "core/KIVQPaintHelpers.h"
#include "core/layout/KIVQContainer.h"
#include "views/KIVQComboBox.h"

#include <QResizeEvent>
#include <QSet>
#include <QTimer>

using namespace KIVQtLib;

namespace {

constexpr int kMinWidth = 1280;
constexpr int kMinHeight = 720;
constexpr int kDrawerMinHeight = 500;
constexpr int kDrawerGap = 30;

const QString kNavButton = QStringLiteral("HealthNavButton");
const QString kNavButtonActive = QStringLiteral("HealthNavButtonActive");
const QString kHeaderButton = QStringLiteral("HealthHeaderButton");
const QString kHeaderButtonActive = QStringLiteral("HealthHeaderButtonActive");

void setLabelText(QWidget* root, const char* name, const QString& text)
{
    if (auto* label = root->findChild<KIVQLabel*>(QLatin1String(name), Qt::FindChildrenRecursively))
        label->setText(text);
}

// The frame's containers lie over others of the same colour; one that covers its rectangle in a solid
// colour says so, and Qt then paints nothing beneath it for the window's first and later paints.
bool coversSolidly(const FillStyle& fill)
{
    const FillRes& res = fill.res;
    return fill.draw && fill.colourFill && res.round == 0 && res.colour.alpha() == 255 &&
           (!res.gradient || res.colour2.alpha() == 255);
}

void markOpaqueIfSolid(KIVQContainer* container)
{
    container->setAttribute(Qt::WA_OpaquePaintEvent, container->getDrawBackground() &&
                                                         coversSolidly(container->getBackground()) &&
                                                         coversSolidly(container->getDisableBackground()));
}

} // namespace

HealthWindow::HealthWindow(QWidget* parent) : KIVQWindow(parent), m_simulator(new PatientDataSimulator(this))
{
    setObjectName(QStringLiteral("healthWindow"));
    setWindowTitle(QStringLiteral("Qt-UI Carevix"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(1440, 900);
    setResizeable(true);
    setCanDrag(true);
    setOnlyDragCaption(true);
    setCaptionHeight(kCaptionHeight);

    buildRootLayout();
    connect(m_simulator, &PatientDataSimulator::snapshotChanged, this, &HealthWindow::refreshSnapshot);

    m_snapshot = m_simulator->snapshot();
    m_english = 0;
    m_currentPage = 0;
    retranslateUi();
    refreshSnapshot(m_snapshot);
    m_pageStack->setCurrentIndex(0);
    updateNavButtons();

    m_simulator->start(1000);
    // Only once the window has its real size can the root be laid over it and the window centred.
    QTimer::singleShot(0, this, [this] {
        layoutDrawers();
        centerWindow();
    });
}

HealthWindow::~HealthWindow()
{
    m_simulator->stop();
}

// ---- builders ----

KIVQContainer* HealthWindow::makeContainer(QWidget* parent, const QString& themeName, int childLayout, int ratio,
                                           int space, int left, int top, int right, int bottom)
{
    auto* container = new KIVQContainer(parent);
    container->setThemeName(themeName);
    container->setGeometry(0, 0, parent->width(), parent->height());
    container->setWidthPolicy(PolicyStretch);
    container->setHeightPolicy(PolicyStretch);
    container->setChildLayout(KIVQContainer::AutoChildLayout(childLayout));
    container->setChildSpace(space);
    container->setChildPadding(left, top, right, bottom);
    addToContainer(parent, container, ratio);
    return container;
}

KIVQPushButton* HealthWindow::makeButton(QWidget* parent, const QString& themeName, const QString& text, int width,
                                         int height, const QString& iconPath, const QColor& iconColour)
{
    auto* button = new KIVQPushButton(parent);
    button->setThemeName(themeName);
    button->setText(text);
    button->setFadeEnabled(false);
    if (!iconPath.isEmpty()) {
        button->setIcon(iconPath);
        button->setUseIcon(true);
        button->setShowText(!text.isEmpty());
        IconStyleDesc style = button->getIconStyle();
        style.offsetX = 0;
        style.offsetY = 0;
        style.recolour = true;
        style.colour = iconColour;
        style.horAlign = text.isEmpty() ? DockCenter : DockLeftTop;
        style.verAlign = DockCenter;
        button->setIconStyle(style);
    }
    if (width < 1) {
        button->setWidthPolicy(PolicyStretch);
        addToContainer(parent, button, 1);
    } else {
        fixWidgetWidth(button, width);
        button->setProperty(kBaseWidthProperty, width);
        addToContainer(parent, button, 0);
    }
    if (height > 0)
        fixWidgetHeight(button, height);
    return button;
}

KIVQLabel* HealthWindow::makeLabel(QWidget* parent, const QString& themeName, int height, int ratio)
{
    auto* label = new KIVQLabel(parent);
    label->setThemeName(themeName);
    label->setText(QString());
    label->setWidthPolicy(PolicyStretch);
    label->setHeightPolicy(PolicyStretch);
    fixWidgetHeight(label, height);
    addToContainer(parent, label, ratio);
    return label;
}

void HealthWindow::setButtonIconLeft(KIVQPushButton* button, int iconX, int textX)
{
    IconStyleDesc style = button->getIconStyle();
    style.offsetX = iconX;
    style.offsetY = 0;
    style.horAlign = DockLeftTop;
    style.verAlign = DockCenter;
    button->setIconStyle(style);
    button->setTextOffsetX(textX);
    button->setTextOffsetY(0);
}

KIVQImage* HealthWindow::makeSvgIcon(QWidget* parent, const QString& svgPath, int width, int height,
                                     const QColor& colour)
{
    auto* icon = new KIVQImage(parent);
    icon->setSvgPath(svgPath);
    icon->setStretchDraw(true);
    icon->setAlignType(DockCenter, DockCenter);
    icon->setUseSvgColor(true);
    icon->setSvgColor(colour);
    fixWidgetWidth(icon, width);
    fixWidgetHeight(icon, height);
    addToContainer(parent, icon, 0);
    return icon;
}

KIVQImage* HealthWindow::makeIconTile(QWidget* parent, const QString& svgPath, int tileWidth, int iconWidth,
                                      int iconHeight, const QColor& colour, int tileHeight)
{
    KIVQContainer* tile = makeContainer(parent, QStringLiteral("HealthClear"), KIVQContainer::NoUse, 0, 0, 0, 0, 0, 0);
    fixWidgetWidth(tile, tileWidth);
    if (tileHeight > 0)
        fixWidgetHeight(tile, tileHeight);
    KIVQImage* icon = makeSvgIcon(tile, svgPath, iconWidth, iconHeight, colour);
    icon->setAbsoluteDock(DockCenter, DockCenter, 0, 0);
    return icon;
}

KIVQContainer* HealthWindow::addDivider(QWidget* parent)
{
    KIVQContainer* divider =
        makeContainer(parent, QStringLiteral("HealthDivider"), KIVQContainer::NoUse, 0, 0, 0, 0, 0, 0);
    fixWidgetHeight(divider, 1);
    return divider;
}

// ---- frame ----

void HealthWindow::buildRootLayout()
{
    m_root = new KIVQContainer(this);
    m_root->setObjectName(QStringLiteral("healthRoot"));
    m_root->setThemeName(QStringLiteral("HealthWindow"));
    m_root->setChildLayout(KIVQContainer::Vertical);
    m_root->setChildSpace(0);
    m_root->setChildPadding(0);

    m_header = makeContainer(m_root, QStringLiteral("HealthHeader"), KIVQContainer::Horizontal, 0, 8, 18, 8, 12, 8);
    m_header->setObjectName(QStringLiteral("healthHeader"));
    fixWidgetHeight(m_header, kCaptionHeight);
    markOpaqueIfSolid(m_header);

    m_body = makeContainer(m_root, QStringLiteral("HealthPage"), KIVQContainer::Horizontal, 1, 0, 0, 0, 0, 0);

    m_sidebar = makeContainer(m_body, QStringLiteral("HealthSidebar"), KIVQContainer::Vertical, 0, 7, 12, 14, 12, 14);
    m_sidebar->setObjectName(QStringLiteral("healthSidebar"));
    fixWidgetWidth(m_sidebar, kSidebarWidth);
    markOpaqueIfSolid(m_sidebar);

    m_pageStack = new KIVQStackContainer(m_body);
    m_pageStack->setObjectName(QStringLiteral("healthPageStack"));
    m_pageStack->setThemeName(QStringLiteral("HealthPage"));
    m_pageStack->setWidthPolicy(PolicyStretch);
    m_pageStack->setHeightPolicy(PolicyStretch);
    m_body->addChildWidget(m_pageStack, 1);

    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new KIVQContainer(m_pageStack);
        page->setThemeName(QStringLiteral("HealthPage"));
        page->setChildLayout(KIVQContainer::Vertical);
        page->setChildSpace(10);
        page->setChildPadding(18, 14, 18, 16);
        page->setWidthPolicy(PolicyStretch);
        page->setHeightPolicy(PolicyStretch);
        page->setObjectName(QStringLiteral("healthPage%1").arg(i));
        markOpaqueIfSolid(page);
        m_pageStack->addWidget(page);
        m_pages.append(page);
    }

    buildHeaderBar();
    buildSidebar();
    buildOverviewPage();
    buildPatientsPage();
    buildMonitoringPage();
    buildReportsPage();
    buildAppointmentsPage();
    buildPatientDrawer();
    buildAppointmentEditorDrawer();
}

void HealthWindow::buildHeaderBar()
{
    const QString clear = QStringLiteral("HealthClear");
    const QString muted = QStringLiteral("HealthLabelMuted");
    const QColor buttonIcon(38, 80, 84);

    KIVQContainer* brand = makeContainer(m_header, clear, KIVQContainer::Horizontal, 0, 9, 0, 0, 0, 0);
    fixWidgetWidth(brand, 224);
    makeIconTile(brand, iconPath(QStringLiteral("heart-pulse")), 34, 34, 34, QColor(0, 180, 196), 0);
    m_brandLabel = makeLabel(brand, QStringLiteral("HealthLabelBrand"), 38, 1);

    m_pageCaptionLabel = makeLabel(m_header, muted, 34, 0);
    fixWidgetWidth(m_pageCaptionLabel, 150);
    makeContainer(m_header, clear, KIVQContainer::Horizontal, 1, 0, 0, 0, 0, 0);
    m_updateStampLabel = makeLabel(m_header, muted, 32, 0);
    fixWidgetWidth(m_updateStampLabel, 190);
    makeIconTile(m_header, iconPath(QStringLiteral("user-round")), 25, 25, 25, QColor(77, 112, 115), 0);
    m_userLabel = makeLabel(m_header, QStringLiteral("HealthLabelSmBold"), 32, 0);
    fixWidgetWidth(m_userLabel, 92);

    m_chineseButton = makeButton(m_header, kHeaderButtonActive, QStringLiteral("中文"), 48, 30, QString(), buttonIcon);
    m_englishButton = makeButton(m_header, kHeaderButton, QStringLiteral("EN"), 42, 30, QString(), buttonIcon);
    KIVQPushButton* minimise = makeButton(m_header, QStringLiteral("HealthIconButton"), QString(), 30, 30,
                                          iconPath(QStringLiteral("minus")), buttonIcon);
    m_maximizeButton = makeButton(m_header, QStringLiteral("HealthIconButton"), QString(), 30, 30,
                                  iconPath(QStringLiteral("maximize")), buttonIcon);
    KIVQPushButton* close = makeButton(m_header, QStringLiteral("HealthCloseButton"), QString(), 30, 30,
                                       iconPath(QStringLiteral("x")), QColor(77, 112, 115));

    connect(m_chineseButton, &QPushButton::clicked, this, [this] { setEnglish(false); });
    connect(m_englishButton, &QPushButton::clicked, this, [this] { setEnglish(true); });
    connect(minimise, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_maximizeButton, &QPushButton::clicked, this, &HealthWindow::toggleMaximized);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void HealthWindow::buildSidebar()
{
    const QString clear = QStringLiteral("HealthClear");

    KIVQContainer* section = makeContainer(m_sidebar, clear, KIVQContainer::Vertical, 0, 2, 0, 0, 0, 0);
    fixWidgetHeight(section, 48);
    makeLabel(section, QStringLiteral("HealthLabelEyebrow"), 20, 0)
        ->setObjectName(QStringLiteral("sidebarSectionLabel"));
    makeLabel(section, QStringLiteral("HealthLabelSmBold"), 24, 0)->setObjectName(QStringLiteral("sidebarUnitLabel"));

    static const char* const icons[kPageCount] = {"layout-dashboard", "users", "activity", "file-heart",
                                                  "calendar-days"};
    for (int i = 0; i < kPageCount; ++i) {
        KIVQPushButton* button = makeButton(m_sidebar, i == 0 ? kNavButtonActive : kNavButton, QString(), 0, 42,
                                            iconPath(QLatin1String(icons[i])), QColor(67, 102, 105));
        setButtonIconLeft(button, 13, 38);
        m_navButtons.append(button);
        connect(button, &QPushButton::clicked, this, [this, i] { setPage(i); });
    }

    makeContainer(m_sidebar, clear, KIVQContainer::Vertical, 1, 0, 0, 0, 0, 0);

    KIVQContainer* shift =
        makeContainer(m_sidebar, QStringLiteral("HealthSidebarPanel"), KIVQContainer::Vertical, 0, 3, 10, 9, 10, 9);
    fixWidgetHeight(shift, 92);
    makeLabel(shift, QStringLiteral("HealthLabelXsBold"), 20, 0)->setObjectName(QStringLiteral("sidebarShiftTitle"));
    makeLabel(shift, QStringLiteral("HealthLabelSm"), 22, 0)->setObjectName(QStringLiteral("sidebarShiftValue"));
    makeLabel(shift, QStringLiteral("HealthLabelMuted"), 20, 0)->setObjectName(QStringLiteral("sidebarShiftNote"));
}

// ---- navigation and language ----

void HealthWindow::setPage(int index)
{
    if (index < 0 || index >= kPageCount)
        return;
    m_currentPage = index;
    fitTranslatedWidths();
    m_pageStack->setCurrentIndex(index);
    updateNavButtons();
}

void HealthWindow::updateNavButtons()
{
    for (int i = 0; i < m_navButtons.size(); ++i)
        m_navButtons.at(i)->setThemeName(i == m_currentPage ? kNavButtonActive : kNavButton);
}

void HealthWindow::setEnglish(bool english)
{
    m_english = english ? 1 : 0;
    retranslateUi();
    refreshSnapshot(m_snapshot);
    // The report rows took the other language's texts in place.
    fitReportColumns();
}

void HealthWindow::retranslateUi()
{
    const bool en = m_english != 0;
    auto tr = [en](const char* english, const char* chinese) {
        return en ? QString::fromUtf8(english) : QString::fromUtf8(chinese);
    };

    setWindowTitle(tr("Qt-UI Carevix Patient Records", "Qt-UI Carevix 病人资料系统"));

    m_brandLabel->setText(QStringLiteral("Carevix"));
    m_pageCaptionLabel->setText(tr("Smart Ward · Zone A", "智慧病区 · A 区"));
    m_userLabel->setText(tr("Nurse 01", "护士站 01"));
    m_chineseButton->setThemeName(en ? kHeaderButton : kHeaderButtonActive);
    m_englishButton->setThemeName(en ? kHeaderButtonActive : kHeaderButton);

    static const char* const navTexts[kPageCount][2] = {{"Overview", "总览"},
                                                        {"Patients", "患者资料"},
                                                        {"Monitoring", "实时监测"},
                                                        {"Reports", "检查报告"},
                                                        {"Appointments", "预约管理"}};
    for (int i = 0; i < m_navButtons.size() && i < kPageCount; ++i) {
        m_navButtons.at(i)->setText(tr(navTexts[i][0], navTexts[i][1]));
        m_navButtons.at(i)->setShowText(true);
    }

    static const char* const sidebarTexts[][3] = {
        {"sidebarSectionLabel", "CLINICAL WORKSPACE", "临床工作台"},
        {"sidebarUnitLabel", "Care Command Center", "综合监护中心"},
        {"sidebarShiftTitle", "CURRENT SHIFT", "当前班次"},
        {"sidebarShiftValue", "Day · 08:00-16:00", "白班 · 08:00-16:00"},
        {"sidebarShiftNote", "12 patients · 3 tasks", "12 名患者 · 3 项待办"},
    };
    for (const auto& row : sidebarTexts)
        setLabelText(m_sidebar, row[0], tr(row[1], row[2]));

    if (m_overviewTitle) {
        m_overviewTitle->setText(tr("Ward Overview", "病区总览"));
        const struct
        {
            std::array<KIVQLabel*, 3>& card;
            const char* caption[2];
            const char* note[2];
        } cards[] = {{m_patientsCard, {"Patients", "在院患者"}, {"Across three wards", "综合三个病区"}},
                     {m_criticalCard, {"Critical", "危急患者"}, {"Immediate review", "需要立即处理"}},
                     {m_observationCard, {"Observation", "重点观察"}, {"Under monitoring", "连续监测中"}},
                     {m_occupancyCard, {"Bed Occupancy", "床位使用率"}, {"18 available beds", "18 张开放床位"}}};
        for (const auto& card : cards) {
            card.card[0]->setText(tr(card.caption[0], card.caption[1]));
            card.card[2]->setText(tr(card.note[0], card.note[1]));
        }
        m_overviewTrendCaption->setText(tr("Selected Patient · 24h Trend", "当前患者 24 小时趋势"));
        m_distributionCaption->setText(tr("Patient Distribution", "患者状态分布"));
        m_attentionCaption->setText(tr("Clinical Attention Queue", "临床关注队列"));
        m_focusCaption->setText(tr("Selected Patient", "当前患者"));
        if (auto* button = m_pages.at(0)->findChild<KIVQPushButton*>(QStringLiteral("focusMonitorButton"))) {
            button->setText(tr("Open Monitoring", "查看实时监测"));
            button->setShowText(true);
        }
    }

    if (m_patientsTitle) {
        m_patientsTitle->setText(tr("Patient Records", "患者资料"));
        m_patientsSubtitle->setText(
            tr("Search and inspect longitudinal clinical records", "查询患者并查看完整临床档案"));
        m_searchEdit->setPlaceholderText(tr("Search name, ID, or diagnosis", "搜索姓名、编号或诊断"));
        m_searchEdit->update();
    }
    refreshFilterCombos();

    if (m_monitoringTitle) {
        m_monitoringTitle->setText(tr("Live Vital Monitoring", "实时生命体征"));
        m_monitoringTrendCaption->setText(tr("24-Hour Vital Trends", "24 小时生命体征"));
        m_activityCaption->setText(tr("Recovery & Adherence", "康复与依从性"));
        m_infoTitle->setText(tr("Clinical Note", "临床提示"));
    }

    if (m_reportsTitle)
        m_reportsTitle->setText(tr("Medical Reports", "检查报告"));

    if (m_appointmentsTitle) {
        m_appointmentsTitle->setText(tr("Appointment Management", "预约管理"));
        m_newAppointmentButton->setText(tr("New Appointment", "新增预约"));
        m_newAppointmentButton->setShowText(true);
        m_cancelAppointmentButton->setText(tr("Cancel", "取消预约"));
        m_cancelAppointmentButton->setShowText(true);
    }

    retranslateDrawers();
    refreshPatientCombos();
    updateNavButtons();
    m_fittedPages = 0;
    fitTranslatedWidths();
}

// The English texts run longer than the Chinese ones the tool rows were sized for: a filter or a button
// grows to its widest text instead of eliding it or running it into its icon. Only the current page is
// measured: measuring loads the glyphs of every text, and the others are fitted as they are shown.
void HealthWindow::fitTranslatedWidths()
{
    if (m_fittedPages & (1u << m_currentPage))
        return;
    m_fittedPages |= 1u << m_currentPage;
    auto elsewhere = [this](QWidget* widget) {
        for (int i = 0; i < m_pages.size(); ++i) {
            if (i != m_currentPage && m_pages.at(i)->isAncestorOf(widget))
                return true;
        }
        return false;
    };
    constexpr int kIconExtent = 20;
    constexpr int kIconGap = 6;
    constexpr int kTextGap = 4;
    constexpr int kComboTextInset = 10; // where the combo box starts a left-aligned text at the least
    QSet<QWidget*> rows;
    for (KIVQComboBox* combo :
         {m_departmentCombo, m_statusCombo, m_reportTypeFilter, m_reportStatusFilter, m_appointmentFilter}) {
        if (!combo || elsewhere(combo))
            continue;
        const TextStyleDesc& style = combo->getTextStyle(CtrlNormal);
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, KIVQPaintHelpers::measureText(style, combo->itemText(i)).width());
        // Text inset, the text, paintText's 2, a gap and the square drop-down button.
        const int inset = std::max(style.x, kComboTextInset);
        if (fitWidgetWidth(combo, inset + widest + 2 + kTextGap + combo->height()))
            rows.insert(combo->parentWidget());
    }
    for (KIVQPushButton* button : {m_newAppointmentButton, m_cancelAppointmentButton}) {
        if (!button || elsewhere(button))
            continue;
        // The caption is centred right of the text offset; it must clear the icon on its left.
        const int iconRight = button->getIconStyle().offsetX + kIconExtent + kIconGap;
        const int text = KIVQPaintHelpers::measureText(button->getTextStyle(CtrlNormal), button->text()).width() + 2;
        if (fitWidgetWidth(button, 2 * iconRight - button->getTextOffsetX() + text))
            rows.insert(button->parentWidget());
    }
    for (QWidget* row : rows) {
        if (auto* container = qobject_cast<KIVQContainer*>(row))
            container->forceResize();
    }
}

// ---- records ----

QString HealthWindow::iconPath(const QString& name)
{
    return QStringLiteral(":/carevix/icons/") + name + QStringLiteral(".svg");
}

QString HealthWindow::statusText(int status) const
{
    // Asked for by every row of every tick, so each text is decoded once.
    static const QString texts[][2] = {{QStringLiteral("Stable"), QStringLiteral("稳定")},
                                       {QStringLiteral("Observation"), QStringLiteral("观察")},
                                       {QStringLiteral("Critical"), QStringLiteral("危急")},
                                       {QStringLiteral("Recovering"), QStringLiteral("康复")}};
    if (status < 0 || status > 3)
        return QString();
    return texts[status][m_english ? 0 : 1];
}

const PatientRecord* HealthWindow::findPatient(const QString& id) const
{
    for (const PatientRecord& patient : m_snapshot.patients) {
        if (patient.id.compare(id, Qt::CaseInsensitive) == 0)
            return &patient;
    }
    return nullptr;
}

// ---- window and drawers ----

void HealthWindow::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void HealthWindow::resizeEvent(QResizeEvent* event)
{
    KIVQWindow::resizeEvent(event);
    layoutDrawers();
}

void HealthWindow::layoutDrawers()
{
    if (!m_root)
        return;
    static_cast<IKIVQWidgetBase*>(m_root)->setGeometry(0, 0, width(), height());
    m_root->forceResize();

    const int drawerHeight = qMax(m_pageStack->height() - kDrawerGap, kDrawerMinHeight);
    const std::pair<KIVQContainer*, bool> drawers[] = {{m_patientDrawer, m_patientDrawerExpanded},
                                                       {m_appointmentDrawer, m_appointmentDrawerExpanded}};
    for (const auto& [drawer, expanded] : drawers) {
        if (!drawer)
            continue;
        drawer->setMinimumHeight(drawerHeight);
        drawer->setMaximumHeight(drawerHeight);
        // A running animation owns the width; only the height follows the window.
        if (!drawer->isResizeAnimationRunning())
            drawer->resize(expanded ? kDrawerWidth : drawer->width(), drawerHeight);
        drawer->resizeWidget();
        drawer->raise();
        // The page docked the drawer at its old height; dock it again at the new one.
        if (auto* page = qobject_cast<KIVQContainer*>(drawer->parentWidget()))
            page->forceResize();
    }
}

void HealthWindow::setPatientDrawerExpanded(bool expanded)
{
    animateDrawer(m_patientDrawer, expanded, m_patientDrawerExpanded);
}

void HealthWindow::setAppointmentDrawerExpanded(bool expanded)
{
    animateDrawer(m_appointmentDrawer, expanded, m_appointmentDrawerExpanded);
}
