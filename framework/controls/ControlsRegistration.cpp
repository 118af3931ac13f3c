#include "KIVQCheckBox.h"
#include "KIVQImage.h"
#include "KIVQLabel.h"
#include "KIVQPushButton.h"
#include "KIVQRadioButton.h"
#include "KIVQScrollBar.h"
#include "KIVQSpacer.h"
#include "KIVQSwitch.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Basic, input, scrolling and paging controls register here as they land.
void registerBasicControls()
{
    kivRegisterControl<KIVQPushButton>({"button"}, true);
    kivRegisterControl<KIVQLabel>({"label"}, true);
    kivRegisterControl<KIVQScrollBar>({"scrollbar"}, true);
    kivRegisterControl<KIVQSpacer>({}, true);
    kivRegisterControl<KIVQImage>({"picture", "image"}, true);
    kivRegisterControl<KIVQCheckBox>({"checkbox"}, true);
    kivRegisterControl<KIVQRadioButton>({"radio", "radiobox"}, true);
    kivRegisterControl<KIVQSwitch>({"switch"}, true);
}

} // namespace KIVQtLib
