#pragma once

#include "controls/ScrollBarStyling.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

class QAbstractItemView;

namespace KIVQtLib {

class KIVQItemRows;

// What a plain row view (the list, the tree) keeps: a row height, a background behind the rows and a
// per-state row fill and text style, read and written as "style" codes 0, 2..5 and 6..9 and the
// "itemHeight" attribute.
class KIVQTLIB_EXPORT KIVQItemRowsImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQItemRowsImpl(QAbstractItemView* owner, KIVQItemRows* rows, const QString& typeName, int itemHeight);

    int rowHeight() const { return itemHeight == 0 ? 20 : itemHeight; }
    void setItemHeight(int height);
    // The styles, then "itemHeight" only where "attr" holds it (written whenever it is not 20), then,
    // reading, the scroll-bar blocks whose type begins with "scrollbar".
    void serializeRows(ControlJson& io);

    int itemHeight;
    FillStyle background;
    StateStyles<FillStyle> itemBackgrounds;
    StateStyles<TextStyleDesc> itemTextStyles;

protected:
    QAbstractItemView* m_view;
    KIVQItemRows* m_rows;
};

// The control side of a plain row view: its two themed scroll bars, each in its own slot, the viewport
// background, and the row style setters. States are 0..3, or 4 for all states; getters clamp.
class KIVQTLIB_EXPORT KIVQItemRows : public ScrollBarStyling
{
public:
    // 0 means 20.
    void setItemHeight(int height);
    int getItemHeight() const;
    // The state selects nothing: the view has one background.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;
    KIVQScrollBar* scrollBar(bool hor) const;

protected:
    // From the view's constructor, once its viewport stands.
    void setUpRows(QAbstractItemView* view, KIVQItemRowsImpl* d);
    KIVQScrollBar* styledScrollBar(bool hor) const override;

private:
    void repaintRows() const;

    QAbstractItemView* m_view = nullptr;
    KIVQItemRowsImpl* m_d = nullptr; // owned by the view, alive as long as it
    KIVQScrollBar* m_horizontalBar = nullptr;
    KIVQScrollBar* m_verticalBar = nullptr;
};

} // namespace KIVQtLib
