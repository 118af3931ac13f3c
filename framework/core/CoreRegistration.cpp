#include "KIVQtLib.h"

namespace KIVQtLib {

// The container, the canvas and the designer window register here as they land.
void registerCoreControls() {}

} // namespace KIVQtLib
