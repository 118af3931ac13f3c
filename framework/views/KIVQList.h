#pragma once

#include "KIVQItemRows.h"
#include "core/KIVQControl.h"

#include <QListWidget>

#include <memory>

namespace KIVQtLib {

class KIVQListImpl;
class KIVQListItemDelegate;

// A plain item list painted from theme styles: a background behind the rows, a per-state row fill and
// text style (hover wins over selection), an optional icon at each row's left and a fixed row height.
// Rows are added with the QListWidget interface: addItem, addItems or insertItem. Qt's QListWidgetItem
// constructors that take a text and the list look the new item up among all rows before adding it, so a
// fill that way is quadratic (300,000 rows: about 25 s against 0.5 s).
class KIVQTLIB_EXPORT KIVQList : public KIVQControlBase<KIVQList, QListWidget, KIVQListImpl>, public KIVQItemRows
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQList(QWidget* parent = nullptr);
    ~KIVQList() override;

    static const char* typeName() { return "qtlist"; }
    static QWidget* createKIVQList() { return new KIVQList; }
    static ControlInfo getProps();

    void setIsMultiSelected(bool on);
    bool getIsMultiSelected() const;

    // The list's buttons keep their size.
    void setScrollbarBtnSize(bool hor, int size) override;

protected:
    // The rows, not the Impl: a scroll area's paint events are its viewport's.
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<KIVQListItemDelegate> m_delegate;
};

} // namespace KIVQtLib
