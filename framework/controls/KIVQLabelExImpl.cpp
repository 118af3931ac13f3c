#include "KIVQLabelExImpl.h"

#include "KIVQLabelEx.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <tuple>
#include <utility>

namespace KIVQtLib {

namespace {

constexpr int kTextStyleCode = 0;
const QColor kHighlight(155, 202, 239);
// The highlight sits this far right of and below the line's own coordinates, over the document margin.
constexpr qreal kHighlightOffset = 5.0;

// One end of the selection found in the laid-out document.
struct LinePlace
{
    int block = -1;
    int line = -1;
    QTextLine textLine;
    QPointF offset; // of the block's layout from the first block's
    qreal x = 0;

    bool operator<(const LinePlace& o) const { return std::tie(block, line, x) < std::tie(o.block, o.line, o.x); }
};

QPointF blockOffset(const QTextDocument& doc, const QTextBlock& block)
{
    return block.layout()->position() - doc.firstBlock().layout()->position();
}

// False for an end that names no line of the document as it is laid out now.
bool placeOf(const QTextDocument& doc, const TextPosition& p, LinePlace& out)
{
    const int count = doc.blockCount();
    if (!p.isValid() || p.block < 0 || p.block > count)
        return false;
    const bool atEnd = p.block == count;
    const QTextBlock block = atEnd ? doc.lastBlock() : doc.findBlockByNumber(p.block);
    const QTextLayout* layout = block.layout();
    if (!block.isValid() || !layout || layout->lineCount() == 0)
        return false;
    out.block = block.blockNumber();
    out.line = atEnd ? layout->lineCount() - 1 : p.line;
    if (out.line < 0 || out.line >= layout->lineCount())
        return false;
    out.textLine = layout->lineAt(out.line);
    if (!out.textLine.isValid())
        return false;
    const int first = out.textLine.textStart();
    const int local = atEnd ? block.length() - 1 : p.cursor - block.position();
    out.x = out.textLine.cursorToX(qBound(first, local, first + out.textLine.textLength()));
    out.offset = blockOffset(doc, block);
    return true;
}

void fillLine(QPainter* painter, const QPointF& offset, const QTextLine& line, qreal from, qreal width)
{
    painter->fillRect(int(from + kHighlightOffset + offset.x()), int(line.y() + kHighlightOffset + offset.y()),
                      int(width), int(line.height()), kHighlight);
}

} // namespace

bool TextPosition::operator<(const TextPosition& o) const
{
    return std::tie(block, line, cursor) < std::tie(o.block, o.line, o.cursor);
}

KIVQLabelExImpl::KIVQLabelExImpl(KIVQLabelEx* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_label(owner)
{
}

KIVQLabelExImpl::~KIVQLabelExImpl() = default;

QFont KIVQLabelExImpl::documentFont() const
{
    QFont font;
    if (normalStyle.size > 0)
        font.setPixelSize(normalStyle.size);
    const QString global = kivGetGlobalFontFamily();
    font.setFamily(global.isEmpty() ? normalStyle.family : global);
    font.setWeight(normalStyle.bold ? 75 : 50);
    font.setItalic(normalStyle.italic);
    font.setUnderline(normalStyle.underline);
    return font;
}

void KIVQLabelExImpl::applyDocumentFont()
{
    m_document.setDefaultFont(documentFont());
}

void KIVQLabelExImpl::clearSelection()
{
    m_start = TextPosition();
    m_end = TextPosition();
}

TextPosition KIVQLabelExImpl::textStartPosition() const
{
    return TextPosition{0, 0, 0};
}

TextPosition KIVQLabelExImpl::textEndPosition()
{
    TextPosition end;
    end.block = m_document.blockCount();
    const QSizeF page(m_label->size() + QSize(20, 10));
    if (m_document.pageSize() != page)
        m_document.setPageSize(page);
    m_document.size(); // lays the document out
    const QTextLayout* layout = m_document.lastBlock().layout();
    if (layout && layout->lineCount() > 0) {
        end.line = layout->lineCount() - 1;
        QTextCursor cursor(&m_document);
        cursor.movePosition(QTextCursor::End);
        end.cursor = cursor.position();
    }
    return end;
}

TextPosition KIVQLabelExImpl::hitTestTextPosition(const QPoint& pos)
{
    m_document.size(); // lays the document out
    const QPointF point(pos);
    int index = 0;
    for (QTextBlock block = m_document.firstBlock(); block.isValid(); block = block.next(), ++index) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        // Lines are in their block layout's coordinates; the layout itself sits at its block's place.
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.isValid() && line.rect().translated(origin).contains(point))
                return TextPosition{index, i,
                                    block.position() +
                                        line.xToCursor(point.x() - origin.x(), QTextLine::CursorBetweenCharacters)};
        }
    }
    return TextPosition();
}

