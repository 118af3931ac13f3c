#include "KIVQTableViewImpl.h"

#include "KIVQTableView.h"
#include "core/ControlJson.h"
#include "core/JsonRead.h"
#include "core/KIVQtLib.h"
#include "core/layout/KIVQContainer.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>

#include <climits>

namespace KIVQtLib {

namespace {

// "style" codes: the background, then runs of four in CtrlState order; 1 and 18 on are not used.
constexpr int kBackgroundCode = 0;
constexpr int kItemFillCode = 2;
constexpr int kItemTextCode = 6;
constexpr int kHeaderFillCode = 10;
constexpr int kHeaderTextCode = 14;

// The item height is written whatever its value: no value equals this default.
constexpr int kAlwaysWritten = INT_MIN;

constexpr int kDemoRows = 100;
constexpr int kDemoColumns = 5;

} // namespace

KIVQTableViewImpl::KIVQTableViewImpl(KIVQTableView* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_table(owner)
{
    FillStyle noFill;
    noFill.draw = false;
    itemBackgrounds.set(kAllStates, noFill);
    checkLook.showText = false;
}

KIVQTableViewImpl::~KIVQTableViewImpl() = default;

void KIVQTableViewImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, background, rect);
}

QRect KIVQTableViewImpl::shrunk(const QRect& rect, int margin)
{
    return QRect(rect.x() + margin, rect.y() + margin, std::max(rect.width() - 2 * margin, 0),
                 std::max(rect.height() - 2 * margin, 0));
}

QRect KIVQTableViewImpl::fromLeft(const QRect& rect, int left)
{
    return QRect(left, rect.y(), std::max(rect.x() + rect.width() - left, 0), rect.height());
}

TextStyleDesc KIVQTableViewImpl::alignedStyle(const TextStyleDesc& style, const QVariant& alignment)
{
    TextStyleDesc aligned = style;
    if (!alignment.isValid())
        return aligned;
    const int a = alignment.toInt();
    if (a & Qt::AlignHCenter) {
        aligned.horAlign = 1;
        aligned.x = 0;
    } else if (a & Qt::AlignRight) {
        aligned.horAlign = 2;
    } else if (a & Qt::AlignLeft) {
        aligned.horAlign = 0;
    }
    if (a & Qt::AlignTop)
        aligned.verAlign = 0;
    else if (a & Qt::AlignBottom)
        aligned.verAlign = 2;
    else if (a & Qt::AlignVCenter)
        aligned.verAlign = 1;
    return aligned;
}

QRect KIVQTableViewImpl::checkArea(const QRect& cell) const
{
    // The check images are square: the area is as wide as the image is high.
    return QRect(cell.left() + kCheckLeft, cell.top(), checkImageSize.height(), cell.height());
}

void KIVQTableViewImpl::paintCheck(QPainter* painter, const QRect& cell, bool checked)
{
    checkLook.paint(painter, checkArea(cell), QString(), checked, CtrlNormal, true);
}

void KIVQTableViewImpl::setCheckImage(bool checked, const QString& path)
{
    if (const QImage* image = KIVQResourceManager::getInstance()->getImage(path); image && !image->isNull())
        checkImageSize = image->size();
    (checked ? checkedImage : uncheckedImage) = path;
    if (checked)
        checkLook.setCheckedIcon(path);
    else
        checkLook.setUncheckIcon(path);
}

KIVQContainer* KIVQTableViewImpl::columnWidget(int column) const
{
    const auto it = columnWidgets.find(column);
    return it == columnWidgets.end() ? nullptr : it->second.data();
}

void KIVQTableViewImpl::onCreateComplete()
{
    if (!kivIsQtEmulator())
        return;
    auto* model = new QStandardItemModel(kDemoRows, kDemoColumns, m_table);
    QStringList titles;
    for (int c = 1; c <= kDemoColumns; ++c)
        titles << KIVQTableView::tr("Col%1").arg(c);
    model->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < kDemoRows; ++r) {
        for (int c = 0; c < kDemoColumns; ++c)
            model->setItem(r, c, new QStandardItem(QStringLiteral("item %1 %2").arg(r).arg(c)));
    }
    QAbstractItemModel* old = m_table->model();
    m_table->setModel(model);
    if (old && old->parent() == m_table)
        old->deleteLater();
}

void KIVQTableViewImpl::serializeJson(ControlJson& io)
{
    io.styles({{kBackgroundCode, &background},
               {kItemFillCode, &itemBackgrounds},
               {kItemTextCode, &itemTextStyles},
               {kHeaderFillCode, &headerBackgrounds},
               {kHeaderTextCode, &headerTextStyles}});

    // Only keys that are there: an element without "attr" leaves every setting as it was.
    io.keepAbsentKeys();
    bool multi = m_table->selectionMode() == QAbstractItemView::ExtendedSelection;
    if (io.attrBool("multiselect", multi, false))
        m_table->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    int height = itemHeight;
    if (io.attr("itemHeight", height, kAlwaysWritten)) {
        m_table->setItemHeight(height);
        m_table->horizontalHeader()->setFixedHeight(std::max(height, 0));
    }
    io.attrBool("checkstyle", checkStyle, false);
    QString image = checkedImage;
    if (io.attr("checkedImg", image, QString()))
        m_table->setCheckBoxImage(true, image);
    image = uncheckedImage;
    if (io.attr("uncheckImg", image, QString()))
        m_table->setCheckBoxImage(false, image);

    if (io.isReading())
        readScrollBarBlocks(io.element());
}

void KIVQTableViewImpl::readScrollBarBlocks(const Json::Value& element)
{
    const Json::Value* children = json::array(element, "child", 1);
    if (!children)
        return;
    // The table reads a block's keys only where its "attr" holds them: a block without "attr" must not
    // clear the bar's icons, so it is read as one with an empty "attr".
    Json::Value blocks(Json::objectValue);
    Json::Value& list = blocks["child"] = *children;
    for (Json::Value& block : list) {
        if (block.isObject() && !block["attr"].isObject())
            block["attr"] = Json::Value(Json::objectValue);
    }
    m_table->ScrollBarStyling::readScrollBarBlocks(blocks, ScrollBarBlockMatch::Containing);
}

} // namespace KIVQtLib
