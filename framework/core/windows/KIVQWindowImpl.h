#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StyleTypes.h"

#include <QPoint>
#include <QPointer>
#include <QString>

#include <memory>

class QEvent;
class QEventLoop;
class QHideEvent;
class QMouseEvent;
class QWidget;

namespace KIVQtLib {

class KIVQMDIArea;

// The frameless behaviour KIVQWindow and KIVQSubWin share: caption dragging, edge resizing, the
// background, and the settings page documents give them. Its control painting is not used; the
// window paints its background through paintBackground().
class KIVQTLIB_EXPORT KIVQWindowImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    enum Kind
    {
        SubWindow,
        Window
    };
    static const char* typeNameOf(Kind kind) { return kind == Window ? "KIVWindow" : "KIVSubWin"; }

    KIVQWindowImpl(QWidget* owner, Kind kind);
    ~KIVQWindowImpl() override;

    Kind kind() const { return m_kind; }

    void setCanDrag(bool on) { m_canDrag = on; }
    bool canDrag() const { return m_canDrag; }
    void setOnlyDragCaption(bool on) { m_onlyDragCaption = on; }
    bool onlyDragCaption() const { return m_onlyDragCaption; }
    void setCaptionHeight(int height) { m_captionHeight = height; }
    int captionHeight() const { return m_captionHeight; }
    void setResizeable(bool on);
    bool resizeable() const { return m_resizeable; }
    int borderWidth() const { return m_borderWidth; }
    void setShowBackground(bool on) { m_showBackground = on; }
    bool showBackground() const { return m_showBackground; }
    void setUseFillColor(bool on) { m_useFillColor = on; }
    bool useFillColor() const { return m_useFillColor; }
    void setBackgroundColor(const FillRes& res) { m_backgroundColor = res; }
    const FillRes& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundImage(const QString& name, const ImageDesc& desc);
    const QString& backgroundImage() const { return m_backgroundImage; }
    const ImageDesc& backgroundImageDesc() const { return m_backgroundImageDesc; }
    void setTransparent(bool on);
    void setX(int x);
    void setY(int y);
    void centerWindow();
    // The deepest visible widget under (x, y) of the owner's coordinates, searched from root.
    QWidget* hitTest(QWidget* root, int x, int y) const;

    void setMinWidth(int width);
    void setMinHeight(int height);
    void setMinSize(int width, int height);
    int minWidth() const { return m_minWidth; }
    int minHeight() const { return m_minHeight; }

    void setMDIArea(KIVQMDIArea* area);
    KIVQMDIArea* mdiArea() const;

    QEventLoop* eventLoop() const { return m_eventLoop; }
    void doModal();
    void closeModal();

    // Drag and resize state between a press and its release.
    int resizeEdge() const { return m_resizeEdge; }
    bool isDragging() const { return m_dragging; }
    QPoint pressGlobal() const { return m_pressGlobal; }
    bool cursorChanged() const { return m_cursorChanged; }

    // The process-wide press flag: set while a framework window handles a press, so that the first
    // window to see a press owns it. A press whose release is lost does not keep it set.
    static bool isWindowPressed();

    // Event handlers; the window runs its Qt base handler after each.
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void resizeChildren();
    void paintBackground();
    void ownerHidden(QHideEvent* event);
    void ownerClosing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resizeTo(const QPoint& global);
    void updateHoverCursor(const QPoint& pos);
    // Ends this window's press: drag and resize state, mouse grab and the press flag.
    void endPress();
    bool pressLost() const;
    static void dropLostPress();
    void exitModalLoop();

    Kind m_kind;
    int m_resizeEdge = -1;
    bool m_resizeable = false;
    bool m_canDrag = true;
    int m_borderWidth = 4;
    bool m_dragging = false;
    QString m_backgroundImage;
    ImageDesc m_backgroundImageDesc;
    FillRes m_backgroundColor;
    bool m_useFillColor = true;
    QPoint m_pressGlobal;
    bool m_showBackground = false;
    bool m_cursorChanged = false;
    int m_minWidth = 400;
    int m_minHeight = 400;
    bool m_onlyDragCaption = false;
    int m_captionHeight = 40;
    QEventLoop* m_eventLoop = nullptr;
    QPointer<KIVQMDIArea> m_mdiArea;
    bool m_grabbed = false;
};

} // namespace KIVQtLib

// In the class body of KIVQWindow and KIVQSubWin, after Q_OBJECT: the members both offer, each a
// forward to the KIVQWindowImpl in m_impl, and the event handlers that hand the events to it.
// Leaves access public.
#define KIVQ_FRAMELESS_WINDOW                                                                                          \
public:                                                                                                                \
    void setCanDrag(bool on);                                                                                          \
    bool getCanGrag() const;                                                                                           \
    void setOnlyDragCaption(bool on);                                                                                  \
    bool getOnlyDragCaption() const;                                                                                   \
    void setCaptionHeight(int height);                                                                                 \
    bool getCaptionHeight() const;                                                                                     \
    void setResizeable(bool on);                                                                                       \
    void setShowBackground(bool on);                                                                                   \
    void setUseFillColor(bool on);                                                                                     \
    void setBackgroundColor(const KIVQtLib::FillRes& res);                                                             \
    void setBackgroundImage(const QString& name, const KIVQtLib::ImageDesc& desc);                                     \
    void setTransparent(bool on);                                                                                      \
    void setX(int x);                                                                                                  \
    void setY(int y);                                                                                                  \
    void centerWindow();                                                                                               \
    QWidget* hitTest(QWidget* root, int x, int y);                                                                     \
    void ToJsonString(QString& json);                                                                                  \
    void setMinWidth(int width);                                                                                       \
    void setMinHeight(int height);                                                                                     \
    KIVQtLib::KIVQWindowImpl* getWindowImpl() const;                                                                   \
                                                                                                                       \
