#pragma once

#include "KIVQRibbonBar.h"

#include "core/ControlJson.h"

namespace KIVQtLib {

// The bar's look as numbered style slots (the numbers are the "style" codes of its JSON) and its
// control JSON. The slots serve the whole ribbon: groups, galleries and every ribbon button.
class KIVQRibbonBarImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    enum Slot
    {
        BarFill = 0,
        PageAreaFill = 1,
        GroupFill = 2,
        TabFills = 4,
        ButtonFills = 8,
        TabText = 12,
        GroupTitleText = 13,
        ButtonText = 14,
        ButtonTextAlias = 15,
        RowFill = 16,
        SpareFill = 17,
        GalleryFill = 18
    };

    KIVQRibbonBarImpl(KIVQRibbonBar* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onLanguageChanged() override;

    FillStyle barFill;
    FillStyle pageAreaFill;
    FillStyle groupFill;
    StateStyles<FillStyle> tabFills;
    StateStyles<FillStyle> buttonFills;
    TextStyleDesc tabText;
    TextStyleDesc groupTitleText;
    TextStyleDesc buttonText;
    FillStyle rowFill;
    FillStyle spareFill;
    FillStyle galleryFill;

private:
    void serializeStyles(ControlJson& io);
    void readAttr(ControlJson& io);
    void writeAttr(ControlJson& io);

    KIVQRibbonBar* m_bar;
};

} // namespace KIVQtLib
