#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQSpacerImpl;

// Invisible elastic space in a container's ratio row or column. It paints nothing and lets the
// mouse through to whatever lies under it.
class KIVQTLIB_EXPORT KIVQSpacer : public KIVQControlBase<KIVQSpacer, QWidget, KIVQSpacerImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    // Read by the container's layout.
    Q_PROPERTY(Direction spacerDirection READ getDirection WRITE setDirection)
    Q_PROPERTY(int spacerThickness READ getThickness WRITE setThickness)
public:
    // Which child layouts the spacer stretches in: auto both, else only the named one.
    enum Direction
    {
        Auto = 0,
        Horizontal = 1,
        Vertical = 2
    };
    Q_ENUM(Direction)

    explicit KIVQSpacer(QWidget* parent = nullptr);

    static const char* typeName() { return "qtspacer"; }
    static QWidget* createKIVQSpacer() { return new KIVQSpacer; }
    static ControlInfo getProps();

    Direction getDirection() const;
    void setDirection(Direction direction);
    // The spacer's cross size in a layout it stretches in, when above 0.
    int getThickness() const;
    void setThickness(int thickness);
};

} // namespace KIVQtLib
