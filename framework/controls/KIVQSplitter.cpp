#include "KIVQSplitter.h"

#include "KIVQSplitterImpl.h"

namespace KIVQtLib {

KIVQSplitter::KIVQSplitter(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
}

void KIVQSplitter::setIsHor(bool horizontal)
{
    impl()->isHor = horizontal;
}

bool KIVQSplitter::getIsHor() const
{
    return impl()->isHor;
}

void KIVQSplitter::setUpLeftWidget(QWidget* widget)
{
    impl()->upLeftWidget = widget;
}

const QWidget* KIVQSplitter::getUpLeftWidget() const
{
    return impl()->upLeftWidget.data();
}

void KIVQSplitter::setDownRightWidget(QWidget* widget)
{
    impl()->downRightWidget = widget;
}

const QWidget* KIVQSplitter::getDownRightWidget() const
{
    return impl()->downRightWidget.data();
}

void KIVQSplitter::setUpLeftLimit(int limit)
{
    impl()->upLeftLimit = limit;
}

int KIVQSplitter::getUpLeftLimit() const
{
    return impl()->upLeftLimit;
}

void KIVQSplitter::setDownRightLimit(int limit)
{
    impl()->downRightLimit = limit;
}

int KIVQSplitter::getDownRightLimit() const
{
    return impl()->downRightLimit;
}

void KIVQSplitter::setBackground(const FillStyle& fill)
{
    impl()->background = fill;
    update();
}

FillStyle KIVQSplitter::getBackground() const
{
    return impl()->background;
}

// Accepted and dropped, so that they stop here rather than reach the parent.
void KIVQSplitter::mousePressEvent(QMouseEvent*) {}
void KIVQSplitter::mouseMoveEvent(QMouseEvent*) {}
void KIVQSplitter::mouseReleaseEvent(QMouseEvent*) {}

} // namespace KIVQtLib
