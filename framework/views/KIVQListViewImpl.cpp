#include "KIVQListViewImpl.h"

#include "core/ControlJson.h"
#include "core/Limits.h"
#include "core/layout/KIVQContainer.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

// Style codes: 0 the background; 2 the normal item fill, which is also the hovered and selected one
// unless 3 or 4 follow; 5 the fourth item fill on its own.
constexpr int kBackgroundCode = 0;
constexpr int kItemCode = 2;
constexpr int kLastItemCode = 5;
constexpr int kSharedStates = 3;

} // namespace

KIVQListViewImpl::KIVQListViewImpl(KIVQListView* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_view(owner)
{
    FillStyle none;
    none.draw = false;
    itemBackgrounds.set(kAllStates, none);
}

void KIVQListViewImpl::onCreateComplete()
{
    for (QObject* child : m_view->children()) {
        if (auto* container = qobject_cast<KIVQContainer*>(child)) {
            adoptTemplate(container);
            return;
        }
    }
}

void KIVQListViewImpl::adoptTemplate(QWidget* widget)
{
    widget->hide();
    itemTemplate = widget;
    rowControls.clear();
    rowHtml.clear();
    m_view->viewport()->update();
}

KIVQContainer* KIVQListViewImpl::templateContainer() const
{
    return qobject_cast<KIVQContainer*>(itemTemplate.data());
}

void KIVQListViewImpl::readStyles(const Json::Value& element, bool fromTheme)
{
    for (const StyleEntry& entry : readStyleEntries(element, fromTheme)) {
        if (applySlotEntry(background, kBackgroundCode, entry))
            continue;
        const int state = entry.code - kItemCode;
        if (state < 0 || state >= kStateCount)
            continue;
        FillStyle found = itemBackgrounds.get(state);
        if (!lookupStyle(entry.name, found)) {
            for (int s = state; s < (state == CtrlNormal ? kSharedStates : state + 1); ++s)
                keepStyleReference(entry, itemBackgrounds.at(s));
            continue;
        }
        if (state == CtrlNormal) {
            for (int s = 0; s < kSharedStates; ++s)
                itemBackgrounds.set(s, found);
        } else {
            itemBackgrounds.set(state, found);
        }
    }
}

void KIVQListViewImpl::writeStyles(Json::Value& element) const
{
    StyleWriter writer;
    writer.slot(background, kBackgroundCode);
    const FillStyle& first = itemBackgrounds.get(CtrlNormal);
    bool shared = !first.name.isEmpty();
    for (int s = 1; shared && s < kSharedStates; ++s)
        shared = itemBackgrounds.get(s).name.isEmpty() || itemBackgrounds.get(s) == first;
    for (int s = 0; s < (shared ? 1 : kSharedStates); ++s)
        writer.slot(itemBackgrounds.get(s), kItemCode + s);
    // The code of the normal fill does not reach the fourth one, so a named fourth fill is always written.
    writer.slot(itemBackgrounds.get(CtrlDisabled), kLastItemCode);
    writer.store(element, EmptyStyles::Omit);
}

void KIVQListViewImpl::serializeJson(ControlJson& io)
{
    if (io.isReading())
        readStyles(io.element(), io.fromTheme());
    else
        writeStyles(io.element());

    io.keepAbsentKeys();
    bool relayout = io.attr("itemHeight", itemHeight, 20);
    relayout = io.attr("itemWidth", itemWidth, 20) || relayout;
    int spacing = m_view->spacing();
    // Qt adds the spacing to every item's position: a document's value stays far from overflowing it.
    if (io.attr("spacing", spacing, 0))
        m_view->setSpacing(qBound(-limits::kMaxWindowSide, spacing, limits::kMaxWindowSide));
    int iconMode = m_view->viewMode() == QListView::IconMode ? 1 : 0;
    if (io.isReading()) {
        if (io.attr("itemMode", iconMode, 0))
            m_view->setViewMode(iconMode ? QListView::IconMode : QListView::ListMode);
        if (relayout)
            m_view->doItemsLayout();
        m_view->readScrollBarBlocks(io.element(), ScrollBarBlockMatch::Prefix);
    } else {
        io.attrs().writable()["itemMode"] = iconMode;
    }
}

} // namespace KIVQtLib
