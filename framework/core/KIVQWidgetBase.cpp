#include "KIVQWidgetBase.h"

#include "IKIVQWidgetBase.h"
#include "JsonRead.h"
#include "KIVQElementBuilder.h"
#include "KIVQWidgetBaseImpl.h"
#include "KIVQtLib.h"
#include "Limits.h"
#include "core/layout/KIVQContainer.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QVariant>
#include <QWidget>

namespace KIVQtLib {

namespace {

// A control hands out its Impl; only a plain widget given an Impl of its own is asked by property.
KIVQWidgetBaseImpl* implOf(QWidget* owner)
{
    if (auto* control = dynamic_cast<IKIVQWidgetBase*>(owner))
        return control->getControlImpl();
    return owner ? static_cast<KIVQWidgetBaseImpl*>(owner->property("impl").value<void*>()) : nullptr;
}

bool s_deferShow = false;

int clampDock(int v)
{
    return qBound(0, v, 2);
}

// x, y, w, h kept where QRect's arithmetic cannot overflow; true when a value had to be moved.
bool storeGeometry(int* data, int x, int y, int w, int h)
{
    const int given[4] = {x, y, w, h};
    bool clamped = false;
    for (int i = 0; i < 4; ++i) {
        data[i] = limits::boundedCoord(given[i]);
        clamped |= data[i] != given[i];
    }
    return clamped;
}

// A hand-edited or hostile document; the control still shows, inside the coordinate range.
void readGeometry(const QWidget* owner, int* data, int x, int y, int w, int h)
{
    if (storeGeometry(data, x, y, w, h) && owner)
        qCWarning(lcKivJson, "%s \"%s\": geometry (%d, %d, %d, %d) clamped to within %lld",
                  owner->metaObject()->className(), qUtf8Printable(owner->objectName()), x, y, w, h,
                  limits::kCoordLimit);
}

QRect geometryOf(const int* data)
{
    return limits::boundedRect(data[0], data[1], data[2], data[3]);
}

} // namespace

KIVQWidgetBase::KIVQWidgetBase(QWidget* owner) : m_owner(owner) {}

DeferredShowScope::DeferredShowScope() : m_previous(s_deferShow)
{
    s_deferShow = true;
}

DeferredShowScope::~DeferredShowScope()
{
    s_deferShow = m_previous;
}

void KIVQWidgetBase::setLayoutRatio(int ratio)
{
    m_layoutType = LayoutRelative;
    m_layoutData[0] = ratio > 0 ? ratio : 1;
    if (auto* container = m_owner ? qobject_cast<KIVQContainer*>(m_owner->parentWidget()) : nullptr)
        container->forceResize();
}

int KIVQWidgetBase::getLayoutRatio() const
{
    if (m_layoutType != LayoutRelative)
        return 1;
    return qMax(1, m_layoutData[0]);
}

void KIVQWidgetBase::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY)
{
    m_absoluteLayout = true;
    m_dockHor = clampDock(hor);
    m_dockVer = clampDock(ver);
    m_dockOffsetX = offsetX;
    m_dockOffsetY = offsetY;
}

void KIVQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) const
{
    hor = DockLayoutType(m_dockHor);
    ver = DockLayoutType(m_dockVer);
    offsetX = m_dockOffsetX;
    offsetY = m_dockOffsetY;
}

void KIVQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const
{
    hor = DockLayoutType(m_dockHor);
    ver = DockLayoutType(m_dockVer);
}

void KIVQWidgetBase::getLayoutData(void*& data)
{
    data = (m_layoutType == LayoutRelative || m_layoutType == LayoutAbsolute) ? m_layoutData : nullptr;
}

void KIVQWidgetBase::setGeometry(int x, int y, int w, int h)
{
    m_layoutType = LayoutAbsolute;
    storeGeometry(m_layoutData, x, y, w, h);
    if (m_owner)
        m_owner->setGeometry(geometryOf(m_layoutData));
}

void KIVQWidgetBase::setOpacity(int opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    if (m_owner)
        m_owner->update();
}

bool KIVQWidgetBase::getInnerVisible() const
{
    const QVariant visible = m_owner ? m_owner->property("visibility") : QVariant();
    return !visible.isValid() || visible.toBool();
}

void KIVQWidgetBase::setInitialPolicies(LayoutSizePolicy width, LayoutSizePolicy height)
{
    m_widthPolicy = m_initialWidthPolicy = width;
    m_heightPolicy = m_initialHeightPolicy = height;
}

void KIVQWidgetBase::setInnerVisible(bool visible)
{
    if (!m_owner)
        return;
    m_owner->setProperty("visibility", visible);
    m_owner->setVisible(visible);
}

QString KIVQWidgetBase::getThemeName() const
{
    const KIVQWidgetBaseImpl* impl = implOf(m_owner);
    return impl ? impl->themeName() : QString();
}

