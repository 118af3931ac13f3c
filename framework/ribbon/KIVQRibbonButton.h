#pragma once

#include "KIVQRibbonTypes.h"
#include "controls/KIVQPushButton.h"

#include <QPointer>

class QAction;

namespace KIVQtLib {

class KIVQRibbonMenu;

// The ribbon's command button, used for every command, tab, scroll arrow and gallery cell. It mirrors a
// bound QAction (text, tool tip, enabled, checkable, checked, icon), may open a menu at once or from a
// split part, and paints a context group's colour as a strip along its top edge.
class KIVQTLIB_EXPORT KIVQRibbonButton : public KIVQPushButton
{
    Q_OBJECT
public:
    explicit KIVQRibbonButton(QWidget* parent = nullptr, KIV_RIBBON_ITEM_SIZE size = KIV_RIBBON_LARGE);

    // The action may be null; a destroyed action leaves the button as it was, inert.
    void setRibbonAction(QAction* action);
    QAction* ribbonAction() const;
    // A menu without a parent becomes the button's child.
    void setPopupMenu(KIVQRibbonMenu* menu);
    KIVQRibbonMenu* popupMenu() const;
    void setPopupMode(KIV_RIBBON_POPUP_MODE mode);
    KIV_RIBBON_POPUP_MODE popupMode() const;
    void setItemSize(KIV_RIBBON_ITEM_SIZE size);
    KIV_RIBBON_ITEM_SIZE itemSize() const;
    // An icon file drawn at 32 (large) or 16 pixels, before the action's own icon.
    void setRibbonIcon(const QString& path);
    QString ribbonIcon() const;

    // Where a press opens the menu; empty without a popup mode or a living menu.
    QRect popupIndicatorRect() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void menuAboutToShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onClicked();
    void syncFromAction();
    void showPopupMenu();
    // The push button's own icon, without the placement it gives an icon beside its caption.
    template <class Icon> void keepPlacementWhileSetting(const Icon& icon);

    int m_itemSize = KIV_RIBBON_LARGE;
    int m_popupMode = KIV_RIBBON_POPUP_NONE;
    QPointer<QAction> m_action;
    QPointer<KIVQRibbonMenu> m_menu;
    QString m_ribbonIcon;
    bool m_menuPress = false;
};

} // namespace KIVQtLib
