#pragma once

#include "KIVQEditStyling.h"
#include "ScrollBarStyling.h"
#include "core/KIVQControl.h"

#include <QPointer>
#include <QTextEdit>

namespace KIVQtLib {

class KIVQTextEditImpl;

// A multi-line editor over a themed background per state, with a text style per state, a styled
// placeholder and two themed scroll bars. The state follows focus and hover. Unlike other controls it
// takes no theme entry when made, only through an element's "theme" key.
class KIVQTLIB_EXPORT KIVQTextEdit : public KIVQControlBase<KIVQTextEdit, QTextEdit, KIVQTextEditImpl>,
                                     public KIVQEditStyling,
                                     public ScrollBarStyling
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQTextEdit(QWidget* parent = nullptr);

    static const char* typeName() { return "qttext"; }
    static QWidget* createKIVQTextEdit() { return new KIVQTextEdit; }
    static ControlInfo getProps();

    // Ours, not Qt's: the edit draws its placeholder in a style of its own.
    using KIVQEditStyling::setPlaceholderText;

    void setPlaceholderTextStyle(const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle() const;

    // The margins that keep the placeholder off the edges, in the order top, bottom, left, right.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    // The edit's buttons keep their size: only the thickness is styled.
    void setScrollbarBtnSize(bool hor, int size) override;

    void setDelegateItemVisible(bool visible);
    bool getDelegateItemVisible() const;

protected:
    KIVQEditImplBase* editImpl() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // QTextEdit's own: it comes for the viewport, whose fill the event filter has painted.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    KIVQScrollBar* styledScrollBar(bool hor) const override;

private:
    QPointer<KIVQScrollBar> m_horizontal;
    QPointer<KIVQScrollBar> m_vertical;
};

} // namespace KIVQtLib
