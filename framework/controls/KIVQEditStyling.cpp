#include "KIVQEditStyling.h"

#include "KIVQEditImplBase.h"

#include <QWidget>

namespace KIVQtLib {

KIVQEditStyling::~KIVQEditStyling() = default;

void KIVQEditStyling::setBackground(CtrlState state, const FillStyle& fill)
{
    editImpl()->backgrounds.set(state, fill);
    editImpl()->owner()->update();
}

const FillStyle& KIVQEditStyling::getBackground(CtrlState state) const
{
    return editImpl()->backgrounds.get(state);
}

void KIVQEditStyling::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (editImpl()->textStyles.set(state, style))
        editImpl()->applyTextStyle();
}

const TextStyleDesc& KIVQEditStyling::getTextStyle(CtrlState state) const
{
    return editImpl()->textStyles.get(state);
}

void KIVQEditStyling::setPlaceholderText(const QString& text)
{
    editImpl()->placeholderText = text;
    editImpl()->owner()->update();
}

const QString& KIVQEditStyling::getPlaceholderText() const
{
    return editImpl()->placeholderText;
}

} // namespace KIVQtLib
