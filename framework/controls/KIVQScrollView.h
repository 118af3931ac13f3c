#pragma once

#include "ScrollBarStyling.h"
#include "core/KIVQControl.h"

#include <QPointer>
#include <QScrollArea>

namespace KIVQtLib {

class KIVQScrollViewImpl;

// A scroll area with two themed KIVQScrollBar bars and a themed background under its viewport. Once
// its children are built it scrolls the first container among them.
class KIVQTLIB_EXPORT KIVQScrollView : public KIVQControlBase<KIVQScrollView, QScrollArea, KIVQScrollViewImpl>,
                                       public ScrollBarStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQScrollView(QWidget* parent = nullptr);

    static const char* typeName() { return "qtscrollview"; }
    static QWidget* createKIVQScrollView() { return new KIVQScrollView; }
    static ControlInfo getProps();

    // One background; the state selects nothing.
    void setBackground(CommonCtrlState state, const FillStyle& fill);
    const FillStyle& getBackground(CommonCtrlState state = CommonNormal) const;

    int getHScrollPos() const;
    int getVScrollPos() const;
    void setHScrollPos(int pos);
    void setVScrollPos(int pos);

    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

Q_SIGNALS:
    // Each scroll step, with the distances the content moved.
    void scrollPosChanged(int dx, int dy);

protected:
    // For a class that brings an Impl of its own: it attaches it in its constructor body, so only that
    // Impl's theme entry applies.
    struct DeferImpl
    {
    };
    KIVQScrollView(QWidget* parent, DeferImpl);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    KIVQScrollBar* styledScrollBar(bool hor) const override;

private:
    QPointer<KIVQScrollBar> m_vertical;
    QPointer<KIVQScrollBar> m_horizontal;
};

} // namespace KIVQtLib
