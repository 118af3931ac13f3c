#include "KIVQSpacer.h"

#include "KIVQSpacerImpl.h"
#include "core/KIVQContainer.h"

namespace KIVQtLib {

namespace {

void relayoutParent(QWidget* spacer)
{
    if (auto* container = qobject_cast<KIVQContainer*>(spacer->parentWidget()))
        container->forceResize();
}

} // namespace

KIVQSpacer::KIVQSpacer(QWidget* parent) : QWidget(parent)
{
    m_impl.reset(new KIVQSpacerImpl(this, QString::fromLatin1(typeName())));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setMinimumSize(0, 0);
    m_impl->applyTheme();
}

KIVQSpacer::~KIVQSpacer() = default;

KIVQ_CONTROL_DEFINE(KIVQSpacer)

KIVQSpacerImpl* KIVQSpacer::impl() const
{
    return static_cast<KIVQSpacerImpl*>(m_impl.get());
}

ControlInfo KIVQSpacer::getProps()
{
    using namespace props;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQSpacer", "Spacer", "Elastic spacer", "container");
    info.properties.push_back(integer<KIVQSpacer>(
        QStringLiteral("Direction"), [](KIVQSpacer* s, int v) { s->setDirection(Direction(v)); },
        [](KIVQSpacer* s) { return int(s->getDirection()); },
        QStringList{QStringLiteral("Auto"), QStringLiteral("Horizontal"), QStringLiteral("Vertical")}));
    info.properties.push_back(
        integer<KIVQSpacer>(QStringLiteral("Thickness"), &KIVQSpacer::setThickness, &KIVQSpacer::getThickness));
    return info;
}

KIVQSpacer::Direction KIVQSpacer::getDirection() const
{
    return Direction(impl()->direction);
}

void KIVQSpacer::setDirection(Direction direction)
{
    impl()->setDirection(direction);
    relayoutParent(this);
}

int KIVQSpacer::getThickness() const
{
    return impl()->thickness;
}

void KIVQSpacer::setThickness(int thickness)
{
    impl()->setThickness(thickness);
    relayoutParent(this);
}

void KIVQSpacer::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

} // namespace KIVQtLib
