#include "KIVQLabel.h"
#include "KIVQPushButton.h"
#include "KIVQScrollBar.h"
#include "KIVQSpacer.h"
#include "KIVQGroupBox.h"
#include "KIVQLCDNumber.h"
#include "KIVQLabelEx.h"
#include "KIVQProgressBar.h"
#include "KIVQSlider.h"
#include "KIVQSplitter.h"
#include "KIVQTabWidget.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Basic, input, scrolling and paging controls register here as they land.
void registerBasicControls()
{
    kivRegisterControl<KIVQPushButton>({"button"}, true);
    kivRegisterControl<KIVQLabel>({"label"}, true);
    kivRegisterControl<KIVQScrollBar>({"scrollbar"}, true);
    kivRegisterControl<KIVQSpacer>({}, true);
    kivRegisterControl<KIVQSlider>({"slider"}, true);
    kivRegisterControl<KIVQTabWidget>({"tab"}, true);
    kivRegisterControl<KIVQProgressBar>({"progressbar"}, true);
    kivRegisterControl<KIVQGroupBox>({"groupbox"}, true);
    kivRegisterControl<KIVQLCDNumber>({}, true);
    // Created by name only: designers do not place these.
    kivRegisterDefaultControl(KIVQLabelEx::typeName(), &KIVQLabelEx::createControl);
    kivRegisterDefaultControl(KIVQSplitter::typeName(), &KIVQSplitter::createControl);
    kivRegisterDefaultControl("splitter", &KIVQSplitter::createControl);
}

} // namespace KIVQtLib
