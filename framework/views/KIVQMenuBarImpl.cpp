#include "KIVQMenuBarImpl.h"

#include "KIVQMenuBar.h"
#include "core/ControlJson.h"

#include <QAction>
#include <QPainter>

namespace KIVQtLib {

namespace {

// Style codes. The popup background and the popup item fills share code 9: the first code-9 entry of
// an array is the background (and the default of the item fills), a later one the item fills.
constexpr int kBackgroundCode = 0;
constexpr int kItemBackgroundCode = 1;
constexpr int kTextStyleCode = 5;
constexpr int kPopupCode = 9;
constexpr int kPopupTextStyleCode = 13;

} // namespace

KIVQMenuBarImpl::KIVQMenuBarImpl(KIVQMenuBar* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_bar(owner)
{
}

void KIVQMenuBarImpl::paint(QPainter* painter, const QRect&)
{
    if (!m_owner)
        return;
    paintFillStyle(painter, background, 0, 0, m_bar->width(), m_bar->height());
    const QList<QAction*> actions = m_bar->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QRect item = m_bar->actionGeometry(actions.at(i));
        item.setHeight(m_bar->height());
        const int state = i == pressedIndex ? CtrlPressed : (i == hotIndex ? CtrlHover : CtrlNormal);
        paintFillStyle(painter, itemBackgrounds.get(state), item);
        paintText(painter, actions.at(i)->text(), textStyles.get(state), item);
    }
}

void KIVQMenuBarImpl::readStyles(const Json::Value& element, bool fromTheme)
{
    bool popupBackgroundRead = false;
    for (const StyleEntry& entry : readStyleEntries(element, fromTheme)) {
        if (applySlotEntry(background, kBackgroundCode, entry) ||
            applyStateEntry(itemBackgrounds, kItemBackgroundCode, entry) ||
            applyStateEntry(popupTextStyles, kPopupTextStyleCode, entry))
            continue;
        if (entry.code == kTextStyleCode) {
            TextStyleDesc found = textStyles.get(CtrlNormal);
            if (!lookupStyle(entry.name, found)) {
                keepStyleReference(entry, textStyles);
                continue;
            }
            textStyles.set(kAllStates, found);
            QFont font = m_bar->font();
            font.setPixelSize(found.size + 1);
            m_bar->setFont(font);
            continue;
        }
        if (applyStateEntry(textStyles, kTextStyleCode, entry))
            continue;
        if (entry.code == kPopupCode && !popupBackgroundRead) {
            popupBackgroundRead = true;
            if (lookupStyle(entry, popupBackground))
                popupItemBackgrounds.set(kAllStates, popupBackground);
            else
                keepStyleReference(entry, popupItemBackgrounds);
            continue;
        }
        applyStateEntry(popupItemBackgrounds, kPopupCode, entry);
    }
}

void KIVQMenuBarImpl::serializeJson(ControlJson& io)
{
    if (io.isReading()) {
        readStyles(io.element(), io.fromTheme());
        return;
    }
    // The popup background goes ahead of the popup item fills, so that reading tells them apart.
    io.styles({{kBackgroundCode, &background},
               {kItemBackgroundCode, &itemBackgrounds},
               {kTextStyleCode, &textStyles},
               {kPopupCode, &popupBackground},
               {kPopupCode, &popupItemBackgrounds},
               {kPopupTextStyleCode, &popupTextStyles}},
              ControlJson::EmptyStyles::WriteEmptyArray);
}

} // namespace KIVQtLib
