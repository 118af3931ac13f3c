#pragma once

#include "core/KIVQControl.h"

#include <QHash>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QScrollBar>
#include <QVector>
#include <QWidget>

namespace KIVQtLib {

class KIVQCanvasWindow;

// The editing surface of the page designer. It keeps the open pages, paints the current one itself (the
// page windows stay hidden, so no control shows or takes input on its own), and lets the user select,
// move, resize and drop controls. The logical visibility of a page's controls is their "visibility"
// property, not Qt's.
class KIVQTLIB_EXPORT KIVQCanvas : public KIVQControlBase<KIVQCanvas, QWidget, KIVQWidgetBaseImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    // The part of the selection a press hit; bands are 5 pixels wide along each edge.
    enum KIV_CAV_HIT_TEST
    {
        HitInside = 0,
        HitLeft = 1,
        HitRight = 2,
        HitTop = 3,
        HitBottom = 4,
        HitTopLeft = 5,
        HitBottomLeft = 6,
        HitTopRight = 7,
        HitBottomRight = 8,
        HitNone = 9
    };

    explicit KIVQCanvas(QWidget* parent = nullptr);
    ~KIVQCanvas() override;

    static const char* typeName() { return "canvas"; }
    static QWidget* createKIVQCanvas() { return new KIVQCanvas; }

    // Switches to the page open under path, or opens it; false when neither happened.
    bool OpenJsonFile(const QString& path);
    // False when no page is open under path or the file cannot be written.
    bool SavePage(const QString& path);
    void SaveStyle(const QString& path);
    // Re-keys the page open under path after its name changed; returns its path (empty when none is
    // open there). A name that would take another open page's path is refused: the old path returns.
    QString UpdatePagePath(const QString& path);
    bool removePage(KIVQCanvasWindow* window);
    void closeAllWindows();
    KIVQCanvasWindow* GetCurWindow() const { return m_current; }
    void SetProjectPath(const QString& path);
    // The canvas's scroll bars (KIVQScrollBar in a designer), owned by whoever made them.
    void SetScrollbar(QScrollBar* bar, bool horizontal);
    // A control of that type inside the primary selection.
    bool createControl(const QString& typeName);

    void AddSelectedControl(QWidget* widget);
    void RemoveAllSelected();
    // The live selection, primary first.
    QList<QWidget*> selectedControls() const;

    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);

public Q_SLOTS:
    void scrollChanged(int value);

Q_SIGNALS:
    void widgetSelected(QWidget* widget);

protected:
    bool CheckPageValid(const QString& path) const;
    bool CreatePageFromJson(const QString& path);
    bool OpenWindowPage(const QString& path);
    bool RemoveSelected(QWidget* widget);
    bool IsInSelected(QWidget* widget) const;
    // Which part of the selection (canvas coordinates) lies under (x, y).
    int HitInSelected(int x, int y);
    void DrawSelectionPoint(QPainter* painter, int x, int y, bool secondary);
    void UpdateScrollBar();
    void paintChild(QPainter* painter, const QPoint& offset, QWidget* widget, const QRegion& dirty);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Q_DISABLE_COPY(KIVQCanvas)

    enum MouseMode
    {
        MousePressed = 0,
        MouseDragging = 3,
        MouseIdle = 6
    };

    // A selected widget and its geometry when the current drag began. Guarded: the page that holds it
    // may be removed while it is selected.
    struct Selected
    {
        QPointer<QWidget> widget;
        QRect dragStart;
    };

    void pruneSelection();
    // A page window, or a page's top-level widget: selectable, but never moved or resized by the mouse.
    bool isPageLevel(const QWidget* widget) const;
    QRect canvasRect(QWidget* widget) const;
    QPoint toPage(const QPoint& canvasPos) const;
    void dragTo(const QPoint& pos, Qt::KeyboardModifiers modifiers);
    static void applyGeometry(QWidget* widget, QRect rect);
    // Names (after the type asked for), marks and places a control just made under parent.
    void adoptNewControl(QWidget* widget, const QString& type, QWidget* parent, const QPoint& pos);
    void setCurrent(KIVQCanvasWindow* window);

    int m_nameCounter = 1;
    KIVQCanvasWindow* m_current = nullptr;
    QString m_projectPath;
    QMap<QString, KIVQCanvasWindow*> m_pages;
    QHash<const KIVQCanvasWindow*, QPoint> m_scrollPositions; // (horizontal, vertical)
    QPointer<QScrollBar> m_horizontalBar;
    QPointer<QScrollBar> m_verticalBar;
    QVector<Selected> m_selection;
    int m_mouseMode = MouseIdle;
    int m_hitKind = HitNone;
    QPoint m_pressPos;
};

} // namespace KIVQtLib
