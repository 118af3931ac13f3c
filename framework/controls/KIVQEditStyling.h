#pragma once

#include "core/StyleTypes.h"

#include <QString>

namespace KIVQtLib {

class KIVQEditImplBase;

// The style accessors the line edit and the text edit share, beside their Qt class.
class KIVQTLIB_EXPORT KIVQEditStyling
{
public:
    virtual ~KIVQEditStyling();

    // Per-state styles: 0..3, or 4 for all states; other states are ignored, getters clamp. Setting
    // the text style of the shown state applies it at once.
    void setBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // Shown while the edit is empty.
    void setPlaceholderText(const QString& text);
    const QString& getPlaceholderText() const;

protected:
    virtual KIVQEditImplBase* editImpl() const = 0;
};

} // namespace KIVQtLib
