#include "KIVQRibbonPage.h"

#include "KIVQRibbonButton.h"
#include "KIVQRibbonGroup.h"
#include "KIVQRibbonHost.h"

#include <QWheelEvent>

namespace KIVQtLib {

namespace {

constexpr int kArrowWidth = 20;
constexpr int kArrowStep = 120;
constexpr int kWheelStep = 80;
constexpr int kHeightWithoutBar = 96;

int clampToInt(qint64 value)
{
    return int(qBound<qint64>(-kWidgetMaxSize, value, kWidgetMaxSize));
}

} // namespace

KIVQRibbonPage::KIVQRibbonPage(const QString& id, const QString& title, QWidget* parent)
    : KIVQContainer(parent, QStringLiteral("qtribbonpage")), m_id(id), m_title(title.isEmpty() ? id : title),
      m_left(new KIVQRibbonButton(this, KIV_RIBBON_SMALL)), m_right(new KIVQRibbonButton(this, KIV_RIBBON_SMALL))
{
    setChildLayout(NoUse);
    setDrawBackground(false);
    m_left->setText(QStringLiteral("<"));
    m_right->setText(QStringLiteral(">"));
    for (KIVQRibbonButton* arrow : {m_left, m_right}) {
        KIVQWidgetBaseImpl::markInternalChild(arrow);
        arrow->hide();
    }
    connect(m_left, &QAbstractButton::clicked, this, [this] { scrollBy(-kArrowStep); });
    connect(m_right, &QAbstractButton::clicked, this, [this] { scrollBy(kArrowStep); });
}

KIVQRibbonPage::~KIVQRibbonPage()
{
    // The widget base deletes the groups after this object's members are gone.
    for (KIVQRibbonGroup* group : qAsConst(m_groups))
        disconnect(group, &QObject::destroyed, this, nullptr);
}

void KIVQRibbonPage::setTitle(const QString& title)
{
    m_title = title;
    if (m_host)
        m_host->pageTitleChanged();
}

void KIVQRibbonPage::setRibbonHost(KIVQRibbonHost* host)
{
    m_host = host;
    updateGeometry();
}

KIVQRibbonGroup* KIVQRibbonPage::addGroup(const QString& id, const QString& title)
{
    return insertGroup(groupCount(), id, title);
}

KIVQRibbonGroup* KIVQRibbonPage::insertGroup(int index, const QString& id, const QString& title)
{
    auto* group = new KIVQRibbonGroup(id, title, this);
    m_groups.insert(qBound(0, index, m_groups.size()), group);
    // A group deleted by its owner leaves the row at once.
    connect(group, &QObject::destroyed, this, [this, group] {
        if (m_groups.removeOne(group))
            layoutGroups();
    });
    group->show();
    updateGeometry();
    if (!m_host || !m_host->holdsLayout())
        layoutGroups();
    return group;
}

void KIVQRibbonPage::dropGroup(KIVQRibbonGroup* group)
{
    disconnect(group, &QObject::destroyed, this, nullptr);
    group->hide();
    group->deleteLater();
}

bool KIVQRibbonPage::removeGroup(KIVQRibbonGroup* group)
{
    if (!group || !m_groups.removeOne(group))
        return false;
    dropGroup(group);
    updateGeometry();
    layoutGroups();
    return true;
}

void KIVQRibbonPage::clearGroups()
{
    const QList<KIVQRibbonGroup*> groups = std::exchange(m_groups, {});
    for (KIVQRibbonGroup* group : groups)
        dropGroup(group);
    m_scrollOffset = 0;
    updateGeometry();
}

KIVQRibbonGroup* KIVQRibbonPage::groupAt(int index) const
{
    return m_groups.value(index, nullptr);
}

KIVQRibbonGroup* KIVQRibbonPage::groupById(const QString& id) const
{
    for (KIVQRibbonGroup* group : m_groups) {
        if (group->groupId() == id)
            return group;
    }
    return nullptr;
}

qint64 KIVQRibbonPage::contentWidth() const
{
    qint64 total = 8;
    for (const KIVQRibbonGroup* group : m_groups)
        total += group->sizeHint().width() + 4;
    return total;
}

qint64 KIVQRibbonPage::availableWidth(qint64 content) const
{
    return content > width() ? qMax(width() - 2 * kArrowWidth, 0) : width();
}

bool KIVQRibbonPage::isOverflowing() const
{
    return contentWidth() > width();
}

void KIVQRibbonPage::scrollBy(int delta)
{
    const qint64 content = contentWidth();
    const qint64 limit = qMax<qint64>(content - availableWidth(content), 0);
    m_scrollOffset = int(qBound<qint64>(0, qint64(m_scrollOffset) + delta, limit));
    layoutGroups();
}

void KIVQRibbonPage::layoutGroups()
{
    // A group's size hint measures every item in it: taken once per layout.
    QVector<int> hints;
    hints.reserve(m_groups.size());
    qint64 content = 8;
    for (const KIVQRibbonGroup* group : qAsConst(m_groups)) {
        hints.append(group->sizeHint().width());
        content += hints.last() + 4;
    }
    const int w = width();
    const int h = height();
    const bool overflow = content > w;
    const qint64 limit = qMax<qint64>(content - availableWidth(content), 0);
    int extra = 0;
    if (overflow) {
        m_scrollOffset = int(qBound<qint64>(0, m_scrollOffset, limit));
    } else {
        m_scrollOffset = 0;
        int expanding = 0;
        for (const KIVQRibbonGroup* group : qAsConst(m_groups))
            expanding += group->isExpanding() ? 1 : 0;
        if (expanding > 0)
            extra = int(qMax<qint64>(w - content, 0) / expanding);
    }

    qint64 x = (overflow ? kArrowWidth : 0) - qint64(m_scrollOffset) + 4;
    for (int i = 0; i < m_groups.size(); ++i) {
        KIVQRibbonGroup* group = m_groups.at(i);
        const int groupWidth = hints.at(i) + (group->isExpanding() ? extra : 0);
        group->QWidget::setGeometry(clampToInt(x), 4, groupWidth, qMax(h - 8, 0));
        x += groupWidth + 4;
    }

    m_left->setVisible(overflow);
    m_right->setVisible(overflow);
    m_left->setEnabled(m_scrollOffset > 0);
    m_right->setEnabled(m_scrollOffset < limit);
    if (overflow) {
        m_left->QWidget::setGeometry(0, 0, kArrowWidth, h);
        m_right->QWidget::setGeometry(w - kArrowWidth, 0, kArrowWidth, h);
        m_left->raise();
        m_right->raise();
    }
}

QSize KIVQRibbonPage::sizeHint() const
{
    return QSize(clampToInt(contentWidth()), m_host ? m_host->pageHeight() : kHeightWithoutBar);
}

bool KIVQRibbonPage::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        layoutGroups();
    }
    return KIVQContainer::event(event);
}

void KIVQRibbonPage::resizeEvent(QResizeEvent* event)
{
    KIVQContainer::resizeEvent(event);
    layoutGroups();
}

void KIVQRibbonPage::wheelEvent(QWheelEvent* event)
{
    if (!isOverflowing()) {
        KIVQContainer::wheelEvent(event);
        return;
    }
    const QPoint turn = event->angleDelta();
    const int notch = turn.y() != 0 ? turn.y() : turn.x();
    if (notch != 0)
        scrollBy(notch < 0 ? kWheelStep : -kWheelStep);
    event->accept();
}

} // namespace KIVQtLib
