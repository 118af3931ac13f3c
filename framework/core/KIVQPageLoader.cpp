#include "KIVQPageLoader.h"

#include "IKIVQWidgetBase.h"
#include "JsonRead.h"
#include "KIVQElementBuilder.h"
#include "KIVQWidgetBase.h"
#include "Limits.h"
#include "core/designer/KIVQCanvasWindow.h"
#include "core/layout/KIVQContainer.h"
#include "core/windows/KIVQSubWin.h"
#include "core/windows/KIVQWindow.h"
#include "theme/KIVQResourceManager.h"
#include "theme/ThemeReader.h"

#include <json/json.h>

#include <QCoreApplication>
#include <QFile>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QWidget>

#include <memory>
#include <vector>

namespace KIVQtLib {

namespace {

// A document name is a ".json" file: the resource store first, then the skin folder, then the name itself.
QByteArray documentBytes(QString fileName)
{
    if (!fileName.contains(QLatin1String(".json")))
        fileName += QLatin1String(".json");
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QByteArray bytes = rm->getResourceBytes(fileName);
    if (bytes.isNull()) {
        // The skin folder is kept with a trailing backslash; the file system wants slashes.
        const QString inSkin = QString(rm->getSkinDirPath() + fileName).replace(QLatin1Char('\\'), QLatin1Char('/'));
        bytes = themeio::readDocumentFile(QFile::exists(inSkin) ? inSkin : fileName);
    }
    return bytes;
}

// A window side from a document, within what a backing store can sensibly hold beside the other side.
bool readWindowSide(const Json::Value& root, const char* key, int other, int& value, const QString& document)
{
    if (!json::read(root, key, value))
        return false;
    const int cap = int(qMin<qint64>(limits::kMaxWindowSide, limits::kMaxWindowPixels / qMax(other, 1)));
    if (value > cap) {
        qCWarning(lcKivJson, "Document %s: \"%s\" %d lowered to %d", qUtf8Printable(document), key, value, cap);
        value = cap;
    }
    return true;
}

template <class Window> void applyWindowKeys(Window* window, const Json::Value& root, const QString& document)
{
    int value = 0;
    bool flag = false;
    if (readWindowSide(root, "w", window->height(), value, document))
        window->resize(value, window->height());
    if (readWindowSide(root, "h", window->width(), value, document))
        window->resize(window->width(), value);
    // A minimum raises the window to it, so it is held beside the window's other side too.
    if (readWindowSide(root, "minW", window->height(), value, document))
        window->setMinWidth(value);
    if (readWindowSide(root, "minH", window->width(), value, document))
        window->setMinHeight(value);
    if (json::read(root, "resize", flag))
        window->setResizeable(flag);
    if (json::read(root, "drag", flag))
        window->setCanDrag(flag);
    if (json::read(root, "onlyDragCaption", flag))
        window->setOnlyDragCaption(flag);
    // The designer writes the caption height; a reopened page must keep it.
    if (json::read(root, "dbheight", value))
        window->setCaptionHeight(value);
    if (json::read(root, "trans", flag) && flag) {
        window->setWindowFlag(Qt::FramelessWindowHint, true);
        window->setAttribute(Qt::WA_TranslucentBackground, true);
    }
}

KIVQWidgetBase* controlBase(QWidget* widget)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    return control ? control->getControlBase() : nullptr;
}

// A control read from a page keeps its saved x, y, w, h only as data; apply them to every control of the
// tree, innermost first, so nested absolute controls show at their saved size. A control saved without a
// size (a hand-written element) keeps its own rather than shrinking to nothing.
void applyStoredGeometry(QWidget* root)
{
    const QList<QWidget*> descendants = root->findChildren<QWidget*>();
    for (auto it = descendants.crbegin(); it != descendants.crend(); ++it) {
        KIVQWidgetBase* base = controlBase(*it);
        if (base && base->getLayoutType() == LayoutAbsolute && base->layoutData()[2] > 0 && base->layoutData()[3] > 0)
            base->resizeWidget();
    }
    if (KIVQWidgetBase* base = controlBase(root))
        base->resizeWidget();
}

// Qt sends a hidden widget the move and resize it was given only as it shows, when its parent is already
// visible: a control that changes with its size (a label eliding its text) then asks that parent for a
// layout with a posted event, which Qt compares against every event the build posted. Sent here, while the
// element is hidden, polished first and parents before children as showing would, nothing is posted. A
// widget missed here still gets its events when it shows.
void sendPendingGeometry(QWidget* root)
{
    struct Level
    {
        QWidget* widget;
        int next;
    };
    std::vector<Level> stack;
    const auto enter = [&stack](QWidget* w) {
        if (w->testAttribute(Qt::WA_PendingMoveEvent)) {
            QMoveEvent move(w->pos(), w->pos());
            QCoreApplication::sendEvent(w, &move);
            w->setAttribute(Qt::WA_PendingMoveEvent, false);
        }
        if (w->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resize(w->size(), QSize());
            QCoreApplication::sendEvent(w, &resize);
            w->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
        stack.push_back({w, 0});
    };
    root->ensurePolished();
    enter(root);
    while (!stack.empty()) {
        // By index into the live list: an event handler may add or remove children.
        const int index = stack.back().next++;
        const QObjectList& children = stack.back().widget->children();
        if (index >= children.size()) {
            stack.pop_back();
            continue;
        }
        QObject* child = children.at(index);
        if (!child->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(child);
        // Only what the element's show will show.
        if (!w->isWindow() && !w->isHidden())
            enter(w);
    }
}

} // namespace

KIVQContainer* kivCreatePageByFileName(QWidget* parent, QString fileName)
{
    CreatedByFileGuard guard;
    DeferredShowScope deferShow;
    Json::Value root;
    if (!json::parse(documentBytes(fileName), root, fileName) || !root.isObject())
        return nullptr;

    if (auto* window = qobject_cast<KIVQWindow*>(parent))
        applyWindowKeys(window, root, fileName);
    else if (auto* subWindow = qobject_cast<KIVQSubWin*>(parent))
        applyWindowKeys(subWindow, root, fileName);
    else if (auto* page = qobject_cast<KIVQCanvasWindow*>(parent))
        applyWindowKeys(page, root, fileName);

    const ControlBudget budget(limits::kMaxPageControls, fileName);

    QWidget* last = nullptr;
    if (json::array(root, "elements", 1)) {
        Json::Value& elements = root["elements"];
        for (Json::ArrayIndex i = 0; i < elements.size(); ++i) {
            last =
                buildControlTreeConsuming(elements[i], parent, QStringLiteral("%1: elements[%2]").arg(fileName).arg(i));
            if (!last)
                continue;
            applyStoredGeometry(last);
            // Shown once, placed: its children show with it and lay out once, at their final size.
            KIVQWidgetBase* base = controlBase(last);
            if (base && !last->isWindow() && base->getInnerVisible()) {
                sendPendingGeometry(last);
                last->show();
            }
        }
    }
    return qobject_cast<KIVQContainer*>(last);
}

bool kivReadMenuDocument(const QString& fileName, Json::Value& root)
{
    CreatedByFileGuard guard;
    root = Json::Value();
    return json::parse(documentBytes(fileName), root, fileName);
}

} // namespace KIVQtLib
