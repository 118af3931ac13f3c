#pragma once

#include "views/KIVQMenu.h"

#include <QList>

namespace KIVQtLib {

// The drop-down menu of ribbon commands: a menu whose actions carry a command identifier (their object
// name) and an icon path ("kivRibbonIconPath"), with its own separator lines and ticks.
class KIVQTLIB_EXPORT KIVQRibbonMenu : public KIVQMenu
{
    Q_OBJECT
public:
    explicit KIVQRibbonMenu(QWidget* parent = nullptr);
    KIVQRibbonMenu(const QString& title, QWidget* parent);

    QAction* addCommand(const QString& id, const QString& text, const QString& icon = QString(),
                        bool checkable = false);

    // Every command of a menu and its sub-menus, in order; separators and the sub-menu entries themselves
    // are not commands. Null gives none.
    static QList<QAction*> commandActions(const QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
