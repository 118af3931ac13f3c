#pragma once

#include "CheckBoxLook.h"
#include "core/KIVQControl.h"

#include <QCheckBox>

namespace KIVQtLib {

class KIVQCheckBoxImpl;

// A check box drawn wholly by the framework: backgrounds per state for the unchecked and the checked
// box, an icon per check state with hover and disabled variants, and three caption styles. Qt's own
// indicator is never drawn. The look and its painter are CheckBoxLook, which item views reuse.
class KIVQTLIB_EXPORT KIVQCheckBox : public QCheckBox, public IKIVQWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    KIVQ_CONTROL
public:
    explicit KIVQCheckBox(QWidget* parent = nullptr);
    ~KIVQCheckBox() override;

    static const char* typeName() { return "qtcheckbox"; }
    static QWidget* createKIVQCheckBox() { return new KIVQCheckBox; }
    static ControlInfo getProps();

    // Per-state backgrounds: setters take 0..3 or 4 for all, getters clamp. None of the setters repaints.
    const FillStyle& getBackground(CtrlState state) const;
    void setBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getCheckedBackground(CtrlState state) const;
    void setCheckedBackground(CtrlState state, const FillStyle& fill);

    // The hot icon follows the normal one while it is still the built-in image.
    QString getUncheckIcon() const;
    void setUncheckIcon(const QString& name);
    QString getUncheckHotIcon() const;
    void setUncheckHotIcon(const QString& name);
    QString getCheckedIcon() const;
    void setCheckedIcon(const QString& name);
    QString getCheckedHotIcon() const;
    void setCheckedHotIcon(const QString& name);
    QString getDisableCheckIcon() const;
    void setDisableCheckIcon(const QString& name);
    QString getDisableUncheckIcon() const;
    void setDisableUncheckIcon(const QString& name);

    const IconStyleDesc& getIconStyle() const;
    void setIconStyle(const IconStyleDesc& style);
    DockLayoutType getIconHorAlign() const;
    void setIconHorAlign(DockLayoutType align);
    DockLayoutType getIconVerAlign() const;
    void setIconVerAlign(DockLayoutType align);
    int getIconOffsetX() const;
    void setIconOffsetX(int x);
    int getIconOffsetY() const;
    void setIconOffsetY(int y);
    bool getShowIcon() const;
    void setShowIcon(bool on);
    bool getShowText() const;
    void setShowText(bool on);

    // true the checked caption style, false the unchecked one.
    const TextStyleDesc& getTextStyle(bool checked) const;
    void setTextStyle(bool checked, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const;
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style);
    const TextStyleDesc& getDisableTextStyle() const;
    void setDisableTextStyle(const TextStyleDesc& style);

    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);

    KIVQCheckBoxImpl* impl() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib
