#pragma once

#include "core/KIVQControl.h"

#include <QLineEdit>

namespace KIVQtLib {

class KIVQLineEditImpl;

// A single-line text entry over a themed background, with a text style per state and a styled
// placeholder. The state follows focus: pressed while focused, disabled while disabled. Password mode
// refuses select-all, copy and paste; shortcut mode turns key presses into names such as CTRL+ALT+S.
class KIVQTLIB_EXPORT KIVQLineEdit : public QLineEdit, public IKIVQWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    KIVQ_CONTROL
public:
    explicit KIVQLineEdit(QWidget* parent = nullptr);
    ~KIVQLineEdit() override;

    static const char* typeName() { return "qtdedit"; }
    static QWidget* createKIVQLineEdit() { return new KIVQLineEdit; }
    static ControlInfo getProps();

    // Per-state styles: 0..3, or 4 for all states; other states are ignored, getters clamp.
    void setBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // One placeholder style; the state selects nothing.
    void setPlaceholderTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle(CtrlState state = CtrlNormal) const;
    void setPlaceholderText(const QString& text);
    const QString& getPlaceholderText() const;

    void setIsPassword(bool on);
    bool getIsPassword() const;
    void setHotkeyMode(bool on);
    bool getHotkeyMode() const;

    // The contents margins, in the order top, bottom, left, right.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    KIVQLineEditImpl* impl() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
