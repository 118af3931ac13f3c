#pragma once

#include "KIVQEditImplBase.h"

#include <QMargins>

namespace KIVQtLib {

class AttrIO;
class KIVQTextEdit;

// The text edit's margins and JSON. It paints over the viewport; the edit draws its document on top.
class KIVQTLIB_EXPORT KIVQTextEditImpl : public KIVQEditImplBase
{
    Q_OBJECT
public:
    KIVQTextEditImpl(KIVQTextEdit* owner, const QString& typeName);

    void serializeJson(ControlJson& io) override;

    // Kept here, not as the widget's contents margins: the frame of a scroll area owns those and
    // resets them whenever it is polished or shown.
    QMargins margins;

protected:
    QMargins placeholderMargins() const override { return margins; }
    bool isEmpty() const override;

private:
    void ioMargins(AttrIO& attr);

    KIVQTextEdit* m_edit;
};

} // namespace KIVQtLib
