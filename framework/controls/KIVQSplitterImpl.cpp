#include "KIVQSplitterImpl.h"

#include "KIVQSplitter.h"
#include "core/ControlJson.h"

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;

} // namespace

KIVQSplitterImpl::KIVQSplitterImpl(KIVQSplitter* owner, const QString& typeName) : KIVQWidgetBaseImpl(owner, typeName)
{
    // Nothing shows until a style that draws is assigned.
    background.draw = false;
}

void KIVQSplitterImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

void KIVQSplitterImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}}, ControlJson::EmptyStyles::WriteNull);
}

} // namespace KIVQtLib
