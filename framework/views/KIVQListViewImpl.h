#pragma once

#include "KIVQListView.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QMap>
#include <QPointer>
#include <QVector>

namespace KIVQtLib {

class KIVQContainer;

// The list view's look, template, callbacks, JSON and what each row's last paint left behind.
class KIVQTLIB_EXPORT KIVQListViewImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    // Where a template control was painted in a row, in viewport coordinates, in painting order.
    struct PlacedControl
    {
        QPointer<QWidget> control;
        QRect rect;
    };

    KIVQListViewImpl(KIVQListView* owner, const QString& typeName);

    // Adopts the first container among the view's children as the template.
    void onCreateComplete() override;
    void serializeJson(ControlJson& io) override;
    // The view handles the mouse; its own state is not painted.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}
    void onMouseEnter() override {}
    void onMouseLeave() override {}

    void adoptTemplate(QWidget* itemTemplate);
    KIVQContainer* templateContainer() const;
    KIVQListView* view() const { return m_view; }

    bool enableSelection = false;
    int itemHeight = 20;
    int itemWidth = 20;
    QPointer<QWidget> itemTemplate;
    FillStyle background;
    StateStyles<FillStyle> itemBackgrounds;
    KIVQListView::ItemForSizeCallBack itemForSize = nullptr;
    KIVQListView::ItemDisplayCallBack itemDisplay = nullptr;
    KIVQListView::LabelExCallBack labelCallBack = nullptr;
    QMap<int, QVector<PlacedControl>> rowControls;
    // The selectable item label's HTML per row, as first painted; hit tests of a row run on it.
    QMap<int, QString> rowHtml;

private:
    void readStyles(const Json::Value& element, bool fromTheme);
    void writeStyles(Json::Value& element) const;

    KIVQListView* m_view;
};

} // namespace KIVQtLib
