#include "KIVQListImpl.h"

#include "KIVQList.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

namespace {

constexpr int kSampleRows = 20;

} // namespace

KIVQListImpl::KIVQListImpl(KIVQList* owner, const QString& typeName)
    : KIVQItemRowsImpl(owner, owner, typeName, 20), m_list(owner)
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
    serializeRows(io);
    // Only when "attr" holds it: an element without "attr" leaves the selection mode.
    bool multi = m_list->selectionMode() == QAbstractItemView::MultiSelection;
    if (io.attrBool("multiselect", multi, false))
        m_list->setIsMultiSelected(multi);
}

} // namespace KIVQtLib
