#include "KIVQRibbonBar.h"

#include "KIVQRibbonBarImpl.h"
#include "KIVQRibbonButton.h"
#include "KIVQRibbonContextGroup.h"
#include "KIVQRibbonGallery.h"
#include "KIVQRibbonMenu.h"
#include "KIVQRibbonPage.h"

#include "core/layout/KIVQContainer.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <utility>

namespace KIVQtLib {

namespace {

constexpr int kMaxHeight = kWidgetMaxSize;
constexpr int kMinRowHeight = 24;
constexpr int kTabArrowWidth = 20;
constexpr int kTabScrollStep = 100;

const char kContentLeft[] = "kivRibbonContentLeft";
const char kContentRight[] = "kivRibbonContentRight";
const char kContextColor[] = "kivRibbonContextColor";

KIVQContainer* makeRow(QWidget* parent)
{
    auto* row = new KIVQContainer(parent);
    row->setChildLayout(KIVQContainer::NoUse);
    // The bar's content travels in "ribbon"; written as children the rows would come back as strays.
    KIVQWidgetBaseImpl::markInternalChild(row);
    return row;
}

// Hidden by a call rather than merely not yet shown with its parent.
bool explicitlyHidden(const QWidget* w)
{
    return w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// Whether the widgets lie in this order above every other shown child of their parent but those in `over`.
bool stackedOnTop(const QWidget* parent, const QVector<QWidget*>& order, std::initializer_list<const QWidget*> over)
{
    const QObjectList& children = parent->children();
    int next = order.size() - 1;
    for (auto it = children.crbegin(); it != children.crend() && next >= 0; ++it) {
        if (*it == order.at(next)) {
            --next;
            continue;
        }
        const auto* widget = qobject_cast<const QWidget*>(*it);
        if (widget && !widget->isHidden() && std::find(over.begin(), over.end(), widget) == over.end())
            return false;
    }
    return next < 0;
}

void moveTo(QWidget* w, QWidget* host)
{
    if (w->parentWidget() == host)
        return;
    const bool hidden = explicitlyHidden(w);
    w->setParent(host);
    w->setVisible(!hidden);
}

// A widget whose click may still be running below us: out of sight now, deleted by the event loop.
void retire(QObject* object)
{
    if (!object)
        return;
    object->disconnect();
    if (auto* w = qobject_cast<QWidget*>(object))
        w->hide();
    object->deleteLater();
}

void styleStates(KIVQRibbonButton* button, const StateStyles<FillStyle>& fills, const TextStyleDesc& text)
{
    for (int s = 0; s < kStateCount; ++s) {
        button->setBackground(CtrlState(s), fills.get(s));
        button->setUseFillStyle(CtrlState(s), true);
        button->setTextStyle(CtrlState(s), text);
    }
    button->update();
}

} // namespace

KIVQRibbonBar::KIVQRibbonBar(QWidget* parent) : KIVQControlBase(parent)
{
    m_topRow = makeRow(this);
    m_tabRow = makeRow(this);
    m_pageArea = makeRow(this);
    m_popup = new KIVQContainer(nullptr);
    m_popup->setChildLayout(KIVQContainer::NoUse);
    m_popup->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_popup->installEventFilter(this);

    m_appButton = new KIVQRibbonButton(m_topRow, KIV_RIBBON_SMALL);
    m_appButton->setObjectName(QStringLiteral("ribbonApplicationButton"));
    m_appButton->setText(QStringLiteral("File"));
    m_appButton->hide();
    m_tabLeft = new KIVQRibbonButton(m_tabRow, KIV_RIBBON_SMALL);
    m_tabLeft->setText(QStringLiteral("<"));
    m_tabLeft->hide();
    m_tabRight = new KIVQRibbonButton(m_tabRow, KIV_RIBBON_SMALL);
    m_tabRight->setText(QStringLiteral(">"));
    m_tabRight->hide();
    connect(m_tabLeft, &QAbstractButton::clicked, this, [this] {
        m_tabOffset = std::max(m_tabOffset - kTabScrollStep, 0);
        layoutTabs();
    });
    connect(m_tabRight, &QAbstractButton::clicked, this, [this] {
        m_tabOffset += kTabScrollStep;
        layoutTabs();
    });

    attachImpl();
    applyStyles();
    updateLayout();
}

KIVQRibbonBar::~KIVQRibbonBar()
{
    closePopup();
    // Actions outlive the bar where others own them; none may call back into a half-destroyed bar.
    for (QAction* action : qAsConst(m_registered))
        disconnect(action, nullptr, this, nullptr);
    m_registered.clear();
    m_registeredSet.clear();
    // The widget base deletes the pages and rows after this object's members are gone.
    for (KIVQRibbonPage* page : qAsConst(m_pages)) {
        disconnect(page, &QObject::destroyed, this, nullptr);
        page->setRibbonHost(nullptr);
    }
    for (QObject* object : m_quickAccess + m_topRight)
        disconnect(object, &QObject::destroyed, this, nullptr);
    for (QObject* tab : qAsConst(m_tabButtons))
        disconnect(tab, &QObject::destroyed, this, nullptr);
    for (QObject* group : qAsConst(m_contextGroups))
        disconnect(group, &QObject::destroyed, this, nullptr);
    m_popup->removeEventFilter(this);
    delete m_popup;
    m_popup = nullptr;
}

ControlInfo KIVQRibbonBar::getProps()
{
    return kivMakeControlInfo(typeName(), "KIVQRibbonBar", "RibbonBar", "Dravel themed ribbon command surface",
                              "ribbonbar");
}

// ---- pages and context groups ----

KIVQRibbonPage* KIVQRibbonBar::addPage(const QString& id, const QString& title)
{
    return insertPage(pageCount(), id, title);
}

KIVQRibbonPage* KIVQRibbonBar::insertPage(int index, const QString& id, const QString& title)
{
    auto* page = new KIVQRibbonPage(id, title.isEmpty() ? id : title, m_pageArea);
    page->setRibbonHost(this);
    page->hide();
    m_pages.insert(std::clamp(index, 0, int(m_pages.size())), page);
    if (!m_current)
        m_current = page;
    // A page deleted by its owner leaves the tabs at once.
    connect(page, &QObject::destroyed, this, [this, page] {
        forgetPage(page);
        rebuildTabs();
    });
    rebuildTabs();
    return page;
}

void KIVQRibbonBar::forgetPage(KIVQRibbonPage* page)
{
    for (KIVQRibbonContextGroup* group : qAsConst(m_contextGroups))
        group->m_pages.removeAll(page);
    m_pages.removeAll(page);
    m_visiblePages.removeAll(page);
    if (m_current == page)
        m_current = m_pages.value(0);
}

void KIVQRibbonBar::detachPage(KIVQRibbonPage* page)
{
    forgetPage(page);
    releasePage(page);
}

void KIVQRibbonBar::releasePage(KIVQRibbonPage* page)
{
    disconnect(page, &QObject::destroyed, this, nullptr);
    page->setRibbonHost(nullptr);
    page->setContextGroup(nullptr);
    retire(page);
}

bool KIVQRibbonBar::removePage(KIVQRibbonPage* page)
{
    if (!page || !m_pages.contains(page))
        return false;
    detachPage(page);
    rebuildTabs();
    return true;
}

void KIVQRibbonBar::clearPages()
{
    // Forgotten at once: page by page, a document's thousands of pages take quadratic time.
    for (KIVQRibbonContextGroup* group : qAsConst(m_contextGroups))
        group->m_pages.clear();
    m_visiblePages.clear();
    m_current = nullptr;
    for (KIVQRibbonPage* page : std::exchange(m_pages, {}))
        releasePage(page);
    rebuildTabs();
}

int KIVQRibbonBar::pageCount() const
{
    return m_pages.size();
}

KIVQRibbonPage* KIVQRibbonBar::pageAt(int index) const
{
    return m_pages.value(index);
}

KIVQRibbonPage* KIVQRibbonBar::pageById(const QString& id) const
{
    for (KIVQRibbonPage* page : m_pages) {
        if (page->pageId() == id)
            return page;
    }
    return nullptr;
}

KIVQRibbonPage* KIVQRibbonBar::currentPageWidget() const
{
    return m_current;
}

int KIVQRibbonBar::currentPage() const
{
    return m_current ? m_pages.indexOf(m_current) : -1;
}

KIVQRibbonContextGroup* KIVQRibbonBar::addContextGroup(const QString& id, const QString& title, const QColor& color)
{
    if (KIVQRibbonContextGroup* existing = contextGroupById(id))
        return existing;
    return appendContextGroup(id, title, color);
}

KIVQRibbonContextGroup* KIVQRibbonBar::appendContextGroup(const QString& id, const QString& title, const QColor& color)
{
    auto* group = new KIVQRibbonContextGroup(id, title, color, this);
    m_contextGroups.append(group);
    // Deleted by its holder, the group takes its pages with it.
    connect(group, &QObject::destroyed, this, [this, group] {
        m_contextGroups.removeAll(group);
        const QList<KIVQRibbonPage*> pages = m_pages;
        for (KIVQRibbonPage* page : pages) {
            if (page->contextGroup() == group)
                detachPage(page);
        }
        rebuildTabs();
    });
    return group;
}

KIVQRibbonContextGroup* KIVQRibbonBar::contextGroupById(const QString& id) const
{
    for (KIVQRibbonContextGroup* group : m_contextGroups) {
        if (group->contextId() == id)
            return group;
    }
    return nullptr;
}

void KIVQRibbonBar::showContextGroup(const QString& id)
{
    KIVQRibbonContextGroup* group = contextGroupById(id);
    if (!group)
        return;
    group->m_visible = true;
    rebuildTabs();
}

void KIVQRibbonBar::hideContextGroup(const QString& id)
{
    KIVQRibbonContextGroup* group = contextGroupById(id);
    if (!group)
        return;
    group->m_visible = false;
    if (m_current && m_current->contextGroup() == group) {
        m_current = nullptr;
        for (KIVQRibbonPage* page : qAsConst(m_pages)) {
            KIVQRibbonContextGroup* owner = page->contextGroup();
            if (!owner || owner->isVisible()) {
                m_current = page;
                break;
            }
        }
    }
    rebuildTabs();
}

void KIVQRibbonBar::attachToPage(KIVQRibbonPage* page, KIVQRibbonContextGroup* group)
{
    page->setContextGroup(group);
    group->m_pages.append(page);
    rebuildTabs();
}

QList<KIVQRibbonButton*> KIVQRibbonBar::tabButtons() const
{
    return m_tabButtons;
}

// ---- current page and tabs ----

bool KIVQRibbonBar::setCurrentPage(int index)
{
    KIVQRibbonPage* page = m_pages.value(index);
    if (!page || !m_visiblePages.contains(page))
        return false;
    m_current = page;
    updatePageVisibility();
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        const QSignalBlocker block(m_tabButtons.at(i));
        m_tabButtons.at(i)->setChecked(m_visiblePages.value(i) == page);
    }
    layoutTabs();
    const QPointer<KIVQRibbonBar> alive(this);
    Q_EMIT currentPageChanged(index);
    if (alive && m_minimized)
        openPopup();
    return true;
}

bool KIVQRibbonBar::setCurrentPage(const QString& id)
{
    KIVQRibbonPage* page = pageById(id);
    return page && setCurrentPage(m_pages.indexOf(page));
}

void KIVQRibbonBar::onTabClicked(KIVQRibbonPage* page)
{
    if (page && page == m_current && !m_minimized) {
        storeMinimized(true);
        return;
    }
    setCurrentPage(page ? m_pages.indexOf(page) : -1);
}

void KIVQRibbonBar::rebuildTabs()
{
    // A load adds its pages one by one and builds the tabs once at its end.
    if (!m_loading)
        buildTabs();
}

void KIVQRibbonBar::buildTabs()
{
    for (KIVQRibbonButton* tab : qAsConst(m_tabButtons))
        retire(tab);
    m_tabButtons.clear();
    m_visiblePages.clear();

    const KIVQRibbonBarImpl* d = impl();
    for (KIVQRibbonPage* page : qAsConst(m_pages)) {
        KIVQRibbonContextGroup* group = page->contextGroup();
        if (group && !group->isVisible())
            continue;
        m_visiblePages.append(page);
        auto* tab = new KIVQRibbonButton(m_tabRow, KIV_RIBBON_SMALL);
        tab->setObjectName(QStringLiteral("ribbonTab_%1").arg(page->pageId()));
        tab->setText(page->title());
        tab->setCheckable(true);
        tab->setChecked(page == m_current);
        tab->setProperty(kContextColor, group ? group->color() : QColor());
        const QPointer<KIVQRibbonPage> target(page);
        connect(tab, &QAbstractButton::clicked, this, [this, target] { onTabClicked(target.data()); });
        if (d)
            styleStates(tab, d->tabFills, d->tabText);
        tab->show();
        m_tabButtons.append(tab);
        // Handed out by tabButtons(): one deleted by someone else is replaced by a new tab for its page.
        connect(tab, &QObject::destroyed, this, [this, tab] {
            m_tabButtons.removeOne(tab);
            rebuildTabs();
        });
    }
    if (!m_visiblePages.contains(m_current))
        m_current = m_visiblePages.value(0);
    // New tabs lie on top of their row, where compact mode keeps the head widgets.
    stackHead();
    updatePageVisibility();
    layoutTabs();
}

void KIVQRibbonBar::updatePageVisibility()
{
    const bool showing = !m_minimized || m_popup->isVisible();
    for (KIVQRibbonPage* page : qAsConst(m_pages))
        page->setVisible(page == m_current && showing);
    if (m_current) {
        m_current->setGeometry(0, 0, m_pageArea->width(), m_pageArea->height());
        m_current->raise();
    }
}

void KIVQRibbonBar::layoutTabs()
{
    const int rowWidth = m_tabRow->width();
    const int rowHeight = m_tabRow->height();
    const bool compact = m_layoutMode == KIV_RIBBON_LAYOUT_COMPACT;
    int left = compact ? m_tabRow->property(kContentLeft).toInt() : 4;
    int right = compact ? m_tabRow->property(kContentRight).toInt() : rowWidth - 4;
    // Left of no room at all, the tabs would all be out of sight: they take the whole row instead.
    if (right <= left) {
        left = 4;
        right = rowWidth - 4;
    }
    const int arrowLeft = compact ? left : 0;

    QVector<int> widths;
    qint64 total = 0;
    for (KIVQRibbonButton* tab : qAsConst(m_tabButtons)) {
        const int advance = KIVQPaintHelpers::textAdvance(QFontMetrics(tab->font()), tab->text());
        widths.append(std::clamp(advance + 28, 68, 150));
        total += widths.last() + 2;
    }
    m_totalTabWidth = int(std::min<qint64>(total, kWidgetMaxSize));

    const bool overflow = m_totalTabWidth > std::max(right - left, 0);
    if (overflow) {
        left += kTabArrowWidth;
        right -= kTabArrowWidth;
        m_tabOffset = std::clamp(m_tabOffset, 0, std::max(m_totalTabWidth - (right - left), 0));
    } else {
        m_tabOffset = 0;
    }

    int x = left - m_tabOffset;
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        KIVQRibbonButton* tab = m_tabButtons.at(i);
        const int w = widths.at(i);
        tab->setGeometry(x, 1, w, std::max(rowHeight - 2, 0));
        {
            const QSignalBlocker block(tab);
            tab->setChecked(m_visiblePages.value(i) == m_current);
        }
        tab->setVisible(x + w > left && x < right);
        x += w + 2;
    }

