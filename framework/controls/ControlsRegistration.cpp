#include "KIVQCheckBox.h"
#include "KIVQImage.h"
#include "KIVQLabel.h"
#include "KIVQLineEdit.h"
#include "KIVQPushButton.h"
#include "KIVQScrollBar.h"
#include "KIVQScrollView.h"
#include "KIVQSpacer.h"
#include "KIVQStackContainer.h"
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
    kivRegisterQtControl("qtstackcontainer", &KIVQStackContainer::createKIVQStackContainer,
                         KIVQStackContainer::getProps(), true);
    kivRegisterDefaultControl("stackcontainer", &KIVQStackContainer::createKIVQStackContainer);
    kivRegisterQtControl("qtdedit", &KIVQLineEdit::createKIVQLineEdit, KIVQLineEdit::getProps(), true);
    kivRegisterDefaultControl("dedit", &KIVQLineEdit::createKIVQLineEdit);
    kivRegisterQtControl("qtscrollview", &KIVQScrollView::createKIVQScrollView, KIVQScrollView::getProps(), true);
    kivRegisterDefaultControl("scrollview", &KIVQScrollView::createKIVQScrollView);
    kivRegisterQtControl("qtpicture", &KIVQImage::createKIVQImage, KIVQImage::getProps(), true);
    kivRegisterDefaultControl("picture", &KIVQImage::createKIVQImage);
    kivRegisterDefaultControl("image", &KIVQImage::createKIVQImage);
    kivRegisterQtControl("qtcheckbox", &KIVQCheckBox::createKIVQCheckBox, KIVQCheckBox::getProps(), true);
    kivRegisterDefaultControl("checkbox", &KIVQCheckBox::createKIVQCheckBox);
}

} // namespace KIVQtLib
