#include "KIVQLabel.h"
#include "KIVQPushButton.h"
#include "KIVQScrollBar.h"
#include "KIVQGroupBox.h"
#include "KIVQLCDNumber.h"
#include "KIVQLabelEx.h"
#include "KIVQProgressBar.h"
#include "KIVQSlider.h"
#include "KIVQSpacer.h"
#include "KIVQSplitter.h"
#include "KIVQTabWidget.h"
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
    kivRegisterQtControl("qtslider", &KIVQSlider::createKIVQSlider, KIVQSlider::getProps(), true);
    kivRegisterDefaultControl("slider", &KIVQSlider::createKIVQSlider);
    kivRegisterQtControl("qttab", &KIVQTabWidget::createKIVQTabWidget, KIVQTabWidget::getProps(), true);
    kivRegisterDefaultControl("tab", &KIVQTabWidget::createKIVQTabWidget);
    kivRegisterQtControl("qtprogressbar", &KIVQProgressBar::createKIVQProgressBar, KIVQProgressBar::getProps(), true);
    kivRegisterDefaultControl("progressbar", &KIVQProgressBar::createKIVQProgressBar);
    kivRegisterQtControl("qtgroupbox", &KIVQGroupBox::createKIVQGroupBox, KIVQGroupBox::getProps(), true);
    kivRegisterDefaultControl("groupbox", &KIVQGroupBox::createKIVQGroupBox);
    kivRegisterQtControl("qtlcdnumber", &KIVQLCDNumber::createKIVQLCDNumber, KIVQLCDNumber::getProps(), true);
    kivRegisterDefaultControl("qtlabelex", &KIVQLabelEx::createKIVQLabelEx);
    kivRegisterDefaultControl("qtsplitter", &KIVQSplitter::createKIVQSplitter);
    kivRegisterDefaultControl("splitter", &KIVQSplitter::createKIVQSplitter);
}

} // namespace KIVQtLib
