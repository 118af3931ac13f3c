#pragma once

#include "controls/ScrollBarStyling.h"
#include "core/KIVQControl.h"

#include <QList>
#include <QPointer>
#include <QTableView>

namespace KIVQtLib {

class KIVQConerWidget;
class KIVQContainer;
class KIVQScrollBar;
class KIVQTableHeader;
class KIVQTableViewImpl;
class KIVQTableViewitemDelegate;
class KIVQViewport;

// A table painted from theme styles: background, header, per-state cells with icons, an optional check
// column with a check box in the header, hover highlighting of the row under the mouse, and column
// widgets (a container drawn as a template in every cell of its column; a click on one of its controls
// is reported by name). Model, selection and column sizes are the plain QTableView interface.
class KIVQTLIB_EXPORT KIVQTableView : public KIVQControlBase<KIVQTableView, QTableView, KIVQTableViewImpl>,
                                      public ScrollBarStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQTableView(QWidget* parent = nullptr);
    ~KIVQTableView() override;

    static const char* typeName() { return "qtdatagrid"; }
    static QWidget* createKIVQTableView() { return new KIVQTableView; }
    static ControlInfo getProps();

    // Per-state styles: 0..3, or 4 for all states; other states are ignored, getters clamp. No repaint.
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    void setHeaderBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getHeaderBackground(CtrlState state) const;
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getHeaderTextStyle(CtrlState state) const;
    // The state selects nothing: the table has one background.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;

    // Ignored unless positive; also the rows' default height.
    void setItemHeight(int height);
    int getItemHeight() const;

    void setCheckstyle(bool on);
    bool getCheckstyle() const;
    // The check image of one state; a known image also sets the check area's size.
    void setCheckBoxImage(bool checked, const QString& path);
    QString getCheckBoxImage(bool checked) const;
    // The stored paths only: no size, no painter update.
    void setCheckedImage(const QString& path);
    QString getCheckedImage() const;
    void setUncheckedImage(const QString& path);
    QString getUncheckedImage() const;
    bool isHeaderChecked() const;

    // Each row with at least one selected index, once, in ascending order.
    QList<int> selectedRows() const;

    // The container is hidden and drawn in every cell of the column; the table does not own it. Null
    // removes the column's entry; a container destroyed elsewhere counts as none.
    void setColumnWidget(int column, KIVQContainer* container);
    KIVQContainer* getColumnWidget(int column) const;

    // Both bars share one button size and one thickness (the bool selects nothing); the button size
    // shows at the next setScrollbarSize, which writes the one style sheet of both bars.
    void setScrollbarBtnSize(bool hor, int size) override;
    void setScrollbarSize(bool hor, int size) override;
    // Null while a caller's plain QScrollBar is installed.
    KIVQScrollBar* scrollBar(bool hor) const;

    void initDemoData();
    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);

    KIVQTableHeader* tableHeader(Qt::Orientation orientation) const;

Q_SIGNALS:
    void headerCheckedChanged(bool check);
    void customControlClicked(int row, const QString& name);

protected:
    void headerChecked(bool check);
    // The cells, not the Impl: a scroll area's paint events are its viewport's.
    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void updateGeometries() override;

private:
    friend class KIVQTableHeader;

    bool m_geometriesPending = false;

    KIVQTableHeader* m_horizontalHeader;
    KIVQTableHeader* m_verticalHeader;
    std::unique_ptr<KIVQTableViewitemDelegate> m_delegate;
    KIVQConerWidget* m_corner;
    KIVQViewport* m_viewport;
};

// Fills the table's background over its own rectangle.
class KIVQTLIB_EXPORT KIVQConerWidget : public QWidget
{
    Q_OBJECT
public:
    KIVQConerWidget(KIVQTableViewImpl* impl, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<KIVQTableViewImpl> m_impl;
};

// The table's viewport; the table paints its background under the cells.
class KIVQTLIB_EXPORT KIVQViewport : public KIVQConerWidget
{
    Q_OBJECT
public:
    using KIVQConerWidget::KIVQConerWidget;
};

} // namespace KIVQtLib
