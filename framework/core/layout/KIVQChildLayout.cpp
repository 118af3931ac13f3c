#include "KIVQChildLayout.h"

#include "KIVQContainer.h"
#include "KIVQContainerImpl.h"
#include "core/IKIVQWidgetBase.h"
#include "core/KIVQWidgetBase.h"
#include "core/Limits.h"
#include <QScrollBar>

#include <QHash>
#include <QMetaProperty>
#include <QPair>
#include <QVariant>
#include <QWidget>

#include <climits>

namespace KIVQtLib {

namespace {

constexpr int kUnlimited = INT_MAX;

// A property of a spacer by its index in the class, found once per class: a lookup by name compares it
// with every property the class and its bases declare.
QVariant spacerProperty(const QWidget* w, const char* name)
{
    thread_local QHash<QPair<const QMetaObject*, const char*>, int> indexes;
    const QMetaObject* meta = w->metaObject();
    const auto key = qMakePair(meta, name);
    auto it = indexes.constFind(key);
    if (it == indexes.constEnd())
        it = indexes.insert(key, meta->indexOfProperty(name));
    return *it >= 0 ? meta->property(*it).read(w) : w->property(name);
}

// Positions are kept well inside int so that QRect's right = x + w - 1 cannot overflow.
int coord(qint64 v)
{
    return limits::boundedCoord(v);
}
int extent(qint64 v)
{
    return int(qBound<qint64>(0, v, kWidgetMaxSize));
}

// A maximum counts only below Qt's "unset" value.
int counting(int maximum)
{
    return maximum < kWidgetMaxSize ? maximum : kUnlimited;
}

// a * b / c without overflow for any 64-bit a and b; truncates toward zero like the int arithmetic it replaces.
qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    if (c == 0)
        return 0;
    const __int128 r = static_cast<__int128>(a) * b / c;
    return qint64(qBound<__int128>(LLONG_MIN, r, LLONG_MAX));
}

// Clamp to a cap: the cap is the limit (at least 0) lowered to a counting maximum; the result lies in
// [min(minimum, cap), cap].
qint64 clampToCap(qint64 value, qint64 limit, int minimum, int maximum)
{
    const qint64 cap = qMin<qint64>(qMax<qint64>(limit, 0), maximum);
    return qMax(qMin<qint64>(qMax(minimum, 0), cap), qMin(cap, value));
}

} // namespace

struct KIVQChildLayout::Axis
{
    bool hor; // main axis is x

    int main(const QSize& s) const { return hor ? s.width() : s.height(); }
    int cross(const QSize& s) const { return hor ? s.height() : s.width(); }
    int minMain(const QWidget* w) const { return hor ? w->minimumWidth() : w->minimumHeight(); }
    int minCross(const QWidget* w) const { return hor ? w->minimumHeight() : w->minimumWidth(); }
    int maxMain(const QWidget* w) const { return counting(hor ? w->maximumWidth() : w->maximumHeight()); }
    int maxCross(const QWidget* w) const { return counting(hor ? w->maximumHeight() : w->maximumWidth()); }
    int mainPolicy(IKIVQWidgetBase* c) const { return c ? (hor ? c->getWidthPolicy() : c->getHeightPolicy()) : -1; }
    int crossPolicy(IKIVQWidgetBase* c) const { return c ? (hor ? c->getHeightPolicy() : c->getWidthPolicy()) : -1; }
    QRect rect(qint64 mainPos, qint64 crossPos, qint64 mainLen, qint64 crossLen) const
    {
        const int m = coord(mainPos), c = coord(crossPos);
        const int ml = extent(mainLen), cl = extent(crossLen);
        return hor ? QRect(m, c, ml, cl) : QRect(c, m, cl, ml);
    }
};

struct KIVQChildLayout::Item
{
    QWidget* w = nullptr;
    IKIVQWidgetBase* c = nullptr;
    qint64 ratio = 1;
    bool fixed = false;
    bool spacer = false;
    int thickness = 0;
    qint64 len = 0;
};

// What both ratio distributions start from.
struct KIVQChildLayout::Line
{
    qint64 gap = 0;
    qint64 start = 0;      // padding before the first child
    qint64 crossStart = 0; // padding across the line
    qint64 available = 0;  // room along the line once the gaps, the paddings and the other bar are off
    qint64 crossSize = 0;
    bool scrolls = false; // a bar is bound along the line, so the content may outgrow it
};

