#include "KIVQLabel.h"
#include "KIVQPushButton.h"
#include "KIVQScrollBar.h"
#include "KIVQSpacer.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Basic, input, scrolling and paging controls register here as they land.
void registerBasicControls()
{
    kivRegisterControl<KIVQPushButton>({"button"}, true);
    kivRegisterControl<KIVQLabel>({"label"}, true);
    kivRegisterControl<KIVQScrollBar>({"scrollbar"}, true);
    kivRegisterControl<KIVQSpacer>({}, true);
}

} // namespace KIVQtLib
