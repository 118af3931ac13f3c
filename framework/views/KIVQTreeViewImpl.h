#pragma once

#include "KIVQItemRows.h"

namespace KIVQtLib {

class KIVQTreeView;

// The tree's look, row height, sample model and JSON; the delegate, corner and viewport paint from it.
class KIVQTLIB_EXPORT KIVQTreeViewImpl : public KIVQItemRowsImpl
{
    Q_OBJECT
public:
    KIVQTreeViewImpl(KIVQTreeView* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;

    int scrollbarSize = 23;
    int scrollbarBtnSize = 23;
    StateStyles<FillStyle> headerBackgrounds;
    StateStyles<TextStyleDesc> headerTextStyles;

private:
    KIVQTreeView* m_tree;
};

} // namespace KIVQtLib
