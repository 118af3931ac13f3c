#pragma once

#include "KIVQWindowImpl.h"

#include <QWidget>

namespace KIVQtLib {

// A frameless area inside another widget that drags and resizes like a window. It does not register
// with the resource manager; theme and language changes reach it through its top-level window.
class KIVQTLIB_EXPORT KIVQSubWin : public QWidget
{
    Q_OBJECT
    KIVQ_FRAMELESS_WINDOW
public:
    explicit KIVQSubWin(QWidget* parent = nullptr);
    ~KIVQSubWin() override;

    static const char* typeName() { return KIVQWindowImpl::typeNameOf(KIVQWindowImpl::SubWindow); }

private:
    Q_DISABLE_COPY(KIVQSubWin)
};

} // namespace KIVQtLib
