#pragma once

#include "KIVQWindowImpl.h"

#include <QDialog>
#include <QSize>

namespace KIVQtLib {

class KIVQMDIArea;

// The framework's top-level window: frameless dragging and resizing, a background, a modal run, and
// registration with the resource manager so that theme and language changes reach its controls.
class KIVQTLIB_EXPORT KIVQWindow : public QDialog
{
    Q_OBJECT
    KIVQ_FRAMELESS_WINDOW
public:
    explicit KIVQWindow(QWidget* parent = nullptr);
    ~KIVQWindow() override;

    static const char* typeName() { return KIVQWindowImpl::typeNameOf(KIVQWindowImpl::Window); }

    void setMinSize(int width, int height);
    QSize getMinSize() const;
    void setMDIArea(KIVQMDIArea* area);
    KIVQMDIArea* getMDIArea() const;

    // Shows the window application-modal and returns once closeModal() is called or the window is
    // closed or hidden. Callers read any result from their own state.
    void doModal();
    void closeModal();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(KIVQWindow)
};

} // namespace KIVQtLib
