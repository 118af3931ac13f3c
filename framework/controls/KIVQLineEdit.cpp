#include "KIVQLineEdit.h"

#include "KIVQLineEditImpl.h"

#include <QKeyEvent>

namespace KIVQtLib {

KIVQLineEdit::KIVQLineEdit(QWidget* parent) : KIVQControlBase(parent)
{
    setFrame(false);
    // QLineEdit paints no background of its own; the Impl's fill shows through.
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    attachImpl();
    // Painting shows the state's text style from the first paint on.
    impl()->applyTextStyle();
}

KIVQEditImplBase* KIVQLineEdit::editImpl() const
{
    return impl();
}

void KIVQLineEdit::setPlaceholderTextStyle(CtrlState, const TextStyleDesc& style)
{
    impl()->placeholderStyle = style;
    update();
}

const TextStyleDesc& KIVQLineEdit::getPlaceholderTextStyle(CtrlState) const
{
    return impl()->placeholderStyle;
}

void KIVQLineEdit::setIsPassword(bool on)
{
    setContextMenuPolicy(on ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

bool KIVQLineEdit::getIsPassword() const
{
    return echoMode() == QLineEdit::Password;
}

void KIVQLineEdit::setHotkeyMode(bool on)
{
    impl()->shortcutMode = on;
}

bool KIVQLineEdit::getHotkeyMode() const
{
    return impl()->shortcutMode;
}

void KIVQLineEdit::setEditMargin(int top, int bottom, int left, int right)
{
    setContentsMargins(left, top, right, bottom);
}

void KIVQLineEdit::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins m = contentsMargins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

void KIVQLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (echoMode() != QLineEdit::Normal && (event->matches(QKeySequence::SelectAll) ||
                                            event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy)))
        return;
    if (!impl()->shortcutMode) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (const std::optional<QString> text = KIVQLineEditImpl::shortcutText(*event))
        setText(*text);
}

void KIVQLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    impl()->enterState(CtrlPressed);
}

void KIVQLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    impl()->enterState(CtrlNormal);
}

void KIVQLineEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        impl()->enterState(isEnabled() ? (hasFocus() ? CtrlPressed : CtrlNormal) : CtrlDisabled);
}

// The Impl's background first, then QLineEdit's text, selection and cursor on top.
void KIVQLineEdit::paintEvent(QPaintEvent* event)
{
    KIVQControlBase::paintEvent(event);
    QLineEdit::paintEvent(event);
}

ControlInfo KIVQLineEdit::getProps()
{
    using namespace props;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQLineEdit", "LineEdit", "Control LineEdit", "edit");
    auto& rows = info.properties;
    rows.push_back(
        fill<KIVQLineEdit>(QStringLiteral("Background"), &KIVQLineEdit::setBackground, &KIVQLineEdit::getBackground));
    rows.push_back(
        textStyle<KIVQLineEdit>(QStringLiteral("TextStyle"), &KIVQLineEdit::setTextStyle, &KIVQLineEdit::getTextStyle));
    PropertyDef placeholder =
        textStyle<KIVQLineEdit>(QStringLiteral("PlaceholderStyle"), &KIVQLineEdit::setPlaceholderTextStyle,
                                &KIVQLineEdit::getPlaceholderTextStyle, 0);
    placeholder.options = QStringList{QStringLiteral("Normal")};
    placeholder.optionValues = {CtrlNormal};
    rows.push_back(placeholder);
    rows.push_back(props::text<KIVQLineEdit>(
        QStringLiteral("Text"), PropertyDef::Text, [](KIVQLineEdit* e, const QString& t) { e->setText(t); },
        &QLineEdit::text));
    rows.push_back(
        onOff<KIVQLineEdit>(QStringLiteral("IsPassword"), &KIVQLineEdit::setIsPassword, &KIVQLineEdit::getIsPassword));
    rows.push_back(props::text<KIVQLineEdit>(QStringLiteral("PlaceholderText"), PropertyDef::Text,
                                             &KIVQLineEdit::setPlaceholderText, &KIVQLineEdit::getPlaceholderText));
    rows.push_back(
        onOff<KIVQLineEdit>(QStringLiteral("IsShortcut"), &KIVQLineEdit::setHotkeyMode, &KIVQLineEdit::getHotkeyMode));
    rows.push_back(
        quad<KIVQLineEdit>(QStringLiteral("Margin"), &KIVQLineEdit::setEditMargin, &KIVQLineEdit::getEditMargin));
    return info;
}

} // namespace KIVQtLib
