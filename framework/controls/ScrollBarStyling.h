#pragma once

#include "core/StyleTypes.h"

#include <QString>

namespace KIVQtLib {

class KIVQScrollBar;

// Which child elements of a scrollable control's "child" array style its scroll bars, by their "type".
enum class ScrollBarBlockMatch
{
    AtLeastNineContaining, // nine characters or more, "scrollbar" anywhere: the scroll view, the text edit
    Containing,            // "scrollbar" anywhere: the table view
    Prefix                 // the first nine characters are "scrollbar": the other item views
};

KIVQTLIB_EXPORT bool isScrollBarBlockType(const QString& type, ScrollBarBlockMatch match);

// The scroll-bar setters of a control that scrolls with two KIVQScrollBar bars, and the reader of the
// child blocks that style them from JSON. A control derives from this beside its Qt class and says
// which bar is which; "hor" true picks the horizontal bar, "up" the up (sub-line) button. No control
// writes the blocks back: the bars' looks come from the theme and the page that made the control.
class KIVQTLIB_EXPORT ScrollBarStyling
{
public:
    virtual ~ScrollBarStyling();

    void setScrollbarBackgroundStyle(bool hor, const FillStyle& fill);
    // State 0..3, or 4 for all states.
    void setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle& fill);
    void setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle& fill);
    void setScrollbarButtonIcon(bool hor, bool up, const QString& name);
    void setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc& style);
    // The thumb's icon, not its fill.
    void setScrollbarThumb(bool hor, const QString& name);
    // The selected bar's style sheet becomes one that sizes its two buttons.
    virtual void setScrollbarBtnSize(bool hor, int size);
    // Both bars' style sheets become one that sets their thickness, replacing a button-size sheet; the
    // bool is not read.
    virtual void setScrollbarSize(bool hor, int size);

    static QString buttonSizeSheet(bool hor, int size);
    static QString thicknessSheet(int size);

    // Applies, in order, every child of element["child"] whose type counts under match. A later block's
    // thickness holds for both bars. Style names the theme lacks change nothing.
    void readScrollBarBlocks(const Json::Value& element, ScrollBarBlockMatch match);

protected:
    // Null while the control has no such bar.
    virtual KIVQScrollBar* styledScrollBar(bool hor) const = 0;

private:
    void readBlock(const Json::Value& block);
};

} // namespace KIVQtLib
