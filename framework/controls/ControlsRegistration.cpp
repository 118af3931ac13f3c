#include "KIVQScrollBar.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Basic, input, scrolling and paging controls register here as they land.
void registerBasicControls()
{
    kivRegisterQtControl("qtscrollbar", &KIVQScrollBar::createKIVQScrollBar, KIVQScrollBar::getProps(), true);
    kivRegisterDefaultControl("scrollbar", &KIVQScrollBar::createKIVQScrollBar);
}

} // namespace KIVQtLib
