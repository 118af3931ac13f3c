#include "KIVQComboList.h"

#include "KIVQComboBoxImpl.h"
#include "KIVQComboItemDelegate.h"
#include "KIVQViewportFill.h"

namespace KIVQtLib {

KIVQComboList::KIVQComboList(KIVQComboBoxImpl* impl) : m_impl(impl), m_delegate(new KIVQComboItemDelegate(impl))
{
    setItemDelegate(m_delegate.get());
    QPointer<KIVQComboBoxImpl> guarded(impl);
    KIVQViewportFill::install(viewport(), [guarded]() { return guarded ? &guarded->popupBackground : nullptr; });
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

KIVQComboList::~KIVQComboList()
{
    setItemDelegate(nullptr);
}

} // namespace KIVQtLib
