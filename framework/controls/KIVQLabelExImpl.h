#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QTextDocument>

class QTextLine;

namespace KIVQtLib {

class KIVQLabelEx;

// A place in the document: block index, line index within the block's layout, and document position.
// -1 in a field means none. A block index equal to the block count stands for the end of the text.
struct KIVQTLIB_EXPORT TextPosition
{
    qint32 block = -1;
    qint32 line = -1;
    qint32 cursor = -1;

    bool isValid() const { return block != -1 && line != -1 && cursor != -1; }
    bool operator==(const TextPosition& o) const { return block == o.block && line == o.line && cursor == o.cursor; }
    bool operator!=(const TextPosition& o) const { return !(*this == o); }
    // Document order.
    bool operator<(const TextPosition& o) const;
};

// The label-ex's document, selection and JSON.
class KIVQTLIB_EXPORT KIVQLabelExImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQLabelExImpl(KIVQLabelEx* owner, const QString& typeName);
    ~KIVQLabelExImpl() override;

    void paint(QPainter* painter, const QRect& rect) override;
    void onMouseMove(QMouseEvent* event) override;
    void onMouseDoubleClick(QMouseEvent* event) override;
    void onMouseRelease(QMouseEvent* event = nullptr) override;
    // Starts a selection at the hit position; moves with a button or tracking then extend it.
    void onMousePress(QMouseEvent* event = nullptr) override;
    void serializeJson(ControlJson& io) override;

    void clearSelection();
    TextPosition textStartPosition() const;
    // Sets the document's page size to the widget's size plus (20, 10).
    TextPosition textEndPosition();
    // pos in document coordinates; (-1, -1, -1) when no line holds it.
    TextPosition hitTestTextPosition(const QPoint& pos);
    // Stored in document order.
    void setSelection(const TextPosition& a, const TextPosition& b);
    TextPosition selectionStart() const { return m_start; }
    TextPosition selectionEnd() const { return m_end; }

    QTextDocument& document() { return m_document; }
    // A font of the normal style, with the global family when one is set.
    QFont documentFont() const;
    void applyDocumentFont();

    TextStyleDesc normalStyle;
    TextStyleDesc disabledStyle;

private:
    void paintSelection(QPainter* painter);

    KIVQLabelEx* m_label;
    TextPosition m_start;
    TextPosition m_end;
    QTextDocument m_document;
};

} // namespace KIVQtLib
