#include "KIVQScrollBarImpl.h"

#include "KIVQScrollBar.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"

#include <json/json.h>

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace KIVQtLib {

namespace {

// "style" codes: the background, then a run of four per part in CtrlState order.
constexpr int kBackgroundCode = 0;
constexpr int kUpCode = 2;
constexpr int kDownCode = 6;
constexpr int kThumbCode = 10;

// Hit-testing visits the parts in this order.
constexpr KIVQScrollBarImpl::Part kParts[] = {KIVQScrollBarImpl::Thumb, KIVQScrollBarImpl::DownButton,
                                              KIVQScrollBarImpl::UpButton};

QStyle::SubControl subControl(KIVQScrollBarImpl::Part part)
{
    switch (part) {
    case KIVQScrollBarImpl::Thumb:
        return QStyle::SC_ScrollBarSlider;
    case KIVQScrollBarImpl::DownButton:
        return QStyle::SC_ScrollBarAddLine;
    case KIVQScrollBarImpl::UpButton:
        break;
    }
    return QStyle::SC_ScrollBarSubLine;
}

} // namespace

KIVQScrollBarImpl::KIVQScrollBarImpl(KIVQScrollBar* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_bar(owner)
{
    // A bar belongs to a scrollable owner, which shows it when there is something to scroll.
    owner->setVisible(false);
}

QRect KIVQScrollBarImpl::partRect(Part part) const
{
    QStyleOptionSlider option;
    m_bar->initStyleOption(&option);
    return m_bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, subControl(part), m_bar);
}

int KIVQScrollBarImpl::partState(Part part) const
{
    return m_partStates[size_t(part)];
}

void KIVQScrollBarImpl::setPartState(Part part, int state, bool wholeBar)
{
    m_partStates[size_t(part)] = state;
    if (wholeBar)
        m_bar->repaint();
    else
        m_bar->repaint(partRect(part));
}

void KIVQScrollBarImpl::mousePressAt(const QPoint& pos)
{
    for (Part part : kParts) {
        if (partRect(part).contains(pos) && partState(part) != CtrlPressed)
            setPartState(part, CtrlPressed);
    }
}

void KIVQScrollBarImpl::mouseReleaseAt(const QPoint& pos)
{
    for (Part part : kParts) {
        const int target = partRect(part).contains(pos) ? CtrlHover : CtrlNormal;
        if (partState(part) != target)
            setPartState(part, target);
    }
}

void KIVQScrollBarImpl::mouseMoveTo(const QPoint& pos)
{
    for (Part part : kParts) {
        const int state = partState(part);
        if (partRect(part).contains(pos)) {
            if (state != CtrlHover && state != CtrlPressed)
                setPartState(part, CtrlHover);
        } else if (part == Thumb) {
            // A pressed thumb is being dragged and stays pressed until the release.
            if (state != CtrlNormal && state != CtrlPressed)
                setPartState(part, CtrlNormal);
        } else if (state != CtrlNormal) {
            setPartState(part, CtrlNormal);
        }
    }
}

void KIVQScrollBarImpl::onMouseMove(QMouseEvent* event)
{
    if (event)
        mouseMoveTo(event->pos());
}

// Before QScrollBar's handler: a press in the groove moves the thumb, which must not count as pressed.
void KIVQScrollBarImpl::onMousePress(QMouseEvent* event)
{
    if (event)
        mousePressAt(event->pos());
}

void KIVQScrollBarImpl::onMouseRelease(QMouseEvent* event)
{
    if (event)
        mouseReleaseAt(event->pos());
}

void KIVQScrollBarImpl::onMouseLeave()
{
    m_hover = false;
    const int thumb = partState(Thumb);
    if (thumb != CtrlNormal && thumb != CtrlPressed)
        setPartState(Thumb, CtrlNormal, true);
    if (partState(UpButton) != CtrlNormal)
        setPartState(UpButton, CtrlNormal, true);
    if (partState(DownButton) != CtrlNormal)
        setPartState(DownButton, CtrlNormal, true);
}

void KIVQScrollBarImpl::paintEvent()
{
    // Unlike the base, the part states are left alone: they are kept by the mouse handlers.
    QPainter painter(m_bar);
    paint(&painter, QRect(0, 0, m_bar->width(), m_bar->height()));
}

void KIVQScrollBarImpl::paint(QPainter* painter, const QRect& rect)
{
    const bool enabled = m_bar->isEnabled();
    const auto shown = [enabled](int state) { return enabled ? state : int(CtrlDisabled); };

    paintFillStyle(painter, background, rect);

    const QRect thumb = partRect(Thumb);
    paintFillStyle(painter, thumbStyles.get(shown(partState(Thumb))), thumb);
    paintImageOrSvg(painter, thumbIcon, IconStyleDesc(), thumb, !enabled);

    const QRect up = partRect(UpButton);
    paintFillStyle(painter, upStyles.get(shown(partState(UpButton))), up);
    paintImageOrSvg(painter, upIcon, upIconStyle, up, !enabled);

    const QRect down = partRect(DownButton);
    paintFillStyle(painter, downStyles.get(shown(partState(DownButton))), down);
    paintImageOrSvg(painter, downIcon, downIconStyle, down, !enabled);
}

void KIVQScrollBarImpl::serializeJson(ControlJson& io)
{
    io.styles(
        {{kBackgroundCode, &background}, {kUpCode, &upStyles}, {kDownCode, &downStyles}, {kThumbCode, &thumbStyles}},
        ControlJson::EmptyStyles::WriteNull);

    // An element without "attr" keeps the icons and orientation the theme or the program gave the bar.
    if (io.isReading() && !io.hasAttr())
        return;
    io.attr("upicon", upIcon, QString());
    io.attr("downicon", downIcon, QString());
    io.attr("thumbicon", thumbIcon, QString());
    // The orientation may have been set in code since the flag was last copied.
    horizontal = m_bar->orientation() == Qt::Horizontal;
    if (!io.isReading()) {
        io.attrBool("hor", horizontal, false);
    } else if (!io.fromTheme() && json::read(io.attrObject(), "hor", horizontal)) {
        // Only a usable "hor" turns the bar (a null "attr" reads as vertical); a theme entry styles bars
        // of both orientations, so it never turns one.
        m_bar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    }
}

} // namespace KIVQtLib
