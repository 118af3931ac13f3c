#include "KIVQContainer.h"
#include "KIVQtLib.h"

namespace KIVQtLib {

// The container, the canvas and the designer window register here as they land.
void registerCoreControls()
{
    kivRegisterQtControl("qtcontainer", &KIVQContainer::createKIVQContainer, KIVQContainer::getProps(), true);
    kivRegisterDefaultControl("container", &KIVQContainer::createKIVQContainer);
}

} // namespace KIVQtLib
