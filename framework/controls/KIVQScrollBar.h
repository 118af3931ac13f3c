#pragma once

#include "core/KIVQControl.h"

#include <QScrollBar>

class QStyleOptionSlider;

namespace KIVQtLib {

class KIVQScrollBarImpl;

// A QScrollBar painted from theme styles: a background, and a fill and an icon per state for the up
// button, the down button and the thumb. Range, stepping and dragging stay QScrollBar's. "Up" is the
// sub-line button (top or left), "down" the add-line button. Hidden until its owner shows it.
class KIVQTLIB_EXPORT KIVQScrollBar : public KIVQControlBase<KIVQScrollBar, QScrollBar, KIVQScrollBarImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQScrollBar(QWidget* parent = nullptr);
    explicit KIVQScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    static const char* typeName() { return "qtscrollbar"; }
    static QWidget* createKIVQScrollBar() { return new KIVQScrollBar; }
    static ControlInfo getProps();

    // The state argument selects nothing: the bar has one background.
    void setScrollbarBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getScrollbarBackground(CommonCtrlState state = CommonNormal) const;
    // Per-state fills: 0..3, or 4 for all states.
    void setScrollbarUpButton(CtrlState state, const FillStyle& fill);
    const FillStyle& getScrollbarUpButton(CtrlState state) const;
    void setScrollbarDownButton(CtrlState state, const FillStyle& fill);
    const FillStyle& getScrollbarDownButton(CtrlState state) const;
    void setScrollbarThumb(CtrlState state, const FillStyle& fill);
    const FillStyle& getScrollbarThumb(CtrlState state) const;

    void setScrollbarBtnIcon(bool up, const QString& name);
    const QString& getScrollbarBtnIcon(bool up) const;
    void setScrollbarThumbIcon(const QString& name);
    const QString& getScrollbarThumbIcon() const;
    void setScrollbarIconStyle(bool up, const IconStyleDesc& style);
    const IconStyleDesc& getScrollbarIconStyle(bool up) const;

    // Thickness in the size hint; -1 keeps QScrollBar's.
    void setWidthHeight(int thickness);
    int getWidthHeight() const;

    // The style option that QScrollBar paints and hit-tests with.
    void initStyleOption(QStyleOptionSlider* option) const;

    QSize sizeHint() const override;
};

} // namespace KIVQtLib
