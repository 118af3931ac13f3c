#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QString>

class QMargins;

namespace KIVQtLib {

class ControlJson;

// What the line edit and the text edit share: a background and a text style per state, a placeholder
// text with its own style, and a state that follows focus (pressed while focused). Hover has no look
// of its own: it shows the normal state, and a focused edit keeps its state under the pointer.
class KIVQTLIB_EXPORT KIVQEditImplBase : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQEditImplBase(QWidget* owner, const QString& typeName);

    // The state's background over rect, then, while the edit is empty, the placeholder inside the
    // placeholder margins.
    void paint(QPainter* painter, const QRect& rect) override;
    void onCreateComplete() override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    // Presses and releases belong to the text.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}

    // Sets the state; when its look differs, applies its text style and repaints at once.
    void enterState(CtrlState state);
    // The shown state's colour as the Text brush of a fresh palette, and its pixel size and family (the
    // global family first) as the font; bold, italic and underline stay off. Applied on each change of
    // state rather than in paint, so that a document is not laid out again on every paint.
    void applyTextStyle();

    StateStyles<FillStyle> backgrounds;
    StateStyles<TextStyleDesc> textStyles;
    TextStyleDesc placeholderStyle;
    QString placeholderText;

protected:
    // "style" codes both edits share; each has its own placeholder code.
    static constexpr int kBackgroundCode = 0;
    static constexpr int kTextStyleCode = 4;

    virtual QMargins placeholderMargins() const = 0;
    virtual bool isEmpty() const = 0;
    // Backgrounds from code 0, text styles from code 4, then the placeholder under its own code; "style"
    // is null when nothing is named. The placeholder goes last because reading any entry after it
    // would copy a text style over it.
    void writeStyles(ControlJson& io, int placeholderCode);
};

} // namespace KIVQtLib
