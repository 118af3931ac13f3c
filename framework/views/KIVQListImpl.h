#pragma once

#include "KIVQItemRows.h"

namespace KIVQtLib {

class KIVQList;

// The list's look, row height, sample rows and JSON; the delegate paints from it.
class KIVQTLIB_EXPORT KIVQListImpl : public KIVQItemRowsImpl
{
    Q_OBJECT
public:
    KIVQListImpl(KIVQList* owner, const QString& typeName);

    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;

private:
    KIVQList* m_list;
};

} // namespace KIVQtLib
