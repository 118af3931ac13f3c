#pragma once

#include "core/KIVQControl.h"

#include <QComboBox>
#include <QPointer>

namespace KIVQtLib {

class KIVQComboBoxImpl;
class KIVQComboList;

// A drop-down selector painted from theme styles: a per-state face, a square drop-down button at the
// right edge with its own fill and icon, the current text and the current item's icon; its popup is a
// KIVQComboList that paints its background and items from the same Impl. Items, user data, the current
// index and the selection signals are QComboBox's own.
class KIVQTLIB_EXPORT KIVQComboBox : public KIVQControlBase<KIVQComboBox, QComboBox, KIVQComboBoxImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQComboBox(QWidget* parent = nullptr);
    ~KIVQComboBox() override;

    static const char* typeName() { return "qtcombobox"; }
    static QWidget* createKIVQComboBox() { return new KIVQComboBox; }
    static ControlInfo getProps();

    // Per-state styles and icons: 0..3, or 4 for all states; other states are ignored, getters clamp.
    // None of the setters repaints.
    void setBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CtrlState state) const;
    void setBtnBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getBtnBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // Popup items use 0 normal, 1 under the mouse and 2 selected.
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    void setBtnIcon(CtrlState state, const QString& icon);
    const QString& getBtnIcon(CtrlState state) const;
    // The state selects nothing: the popup has one background.
    void setPopupBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getPopupBackground(CtrlState state = CtrlNormal) const;

    void setNormalBtnIcon(const QString& icon);
    const QString& getNormalBtnIcon() const;
    void setHotBtnIcon(const QString& icon);
    const QString& getHotBtnIcon() const;

    // The popup's item height; shows the next time the popup is laid out.
    void setItemHeight(int height);
    int getItemHeight() const;

    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);
    void initDemoData();

    // The popup list, which is view() unless a caller replaces it.
    KIVQComboList* comboList() const;

    void hidePopup() override;

private:
    QPointer<KIVQComboList> m_list; // Qt's popup container owns it, and deletes it when the view is replaced
};

} // namespace KIVQtLib
