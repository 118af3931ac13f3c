#include "ChartFrame.h"

#include "KIVQChartTheme.h"

#include <QFontMetricsF>
#include <QPainter>

namespace KIVQtLib {
namespace chart {

QRectF plotRect(const QSize& size, bool hasSeries, int legendPosition, int rightMargin)
{
    double left = MarginLeft, top = MarginTop, right = rightMargin, bottom = MarginBottom;
    if (hasSeries) {
        switch (legendPosition) {
        case LegendTop:
            top += 40;
            break;
        case LegendRight:
            right += 176;
            break;
        case LegendLeft:
            left += 176;
            break;
        default:
            bottom = MarginBottomLegend;
            break;
        }
    }
    return QRectF(left, top, qMax(size.width() - right - left, 1.0), qMax(size.height() - bottom - top, 1.0));
}

QRectF legendArea(const QSize& size, const QRectF& plot, int legendPosition)
{
    switch (legendPosition) {
    case LegendTop:
        return QRectF(plot.left(), 44, plot.width(), 28);
    case LegendRight:
        return QRectF(plot.right() + 20, plot.top(), qMax(size.width() - plot.right() - 28, 96.0), plot.height());
    case LegendLeft:
        return QRectF(14, plot.top(), qMax(plot.left() - 24, 96.0), plot.height());
    default:
        return QRectF(plot.left(), plot.bottom() + 34, plot.width(), 36);
    }
}

void drawTitle(QPainter& p, const QString& title, const QColor& color, const QFont& font, int width)
{
    if (title.isEmpty())
        return;
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(0, 10, width, 24), Qt::AlignHCenter | Qt::AlignTop, title);
}

void drawCartesianFrame(QPainter& p, const QRectF& plot, double axisY, const KIVQChartTheme& theme, bool verticalGrid)
{
    p.setPen(Qt::NoPen);
    p.setBrush(theme.plotBackground);
    p.drawRect(plot);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme.gridColor, 1.0));
    for (int i = 0; i <= 5; ++i) {
        const double y = plot.top() + plot.height() * i / 5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (verticalGrid) {
            const double x = plot.left() + plot.width() * i / 5;
            p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }
    p.setPen(QPen(theme.axisColor, 1.0));
    p.drawLine(plot.topLeft(), plot.bottomLeft());
    p.drawLine(QPointF(plot.left(), axisY), QPointF(plot.right(), axisY));
}

QStringList valueLabels(const ValueRange& range, int divisions)
{
    QStringList labels;
    divisions = qMax(divisions, 1);
    labels.reserve(divisions + 1);
    for (int i = 0; i <= divisions; ++i)
        labels << formatChartValue(range.max - i * (range.max - range.min) / divisions);
    return labels;
}

void drawValueLabels(QPainter& p, const QRectF& plot, const QStringList& labels, const QColor& color, const QFont& font,
                     int leftMargin)
{
    p.setFont(font);
    p.setPen(color);
    const int divisions = qMax(int(labels.size()) - 1, 1);
    // Against the chart's own left margin, so a left legend does not carry the labels with the plot.
    for (int i = 0; i < labels.size(); ++i) {
        const QRectF box(4, plot.top() + plot.height() * i / divisions - 8, leftMargin - 10, 16);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, labels[i]);
    }
}

void drawCategoryLabel(QPainter& p, const QRectF& plot, double x, const QString& text)
{
    p.drawText(QRectF(x - 34, plot.bottom() + 8, 68, 18), Qt::AlignCenter, text);
}

QPointF tooltipPosition(const QPoint& hover, const QSizeF& box, const QRect& bounds)
{
    const QRectF inner = QRectF(bounds).adjusted(8, 8, -8, -8);
    double x = hover.x() + 16;
    double y = hover.y() + 20;
    if (x + box.width() > inner.right())
        x = inner.right() - box.width();
    if (y + box.height() > inner.bottom())
        y = hover.y() - box.height() - 16;
    return QPointF(qMax(x, inner.left()), qMax(y, inner.top()));
}

void drawTooltipBox(QPainter& p, const QString& text, const QPoint& hover, const QRect& bounds,
                    const KIVQChartTheme& theme, const QFont& font)
{
    if (text.isEmpty())
        return;
    p.save();
    p.setFont(font);
    const QFontMetricsF fm(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, fm.horizontalAdvance(line));
    const QSizeF size(widest + 20, qMax(lines.size(), 1) * fm.lineSpacing() + 16);
    const QRectF box(tooltipPosition(hover, size, bounds), size);

    const bool dark = theme.background.lightness() < 140;
    p.setPen(QPen(dark ? QColor(58, 112, 112, 205) : QColor(198, 207, 222, 218), 1.0, Qt::SolidLine));
    p.setBrush(dark ? QColor(18, 38, 40, 210) : QColor(255, 255, 255, 218));
    p.drawRoundedRect(box, 8, 8);
    p.setPen(dark ? QColor(239, 243, 250) : theme.titleColor);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QPointF(box.left() + 10, box.top() + 8 + fm.ascent() + i * fm.lineSpacing()), lines[i]);
    p.restore();
}

} // namespace chart
} // namespace KIVQtLib
