#include "KIVQTextEdit.h"

#include "KIVQTextEditImpl.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace KIVQtLib {

KIVQTextEdit::KIVQTextEdit(QWidget* parent) : KIVQControlBase(parent)
{
    const QString transparent = QStringLiteral("background-color: rgba(0, 0, 0, 0);");
    viewport()->setStyleSheet(transparent);
    setStyleSheet(transparent);
    installOwnScrollBars(this);
    viewport()->installEventFilter(this);
    setFrameStyle(0);
    // Unlike other controls the edit takes no theme entry when made: only an element's "theme" key
    // (or a theme change) applies one.
    auto* d = new KIVQTextEditImpl(this, QString::fromLatin1(typeName()));
    d->setThemeName(QString());
    attachImpl(d);
    d->setThemeName(QString::fromLatin1(typeName()));
    d->applyTextStyle();
}

KIVQEditImplBase* KIVQTextEdit::editImpl() const
{
    return impl();
}

void KIVQTextEdit::setPlaceholderTextStyle(const TextStyleDesc& style)
{
    impl()->placeholderStyle = style;
    update();
}

const TextStyleDesc& KIVQTextEdit::getPlaceholderTextStyle() const
{
    return impl()->placeholderStyle;
}

void KIVQTextEdit::setEditMargin(int top, int bottom, int left, int right)
{
    impl()->margins = QMargins(left, top, right, bottom);
    viewport()->update();
}

void KIVQTextEdit::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins& m = impl()->margins;
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

void KIVQTextEdit::setScrollbarBtnSize(bool, int) {}

void KIVQTextEdit::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQTextEdit::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

bool KIVQTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint && impl()) {
        QPainter painter(viewport());
        impl()->paint(&painter, viewport()->rect());
    }
    // The paint event goes on to QTextEdit, which draws the document over the fill.
    return QTextEdit::eventFilter(watched, event);
}

void KIVQTextEdit::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
}

void KIVQTextEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    impl()->enterState(CtrlPressed);
}

void KIVQTextEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    impl()->enterState(CtrlNormal);
}

ControlInfo KIVQTextEdit::getProps()
{
    using namespace props;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQTextEdit", "TextEdit", "Control TextEdit", "text");
    auto& rows = info.properties;
    rows.push_back(
        fill<KIVQTextEdit>(QStringLiteral("Background"), &KIVQTextEdit::setBackground, &KIVQTextEdit::getBackground));
    rows.push_back(
        textStyle<KIVQTextEdit>(QStringLiteral("TextStyle"), &KIVQTextEdit::setTextStyle, &KIVQTextEdit::getTextStyle));
    PropertyDef placeholder = textStyle<KIVQTextEdit>(
        QStringLiteral("PlaceholderStyle"),
        [](KIVQTextEdit* e, CtrlState, const TextStyleDesc& s) { e->setPlaceholderTextStyle(s); },
        [](KIVQTextEdit* e, CtrlState) { return e->getPlaceholderTextStyle(); }, 0);
    placeholder.options = QStringList{QStringLiteral("Normal")};
    placeholder.optionValues = {CtrlNormal};
    rows.push_back(placeholder);
    rows.push_back(props::text<KIVQTextEdit>(QStringLiteral("PlaceholderText"), PropertyDef::Text,
                                             &KIVQTextEdit::setPlaceholderText, &KIVQTextEdit::getPlaceholderText));
    rows.push_back(
        quad<KIVQTextEdit>(QStringLiteral("Margin"), &KIVQTextEdit::setEditMargin, &KIVQTextEdit::getEditMargin));
    return info;
}

} // namespace KIVQtLib
