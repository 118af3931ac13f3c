#include "KIVQTabWidget.h"

#include "KIVQTabWidgetImpl.h"

#include <QMouseEvent>
#include <QPointer>

namespace KIVQtLib {

KIVQTabWidget::KIVQTabWidget(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    setAttribute(Qt::WA_MouseTracking);
}

void KIVQTabWidget::addTab(const QString& text, const QString& icon, const QString& selIcon)
{
    KIVQTabItem item;
    item.text = text;
    item.icon = icon;
    if (!selIcon.isEmpty())
        item.selectedIcon = selIcon;
    impl()->tabs.append(item);
}

void KIVQTabWidget::removeTab(int index)
{
    if (index >= 0 && index < impl()->tabs.size())
        impl()->tabs.remove(index);
}

void KIVQTabWidget::removeAllTab()
{
    impl()->tabs.clear();
    update();
}

int KIVQTabWidget::getTabCount() const
{
    return impl()->tabs.size();
}

QString KIVQTabWidget::getTabText(int index) const
{
    return index >= 0 && index < impl()->tabs.size() ? impl()->tabs.at(index).text : QString();
}

bool KIVQTabWidget::setItemData(int index, const QVariant& value)
{
    if (index < 0 || index >= impl()->tabs.size())
        return false;
    impl()->tabs[index].data = value;
    return true;
}

QVariant KIVQTabWidget::getItemData(int index) const
{
    return index >= 0 && index < impl()->tabs.size() ? impl()->tabs.at(index).data : QVariant();
}

void KIVQTabWidget::setSelectedIndex(int index)
{
    KIVQTabWidgetImpl* d = impl();
    if (index >= d->tabs.size() || index == d->selectedIndex)
        return;
    d->selectedIndex = index;
    QPointer<KIVQTabWidget> alive(this);
    Q_EMIT currentChanged(index);
    if (alive)
        update();
}

int KIVQTabWidget::getSelectedIndex() const
{
    return impl()->selectedIndex;
}

void KIVQTabWidget::setIsHor(bool horizontal)
{
    impl()->vertical = horizontal ? 0 : 1;
}

bool KIVQTabWidget::getIsHor() const
{
    return impl()->vertical == 0;
}

void KIVQTabWidget::setItemSize(int size)
{
    impl()->itemSize = size;
}

int KIVQTabWidget::getItemSize() const
{
    return impl()->itemSize;
}

void KIVQTabWidget::setItemSpace(int space)
{
    impl()->itemSpace = space;
}

int KIVQTabWidget::getItemSpace() const
{
    return impl()->itemSpace;
}

void KIVQTabWidget::setShowText(bool on)
{
    impl()->showText = on;
}

bool KIVQTabWidget::getShowText() const
{
    return impl()->showText;
}

void KIVQTabWidget::setShowIcon(bool on)
{
    impl()->hasIcon = on;
}

bool KIVQTabWidget::getShowIcon() const
{
    return impl()->hasIcon;
}

void KIVQTabWidget::setBackground(const FillStyle& fill)
{
    impl()->background = fill;
}

const FillStyle& KIVQTabWidget::getBackground() const
{
    return impl()->background;
}

void KIVQTabWidget::setItemBackground(CtrlState state, const FillStyle& fill)
{
    impl()->itemBackgrounds.set(state, fill);
}

const FillStyle& KIVQTabWidget::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQTabWidget::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->itemTextStyles.set(state, style);
}

const TextStyleDesc& KIVQTabWidget::getItemTextStyle(CtrlState state) const
{
    return impl()->itemTextStyles.get(state);
}

void KIVQTabWidget::initDemoData()
{
    createComplete();
}

// Selection happens on the press, of any button, and is announced again for the selected tab.
void KIVQTabWidget::mousePressEvent(QMouseEvent* event)
{
    const int hit = impl()->tabAt(event->pos());
    if (hit < 0)
        return;
    impl()->selectedIndex = hit;
    QPointer<KIVQTabWidget> alive(this);
    Q_EMIT currentChanged(hit);
    if (alive)
        update();
}

// A gap keeps the last tab hot; only another tab or leaving the strip changes it.
void KIVQTabWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int hit = impl()->tabAt(event->pos());
    if (hit < 0 || hit == impl()->hotIndex)
        return;
    impl()->hotIndex = hit;
    repaint();
}

void KIVQTabWidget::mouseReleaseEvent(QMouseEvent*) {}

void KIVQTabWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (impl()->hotIndex == -1)
        return;
    impl()->hotIndex = -1;
    repaint();
}

ControlInfo KIVQTabWidget::getProps()
{
    using T = KIVQTabWidget;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQTabWidget", "TabWidget", "Control TabWidget", "tab");
    auto& rows = info.properties;
    rows.push_back(props::fill<T>(QStringLiteral("ItemBg"), &T::setItemBackground, &T::getItemBackground));
    rows.push_back(props::textStyle<T>(QStringLiteral("TextStyle"), &T::setItemTextStyle, &T::getItemTextStyle));
    rows.push_back(props::onOff<T>(QStringLiteral("IsHorizontal"), &T::setIsHor, &T::getIsHor));
    rows.push_back(props::integer<T>(QStringLiteral("ItemSize"), &T::setItemSize, &T::getItemSize));
    rows.push_back(props::integer<T>(QStringLiteral("ItemSpace"), &T::setItemSpace, &T::getItemSpace));
    rows.push_back(props::onOff<T>(QStringLiteral("ShowText"), &T::setShowText, &T::getShowText));
    rows.push_back(props::onOff<T>(QStringLiteral("ShowIcon"), &T::setShowIcon, &T::getShowIcon));
    return info;
}

} // namespace KIVQtLib
