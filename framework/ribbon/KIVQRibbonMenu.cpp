#include "KIVQRibbonMenu.h"

#include <QPainter>
#include <QPainterPath>
#include <QSet>

namespace KIVQtLib {

namespace {

const QColor kSeparatorColour(190, 197, 207);
const QColor kTickColour(62, 111, 210);

// A menu listed twice, or inside itself further down, is walked once.
void collectCommands(const QMenu* menu, QSet<const QMenu*>& walked, QList<QAction*>& found)
{
    if (!menu || walked.contains(menu))
        return;
    walked.insert(menu);
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (const QMenu* sub = action->menu())
            collectCommands(sub, walked, found);
        else
            found.append(action);
    }
}

} // namespace

KIVQRibbonMenu::KIVQRibbonMenu(QWidget* parent) : KIVQMenu(parent) {}

KIVQRibbonMenu::KIVQRibbonMenu(const QString& title, QWidget* parent) : KIVQMenu(title, parent) {}

QAction* KIVQRibbonMenu::addCommand(const QString& id, const QString& text, const QString& icon, bool checkable)
{
    QAction* action = addIconAction(icon, text);
    action->setObjectName(id);
    action->setCheckable(checkable);
    action->setProperty("kivRibbonIconPath", icon);
    return action;
}

QList<QAction*> KIVQRibbonMenu::commandActions(const QMenu* menu)
{
    QList<QAction*> found;
    QSet<const QMenu*> walked;
    collectCommands(menu, walked, found);
    return found;
}

void KIVQRibbonMenu::paintEvent(QPaintEvent* event)
{
    KIVQMenu::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (QAction* action : actions()) {
        const QRect item = actionGeometry(action);
        if (item.isEmpty())
            continue;
        const int cy = item.center().y();
        if (action->isSeparator()) {
            // Half a pixel down, so that the antialiased line stays one pixel high.
            painter.setPen(kSeparatorColour);
            painter.drawLine(QPointF(item.left() + 8, cy + 0.5), QPointF(item.right() - 8, cy + 0.5));
        } else if (action->isCheckable() && action->isChecked()) {
            QPainterPath tick;
            tick.moveTo(item.left() + 5, cy);
            tick.lineTo(item.left() + 9, cy + 4);
            tick.lineTo(item.left() + 15, cy - 5);
            painter.setPen(QPen(kTickColour, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick);
        }
    }
}

} // namespace KIVQtLib