    m_tabLeft->setVisible(overflow);
    m_tabRight->setVisible(overflow);
    m_tabLeft->setEnabled(m_tabOffset > 0);
    m_tabRight->setEnabled(m_tabOffset < std::max(m_totalTabWidth - right + left, 0));
    if (overflow) {
        m_tabLeft->setGeometry(arrowLeft, 0, kTabArrowWidth, rowHeight);
        m_tabRight->setGeometry(rowWidth - kTabArrowWidth, 0, kTabArrowWidth, rowHeight);
        m_tabLeft->raise();
        m_tabRight->raise();
    }
}

bool KIVQRibbonBar::isTabOverflowing() const
{
    return m_totalTabWidth > m_tabRow->width();
}

int KIVQRibbonBar::tabScrollOffset() const
{
    return m_tabOffset;
}

// ---- top row ----

void KIVQRibbonBar::setApplicationMenu(const QString& text, KIVQRibbonMenu* menu, const QString& icon)
{
    m_appButton->setText(text);
    m_appButton->setRibbonIcon(icon);
    m_appButton->setPopupMode(KIV_RIBBON_POPUP_INSTANT);
    if (menu && menu->parentWidget() != m_appButton)
        menu->setParent(m_appButton, menu->windowFlags());
    m_appButton->setPopupMenu(menu);
    m_appMenu = menu;
    m_appButton->setVisible(menu != nullptr);
    for (QAction* action : KIVQRibbonMenu::commandActions(menu))
        registerAction(action);
    updateLayout();
}

