#include "KIVQTabWidgetImpl.h"

#include "KIVQTabWidget.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <QPainter>

namespace KIVQtLib {

namespace {

// "style" codes: the background, then a run of four tab fills and a run of four caption styles.
constexpr int kBackgroundCode = 0;
constexpr int kItemFillCode = 1;
constexpr int kItemTextCode = 5;

} // namespace

KIVQTabWidgetImpl::KIVQTabWidgetImpl(KIVQTabWidget* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_tabs(owner)
{
}

// Sizes from a page document may be anything: they are bounded and the offsets computed in 64 bits, and
// a tab that starts beyond any widget's reach is simply never on it.
QRect KIVQTabWidgetImpl::tabRect(int index) const
{
    const int size = qBound(0, itemSize, kWidgetMaxSize);
    const qint64 start = (qint64(size) + boundedOffset(itemSpace)) * index;
    if (start > kWidgetMaxSize || start < -kWidgetMaxSize)
        return QRect();
    if (vertical)
        return QRect(0, int(start), m_tabs->width(), size);
    return QRect(int(start), 0, size, m_tabs->height());
}

int KIVQTabWidgetImpl::tabAt(const QPoint& pos) const
{
    for (int i = 0; i < tabs.size(); ++i) {
        if (tabRect(i).contains(pos))
            return i;
    }
    return -1;
}

void KIVQTabWidgetImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
    for (int i = 0; i < tabs.size(); ++i) {
        const QRect r = tabRect(i);
        if (!r.isValid() || !r.intersects(rect))
            continue;
        const bool selected = i == selectedIndex;
        const int state = selected ? CtrlPressed : (i == hotIndex ? CtrlHover : CtrlNormal);
        const KIVQTabItem& tab = tabs.at(i);
        paintFillStyle(painter, itemBackgrounds.get(state), r);
        if (showText)
            paintText(painter, tab.text, itemTextStyles.get(state), r);
        if (hasIcon)
            paintImageOrSvg(painter, selected ? tab.selectedIcon : tab.icon, iconStyle, r);
    }
}

void KIVQTabWidgetImpl::onCreateComplete()
{
    if (!kivIsQtEmulator())
        return;
    for (const char* caption : {"item1", "item2", "item3"})
        m_tabs->addTab(QString::fromLatin1(caption), QString(), QString());
}

void KIVQTabWidgetImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kItemFillCode, &itemBackgrounds}, {kItemTextCode, &itemTextStyles}},
              ControlJson::EmptyStyles::WriteNull);
    if (io.isReading() && !io.hasAttr())
        return;

    // A missing "isHor" means horizontal; the other keys change only when present.
    AttrIO keeping(io.element(), io.isReading(), AttrIO::AbsentKeys::Keep, io.fromTheme());
    keeping.io("itemSize", itemSize, 50);
    bool horizontal = vertical == 0;
    io.attr("isHor", horizontal, true);
    vertical = horizontal ? 0 : 1;
    keeping.io("itemSpace", itemSpace, 0);
    keeping.io("showText", showText, true);
    keeping.io("hasIcon", hasIcon, true);
}

} // namespace KIVQtLib
