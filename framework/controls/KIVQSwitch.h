#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQSwitchImpl;

// Selects a caption style of the switch: 0 the left style, any other value the right one.
enum SwitchPosition
{
    SwitchLeft = 0,
    SwitchRight = 1
};

// A two-position toggle: a square thumb slides along a track when the control is pressed, with a
// caption at each end. The position flag flips when the thumb arrives; a press while it moves only
// changes the look. A program reads the position through getIsSwitchToLeft.
class KIVQTLIB_EXPORT KIVQSwitch : public KIVQControlBase<KIVQSwitch, QWidget, KIVQSwitchImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQSwitch(QWidget* parent = nullptr);

    static const char* typeName() { return "qtswitch"; }
    static QWidget* createKIVQSwitch() { return new KIVQSwitch; }
    static ControlInfo getProps();

    const QString& getLeftText() const;
    void setLeftText(const QString& text);
    const QString& getRightText() const;
    void setRightText(const QString& text);
    int getMargin() const;
    void setMargin(int margin);
    // Milliseconds one movement takes.
    unsigned int getSwitchSpeed() const;
    void setSwitchSpeed(unsigned int ms);
    // false draws only the caption on the side away from the thumb.
    bool getShowAllText() const;
    void setShowAllText(bool on);
    // The thumb rests at the left end; a resting thumb moves there at the next paint.
    bool getIsSwitchToLeft() const;
    void setSwitchToLeft(bool left);
    const QSize& getThumbBtnSize() const;
    void setThumbBtnSize(const QSize& size);
    void getThumbSize(int& w, int& h) const;
    void setThumbSize(int w, int h);

    // Thumb styles per state: the setter takes 0..3 or 4 for all, the getter clamps.
    const FillStyle& getThumbStyle(CtrlState state) const;
    void setThumbStyle(CtrlState state, const FillStyle& fill);
    // One background; the state selects nothing.
    const FillStyle& getBackgroundStyle(CommonCtrlState state) const;
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& fill);
    const TextStyleDesc& getTextStyle(SwitchPosition position) const;
    void setTextStyle(SwitchPosition position, const TextStyleDesc& style);

protected:
    // Presses and releases are the switch's own: they do not reach the parent as well.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib
