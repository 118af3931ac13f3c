#include "KIVQCanvas.h"

#include "KIVQCanvasWindow.h"
#include "core/JsonRead.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQPageLoader.h"
#include "theme/KIVQResourceManager.h"
#include "theme/ThemeReader.h"

#include <json/json.h>

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace KIVQtLib {

namespace {

constexpr int kBand = 5;       // width of the edge bands a press can grab
constexpr int kSnap = 5;       // a guide closer than this takes the edge
constexpr int kMinSize = 10;   // no drag makes a control smaller than this
constexpr int kDropSize = 100; // side of a new control
const QColor kSecondaryHandle = QColor::fromRgba(0xFFC5E6FF);

bool logicallyVisible(const QWidget* widget)
{
    return widget->property("visibility").toBool();
}

QString typeNameOf(const QMimeData* mime)
{
    const QVariant type = mime ? mime->property("TypeName") : QVariant();
    return type.isValid() ? type.toString() : QString();
}

// The guide within reach of value, else value.
int snapped(int value, const QVector<int>& guides)
{
    for (int guide : guides) {
        if (qAbs(guide - value) < kSnap)
            return guide;
    }
    return value;
}

// The page paints as one tree: a control the page shows is shown again under the hidden page window
// (it still takes no input and paints nowhere else), while the parts a control keeps for itself stay
// hidden, as do controls the page hides and everything inside them.
void revealControls(QWidget* parent)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || !logicallyVisible(w))
            continue;
        w->show();
        revealControls(w);
    }
}

} // namespace

KIVQCanvas::KIVQCanvas(QWidget* parent) : KIVQControlBase(parent)
{
    // No theme name: no theme entry ever applies to the canvas.
    auto* impl = new KIVQWidgetBaseImpl(this, QString::fromLatin1(typeName()));
    impl->setThemeName(QString());
    attachImpl(impl);
    setAcceptDrops(true);
}

KIVQCanvas::~KIVQCanvas() = default;

bool KIVQCanvas::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQCanvas::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

// ---- pages ----

bool KIVQCanvas::CheckPageValid(const QString& path) const
{
    if (path.isEmpty())
        return false;
    Json::Value root;
    return json::parse(themeio::readDocumentFile(path), root) && jsonHasMember(root, "elements");
}

bool KIVQCanvas::CreatePageFromJson(const QString& path)
{
    if (!CheckPageValid(path))
        return false;
    auto* window = new KIVQCanvasWindow(this);
    kivCreatePageByFileName(window, path);
    window->hideAllWidges();
    revealControls(window);
    const QString fileName = QFileInfo(path).fileName();
    window->setPageName(fileName);
    window->setObjectName(fileName.section(QLatin1Char('.'), 0, 0));
    m_pages.insert(path, window);
    setCurrent(window);
    UpdateScrollBar();
    return true;
}

bool KIVQCanvas::OpenWindowPage(const QString& path)
{
    KIVQCanvasWindow* window = m_pages.value(path);
    if (!window)
        return false;
    if (window == m_current)
        return true;
    setCurrent(window);
    UpdateScrollBar();
    update();
    return true;
}

void KIVQCanvas::setCurrent(KIVQCanvasWindow* window)
{
    if (m_current)
        m_current->setProperty("visibility", false);
    m_current = window;
    window->setProperty("visibility", true);
    // Pages stay hidden widgets: the canvas paints them, and they must not take its mouse events.
    window->hide();
}

bool KIVQCanvas::OpenJsonFile(const QString& path)
{
    const bool opened = OpenWindowPage(path) || CreatePageFromJson(path);
    RemoveAllSelected();
    m_mouseMode = MouseIdle;
    return opened;
}

