#pragma once

#include "core/KIVQControl.h"

#include <QColor>
#include <QSize>
#include <QWidget>

class QDesignerFormEditorInterface;
class QIcon;
class QScrollBar;

namespace KIVQtLib {

class KIVQContainerImpl;

// The general-purpose container: lays out its children (ratio rows or columns, flowing rows or
// columns, or not at all; absolute-layout children are docked), paints a background, scrolls its
// content with up to two bound scroll bars, keeps a bound native window over itself, and animates its
// size.
class KIVQTLIB_EXPORT KIVQContainer : public KIVQControlBase<KIVQContainer, QWidget, KIVQContainerImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    enum AutoChildLayout
    {
        Horizontal = 0,
        Vertical = 1,
        HorFloat = 2,
        VerFloat = 3,
        NoUse = 4
    };
    Q_ENUM(AutoChildLayout)

    explicit KIVQContainer(QWidget* parent = nullptr);
    ~KIVQContainer() override;

    static const char* typeName() { return "qtcontainer"; }
    static QWidget* createKIVQContainer() { return new KIVQContainer; }
    static ControlInfo getProps();

    void addChildWidget(QWidget* child, int ratio);
    void setChildRatio(QWidget* child, int ratio);
    // Lays out the children now and updates the bound scroll bars.
    Q_INVOKABLE void forceResize();

    void setChildLayout(AutoChildLayout mode);
    AutoChildLayout getChildLayout() const;
    void setChildPadding(int all);
    void setChildPadding(int left, int top, int right, int bottom);
    void getChildPadding(int& left, int& top, int& right, int& bottom) const;
    void setChildSpace(int space);
    int getChildSpace() const;
    // While docked in a parent container, take the content's preferred size.
    void setAbsoluteDockAutoSize(bool on);
    bool getAbsoluteDockAutoSize() const;

    void setBackground(const FillStyle& fill);
    const FillStyle& getBackground() const;
    void setDisableBackground(const FillStyle& fill);
    const FillStyle& getDisableBackground() const;
    // State 0 is the background, every other state the disabled background.
    void setBackgroundState(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackgroundState(CtrlState state) const;
    void setDrawBackground(bool on);
    bool getDrawBackground() const;
    void setColor(const QColor& colour);
    void setUseFillStyle(bool colourFill);
    bool getUseFillStyle() const;
    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

    // A bound bar (usually a KIVQScrollBar) scrolls the content along its axis; null unbinds.
    void bindScrollBar(QScrollBar* bar, bool horizontal);
    QScrollBar* getBindScrollBar(bool horizontal) const;
    void setScrollPos(bool horizontal, int pos);
    int getScrollPos(bool horizontal) const;
    // Where a child stands in the unscrolled content.
    QRect childBaseGeometry(QWidget* child) const;

    // A native window, a child of the top-level one, kept over the container: each resize moves it to
    // the container's place and size.
    void bindWindowHandle(void* handle);
    void unbindWindowHandle();
    void* getWindowHandle() const;

    // Animates the container's size; the reached size stays fixed afterwards. False while one runs.
    bool startResizeAnimation(const QSize& from, const QSize& to, int durationMs);
    bool isResizeAnimationRunning() const;

    // Designer plug-in interface.
    QWidget* createWidget(QWidget* parent);
    QString name() const;
    QString group() const;
    QString includeFile() const;
    QString domXml() const;
    QIcon icon() const;
    bool isContainer() const;
    void initialize(QDesignerFormEditorInterface* core);
    bool isInitialized() const;

Q_SIGNALS:
    void mouseClickEvent();

protected:
    // For classes that derive from the container and bring their own implementation object.
    KIVQContainer(QWidget* parent, KIVQContainerImpl* impl);
    // For classes that derive from the container and keep its implementation object under their own type
    // name, which also names their theme entry.
    KIVQContainer(QWidget* parent, const QString& typeName);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_initialized = false;
};

} // namespace KIVQtLib
