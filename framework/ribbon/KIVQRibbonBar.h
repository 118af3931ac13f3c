#pragma once

#include "KIVQRibbonHost.h"
#include "KIVQRibbonTypes.h"
#include "core/KIVQControl.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QAction;

namespace KIVQtLib {

class KIVQContainer;
class KIVQRibbonBarImpl;
class KIVQRibbonButton;
class KIVQRibbonContextGroup;
class KIVQRibbonMenu;
class KIVQRibbonPage;

// The command bar: an application button, a quick-access row, page tabs (context tabs among them),
// the current page's groups and widgets at the top right. Its commands are QActions named by their
// command id; every trigger comes out of commandTriggered. The content comes from code or from a
// JSON configuration, which a load replaces whole or, when it fails, not at all.
class KIVQTLIB_EXPORT KIVQRibbonBar : public KIVQControlBase<KIVQRibbonBar, QWidget, KIVQRibbonBarImpl>,
                                      public KIVQRibbonHost
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQRibbonBar(QWidget* parent = nullptr);
    ~KIVQRibbonBar() override;

    static const char* typeName() { return "qtribbonbar"; }
    static QWidget* createKIVQRibbonBar() { return new KIVQRibbonBar; }
    static ControlInfo getProps();

    // Pages and context groups.
    KIVQRibbonPage* addPage(const QString& id, const QString& title);
    KIVQRibbonPage* insertPage(int index, const QString& id, const QString& title);
    bool removePage(KIVQRibbonPage* page);
    void clearPages();
    int pageCount() const;
    KIVQRibbonPage* pageAt(int index) const;
    KIVQRibbonPage* pageById(const QString& id) const;
    KIVQRibbonPage* currentPageWidget() const;
    int currentPage() const;
    KIVQRibbonContextGroup* addContextGroup(const QString& id, const QString& title, const QColor& color);
    KIVQRibbonContextGroup* contextGroupById(const QString& id) const;
    void showContextGroup(const QString& id);
    void hideContextGroup(const QString& id);
    bool setCurrentPage(int index);
    bool setCurrentPage(const QString& id);
    // The tab buttons in tab order; they are rebuilt whenever the set of tabbed pages changes.
    QList<KIVQRibbonButton*> tabButtons() const;

    // Top row.
    void setApplicationMenu(const QString& text, KIVQRibbonMenu* menu, const QString& icon = QString());
    KIVQRibbonButton* applicationButton() const;
    KIVQRibbonButton* addQuickAction(QAction* action);
    void addTopRightWidget(QWidget* widget);
    QList<QWidget*> quickAccessWidgets() const;
    QList<QWidget*> topRightWidgets() const;

    // Commands.
    void registerAction(QAction* action) override;
    QAction* findAction(const QString& id) const;

    void setLayoutMode(KIV_RIBBON_LAYOUT_MODE mode);
    KIV_RIBBON_LAYOUT_MODE layoutMode() const;
    void setMinimized(bool minimized);
    bool isMinimized() const;
    // Heights are bounded to 0..16777215 when stored; the layout never uses less than 24 per row.
    void setTopRowHeight(int height);
    int topRowHeight() const;
    void setTabRowHeight(int height);
    int tabRowHeight() const;
    void setPageHeight(int height);
    int pageHeight() const override;
    // 2 or 3; anything else is brought into that range.
    void setGroupRows(int rows);
    int groupRows() const override;
    void updateLayout();
    bool isTabOverflowing() const;
    int tabScrollOffset() const;

    // The minimised popup that lends the page area while it is open.
    QWidget* popupContainer() const;
    QWidget* pageArea() const;
    QWidget* topRow() const;
    QWidget* tabRow() const;

    // Runs the style rules over the bar's whole tree, as a load and a language change do. Buttons added
    // in code keep the push button's look until then.
    void applyStyles();

    // Configuration.
    bool loadConfigFile(const QString& path);
    bool loadConfigJson(const QString& json);
    QString configJson() const;
    QString configFile() const;
    QString lastError() const;

