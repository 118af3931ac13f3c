#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQGroupBoxImpl;

// A titled frame: a one-pixel line around the control, open at the top left where the title sits.
// It lays out no children.
class KIVQTLIB_EXPORT KIVQGroupBox : public KIVQControlBase<KIVQGroupBox, QWidget, KIVQGroupBoxImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQGroupBox(QWidget* parent = nullptr);

    static const char* typeName() { return "qtgroupbox"; }
    static QWidget* createKIVQGroupBox() { return new KIVQGroupBox; }
    static ControlInfo getProps();

    void setText(const QString& text);
    const QString& getText() const;
    void setShowText(bool on);
    bool getShowText() const;
    // How far the bottom line sits above the bottom edge; the pen stays one pixel wide.
    void setLineSize(int size);
    int getLineSize() const;
    void setLineColor(const QColor& colour);
    QColor getLineColor() const;
    // One title style and one background, painted inside the frame; the state selects nothing.
    void setTextStyle(CommonCtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CommonCtrlState state = CommonNormal) const;
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
};

} // namespace KIVQtLib
