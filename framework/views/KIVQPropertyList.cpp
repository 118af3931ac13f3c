#include "KIVQPropertyList.h"

#include "KIVQPropertyListImpl.h"

namespace KIVQtLib {

KIVQPropertyList::KIVQPropertyList(QWidget* parent) : KIVQScrollView(parent, DeferImpl{})
{
    qRegisterMetaType<PropertyDef*>();
    KIVQScrollViewImpl* d = new KIVQPropertyListImpl(this, QString::fromLatin1(typeName()));
    attachImpl(d);
    m_content = new QWidget(this);
    // Scrolled from the start, so that rows below the list's height can be reached.
    setWidget(m_content);
    layout();
}

KIVQPropertyList::~KIVQPropertyList() = default;

KIVQPropertyListImpl* KIVQPropertyList::listImpl() const
{
    return static_cast<KIVQPropertyListImpl*>(impl());
}

ControlInfo KIVQPropertyList::getProps()
{
    return kivMakeControlInfo(typeName(), "KIVQProperty", "Property", "Control Property", "property");
}

void KIVQPropertyList::addItem(const PropertyDef& def)
{
    listImpl()->addItem(def);
}

void KIVQPropertyList::removeAll()
{
    listImpl()->removeAll();
}

void KIVQPropertyList::updateValue(PropertyDef* def)
{
    Q_EMIT valueChanged(def);
}

void KIVQPropertyList::layout()
{
    m_content->setFixedSize(width(), KIVQPropertyListImpl::kRowHeight * listImpl()->displayedRows());
}

void KIVQPropertyList::resizeEvent(QResizeEvent* event)
{
    layout();
    KIVQScrollView::resizeEvent(event);
}

} // namespace KIVQtLib