    // Deletes every page, context group, quick-access and top-right widget, owned action and the
    // application menu. Deferred where a click may still be running in the deleted widget.
    void clearContent();

    QSize sizeHint() const override;

Q_SIGNALS:
    void commandTriggered(const QString& commandId, bool checked);
    void currentPageChanged(int index);
    void layoutModeChanged(KIV_RIBBON_LAYOUT_MODE mode);
    void minimizedChanged(bool minimized);
    void configLoadFailed(const QString& source, const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What pages, groups and galleries ask of their bar.
    void galleryItemTriggered(const QString& commandId) override;
    void pageTitleChanged() override;
    const FillStyle& groupBackground() const override;
    const TextStyleDesc& groupTitleStyle() const override;
    bool holdsLayout() const override { return m_loading; }

private:
    friend class KIVQRibbonBarImpl;
    friend class KIVQRibbonContextGroup;

    bool loadConfigValue(const Json::Value& root, const QString& source);
    // addContextGroup without the search for the id, for a caller that knows it is new.
    KIVQRibbonContextGroup* appendContextGroup(const QString& id, const QString& title, const QColor& color);
    Json::Value writeConfigValue() const;
    QAction* createActionItem(const Json::Value& value);
    KIVQRibbonMenu* createMenu(const Json::Value& value, QWidget* parent);
    // Null for an entry that is no object or names no control the ribbon makes; it is reported.
    QWidget* createWidgetItem(const Json::Value& value, QWidget* parent, const QString& listName, unsigned index);
    void readPages(const Json::Value& pages, KIVQRibbonContextGroup* group);
    void failLoad(const QString& source, const QString& message);

    void rebuildTabs();
    void buildTabs();
    void styleButton(KIVQRibbonButton* button) const;
    void layoutTabs();
    void updatePageVisibility();
    void onTabClicked(KIVQRibbonPage* page);
    void openPopup();
    void closePopup();
    void reclaimPageArea();
    void storeMinimized(bool minimized);
    void storeHeight(int& field, int height);
    int headHeight() const;
    bool showsAppButton() const;
    // The application button, quick-access and top-right widgets above everything else in their row.
    void stackHead();
    void attachToPage(KIVQRibbonPage* page, KIVQRibbonContextGroup* group);
    void forgetPage(KIVQRibbonPage* page);
    void detachPage(KIVQRibbonPage* page);
    // Hands the page over to deletion, its bar and context group cleared; it must be forgotten already.
    void releasePage(KIVQRibbonPage* page);
    void forgetOnDestroy(QWidget* widget, QList<QWidget*>& list);

    KIVQContainer* m_topRow = nullptr;
    KIVQContainer* m_tabRow = nullptr;
    KIVQContainer* m_pageArea = nullptr;
    KIVQContainer* m_popup = nullptr;
    KIVQRibbonButton* m_appButton = nullptr;
    KIVQRibbonButton* m_tabLeft = nullptr;
    KIVQRibbonButton* m_tabRight = nullptr;
    QList<KIVQRibbonPage*> m_pages;
    QList<KIVQRibbonContextGroup*> m_contextGroups;
    QList<KIVQRibbonButton*> m_tabButtons;
    QList<QWidget*> m_quickAccess;
    QList<QWidget*> m_topRight;
    QList<QAction*> m_registered; // in registration order, which findAction keeps
    QSet<QAction*> m_registeredSet;
    QList<KIVQRibbonPage*> m_visiblePages;
    KIVQRibbonPage* m_current = nullptr;
    QPointer<KIVQRibbonMenu> m_appMenu;
    int m_layoutMode = KIV_RIBBON_LAYOUT_OFFICE;
    bool m_minimized = false;
    bool m_loading = false;
    int m_tabOffset = 0;
    int m_totalTabWidth = 0;
    int m_topRowHeight = 30;
    int m_tabRowHeight = 31;
    int m_pageHeight = 96;
    int m_groupRows = 3;
    QString m_configFile;
    QString m_lastError;
    QString m_source; // the document being loaded, named in reports of what it leaves out
};

} // namespace KIVQtLib