protected:                                                                                                             \
    void mousePressEvent(QMouseEvent* event) override;                                                                 \
    void mouseMoveEvent(QMouseEvent* event) override;                                                                  \
    void mouseReleaseEvent(QMouseEvent* event) override;                                                               \
    void mouseDoubleClickEvent(QMouseEvent* event) override;                                                           \
    void resizeEvent(QResizeEvent* event) override;                                                                    \
    void paintEvent(QPaintEvent* event) override;                                                                      \
    void hideEvent(QHideEvent* event) override;                                                                        \
                                                                                                                       \
    std::unique_ptr<KIVQtLib::KIVQWindowImpl> m_impl;                                                                  \
                                                                                                                       \
public:

// In the class's .cpp, inside namespace KIVQtLib; QtBase is the Qt class it derives from.
// clang-format off
#define KIVQ_FRAMELESS_WINDOW_DEFINE(Class, QtBase)                                                                 \
    void Class::setCanDrag(bool on) { m_impl->setCanDrag(on); }                                                     \
    bool Class::getCanGrag() const { return m_impl->canDrag(); }                                                    \
    void Class::setOnlyDragCaption(bool on) { m_impl->setOnlyDragCaption(on); }                                     \
    bool Class::getOnlyDragCaption() const { return m_impl->onlyDragCaption(); }                                    \
    void Class::setCaptionHeight(int height) { m_impl->setCaptionHeight(height); }                                  \
    bool Class::getCaptionHeight() const { return m_impl->captionHeight() != 0; }                                   \
    void Class::setResizeable(bool on) { m_impl->setResizeable(on); }                                               \
    void Class::setShowBackground(bool on) { m_impl->setShowBackground(on); }                                       \
    void Class::setUseFillColor(bool on) { m_impl->setUseFillColor(on); }                                           \
    void Class::setBackgroundColor(const FillRes& res) { m_impl->setBackgroundColor(res); }                         \
    void Class::setBackgroundImage(const QString& name, const ImageDesc& desc)                                      \
    {                                                                                                               \
        m_impl->setBackgroundImage(name, desc);                                                                     \
    }                                                                                                               \
    void Class::setTransparent(bool on) { m_impl->setTransparent(on); }                                             \
    void Class::setX(int x) { m_impl->setX(x); }                                                                    \
    void Class::setY(int y) { m_impl->setY(y); }                                                                    \
    void Class::centerWindow() { m_impl->centerWindow(); }                                                          \
    QWidget* Class::hitTest(QWidget* root, int x, int y) { return m_impl->hitTest(root, x, y); }                    \
    void Class::ToJsonString(QString&) {}                                                                           \
    void Class::setMinWidth(int width) { m_impl->setMinWidth(width); }                                              \
    void Class::setMinHeight(int height) { m_impl->setMinHeight(height); }                                          \
    KIVQWindowImpl* Class::getWindowImpl() const { return m_impl.get(); }                                           \
    void Class::mousePressEvent(QMouseEvent* event)                                                                 \
    {                                                                                                               \
        m_impl->mousePress(event);                                                                                  \
        QtBase::mousePressEvent(event);                                                                             \
    }                                                                                                               \
    void Class::mouseMoveEvent(QMouseEvent* event)                                                                  \
    {                                                                                                               \
        m_impl->mouseMove(event);                                                                                   \
        QtBase::mouseMoveEvent(event);                                                                              \
    }                                                                                                               \
    void Class::mouseReleaseEvent(QMouseEvent* event)                                                               \
    {                                                                                                               \
        m_impl->mouseRelease(event);                                                                                \
        QtBase::mouseReleaseEvent(event);                                                                           \
    }                                                                                                               \
    void Class::mouseDoubleClickEvent(QMouseEvent* event) { QtBase::mouseDoubleClickEvent(event); }                 \
    void Class::resizeEvent(QResizeEvent* event)                                                                    \
    {                                                                                                               \
        m_impl->resizeChildren();                                                                                   \
        QWidget::resizeEvent(event);                                                                                \
    }                                                                                                               \
    void Class::paintEvent(QPaintEvent*) { m_impl->paintBackground(); }                                             \
    void Class::hideEvent(QHideEvent* event)                                                                        \
    {                                                                                                               \
        m_impl->ownerHidden(event);                                                                                 \
        QtBase::hideEvent(event);                                                                                   \
    }
// clang-format on
