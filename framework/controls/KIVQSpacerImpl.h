#pragma once

#include "KIVQSpacer.h"

namespace KIVQtLib {

// The spacer's direction and thickness, and its JSON; it paints nothing.
class KIVQTLIB_EXPORT KIVQSpacerImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    using KIVQWidgetBaseImpl::KIVQWidgetBaseImpl;

    bool serializeJsonValue(Json::Value** json, bool read) override;

    // Out-of-range directions become auto, negative thicknesses 0.
    void setDirection(int value);
    void setThickness(int value);

    int direction = KIVQSpacer::Auto;
    int thickness = 0;
};

} // namespace KIVQtLib
