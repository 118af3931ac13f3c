#pragma once

#include "EditLook.h"
#include "core/KIVQWidgetBaseImpl.h"

#include <QMargins>

namespace KIVQtLib {

class AttrIO;
class KIVQTextEdit;

// The text edit's look and JSON.
class KIVQTLIB_EXPORT KIVQTextEditImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQTextEditImpl(KIVQTextEdit* owner, const QString& typeName);

    // Paints over the viewport's rectangle: the text edit paints its document on top.
    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;
    // A focused edit keeps its state under the pointer.
    void onMouseEnter() override;
    void onMouseLeave() override;
    // Presses and releases belong to the text: the state follows focus.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}

    // Sets the state, applies its text style and repaints at once.
    void enterState(CtrlState state);
    void applyTextStyle();

    EditLook look;
    // Kept here, not as the widget's contents margins: the frame of a scroll area owns those and
    // resets them whenever it is polished or shown.
    QMargins margins;

private:
    void ioMargins(AttrIO& attr);

    KIVQTextEdit* m_edit;
};

} // namespace KIVQtLib
