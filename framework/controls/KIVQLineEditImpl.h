#pragma once

#include "EditLook.h"
#include "core/KIVQWidgetBaseImpl.h"

#include <optional>

class QKeyEvent;

namespace KIVQtLib {

class KIVQLineEdit;

// The line edit's look, shortcut mode and JSON.
class KIVQTLIB_EXPORT KIVQLineEditImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQLineEditImpl(KIVQLineEdit* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    bool serializeJsonValue(Json::Value** json, bool read) override;
    void onCreateComplete() override;

    // Sets the state, applies its text style and repaints at once.
    void enterState(CtrlState state);
    void applyTextStyle();
    // The text a key press leaves in shortcut mode; nothing for keys that change nothing.
    static std::optional<QString> shortcutText(const QKeyEvent& event);

    bool shortcutMode = false;
    EditLook look;

private:
    KIVQLineEdit* m_edit;
};

} // namespace KIVQtLib
