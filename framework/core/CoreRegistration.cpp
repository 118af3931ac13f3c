#include "KIVQtLib.h"
#include "designer/KIVQCanvas.h"
#include "designer/KIVQCanvasWindow.h"
#include "layout/KIVQContainer.h"

namespace KIVQtLib {

// The container, the designer's canvas and its page window; the window designer is made in code only.
void registerCoreControls()
{
    kivRegisterControl<KIVQContainer>({"container"}, true);
    // The page window is a plain widget, not a control; the canvas has no designer description.
    kivRegisterQtControl(KIVQCanvasWindow::typeName(), &KIVQCanvasWindow::createCanvas, KIVQCanvasWindow::getProps(),
                         true);
    kivRegisterDefaultControl(KIVQCanvas::typeName(), &KIVQCanvas::createKIVQCanvas);
}

} // namespace KIVQtLib
