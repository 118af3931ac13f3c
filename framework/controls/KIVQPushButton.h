#pragma once

#include "core/KIVQControl.h"

#include <QPushButton>

namespace KIVQtLib {

class KIVQPushButtonImpl;

// A push button painted from theme styles: a fill and a text style per state, icons (theme image,
// SVG or QIcon, with hot and pressed variants), an optional extension strip at the right edge that
// lights up on its own, and an optional hover fade between the normal and hover colours.
class KIVQTLIB_EXPORT KIVQPushButton : public KIVQControlBase<KIVQPushButton, QPushButton, KIVQPushButtonImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQPushButton(QWidget* parent = nullptr);

    static const char* typeName() { return "qtbutton"; }
    static QWidget* createKIVQPushButton() { return new KIVQPushButton; }
    static ControlInfo getProps();

    // Per-state styles: 0..3, or 4 for all states; other states are ignored, getters clamp.
    void setBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // Whether the state's fill paints its colour part (true) or its image part.
    void setUseFillStyle(CtrlState state, bool colour);
    bool getUseFillStyle(CtrlState state) const;

    void setDrawBackground(bool on);
    bool getDrawBackground() const;
    void setShowText(bool on);
    bool getShowText() const;
    void setUseIcon(bool on);
    bool getUseIcon() const;

    // A resource path (":/...", not SVG) becomes a QIcon; other names are theme images or SVG files.
    void setIcon(const QString& path);
    void setIcon(const QIcon& icon);
    QString getIcon() const;
    void setHotIcon(const QString& path);
    QString getHotIcon() const;
    void setPressedIcon(const QString& path);
    QString getPressedIcon() const;
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const;

    // Bounded to the widget range.
    void setTextOffsetX(int x);
    int getTextOffsetX() const;
    void setTextOffsetY(int y);
    int getTextOffsetY() const;

    void setFadeEnabled(bool on);
    bool getFadeEnabled() const;
    // Milliseconds; 0 or less means 150.
    void setFadeDuration(int ms);
    int getFadeDuration() const;

protected:
    bool event(QEvent* event) override;

Q_SIGNALS:
    // Emitted by the Impl once it has taken the hover change.
    void enterSignal();
    void leaveSignal();
};

} // namespace KIVQtLib
