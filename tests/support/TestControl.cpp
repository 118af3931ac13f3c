#include "TestControl.h"

#include <QPainter>

namespace KIVQtLib {

void TestControlImpl::serializeJson(ControlJson& io)
{
    if (io.isReading()) {
        ++reads;
        if (io.fromTheme())
            ++themeReads;
    }
    io.styles({{0, &background}, {1, &caption}});
    io.attr("text", text, QString());
    io.attr("count", count, 0);
    io.attr("flag", flag, true);
}

void TestControlImpl::paint(QPainter* painter, const QRect& rect)
{
    ++paints;
    paintFillStyle(painter, background, rect);
}

TestControl::TestControl(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

ControlInfo TestControl::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "TestControl", "Test", "Control Test", "test");
    info.properties.push_back(props::integer<TestControl>(
        QStringLiteral("Count"), [](TestControl* c, int v) { c->d()->count = v; },
        [](TestControl* c) { return c->d()->count; }));
    return info;
}

} // namespace KIVQtLib
