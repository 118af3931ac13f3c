#pragma once

#include "core/KIVQControl.h"

#include <QProgressBar>

namespace KIVQtLib {

class KIVQProgressBarImpl;

// A QProgressBar painted from theme fills: a bar that fills along the widget, or a sector that grows
// around the centre, optionally with the value written over it as a percentage.
class KIVQTLIB_EXPORT KIVQProgressBar : public KIVQControlBase<KIVQProgressBar, QProgressBar, KIVQProgressBarImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQProgressBar(QWidget* parent = nullptr);

    static const char* typeName() { return "qtprogressbar"; }
    static QWidget* createKIVQProgressBar() { return new KIVQProgressBar; }
    static ControlInfo getProps();

    // One background and one foreground; the state selects nothing.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
    void setForeground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getForeground(CommonCtrlState state = CommonNormal) const;

    void setShowText(bool on);
    bool getShowText() const;
    void setCircleProgressBar(bool on);
    bool getIsCircleProgressBar() const;
    // Degrees, 0 straight down and growing clockwise; kept only when 1 <= start < end. 1..361 at first.
    void setCircleAngleRange(int start, int end);
    void getCirleAngleRange(int& start, int& end) const;
};

} // namespace KIVQtLib
