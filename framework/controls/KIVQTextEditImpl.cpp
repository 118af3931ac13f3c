#include "KIVQTextEditImpl.h"

#include "KIVQTextEdit.h"
#include "core/ControlJson.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

constexpr int kPlaceholderCode = 8;

} // namespace

KIVQTextEditImpl::KIVQTextEditImpl(KIVQTextEdit* owner, const QString& typeName)
    : KIVQEditImplBase(owner, typeName), m_edit(owner)
{
}

bool KIVQTextEditImpl::isEmpty() const
{
    return m_edit->document()->isEmpty();
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
        writeStyles(io, kPlaceholderCode);
        QString text = m_edit->toPlainText();
        io.attr("text", text, QString());
        io.attr("tip", placeholderText, QString());
        ioMargins(io.attrs());
        return;
    }

    for (const StyleEntry& entry : readStyleEntries(e, io.fromTheme())) {
        applyStateEntry(backgrounds, kBackgroundCode, entry);
        if (entry.code == kTextStyleCode) {
            // The normal text style is also the placeholder's until a placeholder entry says otherwise.
            TextStyleDesc found = textStyles.get(CtrlNormal);
            if (lookupStyle(entry.name, found)) {
                textStyles.set(kAllStates, found);
                placeholderStyle = found;
            } else {
                keepStyleReference(entry, textStyles);
                keepStyleReference(entry, placeholderStyle);
            }
        } else {
            applyStateEntry(textStyles, kTextStyleCode, entry);
        }
        applySlotEntry(placeholderStyle, kPlaceholderCode, entry);
    }

    if (io.hasAttr()) {
        // Plain text both ways: a text that looks like markup stays the characters it was. The program
        // owns the text: a theme entry never replaces it.
        QString text = m_edit->toPlainText();
        if (!io.fromTheme() && (io.attr("text", text, QString()) || text != m_edit->toPlainText()))
            m_edit->setPlainText(text);
        io.attr("tip", placeholderText, QString());
        ioMargins(io.attrs());
    }
    m_edit->readScrollBarBlocks(e, ScrollBarBlockMatch::AtLeastNineContaining);
    applyTextStyle();
    m_edit->viewport()->update();
}

} // namespace KIVQtLib
