#pragma once

#include "CheckBoxLookAccess.h"
#include "core/KIVQControl.h"

#include <QCheckBox>

namespace KIVQtLib {

class KIVQCheckBoxImpl;

// A check box drawn wholly by the framework: backgrounds per state for the unchecked and the checked
// box, an icon per check state with hover and disabled variants, and three caption styles. Qt's own
// indicator is never drawn. The look and its painter are CheckBoxLook, which item views reuse.
class KIVQTLIB_EXPORT KIVQCheckBox : public KIVQControlBase<KIVQCheckBox, QCheckBox, KIVQCheckBoxImpl>,
                                     public CheckBoxLookAccess
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQCheckBox(QWidget* parent = nullptr);

    static const char* typeName() { return "qtcheckbox"; }
    static QWidget* createKIVQCheckBox() { return new KIVQCheckBox; }
    static ControlInfo getProps();

    // Checked backgrounds: the setter takes 0..3 or 4 for all, the getter clamps.
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

    bool getShowIcon() const;
    void setShowIcon(bool on);

    // true the checked caption style, false the unchecked one.
    const TextStyleDesc& getTextStyle(bool checked) const;
    // The checked style for a state outside 0..2.
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const;
    const TextStyleDesc& getDisableTextStyle() const;
    void setDisableTextStyle(const TextStyleDesc& style);

    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace KIVQtLib
