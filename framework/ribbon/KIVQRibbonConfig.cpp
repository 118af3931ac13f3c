// The ribbon bar's configuration: reading a document into the bar and writing the bar back.

#include "KIVQRibbonBar.h"

#include "KIVQRibbonBarImpl.h"
#include "KIVQRibbonButton.h"
#include "KIVQRibbonContextGroup.h"
#include "KIVQRibbonGallery.h"
#include "KIVQRibbonGroup.h"
#include "KIVQRibbonMenu.h"
#include "KIVQRibbonPage.h"

#include "controls/KIVQCheckBox.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQProgressBar.h"
#include "controls/KIVQRadioButton.h"
#include "controls/KIVQSpinBox.h"
#include "controls/KIVQSwitch.h"
#include "core/JsonRead.h"
#include "core/KIVQElementBuilder.h"
#include "core/KIVQPaintHelpers.h"
#include "core/Limits.h"
#include "theme/ThemeReader.h"
#include "views/KIVQComboBox.h"

#include <json/json.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>

#include <algorithm>

namespace KIVQtLib {

namespace {

const char kIconProperty[] = "kivRibbonIconPath";
const char kDefaultContextColor[] = "#5a8dee";

// The document's members are typed strictly: a value of another JSON type takes the default.
QString text(const Json::Value& obj, const char* key, const QString& fallback = QString())
{
    const Json::Value& v = json::member(obj, key);
    return v.isString() ? QString::fromStdString(v.asString()) : fallback;
}

int number(const Json::Value& obj, const char* key, int fallback)
{
    const Json::Value& v = json::member(obj, key);
    return v.isInt() ? v.asInt() : fallback;
}

bool flag(const Json::Value& obj, const char* key, bool fallback)
{
    const Json::Value& v = json::member(obj, key);
    return v.isBool() ? v.asBool() : fallback;
}

const Json::Value& list(const Json::Value& obj, const char* key)
{
    static const Json::Value empty(Json::arrayValue);
    const Json::Value& v = json::member(obj, key);
    return v.isArray() ? v : empty;
}

// An absent or non-string member takes the fallback; any string, known or not, is parsed.
KIV_RIBBON_ITEM_SIZE itemSizeOf(const QString& value, KIV_RIBBON_ITEM_SIZE fallback)
{
    return value.isNull() ? fallback : kivParseRibbonItemSize(value);
}

KIV_RIBBON_POPUP_MODE popupModeOf(const QString& value, KIV_RIBBON_POPUP_MODE fallback)
{
    return value.isNull() ? fallback : kivParseRibbonPopupMode(value);
}

// A list entry the reader leaves out, named by its list and index, so that a document's author can find it.
void reportSkipped(const QString& document, const QString& list, Json::ArrayIndex index, const QString& why)
{
    qCWarning(lcKivJson, "Ribbon config %s: %s entry %u left out: %s", qUtf8Printable(document), qUtf8Printable(list),
              index, qUtf8Printable(why));
}

// A row that holds as many entries as one may: the rest of its list is left out, and reported.
bool rowIsFull(int held, const QString& document, const QString& list, Json::ArrayIndex index)
{
    if (held < limits::kMaxRibbonRowEntries)
        return false;
    qCWarning(lcKivJson, "Ribbon config %s: %s entries from %u on are left out, past %d in one row",
              qUtf8Printable(document), qUtf8Printable(list), index, limits::kMaxRibbonRowEntries);
    return true;
}

bool isObjectEntry(const Json::Value& entry, const QString& document, const QString& list, Json::ArrayIndex index)
{
    if (entry.isObject())
        return true;
    reportSkipped(document, list, index, QStringLiteral("not an object"));
    return false;
}

std::string utf8(const QString& s)
{
    return json::toUtf8(s);
}

QString iconPathOf(const QAction* action)
{
    return action->property(kIconProperty).toString();
}

Json::Value writeCommand(const QAction* action)
{
    Json::Value command(Json::objectValue);
    command["id"] = utf8(action->objectName());
    command["text"] = utf8(KIVQMenu::itemText(action));
    command["icon"] = utf8(iconPathOf(action));
    command["tooltip"] = utf8(action->toolTip() == action->text() ? QString() : action->toolTip());
    command["enabled"] = action->isEnabled();
    command["checkable"] = action->isCheckable();
    command["checked"] = action->isChecked();
    return command;
}

Json::Value writeMenu(const QMenu* menu)
{
    Json::Value entries(Json::arrayValue);
    if (!menu)
        return entries;
    for (const QAction* action : menu->actions()) {
        Json::Value entry(Json::objectValue);
        if (action->isSeparator()) {
            entry["separator"] = true;
            entries.append(entry);
            continue;
        }
        entry["id"] = utf8(action->objectName());
        entry["text"] = utf8(KIVQMenu::itemText(action));
        if (!iconPathOf(action).isEmpty())
            entry["icon"] = utf8(iconPathOf(action));
        entry["enabled"] = action->isEnabled();
        entry["checkable"] = action->isCheckable();
        entry["checked"] = action->isChecked();
        if (auto* sub = qobject_cast<KIVQRibbonMenu*>(action->menu()))
            entry["items"] = writeMenu(sub);
        entries.append(entry);
    }
    return entries;
}

Json::Value writeWidget(const QWidget* widget)
{
    Json::Value out(Json::objectValue);
    out["type"] = "widget";
    out["id"] = utf8(widget->objectName());
    if (widget->minimumWidth() > 0 && widget->minimumWidth() < kWidgetMaxSize)
        out["width"] = widget->minimumWidth();
    if (auto* combo = qobject_cast<const KIVQComboBox*>(widget)) {
        out["control"] = "comboBox";
        out["currentIndex"] = combo->currentIndex();
        if (combo->count() > 0) {
            Json::Value items(Json::arrayValue);
            for (int i = 0; i < combo->count(); ++i)
                items.append(utf8(combo->itemText(i)));
            out["items"] = items;
        }
    } else if (auto* edit = qobject_cast<const KIVQLineEdit*>(widget)) {
        out["control"] = "lineEdit";
        out["text"] = utf8(edit->text());
        out["placeholder"] = utf8(edit->placeholderText());
    } else if (auto* spin = qobject_cast<const KIVQSpinBox*>(widget)) {
        out["control"] = "spinBox";
        out["min"] = spin->minimum();
        out["max"] = spin->maximum();
        out["value"] = spin->value();
    } else if (auto* check = qobject_cast<const KIVQCheckBox*>(widget)) {
        out["control"] = "checkBox";
        out["text"] = utf8(check->text());
        out["checked"] = check->isChecked();
    } else if (auto* radio = qobject_cast<const KIVQRadioButton*>(widget)) {
        out["control"] = "radioButton";
        out["text"] = utf8(radio->text());
        out["checked"] = radio->isChecked();
    } else if (auto* toggle = qobject_cast<const KIVQSwitch*>(widget)) {
        out["control"] = "switch";
        out["leftText"] = utf8(toggle->getLeftText());
        out["rightText"] = utf8(toggle->getRightText());
        out["checked"] = !toggle->getIsSwitchToLeft();
    } else if (auto* progress = qobject_cast<const KIVQProgressBar*>(widget)) {
        out["control"] = "progressBar";
        out["min"] = progress->minimum();
        out["max"] = progress->maximum();
        out["value"] = progress->value();
        out["showText"] = progress->getShowText();
    } else if (auto* label = qobject_cast<const KIVQLabel*>(widget)) {
        out["control"] = "label";
        out["text"] = utf8(label->getText());
    }
    return out;
}

Json::Value writeGroup(const KIVQRibbonGroup* group)
{
    Json::Value out(Json::objectValue);
    out["id"] = utf8(group->groupId());
    out["text"] = utf8(group->title());
    out["expanding"] = group->isExpanding();
    Json::Value items(Json::arrayValue);
    for (const KIVQRibbonGroup::Item& record : group->items()) {
        Json::Value item(Json::objectValue);
        if (const QAction* action = record.action) {
            item = writeCommand(action);
            if (auto* button = qobject_cast<const KIVQRibbonButton*>(record.control.data())) {
                item["popup"] = utf8(kivFormatRibbonPopupMode(button->popupMode()));
                if (button->popupMenu())
                    item["menu"] = writeMenu(button->popupMenu());
            }
        } else if (auto* gallery = qobject_cast<const KIVQRibbonGallery*>(record.control.data())) {
            item["columns"] = gallery->columnCount();
            item["rows"] = gallery->visibleRowCount();
            Json::Value cells(Json::arrayValue);
            for (const QAction* cell : gallery->itemActions()) {
                Json::Value c(Json::objectValue);
                c["id"] = utf8(cell->objectName());
                c["text"] = utf8(KIVQMenu::itemText(cell));
                c["icon"] = utf8(iconPathOf(cell));
                cells.append(c);
            }
            item["items"] = cells;
        } else if (record.type == QLatin1String("widget") && record.control) {
            item = writeWidget(record.control);
        }
        item["type"] = utf8(record.type);
        item["size"] = utf8(kivFormatRibbonItemSize(record.size));
        items.append(item);
    }
    out["items"] = items;
    return out;
}

Json::Value writePage(const KIVQRibbonPage* page)
{
    Json::Value out(Json::objectValue);
    out["id"] = utf8(page->pageId());
    out["text"] = utf8(page->title());
    Json::Value groups(Json::arrayValue);
    for (int i = 0; i < page->groupCount(); ++i)
        groups.append(writeGroup(page->groupAt(i)));
    out["groups"] = groups;
    return out;
}

} // namespace

// ---- reading ----

bool KIVQRibbonBar::loadConfigFile(const QString& path)
{
    QStringList candidates;
    if (QFileInfo(path).isAbsolute()) {
        candidates << path;
    } else if (!path.isEmpty()) {
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(path) << QFileInfo(path).absoluteFilePath()
                   << path;
    }
    for (const QString& candidate : qAsConst(candidates)) {
        QFile file(candidate);
        if (!QFileInfo(candidate).isFile() || !file.open(QIODevice::ReadOnly))
            continue;
        // A file that may have grown since its size was asked is read no further than the cap.
        QByteArray bytes;
        if (!themeio::readOpenFile(file, limits::kMaxFileSize, bytes)) {
            qCWarning(lcKivJson, "Ribbon config %s is larger than %lld bytes; skipped", qUtf8Printable(candidate),
                      limits::kMaxFileSize);
            continue;
        }
        Json::Value root;
        QString messages;
        if (!json::parse(bytes, root, &messages)) {
            failLoad(candidate, QStringLiteral("Invalid Ribbon JSON in %1: %2").arg(candidate, messages));
            return false;
        }
        m_configFile = path;
        return loadConfigValue(root, candidate);
    }
    failLoad(path, QStringLiteral("Ribbon config file was not found: %1").arg(path));
    return false;
}

bool KIVQRibbonBar::loadConfigJson(const QString& jsonText)
{
    Json::Value root;
    QString messages;
    if (!json::parse(jsonText.toUtf8(), root, &messages)) {
        failLoad(QStringLiteral("inline"), QStringLiteral("Invalid Ribbon JSON: %1").arg(messages));
        return false;
    }
    return loadConfigValue(root, QStringLiteral("inline"));
}

QString KIVQRibbonBar::configFile() const
{
    return m_configFile;
}

QString KIVQRibbonBar::lastError() const
{
    return m_lastError;
}

void KIVQRibbonBar::failLoad(const QString& source, const QString& message)
{
    m_lastError = message;
    Q_EMIT configLoadFailed(source, message);
}

bool KIVQRibbonBar::loadConfigValue(const Json::Value& root, const QString& source)
{
    if (!root.isObject()) {
        failLoad(source, QStringLiteral("Ribbon config root must be an object."));
        return false;
    }
    const Json::Value& version = json::member(root, "schemaVersion");
    if (!version.isInt() || version.asInt() != 1) {
        failLoad(source, QStringLiteral("Unsupported Ribbon schemaVersion; expected 1."));
        return false;
    }

    const QPointer<KIVQRibbonBar> alive(this);
    const bool wasLoading = m_loading;
    m_loading = true;
    const QString outerSource = std::exchange(m_source, source);
    clearContent();
    // As many pieces as a page document may hold controls, fewer when read for a page that has spent some
    // (each bar of a page would otherwise bring a budget of its own); the rest is left out and reported.
    const ControlBudget budget(limits::kMaxPageControls, source);

    m_layoutMode = kivParseRibbonLayoutMode(text(root, "layoutMode"));
    m_groupRows = m_layoutMode == KIV_RIBBON_LAYOUT_COMPACT ? 2 : 3;
    updateGeometry();

    const Json::Value& application = json::member(root, "application");
    if (application.isObject()) {
        KIVQRibbonMenu* menu = createMenu(json::member(application, "menu"), m_appButton);
        const QString title = text(application, "text", QStringLiteral("File"));
        menu->setTitle(title);
        setApplicationMenu(title, menu, text(application, "icon"));
    }
    const QString quickList = QStringLiteral("quickAccess");
    const Json::Value& quick = list(root, "quickAccess");
    for (Json::ArrayIndex i = 0; i < quick.size() && !rowIsFull(m_quickAccess.size(), source, quickList, i); ++i) {
        if (isObjectEntry(quick[i], source, quickList, i) && ControlBudget::take(quickList))
            addQuickAction(createActionItem(quick[i]));
    }
    const QString topRightList = QStringLiteral("topRight");
    const Json::Value& topRight = list(root, "topRight");
    for (Json::ArrayIndex i = 0; i < topRight.size() && !rowIsFull(m_topRight.size(), source, topRightList, i); ++i) {
        if (!ControlBudget::take(topRightList))
            break;
        if (QWidget* widget = createWidgetItem(topRight[i], m_topRow, topRightList, i))
            addTopRightWidget(widget);
    }
    readPages(json::member(root, "pages"), nullptr);
    const QString contextList = QStringLiteral("contextGroups");
    const Json::Value& contexts = list(root, "contextGroups");
    // The bar was cleared: every group is one this load made. Looked up here, as a search of the bar's
    // list for each entry would make a long document quadratic.
    QHash<QString, KIVQRibbonContextGroup*> contextsById;
    for (Json::ArrayIndex i = 0; i < contexts.size(); ++i) {
        const Json::Value& entry = contexts[i];
        if (!isObjectEntry(entry, source, contextList, i))
            continue;
        const QString id = text(entry, "id");
        KIVQRibbonContextGroup* group = contextsById.value(id);
        if (!group) {
            if (!ControlBudget::take(contextList))
                continue;
            QColor colour(text(entry, "color", QLatin1String(kDefaultContextColor)));
            if (!colour.isValid())
                colour = QColor(QLatin1String(kDefaultContextColor));
            group = appendContextGroup(id, text(entry, "text"), colour);
            contextsById.insert(id, group);
        }
        readPages(json::member(entry, "pages"), group);
        group->m_visible = flag(entry, "visible", false);
    }
    buildTabs();

    const QString current = text(root, "currentPage");
    if (!current.isEmpty())
        setCurrentPage(current);
    else
        setCurrentPage(m_visiblePages.isEmpty() ? -1 : m_pages.indexOf(m_visiblePages.first()));
    if (!alive)
        return false;
    const bool minimized = flag(root, "minimized", false);
    if (minimized != m_minimized)
        storeMinimized(minimized);
    if (!alive)
        return false;

    m_loading = wasLoading;
    m_source = outerSource;
    // What the load added unplaced: the items of each group, the cells of its galleries (in the size the
    // group gave them), then the groups of each page.
    QEvent relayout(QEvent::LayoutRequest);
    for (KIVQRibbonPage* page : qAsConst(m_pages)) {
        for (int i = 0; i < page->groupCount(); ++i) {
            KIVQRibbonGroup* group = page->groupAt(i);
            QCoreApplication::sendEvent(group, &relayout);
            for (const KIVQRibbonGroup::Item& item : group->items()) {
                if (auto* gallery = qobject_cast<KIVQRibbonGallery*>(item.control.data()))
                    QCoreApplication::sendEvent(gallery, &relayout);
            }
        }
        QCoreApplication::sendEvent(page, &relayout);
    }
    applyStyles();
    updateLayout();
    m_lastError.clear();
    return true;
}

void KIVQRibbonBar::readPages(const Json::Value& pages, KIVQRibbonContextGroup* contextGroup)
{
    if (!pages.isArray())
        return;
    const QString pageList = contextGroup ? QStringLiteral("context group \"%1\", pages").arg(contextGroup->contextId())
                                          : QStringLiteral("pages");
    for (Json::ArrayIndex p = 0; p < pages.size() && !rowIsFull(m_pages.size(), m_source, pageList, p); ++p) {
        const Json::Value& pageValue = pages[p];
        const QString id = text(pageValue, "id");
        if (!isObjectEntry(pageValue, m_source, pageList, p) ||
            !ControlBudget::take(QStringLiteral("page \"%1\"").arg(id)))
            continue;
        KIVQRibbonPage* page = contextGroup ? contextGroup->addPage(id, text(pageValue, "text"))
                                            : insertPage(pageCount(), id, text(pageValue, "text"));
        if (!page)
            continue;
        const QString groupList = QStringLiteral("page \"%1\", groups").arg(id);
        const Json::Value& groups = list(pageValue, "groups");
        for (Json::ArrayIndex g = 0; g < groups.size() && !rowIsFull(page->groupCount(), m_source, groupList, g); ++g) {
            const Json::Value& groupValue = groups[g];
            const QString groupId = text(groupValue, "id");
            const QString where = QStringLiteral("page \"%1\", group \"%2\"").arg(id, groupId);
            if (!isObjectEntry(groupValue, m_source, groupList, g) || !ControlBudget::take(where))
                continue;
            KIVQRibbonGroup* group = page->insertGroup(page->groupCount(), groupId, text(groupValue, "text"));
            group->setExpanding(flag(groupValue, "expanding", false));
            const QString itemList = where + QStringLiteral(", items");
            const Json::Value& items = list(groupValue, "items");
            for (Json::ArrayIndex i = 0; i < items.size() && !rowIsFull(group->itemCount(), m_source, itemList, i);
                 ++i) {
                const Json::Value& item = items[i];
                if (!isObjectEntry(item, m_source, itemList, i) || !ControlBudget::take(where))
                    continue;
                const QString type = text(item, "type", QStringLiteral("button"));
                if (type == QLatin1String("separator")) {
                    group->addSeparator();
                } else if (type == QLatin1String("widget")) {
                    if (QWidget* widget = createWidgetItem(item, group, itemList, i))
                        group->addWidget(widget, itemSizeOf(text(item, "size"), KIV_RIBBON_SMALL));
                } else if (type == QLatin1String("gallery")) {
                    KIVQRibbonGallery* gallery = group->addGallery(std::max(number(item, "columns", 3), 1),
                                                                   std::max(number(item, "rows", 2), 1));
                    const QString cellList = QStringLiteral("%1 entry %2, items").arg(itemList).arg(i);
                    const Json::Value& cells = list(item, "items");
                    for (Json::ArrayIndex c = 0; c < cells.size(); ++c) {
                        const Json::Value& cell = cells[c];
                        if (isObjectEntry(cell, m_source, cellList, c) && ControlBudget::take(where))
                            gallery->addItem(text(cell, "id"), text(cell, "text"), text(cell, "icon"));
                    }
                } else {
                    QAction* action = createActionItem(item);
                    const bool hasMenu = item.isMember("menu");
                    KIVQRibbonMenu* menu = hasMenu ? createMenu(item["menu"], group) : nullptr;
                    group->addAction(
                        action, itemSizeOf(text(item, "size"), KIV_RIBBON_LARGE),
                        popupModeOf(text(item, "popup"), hasMenu ? KIV_RIBBON_POPUP_INSTANT : KIV_RIBBON_POPUP_NONE),
                        menu);
                }
            }
        }
    }
}

QAction* KIVQRibbonBar::createActionItem(const Json::Value& value)
{
    const QString id = text(value, "id");
    const QString fallback = id.isEmpty() ? QStringLiteral("Command") : id;
    auto* action = new QAction(this);
    KIVQMenu::setItemText(action, text(value, "text", fallback));
    action->setObjectName(id);
    action->setToolTip(text(value, "tooltip"));
    action->setEnabled(flag(value, "enabled", true));
    action->setCheckable(flag(value, "checkable", false));
    action->setChecked(flag(value, "checked", false));
    const QString icon = text(value, "icon");
    action->setProperty(kIconProperty, icon);
    if (!icon.isEmpty())
        action->setIcon(KIVQPaintHelpers::iconFromFile(icon, QSize(32, 32)));
    registerAction(action);
    return action;
}

KIVQRibbonMenu* KIVQRibbonBar::createMenu(const Json::Value& value, QWidget* parent)
{
    auto* menu = new KIVQRibbonMenu(parent);
    menu->setThemeName(QStringLiteral("RibbonMenu"));
    if (!value.isArray())
        return menu;
    const QString menuList = QStringLiteral("menu");
    for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
        const Json::Value& entry = value[i];
        if (!isObjectEntry(entry, m_source, menuList, i) || !ControlBudget::take(menuList))
            continue;
        const Json::Value& separator = json::member(entry, "separator");
        if (separator.isBool() && separator.asBool()) {
            menu->addSeparator();
            continue;
        }
        const Json::Value& items = json::member(entry, "items");
        if (items.isArray()) {
            // The sub-menu's own action stands in the menu, the entry's text as its title and its id
            // as its name, which a save writes back.
            const QString id = text(entry, "id");
            KIVQRibbonMenu* sub = createMenu(items, menu);
            sub->menuAction()->setObjectName(id);
            KIVQMenu::setItemText(sub->menuAction(),
                                  text(entry, "text", id.isEmpty() ? QStringLiteral("Command") : id));
            menu->addMenu(sub);
            continue;
        }
        menu->addAction(createActionItem(entry));
    }
    return menu;
}

