#pragma once

#include "core/KIVQControl.h"

#include <QMenuBar>

namespace KIVQtLib {

class KIVQMenuBarImpl;

// A menu bar painted from theme styles, with a hot item that follows the mouse. The menus it opens
// paint themselves; the popup styles it keeps are for designers and JSON only.
class KIVQTLIB_EXPORT KIVQMenuBar : public KIVQControlBase<KIVQMenuBar, QMenuBar, KIVQMenuBarImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQMenuBar(QWidget* parent = nullptr);

    static const char* typeName() { return "qtmenubar"; }
    static QWidget* createKIVQMenuBar() { return new KIVQMenuBar; }
    static ControlInfo getProps();

    // Empty for a null action.
    QRect actionGeometry(QAction* action) const;
    using QMenuBar::addMenu;
    QAction* addMenu(QMenu* menu);

    // Per-state setters take 0..3, or 4 for all states; the bar's own states are not read. None repaints.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    void setPopupBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getPopupBackground(CommonCtrlState state = CommonNormal) const;
    void setPopupItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getPopupItemBackground(CtrlState state) const;
    void setPopupTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getPopupTextStyle(CtrlState state) const;
    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib
