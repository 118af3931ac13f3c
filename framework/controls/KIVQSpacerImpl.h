#pragma once

#include "KIVQSpacer.h"
#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

// The spacer's direction and thickness, and its JSON; it paints nothing.
class KIVQTLIB_EXPORT KIVQSpacerImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    using KIVQWidgetBaseImpl::KIVQWidgetBaseImpl;

    void serializeJson(ControlJson& io) override;
    // Nothing to draw, so no painter is begun for it.
    void paintEvent() override
    {
        if (m_owner)
            followEnabled();
    }

    // Out-of-range directions become auto, negative thicknesses 0.
    void setDirection(int value);
    void setThickness(int value);

    int direction = KIVQSpacer::Auto;
    int thickness = 0;
};

} // namespace KIVQtLib
