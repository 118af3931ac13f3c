#include "KIVQChartZoomSlider.h"

#include <QPainter>

#include <cmath>

namespace KIVQtLib {

void KIVQChartZoomSlider::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_start = 0.0;
        m_end = 1.0;
        m_dragMode = DragNone;
    }
}

void KIVQChartZoomSlider::setRange(double start, double end)
{
    // A NaN would pass every clamp below and leave the window undefined; it keeps the current end.
    m_start = std::isnan(start) ? m_start : start;
    m_end = std::isnan(end) ? m_end : end;
    normalize();
}

void KIVQChartZoomSlider::setCount(int count)
{
    m_count = qMax(count, 1);
}

void KIVQChartZoomSlider::normalize()
{
    m_start = qBound(0.0, m_start, 1.0);
    m_end = qBound(0.0, m_end, 1.0);
    if (m_start > m_end)
        std::swap(m_start, m_end);
    if (m_end - m_start >= minimumSpan)
        return;
    // The handle being dragged gives way to the other one.
    if (m_dragMode == DragStart) {
        m_start = qMax(m_end - minimumSpan, 0.0);
        return;
    }
    m_end = qMin(m_start + minimumSpan, 1.0);
    if (m_end - m_start < minimumSpan)
        m_start = qMax(m_end - minimumSpan, 0.0);
}

double KIVQChartZoomSlider::fractionAt(double x, const QRectF& track)
{
    if (track.isEmpty())
        return 0.0;
    return qBound(0.0, (x - track.left()) / qMax(track.width(), 1.0), 1.0);
}

QRectF KIVQChartZoomSlider::trackRect(const QRectF& plot, double offset) const
{
    if (!m_enabled || m_count < 2)
        return QRectF();
    return QRectF(plot.left(), plot.bottom() + offset, plot.width(), m_trackHeight);
}

QRectF KIVQChartZoomSlider::windowRect(const QRectF& track) const
{
    if (track.isEmpty())
        return QRectF();
    return QRectF(track.left() + track.width() * m_start, track.top(), qMax(track.width() * (m_end - m_start), 1.0),
                  track.height());
}

QString KIVQChartZoomSlider::labelFor(int index) const
{
    if (m_labelProvider)
        return m_labelProvider(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

int KIVQChartZoomSlider::firstVisible(int count) const
{
    if (!m_enabled || count < 2)
        return 0;
    return qBound(0, int(std::floor(m_start * (count - 1))), count - 1);
}

int KIVQChartZoomSlider::lastVisible(int count) const
{
    if (!m_enabled || count < 2)
        return count - 1;
    return qMax(firstVisible(count), qMin(count - 1, int(std::ceil(m_end * (count - 1)))));
}

bool KIVQChartZoomSlider::mousePress(const QPoint& pos, const QRectF& track)
{
    m_dragMode = DragNone;
    if (track.isEmpty())
        return false;
    const QRectF window = windowRect(track);
    const QRectF leftHandle(window.left() - 8, window.top() - 6, 16, window.height() + 12);
    const QRectF rightHandle(window.right() - 8, window.top() - 6, 16, window.height() + 12);
    if (leftHandle.contains(pos))
        m_dragMode = DragStart;
    else if (rightHandle.contains(pos))
        m_dragMode = DragEnd;
    else if (window.adjusted(0, -6, 0, 6).contains(pos))
        m_dragMode = DragWindow;
    else
        return false;
    m_pressPos = pos;
    m_pressStart = m_start;
    m_pressEnd = m_end;
    return true;
}

bool KIVQChartZoomSlider::mouseMove(const QPoint& pos, const QRectF& track)
{
    if (m_dragMode == DragNone || track.isEmpty())
        return false;
    const double at = fractionAt(pos.x(), track);
    switch (m_dragMode) {
    case DragStart:
        m_start = qMin(at, m_end - minimumSpan);
        break;
    case DragEnd:
        m_end = qMax(m_start + minimumSpan, at);
        break;
    default: {
        const double width = m_pressEnd - m_pressStart;
        const double delta = (pos.x() - m_pressPos.x()) / qMax(track.width(), 1.0);
        m_start = m_pressStart + delta;
        m_end = m_pressEnd + delta;
        if (m_start < 0) {
            m_start = 0;
            m_end = width;
        } else if (m_end > 1) {
            m_end = 1;
            m_start = 1 - width;
        }
        break;
    }
    }
    normalize();
    return true;
}

void KIVQChartZoomSlider::paint(QPainter& p, const QRectF& track, bool drawLabels) const
{
    if (track.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(m_trackColor);
    p.drawRoundedRect(track, m_cornerRadius, m_cornerRadius);

    const QRectF window = windowRect(track);
    p.setBrush(m_windowFill);
    p.drawRoundedRect(window, m_cornerRadius, m_cornerRadius);
    p.setPen(QPen(m_windowBorder, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(window, m_cornerRadius, m_cornerRadius);

    p.setPen(Qt::NoPen);
    p.setBrush(m_handleColor);
    const double handleHeight = window.height() + 2 * m_handleOverhang;
    const double radius = m_handleWidth / 2;
    for (double x : {window.left(), window.right()})
        p.drawRoundedRect(QRectF(x - radius, window.top() - m_handleOverhang, m_handleWidth, handleHeight), radius,
                          radius);

    if (drawLabels) {
        QFont font = p.font();
        font.setPixelSize(m_labelPixelSize);
        p.setFont(font);
        p.setPen(m_textColor);
        const double top = track.bottom() + m_labelGap;
        p.drawText(QRectF(track.left(), top, 120, m_labelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   labelFor(firstVisible(m_count)));
        p.drawText(QRectF(track.right() - 120, top, 120, m_labelHeight), Qt::AlignRight | Qt::AlignVCenter,
                   labelFor(lastVisible(m_count)));
    }
    p.restore();
}

} // namespace KIVQtLib
