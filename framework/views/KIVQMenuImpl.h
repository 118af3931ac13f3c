#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

class KIVQMenu;

// The menu's look and hover index.
class KIVQTLIB_EXPORT KIVQMenuImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQMenuImpl(KIVQMenu* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    // The QMenu handles the mouse; the menu keeps no state of its own for it.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}
    void onMouseEnter() override {}
    void onMouseLeave() override {}

    // A member of a menu document that must be a string; anything else counts as missing.
    static bool readString(const Json::Value& object, const char* key, QString& out);
    // The style keys of a menu document: only when "background" is there.
    void readStyles(const Json::Value& root);
    // What a sub-menu takes from its parent: everything but the icon column.
    void copyStylesTo(KIVQMenuImpl& other) const;
    // The room an item needs for its text in the item text styles, icon column and arrow included.
    int textColumnWidth() const;

    StateStyles<FillStyle> itemStyles;
    StateStyles<TextStyleDesc> itemTextStyles;
    FillStyle background;
    int iconOffset = 0;
    int hoveredIndex = -1;

private:
    KIVQMenu* m_menu;
};

} // namespace KIVQtLib
