#pragma once

#include "core/StyleTypes.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace KIVQtLib {

// Paints a view's background under its viewport's own painting: on each paint event of the viewport the
// fill goes first and the event goes on, so the items land on top. Owned by the viewport.
class KIVQTLIB_EXPORT KIVQViewportFill : public QObject
{
    Q_OBJECT
public:
    // The fill is asked for at every paint, so later style changes show; null paints nothing.
    using FillSource = std::function<const FillStyle*()>;

    static KIVQViewportFill* install(QWidget* viewport, FillSource fill);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KIVQViewportFill(QWidget* viewport, FillSource fill);

    QPointer<QWidget> m_viewport;
    FillSource m_fill;
};

} // namespace KIVQtLib
