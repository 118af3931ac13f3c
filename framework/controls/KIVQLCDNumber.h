#pragma once

#include "core/KIVQControl.h"

#include <QLCDNumber>

namespace KIVQtLib {

class KIVQLCDNumberImpl;

// Qt's seven-segment display over a theme background, in a digit colour of its own.
class KIVQTLIB_EXPORT KIVQLCDNumber : public KIVQControlBase<KIVQLCDNumber, QLCDNumber, KIVQLCDNumberImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQLCDNumber(QWidget* parent = nullptr);

    static const char* typeName() { return "qtlcdnumber"; }
    static QWidget* createKIVQLCDNumber() { return new KIVQLCDNumber; }
    static ControlInfo getProps();

    // The digit colour, in every colour group at once, so it holds in inactive windows too.
    void setColor(const QColor& colour);
    QColor getColor() const;
    void setNumText(const QString& text);
    // A number in its shortest form ("3.50" gives "3.5"); a text that is no number, as it was given.
    QString getNumText() const;
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KIVQtLib