KIVQRibbonButton* KIVQRibbonBar::applicationButton() const
{
    return m_appButton;
}

KIVQRibbonButton* KIVQRibbonBar::addQuickAction(QAction* action)
{
    if (!action)
        return nullptr;
    registerAction(action);
    auto* button = new KIVQRibbonButton(m_topRow, KIV_RIBBON_SMALL);
    button->setRibbonAction(action);
    button->setShowText(false);
    button->setToolTip(action->text());
    button->show();
    m_quickAccess.append(button);
    forgetOnDestroy(button, m_quickAccess);
    styleButton(button);
    updateLayout();
    return button;
}

void KIVQRibbonBar::addTopRightWidget(QWidget* widget)
{
    if (!widget || m_topRight.contains(widget))
        return;
    const bool hidden = explicitlyHidden(widget);
    widget->setParent(m_topRow);
    widget->setVisible(!hidden);
    m_topRight.append(widget);
    forgetOnDestroy(widget, m_topRight);
    updateLayout();
}

void KIVQRibbonBar::forgetOnDestroy(QWidget* widget, QList<QWidget*>& list)
{
    // Deleted by its owner, the widget leaves the top row at once.
    connect(widget, &QObject::destroyed, this, [this, widget, &list] {
        list.removeAll(widget);
        updateLayout();
    });
}

