#include "KIVQMenuBar.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Item views, menus and the property list register here as they land.
void registerViewControls()
{
    kivRegisterControl<KIVQMenuBar>({"menubar"}, true);
}

} // namespace KIVQtLib
