#pragma once

#include "KIVQRibbonTypes.h"
#include "core/layout/KIVQContainer.h"

#include <QPointer>
#include <QVector>

class QAction;

namespace KIVQtLib {

class KIVQRibbonButton;
class KIVQRibbonGallery;
class KIVQRibbonHost;
class KIVQRibbonMenu;
class KIVQRibbonPage;

// A titled block of ribbon items: large items stand alone at full height, medium and small ones stack in
// columns of as many rows as the bar allows. The title takes the 27 pixels below the items.
class KIVQTLIB_EXPORT KIVQRibbonGroup : public KIVQContainer
{
    Q_OBJECT
public:
    struct Item
    {
        QPointer<QWidget> control;
        int size = KIV_RIBBON_LARGE;
        QString type; // "button", "separator", "widget" or "gallery"
        QPointer<QAction> action;
    };

    KIVQRibbonGroup(const QString& id, const QString& title, QWidget* parent = nullptr);

    QString groupId() const { return m_id; }
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    bool isExpanding() const { return m_expanding; }
    void setExpanding(bool expanding);
    // The page this group sits on, or null.
    KIVQRibbonPage* page() const;

    // Null for a null action. The bar, when there is one, reports the action and its menu's commands.
    KIVQRibbonButton* addAction(QAction* action, KIV_RIBBON_ITEM_SIZE size, KIV_RIBBON_POPUP_MODE mode,
                                KIVQRibbonMenu* menu);
    KIVQRibbonButton* addLargeAction(QAction* action);
    KIVQRibbonButton* addMediumAction(QAction* action);
    KIVQRibbonButton* addSmallAction(QAction* action);
    // A command titled after the menu ("Menu" for none) that opens it.
    KIVQRibbonButton* addMenu(KIVQRibbonMenu* menu, KIV_RIBBON_ITEM_SIZE size, KIV_RIBBON_POPUP_MODE mode);
    QWidget* addSeparator();
    QWidget* addWidget(QWidget* widget, KIV_RIBBON_ITEM_SIZE size);
    // Counts are kept to 1..1000.
    KIVQRibbonGallery* addGallery(int columns, int rows);
    // The controls disappear at once and are deleted once control returns to the event loop, so that a
    // command of this group may clear it.
    void clearItems();

    int itemCount() const { return m_items.size(); }
    const QVector<Item>& items() const { return m_items; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void actionTriggered(QAction* action);

protected:
    // A child whose size hint changed asks for a new layout.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    KIVQRibbonHost* host() const;
    int rowCount() const;
    void append(QWidget* control, int size, const QString& type, QAction* action);
    // Places the items when asked to; gives the width they take either way.
    int walkItems(bool place) const;

    QString m_id;
    QString m_title;
    bool m_expanding = false;
    QVector<Item> m_items;
};

} // namespace KIVQtLib