QList<QWidget*> KIVQRibbonBar::quickAccessWidgets() const
{
    return m_quickAccess;
}

QList<QWidget*> KIVQRibbonBar::topRightWidgets() const
{
    return m_topRight;
}

// ---- commands ----

void KIVQRibbonBar::registerAction(QAction* action)
{
    if (!action)
        return;
    // A load registers up to tens of thousands of commands, most of them twice.
    if (m_registeredSet.contains(action))
        return;
    m_registered.append(action);
    m_registeredSet.insert(action);
    connect(action, &QObject::destroyed, this, [this, action] {
        m_registered.removeOne(action);
        m_registeredSet.remove(action);
    });
    connect(action, &QAction::triggered, this,
            [this, action] { Q_EMIT commandTriggered(action->objectName(), action->isChecked()); });
}

QAction* KIVQRibbonBar::findAction(const QString& id) const
{
    for (QAction* action : m_registered) {
        if (action->objectName() == id)
            return action;
    }
    return nullptr;
}

// ---- modes and geometry ----

void KIVQRibbonBar::setLayoutMode(KIV_RIBBON_LAYOUT_MODE mode)
{
    if (m_layoutMode == mode)
        return;
    m_layoutMode = mode;
    m_groupRows = mode == KIV_RIBBON_LAYOUT_COMPACT ? 2 : 3;
    Q_EMIT layoutModeChanged(mode);
    updateGeometry();
    updateLayout();
}

