#include "KIVQRibbonGallery.h"

#include "KIVQRibbonButton.h"
#include "KIVQRibbonGroup.h"
#include "KIVQRibbonHost.h"
#include "KIVQRibbonMenu.h"
#include "KIVQRibbonPage.h"

#include "core/KIVQPaintHelpers.h"

#include <QAction>
#include <QEvent>

#include <utility>

namespace KIVQtLib {

namespace {

constexpr int kStripWidth = 20;
constexpr int kMaxCount = 1000;

// The look a ribbon bar gives its galleries, so that a gallery shown on its own is not the container grey.
FillStyle galleryBackground()
{
    FillStyle fill;
    fill.res.colour = QColor(255, 255, 255);
    fill.res.borderColour = QColor(207, 214, 224);
    fill.res.borderSize = 1;
    fill.res.round = 3;
    return fill;
}

} // namespace

KIVQRibbonGallery::KIVQRibbonGallery(QWidget* parent)
    : KIVQContainer(parent, QStringLiteral("qtribbongallery")), m_up(new KIVQRibbonButton(this, KIV_RIBBON_SMALL)),
      m_down(new KIVQRibbonButton(this, KIV_RIBBON_SMALL)), m_more(new KIVQRibbonButton(this, KIV_RIBBON_SMALL))
{
    setChildLayout(NoUse);
    setBackground(galleryBackground());
    m_up->setText(QStringLiteral("^"));
    m_down->setText(QStringLiteral("v"));
    m_more->setText(QStringLiteral("..."));
    for (KIVQRibbonButton* button : {m_up, m_down, m_more})
        KIVQWidgetBaseImpl::markInternalChild(button);
    connect(m_up, &QAbstractButton::clicked, this, [this] { changePage(-1); });
    connect(m_down, &QAbstractButton::clicked, this, [this] { changePage(1); });
    connect(m_more, &QAbstractButton::clicked, this, &KIVQRibbonGallery::showMoreMenu);
    layoutItems();
}

KIVQRibbonGallery::~KIVQRibbonGallery()
{
    // The widget base deletes the gallery's own actions after this object's members are gone.
    for (QAction* action : qAsConst(m_actions))
        disconnect(action, nullptr, this, nullptr);
}

QAction* KIVQRibbonGallery::addItem(const QString& id, const QString& text, const QString& icon)
{
    auto* action = new QAction(this);
    KIVQMenu::setItemText(action, text);
    action->setObjectName(id);
    action->setProperty("kivRibbonIconPath", icon);
    if (!icon.isEmpty())
        action->setIcon(KIVQPaintHelpers::iconFromFile(icon, QSize(32, 32)));
    append(action);
    return action;
}

void KIVQRibbonGallery::addAction(QAction* action)
{
    if (action && !m_actions.contains(action))
        append(action);
}

void KIVQRibbonGallery::append(QAction* action)
{
    auto* button = new KIVQRibbonButton(this, KIV_RIBBON_SMALL);
    button->setRibbonAction(action);
    m_actions.append(action);
    m_buttons.append(button);
    connect(action, &QAction::triggered, this, [this, action] { Q_EMIT itemTriggered(action->objectName()); });
    connect(action, &QObject::destroyed, this, [this, action] { forget(action); });
    if (!holdsLayout())
        layoutItems();
}

bool KIVQRibbonGallery::holdsLayout() const
{
    const auto* group = qobject_cast<const KIVQRibbonGroup*>(parentWidget());
    const KIVQRibbonPage* page = group ? group->page() : nullptr;
    const KIVQRibbonHost* host = page ? page->ribbonHost() : nullptr;
    return host && host->holdsLayout();
}

void KIVQRibbonGallery::forget(QAction* action)
{
    const int index = m_actions.indexOf(action);
    if (index < 0)
        return;
    m_actions.removeAt(index);
    KIVQRibbonButton* button = m_buttons.takeAt(index);
    button->hide();
    button->deleteLater();
    const int step = m_rows * m_columns;
    m_first = qBound(0, m_first, qMax(count() - step, 0));
    layoutItems();
}

void KIVQRibbonGallery::clearItems()
{
    for (QAction* action : std::exchange(m_actions, {})) {
        disconnect(action, nullptr, this, nullptr);
        if (action->parent() == this)
            action->deleteLater();
    }
    for (KIVQRibbonButton* button : std::exchange(m_buttons, {})) {
        button->hide();
        button->deleteLater();
    }
    m_first = 0;
}

void KIVQRibbonGallery::setColumnCount(int columns)
{
    m_columns = qBound(1, columns, kMaxCount);
    updateGeometry();
    layoutItems();
}

void KIVQRibbonGallery::setVisibleRowCount(int rows)
{
    m_rows = qBound(1, rows, kMaxCount);
    updateGeometry();
    layoutItems();
}

QSize KIVQRibbonGallery::sizeHint() const
{
    return QSize(m_columns * 66 + kStripWidth, m_rows * 28 + 4);
}

void KIVQRibbonGallery::changePage(int pages)
{
    const qint64 step = qMax(m_rows * m_columns, 1);
    const qint64 last = qMax<qint64>(count() - step, 0);
    m_first = int(qBound<qint64>(0, m_first + qint64(pages) * step, last));
    layoutItems();
}

void KIVQRibbonGallery::showMoreMenu()
{
    auto* menu = new KIVQRibbonMenu(this);
    // A popup goes away by being hidden, not closed.
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    for (QAction* action : qAsConst(m_actions))
        menu->QWidget::addAction(action);
    menu->popup(mapToGlobal(QPoint(0, height())));
}

void KIVQRibbonGallery::layoutItems()
{
    const int w = width();
    const int h = height();
    const int side = qMax(w - kStripWidth, 0);
    const int arrow = qMax(h / 3, 16);
    m_up->QWidget::setGeometry(side, 0, kStripWidth, arrow);
    m_down->QWidget::setGeometry(side, arrow, kStripWidth, arrow);
    m_more->QWidget::setGeometry(side, 2 * arrow, kStripWidth, qMax(h - 2 * arrow, 0));

    const int cellWidth = qMax(qMax(side - 2, 0) / m_columns, 1);
    const int cellHeight = qMax(h / m_rows, 1);
    const int screenful = m_rows * m_columns;
    for (int i = 0; i < m_buttons.size(); ++i) {
        KIVQRibbonButton* button = m_buttons.at(i);
        const int r = i - m_first;
        const bool shown = r >= 0 && r < screenful;
        if (shown)
            button->QWidget::setGeometry((r % m_columns) * cellWidth, (r / m_columns) * cellHeight, cellWidth - 1,
                                         cellHeight - 1);
        button->setVisible(shown);
    }
    m_up->setEnabled(m_first >= 1);
    m_down->setEnabled(qint64(m_first) + screenful < count());
    m_more->setEnabled(true);
}

bool KIVQRibbonGallery::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutItems();
    return KIVQContainer::event(event);
}

void KIVQRibbonGallery::resizeEvent(QResizeEvent* event)
{
    KIVQContainer::resizeEvent(event);
    layoutItems();
}

} // namespace KIVQtLib
