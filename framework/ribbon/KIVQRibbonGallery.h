#pragma once

#include "core/layout/KIVQContainer.h"

#include <QList>
#include <QPointer>

class QAction;

namespace KIVQtLib {

class KIVQRibbonButton;

// A grid of small command buttons that pages by screenfuls, with "^" and "v" beside it and a "..." that
// lists every command in a menu.
class KIVQTLIB_EXPORT KIVQRibbonGallery : public KIVQContainer
{
    Q_OBJECT
public:
    explicit KIVQRibbonGallery(QWidget* parent = nullptr);
    ~KIVQRibbonGallery() override;

    // A command whose object name is the identifier and whose "kivRibbonIconPath" is the icon.
    QAction* addItem(const QString& id, const QString& text, const QString& icon);
    // Nothing for null or an action already shown.
    void addAction(QAction* action);
    // The buttons disappear at once and are deleted once control returns to the event loop.
    void clearItems();

    int count() const { return m_actions.size(); }
    QList<QAction*> itemActions() const { return m_actions; }
    // Kept to 1..1000, so that the size hint and a screenful stay in range.
    int columnCount() const { return m_columns; }
    void setColumnCount(int columns);
    int visibleRowCount() const { return m_rows; }
    void setVisibleRowCount(int rows);
    int firstVisibleIndex() const { return m_first; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void itemTriggered(const QString& commandId);

protected:
    // Sent by the bar after a load that added cells unplaced.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void append(QAction* action);
    // While the bar loads, cells are placed once at the end: placing them after each one is quadratic.
    bool holdsLayout() const;
    void changePage(int pages);
    void showMoreMenu();
    void layoutItems();
    void forget(QAction* action);

    QList<QAction*> m_actions;
    QList<KIVQRibbonButton*> m_buttons;
    KIVQRibbonButton* m_up;
    KIVQRibbonButton* m_down;
    KIVQRibbonButton* m_more;
    int m_columns = 3;
    int m_rows = 2;
    int m_first = 0;
};

} // namespace KIVQtLib