void KIVQWidgetBase::setThemeName(const QString& name)
{
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    if (!rm->getThemeManagerIml() || rm->isDesigner())
        return;
    if (KIVQWidgetBaseImpl* impl = implOf(m_owner)) {
        impl->setThemeName(name);
        refreshTheme();
    }
}

void KIVQWidgetBase::refreshTheme()
{
    if (KIVQWidgetBaseImpl* impl = implOf(m_owner))
        impl->applyTheme();
}

void KIVQWidgetBase::resizeWidget()
{
    if (!m_owner)
        return;
    QWidget* parent = m_owner->parentWidget();
    if (!parent)
        return;
    // The class name tests cost string comparisons; only a container asks them.
    const auto windowParent = [parent] {
        return parent->inherits("KIVQtLib::KIVQWindow") || parent->inherits("KIVQtLib::KIVQWindowDesigner") ||
               parent->isWindow();
    };
    if (m_layoutType == LayoutAbsolute && qobject_cast<KIVQContainer*>(m_owner) && windowParent()) {
        m_layoutData[0] = 0;
        m_layoutData[1] = 0;
        m_layoutData[2] = parent->width();
        m_layoutData[3] = parent->height();
    }
    // A control that never had a size stored (made in code, or read from an element without "w" and
    // "h") keeps the one it has, rather than vanishing at 0 by 0 on every window resize.
    if (m_layoutType == LayoutAbsolute && m_layoutData[2] > 0 && m_layoutData[3] > 0)
        m_owner->setGeometry(geometryOf(m_layoutData));
}

QWidget* KIVQWidgetBase::cloneWidget(const QString&)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(m_owner);
    if (!control)
        return nullptr;
    const QByteArray type = control->getTypeName().toUtf8();
    const Json::Value empty(Json::objectValue);
    return createControlByType(type.constData(), &empty, m_owner->parentWidget());
}

// ---- common JSON keys ----

