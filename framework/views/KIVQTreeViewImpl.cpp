#include "KIVQTreeViewImpl.h"

#include "KIVQTreeView.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <QStandardItemModel>

namespace KIVQtLib {

namespace {

// "style" codes as the list's; the header styles have none.
constexpr int kBackgroundCode = 0;
constexpr int kItemFillCode = 2;
constexpr int kItemTextCode = 6;
constexpr int kDefaultHeight = 20;
constexpr int kSampleRows = 100;

} // namespace

KIVQTreeViewImpl::KIVQTreeViewImpl(KIVQTreeView* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_tree(owner)
{
}

void KIVQTreeViewImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

void KIVQTreeViewImpl::onCreateComplete()
{
    if (!kivIsQtEmulator())
        return;
    auto* model = new QStandardItemModel(m_tree);
    for (int r = 0; r < kSampleRows; ++r) {
        auto* item = new QStandardItem(QStringLiteral("item1"));
        item->setCheckable(true);
        item->appendRow({new QStandardItem(QStringLiteral("item2")), new QStandardItem(QStringLiteral("item3"))});
        model->appendRow(item);
    }
    QAbstractItemModel* old = m_tree->model();
    m_tree->setModel(model);
    if (old && old->parent() == m_tree)
        old->deleteLater();
}

void KIVQTreeViewImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background}, {kItemFillCode, &itemBackgrounds}, {kItemTextCode, &itemTextStyles}});
    if (io.isReading())
        m_tree->readScrollBarBlocks(io.element(), ScrollBarBlockMatch::Prefix);

    // Only a key that is there: an element without "attr" leaves the row height. Any height but 20 is
    // written, so a fresh tree writes its 0.
    io.keepAbsentKeys();
    int height = itemHeight;
    if (io.attr("itemHeight", height, kDefaultHeight))
        m_tree->setItemHeight(height);
    if (io.isReading())
        m_tree->viewport()->update();
}

} // namespace KIVQtLib
