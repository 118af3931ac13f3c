#include "KIVQProgressBarImpl.h"

#include "KIVQProgressBar.h"
#include "core/ControlJson.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <cmath>

namespace KIVQtLib {

namespace {

// "style" codes.
constexpr int kBackgroundCode = 0;
constexpr int kForegroundCode = 2;
constexpr int kTextCode = 4;
// Past one turn the sector already covers everything; more degrees would only flip the odd-even fill.
constexpr qint64 kFullTurn = 360;

} // namespace

KIVQProgressBarImpl::KIVQProgressBarImpl(KIVQProgressBar* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_bar(owner)
{
}

// The interaction state plays no part in the look, so it is not tracked here.
void KIVQProgressBarImpl::paintEvent()
{
    QPainter painter(m_bar);
    paint(&painter, QRect(0, 0, m_bar->width(), m_bar->height()));
}

void KIVQProgressBarImpl::paintSector(QPainter* painter, int w, int h, float fraction) const
{
    const QPoint centre(w / 2, h / 2);
    const int radius = qMax(w, h); // beyond every corner
    const qint64 span = qMin(qint64(fraction * float(qint64(endAngle) - startAngle)), kFullTurn);
    QPolygon polygon;
    polygon << centre;
    for (qint64 d = startAngle; d < startAngle + span; ++d) {
        const float a = float(double(d) / 180.0 * 3.1415926);
        polygon << QPoint(centre.x() - int(std::sin(a) * radius), centre.y() + int(std::cos(a) * radius));
    }
    polygon << centre;
    painter->setClipRegion(QRegion(polygon, Qt::OddEvenFill), Qt::ReplaceClip);
    paintFillStyle(painter, foreground, 0, 0, w, h);
}

void KIVQProgressBarImpl::paint(QPainter* painter, const QRect& rect)
{
    const int w = rect.width();
    const int h = rect.height();
    const int value = m_bar->value();
    const qint64 range = qint64(m_bar->maximum()) - m_bar->minimum();
    // A busy bar (empty range) and a value outside the range show no progress.
    const bool inRange = range > 0 && value >= m_bar->minimum() && value <= m_bar->maximum();
    const float f = inRange ? float(qint64(value) - m_bar->minimum()) / float(range) : 0.0f;

    if (!circle) {
        paintFillStyle(painter, background, rect);
        if (m_bar->orientation() == Qt::Horizontal) {
            paintFillStyle(painter, foreground, rect.left(), rect.top(), int(f * float(w)), h);
        } else {
            const int filled = int(f * float(h));
            paintFillStyle(painter, foreground, rect.left(), rect.top() + h - filled, w, filled);
        }
    } else {
        paintFillStyle(painter, background, 0, 0, w, h);
        if (inRange && f > 0.0f) {
            painter->save();
            if (value == m_bar->maximum())
                paintFillStyle(painter, foreground, 0, 0, w, h);
            else
                paintSector(painter, w, h, f);
            painter->restore();
        }
    }

    if (showText) {
        TextStyleDesc horizontal = textStyle;
        horizontal.isHor = true;
        paintText(painter, QStringLiteral("%1%").arg(value), horizontal, rect.left(), rect.top(), w, h, true);
    }
}

void KIVQProgressBarImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kForegroundCode, &foreground}, {kTextCode, &textStyle}},
              ControlJson::EmptyStyles::WriteNull);
    if (io.isReading() && !io.hasAttr())
        return;

    AttrIO keeping(io.element(), io.isReading(), AttrIO::AbsentKeys::Keep, io.fromTheme());
    keeping.io("showText", showText, false);
    // A missing value resets to 0; a theme entry styles the bar and leaves its value to the program.
    if (io.isReading() && io.fromTheme())
        return;
    int value = m_bar->value();
    io.attr("val", value, 0);
    if (io.isReading())
        m_bar->setValue(value);
}

} // namespace KIVQtLib
