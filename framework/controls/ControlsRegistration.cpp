#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Basic, input, scrolling and paging controls register here as they land.
void registerBasicControls() {}

} // namespace KIVQtLib
