#pragma once

#include "controls/CheckBoxLook.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

#include <QPointer>
#include <QSize>

#include <map>

namespace KIVQtLib {

class KIVQContainer;
class KIVQTableView;

// The table's look, check column, hover row, column widgets and JSON. The header and the cell delegate
// read and write it directly.
class KIVQTLIB_EXPORT KIVQTableViewImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kCheckLeft = 5;   // the check area starts this far into its cell
    static constexpr int kCheckGap = 10;   // text in the check column starts this far after the image width
    static constexpr int kInnerMargin = 2; // cells and sections keep their text this far from the edges

    KIVQTableViewImpl(KIVQTableView* owner, const QString& typeName);
    ~KIVQTableViewImpl() override;

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;

    KIVQTableView* table() const { return m_table; }
    // The area of a cell or header section in which the check box sits and takes clicks.
    QRect checkArea(const QRect& cell) const;
    void paintCheck(QPainter* painter, const QRect& cell, bool checked);
    void setCheckImage(bool checked, const QString& path);
    // The live container of a column, or null.
    KIVQContainer* columnWidget(int column) const;

    // A cell or section rectangle shrunk on each side, never to a negative size.
    static QRect shrunk(const QRect& rect, int margin);
    // The rectangle from a new left edge to the old right edge, never of negative width.
    static QRect fromLeft(const QRect& rect, int left);
    // A copy of the style with the alignment the model asks for (its alignment role) in place of its own.
    static TextStyleDesc alignedStyle(const TextStyleDesc& style, const QVariant& alignment);

    int itemHeight = 20;
    FillStyle background;
    StateStyles<TextStyleDesc> itemTextStyles;
    StateStyles<FillStyle> itemBackgrounds;
    StateStyles<FillStyle> headerBackgrounds;
    StateStyles<TextStyleDesc> headerTextStyles;
    int hoveredRow = -1;
    int scrollbarSize = 23;
    int scrollbarBtnSize = 23;
    // Paints the check boxes of the check column and the header; caption hidden, no background.
    CheckBoxLook checkLook;
    bool checkStyle = false;
    QSize checkImageSize{24, 24};
    QString checkedImage = QStringLiteral("IDB_CHECKED");
    QString uncheckedImage = QStringLiteral("IDB_UNCHECK");
    bool headerChecked = false;
    std::map<int, QPointer<KIVQContainer>> columnWidgets;

private:
    void readScrollBarBlocks(const Json::Value& element);

    KIVQTableView* m_table;
};

} // namespace KIVQtLib
