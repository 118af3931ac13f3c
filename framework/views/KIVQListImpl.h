#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

class KIVQList;

// The list's look, row height, sample rows and JSON; the delegate paints from it.
class KIVQTLIB_EXPORT KIVQListImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQListImpl(KIVQList* owner, const QString& typeName);

    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;
    int rowHeight() const { return itemHeight == 0 ? 20 : itemHeight; }

    int itemHeight = 20;
    FillStyle background;
    StateStyles<FillStyle> itemBackgrounds;
    StateStyles<TextStyleDesc> itemTextStyles;

private:
    KIVQList* m_list;
};

} // namespace KIVQtLib
