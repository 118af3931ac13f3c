#pragma once

#include "core/KIVQControl.h"

#include <QLabel>

namespace KIVQtLib {

class KIVQLabelExImpl;

// A label for rich text: its own document (plain text or HTML), painted by the control, with a text
// selection drawn under it. A press and drag selects, a double-click selects everything. Owners that
// paint many such texts (the list view) use the selection operations of the Impl.
class KIVQTLIB_EXPORT KIVQLabelEx : public KIVQControlBase<KIVQLabelEx, QLabel, KIVQLabelExImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQLabelEx(QWidget* parent = nullptr);

    static const char* typeName() { return "qtlabelex"; }
    static QWidget* createKIVQLabelEx() { return new KIVQLabelEx; }

    void setText(const QString& text);
    void setHtmlContent(const QString& html);
    QString getHtmlContent() const;
    // The size an HTML text takes at a width, in the label's font; the label's own text is untouched.
    QSize calcSize(const QString& html, int width) const;

    void setColor(const QColor& colour);
    const QColor& getColor() const;
    void setDisableColor(const QColor& colour);
    const QColor& getDisableColor() const;
    // State 0 the normal style, 1..3 the disabled style, 4 both. The document's font follows the normal
    // style at the next JSON read.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool selectsText() const;
};

} // namespace KIVQtLib
