#include "KIVQView.h"

namespace KIVQtLib {

KIVQView::KIVQView() : QWidget(nullptr, Qt::WindowFlags()) {}

} // namespace KIVQtLib
