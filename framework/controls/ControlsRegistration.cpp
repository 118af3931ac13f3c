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
    kivRegisterQtControl("qtbutton", &KIVQPushButton::createKIVQPushButton, KIVQPushButton::getProps(), true);
    kivRegisterDefaultControl("button", &KIVQPushButton::createKIVQPushButton);
    kivRegisterQtControl("qtlabel", &KIVQLabel::createKIVQLabel, KIVQLabel::getProps(), true);
    kivRegisterDefaultControl("label", &KIVQLabel::createKIVQLabel);
    kivRegisterQtControl("qtscrollbar", &KIVQScrollBar::createKIVQScrollBar, KIVQScrollBar::getProps(), true);
    kivRegisterDefaultControl("scrollbar", &KIVQScrollBar::createKIVQScrollBar);
    kivRegisterQtControl("qtspacer", &KIVQSpacer::createKIVQSpacer, KIVQSpacer::getProps(), true);
    kivRegisterQtControl("qtpicture", &KIVQImage::createKIVQImage, KIVQImage::getProps(), true);
    kivRegisterDefaultControl("picture", &KIVQImage::createKIVQImage);
    kivRegisterDefaultControl("image", &KIVQImage::createKIVQImage);
    kivRegisterQtControl("qtcheckbox", &KIVQCheckBox::createKIVQCheckBox, KIVQCheckBox::getProps(), true);
    kivRegisterDefaultControl("checkbox", &KIVQCheckBox::createKIVQCheckBox);
    kivRegisterQtControl("qtradiobox", &KIVQRadioButton::createKIVQRadioButton, KIVQRadioButton::getProps(), true);
    kivRegisterDefaultControl("radio", &KIVQRadioButton::createKIVQRadioButton);
    kivRegisterDefaultControl("radiobox", &KIVQRadioButton::createKIVQRadioButton);
    kivRegisterQtControl("qtswitch", &KIVQSwitch::createKIVQSwitch, KIVQSwitch::getProps(), true);
    kivRegisterDefaultControl("switch", &KIVQSwitch::createKIVQSwitch);
}

} // namespace KIVQtLib
