#pragma once

#include "core/KIVQControl.h"

#include <QLabel>

namespace KIVQtLib {

class KIVQLabelImpl;

// A plain text in the font, colour and alignment of a named text style. A single-line style elides
// the shown text to the label's width on every resize; the label keeps, saves and edits the full text.
class KIVQTLIB_EXPORT KIVQLabel : public KIVQControlBase<KIVQLabel, QLabel, KIVQLabelImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQLabel(QWidget* parent = nullptr);

    static const char* typeName() { return "qtlabel"; }
    static QWidget* createKIVQLabel() { return new KIVQLabel; }
    static ControlInfo getProps();

    // Sets the full text; the shown text is shortened at the next resize.
    void setText(const QString& text);
    // The full text; QLabel::text() is the shown, possibly elided, text.
    QString getText() const;

    // State 0 the normal style, 1..3 the disabled style, 4 both; other states are ignored.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    // State 0 (or below) the normal style, any other the disabled style.
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    void setColor(const QColor& colour);
    const QColor& getColor() const;
    void setDisableColor(const QColor& colour);
    const QColor& getDisableColor() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
