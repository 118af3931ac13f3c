#include "KIVQSlider.h"

#include "KIVQSliderImpl.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>

namespace KIVQtLib {

KIVQSlider::KIVQSlider(QWidget* parent, Qt::Orientation orientation) : KIVQControlBase(parent)
{
    // QSlider's own 0..99 would be saved as a non-default maximum by every slider.
    setRange(0, 100);
    setOrientation(orientation);
    attachImpl();
}

void KIVQSlider::setBackgroundStyle(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQSlider::getBackgroundStyle(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQSlider::setForegroundStyle(CommonCtrlState, const FillStyle& fill)
{
    impl()->foreground = fill;
    update();
}

const FillStyle& KIVQSlider::getForegroundStyle(CommonCtrlState) const
{
    return impl()->foreground;
}

void KIVQSlider::setThumbStyle(CtrlState state, const FillStyle& fill)
{
    impl()->thumbs.set(state, fill);
    update();
}

const FillStyle& KIVQSlider::getThumbStyle(CtrlState state) const
{
    return impl()->thumbs.get(state);
}

void KIVQSlider::setThumbSize(int w, int h)
{
    impl()->thumbWidth = w;
    impl()->thumbHeight = h;
    update();
}

void KIVQSlider::getThumbSize(int& w, int& h) const
{
    w = impl()->thumbWidth;
    h = impl()->thumbHeight;
}

void KIVQSlider::setChannelHeight(int size)
{
    impl()->channelSize = size;
    update();
}

int KIVQSlider::getChannelHeight() const
{
    return impl()->channelSize;
}

void KIVQSlider::setIsHorizontal(bool horizontal)
{
    setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
}

bool KIVQSlider::getIsHorizontal() const
{
    return orientation() == Qt::Horizontal;
}

int KIVQSlider::getSliderLength() const
{
    const QSize thumb = getThumbBtnSize();
    return orientation() == Qt::Horizontal ? thumb.width() : thumb.height();
}

// Sizes from a page document may be anything; bounded, the style's geometry cannot overflow.
QSize KIVQSlider::getThumbBtnSize() const
{
    return QSize(qBound(0, impl()->thumbWidth, kWidgetMaxSize), qBound(0, impl()->thumbHeight, kWidgetMaxSize));
}

QRect KIVQSlider::getThumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect r = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    r.setSize(getThumbBtnSize());
    return r;
}

// QSlider moves the value before the thumb's state is decided from where the thumb then is; a slot
// of valueChanged or sliderMoved may delete the slider.
void KIVQSlider::mousePressEvent(QMouseEvent* event)
{
    QPointer<KIVQSlider> alive(this);
    QSlider::mousePressEvent(event);
    if (alive && impl())
        impl()->onMousePress(event);
}

void KIVQSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<KIVQSlider> alive(this);
    QSlider::mouseReleaseEvent(event);
    if (alive && impl())
        impl()->onMouseRelease(event);
}

void KIVQSlider::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<KIVQSlider> alive(this);
    QSlider::mouseMoveEvent(event);
    if (alive && impl())
        impl()->onMouseMove(event);
}

// Tracking only while the pointer is over the slider: hover over the thumb without a pressed button.
void KIVQSlider::enterEvent(QEvent* event)
{
    KIVQControlBase::enterEvent(event);
    setMouseTracking(true);
}

void KIVQSlider::leaveEvent(QEvent* event)
{
    KIVQControlBase::leaveEvent(event);
    setMouseTracking(false);
}

ControlInfo KIVQSlider::getProps()
{
    using S = KIVQSlider;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQSlider", "Slider", "Control Slider", "slider");
    auto& rows = info.properties;
    rows.push_back(props::fill<S>(
        QStringLiteral("Background"),
        [](S* s, CtrlState st, const FillStyle& f) { s->setBackgroundStyle(CommonCtrlState(st), f); },
        [](S* s, CtrlState st) { return s->getBackgroundStyle(CommonCtrlState(st)); }, 2));
    rows.push_back(props::fill<S>(
        QStringLiteral("Foreground"),
        [](S* s, CtrlState st, const FillStyle& f) { s->setForegroundStyle(CommonCtrlState(st), f); },
        [](S* s, CtrlState st) { return s->getForegroundStyle(CommonCtrlState(st)); }, 2));
    rows.push_back(props::fill<S>(QStringLiteral("Thumb"), &S::setThumbStyle, &S::getThumbStyle));
    rows.push_back(props::onOff<S>(QStringLiteral("IsHorizontal"), &S::setIsHorizontal, &S::getIsHorizontal));
    rows.push_back(props::pair<S>(QStringLiteral("ThumbWidth"), &S::setThumbSize, &S::getThumbSize));
    rows.push_back(props::integer<S>(QStringLiteral("MaxValue"), &QSlider::setMaximum, &QSlider::maximum));
    rows.push_back(props::integer<S>(QStringLiteral("MinValue"), &QSlider::setMinimum, &QSlider::minimum));
    rows.push_back(props::integer<S>(QStringLiteral("Value"), &QSlider::setValue, &QSlider::value));
    return info;
}

} // namespace KIVQtLib
