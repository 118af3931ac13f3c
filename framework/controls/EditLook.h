#pragma once

#include "core/StateStyles.h"

#include <QString>

class QMargins;
class QPainter;
class QRect;
class QWidget;

namespace KIVQtLib {

// The look the line edit and the text edit share: a background and a text style per state, and a
// placeholder text with its own style. Hover has no look of its own: it shows the normal state.
struct KIVQTLIB_EXPORT EditLook
{
    StateStyles<FillStyle> backgrounds;
    StateStyles<TextStyleDesc> textStyles;
    TextStyleDesc placeholderStyle;
    QString placeholderText;

    static int shownState(int state) { return state == CtrlHover ? CtrlNormal : state; }

    // The state's colour as the Text brush of a fresh palette and its pixel size and family (the global
    // family first) as the font; bold, italic and underline stay off. Set on each change of state, not
    // in paint, so that a document is not laid out again on every paint.
    void applyTextStyle(QWidget* edit, int state) const;
    // The state's background over rect, then, while the edit is empty, the placeholder inside the margins.
    void paint(QPainter* painter, const QRect& rect, int state, const QMargins& margins, bool empty) const;
    // Backgrounds from code 0, text styles from code 4, then the placeholder under its own code.
    void writeStyles(Json::Value& element, int placeholderCode) const;
};

} // namespace KIVQtLib
