#include "KIVQMDIArea.h"

namespace KIVQtLib {

KIVQMDIArea::KIVQMDIArea() : QWidget(nullptr, Qt::WindowFlags()) {}

} // namespace KIVQtLib
