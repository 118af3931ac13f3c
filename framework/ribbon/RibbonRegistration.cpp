#include "core/KIVQtLib.h"

namespace KIVQtLib {

// The ribbon bar registers here when it lands.
void registerRibbonControls() {}

} // namespace KIVQtLib
