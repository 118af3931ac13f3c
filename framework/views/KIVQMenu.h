#pragma once

#include "core/KIVQControl.h"

#include <QMenu>

namespace KIVQtLib {

class KIVQMenuImpl;

// A popup menu painted from theme styles: a background, a fill and a text style per item state, an
// optional icon column and a sub-menu arrow, with a hover highlight that follows the mouse. Built in
// code or from a menu document (kivCreateMenuByFileName). Not in the registry.
class KIVQTLIB_EXPORT KIVQMenu : public KIVQControlBase<KIVQMenu, QMenu, KIVQMenuImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    // Frameless and translucent, with the menu's theme entry applied.
    explicit KIVQMenu(QWidget* parent = nullptr);
    // A plain QMenu window; no theme entry is applied.
    KIVQMenu(const QString& title, QWidget* parent);

    static const char* typeName() { return "qtmenu"; }
    static QWidget* createKIVQMenu() { return new KIVQMenu; }

    // The dynamic property of an action that names the theme image or SVG of its icon column.
    static const char* iconPathProperty() { return "kiv_menu_icon_path"; }

    // An SVG name is drawn through the property only; any other name also becomes the action's QIcon.
    QAction* addIconAction(const QString& iconPath, const QString& text);

    // An item's text. QMenu measures its items' texts whole on every layout, so the action is given only
    // KIVQPaintHelpers::measuredPiece of a long text and keeps the whole in a property, which itemText
    // reads back for as long as the action holds that piece.
    static void setItemText(QAction* action, const QString& text);
    static QString itemText(const QAction* action);

    // None of these repaints.
    void setBackground(const FillStyle& fill);
    void setItemStyle(CtrlState state, const FillStyle& fill);
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    // Width of the icon column at the left of every item; 0 means none.
    void setIconOffset(int offset);

    // The menu reads its own keys only: no common keys, no "attr". A theme entry gives style keys.
    bool readJsonValue(void* json) override;
    // Writing leaves the element as it is.
    bool serializeJsonValue(Json::Value* json, bool read) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEvent* event) override { QMenu::enterEvent(event); }
    void leaveEvent(QEvent* event) override { QMenu::leaveEvent(event); }
    void mousePressEvent(QMouseEvent* event) override { QMenu::mousePressEvent(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { QMenu::mouseReleaseEvent(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { QMenu::mouseDoubleClickEvent(event); }

private:
    void readMenu(const Json::Value& root);
    void readMenuItems(const Json::Value& items);
    KIVQMenu* createSubMenu(const QString& title);
    void fitItemWidth();
};

} // namespace KIVQtLib
