#include "KIVQRibbonGroup.h"

#include "KIVQRibbonButton.h"
#include "KIVQRibbonGallery.h"
#include "KIVQRibbonHost.h"
#include "KIVQRibbonMenu.h"
#include "KIVQRibbonPage.h"

#include <QAction>
#include <QEvent>
#include <QPainter>

#include <utility>

namespace KIVQtLib {

namespace {

constexpr int kTitleHeight = 27;
constexpr int kMinRowHeight = 20;
constexpr int kMinWidth = 80;
constexpr int kHeightWithoutBar = 92;
constexpr int kRowsWithoutBar = 3;

// The thin upright line between groups of items.
class RibbonSeparator : public QWidget
{
public:
    explicit RibbonSeparator(QWidget* parent) : QWidget(parent) {}
    QSize sizeHint() const override { return QSize(7, 52); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QColor(180, 188, 200));
        painter.drawLine(width() / 2, 5, width() / 2, height() - 5);
    }
};

} // namespace

KIVQRibbonGroup::KIVQRibbonGroup(const QString& id, const QString& title, QWidget* parent)
    : KIVQContainer(parent, QStringLiteral("qtribbongroup")), m_id(id), m_title(title)
{
    setChildLayout(NoUse);
    setDrawBackground(false);
}

void KIVQRibbonGroup::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void KIVQRibbonGroup::setExpanding(bool expanding)
{
    m_expanding = expanding;
    updateGeometry();
}

KIVQRibbonPage* KIVQRibbonGroup::page() const
{
    return qobject_cast<KIVQRibbonPage*>(parentWidget());
}

KIVQRibbonHost* KIVQRibbonGroup::host() const
{
    KIVQRibbonPage* p = page();
    return p ? p->ribbonHost() : nullptr;
}

int KIVQRibbonGroup::rowCount() const
{
    KIVQRibbonHost* h = host();
    return h ? h->groupRows() : kRowsWithoutBar;
}

void KIVQRibbonGroup::append(QWidget* control, int size, const QString& type, QAction* action)
{
    m_items.append(Item{control, size, type, action});
    updateGeometry();
    KIVQRibbonHost* h = host();
    if (!h || !h->holdsLayout())
        walkItems(true);
}

KIVQRibbonButton* KIVQRibbonGroup::addAction(QAction* action, KIV_RIBBON_ITEM_SIZE size, KIV_RIBBON_POPUP_MODE mode,
                                             KIVQRibbonMenu* menu)
{
    if (!action)
        return nullptr;
    auto* button = new KIVQRibbonButton(this, size);
    button->setRibbonAction(action);
    button->setPopupMode(mode);
    button->setPopupMenu(menu);
    button->show();
    if (KIVQRibbonHost* h = host()) {
        h->registerAction(action);
        for (QAction* command : KIVQRibbonMenu::commandActions(menu))
            h->registerAction(command);
    }
    connect(action, &QAction::triggered, this, [this, action] { Q_EMIT actionTriggered(action); });
    append(button, button->itemSize(), QStringLiteral("button"), action);
    return button;
}

KIVQRibbonButton* KIVQRibbonGroup::addLargeAction(QAction* action)
{
    return addAction(action, KIV_RIBBON_LARGE, KIV_RIBBON_POPUP_NONE, nullptr);
}

KIVQRibbonButton* KIVQRibbonGroup::addMediumAction(QAction* action)
{
    return addAction(action, KIV_RIBBON_MEDIUM, KIV_RIBBON_POPUP_NONE, nullptr);
}

KIVQRibbonButton* KIVQRibbonGroup::addSmallAction(QAction* action)
{
    return addAction(action, KIV_RIBBON_SMALL, KIV_RIBBON_POPUP_NONE, nullptr);
}

KIVQRibbonButton* KIVQRibbonGroup::addMenu(KIVQRibbonMenu* menu, KIV_RIBBON_ITEM_SIZE size, KIV_RIBBON_POPUP_MODE mode)
{
    auto* action = new QAction(menu ? menu->title() : QStringLiteral("Menu"), this);
    return addAction(action, size, mode, menu);
}