QWidget* KIVQRibbonBar::createWidgetItem(const Json::Value& value, QWidget* parent, const QString& listName,
                                         Json::ArrayIndex index)
{
    if (!isObjectEntry(value, m_source, listName, index))
        return nullptr;
    const QString control = text(value, "control");
    QWidget* made = nullptr;
    if (control == QLatin1String("comboBox")) {
        auto* combo = new KIVQComboBox(parent);
        for (const Json::Value& item : list(value, "items")) {
            // Arrays and objects have no text form; they are left out.
            if (item.isString() || item.isNumeric() || item.isBool())
                combo->addItem(QString::fromStdString(item.asString()));
        }
        combo->setCurrentIndex(number(value, "currentIndex", 0));
        made = combo;
    } else if (control == QLatin1String("lineEdit")) {
        auto* edit = new KIVQLineEdit(parent);
        edit->setText(text(value, "text"));
        edit->setPlaceholderText(text(value, "placeholder"));
        made = edit;
    } else if (control == QLatin1String("spinBox")) {
        auto* spin = new KIVQSpinBox(parent);
        spin->setRange(number(value, "min", 0), number(value, "max", 100));
        spin->setValue(number(value, "value", 0));
        made = spin;
    } else if (control == QLatin1String("checkBox")) {
        auto* check = new KIVQCheckBox(parent);
        check->setText(text(value, "text"));
        check->setChecked(flag(value, "checked", false));
        made = check;
    } else if (control == QLatin1String("radioButton")) {
        auto* radio = new KIVQRadioButton(parent);
        radio->setText(text(value, "text"));
        radio->setChecked(flag(value, "checked", false));
        made = radio;
    } else if (control == QLatin1String("switch")) {
        auto* toggle = new KIVQSwitch(parent);
        toggle->setLeftText(text(value, "leftText"));
        toggle->setRightText(text(value, "rightText"));
        toggle->setSwitchToLeft(!flag(value, "checked", false));
        made = toggle;
    } else if (control == QLatin1String("progressBar")) {
        auto* progress = new KIVQProgressBar(parent);
        progress->setRange(number(value, "min", 0), number(value, "max", 100));
        progress->setValue(number(value, "value", 0));
        const bool showText = flag(value, "showText", true);
        progress->setTextVisible(showText);
        progress->setShowText(showText);
        made = progress;
    } else if (control == QLatin1String("label")) {
        auto* label = new KIVQLabel(parent);
        TextStyleDesc centred = label->getTextStyle(CtrlNormal);
        centred.horAlign = 1;
        centred.verAlign = 1;
        label->setTextStyle(CtrlState(kAllStates), centred);
        label->setAlignment(Qt::AlignCenter);
        label->setText(text(value, "text"));
        made = label;
    }
    if (!made) {
        reportSkipped(m_source, listName, index, QStringLiteral("unknown control \"%1\"").arg(control));
        return nullptr;
    }
    made->setObjectName(text(value, "id"));
    const int width = number(value, "width", 0);
    if (width > 0)
        made->setMinimumWidth(std::min(width, kWidgetMaxSize));
    return made;
}

