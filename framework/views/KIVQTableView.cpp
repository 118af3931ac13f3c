#include "KIVQTableView.h"

#include "KIVQCellControls.h"
#include "KIVQTableHeader.h"
#include "KIVQTableViewImpl.h"
#include "KIVQTableViewitemDelegate.h"
#include "KIVQViewportFill.h"
#include "controls/KIVQScrollBar.h"
#include "core/layout/KIVQContainer.h"

#include <QItemSelectionModel>
#include <QPainter>

#include <set>

namespace KIVQtLib {

namespace {

// The table's thickness sheet sizes the vertical bar's buttons by the stored button size.
QString tableThicknessSheet(int size, int buttonSize)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
                          "QScrollBar::add-line:vertical{ width:%3px;width:%3px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(size)
        .arg(size)
        .arg(buttonSize);
}

} // namespace

KIVQTableView::KIVQTableView(QWidget* parent) : KIVQControlBase(parent)
{
    // Header, delegate and viewport hold the Impl, so it is made first and attached at the end.
    auto* d = new KIVQTableViewImpl(this, QString::fromLatin1(typeName()));
    m_delegate.reset(new KIVQTableViewitemDelegate(d));
    setItemDelegate(m_delegate.get());

    installOwnScrollBars(this);
    m_horizontalHeader = new KIVQTableHeader(d, Qt::Horizontal, this);
    m_verticalHeader = new KIVQTableHeader(d, Qt::Vertical, this);
    setHorizontalHeader(m_horizontalHeader);
    setVerticalHeader(m_verticalHeader);
    m_verticalHeader->hide();
    setShowGrid(false);

    m_corner = new KIVQConerWidget(d, this);
    setCornerWidget(m_corner);
    m_viewport = new KIVQViewport(d, this);
    setViewport(m_viewport);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(QFrame::NoFrame);
    m_viewport->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    QPointer<KIVQTableViewImpl> guarded(d);
    KIVQViewportFill::install(m_viewport, [guarded]() { return guarded ? &guarded->background : nullptr; });
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    attachImpl(d);
}

KIVQTableView::~KIVQTableView()
{
    // The delegate goes with the table; the view must not keep pointing at it meanwhile.
    setItemDelegate(nullptr);
}

KIVQTableHeader* KIVQTableView::tableHeader(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_horizontalHeader : m_verticalHeader;
}

void KIVQTableView::setItemBackground(CtrlState state, const FillStyle& fill)
{
    impl()->itemBackgrounds.set(state, fill);
}

const FillStyle& KIVQTableView::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQTableView::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->itemTextStyles.set(state, style);
}

const TextStyleDesc& KIVQTableView::getItemTextStyle(CtrlState state) const
{
    return impl()->itemTextStyles.get(state);
}

void KIVQTableView::setHeaderBackground(CtrlState state, const FillStyle& fill)
{
    impl()->headerBackgrounds.set(state, fill);
}

const FillStyle& KIVQTableView::getHeaderBackground(CtrlState state) const
{
    return impl()->headerBackgrounds.get(state);
}

void KIVQTableView::setHeaderTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->headerTextStyles.set(state, style);
}

const TextStyleDesc& KIVQTableView::getHeaderTextStyle(CtrlState state) const
{
    return impl()->headerTextStyles.get(state);
}

void KIVQTableView::setBackground(CommonCtrlState, const FillStyle& fill)
{
    impl()->background = fill;
}

const FillStyle& KIVQTableView::getBackground(CommonCtrlState) const
{
    return impl()->background;
}

void KIVQTableView::setItemHeight(int height)
{
    if (height <= 0)
        return;
    impl()->itemHeight = height;
    m_verticalHeader->setDefaultSectionSize(height);
}

int KIVQTableView::getItemHeight() const
{
    return impl()->itemHeight;
}

void KIVQTableView::setCheckstyle(bool on)
{
    impl()->checkStyle = on;
}

bool KIVQTableView::getCheckstyle() const
{
    return impl()->checkStyle;
}

void KIVQTableView::setCheckBoxImage(bool checked, const QString& path)
{
    impl()->setCheckImage(checked, path);
}

QString KIVQTableView::getCheckBoxImage(bool checked) const
{
    return checked ? impl()->checkedImage : impl()->uncheckedImage;
}

void KIVQTableView::setCheckedImage(const QString& path)
{
    impl()->checkedImage = path;
}

QString KIVQTableView::getCheckedImage() const
{
    return impl()->checkedImage;
}

void KIVQTableView::setUncheckedImage(const QString& path)
{
    impl()->uncheckedImage = path;
}

QString KIVQTableView::getUncheckedImage() const
{
    return impl()->uncheckedImage;
}

