#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QVector>

namespace KIVQtLib {

// The data of a sweeping trace and the drawing the ECG and ICD traces share: the gradient pen, the
// polyline and the previous sweep, clipped 40 pixels right of the newest point.
class KIVQTLIB_EXPORT KIVQTraceChartImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQTraceChartImpl(QWidget* owner, const QString& typeName, float lineWeight, bool antialiased);

    // The kind's drawing with the gradient pen set, then the previous sweep over it.
    void paint(QPainter* painter, const QRect& rect) final;

    QColor lineTop{0, 255, 0};
    QColor lineBottom{0, 255, 0};
    QVector<QPointF> points;
    QImage sweep;
    float lineWeight;

    // A vertical gradient from top to bottom of the rectangle. An invalid colour is no colour: as a
    // gradient stop it would paint black.
    static QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);
    static bool isDrawable(const QPointF& point);
    // Where the previous sweep starts: 40 right of the newest drawable point, kept within the width;
    // -1 when there is no such point and the whole sweep shows.
    int sweepClipLeft(int width) const;

protected:
    virtual void drawContent(QPainter& p, const QRect& rect) const = 0;
    // Through the drawable points; a NaN or infinite coordinate breaks the line there.
    void drawTrace(QPainter& p) const;

private:
    void drawSweep(QPainter& p, const QRect& rect) const;

    bool m_antialiased;
};

} // namespace KIVQtLib
