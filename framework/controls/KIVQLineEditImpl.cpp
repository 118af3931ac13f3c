#include "KIVQLineEditImpl.h"

#include "KIVQLineEdit.h"
#include "core/ControlJson.h"

#include <json/json.h>

#include <QKeyEvent>

namespace KIVQtLib {

namespace {

constexpr int kPlaceholderCode = 9;

} // namespace

KIVQLineEditImpl::KIVQLineEditImpl(KIVQLineEdit* owner, const QString& typeName)
    : KIVQEditImplBase(owner, typeName), m_edit(owner)
{
}

QMargins KIVQLineEditImpl::placeholderMargins() const
{
    return m_edit->contentsMargins();
}

bool KIVQLineEditImpl::isEmpty() const
{
    return m_edit->text().isEmpty();
}

std::optional<QString> KIVQLineEditImpl::shortcutText(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return QString();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return std::nullopt;
    QStringList parts;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (mods & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (mods & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    parts << QString(QChar(key));
    return parts.join(QLatin1Char('+'));
}

void KIVQLineEditImpl::serializeJson(ControlJson& io)
{
    Json::Value& e = io.element();

    if (!io.isReading()) {
        writeStyles(io, kPlaceholderCode);
        QString text = m_edit->text();
        io.attr("text", text, QString());
        bool password = m_edit->getIsPassword();
        io.attr("ispassord", password, false);
        io.attr("tip", placeholderText, QString());
        io.attr("shortcut", shortcutMode, false);
        const QMargins m = m_edit->contentsMargins();
        Json::Value& out = io.attrs().writable();
        // A zero right or bottom margin is written beside a non-zero left or top one, because a reader
        // takes a missing one to equal its partner.
        const auto writeMargin = [&out](const char* key, int value, bool evenZero) {
            if (value != 0 || evenZero)
                out[key] = value;
        };
        writeMargin("leftMargin", m.left(), false);
        writeMargin("rightMargin", m.right(), m.left() != 0);
        writeMargin("topMargin", m.top(), false);
        writeMargin("bottomMargin", m.bottom(), m.top() != 0);
        return;
    }

    for (const StyleEntry& entry : readStyleEntries(e, io.fromTheme())) {
        applyStateEntry(backgrounds, kBackgroundCode, entry);
        applyStateEntry(textStyles, kTextStyleCode, entry);
        placeholderStyle = textStyles.get(CtrlHover);
        applySlotEntry(placeholderStyle, kPlaceholderCode, entry);
    }

    if (io.hasAttr()) {
        io.keepAbsentKeys();
        // The program owns the text: a theme entry never replaces it.
        QString text;
        if (!io.fromTheme() && io.attr("text", text, QString()))
            m_edit->setText(text);
        bool password = false;
        if (io.attr("ispassord", password, false) && password)
            m_edit->setIsPassword(true);
        io.attr("tip", placeholderText, QString());
        io.attr("shortcut", shortcutMode, false);

        // Absent margins reset, a missing right or bottom one to its partner; under a theme entry they keep.
        AttrIO attr(e, true, AttrIO::AbsentKeys::Reset, io.fromTheme());
        QMargins m = m_edit->contentsMargins();
        int left = m.left(), right = m.right(), top = m.top(), bottom = m.bottom();
        attr.io("leftMargin", left, 0);
        attr.io("rightMargin", right, left);
        attr.io("topMargin", top, 0);
        attr.io("bottomMargin", bottom, top);
        m_edit->setContentsMargins(left, top, right, bottom);
    }
    applyTextStyle();
    m_edit->update();
}

} // namespace KIVQtLib
