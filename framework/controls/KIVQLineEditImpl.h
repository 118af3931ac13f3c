#pragma once

#include "KIVQEditImplBase.h"

#include <optional>

class QKeyEvent;

namespace KIVQtLib {

class KIVQLineEdit;

// The line edit's shortcut mode and JSON.
class KIVQTLIB_EXPORT KIVQLineEditImpl : public KIVQEditImplBase
{
    Q_OBJECT
public:
    KIVQLineEditImpl(KIVQLineEdit* owner, const QString& typeName);

    void serializeJson(ControlJson& io) override;
    // The text a key press leaves in shortcut mode; nothing for keys that change nothing.
    static std::optional<QString> shortcutText(const QKeyEvent& event);

    bool shortcutMode = false;

protected:
    // Where QLineEdit places its text.
    QMargins placeholderMargins() const override;
    bool isEmpty() const override;

private:
    KIVQLineEdit* m_edit;
};

} // namespace KIVQtLib
