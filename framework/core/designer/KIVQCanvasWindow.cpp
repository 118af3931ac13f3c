#include "KIVQCanvasWindow.h"

#include "core/IKIVQWidgetBase.h"
#include "core/JsonRead.h"

#include <json/json.h>

#include <QVariant>

namespace KIVQtLib {

namespace {

// Only what a page builder or a drop marked visible counts: a control's own inner widgets never get
// the property, so they are neither painted nor picked.
bool logicallyVisible(const QWidget* widget)
{
    return widget->property("visibility").toBool();
}

} // namespace

KIVQCanvasWindow::KIVQCanvasWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

KIVQCanvasWindow::~KIVQCanvasWindow() = default;

QWidget* KIVQCanvasWindow::createCanvas()
{
    return new KIVQCanvasWindow;
}

QWidget* KIVQCanvasWindow::HitTestWithChildren(QWidget* widget, int x, int y)
{
    if (!widget || !logicallyVisible(widget))
        return nullptr;
    // Children show only inside their parent (the canvas clips them so), and are picked only there.
    const QRect area(widget->mapTo(this, QPoint(0, 0)), widget->size());
    if (widget != this && !area.contains(x, y))
        return nullptr;
    const QObjectList children = widget->children();
    for (QObject* child : children) {
        if (auto* w = qobject_cast<QWidget*>(child)) {
            if (QWidget* hit = HitTestWithChildren(w, x, y))
                return hit;
        }
    }
    return area.contains(x, y) ? widget : nullptr;
}

void KIVQCanvasWindow::hideAllWidges()
{
    for (QWidget* w : findChildren<QWidget*>())
        w->hide();
}

void KIVQCanvasWindow::toJsonString(QString& out)
{
    Json::Value root(Json::objectValue);
    root["w"] = width();
    root["h"] = height();
    // Left out only where leaving it out reads the same: a minimum of 0 must not come back as 400.
    if (m_minWidth != kUnwrittenMinSize)
        root["minW"] = m_minWidth;
    if (m_minHeight != kUnwrittenMinSize)
        root["minH"] = m_minHeight;
    if (m_resizeable)
        root["resize"] = true;
    if (m_canDrag)
        root["drag"] = true;
    if (m_onlyDragCaption)
        root["onlyDragCaption"] = true;
    if (testAttribute(Qt::WA_TranslucentBackground))
        root["trans"] = true;
    // Always written: left out, any height reads back as the initial 40.
    root["dbheight"] = m_captionHeight;

    Json::Value elements(Json::arrayValue);
    for (QObject* child : children()) {
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(child)) {
            Json::Value element(Json::objectValue);
            control->serializeJsonValue(&element, false);
            elements.append(element);
        }
    }
    // Written even when empty: a page without the key is not a page, and could not be opened again.
    root["elements"] = elements;
    out = QString::fromStdString(Json::StyledWriter().write(root));
}

void KIVQCanvasWindow::setX(int x)
{
    move(x, y());
}

void KIVQCanvasWindow::setY(int y)
{
    move(x(), y);
}

void KIVQCanvasWindow::setWidth(int width)
{
    setFixedWidth(width);
}

void KIVQCanvasWindow::setHeight(int height)
{
    setFixedHeight(height);
}

void KIVQCanvasWindow::setResizeable(bool on)
{
    m_resizeable = on;
    setAttribute(Qt::WA_MouseTracking, on);
}

void KIVQCanvasWindow::setBackgroundImage(const QString& name, const ImageDesc& desc)
{
    m_backgroundImage = name;
    m_backgroundImageDesc = desc;
}

void KIVQCanvasWindow::setTransparent(bool on)
{
    setAttribute(Qt::WA_TranslucentBackground, on);
    if (on)
        setWindowFlag(Qt::FramelessWindowHint, true);
}

ControlInfo KIVQCanvasWindow::getProps()
{
    using namespace props;
    ControlInfo info;
    info.typeName = "window";
    info.group = "Window";
    info.description = "Control Window";
    info.className = "KIVQWindow";
    info.icon = "win";
    auto& rows = info.properties;
    rows.push_back(
        text<QObject>(QStringLiteral("Name"), PropertyDef::ObjectName, &QObject::setObjectName, &QObject::objectName));
    rows.push_back(
        integer<KIVQCanvasWindow>(QStringLiteral("Width"), &KIVQCanvasWindow::setWidth, &KIVQCanvasWindow::getWidth));
    rows.push_back(integer<KIVQCanvasWindow>(QStringLiteral("Height"), &KIVQCanvasWindow::setHeight,
                                             &KIVQCanvasWindow::getHeight));
    rows.push_back(integer<KIVQCanvasWindow>(QStringLiteral("MinWidth"), &KIVQCanvasWindow::setMinWidth,
                                             &KIVQCanvasWindow::getMinWidth));
    rows.push_back(integer<KIVQCanvasWindow>(QStringLiteral("MinHeight"), &KIVQCanvasWindow::setMinHeight,
                                             &KIVQCanvasWindow::getMinHeight));
    return info;
}

} // namespace KIVQtLib
