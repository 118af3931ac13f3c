#include "KIVQMenu.h"

#include "KIVQMenuImpl.h"
#include "core/JsonRead.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQPageLoader.h"
#include "core/Limits.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QAction>
#include <QMouseEvent>

namespace KIVQtLib {

namespace {

const char kItemTextProperty[] = "kiv_menu_item_text";

} // namespace

KIVQMenu::KIVQMenu(QWidget* parent) : KIVQControlBase(parent)
{
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    connect(this, &QMenu::aboutToShow, this, &KIVQMenu::fitItemWidth);
    attachImpl();
}

KIVQMenu::KIVQMenu(const QString& title, QWidget* parent) : KIVQControlBase(title, parent)
{
    connect(this, &QMenu::aboutToShow, this, &KIVQMenu::fitItemWidth);
    // Attached without a theme name, so that no entry is applied now; later theme changes reach it.
    auto* d = new KIVQMenuImpl(this, QString::fromLatin1(typeName()));
    d->setThemeName(QString());
    attachImpl(d);
    d->setThemeName(QString::fromLatin1(typeName()));
}

QAction* KIVQMenu::addIconAction(const QString& iconPath, const QString& text)
{
    // Named after it is added, so that not even a shown menu measures a long text whole.
    QAction* action = addAction(QString());
    setItemText(action, text);
    if (!iconPath.isEmpty()) {
        action->setProperty(iconPathProperty(), iconPath);
        if (!KIVQPaintHelpers::isSvgPath(iconPath))
            action->setIcon(KIVQPaintHelpers::iconFromFile(iconPath, QSize(16, 16)));
    }
    return action;
}

void KIVQMenu::setItemText(QAction* action, const QString& text)
{
    const QString piece = KIVQPaintHelpers::measuredPiece(QFontMetrics(action->font()), text);
    // The piece is kept beside the whole, shared with the action's text, to tell it from a later text.
    action->setProperty(kItemTextProperty,
                        piece.size() < text.size() ? QVariant(QStringList{piece, text}) : QVariant());
    action->setText(piece);
}

QString KIVQMenu::itemText(const QAction* action)
{
    // A text set since then is the action's own, even one the whole text starts with.
    const QString text = action->text();
    const QStringList kept = action->property(kItemTextProperty).toStringList();
    return kept.size() == 2 && kept.at(0) == text ? kept.at(1) : text;
}

void KIVQMenu::setBackground(const FillStyle& fill)
{
    impl()->background = fill;
}

void KIVQMenu::setItemStyle(CtrlState state, const FillStyle& fill)
{
    impl()->itemStyles.set(state, fill);
}

void KIVQMenu::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->itemTextStyles.set(state, style);
}

void KIVQMenu::setIconOffset(int offset)
{
    impl()->iconOffset = qMax(0, offset);
}

bool KIVQMenu::readJsonValue(void* json)
{
    if (!impl())
        return false;
    if (json)
        readMenu(*static_cast<const Json::Value*>(json));
    return true;
}

bool KIVQMenu::serializeJsonValue(Json::Value* json, bool read)
{
    if (read)
        return readJsonValue(json);
    return impl() && json && json::canHoldMembers(*json);
}

void KIVQMenu::readMenu(const Json::Value& root)
{
    impl()->readStyles(root);
    // A theme entry styles every menu of its kind, and each sub-menu applies it again when it is made:
    // items from there would multiply on every theme change and nest without end.
    if (KIVQResourceManager::getInstance()->isLoadFromThemeRes())
        return;
    if (const Json::Value* items = json::array(root, "items"))
        readMenuItems(*items);
}

void KIVQMenu::readMenuItems(const Json::Value& items)
{
    for (const Json::Value& item : items) {
        if (!item.isObject() || !ControlBudget::take(QStringLiteral("items")))
            continue;
        QString text;
        QString icon;
        KIVQMenuImpl::readString(item, "text", text);
        const bool hasIcon = KIVQMenuImpl::readString(item, "icon", icon);
        const Json::Value* subItems = json::array(item, "items");
        if (!subItems) {
            addIconAction(icon, text);
            continue;
        }
        KIVQMenu* subMenu = createSubMenu(text);
        QAction* action = addMenu(subMenu);
        if (hasIcon)
            action->setProperty(iconPathProperty(), icon);
        subMenu->readMenuItems(*subItems);
    }
}

KIVQMenu* KIVQMenu::createSubMenu(const QString& title)
{
    auto* subMenu = new KIVQMenu(this);
    setItemText(subMenu->menuAction(), title);
    impl()->copyStylesTo(*subMenu->impl());
    return subMenu;
}

void KIVQMenu::fitItemWidth()
{
    // QMenu lays its items out from its own font and its minimum width, and keeps that layout until it
    // hears of a change. Measure it afresh, then widen the items by what the painted ones need.
    QEvent relayout(QEvent::FontChange);
    setMinimumWidth(0);
    QMenu::changeEvent(&relayout);
    const int natural = QMenu::sizeHint().width();
    int column = 0;
    for (QAction* action : actions())
        column = qMax(column, actionGeometry(action).width());
    if (column <= 0)
        return;
    const int iconColumn = impl()->iconOffset > 0 ? impl()->iconOffset + 4 : 0;
    const int wanted = qMax(column + iconColumn, impl()->textColumnWidth());
    if (wanted > column) {
        setMinimumWidth(natural - column + wanted);
        QMenu::changeEvent(&relayout);
    }
}

void KIVQMenu::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<QObject> alive(this);
    QMenu::mouseMoveEvent(event);
    if (!alive || !impl())
        return;
    // Where no item is, the highlight stays on the last one.
    const int index = actions().indexOf(actionAt(event->pos()));
    if (index < 0)
        return;
    if (impl()->hoveredIndex != index)
        update();
    impl()->hoveredIndex = index;
}

void KIVQMenu::hideEvent(QHideEvent* event)
{
    QMenu::hideEvent(event);
    if (impl())
        impl()->hoveredIndex = -1;
}

KIVQMenu* kivCreateMenuByFileName(QWidget* parent, QString fileName)
{
    Json::Value root;
    if (!kivReadMenuDocument(fileName, root))
        return nullptr;
    CreatedByFileGuard guard;
    // A menu document holds at most as many entries as a page document controls.
    const ControlBudget budget(limits::kMaxPageControls, fileName);
    auto* menu = new KIVQMenu(parent);
    menu->readJsonValue(&root);
    return menu;
}

} // namespace KIVQtLib
