#pragma once

#include "KIVQItemRows.h"
#include "core/KIVQControl.h"

#include <QPointer>
#include <QTreeView>

#include <memory>

namespace KIVQtLib {

class KIVQTreeViewImpl;
class KIVQTreeViewItemDelegate;

// A tree without a visible header, painted from theme styles: a background behind the rows, a per-state
// cell fill and text style (selection wins over hover) and an optional icon at each cell's left. Whole
// rows are selected one at a time; a double click expands a branch. The model is the application's.
class KIVQTLIB_EXPORT KIVQTreeView : public KIVQControlBase<KIVQTreeView, QTreeView, KIVQTreeViewImpl>,
                                     public KIVQItemRows
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQTreeView(QWidget* parent = nullptr);
    ~KIVQTreeView() override;

    static const char* typeName() { return "qttree"; }
    static QWidget* createKIVQTreeView() { return new KIVQTreeView; }
    static ControlInfo getProps();

    // Kept for the header, which stays hidden.
    void setHeaderBgStyle(CtrlState state, const FillStyle& fill);
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style);

    // The sample model, in emulator mode only.
    void initDemoData();

    // Stored only.
    void setScrollbarBtnSize(bool hor, int size) override;
    // Both bars get the one thickness; the bool selects nothing.
    void setScrollbarSize(bool hor, int size) override;

protected:
    // The rows, not the Impl: a scroll area's paint events are its viewport's, whose filter and own
    // painting give the background.
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<KIVQTreeViewItemDelegate> m_delegate;
};

// Fills the tree's background over its own rectangle.
class KIVQTLIB_EXPORT KIVQTreeConerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit KIVQTreeConerWidget(QWidget* parent = nullptr);
    ~KIVQTreeConerWidget() override;
    void setImpl(KIVQTreeViewImpl* impl);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<KIVQTreeViewImpl> m_impl;
};

// The tree's viewport, filled like the corner.
class KIVQTLIB_EXPORT KIVQTreeViewport : public KIVQTreeConerWidget
{
    Q_OBJECT
public:
    using KIVQTreeConerWidget::KIVQTreeConerWidget;
};

} // namespace KIVQtLib
