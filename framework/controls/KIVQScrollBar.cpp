#include "KIVQScrollBar.h"

#include "KIVQScrollBarImpl.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>

namespace KIVQtLib {

KIVQScrollBar::KIVQScrollBar(QWidget* parent) : QScrollBar(parent)
{
    construct(Qt::Vertical);
}

KIVQScrollBar::KIVQScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(parent)
{
    construct(orientation);
}

KIVQScrollBar::~KIVQScrollBar() = default;

void KIVQScrollBar::construct(Qt::Orientation orientation)
{
    setOrientation(orientation);
    setAttribute(Qt::WA_MouseTracking);
    m_impl.reset(new KIVQScrollBarImpl(this, QString::fromLatin1(typeName())));
    m_impl->applyTheme();
}

KIVQ_CONTROL_DEFINE(KIVQScrollBar)

KIVQScrollBarImpl* KIVQScrollBar::impl() const
{
    return static_cast<KIVQScrollBarImpl*>(m_impl.get());
}

void KIVQScrollBar::setScrollbarBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
}

const FillStyle& KIVQScrollBar::getScrollbarBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQScrollBar::setScrollbarUpButton(CtrlState state, const FillStyle& fill)
{
    impl()->upStyles.set(state, fill);
}

const FillStyle& KIVQScrollBar::getScrollbarUpButton(CtrlState state) const
{
    return impl()->upStyles.get(state);
}

void KIVQScrollBar::setScrollbarDownButton(CtrlState state, const FillStyle& fill)
{
    impl()->downStyles.set(state, fill);
}

const FillStyle& KIVQScrollBar::getScrollbarDownButton(CtrlState state) const
{
    return impl()->downStyles.get(state);
}

void KIVQScrollBar::setScrollbarThumb(CtrlState state, const FillStyle& fill)
{
    impl()->thumbStyles.set(state, fill);
}

const FillStyle& KIVQScrollBar::getScrollbarThumb(CtrlState state) const
{
    return impl()->thumbStyles.get(state);
}

void KIVQScrollBar::setScrollbarBtnIcon(bool up, const QString& name)
{
    (up ? impl()->upIcon : impl()->downIcon) = name;
}

const QString& KIVQScrollBar::getScrollbarBtnIcon(bool up) const
{
    return up ? impl()->upIcon : impl()->downIcon;
}

void KIVQScrollBar::setScrollbarThumbIcon(const QString& name)
{
    impl()->thumbIcon = name;
}

const QString& KIVQScrollBar::getScrollbarThumbIcon() const
{
    return impl()->thumbIcon;
}

void KIVQScrollBar::setScrollbarIconStyle(bool up, const IconStyleDesc& style)
{
    (up ? impl()->upIconStyle : impl()->downIconStyle) = style;
}

const IconStyleDesc& KIVQScrollBar::getScrollbarIconStyle(bool up) const
{
    return up ? impl()->upIconStyle : impl()->downIconStyle;
}

void KIVQScrollBar::setWidthHeight(int thickness)
{
    impl()->thickness = thickness;
}

int KIVQScrollBar::getWidthHeight() const
{
    return impl()->thickness;
}

void KIVQScrollBar::initStyleOption(QStyleOptionSlider* option) const
{
    if (option)
        QScrollBar::initStyleOption(option);
}

QSize KIVQScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    const int thickness = impl()->thickness;
    if (thickness != -1) {
        if (orientation() == Qt::Horizontal)
            hint.setHeight(thickness);
        else
            hint.setWidth(thickness);
    }
    return hint;
}

void KIVQScrollBar::mousePressEvent(QMouseEvent* event)
{
    impl()->mousePressAt(event->pos());
    QScrollBar::mousePressEvent(event);
}

void KIVQScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    impl()->mouseReleaseAt(event->pos());
    QScrollBar::mouseReleaseEvent(event);
}

void KIVQScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    impl()->onMouseMove(event);
    QScrollBar::mouseMoveEvent(event);
}

void KIVQScrollBar::leaveEvent(QEvent* event)
{
    impl()->onMouseLeave();
    QWidget::leaveEvent(event);
}

void KIVQScrollBar::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

ControlInfo KIVQScrollBar::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQScrollBar", "ScrollBar", "Control ScrollBar", "scrollbar");
    auto& rows = info.properties;
    rows.push_back(props::fill<KIVQScrollBar>(
        QStringLiteral("Background"),
        [](KIVQScrollBar* b, CtrlState s, const FillStyle& f) { b->setScrollbarBackground(CommonCtrlState(s), f); },
        [](KIVQScrollBar* b, CtrlState s) { return b->getScrollbarBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("UpButton"), &KIVQScrollBar::setScrollbarUpButton,
                                              &KIVQScrollBar::getScrollbarUpButton));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("DownButton"), &KIVQScrollBar::setScrollbarDownButton,
                                              &KIVQScrollBar::getScrollbarDownButton));
    rows.push_back(props::fill<KIVQScrollBar>(QStringLiteral("Thumb"), &KIVQScrollBar::setScrollbarThumb,
                                              &KIVQScrollBar::getScrollbarThumb));
    rows.push_back(props::text<KIVQScrollBar>(QStringLiteral("Thumb"), PropertyDef::ImageName,
                                              &KIVQScrollBar::setScrollbarThumbIcon,
                                              &KIVQScrollBar::getScrollbarThumbIcon));
    return info;
}

} // namespace KIVQtLib
