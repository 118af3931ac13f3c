#include "KIVQLabelEx.h"

#include "KIVQLabelExImpl.h"

#include <QMouseEvent>

namespace KIVQtLib {

KIVQLabelEx::KIVQLabelEx(QWidget* parent) : KIVQControlBase(parent)
{
    attachImpl();
    setText(QStringLiteral("label"));
}

void KIVQLabelEx::setText(const QString& text)
{
    impl()->document().setPlainText(text);
    update();
}

void KIVQLabelEx::setHtmlContent(const QString& html)
{
    impl()->document().setHtml(html);
    update();
}

QString KIVQLabelEx::getHtmlContent() const
{
    return impl()->document().toHtml(QByteArray());
}

QSize KIVQLabelEx::calcSize(const QString& html, int width) const
{
    QTextDocument measure;
    measure.setDefaultFont(impl()->documentFont());
    measure.setHtml(html);
    measure.setPageSize(QSizeF(width, 1000));
    return QSize(int(measure.idealWidth()), int(measure.size().height()));
}

void KIVQLabelEx::setColor(const QColor& colour)
{
    impl()->normalStyle.colour = colour;
    update();
}

const QColor& KIVQLabelEx::getColor() const
{
    return impl()->normalStyle.colour;
}

void KIVQLabelEx::setDisableColor(const QColor& colour)
{
    impl()->disabledStyle.colour = colour;
    update();
}

const QColor& KIVQLabelEx::getDisableColor() const
{
    return impl()->disabledStyle.colour;
}

void KIVQLabelEx::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    KIVQLabelExImpl* d = impl();
    if (state == CtrlNormal || state == kAllStates)
        d->normalStyle = style;
    if (state == kAllStates || (state >= CtrlHover && state <= CtrlDisabled))
        d->disabledStyle = style;
    update();
}

const TextStyleDesc& KIVQLabelEx::getTextStyle(CtrlState state) const
{
    return state == CtrlNormal ? impl()->normalStyle : impl()->disabledStyle;
}

bool KIVQLabelEx::selectsText() const
{
    return textInteractionFlags() != Qt::NoTextInteraction;
}

// Only the Impl sees the mouse: QLabel's own text interaction is not used.
void KIVQLabelEx::mousePressEvent(QMouseEvent* event)
{
    if (selectsText())
        impl()->onMousePress(event);
}

void KIVQLabelEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (selectsText())
        impl()->onMouseRelease(event);
}

void KIVQLabelEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (selectsText())
        impl()->onMouseDoubleClick(event);
}

void KIVQLabelEx::mouseMoveEvent(QMouseEvent* event)
{
    if (selectsText())
        impl()->onMouseMove(event);
}

void KIVQLabelEx::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

} // namespace KIVQtLib
