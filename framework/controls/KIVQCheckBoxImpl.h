#pragma once

#include "CaptionBinding.h"
#include "CheckBoxLook.h"
#include "core/KIVQWidgetBaseImpl.h"

namespace KIVQtLib {

class KIVQCheckBox;

// The check box's look, caption binding and JSON.
class KIVQTLIB_EXPORT KIVQCheckBoxImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQCheckBoxImpl(KIVQCheckBox* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override;
    void serializeJson(ControlJson& io) override;

    CheckBoxLook look;
    CaptionBinding caption;

private:
    KIVQCheckBox* m_box;
};

} // namespace KIVQtLib
