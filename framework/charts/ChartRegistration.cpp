#include "ChartRegistration.h"

namespace KIVQtLib {

void kivRegisterChartControls()
{
    // Each chart kind adds its kivRegisterQtControl call here as it lands.
}

} // namespace KIVQtLib
