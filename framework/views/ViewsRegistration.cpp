#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Item views, menus and the property list register here as they land.
void registerViewControls() {}

} // namespace KIVQtLib
