#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQWindowDesignerImpl;

// The root of a window under design. It always covers its parent exactly, passes size changes on to
// its controls, receives theme and language changes as a designer window, and carries in "attr"."theme"
// the theme the designed window uses, loading it when read. Made in code only, never by type name.
class KIVQTLIB_EXPORT KIVQWindowDesigner : public KIVQControlBase<KIVQWindowDesigner, QWidget, KIVQWindowDesignerImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    friend class KIVQControlBase<KIVQWindowDesigner, QWidget, KIVQWindowDesignerImpl>;

public:
    explicit KIVQWindowDesigner(QWidget* parent);
    ~KIVQWindowDesigner() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Q_DISABLE_COPY(KIVQWindowDesigner)
    static const char* typeName() { return "qtwindow"; }
    void coverParent();
};

} // namespace KIVQtLib
