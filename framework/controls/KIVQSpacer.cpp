#include "KIVQSpacer.h"

#include "KIVQSpacerImpl.h"
#include "core/layout/KIVQChildLayout.h"
#include "core/layout/KIVQContainer.h"

namespace KIVQtLib {

static_assert(int(KIVQSpacer::Auto) == SpacerAuto && int(KIVQSpacer::Horizontal) == SpacerHorizontal &&
                  int(KIVQSpacer::Vertical) == SpacerVertical,
              "the layout reads the direction as a number");

namespace {

void relayoutParent(QWidget* spacer)
{
    if (auto* container = qobject_cast<KIVQContainer*>(spacer->parentWidget()))
        container->forceResize();
}

} // namespace

KIVQSpacer::KIVQSpacer(QWidget* parent) : KIVQControlBase(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setMinimumSize(0, 0);
    attachImpl();
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

} // namespace KIVQtLib