bool KIVQTableView::isHeaderChecked() const
{
    return impl()->headerChecked;
}

QList<int> KIVQTableView::selectedRows() const
{
    std::set<int> rows;
    if (const QItemSelectionModel* selection = selectionModel()) {
        for (const QModelIndex& index : selection->selectedIndexes())
            rows.insert(index.row());
    }
    return QList<int>(rows.begin(), rows.end());
}

void KIVQTableView::setColumnWidget(int column, KIVQContainer* container)
{
    if (!container) {
        impl()->columnWidgets.erase(column);
    } else {
        container->setVisible(false);
        impl()->columnWidgets[column] = container;
    }
    viewport()->update();
}

KIVQContainer* KIVQTableView::getColumnWidget(int column) const
{
    return impl()->columnWidget(column);
}

KIVQScrollBar* KIVQTableView::scrollBar(bool hor) const
{
    return styledScrollBar(hor);
}

void KIVQTableView::setScrollbarBtnSize(bool, int size)
{
    impl()->scrollbarBtnSize = size;
}

void KIVQTableView::setScrollbarSize(bool, int size)
{
    impl()->scrollbarSize = size;
    const QString sheet = tableThicknessSheet(size, impl()->scrollbarBtnSize);
    setScrollBarSheets(sheet);
}

void KIVQTableView::initDemoData()
{
    impl()->onCreateComplete();
}

bool KIVQTableView::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQTableView::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

void KIVQTableView::headerChecked(bool check)
{
    Q_EMIT headerCheckedChanged(check);
}

void KIVQTableView::paintEvent(QPaintEvent* event)
{
    const KIVQCellControls::PaintCursor cursor;
    QTableView::paintEvent(event);
}

// Qt measures the header's sections in a bold font on every model change; a hidden table would load that
// font and shape every title for nothing, so it lays out its header and bars once, as it is shown.
void KIVQTableView::updateGeometries()
{
    if (!isVisible()) {
        m_geometriesPending = true;
        return;
    }
    m_geometriesPending = false;
    KIVQControlBase::updateGeometries();
}

bool KIVQTableView::event(QEvent* event)
{
    // Before the view's own show handling, which scrolls to the current row within these geometries.
    if (event->type() == QEvent::Show && m_geometriesPending)
        updateGeometries();
    return KIVQControlBase::event(event);
}

void KIVQTableView::leaveEvent(QEvent* event)
{
    KIVQControlBase::leaveEvent(event);
    if (impl() && impl()->hoveredRow != -1) {
        impl()->hoveredRow = -1;
        viewport()->update();
    }
}

ControlInfo KIVQTableView::getProps()
{
    using T = KIVQTableView;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQTableView", "TableView", "Control TableView", "datagrid");
    auto& rows = info.properties;
    rows.push_back(props::fill<T>(
        QStringLiteral("Background"),
        [](T* t, CtrlState s, const FillStyle& f) { t->setBackground(CommonCtrlState(s), f); },
        [](T* t, CtrlState s) { return t->getBackground(CommonCtrlState(s)); }, 2));
    rows.push_back(props::fill<T>(QStringLiteral("ItemBg"), &T::setItemBackground, &T::getItemBackground));
    rows.push_back(props::textStyle<T>(QStringLiteral("TextStyle"), &T::setItemTextStyle, &T::getItemTextStyle));
    rows.push_back(props::fill<T>(QStringLiteral("HeadItemBg"), &T::setHeaderBackground, &T::getHeaderBackground));
    rows.push_back(
        props::textStyle<T>(QStringLiteral("HeadTextStyle"), &T::setHeaderTextStyle, &T::getHeaderTextStyle));
    rows.push_back(props::integer<T>(QStringLiteral("ItemHeight"), &T::setItemHeight, &T::getItemHeight));
    rows.push_back(props::onOff<T>(QStringLiteral("CheckStyle"), &T::setCheckstyle, &T::getCheckstyle));
    rows.push_back(props::text<T>(QStringLiteral("CheckedImage"), PropertyDef::ImageName, &T::setCheckedImage,
                                  &T::getCheckedImage));
    rows.push_back(props::text<T>(QStringLiteral("UncheckedImage"), PropertyDef::ImageName, &T::setUncheckedImage,
                                  &T::getUncheckedImage));
    return info;
}

KIVQConerWidget::KIVQConerWidget(KIVQTableViewImpl* impl, QWidget* parent) : QWidget(parent), m_impl(impl) {}

void KIVQConerWidget::paintEvent(QPaintEvent*)
{
    if (!m_impl)
        return;
    QPainter painter(this);
    KIVQPaintHelpers::paintFillStyle(&painter, m_impl->background, rect());
}

} // namespace KIVQtLib
