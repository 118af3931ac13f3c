#include "KIVQMenuImpl.h"

#include "KIVQMenu.h"
#include "core/JsonRead.h"

#include <json/json.h>

#include <QAction>
#include <QPainter>
#include <QPolygon>

namespace KIVQtLib {

namespace {

constexpr int kIconGap = 4;
constexpr int kArrowRoom = 12;
constexpr int kTextPadding = 8;
const QColor kArrowColour(204, 204, 204);

// A style named by a string key and found in the store; any other value leaves the style alone.
template <class Style> bool readNamed(const Json::Value& root, const char* key, Style& style)
{
    QString name;
    if (!KIVQMenuImpl::readString(root, key, name) || name.isEmpty())
        return false;
    return lookupStyle(name, style);
}

template <class Style>
void readStates(const Json::Value& root, const char* const (&keys)[kStateCount], StateStyles<Style>& styles)
{
    // The state-0 key is the shared default; the other keys override single states.
    Style shared = styles.get(CtrlNormal);
    if (readNamed(root, keys[0], shared))
        styles.set(kAllStates, shared);
    for (int s = 1; s < kStateCount; ++s)
        readNamed(root, keys[s], styles.at(s));
}

} // namespace

KIVQMenuImpl::KIVQMenuImpl(KIVQMenu* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_menu(owner)
{
}

bool KIVQMenuImpl::readString(const Json::Value& object, const char* key, QString& out)
{
    const Json::Value& value = json::member(object, key);
    return value.isString() && json::toString(value, out);
}

void KIVQMenuImpl::readStyles(const Json::Value& root)
{
    if (!jsonHasMember(root, "background"))
        return;
    static const char* const itemKeys[kStateCount] = {"item0", "item1", "item2", "item3"};
    static const char* const textKeys[kStateCount] = {"text0", "text1", "text2", "text3"};
    readNamed(root, "background", background);
    readStates(root, itemKeys, itemStyles);
    readStates(root, textKeys, itemTextStyles);
}

void KIVQMenuImpl::copyStylesTo(KIVQMenuImpl& other) const
{
    other.background = background;
    other.itemStyles = itemStyles;
    other.itemTextStyles = itemTextStyles;
}

int KIVQMenuImpl::textColumnWidth() const
{
    const int icon = iconOffset > 0 ? iconOffset + kIconGap : 0;
    int widest = 0;
    for (QAction* action : m_menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString shown = KIVQMenu::itemText(action);
        int text = qMax(measureText(itemTextStyles.get(CtrlNormal), shown).width(),
                        measureText(itemTextStyles.get(CtrlHover), shown).width());
        if (action->menu())
            text += kArrowRoom;
        widest = qMax(widest, icon + text + kTextPadding);
    }
    return widest;
}

void KIVQMenuImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
    const QList<QAction*> actions = m_menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        const QRect item = m_menu->actionGeometry(action);
        if (item.isEmpty())
            continue;
        const int state = i == hoveredIndex && !action->isSeparator() ? CtrlHover : CtrlNormal;
        // The fill goes first: an opaque item fill would otherwise hide the icon column.
        paintFillStyle(painter, itemStyles.get(state), item);

        QRect text = item;
        if (iconOffset != 0) {
            text.setLeft(text.left() + iconOffset + kIconGap);
            QRect icon = item;
            icon.setWidth(iconOffset);
            const QString path = action->property(KIVQMenu::iconPathProperty()).toString();
            if (path.isEmpty())
                paintIcon(painter, action->icon(), QSize(16, 16), IconStyleDesc(), icon);
            else
                paintImageOrSvg(painter, path, IconStyleDesc(), icon, false, icon.size());
        }
        paintText(painter, action->isSeparator() ? QString() : KIVQMenu::itemText(action), itemTextStyles.get(state),
                  text);

        if (action->menu()) {
            const int middle = item.top() + item.height() / 2;
            const QPolygon arrow({QPoint(item.right() - 2, middle), QPoint(item.right() - 7, middle - 5),
                                  QPoint(item.right() - 7, middle + 5)});
            painter->save();
            painter->setPen(Qt::NoPen);
            painter->setBrush(kArrowColour);
            painter->drawPolygon(arrow);
            painter->restore();
        }
    }
}

} // namespace KIVQtLib