void KIVQWidgetBase::serializeJsonValue(Json::Value* json, bool read)
{
    // A theme entry supplies styles and attributes only, never identity or placement.
    if (!json || !m_owner || (read && KIVQResourceManager::getInstance()->isLoadFromThemeRes()) ||
        m_owner->inherits("KIVQtLib::KIVQMenu"))
        return;
    Json::Value& e = *json;

    if (!read) {
        if (!json::canHoldMembers(e))
            return;
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(m_owner))
            e["type"] = json::toUtf8(control->getTypeName());
        e["name"] = json::toUtf8(m_owner->objectName());
        if (!m_owner->toolTip().isEmpty())
            e["tooltip"] = json::toUtf8(m_owner->toolTip());
        if (!getInnerVisible())
            e["visibility"] = false;
        if (!m_owner->isEnabled())
            e["enable"] = false;
        if (m_absoluteLayout) {
            e["absoluteLayout"] = true;
            if (m_dockHor != 0)
                e["absoluteDockHor"] = m_dockHor;
            if (m_dockVer != 0)
                e["absoluteDockVer"] = m_dockVer;
            if (m_dockOffsetX != 0)
                e["absoluteDockOffsetX"] = m_dockOffsetX;
            if (m_dockOffsetY != 0)
                e["absoluteDockOffsetY"] = m_dockOffsetY;
        }
        if (m_widthPolicy != PolicyInitial || m_initialWidthPolicy != PolicyInitial)
            e["widthPolicy"] = m_widthPolicy;
        if (m_heightPolicy != PolicyInitial || m_initialHeightPolicy != PolicyInitial)
            e["heightPolicy"] = m_heightPolicy;
        if (m_owner->minimumWidth() > 0)
            e["minWidth"] = m_owner->minimumWidth();
        if (m_owner->minimumHeight() > 0)
            e["minHeight"] = m_owner->minimumHeight();
        if (m_owner->maximumWidth() < kWidgetMaxSize)
            e["maxWidth"] = m_owner->maximumWidth();
        if (m_owner->maximumHeight() < kWidgetMaxSize)
            e["maxHeight"] = m_owner->maximumHeight();
        SaveLayout(e);
        return;
    }

    enum Key
    {
        Name,
        Tooltip,
        Visibility,
        Enable,
        Layout,
        X,
        Y,
        W,
        H,
        AbsoluteLayout,
        DockHor,
        DockVer,
        DockOffsetX,
        DockOffsetY,
        WidthPolicy,
        HeightPolicy,
        MinWidth,
        MinHeight,
        MaxWidth,
        MaxHeight,
        KeyCount
    };
    static const char* const keys[KeyCount] = {"name",
                                               "tooltip",
                                               "visibility",
                                               "enable",
                                               "layout",
                                               "x",
                                               "y",
                                               "w",
                                               "h",
                                               "absoluteLayout",
                                               "absoluteDockHor",
                                               "absoluteDockVer",
                                               "absoluteDockOffsetX",
                                               "absoluteDockOffsetY",
                                               "widthPolicy",
                                               "heightPolicy",
                                               "minWidth",
                                               "minHeight",
                                               "maxWidth",
                                               "maxHeight"};
    // One pass over the element's few members rather than a lookup for each of the twenty keys.
    const Json::Value* k[KeyCount];
    json::findAll(e, keys, KeyCount, k);
    const auto readInt = [&k](Key key, int& out) { return k[key] && json::toInt(*k[key], out); };
    const auto intOr = [&readInt](Key key, int fallback) {
        int v = fallback;
        readInt(key, v);
        return v;
    };

    QString text;
    if (k[Name] && json::toString(*k[Name], text))
        m_owner->setObjectName(text);
    if (k[Tooltip] && json::toString(*k[Tooltip], text))
        m_owner->setToolTip(text);

    bool visible = true;
    const bool visibilityRead = k[Visibility] && json::toBool(*k[Visibility], visible);
    if (s_deferShow && !m_owner->isWindow()) {
        // Shown with its top-level element; only a control hidden before it was read is shown here.
        if (!visible || (m_owner->isHidden() && m_owner->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            m_owner->setVisible(visible);
    } else {
        m_owner->setVisible(true);
        if (visibilityRead)
            m_owner->setVisible(visible);
    }
    m_owner->setProperty("visibility", visible);

    bool enabled = true;
    if (k[Enable] && json::toBool(*k[Enable], enabled))
        m_owner->setEnabled(enabled);

    if (!k[Layout]) {
        m_layoutType = LayoutAbsolute;
        readGeometry(m_owner, m_layoutData, intOr(X, 0), intOr(Y, 0), intOr(W, 0), intOr(H, 0));
    } else {
        LoadLayout(e);
    }

    m_absoluteLayout = k[DockHor] || k[DockVer] || k[DockOffsetX] || k[DockOffsetY];
    if (k[AbsoluteLayout])
        json::toBool(*k[AbsoluteLayout], m_absoluteLayout);
    m_dockHor = clampDock(intOr(DockHor, 0));
    m_dockVer = clampDock(intOr(DockVer, 0));
    m_dockOffsetX = intOr(DockOffsetX, 0);
    m_dockOffsetY = intOr(DockOffsetY, 0);

    auto policy = [](int v) { return (v >= -1 && v <= 1) ? v : int(PolicyInitial); };
    int value = 0;
    if (readInt(WidthPolicy, value))
        m_widthPolicy = policy(value);
    if (readInt(HeightPolicy, value))
        m_heightPolicy = policy(value);

    if (readInt(MinWidth, value))
        m_owner->setMinimumWidth(qMax(0, value));
    if (readInt(MinHeight, value))
        m_owner->setMinimumHeight(qMax(0, value));
    if (readInt(MaxWidth, value))
        m_owner->setMaximumWidth(qMax(0, value));
    if (readInt(MaxHeight, value))
        m_owner->setMaximumHeight(qMax(0, value));
}

void KIVQWidgetBase::SaveLayout(Json::Value& json)
{
    if (m_layoutType == LayoutRelative) {
        Json::Value layout(Json::objectValue);
        layout["type"] = 0;
        layout["ratio"] = m_layoutData[0];
        json["layout"] = layout;
        return;
    }
    m_layoutType = LayoutAbsolute;
    if (kivIsInDesigner() && m_owner) {
        m_layoutData[0] = m_owner->x();
        m_layoutData[1] = m_owner->y();
        m_layoutData[2] = m_owner->width();
        m_layoutData[3] = m_owner->height();
    }
    if (m_layoutData[0] != 0)
        json["x"] = m_layoutData[0];
    if (m_layoutData[1] != 0)
        json["y"] = m_layoutData[1];
    json["w"] = m_layoutData[2];
    json["h"] = m_layoutData[3];
}

void KIVQWidgetBase::LoadLayout(const Json::Value& json)
{
    const Json::Value& layout = json::member(json, "layout");
    unsigned type = 0;
    if (json::read(layout, "type", type) && type != LayoutRelative) {
        m_layoutType = LayoutAbsolute;
        if (type != LayoutAbsolute)
            return;
        readGeometry(m_owner, m_layoutData, json::intOr(json, "x", 0), json::intOr(json, "y", 0),
                     json::intOr(json, "w", m_owner ? m_owner->width() : 0),
                     json::intOr(json, "h", m_owner ? m_owner->height() : 0));
        if (m_owner)
            m_owner->setGeometry(geometryOf(m_layoutData));
        return;
    }
    m_layoutType = LayoutRelative;
    m_layoutData[0] = 1;
    int ratio = 0;
    if (json::read(layout, "ratio", ratio))
        m_layoutData[0] = ratio;
}

} // namespace KIVQtLib
