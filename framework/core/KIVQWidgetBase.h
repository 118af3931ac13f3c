#pragma once

#include "StyleTypes.h"

#include <QRect>
#include <QString>

class QWidget;

namespace KIVQtLib {

// The one shared implementation of a control's layout settings, opacity and common JSON keys.
// Each control holds one and forwards the interface's layout operations to it.
class KIVQTLIB_EXPORT KIVQWidgetBase
{
public:
    explicit KIVQWidgetBase(QWidget* owner);
    KIVQWidgetBase(const KIVQWidgetBase&) = default;
    KIVQWidgetBase& operator=(const KIVQWidgetBase&) = default;
    virtual ~KIVQWidgetBase() = default;

    // The common keys: read (true) or write (false).
    virtual void serializeJsonValue(Json::Value* json, bool read);

    void setLayoutRatio(int ratio);
    int getLayoutRatio() const;
    void setWidthPolicy(LayoutSizePolicy policy) { m_widthPolicy = policy; }
    LayoutSizePolicy getWidthPolicy() const { return LayoutSizePolicy(m_widthPolicy); }
    void setHeightPolicy(LayoutSizePolicy policy) { m_heightPolicy = policy; }
    LayoutSizePolicy getHeightPolicy() const { return LayoutSizePolicy(m_heightPolicy); }
    // For a control made with policies other than -1: sets them and remembers them as what an element
    // without the keys leaves, so that a policy of -1 is written rather than read back as these.
    void setInitialPolicies(LayoutSizePolicy width, LayoutSizePolicy height);
    void setAbsoluteLayout(bool absolute) { m_absoluteLayout = absolute; }
    bool getAbsoluteLayout() const { return m_absoluteLayout; }
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY);
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) const;
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const;
    void getLayoutData(void*& data);
    void setGeometry(int x, int y, int w, int h);
    void setGeometry(const QRect& r) { setGeometry(r.x(), r.y(), r.width(), r.height()); }
    LayoutType getLayoutType() const { return LayoutType(m_layoutType); }
    void setOpacity(int opacity);
    int getOpacity() const { return m_opacity; }

    // The control's logical visibility, kept in the owner's dynamic property "visibility". A control that
    // never had it set (built in code, or dropped by a designer) counts as visible, so saving it does not
    // hide it on the next load.
    bool getInnerVisible() const;
    void setInnerVisible(bool visible);

    QString getThemeName() const;
    void setThemeName(const QString& name);
    // Re-applies the control's theme entry.
    void refreshTheme();
    void resizeWidget();

    void LoadLayout(const Json::Value& json);
    void SaveLayout(Json::Value& json);

    // A new control of the owner's type, made by the element builder under the owner's parent.
    QWidget* cloneWidget(const QString& unused = QString());
    QWidget* getOwner() const { return m_owner; }

    // Relative: layoutData[0] is the ratio; absolute: x, y, w, h.
    const int* layoutData() const { return m_layoutData; }

private:
    int m_opacity = 255;
    int m_widthPolicy = PolicyInitial;
    int m_heightPolicy = PolicyInitial;
    int m_initialWidthPolicy = PolicyInitial;
    int m_initialHeightPolicy = PolicyInitial;
    bool m_absoluteLayout = false;
    int m_dockHor = DockLeftTop;
    int m_dockVer = DockLeftTop;
    int m_dockOffsetX = 0;
    int m_dockOffsetY = 0;
    int m_layoutType = LayoutAbsolute;
    int m_layoutData[4] = {0, 0, 0, 0};
    QWidget* m_owner = nullptr;
};

// While a page is built, reading an element hides a control saved as hidden and otherwise leaves showing
// to the page loader, which shows each top-level element once its saved geometry is applied: a control
// shown as it is read lays out its text at once and posts events for every later change. Windows are
// shown as they are read, as everywhere else.
class KIVQTLIB_EXPORT DeferredShowScope
{
public:
    DeferredShowScope();
    ~DeferredShowScope();
    Q_DISABLE_COPY(DeferredShowScope)

private:
    bool m_previous;
};

} // namespace KIVQtLib
