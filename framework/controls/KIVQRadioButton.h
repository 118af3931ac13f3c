#pragma once

#include "CheckBoxLookAccess.h"
#include "core/KIVQControl.h"

#include <QRadioButton>

namespace KIVQtLib {

class KIVQRadioButtonImpl;

// Selects icon slots for KIVQRadioButton::setIcon; 4 sets the four, never the disabled icon.
enum RadioIconState
{
    RadioCheckedIcon = 0,
    RadioCheckedHotIcon = 1,
    RadioUncheckIcon = 2,
    RadioUncheckHotIcon = 3,
    RadioAllIcons = 4
};

// A radio button drawn wholly by the framework, built like the check box: backgrounds per state for
// the unselected and the selected button, icons scaled to fit half the button's height, three caption
// styles. The whole control takes clicks, and a caption may name a language key ("|->key").
class KIVQTLIB_EXPORT KIVQRadioButton : public KIVQControlBase<KIVQRadioButton, QRadioButton, KIVQRadioButtonImpl>,
                                        public CheckBoxLookAccess
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQRadioButton(QWidget* parent = nullptr);

    static const char* typeName() { return "qtradiobox"; }
    static QWidget* createKIVQRadioButton() { return new KIVQRadioButton; }
    static ControlInfo getProps();

    // Selected backgrounds: the setter takes 0..3 or 4 for all, the getter clamps.
    const FillStyle& getSelectedBackground(CtrlState state) const;
    void setSelectedBackground(CtrlState state, const FillStyle& fill);

    const QString& getUncheckIcon() const;
    bool setUncheckIcon(const QString& name);
    const QString& getUncheckHotIcon() const;
    bool setUncheckHotIcon(const QString& name);
    const QString& getCheckedIcon() const;
    bool setCheckedIcon(const QString& name);
    const QString& getCheckedHotIcon() const;
    bool setCheckedHotIcon(const QString& name);
    // Shown while disabled, checked or not.
    const QString& getDisableIcon() const;
    bool setDisableIcon(const QString& name);
    void setIcon(const QString& name);
    void setIcon(RadioIconState state, const QString& name);

    bool getPushlike() const;
    void setPushlike(bool on);
    // Repaints.
    bool getShowIcon() const;
    void setShowIcon(bool on);

    TextStyleDesc getTextStyle(bool checked) const;
    // The unchecked style for a state outside 0..2.
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const;

    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);

Q_SIGNALS:
    // Every mouse press, after Qt has handled it.
    void pressedEvent();

protected:
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib
