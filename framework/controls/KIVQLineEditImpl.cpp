#include "KIVQLineEditImpl.h"

#include "KIVQLineEdit.h"
#include "core/JsonAttr.h"
#include "core/JsonRead.h"

#include <json/json.h>

#include <QKeyEvent>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kTextStyleCode = 4;
constexpr int kPlaceholderCode = 9;

} // namespace

KIVQLineEditImpl::KIVQLineEditImpl(KIVQLineEdit* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_edit(owner)
{
}

void KIVQLineEditImpl::enterState(CtrlState state)
{
    m_state = state;
    applyTextStyle();
    m_edit->repaint();
}

void KIVQLineEditImpl::applyTextStyle()
{
    look.applyTextStyle(m_edit, m_state);
}

void KIVQLineEditImpl::onCreateComplete()
{
    applyTextStyle();
}

void KIVQLineEditImpl::paint(QPainter* painter, const QRect& rect)
{
    if (m_state == CtrlHover)
        m_state = CtrlNormal;
    look.paint(painter, rect, m_state, m_edit->contentsMargins(), m_edit->text().isEmpty());
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

bool KIVQLineEditImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;

    if (!read) {
        look.writeStyles(e, kPlaceholderCode);
        AttrIO attr(e, false);
        QString text = m_edit->text();
        attr.io("text", text, QString());
        bool password = m_edit->getIsPassword();
        attr.io("ispassord", password, false);
        attr.io("tip", look.placeholderText, QString());
        attr.io("shortcut", shortcutMode, false);
        const QMargins m = m_edit->contentsMargins();
        Json::Value& out = attr.writable();
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
        return true;
    }

    for (const StyleEntry& entry : readStyleEntries(e)) {
        applyStateEntry(look.backgrounds, kBackgroundCode, entry);
        applyStateEntry(look.textStyles, kTextStyleCode, entry);
        look.placeholderStyle = look.textStyles.get(CtrlHover);
        applySlotEntry(look.placeholderStyle, kPlaceholderCode, entry);
    }

    if (jsonHasMember(e, "attr")) {
        AttrIO kept(e, true, AttrIO::AbsentKeys::Keep);
        QString text;
        if (kept.io("text", text, QString()))
            m_edit->setText(text);
        bool password = false;
        if (kept.io("ispassord", password, false) && password)
            m_edit->setIsPassword(true);
        kept.io("tip", look.placeholderText, QString());
        kept.io("shortcut", shortcutMode, false);

        // Absent margins reset, a missing right or bottom one to its partner; under a theme entry they keep.
        AttrIO attr(e, true);
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
    return true;
}

} // namespace KIVQtLib