void KIVQLabelExImpl::setSelection(const TextPosition& a, const TextPosition& b)
{
    if (b < a) {
        m_start = b;
        m_end = a;
    } else {
        m_start = a;
        m_end = b;
    }
}

void KIVQLabelExImpl::onMousePress(QMouseEvent* event)
{
    if (!event)
        return;
    m_start = m_end = hitTestTextPosition(event->pos());
    m_label->setMouseTracking(true);
    m_label->repaint();
}

void KIVQLabelExImpl::onMouseMove(QMouseEvent* event)
{
    if (!event)
        return;
    const TextPosition hit = hitTestTextPosition(event->pos());
    if (hit == m_end)
        return;
    m_end = hit;
    m_label->repaint();
}

void KIVQLabelExImpl::onMouseDoubleClick(QMouseEvent*)
{
    m_start = textStartPosition();
    m_end = textEndPosition();
    m_label->repaint();
}

void KIVQLabelExImpl::onMouseRelease(QMouseEvent*)
{
    m_label->setMouseTracking(false);
    m_label->repaint();
}

void KIVQLabelExImpl::paintSelection(QPainter* painter)
{
    LinePlace first, last;
    if (!placeOf(m_document, m_start, first) || !placeOf(m_document, m_end, last))
        return;
    // A selection dragged backwards highlights the same text as one dragged forwards.
    if (last < first)
        std::swap(first, last);
    if (first.block == last.block && first.line == last.line) {
        fillLine(painter, first.offset, first.textLine, first.x, last.x - first.x);
        return;
    }
    fillLine(painter, first.offset, first.textLine, first.x, first.textLine.horizontalAdvance() - first.x);
    fillLine(painter, last.offset, last.textLine, 0, last.x);
    for (int b = first.block; b <= last.block; ++b) {
        const QTextBlock block = m_document.findBlockByNumber(b);
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const QPointF offset = blockOffset(m_document, block);
        const int from = b == first.block ? first.line + 1 : 0;
        const int to = b == last.block ? last.line : layout->lineCount();
        for (int i = from; i < to; ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.isValid())
                fillLine(painter, offset, line, 0, line.horizontalAdvance());
        }
    }
}

void KIVQLabelExImpl::paint(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setTransform(QTransform::fromTranslate(rect.x(), rect.y()));
    // Setting the page size lays the whole document out again, even when it is unchanged.
    if (m_document.pageSize() != QSizeF(rect.size()))
        m_document.setPageSize(QSizeF(rect.size()));
    m_document.size(); // lays the document out at the page size before lines are looked at
    paintSelection(painter);

    QAbstractTextDocumentLayout::PaintContext context;
    context.cursorPosition = -1;
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(normalStyle.colour));
    context.palette = palette;
    m_document.documentLayout()->draw(painter, context);
    painter->restore();
}

void KIVQLabelExImpl::serializeJson(ControlJson& io)
{
    io.styles({{kTextStyleCode, &normalStyle}}, ControlJson::EmptyStyles::WriteNull);
    io.keepAbsentKeys();
    if (!io.isReading()) {
        QString text = m_document.toPlainText();
        io.attr("text", text, QString());
        return;
    }
    // The program owns the text: a theme entry styles the label but never replaces what it shows.
    QString text;
    if (!io.fromTheme() && io.attr("text", text, QString()))
        m_label->setText(text);
    applyDocumentFont();
}

} // namespace KIVQtLib
