#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQStackContainerImpl;

// Pages of which one, the current page, is shown over the whole container; the others stay hidden
// children. Showing a page fits it and lays out every container inside it.
class KIVQTLIB_EXPORT KIVQStackContainer : public KIVQControlBase<KIVQStackContainer, QWidget, KIVQStackContainerImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQStackContainer(QWidget* parent = nullptr);

    static const char* typeName() { return "qtstackcontainer"; }
    static QWidget* createKIVQStackContainer() { return new KIVQStackContainer; }
    static ControlInfo getProps();

    int addWidget(QWidget* page);
    // An index out of range appends; a page already held moves. Returns the page's index; -1 for null,
    // for the container itself and for a widget that holds it.
    int insertWidget(int index, QWidget* page);
    // The page stays a hidden child of the container.
    void removeWidget(QWidget* page);
    int count() const;
    int currentIndex() const;
    QWidget* currentWidget() const;
    QWidget* widget(int index) const;
    // Re-fits and re-lays out the current page also when the index is already current.
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget* page);

    void setBackground(const FillStyle& fill);
    const FillStyle& getBackground() const;
    void setDisableBackground(const FillStyle& fill);
    const FillStyle& getDisableBackground() const;
    // State 0 is the background, every other state the disabled background.
    void setBackgroundState(CtrlState state, const FillStyle& fill);
    const FillStyle& getBackgroundState(CtrlState state) const;
    void setDrawBackground(bool on);
    bool getDrawBackground() const;
    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class KIVQStackContainerImpl;
    void fitPage(QWidget* page);
    void refreshCurrentPage();
    // Takes the page at index out of the list and keeps the current page, or shows the next one.
    void dropPageAt(int index);
    void pageDestroyed(QObject* page);
};

} // namespace KIVQtLib
