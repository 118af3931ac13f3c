#include "KIVQMenuBar.h"

#include "KIVQMenuBarImpl.h"

#include <QMouseEvent>

namespace KIVQtLib {

KIVQMenuBar::KIVQMenuBar(QWidget* parent) : KIVQControlBase(parent)
{
    // Styled and hit-tested as a widget on every platform.
    setNativeMenuBar(false);
    attachImpl();
    setAttribute(Qt::WA_MouseTracking);
}

QRect KIVQMenuBar::actionGeometry(QAction* action) const
{
    return action ? QMenuBar::actionGeometry(action) : QRect();
}

QAction* KIVQMenuBar::addMenu(QMenu* menu)
{
    return QMenuBar::addMenu(menu);
}

void KIVQMenuBar::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
}

const FillStyle& KIVQMenuBar::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQMenuBar::setItemBackground(CtrlState state, const FillStyle& fill)
{
    impl()->itemBackgrounds.set(state, fill);
}

const FillStyle& KIVQMenuBar::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQMenuBar::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->textStyles.set(state, style);
}

const TextStyleDesc& KIVQMenuBar::getTextStyle(CtrlState state) const
{
    return impl()->textStyles.get(state);
}

void KIVQMenuBar::setPopupBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->popupBackground = fill;
}

const FillStyle& KIVQMenuBar::getPopupBackground(CommonCtrlState) const
{
    return impl()->popupBackground;
}

void KIVQMenuBar::setPopupItemBackground(CtrlState state, const FillStyle& fill)
{
    impl()->popupItemBackgrounds.set(state, fill);
}

const FillStyle& KIVQMenuBar::getPopupItemBackground(CtrlState state) const
{
    return impl()->popupItemBackgrounds.get(state);
}

void KIVQMenuBar::setPopupTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->popupTextStyles.set(state, style);
}

const TextStyleDesc& KIVQMenuBar::getPopupTextStyle(CtrlState state) const
{
    return impl()->popupTextStyles.get(state);
}

void KIVQMenuBar::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQMenuBar::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<QObject> alive(this);
    QMenuBar::mouseMoveEvent(event);
    if (!alive || !impl())
        return;
    const int index = actions().indexOf(actionAt(event->pos()));
    if (index >= 0 && impl()->hotIndex != index) {
        impl()->hotIndex = index;
        repaint();
    }
}

void KIVQMenuBar::leaveEvent(QEvent* event)
{
    QPointer<QObject> alive(this);
    QMenuBar::leaveEvent(event);
    if (alive && impl() && impl()->hotIndex != -1) {
        impl()->hotIndex = -1;
        repaint();
    }
}

void KIVQMenuBar::mousePressEvent(QMouseEvent* event)
{
    QMenuBar::mousePressEvent(event);
}

void KIVQMenuBar::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<QObject> alive(this);
    QMenuBar::mouseReleaseEvent(event);
    if (alive && impl() && impl()->pressedIndex != -1) {
        impl()->pressedIndex = -1;
        repaint();
    }
}

ControlInfo KIVQMenuBar::getProps()
{
    using Bar = KIVQMenuBar;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQMenuBar", "MenuBar", "Control MenuBar", "menu");
    auto& rows = info.properties;
    rows.push_back(props::fill<Bar>(
        QStringLiteral("Background"),
        [](Bar* b, CtrlState s, const FillStyle& f) { b->setBackground(CommonCtrlState(s), f); },
        [](Bar* b, CtrlState s) { return b->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(
        props::fill<Bar>(QStringLiteral("ItemBackground"), &Bar::setItemBackground, &Bar::getItemBackground));
    rows.push_back(props::textStyle<Bar>(QStringLiteral("ItemTextStyle"), &Bar::setTextStyle, &Bar::getTextStyle));
    rows.push_back(props::fill<Bar>(
        QStringLiteral("PopupBackground"),
        [](Bar* b, CtrlState s, const FillStyle& f) { b->setPopupBackground(CommonCtrlState(s), f); },
        [](Bar* b, CtrlState s) { return b->getPopupBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<Bar>(QStringLiteral("PopupItemBackground"), &Bar::setPopupItemBackground,
                                    &Bar::getPopupItemBackground));
    rows.push_back(
        props::textStyle<Bar>(QStringLiteral("PopupItemTextStyle"), &Bar::setPopupTextStyle, &Bar::getPopupTextStyle));
    return info;
}

} // namespace KIVQtLib
