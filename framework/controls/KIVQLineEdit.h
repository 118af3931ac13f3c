#pragma once

#include "KIVQEditStyling.h"
#include "core/KIVQControl.h"

#include <QLineEdit>

namespace KIVQtLib {

class KIVQLineEditImpl;

// A single-line text entry over a themed background, with a text style per state and a styled
// placeholder. The state follows focus: pressed while focused, disabled while disabled. Password mode
// refuses select-all, copy and paste; shortcut mode turns key presses into names such as CTRL+ALT+S.
class KIVQTLIB_EXPORT KIVQLineEdit : public KIVQControlBase<KIVQLineEdit, QLineEdit, KIVQLineEditImpl>,
                                     public KIVQEditStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQLineEdit(QWidget* parent = nullptr);

    static const char* typeName() { return "qtdedit"; }
    static QWidget* createKIVQLineEdit() { return new KIVQLineEdit; }
    static ControlInfo getProps();

    // Ours, not Qt's: the edit draws its placeholder in a style of its own.
    using KIVQEditStyling::setPlaceholderText;

    // One placeholder style; the state selects nothing.
    void setPlaceholderTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle(CtrlState state = CtrlNormal) const;

    void setIsPassword(bool on);
    bool getIsPassword() const;
    void setHotkeyMode(bool on);
    bool getHotkeyMode() const;

    // The contents margins, in the order top, bottom, left, right.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

protected:
    KIVQEditImplBase* editImpl() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
