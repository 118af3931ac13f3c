#include "KIVQRibbonBar.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

void registerRibbonControls()
{
    kivRegisterControl<KIVQRibbonBar>({}, true);
}

} // namespace KIVQtLib
