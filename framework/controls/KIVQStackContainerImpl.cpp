#include "KIVQStackContainerImpl.h"

#include "KIVQStackContainer.h"
#include "core/ControlJson.h"

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kDisableBackgroundCode = 1;

} // namespace

KIVQStackContainerImpl::KIVQStackContainerImpl(KIVQStackContainer* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_stack(owner)
{
}

void KIVQStackContainerImpl::pageDestroyed(QObject* page)
{
    m_stack->pageDestroyed(page);
}

void KIVQStackContainerImpl::paint(QPainter* painter, const QRect& rect)
{
    if (drawBackground)
        paintFillStyle(painter, m_stack->isEnabled() ? background : disableBackground, rect);
}

void KIVQStackContainerImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kDisableBackgroundCode, &disableBackground}},
              ControlJson::EmptyStyles::WriteNull);
    io.keepAbsentKeys();
    io.attr("drawBackground", drawBackground, true);
    if (io.isReading())
        m_stack->update();
}

} // namespace KIVQtLib