bool KIVQCanvas::SavePage(const QString& path)
{
    KIVQCanvasWindow* window = m_pages.value(path);
    if (!window)
        return false;
    QString text;
    window->toJsonString(text);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

void KIVQCanvas::SaveStyle(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString text = KIVQResourceManager::getInstance()->toProjectStyleString();
    if (text.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(text.toUtf8());
}

QString KIVQCanvas::UpdatePagePath(const QString& path)
{
    KIVQCanvasWindow* window = m_pages.value(path);
    if (!window)
        return QString();
    const QString renamed =
        path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + window->objectName() + QLatin1String(".json");
    if (renamed == path)
        return path;
    // Taking another page's key would orphan that page: it could no longer be saved or removed.
    if (m_pages.contains(renamed))
        return path;
    m_pages.remove(path);
    m_pages.insert(renamed, window);
    return renamed;
}

bool KIVQCanvas::removePage(KIVQCanvasWindow* window)
{
    const QString path = window ? m_pages.key(window) : QString();
    if (path.isNull())
        return false;
    if (window == m_current) {
        m_current = nullptr;
        m_mouseMode = MouseIdle;
    }
    m_pages.remove(path);
    m_scrollPositions.remove(window);
    delete window;
    pruneSelection();
    update();
    return true;
}

void KIVQCanvas::closeAllWindows()
{
    m_mouseMode = MouseIdle;
    RemoveAllSelected();
    const QList<KIVQCanvasWindow*> windows = m_pages.values();
    m_pages.clear();
    m_scrollPositions.clear();
    m_current = nullptr;
    qDeleteAll(windows);
}

void KIVQCanvas::SetProjectPath(const QString& path)
{
    m_projectPath = path;
    KIVQResourceManager::getInstance()->setSwitchToProjectRes(true);
}

// ---- scrolling ----

void KIVQCanvas::SetScrollbar(QScrollBar* bar, bool horizontal)
{
    QPointer<QScrollBar>& slot = horizontal ? m_horizontalBar : m_verticalBar;
    if (slot)
        disconnect(slot, &QScrollBar::valueChanged, this, &KIVQCanvas::scrollChanged);
    slot = bar;
    if (bar)
        connect(bar, &QScrollBar::valueChanged, this, &KIVQCanvas::scrollChanged);
}

void KIVQCanvas::UpdateScrollBar()
{
    if (!m_current || !m_horizontalBar || !m_verticalBar)
        return;
    QPoint& remembered = m_scrollPositions[m_current];
    // The bars are set quietly and the page placed here: a range that clamps the old value would
    // otherwise report it as this page's position.
    const auto fit = [](QScrollBar* bar, int page, int view, int& value) -> int {
        const QSignalBlocker blocker(bar);
        bar->setRange(0, page - view);
        bar->setPageStep(view);
        bar->setVisible(page >= view);
        bar->setValue(value);
        value = bar->value();
        return page < view ? (view - page) / 2 : -value;
    };
    const int x = fit(m_horizontalBar, m_current->width(), width(), remembered.rx());
    const int y = fit(m_verticalBar, m_current->height(), height(), remembered.ry());
    m_current->move(x, y);
}

void KIVQCanvas::scrollChanged(int value)
{
    if (!m_current)
        return;
    QPoint& remembered = m_scrollPositions[m_current];
    if (sender() == m_verticalBar) {
        m_current->move(m_current->x(), -value);
        remembered.setY(value);
    } else if (sender() == m_horizontalBar) {
        m_current->move(-value, m_current->y());
        remembered.setX(value);
    }
    update();
}

void KIVQCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdateScrollBar();
}

// ---- selection ----

void KIVQCanvas::pruneSelection()
{
    m_selection.erase(
        std::remove_if(m_selection.begin(), m_selection.end(), [](const Selected& s) { return s.widget.isNull(); }),
        m_selection.end());
}

QList<QWidget*> KIVQCanvas::selectedControls() const
{
    QList<QWidget*> widgets;
    for (const Selected& s : m_selection) {
        if (s.widget)
            widgets << s.widget;
    }
    return widgets;
}

bool KIVQCanvas::IsInSelected(QWidget* widget) const
{
    return widget && selectedControls().contains(widget);
}

void KIVQCanvas::AddSelectedControl(QWidget* widget)
{
    if (!widget || IsInSelected(widget))
        return;
    m_selection.append(Selected{widget, widget->geometry()});
    update();
    emit widgetSelected(widget);
}

bool KIVQCanvas::RemoveSelected(QWidget* widget)
{
    const auto it = std::find_if(m_selection.begin(), m_selection.end(),
                                 [widget](const Selected& s) { return s.widget == widget; });
    if (!widget || it == m_selection.end())
        return false;
    m_selection.erase(it);
    update();
    return true;
}

void KIVQCanvas::RemoveAllSelected()
{
    m_selection.clear();
    update();
}

bool KIVQCanvas::isPageLevel(const QWidget* widget) const
{
    const QWidget* parent = widget->parentWidget();
    return parent == this || (parent && parent->parentWidget() == this);
}

QRect KIVQCanvas::canvasRect(QWidget* widget) const
{
    return QRect(widget->mapTo(const_cast<KIVQCanvas*>(this), QPoint(0, 0)), widget->size());
}

QPoint KIVQCanvas::toPage(const QPoint& canvasPos) const
{
    return m_current ? canvasPos - m_current->pos() : canvasPos;
}

int KIVQCanvas::HitInSelected(int x, int y)
{
    pruneSelection();
    for (const Selected& s : qAsConst(m_selection)) {
        if (!isAncestorOf(s.widget))
            continue;
        if (isPageLevel(s.widget))
            return HitNone;
        const QRect r = canvasRect(s.widget);
        if (!r.contains(x, y))
            continue;
        const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
        if (x < l + kBand && y < t + kBand)
            return HitTopLeft;
        if (x > l + w - kBand) {
            if (y > t + h - kBand)
                return HitBottomRight;
            if (y < t + kBand)
                return HitTopRight;
        }
        if (x < l + kBand)
            return y > t + h - kBand ? HitBottomLeft : HitLeft;
        if (x > l + w - kBand)
            return HitRight;
        if (y < t + kBand)
            return HitTop;
        return y > t + h - kBand ? HitBottom : HitInside;
    }
    return HitNone;
}

// ---- mouse ----

void KIVQCanvas::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->pos();
    if (!m_current)
        return;
    m_mouseMode = MousePressed;
    m_hitKind = HitInSelected(m_pressPos.x(), m_pressPos.y());
    if (m_hitKind == HitInside) {
        const QPoint p = toPage(m_pressPos);
        if (!IsInSelected(m_current->HitTestWithChildren(m_current, p.x(), p.y())))
            m_hitKind = HitNone;
    }
    if (m_hitKind == HitNone)
        return;
    m_mouseMode = MouseDragging;
    for (Selected& s : m_selection)
        s.dragStart = s.widget->geometry();
}

void KIVQCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mouseMode != MouseDragging)
        return;
    pruneSelection();
    if (m_selection.isEmpty())
        return;
    dragTo(event->pos(), event->modifiers());
    update();
}

void KIVQCanvas::dragTo(const QPoint& pos, Qt::KeyboardModifiers modifiers)
{
    for (const Selected& s : qAsConst(m_selection)) {
        if (isPageLevel(s.widget))
            return;
    }
    QVector<int> xGuides, yGuides;
    if (QWidget* parent = m_selection.first().widget->parentWidget()) {
        for (QObject* child : parent->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || IsInSelected(w) || !logicallyVisible(w) || w->property("MarkDelete").toBool())
                continue;
            xGuides << w->x();
            yGuides << w->y();
        }
    }

    const int dx = pos.x() - m_pressPos.x();
    const int dy = pos.y() - m_pressPos.y();
    for (const Selected& s : qAsConst(m_selection)) {
        const QRect g = s.dragStart;
        QRect r = g;
        switch (m_hitKind) {
        case HitInside: {
            const bool oneAxis = modifiers == Qt::ShiftModifier;
            const bool moveX = !oneAxis || qAbs(dx) > qAbs(dy);
            const bool moveY = !oneAxis || qAbs(dx) <= qAbs(dy);
            if (moveX)
                r.moveLeft(snapped(g.x() + dx, xGuides));
            if (moveY)
                r.moveTop(snapped(g.y() + dy, yGuides));
            break;
        }
        case HitLeft:
            r.setRect(g.x() + dx, g.y(), g.width() - dx, g.height());
            break;
        case HitRight:
            r.setWidth(g.width() + dx);
            break;
        case HitTop:
            r.setRect(g.x(), g.y() + dy, g.width(), g.height() - dy);
            break;
        case HitBottom:
            r.setHeight(g.height() + dy);
            break;
        case HitTopLeft:
            r.setRect(g.x() + dx, g.y() + dy, g.width() - dx, g.height() - dy);
            break;
        case HitBottomLeft:
            r.setRect(g.x() + dx, g.y(), g.width() - dx, g.height() + dy);
            break;
        case HitTopRight:
            r.setRect(g.x(), g.y() + dy, g.width() + dx, g.height() - dy);
            break;
        case HitBottomRight:
            r.setSize(QSize(g.width() + dx, g.height() + dy));
            break;
        default:
            return;
        }
        // Only the size is held; the position follows the pointer.
        r.setSize(r.size().expandedTo(QSize(kMinSize, kMinSize)));
        applyGeometry(s.widget, r);
    }
}

void KIVQCanvas::applyGeometry(QWidget* widget, QRect rect)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    if (!control) {
        widget->setGeometry(rect);
        return;
    }
    void* data = nullptr;
    control->getLayoutData(data);
    // A relatively laid out control is placed by its container, never by hand.
    if (control->getLayoutType() != LayoutAbsolute || !data)
        return;
    control->setGeometry(rect.x(), rect.y(), rect.width(), rect.height());
}

void KIVQCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_current)
        return;
    // A press on a selected control that never moved is a click too, or a Shift-click could never take
    // a control out of the selection.
    const bool click = m_mouseMode == MousePressed || (m_mouseMode == MouseDragging && event->pos() == m_pressPos);
    // Idle first: a widgetSelected slot may delete the canvas.
    m_mouseMode = MouseIdle;
    if (!click)
        return;
    const QPoint p = toPage(event->pos());
    QWidget* hit = m_current->HitTestWithChildren(m_current, p.x(), p.y());
    if (hit && event->modifiers() == Qt::ShiftModifier) {
        if (!RemoveSelected(hit))
            AddSelectedControl(hit);
    } else if (hit) {
        RemoveAllSelected();
        AddSelectedControl(hit);
    }
}

