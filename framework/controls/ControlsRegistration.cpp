#include "KIVQCheckBox.h"
#include "KIVQGroupBox.h"
#include "KIVQImage.h"
#include "KIVQLCDNumber.h"
#include "KIVQLabel.h"
#include "KIVQLabelEx.h"
#include "KIVQLineEdit.h"
#include "KIVQProgressBar.h"
#include "KIVQPushButton.h"
#include "KIVQRadioButton.h"
#include "KIVQScrollBar.h"
#include "KIVQScrollView.h"
#include "KIVQSlider.h"
#include "KIVQSpacer.h"
#include "KIVQSpinBox.h"
#include "KIVQSplitter.h"
#include "KIVQStackContainer.h"
#include "KIVQSwitch.h"
#include "KIVQTabWidget.h"
#include "KIVQTextEdit.h"
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
    kivRegisterControl<KIVQSlider>({"slider"}, true);
    kivRegisterControl<KIVQTabWidget>({"tab"}, true);
    kivRegisterControl<KIVQProgressBar>({"progressbar"}, true);
    kivRegisterControl<KIVQGroupBox>({"groupbox"}, true);
    kivRegisterControl<KIVQLCDNumber>({}, true);
    // Created by name only: designers do not place these.
    kivRegisterDefaultControl(KIVQLabelEx::typeName(), &KIVQLabelEx::createControl);
    kivRegisterDefaultControl(KIVQSplitter::typeName(), &KIVQSplitter::createControl);
    kivRegisterDefaultControl("splitter", &KIVQSplitter::createControl);
    kivRegisterControl<KIVQStackContainer>({"stackcontainer"}, true);
    kivRegisterControl<KIVQLineEdit>({"dedit"}, true);
    kivRegisterControl<KIVQScrollView>({"scrollview"}, true);
    kivRegisterControl<KIVQTextEdit>({}, true);
    // No designer description: the property list and the ribbon build it in code.
    for (const char* name : {"qtspinbox", "spinbox", "dnumedit"})
        kivRegisterDefaultControl(name, &KIVQSpinBox::createControl);
}

} // namespace KIVQtLib