// ---- writing ----

QString KIVQRibbonBar::configJson() const
{
    return QString::fromStdString(Json::StyledWriter().write(writeConfigValue()));
}

Json::Value KIVQRibbonBar::writeConfigValue() const
{
    Json::Value root(Json::objectValue);
    root["schemaVersion"] = 1;
    root["layoutMode"] = utf8(kivFormatRibbonLayoutMode(m_layoutMode));
    root["minimized"] = m_minimized;
    if (m_current)
        root["currentPage"] = utf8(m_current->pageId());

    // The menu, not the button's widget state: a designer canvas hides every part of a bar it shows.
    if (m_appMenu) {
        Json::Value application(Json::objectValue);
        application["text"] = utf8(m_appButton->text());
        application["icon"] = utf8(m_appButton->ribbonIcon());
        application["menu"] = writeMenu(m_appButton->popupMenu());
        root["application"] = application;
    }

    Json::Value quick(Json::arrayValue);
    for (const QWidget* widget : m_quickAccess) {
        auto* button = qobject_cast<const KIVQRibbonButton*>(widget);
        if (button && button->ribbonAction())
            quick.append(writeCommand(button->ribbonAction()));
    }
    root["quickAccess"] = quick;

    Json::Value topRight(Json::arrayValue);
    for (const QWidget* widget : m_topRight)
        topRight.append(writeWidget(widget));
    root["topRight"] = topRight;

    Json::Value pages(Json::arrayValue);
    for (const KIVQRibbonPage* page : m_pages) {
        if (!page->contextGroup())
            pages.append(writePage(page));
    }
    root["pages"] = pages;

    Json::Value groups(Json::arrayValue);
    for (const KIVQRibbonContextGroup* group : m_contextGroups) {
        Json::Value out(Json::objectValue);
        out["id"] = utf8(group->contextId());
        out["text"] = utf8(group->title());
        out["color"] = utf8(group->color().name(QColor::HexArgb));
        out["visible"] = group->isVisible();
        Json::Value groupPages(Json::arrayValue);
        for (const KIVQRibbonPage* page : group->m_pages)
            groupPages.append(writePage(page));
        out["pages"] = groupPages;
        groups.append(out);
    }
    root["contextGroups"] = groups;
    return root;
}

} // namespace KIVQtLib
