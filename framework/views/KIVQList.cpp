#include "KIVQList.h"

#include "KIVQListImpl.h"
#include "KIVQListItemDelegate.h"

namespace KIVQtLib {

KIVQList::KIVQList(QWidget* parent) : KIVQControlBase(parent)
{
    // The delegate holds the Impl, so it is made first; the theme entry is applied once the bars stand.
    auto* d = new KIVQListImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQListItemDelegate(d));
    setItemDelegate(m_delegate.get());

    setUpRows(this, d);
    setFrameStyle(QFrame::NoFrame);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    attachImpl(d);
}

KIVQList::~KIVQList()
{
    // The delegate goes with the list; the list must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

void KIVQList::setIsMultiSelected(bool on)
{
    setSelectionMode(on ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

bool KIVQList::getIsMultiSelected() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}

void KIVQList::setScrollbarBtnSize(bool, int) {}

void KIVQList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
}

ControlInfo KIVQList::getProps()
{
    using L = KIVQList;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQList", "List", "Control List", "list");
    auto& rows = info.properties;
    rows.push_back(props::fill<L>(
        QStringLiteral("Background"),
        [](L* l, CtrlState s, const FillStyle& f) { l->setBackground(CommonCtrlState(s), f); },
        [](L* l, CtrlState s) { return l->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<L>(QStringLiteral("ItemBackground"), &L::setItemBackground, &L::getItemBackground));
    rows.push_back(props::textStyle<L>(QStringLiteral("TextStyle"), &L::setItemTextStyle, &L::getItemTextStyle));
    rows.push_back(props::onOff<L>(QStringLiteral("MultiSelect"), &L::setIsMultiSelected, &L::getIsMultiSelected));
    rows.push_back(props::integer<L>(QStringLiteral("ItemHeight"), &L::setItemHeight, &L::getItemHeight));
    return info;
}

} // namespace KIVQtLib
