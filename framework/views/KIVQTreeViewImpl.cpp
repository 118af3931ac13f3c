#include "KIVQTreeViewImpl.h"

#include "KIVQTreeView.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <QStandardItemModel>

namespace KIVQtLib {

namespace {

constexpr int kSampleRows = 100;

} // namespace

KIVQTreeViewImpl::KIVQTreeViewImpl(KIVQTreeView* owner, const QString& typeName)
    : KIVQItemRowsImpl(owner, owner, typeName, 0), m_tree(owner)
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

// The header styles have no codes. A fresh tree writes its "itemHeight" of 0.
void KIVQTreeViewImpl::serializeJson(ControlJson& io)
{
    serializeRows(io);
}

} // namespace KIVQtLib
