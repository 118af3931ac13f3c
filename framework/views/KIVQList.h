#pragma once

#include "controls/ScrollBarStyling.h"
#include "core/KIVQControl.h"

#include <QListWidget>

#include <memory>

namespace KIVQtLib {

class KIVQListImpl;
class KIVQListItemDelegate;
class KIVQScrollBar;

// A plain item list painted from theme styles: a background behind the rows, a per-state row fill and
// text style (hover wins over selection), an optional icon at each row's left and a fixed row height.
// Rows are added with the QListWidget interface.
class KIVQTLIB_EXPORT KIVQList : public KIVQControlBase<KIVQList, QListWidget, KIVQListImpl>, public ScrollBarStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQList(QWidget* parent = nullptr);
    ~KIVQList() override;

    static const char* typeName() { return "qtlist"; }
    static QWidget* createKIVQList() { return new KIVQList; }
    static ControlInfo getProps();

    // 0 means 20.
    void setItemHeight(int height);
    int getItemHeight() const;
    void setIsMultiSelected(bool on);
    bool getIsMultiSelected() const;

    // The state selects nothing: the list has one background.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
    // Per-state row styles: 0..3, or 4 for all states; getters clamp.
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;

    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

    // The list's buttons keep their size.
    void setScrollbarBtnSize(bool hor, int size) override;
    KIVQScrollBar* scrollBar(bool hor) const;

protected:
    // The rows, not the Impl: a scroll area's paint events are its viewport's.
    void paintEvent(QPaintEvent* event) override;
    KIVQScrollBar* styledScrollBar(bool hor) const override;

private:
    KIVQScrollBar* m_horizontalBar;
    KIVQScrollBar* m_verticalBar;
    std::unique_ptr<KIVQListItemDelegate> m_delegate;
};

} // namespace KIVQtLib
