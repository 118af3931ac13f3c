#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QListView>
#include <QPointer>

#include <memory>

namespace KIVQtLib {

class KIVQComboBoxImpl;
class KIVQComboItemDelegate;

// The combo box's popup list: its viewport is filled with the popup background and its items are painted
// by a KIVQComboItemDelegate. Qt's popup container owns it once the combo box has it as its view, so it
// may outlive the combo box's Impl for a moment and holds it guarded.
class KIVQTLIB_EXPORT KIVQComboList : public QListView
{
    Q_OBJECT
public:
    explicit KIVQComboList(KIVQComboBoxImpl* impl);
    ~KIVQComboList() override;

    KIVQComboItemDelegate* delegate() const { return m_delegate.get(); }

private:
    QPointer<KIVQComboBoxImpl> m_impl;
    std::unique_ptr<KIVQComboItemDelegate> m_delegate;
};

} // namespace KIVQtLib
