#include "KIVQContainer.h"
#include "KIVQtLib.h"
#include "designer/KIVQCanvas.h"
#include "designer/KIVQCanvasWindow.h"

namespace KIVQtLib {

// The container, the canvas and the designer window register here as they land.
void registerCoreControls()
{
    kivRegisterQtControl("qtcontainer", &KIVQContainer::createKIVQContainer, KIVQContainer::getProps(), true);
    kivRegisterDefaultControl("container", &KIVQContainer::createKIVQContainer);
    kivRegisterQtControl(KIVQCanvasWindow::typeName(), &KIVQCanvasWindow::createCanvas, KIVQCanvasWindow::getProps(),
                         true);
    kivRegisterDefaultControl(KIVQCanvas::typeName(), &KIVQCanvas::createKIVQCanvas);
}

} // namespace KIVQtLib
