#include "KIVQSubWin.h"

#include <QMouseEvent>

namespace KIVQtLib {

KIVQSubWin::KIVQSubWin(QWidget* parent)
    : QWidget(parent, Qt::WindowFlags()), m_impl(new KIVQWindowImpl(this, KIVQWindowImpl::SubWindow))
{
    setMouseTracking(true);
}

KIVQSubWin::~KIVQSubWin() = default;

KIVQ_FRAMELESS_WINDOW_DEFINE(KIVQSubWin, QWidget)

} // namespace KIVQtLib
