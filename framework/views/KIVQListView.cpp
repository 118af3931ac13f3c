#include "KIVQListView.h"

#include "KIVQCellControls.h"
#include "KIVQListViewImpl.h"
#include "KIVQListViewItemDelegate.h"
#include "KIVQViewportFill.h"
#include "controls/KIVQScrollBar.h"

#include <QStandardItemModel>

namespace KIVQtLib {

KIVQListView::KIVQListView(QWidget* parent) : KIVQControlBase(parent)
{
    // The delegate holds the Impl, so it is made first and attached at the end.
    auto* d = new KIVQListViewImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQListViewItemDelegate(d));
    setItemDelegate(m_delegate.get());

    installOwnScrollBars(this);

    setFrameStyle(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::NoRole);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    QPointer<KIVQListViewImpl> guarded(d);
    KIVQViewportFill::install(viewport(), [guarded]() { return guarded ? &guarded->background : nullptr; });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSpacing(1);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    attachImpl(d);
}

KIVQListView::~KIVQListView()
{
    // The delegate goes with the view; the view must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

void KIVQListView::setItemTemplate(QWidget* itemTemplate)
{
    if (itemTemplate)
        impl()->adoptTemplate(itemTemplate);
}

QWidget* KIVQListView::getitemTemplate() const
{
    return impl()->itemTemplate;
}

void KIVQListView::setItemHeight(int height)
{
    if (impl()->itemHeight == height)
        return;
    impl()->itemHeight = height;
    scheduleDelayedItemsLayout();
}

int KIVQListView::getItemHeight() const
{
    return impl()->itemHeight;
}

void KIVQListView::setItemWidth(int width)
{
    if (impl()->itemWidth == width)
        return;
    impl()->itemWidth = width;
    scheduleDelayedItemsLayout();
}

int KIVQListView::getItemWidth() const
{
    return impl()->itemWidth;
}

void KIVQListView::setEnableSelection(bool on)
{
    impl()->enableSelection = on;
}

bool KIVQListView::getEnableSelection() const
{
    return impl()->enableSelection;
}

void KIVQListView::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
    viewport()->update();
}

const FillStyle& KIVQListView::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQListView::setItemBackground(CtrlState state, const FillStyle& fill)
{
    if (impl()->itemBackgrounds.set(state, fill))
        viewport()->update();
}

const FillStyle& KIVQListView::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQListView::setItemForSizeCallBack(ItemForSizeCallBack callBack)
{
    impl()->itemForSize = callBack;
}

KIVQListView::ItemForSizeCallBack KIVQListView::getItemForSizeCallBack() const
{
    return impl()->itemForSize;
}

void KIVQListView::setItemDisplayCallBack(ItemDisplayCallBack callBack)
{
    impl()->itemDisplay = callBack;
}

KIVQListView::ItemDisplayCallBack KIVQListView::getItemDisplayCallBack() const
{
    return impl()->itemDisplay;
}

void KIVQListView::setLabelExCallBack(LabelExCallBack callBack)
{
    impl()->labelCallBack = callBack;
}

KIVQListView::LabelExCallBack KIVQListView::getLabelExCallBack() const
{
    return impl()->labelCallBack;
}

void KIVQListView::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

bool KIVQListView::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQListView::clearHighLight()
{
    m_delegate->clearHighLight();
}

void KIVQListView::initDemoData()
{
    setModel(new QStandardItemModel(20, 1, this));
}

void KIVQListView::setModel(QAbstractItemModel* newModel)
{
    if (newModel == model()) {
        QListView::setModel(newModel);
        return;
    }
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    QListView::setModel(newModel);
    dropCapturedRows();
    if (!newModel)
        return;
    // Rows keep what their last paint captured; a changed model makes that stale.
    const auto drop = [this] { dropCapturedRows(); };
    connect(newModel, &QAbstractItemModel::modelReset, this, drop);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, drop);
    connect(newModel, &QAbstractItemModel::rowsInserted, this, drop);
    connect(newModel, &QAbstractItemModel::rowsRemoved, this, drop);
    connect(newModel, &QAbstractItemModel::rowsMoved, this, drop);
    connect(newModel, &QAbstractItemModel::dataChanged, this, drop);
}

void KIVQListView::dropCapturedRows()
{
    if (!impl())
        return;
    impl()->rowControls.clear();
    impl()->rowHtml.clear();
}

void KIVQListView::setScrollbarSize(bool hor, int size)
{
    if (hor)
        return;
    const QString sheet =
        QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; }").arg(size).arg(size);
    setScrollBarSheets(sheet);
}

KIVQScrollBar* KIVQListView::scrollBar(bool hor) const
{
    return styledScrollBar(hor);
}

void KIVQListView::paintEvent(QPaintEvent* event)
{
    const KIVQCellControls::PaintCursor cursor;
    QListView::paintEvent(event);
}

void KIVQListView::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<QObject> alive(this);
    KIVQControlBase::mouseReleaseEvent(event);
    if (alive)
        m_delegate->endSelecting();
}

void KIVQListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    if (impl())
        impl()->rowControls.clear();
}

ControlInfo KIVQListView::getProps()
{
    using View = KIVQListView;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQListView", "ListView", "Control ListView", "templatelist");
    auto& rows = info.properties;
    rows.push_back(props::fill<View>(
        QStringLiteral("Background"),
        [](View* v, CtrlState s, const FillStyle& f) { v->setBackground(CommonCtrlState(s), f); },
        [](View* v, CtrlState s) { return v->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(
        props::fill<View>(QStringLiteral("ItemBackground"), &View::setItemBackground, &View::getItemBackground));
    rows.push_back(props::integer<View>(QStringLiteral("ItemHeight"), &View::setItemHeight, &View::getItemHeight));
    rows.push_back(props::integer<View>(QStringLiteral("ItemWidth"), &View::setItemWidth, &View::getItemWidth));
    // Shown but unbound: spacing and mode reach the view through "attr" only.
    rows.push_back(props::row(QStringLiteral("ItemSpace"), PropertyDef::Integer));
    PropertyDef mode = props::row(QStringLiteral("ItemMode"), PropertyDef::Choice);
    mode.options = QStringList{QStringLiteral("List"), QStringLiteral("Icon")};
    mode.optionValues = {0, 1};
    rows.push_back(mode);
    return info;
}

} // namespace KIVQtLib
