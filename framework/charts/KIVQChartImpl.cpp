#include "KIVQChartImpl.h"

#include "KIVQChartBase.h"
#include "core/ControlJson.h"

#include <json/json.h>

#include <QPainter>

namespace KIVQtLib {

KIVQChartImpl::KIVQChartImpl(KIVQChartBase* chart, const QString& typeName)
    : KIVQWidgetBaseImpl(chart, typeName), m_chart(chart)
{
}

void KIVQChartImpl::serializeJson(ControlJson& io)
{
    // The common keys leave out a minimum of 0, but a chart is made with a minimum of its own: without an
    // explicit 0 a chart saved with no minimum would come back at the made one.
    if (io.isReading())
        return;
    if (chart()->minimumWidth() == 0)
        io.element()["minWidth"] = 0;
    if (chart()->minimumHeight() == 0)
        io.element()["minHeight"] = 0;
}

void KIVQChartImpl::paint(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.translate(rect.topLeft());
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRect area(QPoint(0, 0), rect.size());
    p.fillRect(area, m_chart->backgroundColor());
    paintChart(p, rect.size());
    m_chart->drawTooltip(p, area, fonts().tooltip);
    p.restore();
}

void KIVQChartImpl::beginFrame(const QSize& pixels, const QColor& clear)
{
    glViewport(0, 0, pixels.width(), pixels.height());
    glClearColor(float(clear.redF()), float(clear.greenF()), float(clear.blueF()), float(clear.alphaF()));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
#ifdef GL_MULTISAMPLE
    glEnable(GL_MULTISAMPLE);
#endif
    glDisable(GL_DEPTH_TEST);
}

void KIVQChartImpl::fontSizes(int& title, int& label) const
{
    title = m_chart->theme().titlePixelSize;
    label = m_chart->theme().labelPixelSize;
}

const KIVQChartImpl::Fonts& KIVQChartImpl::fonts()
{
    int sizes[3];
    fontSizes(sizes[0], sizes[1]);
    sizes[2] = m_chart->theme().tooltipPixelSize;
    for (int& s : sizes)
        s = qMax(s, 1);
    const QFont& base = m_chart->font();
    if (base == m_fontBase && std::equal(sizes, sizes + 3, m_fontSizes))
        return m_fonts;
    m_fontBase = base;
    std::copy(sizes, sizes + 3, m_fontSizes);
    m_fonts.title = base;
    m_fonts.title.setPixelSize(sizes[0]);
    m_fonts.title.setWeight(QFont::Bold);
    m_fonts.label = base;
    m_fonts.label.setPixelSize(sizes[1]);
    m_fonts.label.setWeight(QFont::Normal);
    m_fonts.tooltip = base;
    m_fonts.tooltip.setPixelSize(sizes[2]);
    return m_fonts;
}

} // namespace KIVQtLib
