#include "KIVQWindowDesigner.h"

#include "core/ControlWalk.h"
#include "core/JsonRead.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QEvent>
#include <QMoveEvent>
#include <QResizeEvent>

namespace KIVQtLib {

class KIVQWindowDesignerImpl : public KIVQWidgetBaseImpl
{
public:
    using KIVQWidgetBaseImpl::KIVQWidgetBaseImpl;

    void serializeJson(ControlJson& io) override
    {
        KIVQResourceManager* rm = KIVQResourceManager::getInstance();
        if (io.isReading()) {
            // A theme's own entry naming a theme would reload themes from inside the walk that applies
            // it, again and again, and free the entry being read.
            if (io.fromTheme() || !io.hasAttr())
                return;
            const QString path = json::stringOr(io.attrObject(), "theme");
            if (path.contains(QLatin1String(".data")))
                rm->loadThemeFile(path);
            else if (!path.isEmpty())
                rm->loadThemeDir(path);
            return;
        }
        // From the theme that is loaded now: a value read earlier may name one long replaced.
        QString path = rm->getThemeManagerIml() ? rm->getThemePath() : QString();
        io.attr("theme", path, QString());
    }
};

KIVQWindowDesigner::KIVQWindowDesigner(QWidget* parent) : KIVQControlBase(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    // Theme changes reach the window later; made, it takes no theme entry.
    auto* impl = new KIVQWindowDesignerImpl(this, QString::fromLatin1(typeName()));
    impl->setThemeName(QString());
    attachImpl(impl);
    impl->setThemeName(QString::fromLatin1(typeName()));
    KIVQResourceManager::getInstance()->registerDesignerWindow(this);
    if (parent)
        parent->installEventFilter(this);
}

KIVQWindowDesigner::~KIVQWindowDesigner()
{
    KIVQResourceManager::getInstance()->unregisterDesignerWindow(this);
}

void KIVQWindowDesigner::coverParent()
{
    if (QWidget* parent = parentWidget())
        setGeometry(0, 0, parent->width(), parent->height());
}

void KIVQWindowDesigner::resizeEvent(QResizeEvent* event)
{
    if (QWidget* parent = parentWidget()) {
        coverParent();
        // Again on every resize: the window may have been moved under another parent.
        parent->installEventFilter(this);
    }
    kivResizeChildControls(this);
    QWidget::resizeEvent(event);
}

bool KIVQWindowDesigner::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget()) {
        coverParent();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void KIVQWindowDesigner::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (pos() != QPoint(0, 0))
        setGeometry(0, 0, width(), height());
}

} // namespace KIVQtLib
