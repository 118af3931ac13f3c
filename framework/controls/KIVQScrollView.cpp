#include "KIVQScrollView.h"

#include "KIVQScrollViewImpl.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace KIVQtLib {

KIVQScrollView::KIVQScrollView(QWidget* parent) : KIVQScrollView(parent, DeferImpl{})
{
    attachImpl();
}

KIVQScrollView::KIVQScrollView(QWidget* parent, DeferImpl) : KIVQControlBase(parent)
{
    installOwnScrollBars(this);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
}

void KIVQScrollView::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

const FillStyle& KIVQScrollView::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

int KIVQScrollView::getHScrollPos() const
{
    return horizontalScrollBar()->value();
}

int KIVQScrollView::getVScrollPos() const
{
    return verticalScrollBar()->value();
}

void KIVQScrollView::setHScrollPos(int pos)
{
    horizontalScrollBar()->setValue(pos);
}

void KIVQScrollView::setVScrollPos(int pos)
{
    verticalScrollBar()->setValue(pos);
}

void KIVQScrollView::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQScrollView::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

bool KIVQScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint && impl()) {
        // Under the content: the event goes on to the viewport and the content paints over it.
        QPainter painter(viewport());
        impl()->paint(&painter, viewport()->rect());
        return false;
    }
    return QScrollArea::eventFilter(watched, event);
}

void KIVQScrollView::paintEvent(QPaintEvent*) {}

void KIVQScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    Q_EMIT scrollPosChanged(dx, dy);
}

ControlInfo KIVQScrollView::getProps()
{
    ControlInfo info =
        kivMakeControlInfo(typeName(), "KIVQScrollView", "ScrollView", "Control ScrollView", "scrollview");
    info.properties.push_back(props::fill<KIVQScrollView>(
        QStringLiteral("Background"),
        [](KIVQScrollView* v, CtrlState s, const FillStyle& f) { v->setBackground(CommonCtrlState(s), f); },
        [](KIVQScrollView* v, CtrlState s) { return v->getBackground(CommonCtrlState(s)); }, 2));
    return info;
}

} // namespace KIVQtLib