KIV_RIBBON_LAYOUT_MODE KIVQRibbonBar::layoutMode() const
{
    return static_cast<KIV_RIBBON_LAYOUT_MODE>(m_layoutMode);
}

void KIVQRibbonBar::setMinimized(bool minimized)
{
    if (m_minimized == minimized)
        return;
    storeMinimized(minimized);
}

void KIVQRibbonBar::storeMinimized(bool minimized)
{
    m_minimized = minimized;
    if (!minimized)
        closePopup();
    const QPointer<KIVQRibbonBar> alive(this);
    Q_EMIT minimizedChanged(minimized);
    if (!alive)
        return;
    updateGeometry();
    updateLayout();
}

bool KIVQRibbonBar::isMinimized() const
{
    return m_minimized;
}

// Bounded so that the head and page heights add up without overflow.
void KIVQRibbonBar::storeHeight(int& field, int height)
{
    field = std::clamp(height, 0, kMaxHeight);
    updateGeometry();
}

void KIVQRibbonBar::setTopRowHeight(int height)
{
    storeHeight(m_topRowHeight, height);
}

int KIVQRibbonBar::topRowHeight() const
{
    return m_topRowHeight;
}

void KIVQRibbonBar::setTabRowHeight(int height)
{
    storeHeight(m_tabRowHeight, height);
}

