#pragma once

namespace KIVQtLib {

// Enters the chart controls into the control registry; init() does not know them. Internal to the
// program, so not exported.
void kivRegisterChartControls();

} // namespace KIVQtLib