// ---- painting ----

void KIVQCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    if (!m_current)
        return;
    const QObjectList children = m_current->children();
    for (QObject* child : children) {
        if (auto* w = qobject_cast<QWidget*>(child))
            paintChild(&painter, m_current->pos(), w, event->region());
    }
    pruneSelection();
    bool secondary = false;
    for (const Selected& s : qAsConst(m_selection)) {
        if (!isAncestorOf(s.widget))
            continue;
        const QRect r = canvasRect(s.widget);
        const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
        const QPoint handles[] = {{l, t},         {l + w / 2, t}, {l + w, t},        {l, t + h}, {l + w / 2, t + h},
                                  {l + w, t + h}, {l, t + h / 2}, {l + w, t + h / 2}};
        for (const QPoint& p : handles)
            DrawSelectionPoint(&painter, p.x(), p.y(), secondary);
        secondary = true;
    }
}

// One render of the control with its tree, limited to the region being painted: Qt skips what lies
// outside and lays each tree out once, where a snapshot of every control laid its window out again.
// The region goes to render() itself, as a painter clip would also clip Qt's placing of the children.
void KIVQCanvas::paintChild(QPainter* painter, const QPoint& offset, QWidget* widget, const QRegion& dirty)
{
    if (!logicallyVisible(widget))
        return;
    const QRegion region =
        (dirty & QRect(offset + widget->pos(), widget->size())).translated(-(offset + widget->pos()));
    if (region.isEmpty())
        return;
    painter->save();
    // Qt places the region's top-left, not the control's, at the target offset.
    widget->render(painter, offset + widget->pos() + region.boundingRect().topLeft(), region, QWidget::DrawChildren);
    painter->restore();
}

void KIVQCanvas::DrawSelectionPoint(QPainter* painter, int x, int y, bool secondary)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(x - 3, y - 3, 4, 4);
    painter->fillRect(x - 2, y - 2, 3, 3, secondary ? kSecondaryHandle : QColor(Qt::white));
    painter->restore();
}

// ---- new controls ----

void KIVQCanvas::dragEnterEvent(QDragEnterEvent* event)
{
    if (typeNameOf(event->mimeData()).isNull())
        event->ignore();
    else
        event->acceptProposedAction();
}

void KIVQCanvas::dragMoveEvent(QDragMoveEvent* event)
{
    if (typeNameOf(event->mimeData()).isNull() || !m_current || !m_current->geometry().contains(event->pos()))
        event->ignore();
    else
        event->acceptProposedAction();
}

void KIVQCanvas::dropEvent(QDropEvent* event)
{
    const QString type = typeNameOf(event->mimeData());
    if (type.isNull() || !m_current) {
        event->ignore();
        return;
    }
    const QPoint p = toPage(event->pos());
    QWidget* target = m_current->HitTestWithChildren(m_current, p.x(), p.y());
    if (!target)
        return;
    const QByteArray name = type.toUtf8();
    QWidget* created = createControlByTypeName(name.constData(), target);
    if (!dynamic_cast<IKIVQWidgetBase*>(created)) {
        delete created;
        return;
    }
    adoptNewControl(created, type, target, target->mapFrom(m_current, p));
    event->acceptProposedAction();
}

bool KIVQCanvas::createControl(const QString& typeName)
{
    pruneSelection();
    if (m_selection.isEmpty())
        return false;
    QWidget* parent = m_selection.first().widget;
    const QByteArray name = typeName.toUtf8();
    QWidget* created = createControlByTypeName(name.constData(), parent);
    if (!dynamic_cast<IKIVQWidgetBase*>(created)) {
        delete created;
        return false;
    }
    adoptNewControl(created, typeName, parent, QPoint(0, 0));
    return true;
}

void KIVQCanvas::adoptNewControl(QWidget* widget, const QString& type, QWidget* parent, const QPoint& pos)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    QString name = type + QString::number(m_nameCounter);
    while (parent->findChild<QObject*>(name))
        name = type + QString::number(++m_nameCounter);
    ++m_nameCounter;
    widget->setProperty("visibility", true);
    // As on a page opened here: its own parts hidden, the control shown under the hidden page window.
    for (QWidget* part : widget->findChildren<QWidget*>())
        part->hide();
    widget->show();
    widget->setObjectName(name);
    control->setGeometry(pos.x(), pos.y(), kDropSize, kDropSize);
    update();
}

} // namespace KIVQtLib
