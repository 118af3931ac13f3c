#pragma once

#include "core/KIVQControl.h"

#include <QVariant>
#include <QWidget>

namespace KIVQtLib {

class KIVQTabWidgetImpl;

// A painted strip of equally sized tabs, each with a caption, an icon, an icon for its selected state
// and a value of the caller's. A press selects a tab and emits currentChanged; the strip holds no
// pages, whoever listens switches the content.
class KIVQTLIB_EXPORT KIVQTabWidget : public KIVQControlBase<KIVQTabWidget, QWidget, KIVQTabWidgetImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQTabWidget(QWidget* parent = nullptr);

    static const char* typeName() { return "qttab"; }
    static QWidget* createKIVQTabWidget() { return new KIVQTabWidget; }
    static ControlInfo getProps();

    // The selected icon is kept only when given; a selected tab without one draws no icon.
    void addTab(const QString& text, const QString& icon = QString(), const QString& selIcon = QString());
    // Neither removal adjusts the selected or hot index.
    void removeTab(int index);
    void removeAllTab();
    void clear() { removeAllTab(); }
    int getTabCount() const;
    QString getTabText(int index) const;
    bool setItemData(int index, const QVariant& value);
    QVariant getItemData(int index) const;

    // Indexes at or past the count are ignored; a negative one is kept and selects no tab.
    void setSelectedIndex(int index);
    int getSelectedIndex() const;

    void setIsHor(bool horizontal);
    bool getIsHor() const;
    void setItemSize(int size);
    int getItemSize() const;
    void setItemSpace(int space);
    int getItemSpace() const;
    void setShowText(bool on);
    bool getShowText() const;
    void setShowIcon(bool on);
    bool getShowIcon() const;

    void setBackground(const FillStyle& fill);
    const FillStyle& getBackground() const;
    // Per-state tab fills and captions: 0..3, or 4 for all states. The selected tab shows state 2.
    void setItemBackground(CtrlState state, const FillStyle& fill);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;

    void initDemoData();

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace KIVQtLib