int KIVQRibbonBar::tabRowHeight() const
{
    return m_tabRowHeight;
}

void KIVQRibbonBar::setPageHeight(int height)
{
    storeHeight(m_pageHeight, height);
}

int KIVQRibbonBar::pageHeight() const
{
    return m_pageHeight;
}

void KIVQRibbonBar::setGroupRows(int rows)
{
    m_groupRows = std::clamp(rows, 2, 3);
}

int KIVQRibbonBar::groupRows() const
{
    return m_groupRows;
}

int KIVQRibbonBar::headHeight() const
{
    const int top = std::max(m_topRowHeight, kMinRowHeight);
    const int tabs = std::max(m_tabRowHeight, kMinRowHeight);
    return m_layoutMode == KIV_RIBBON_LAYOUT_COMPACT ? std::max(top, tabs) : top + tabs;
}

bool KIVQRibbonBar::showsAppButton() const
{
    return !explicitlyHidden(m_appButton) && m_appMenu;
}

void KIVQRibbonBar::stackHead()
{
    // Each lies above the ones placed before it, and all above the tabs of a compact row.
    QVector<QWidget*> stack;
    stack.reserve(m_quickAccess.size() + m_topRight.size() + 1);
    if (showsAppButton())
        stack.append(m_appButton);
    for (QWidget* widget : qAsConst(m_quickAccess))
        stack.append(widget);
    for (int i = m_topRight.size() - 1; i >= 0; --i)
        stack.append(m_topRight.at(i));
    // A raise walks the row's children: only a row out of that order is stacked again.
    QWidget* host = m_layoutMode == KIV_RIBBON_LAYOUT_COMPACT ? static_cast<QWidget*>(m_tabRow) : m_topRow;
    if (!stackedOnTop(host, stack, {m_tabLeft, m_tabRight})) {
        for (QWidget* widget : qAsConst(stack))
            widget->raise();
    }
}

