#include "KIVQListImpl.h"

#include "KIVQList.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

namespace {

// "style" codes: the background, then runs of four in CtrlState order; 1 and 10 on are not used.
constexpr int kBackgroundCode = 0;
constexpr int kItemFillCode = 2;
constexpr int kItemTextCode = 6;
constexpr int kDefaultHeight = 20;
constexpr int kSampleRows = 20;

} // namespace

KIVQListImpl::KIVQListImpl(KIVQList* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_list(owner)
{
}

void KIVQListImpl::onCreateComplete()
{
    if (!kivIsQtEmulator())
        return;
    for (int i = 0; i < kSampleRows; ++i)
        m_list->addItem(KIVQList::tr("item %1").arg(i));
}

void KIVQListImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kItemFillCode, &itemBackgrounds}, {kItemTextCode, &itemTextStyles}});

    // Only keys that are there: an element without "attr" leaves the selection mode and row height.
    io.keepAbsentKeys();
    bool multi = m_list->selectionMode() == QAbstractItemView::MultiSelection;
    if (io.attrBool("multiselect", multi, false))
        m_list->setIsMultiSelected(multi);
    int height = itemHeight;
    if (io.attr("itemHeight", height, kDefaultHeight))
        m_list->setItemHeight(height);

    if (io.isReading()) {
        m_list->readScrollBarBlocks(io.element(), ScrollBarBlockMatch::Prefix);
        m_list->viewport()->update();
    }
}

} // namespace KIVQtLib
