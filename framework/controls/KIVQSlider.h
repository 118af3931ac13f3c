#pragma once

#include "core/KIVQControl.h"

#include <QSlider>

namespace KIVQtLib {

class KIVQSliderImpl;

// A QSlider drawn from theme styles: a channel, the channel's filled part up to the value, and a thumb
// with a fill per state. Value, keys and dragging stay QSlider's; the application style reads the
// thumb's size from "sliderLength" and "thumbBtnSize", so Qt's handle geometry is the painted one.
class KIVQTLIB_EXPORT KIVQSlider : public KIVQControlBase<KIVQSlider, QSlider, KIVQSliderImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    Q_PROPERTY(int sliderLength READ getSliderLength)
    Q_PROPERTY(QSize thumbBtnSize READ getThumbBtnSize)
public:
    explicit KIVQSlider(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);

    static const char* typeName() { return "qtslider"; }
    static QWidget* createKIVQSlider() { return new KIVQSlider(nullptr, Qt::Horizontal); }
    static ControlInfo getProps();

    // One channel background and one foreground; the state selects nothing.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackgroundStyle(CommonCtrlState state = CommonNormal) const;
    void setForegroundStyle(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getForegroundStyle(CommonCtrlState state = CommonNormal) const;
    // Thumb fill per state: 0..3, or 4 for all states.
    void setThumbStyle(CtrlState state, const FillStyle& fill);
    const FillStyle& getThumbStyle(CtrlState state) const;

    void setThumbSize(int w, int h);
    void getThumbSize(int& w, int& h) const;
    void setChannelHeight(int size);
    int getChannelHeight() const;
    void setIsHorizontal(bool horizontal);
    bool getIsHorizontal() const;

    // The thumb's extent along the slider, and its full size, as the application style asks for them.
    int getSliderLength() const;
    QSize getThumbBtnSize() const;
    // The style's handle rectangle, sized to the thumb.
    QRect getThumbRect() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace KIVQtLib