void KIVQRibbonBar::updateLayout()
{
    // A load lays the bar out once, at its end.
    if (m_loading)
        return;
    const int top = std::max(m_topRowHeight, kMinRowHeight);
    const int tabs = std::max(m_tabRowHeight, kMinRowHeight);
    const bool compact = m_layoutMode == KIV_RIBBON_LAYOUT_COMPACT;
    const int head = headHeight();
    const int w = width();

    m_topRow->setGeometry(0, 0, w, top);
    m_topRow->setVisible(!compact);
    m_tabRow->setGeometry(0, compact ? 0 : top, w, tabs);
    m_tabRow->setVisible(true);

    QWidget* host = compact ? static_cast<QWidget*>(m_tabRow) : m_topRow;
    moveTo(m_appButton, host);
    for (QWidget* widget : qAsConst(m_quickAccess))
        moveTo(widget, host);
    for (QWidget* widget : qAsConst(m_topRight))
        moveTo(widget, host);

    int x = 4;
    if (showsAppButton()) {
        const int appWidth = std::max(m_appButton->sizeHint().width(), 54);
        m_appButton->setGeometry(4, 2, appWidth, top - 4);
        x = appWidth + 8;
    }
    for (QWidget* widget : qAsConst(m_quickAccess)) {
        auto* button = qobject_cast<KIVQRibbonButton*>(widget);
        const int qw = button && !button->getShowText() ? 28 : std::clamp(widget->sizeHint().width(), 24, 90);
        widget->setGeometry(x, 3, qw, top - 6);
        x += qw + 2;
    }
    int r = w - 4;
    for (int i = m_topRight.size() - 1; i >= 0; --i) {
        QWidget* widget = m_topRight.at(i);
        const int rw = std::clamp(widget->sizeHint().width(), 40, 180);
        widget->setGeometry(r - rw, 3, rw, top - 6);
        r -= rw + 4;
    }
    stackHead();
    m_tabRow->setProperty(kContentLeft, compact ? x + 4 : 4);
    m_tabRow->setProperty(kContentRight, (compact ? r : w) - 4);
    layoutTabs();

    if (!m_minimized && m_pageArea->parentWidget() != this) {
        m_popup->hide();
        reclaimPageArea();
    }
    if (m_pageArea->parentWidget() != this) {
        updatePageVisibility();
        update();
        return;
    }
    m_pageArea->setGeometry(0, head, w, std::max(height() - head, 0));
    m_pageArea->setVisible(!m_minimized);
    updatePageVisibility();
    update();
}

QSize KIVQRibbonBar::sizeHint() const
{
    return QSize(720, headHeight() + (m_minimized ? 0 : std::max(m_pageHeight, 64)));
}

// ---- minimised popup ----

void KIVQRibbonBar::openPopup()
{
    // A popup grabs input: never from inside a load, and never for a bar nobody sees.
    if (!m_minimized || !m_current || m_loading || !isVisible())
        return;
    if (m_pageArea->parentWidget() != m_popup)
        m_pageArea->setParent(m_popup);
    const QPoint origin = mapToGlobal(QPoint(0, headHeight()));
    m_popup->setGeometry(origin.x(), origin.y(), width(), m_pageHeight);
    m_pageArea->setGeometry(0, 0, m_popup->width(), m_popup->height());
    m_pageArea->show();
    m_popup->show();
    updatePageVisibility();
    m_popup->raise();
}

void KIVQRibbonBar::reclaimPageArea()
{
    if (m_pageArea->parentWidget() != this) {
        m_pageArea->setParent(this);
        m_pageArea->hide();
    }
}

void KIVQRibbonBar::closePopup()
{
    if (m_popup->isVisible())
        m_popup->hide();
    reclaimPageArea();
}

QWidget* KIVQRibbonBar::popupContainer() const
{
    return m_popup;
}

QWidget* KIVQRibbonBar::pageArea() const
{
    return m_pageArea;
}

QWidget* KIVQRibbonBar::topRow() const
{
    return m_topRow;
}

QWidget* KIVQRibbonBar::tabRow() const
{
    return m_tabRow;
}

bool KIVQRibbonBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup && event->type() == QEvent::Hide) {
        reclaimPageArea();
        updatePageVisibility();
    }
    return KIVQControlBase::eventFilter(watched, event);
}

void KIVQRibbonBar::paintEvent(QPaintEvent* event)
{
    KIVQControlBase::paintEvent(event);
}

void KIVQRibbonBar::resizeEvent(QResizeEvent* event)
{
    KIVQControlBase::resizeEvent(event);
    updateLayout();
}

// ---- styles ----

const FillStyle& KIVQRibbonBar::groupBackground() const
{
    return impl()->groupFill;
}

const TextStyleDesc& KIVQRibbonBar::groupTitleStyle() const
{
    return impl()->groupTitleText;
}

void KIVQRibbonBar::galleryItemTriggered(const QString& commandId)
{
    Q_EMIT commandTriggered(commandId, false);
}

void KIVQRibbonBar::pageTitleChanged()
{
    rebuildTabs();
}

void KIVQRibbonBar::styleButton(KIVQRibbonButton* button) const
{
    if (button && impl())
        styleStates(button, impl()->buttonFills, impl()->buttonText);
}

void KIVQRibbonBar::applyStyles()
{
    const KIVQRibbonBarImpl* d = impl();
    if (!d)
        return;
    m_topRow->setBackground(d->rowFill);
    m_tabRow->setBackground(d->rowFill);
    m_pageArea->setBackground(d->pageAreaFill);
    for (KIVQRibbonButton* button : {m_appButton, m_tabLeft, m_tabRight})
        styleButton(button);
    for (KIVQRibbonButton* tab : qAsConst(m_tabButtons))
        styleStates(tab, d->tabFills, d->tabText);
    const QSet<KIVQRibbonButton*> tabs(m_tabButtons.cbegin(), m_tabButtons.cend());
    // The page area may be lent to the popup; then its tree is walked as well as the bar's.
    QList<QWidget*> roots{this};
    if (m_pageArea->parentWidget() != this)
        roots << m_pageArea;
    for (QWidget* root : qAsConst(roots)) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (auto* button = qobject_cast<KIVQRibbonButton*>(w)) {
                if (!tabs.contains(button))
                    styleButton(button);
            } else if (auto* gallery = qobject_cast<KIVQRibbonGallery*>(w)) {
                gallery->setBackground(d->galleryFill);
            }
        }
    }
    update();
}

// ---- content ----

void KIVQRibbonBar::clearContent()
{
    closePopup();
    clearPages();
    for (KIVQRibbonContextGroup* group : std::exchange(m_contextGroups, {})) {
        disconnect(group, &QObject::destroyed, this, nullptr);
        delete group;
    }
    for (QWidget* widget : qAsConst(m_quickAccess))
        retire(widget);
    m_quickAccess.clear();
    for (QWidget* widget : qAsConst(m_topRight))
        retire(widget);
    m_topRight.clear();
    const QList<QAction*> registered = std::exchange(m_registered, {});
    m_registeredSet.clear();
    for (QAction* action : registered) {
        disconnect(action, nullptr, this, nullptr);
        // The bar's own commands go with its content; others' stay with their owners.
        if (action->parent() == this)
            retire(action);
    }
    if (m_appMenu)
        retire(m_appMenu.data());
    m_appMenu = nullptr;
    m_appButton->setPopupMenu(nullptr);
    m_appButton->hide();
}

} // namespace KIVQtLib
