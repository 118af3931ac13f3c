#pragma once

#include "controls/ScrollBarStyling.h"
#include "core/KIVQControl.h"

#include <QListView>

#include <memory>

namespace KIVQtLib {

class KIVQLabelEx;
class KIVQListViewImpl;
class KIVQListViewItemDelegate;
class KIVQScrollBar;

// A list whose rows are painted from a template: a hidden container of framework controls that the
// application fills per row through a display callback. A press on a template control is reported with
// pressCtrl; item labels (KIVQLabelEx) allow text selection with the mouse, also across rows.
class KIVQTLIB_EXPORT KIVQListView : public KIVQControlBase<KIVQListView, QListView, KIVQListViewImpl>,
                                     public ScrollBarStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    using ItemForSizeCallBack = QSize (*)(const KIVQListView*, const QStyleOptionViewItem&, const QModelIndex&);
    using ItemDisplayCallBack = void (*)(const KIVQListView*, const QWidget* itemTemplate, const QModelIndex&);
    using LabelExCallBack = void (*)(const KIVQListView*, KIVQLabelEx*, const QModelIndex&);

    explicit KIVQListView(QWidget* parent = nullptr);
    ~KIVQListView() override;

    static const char* typeName() { return "qtlistview"; }
    static QWidget* createKIVQListView() { return new KIVQListView; }
    static ControlInfo getProps();

    // The template is hidden and kept as it is; the view does not take ownership. Null is ignored.
    void setItemTemplate(QWidget* itemTemplate);
    QWidget* getitemTemplate() const;

    // 0 (or less) means 20.
    void setItemHeight(int height);
    int getItemHeight() const;
    // The item width in icon mode; 0 (or less) means 20.
    void setItemWidth(int width);
    int getItemWidth() const;
    void setEnableSelection(bool on);
    bool getEnableSelection() const;

    // The state selects nothing: the view has one background.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;
    // The template's fill per row state: 0 normal, 1 hovered, 2 selected; 4 sets all four.
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;

    void setItemForSizeCallBack(ItemForSizeCallBack callBack);
    ItemForSizeCallBack getItemForSizeCallBack() const;
    void setItemDisplayCallBack(ItemDisplayCallBack callBack);
    ItemDisplayCallBack getItemDisplayCallBack() const;
    // Kept for the application; the view never calls it.
    void setLabelExCallBack(LabelExCallBack callBack);
    LabelExCallBack getLabelExCallBack() const;

    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

    // Forgets the text selection; the next paint shows none.
    void clearHighLight();
    // A model of 20 empty rows, owned by the view.
    void initDemoData();

    void setModel(QAbstractItemModel* model) override;

    // Only the vertical bar's thickness counts; it styles both bars. With hor true nothing changes.
    void setScrollbarSize(bool hor, int size) override;
    KIVQScrollBar* scrollBar(bool hor) const;

Q_SIGNALS:
    void pressCtrl(QWidget* pWidget, const QModelIndex& index);

protected:
    // The rows, not the Impl: a scroll area's paint events are its viewport's.
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    KIVQScrollBar* styledScrollBar(bool hor) const override;

private:
    friend class KIVQListViewImpl;
    void dropCapturedRows();

    KIVQScrollBar* m_horizontalBar;
    KIVQScrollBar* m_verticalBar;
    std::unique_ptr<KIVQListViewItemDelegate> m_delegate;
};

} // namespace KIVQtLib
