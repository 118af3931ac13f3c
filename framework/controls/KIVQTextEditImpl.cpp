#include "KIVQTextEditImpl.h"

#include "KIVQTextEdit.h"
#include "core/ControlJson.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kTextStyleCode = 4;
constexpr int kPlaceholderCode = 8;

} // namespace

KIVQTextEditImpl::KIVQTextEditImpl(KIVQTextEdit* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_edit(owner)
{
}

void KIVQTextEditImpl::enterState(CtrlState state)
{
    m_state = state;
    applyTextStyle();
    m_edit->viewport()->repaint();
}

void KIVQTextEditImpl::applyTextStyle()
{
    look.applyTextStyle(m_edit, m_state);
}

void KIVQTextEditImpl::onMouseEnter()
{
    m_hover = true;
    if (m_state != CtrlPressed)
        enterState(CtrlHover);
}

void KIVQTextEditImpl::onMouseLeave()
{
    m_hover = false;
    if (m_state != CtrlPressed)
        enterState(CtrlNormal);
}

void KIVQTextEditImpl::onCreateComplete()
{
    applyTextStyle();
}

void KIVQTextEditImpl::paint(QPainter* painter, const QRect& rect)
{
    if (m_state == CtrlHover)
        m_state = CtrlNormal;
    look.paint(painter, rect, m_state, margins, m_edit->document()->isEmpty());
}

void KIVQTextEditImpl::ioMargins(AttrIO& attr)
{
    int left = margins.left(), right = margins.right(), top = margins.top(), bottom = margins.bottom();
    attr.io("leftMargin", left, 0);
    attr.io("rightMargin", right, 0);
    attr.io("topMargin", top, 0);
    attr.io("bottomMargin", bottom, 0);
    margins = QMargins(left, top, right, bottom);
}

void KIVQTextEditImpl::serializeJson(ControlJson& io)
{
    Json::Value& e = io.element();

    if (!io.isReading()) {
        look.writeStyles(io, kPlaceholderCode);
        QString text = m_edit->toPlainText();
        io.attr("text", text, QString());
        io.attr("tip", look.placeholderText, QString());
        ioMargins(io.attrs());
        return;
    }

    for (const StyleEntry& entry : readStyleEntries(e)) {
        applyStateEntry(look.backgrounds, kBackgroundCode, entry);
        if (entry.code == kTextStyleCode) {
            // The normal text style is also the placeholder's until a placeholder entry says otherwise.
            TextStyleDesc found = look.textStyles.get(CtrlNormal);
            if (lookupStyle(entry.name, found)) {
                look.textStyles.set(kAllStates, found);
                look.placeholderStyle = found;
            }
        } else {
            applyStateEntry(look.textStyles, kTextStyleCode, entry);
        }
        applySlotEntry(look.placeholderStyle, kPlaceholderCode, entry);
    }

    if (io.hasAttr()) {
        // Plain text both ways: a text that looks like markup stays the characters it was. The program
        // owns the text: a theme entry never replaces it.
        QString text = m_edit->toPlainText();
        if (!io.fromTheme() && (io.attr("text", text, QString()) || text != m_edit->toPlainText()))
            m_edit->setPlainText(text);
        io.attr("tip", look.placeholderText, QString());
        ioMargins(io.attrs());
    }
    m_edit->readScrollBarBlocks(e, ScrollBarBlockMatch::AtLeastNineContaining);
    applyTextStyle();
    m_edit->viewport()->update();
}

} // namespace KIVQtLib