KIVQChildLayout::KIVQChildLayout(KIVQContainerImpl& container) : d(container), m_owner(container.owner()) {}

QRect KIVQChildLayout::shifted(const QRect& r, qint64 dx, qint64 dy)
{
    return QRect(coord(qint64(r.x()) + dx), coord(qint64(r.y()) + dy), r.width(), r.height());
}

QVector<QWidget*> KIVQChildLayout::ordinaryChildren() const
{
    QVector<QWidget*> out;
    if (!m_owner)
        return out;
    const QObjectList& children = m_owner->children();
    out.reserve(children.size());
    for (QObject* o : children) {
        if (!o->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(o);
        // Popups and dialogs parented to the container are not part of its content.
        if (w->isWindow() || d.isBoundBar(w))
            continue;
        out << w;
    }
    return out;
}

QVector<KIVQChildLayout::Item> KIVQChildLayout::ratioChildren(const Axis& axis) const
{
    QVector<Item> items;
    for (QWidget* w : ordinaryChildren()) {
        auto* c = dynamic_cast<IKIVQWidgetBase*>(w);
        if (c && c->getAbsoluteLayout())
            continue;
        Item item;
        item.w = w;
        item.c = c;
        item.ratio = c ? qMax(c->getLayoutRatio(), 1) : 1;
        item.fixed = axis.mainPolicy(c) == PolicyFixed;
        // A spacer publishes its direction and thickness; the class is tested first.
        const QVariant direction =
            w->inherits(kSpacerClassName) ? spacerProperty(w, kSpacerDirectionProperty) : QVariant();
        if (direction.isValid()) {
            const int dir = direction.toInt();
            item.spacer = dir == SpacerAuto || dir == (axis.hor ? SpacerHorizontal : SpacerVertical);
            item.thickness = spacerProperty(w, kSpacerThicknessProperty).toInt();
        }
        items << item;
    }
    return items;
}

int KIVQChildLayout::barRoom(bool horizontalBar) const
{
    const QScrollBar* bar = horizontalBar ? d.horizontalScrollBar.data() : d.verticalScrollBar.data();
    if (!bar || bar->isHidden())
        return 0;
    const QSize hint = bar->sizeHint();
    return qMax(horizontalBar ? hint.height() : hint.width(), 0);
}

// Without a bar nothing scrolls, so a child's geometry is its base geometry and nothing is kept.
void KIVQChildLayout::recordBaseGeometry(QWidget* child) const
{
    if (d.hasBoundBar())
        child->setProperty(kBaseGeometryProperty, child->geometry());
}

QRect KIVQChildLayout::baseGeometry(QWidget* child) const
{
    const QVariant v = child->property(kBaseGeometryProperty);
    if (v.userType() == QMetaType::QRect)
        return v.toRect();
    const QRect r = shifted(child->geometry(), d.scrollX, d.scrollY);
    child->setProperty(kBaseGeometryProperty, r);
    return r;
}

// ---- the layout pass ----

void KIVQChildLayout::layoutChildren()
{
    if (!m_owner)
        return;
    const bool wasLayingOut = d.layingOut;
    d.layingOut = true;
    ++d.layoutPasses;
    layoutAbsoluteChildren(d.paddingLeft, d.paddingTop, d.paddingRight, d.paddingBottom);
    switch (d.childLayout) {
    case KIVQContainer::Horizontal:
    case KIVQContainer::Vertical: {
        const Axis axis{d.childLayout == KIVQContainer::Horizontal};
        QVector<Item> items = ratioChildren(axis);
        qint64 ratioSum = 0;
        qint64 spacerRatioSum = 0;
        for (const Item& item : items) {
            ratioSum += item.ratio;
            if (item.spacer)
                spacerRatioSum += item.ratio;
        }
        if (items.isEmpty() || ratioSum < 1)
            break;
        if (spacerRatioSum < 1)
            distribute(axis, items);
        else
            distributeWithSpacers(axis, items);
        break;
    }
    case KIVQContainer::HorFloat:
    case KIVQContainer::VerFloat:
        flow(Axis{d.childLayout == KIVQContainer::HorFloat});
        break;
    default:
        break;
    }
    // Docked children win over whatever the arrangement did to them.
    layoutAbsoluteChildren(d.paddingLeft, d.paddingTop, d.paddingRight, d.paddingBottom);
    d.layingOut = wasLayingOut;
}

KIVQChildLayout::Line KIVQChildLayout::lineOf(const Axis& axis, qint64 n) const
{
    const QSize size = m_owner->size();
    Line line;
    line.gap = qMax(d.space, 0);
    line.start = axis.hor ? d.paddingLeft : d.paddingTop;
    line.crossStart = axis.hor ? d.paddingTop : d.paddingLeft;
    const qint64 end = axis.hor ? d.paddingRight : d.paddingBottom;
    const qint64 crossEnd = axis.hor ? d.paddingBottom : d.paddingRight;
    // The vertical bar takes its room from a row's width, the horizontal bar from its height.
    line.available =
        qBound<qint64>(0, axis.main(size) - (n - 1) * line.gap - barRoom(!axis.hor) - line.start - end, INT_MAX);
    line.crossSize = qMax<qint64>(axis.cross(size) - barRoom(axis.hor) - line.crossStart - crossEnd, 0);
    line.scrolls = axis.hor ? bool(d.horizontalScrollBar) : bool(d.verticalScrollBar);
    return line;
}

void KIVQChildLayout::distribute(const Axis& axis, QVector<Item>& items)
{
    const Line line = lineOf(axis, items.size());
    const bool scrolls = line.scrolls;
    qint64 available = line.available;
    if (scrolls) {
        qint64 wanted = 0;
        for (const Item& item : items)
            wanted += qMin<qint64>(qMax(axis.main(item.w->size()), axis.minMain(item.w)), axis.maxMain(item.w));
        available = qMax(available, wanted);
    }
    available = qMin<qint64>(available, INT_MAX);

    qint64 fixedSum = 0;
    qint64 flexLeft = 0;
    qint64 ratioLeft = 0;
    for (const Item& item : items) {
        if (item.fixed) {
            fixedSum += axis.main(item.w->size());
        } else {
            ++flexLeft;
            ratioLeft += item.ratio;
        }
    }
    qint64 remaining = qMax<qint64>(available - fixedSum, 0);
    qint64 run = available;
    qint64 pos = line.start;

    for (Item& item : items) {
        QWidget* w = item.w;
        const int current = axis.main(w->size());
        const int minimum = axis.minMain(w);
        const int maximum = axis.maxMain(w);
        qint64 len;
        if (!item.fixed) {
            // Rounding leftovers pass on; the last flexible child takes what remains.
            const qint64 share = (flexLeft < 2 || ratioLeft < 1) ? remaining : mulDiv(remaining, item.ratio, ratioLeft);
            len = clampToCap(share, run, minimum, maximum);
        } else if (scrolls) {
            len = qMin<qint64>(qMax(current, minimum), maximum);
        } else {
            len = clampToCap(current, run, minimum, maximum);
        }
        len = qMax<qint64>(len, 0);
        place(axis, item, pos, line.crossStart, len, line.crossSize);
        if (!item.fixed) {
            remaining = qMax<qint64>(remaining - len, 0);
            --flexLeft;
            ratioLeft -= item.ratio;
        }
        run -= len;
        if (!scrolls)
            run = qMax<qint64>(run, 0);
        pos += line.gap + len;
    }
}

// Non-spacers keep their natural length and only spacers stretch; when even that does not fit, the
// non-spacers give up length down to their minimums, in proportion to what each can spare.
void KIVQChildLayout::distributeWithSpacers(const Axis& axis, QVector<Item>& items)
{
    const Line line = lineOf(axis, items.size());
    qint64 available = line.available;
    qint64 used = 0;
    for (Item& item : items) {
        if (item.spacer) {
            item.len = 0;
            continue;
        }
        const int minimum = axis.minMain(item.w);
        const qint64 wanted = qMax(qMax(axis.main(item.w->size()), 0), minimum);
        item.len = clampToCap(wanted, available, minimum, axis.maxMain(item.w));
        used += item.len;
    }
    if (line.scrolls)
        available = qMin<qint64>(qMax(available, used), INT_MAX);
    qint64 remaining = available - used;

    if (remaining < 1) {
        qint64 deficit = -remaining;
        auto slackOf = [&axis](const Item& item) { return qMax<qint64>(item.len - axis.minMain(item.w), 0); };
        qint64 slackSum = 0;
        for (const Item& item : items) {
            if (!item.spacer)
                slackSum += slackOf(item);
        }
        for (Item& item : items) {
            if (deficit < 1 || slackSum < 1)
                break;
            if (item.spacer)
                continue;
            const qint64 slack = slackOf(item);
            if (slack <= 0)
                continue;
            const qint64 cut = qMin(slack, mulDiv(deficit, slack, slackSum));
            item.len -= cut;
            slackSum -= slack;
            deficit -= cut;
        }
        // Truncated shares leave a few pixels; take them from whoever can still give.
        for (Item& item : items) {
            if (deficit < 1)
                break;
            if (item.spacer)
                continue;
            const qint64 cut = qMin(slackOf(item), deficit);
            item.len -= cut;
            deficit -= cut;
        }
    } else {
        qint64 spacerRatioLeft = 0;
        for (const Item& item : items) {
            if (item.spacer)
                spacerRatioLeft += item.ratio;
        }
        for (Item& item : items) {
            if (!item.spacer)
                continue;
            const qint64 share = mulDiv(remaining, item.ratio, qMax<qint64>(spacerRatioLeft, 1));
            const qint64 cap = qMin<qint64>(qMax<qint64>(remaining, 0), axis.maxMain(item.w));
            item.len = qMax<qint64>(qMin(share, cap), 0);
            remaining = qMax<qint64>(remaining - item.len, 0);
            spacerRatioLeft -= item.ratio;
        }
    }

    qint64 pos = line.start;
    qint64 run = available;
    for (Item& item : items) {
        const int minimum = item.spacer ? 0 : axis.minMain(item.w);
        const qint64 len = clampToCap(item.len, run, minimum, axis.maxMain(item.w));
        place(axis, item, pos, line.crossStart, len, line.crossSize);
        run = qMax<qint64>(run - len, 0);
        pos += line.gap + len;
    }
}

void KIVQChildLayout::place(const Axis& axis, const Item& item, qint64 mainPos, qint64 crossPos, qint64 mainLen,
                            qint64 crossSize)
{
    QWidget* w = item.w;
    qint64 crossLen;
    if (item.spacer && item.thickness > 0)
        crossLen = item.thickness;
    else if (axis.crossPolicy(item.c) == PolicyStretch)
        crossLen = crossSize;
    else
        crossLen = axis.cross(w->size());
    const qint64 cap = qMin<qint64>(qMax<qint64>(crossSize, 0), axis.maxCross(w));
    crossLen = qMin(qMax(qMin<qint64>(qMax(axis.minCross(w), 0), cap), qMin(cap, crossLen)), crossSize);
    w->setGeometry(axis.rect(mainPos, crossPos, qMax<qint64>(mainLen, 0), crossLen));
    // Qt holds a widget to its own minimum and maximum; what it got is what the content is made of.
    recordBaseGeometry(w);
}

// Children keep their size and flow along the main axis, wrapping at the far padding. A first child
// longer than the line stays alone on it; nothing shrinks.
void KIVQChildLayout::flow(const Axis& axis)
{
    const QSize size = m_owner->size();
    const qint64 gap = qMax(d.space, 0);
    const qint64 padStart = axis.hor ? d.paddingLeft : d.paddingTop;
    const qint64 limit = qint64(axis.main(size)) - (axis.hor ? d.paddingRight : d.paddingBottom);
    qint64 pos = padStart;
    qint64 crossPos = axis.hor ? d.paddingTop : d.paddingLeft;
    qint64 lineCross = 0;
    // Bound bars are left out: a bar taking a slot would reflow the content each time it shows or hides.
    for (QWidget* w : ordinaryChildren()) {
        const QSize s = w->size();
        const qint64 len = axis.main(s);
        if (pos > padStart && pos + len > limit) {
            pos = padStart;
            crossPos += gap + lineCross;
            lineCross = 0;
        }
        w->move(axis.rect(pos, crossPos, len, axis.cross(s)).topLeft());
        recordBaseGeometry(w);
        pos += len + gap;
        lineCross = qMax<qint64>(lineCross, axis.cross(s));
    }
}

void KIVQChildLayout::layoutAbsoluteChildren(int left, int top, int right, int bottom)
{
    if (!m_owner)
        return;
    const qint64 x0 = qMax(left, 0);
    const qint64 y0 = qMax(top, 0);
    const qint64 areaW = qMax<qint64>(qint64(m_owner->width()) - barRoom(false) - left - right, 0);
    const qint64 areaH = qMax<qint64>(qint64(m_owner->height()) - barRoom(true) - top - bottom, 0);
    auto dockPos = [](int dock, qint64 origin, qint64 area, qint64 len) -> qint64 {
        switch (dock) {
        case DockCenter:
            return origin + (area - len) / 2;
        case DockRightBottom:
            return origin + area - len;
        default:
            return origin;
        }
    };

    for (QWidget* w : ordinaryChildren()) {
        auto* c = dynamic_cast<IKIVQWidgetBase*>(w);
        if (!c || !c->getAbsoluteLayout())
            continue;
        DockLayoutType hor = DockLeftTop;
        DockLayoutType ver = DockLeftTop;
        int offsetX = 0;
        int offsetY = 0;
        c->getAbsoluteDock(hor, ver, offsetX, offsetY);
        QRect r = w->geometry();
        auto* autoSized = qobject_cast<KIVQContainer*>(w);
        if (autoSized && !autoSized->getAbsoluteDockAutoSize())
            autoSized = nullptr;
        if (autoSized) {
            const QSize preferred = preferredContentSize(autoSized);
            if (preferred.isValid())
                r.setSize(preferred);
        }
        const qint64 width = clampToCap(r.width(), areaW, w->minimumWidth(), counting(w->maximumWidth()));
        const qint64 height = clampToCap(r.height(), areaH, w->minimumHeight(), counting(w->maximumHeight()));
        const QRect placed(coord(dockPos(hor, x0, areaW, width) + offsetX),
                           coord(dockPos(ver, y0, areaH, height) + offsetY), extent(width), extent(height));
        if (KIVQWidgetBase* base = c->getControlBase())
            base->setGeometry(placed);
        else
            c->setGeometry(placed.x(), placed.y(), placed.width(), placed.height());
        recordBaseGeometry(w);
        if (autoSized)
            autoSized->forceResize();
    }
}

QSize KIVQChildLayout::preferredContentSize(KIVQContainer* container)
{
    if (!container || !container->getAbsoluteDockAutoSize())
        return QSize();
    KIVQContainerImpl* ci = container->impl();
    KIVQChildLayout layout(*ci);
    const qint64 gap = qMax(ci->space, 0);
    qint64 width = 0;
    qint64 height = 0;
    qint64 n = 0;
    bool any = false;
    qint64 right = 0;
    qint64 bottom = 0;
    for (QWidget* w : layout.ordinaryChildren()) {
        auto* c = dynamic_cast<IKIVQWidgetBase*>(w);
        if (c && c->getAbsoluteLayout())
            continue;
        const QSize natural = naturalChildSize(w);
        ++n;
        switch (ci->childLayout) {
        case KIVQContainer::Horizontal:
            width += natural.width();
            height = qMax<qint64>(height, natural.height());
            break;
        case KIVQContainer::Vertical:
            width = qMax<qint64>(width, natural.width());
            height += natural.height();
            break;
        default: {
            const qint64 r = qint64(w->x()) + natural.width() - 1;
            const qint64 b = qint64(w->y()) + natural.height() - 1;
            right = any ? qMax(right, r) : r;
            bottom = any ? qMax(bottom, b) : b;
            any = true;
            break;
        }
        }
    }
    if (n > 1 && ci->childLayout == KIVQContainer::Horizontal)
        width += (n - 1) * gap;
    if (n > 1 && ci->childLayout == KIVQContainer::Vertical)
        height += (n - 1) * gap;
    if (ci->childLayout != KIVQContainer::Horizontal && ci->childLayout != KIVQContainer::Vertical && any) {
        width = qMax<qint64>(right + 1, 0);
        height = qMax<qint64>(bottom + 1, 0);
    }
    return QSize(extent(width + ci->paddingLeft + ci->paddingRight),
                 extent(height + ci->paddingTop + ci->paddingBottom));
}

QSize KIVQChildLayout::naturalChildSize(QWidget* child)
{
    if (!child)
        return QSize(0, 0);
    QSize s = child->sizeHint();
    if (!s.isValid())
        s = child->minimumSizeHint();
    if (!s.isValid())
        s = child->minimumSize();
    int w = qMax(s.width(), 0);
    int h = qMax(s.height(), 0);
    if (auto* c = dynamic_cast<IKIVQWidgetBase*>(child)) {
        if (c->getWidthPolicy() == PolicyFixed)
            w = qMax(w, child->width());
        if (c->getHeightPolicy() == PolicyFixed)
            h = qMax(h, child->height());
    }
    w = qMin(qMax(w, child->minimumWidth()), counting(child->maximumWidth()));
    h = qMin(qMax(h, child->minimumHeight()), counting(child->maximumHeight()));
    return QSize(w, h);
}

// ---- scroll bars ----

void KIVQChildLayout::updateScrollBars(bool mayRerun)
{
    if (d.applyingScroll || !m_owner)
        return;
    QScrollBar* hbar = d.horizontalScrollBar.data();
    QScrollBar* vbar = d.verticalScrollBar.data();
    if (!hbar && !vbar)
        return;
    const bool hWasShown = hbar && !hbar->isHidden();
    const bool vWasShown = vbar && !vbar->isHidden();
    d.applyingScroll = true;

    bool hasContent = false;
    qint64 right = 0;
    qint64 bottom = 0;
    for (QWidget* w : ordinaryChildren()) {
        if (w->isHidden())
            continue;
        const QRect r = baseGeometry(w);
        const qint64 rr = qint64(r.x()) + r.width() - 1;
        const qint64 bb = qint64(r.y()) + r.height() - 1;
        right = hasContent ? qMax(right, rr) : rr;
        bottom = hasContent ? qMax(bottom, bb) : bb;
        hasContent = true;
    }

    const qint64 W = qMax(m_owner->width(), 0);
    const qint64 H = qMax(m_owner->height(), 0);
    const qint64 vRoom = vbar ? qMax(vbar->sizeHint().width(), 0) : 0;
    const qint64 hRoom = hbar ? qMax(hbar->sizeHint().height(), 0) : 0;

    // Each bar's need depends on the other's room: decide twice at most, then keep the latest answer.
    bool hNeed = false;
    bool vNeed = false;
    for (int round = 0; round < 2; ++round) {
        const qint64 viewW = qMax<qint64>(W - (vNeed ? vRoom : 0), 0);
        const qint64 viewH = qMax<qint64>(H - (hNeed ? hRoom : 0), 0);
        const bool h = hbar && hasContent && right + 1 > viewW;
        const bool v = vbar && hasContent && bottom + 1 > viewH;
        const bool settled = h == hNeed && v == vNeed;
        hNeed = h;
        vNeed = v;
        if (settled)
            break;
    }
    const qint64 viewW = qMax<qint64>(W - (vNeed ? vRoom : 0), 0);
    const qint64 viewH = qMax<qint64>(H - (hNeed ? hRoom : 0), 0);

    auto updateBar = [](QScrollBar* bar, bool needed, qint64 extentEnd, qint64 view, const QRect& geometry,
                        int& offset) {
        if (!bar) {
            offset = 0;
            return;
        }
        if (!needed) {
            bar->hide();
            bar->setRange(0, 0);
            bar->setValue(0);
            offset = 0;
            return;
        }
        const int maximum = int(qBound<qint64>(0, extentEnd + 1 - view, INT_MAX));
        bar->setRange(0, maximum);
        bar->setPageStep(int(qMin<qint64>(view, INT_MAX)));
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(bar))
            control->setGeometry(geometry.x(), geometry.y(), geometry.width(), geometry.height());
        else
            bar->setGeometry(geometry);
        bar->show();
        offset = qBound(0, bar->value(), maximum);
        if (bar->value() != offset)
            bar->setValue(offset);
    };
    updateBar(hbar, hNeed, right, viewW, QRect(0, coord(H - hRoom), extent(viewW), extent(hRoom)), d.scrollX);
    updateBar(vbar, vNeed, bottom, viewH, QRect(coord(W - vRoom), 0, extent(vRoom), extent(viewH)), d.scrollY);

    const bool shownChanged = (hbar && !hbar->isHidden()) != hWasShown || (vbar && !vbar->isHidden()) != vWasShown;
    d.applyingScroll = false;
    if (shownChanged && d.childLayout != KIVQContainer::NoUse && mayRerun) {
        // The bars' room changed: lay out once more and decide again, but only once.
        layoutChildren();
        updateScrollBars(false);
        return;
    }
    applyScrollOffset();
}

void KIVQChildLayout::applyScrollOffset()
{
    if (d.applyingScroll || !m_owner || (!d.horizontalScrollBar && !d.verticalScrollBar))
        return;
    d.applyingScroll = true;
    for (QWidget* w : ordinaryChildren())
        w->setGeometry(shifted(baseGeometry(w), -qint64(d.scrollX), -qint64(d.scrollY)));
    d.applyingScroll = false;
}

} // namespace KIVQtLib
