#pragma once

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace KIVQtLib {

// The range slider a chart draws under its plot to pick a window of its items. A value the chart holds:
// the chart forwards its mouse events and paints it; it has no widget and no signals.
class KIVQChartZoomSlider
{
public:
    using LabelProvider = std::function<QString(int)>;

    // Disabling also returns to the whole range and ends a drag.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // Clamped to 0..1, ordered, and at least the minimum span apart.
    void setRange(double start, double end);
    double start() const { return m_start; }
    double end() const { return m_end; }
    void setCount(int count);
    int count() const { return m_count; }
    void setLabelProvider(LabelProvider provider) { m_labelProvider = std::move(provider); }
    void setTextColor(const QColor& color) { m_textColor = color; }

    // Empty while disabled or with fewer than two items: then nothing is drawn or hit.
    QRectF trackRect(const QRectF& plot, double offset) const;
    QRectF windowRect(const QRectF& track) const;
    QString labelFor(int index) const;
    // First and last item of the window among count items; last is count - 1 when the slider is off.
    int firstVisible(int count) const;
    int lastVisible(int count) const;

    // Press and move return whether the slider took the event.
    bool mousePress(const QPoint& pos, const QRectF& track);
    bool mouseMove(const QPoint& pos, const QRectF& track);
    void mouseRelease() { m_dragMode = DragNone; }
    bool isDragging() const { return m_dragMode != DragNone; }

    void paint(QPainter& p, const QRectF& track, bool drawLabels) const;

    static constexpr double minimumSpan = 0.02;

private:
    enum DragMode
    {
        DragNone = 0,
        DragStart = 1,
        DragEnd = 2,
        DragWindow = 3
    };

    void normalize();
    static double fractionAt(double x, const QRectF& track);

    bool m_enabled = false;
    double m_start = 0.0;
    double m_end = 1.0;
    int m_count = 1;
    QColor m_trackColor{231, 237, 247};
    QColor m_windowFill{37, 99, 235, 54};
    QColor m_windowBorder{37, 99, 235};
    QColor m_handleColor{37, 99, 235};
    QColor m_textColor{87, 103, 132};
    double m_trackHeight = 18;
    double m_cornerRadius = 4;
    double m_handleWidth = 6;
    double m_handleOverhang = 3;
    double m_labelGap = 4;
    double m_labelHeight = 16;
    int m_labelPixelSize = 10;
    LabelProvider m_labelProvider;
    int m_dragMode = DragNone;
    QPoint m_pressPos;
    double m_pressStart = 0.0;
    double m_pressEnd = 1.0;
};

} // namespace KIVQtLib
