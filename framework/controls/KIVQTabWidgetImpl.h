#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QVariant>
#include <QVector>

namespace KIVQtLib {

class KIVQTabWidget;

struct KIVQTabItem
{
    QString icon;
    QString selectedIcon;
    QString text;
    QVariant data;
};

// The tab strip's tabs, geometry, look and JSON.
class KIVQTLIB_EXPORT KIVQTabWidgetImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQTabWidgetImpl(KIVQTabWidget* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;

    QRect tabRect(int index) const;
    int tabAt(const QPoint& pos) const;

    bool hasIcon = true;
    bool showText = true;
    int selectedIndex = 0;
    int hotIndex = -1;
    int itemSpace = 0;
    int vertical = 0;
    int itemSize = 50;
    QVector<KIVQTabItem> tabs;
    FillStyle background;
    StateStyles<FillStyle> itemBackgrounds;
    StateStyles<TextStyleDesc> itemTextStyles;
    IconStyleDesc iconStyle;

private:
    KIVQTabWidget* m_tabs;
};

} // namespace KIVQtLib
