#include "KIVQtLib.h"
#include "layout/KIVQContainer.h"

namespace KIVQtLib {

// The container, the canvas and the designer window register here as they land.
void registerCoreControls()
{
    kivRegisterControl<KIVQContainer>({"container"}, true);
}

} // namespace KIVQtLib
