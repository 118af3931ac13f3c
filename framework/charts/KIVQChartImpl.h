#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QFont>
#include <QOpenGLFunctions>

namespace KIVQtLib {

class KIVQChartBase;

// What the chart kinds' Impls share: the title, the fonts, the GL frame set-up, and one paint entry that
// draws the background first and the tooltip last, taking every position from the rectangle given.
class KIVQChartImpl : public KIVQWidgetBaseImpl, public QOpenGLFunctions
{
public:
    KIVQChartImpl(KIVQChartBase* chart, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) final;
    void serializeJson(ControlJson& io) override;

    // Viewport, clear, multisampling on and depth test off, before the painter takes over.
    void beginFrame(const QSize& pixels, const QColor& clear);

    // Each returns whether anything changed, so that the widget repaints only then.
    virtual bool updateHover(const QPoint& pos, const QSize& size) = 0;
    virtual bool toggleLegendAt(const QPoint& pos, const QSize& size) = 0;
    virtual bool clearHoverState() = 0;

    QString title;

protected:
    struct Fonts
    {
        QFont title;
        QFont label;
        QFont tooltip;
    };

    virtual void paintChart(QPainter& p, const QSize& size) = 0;
    // Title and label pixel sizes; the theme's unless a kind fixes its own.
    virtual void fontSizes(int& title, int& label) const;
    // Rebuilt only when the widget font or a size changes, not on every paint.
    const Fonts& fonts();
    KIVQChartBase* chart() const { return m_chart; }

private:
    KIVQChartBase* m_chart;
    Fonts m_fonts;
    QFont m_fontBase;
    int m_fontSizes[3] = {-1, -1, -1};
};

} // namespace KIVQtLib