QWidget* KIVQRibbonGroup::addSeparator()
{
    auto* separator = new RibbonSeparator(this);
    separator->show();
    append(separator, KIV_RIBBON_LARGE, QStringLiteral("separator"), nullptr);
    return separator;
}

QWidget* KIVQRibbonGroup::addWidget(QWidget* widget, KIV_RIBBON_ITEM_SIZE size)
{
    if (!widget)
        return nullptr;
    // Re-parenting hides a widget; one its owner had not hidden shows again here.
    const bool hiddenByOwner = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (widget->parentWidget() != this)
        widget->setParent(this);
    if (!hiddenByOwner)
        widget->show();
    append(widget, size, QStringLiteral("widget"), nullptr);
    return widget;
}

KIVQRibbonGallery* KIVQRibbonGroup::addGallery(int columns, int rows)
{
    auto* gallery = new KIVQRibbonGallery(this);
    gallery->setColumnCount(columns);
    gallery->setVisibleRowCount(rows);
    gallery->show();
    if (KIVQRibbonHost* h = host()) {
        connect(gallery, &KIVQRibbonGallery::itemTriggered, this,
                [h](const QString& commandId) { h->galleryItemTriggered(commandId); });
    }
    append(gallery, KIV_RIBBON_LARGE, QStringLiteral("gallery"), nullptr);
    return gallery;
}

void KIVQRibbonGroup::clearItems()
{
    const QVector<Item> items = std::exchange(m_items, {});
    for (const Item& item : items) {
        if (item.action) {
            disconnect(item.action, nullptr, this, nullptr);
            if (item.action->parent() == this)
                item.action->deleteLater();
        }
        if (item.control) {
            item.control->hide();
            item.control->deleteLater();
        }
    }
    updateGeometry();
}

int KIVQRibbonGroup::walkItems(bool place) const
{
    const int rows = qMax(rowCount(), 2);
    const int content = qMax(height() - kTitleHeight, 0);
    const int rowHeight = qMax(content / rows, kMinRowHeight);
    qint64 x = 4;
    int columnWidth = 0;
    QVector<QWidget*> column;
    const auto flush = [&] {
        if (column.isEmpty())
            return;
        if (place) {
            for (int i = 0; i < column.size(); ++i)
                column.at(i)->setGeometry(int(x), i * rowHeight + 4, columnWidth, rowHeight - 2);
        }
        x += columnWidth + 4;
        column.clear();
        columnWidth = 0;
    };
    for (const Item& item : qAsConst(m_items)) {
        QWidget* control = item.control;
        if (!control)
            continue;
        const int hint = control->sizeHint().width();
        if (item.size == KIV_RIBBON_MEDIUM || item.size == KIV_RIBBON_SMALL) {
            column.append(control);
            columnWidth = qMax(columnWidth, hint);
            if (column.size() == rows)
                flush();
            continue;
        }
        flush();
        if (place)
            control->setGeometry(int(x), 4, hint, content);
        x += hint + 4;
        // Coordinates stay where a widget's right edge can still be computed.
        x = qMin<qint64>(x, kWidgetMaxSize);
    }
    flush();
    return int(qMin<qint64>(x + 4, kWidgetMaxSize));
}

QSize KIVQRibbonGroup::sizeHint() const
{
    KIVQRibbonHost* h = host();
    const int width = qMax(walkItems(false), kMinWidth);
    return QSize(width, h ? h->pageHeight() - 8 : kHeightWithoutBar);
}

bool KIVQRibbonGroup::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        walkItems(true);
        updateGeometry();
    }
    return KIVQContainer::event(event);
}

void KIVQRibbonGroup::resizeEvent(QResizeEvent* event)
{
    KIVQContainer::resizeEvent(event);
    walkItems(true);
}

void KIVQRibbonGroup::paintEvent(QPaintEvent*)
{
    KIVQRibbonHost* h = host();
    if (!h)
        return;
    QPainter painter(this);
    KIVQPaintHelpers::paintFillStyle(&painter, h->groupBackground(), rect());
    TextStyleDesc style = h->groupTitleStyle();
    style.singleline = true;
    KIVQPaintHelpers::paintText(&painter, m_title, style, 5, rect().bottom() - 18, width() - 10, 17, true);
}

} // namespace KIVQtLib
