#include "KIVQDockFrame.h"

namespace KIVQtLib {

KIVQDockFrame::KIVQDockFrame() : QWidget(nullptr, Qt::WindowFlags()) {}

} // namespace KIVQtLib
