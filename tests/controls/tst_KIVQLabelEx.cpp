#include "ControlTestHelpers.h"

#include "controls/KIVQLabelEx.h"
#include "controls/KIVQLabelExImpl.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

const QRgb kHighlight = qRgb(155, 202, 239);
const QString kTwoParagraphs = QStringLiteral("<p>one</p><p>second paragraph wraps into three lines of text here</p>");

// A 120-wide label of a one-line and a three-line paragraph, laid out at its own size.
std::unique_ptr<KIVQLabelEx> twoParagraphLabel()
{
    auto label = std::make_unique<KIVQLabelEx>();
    label->resize(120, 160);
    label->setHtmlContent(kTwoParagraphs);
    label->impl()->document().setPageSize(QSizeF(label->size()));
    label->impl()->document().size(); // lays it out
    return label;
}

// The middle of a line, in document coordinates.
QPoint lineCentre(QTextDocument& doc, int block, int line)
{
    const QTextLayout* layout = doc.findBlockByNumber(block).layout();
    return layout->lineAt(line).rect().translated(layout->position()).center().toPoint();
}

bool rowHighlighted(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == kHighlight)
            return true;
    }
    return false;
}

int highlightedRows(const QImage& image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += rowHighlighted(image, y);
    return rows;
}

} // namespace

class tst_KIVQLabelEx : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void selectionIntoALaterParagraphPaints();
    void hitTestFindsLinesOfLaterParagraphs();
    void setSelectionKeepsDocumentOrder_data();
    void setSelectionKeepsDocumentOrder();
    void doubleClickSelectsAll();
    void pressAndDragSelects();
    void noTextInteractionIgnoresTheMouse();
    void calcSizeLeavesTheDocument();
    void htmlIsSavedAsPlainText();
};

void tst_KIVQLabelEx::initTestCase()
{
    init();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    kivSetGlobalFontFamily(QStringLiteral("DejaVu Sans"));
}

void tst_KIVQLabelEx::selectionIntoALaterParagraphPaints()
{
    const auto label = twoParagraphLabel();
    QTextDocument& doc = label->impl()->document();
    QCOMPARE(doc.blockCount(), 2);
    QCOMPARE(doc.findBlockByNumber(1).layout()->lineCount(), 3);

    // From the start into line 2 of the second paragraph: the first paragraph has no line 2.
    const int cursor =
        doc.findBlockByNumber(1).layout()->lineAt(2).textStart() + doc.findBlockByNumber(1).position() + 3;
    label->impl()->setSelection(TextPosition{0, 0, 0}, TextPosition{1, 2, cursor});
    const QImage image = label->grab().toImage();
    // Every line of both paragraphs is highlighted at its own place, the last one from its start only,
    // and the space between the paragraphs is not.
    const QPoint lines[] = {lineCentre(doc, 0, 0), lineCentre(doc, 1, 0), lineCentre(doc, 1, 1), lineCentre(doc, 1, 2)};
    for (const QPoint& centre : lines)
        QVERIFY(rowHighlighted(image, centre.y() + 1));
    QVERIFY(image.pixel(QPoint(110, lines[3].y() + 1)) != kHighlight);
    const int gap = (lines[0].y() + lines[1].y()) / 2 + 1;
    QVERIFY(!rowHighlighted(image, gap));

    // Ends that name no line are not drawn at all.
    label->impl()->setSelection(TextPosition{0, 0, 0}, TextPosition{1, 9, 3});
    QCOMPARE(highlightedRows(label->grab().toImage()), 0);
    label->impl()->setSelection(TextPosition{0, 0, 0}, TextPosition{5, 0, 3});
    QCOMPARE(highlightedRows(label->grab().toImage()), 0);
}

void tst_KIVQLabelEx::hitTestFindsLinesOfLaterParagraphs()
{
    const auto label = twoParagraphLabel();
    KIVQLabelExImpl* d = label->impl();
    QTextDocument& doc = d->document();
    const QPoint point = lineCentre(doc, 1, 1);
    const TextPosition hit = d->hitTestTextPosition(point);
    QCOMPARE(hit.block, 1);
    QCOMPARE(hit.line, 1);
    QCOMPARE(hit.cursor, doc.documentLayout()->hitTest(point, Qt::FuzzyHit));

    const TextPosition first = d->hitTestTextPosition(lineCentre(doc, 0, 0));
    QCOMPARE(QPoint(first.block, first.line), QPoint(0, 0));
    QVERIFY(!d->hitTestTextPosition(QPoint(5, 155)).isValid());
}

void tst_KIVQLabelEx::setSelectionKeepsDocumentOrder_data()
{
    QTest::addColumn<QVector<int>>("a");
    QTest::addColumn<QVector<int>>("b");
    QTest::addColumn<QVector<int>>("start");

    QTest::newRow("same line, backwards") << QVector<int>{0, 0, 7} << QVector<int>{0, 0, 2} << QVector<int>{0, 0, 2};
    QTest::newRow("same line, forwards") << QVector<int>{0, 0, 2} << QVector<int>{0, 0, 7} << QVector<int>{0, 0, 2};
    QTest::newRow("a later block on an earlier line")
        << QVector<int>{0, 1, 20} << QVector<int>{1, 0, 25} << QVector<int>{0, 1, 20};
    QTest::newRow("an earlier block on a later line")
        << QVector<int>{1, 0, 25} << QVector<int>{0, 1, 20} << QVector<int>{0, 1, 20};
}

void tst_KIVQLabelEx::setSelectionKeepsDocumentOrder()
{
    QFETCH(QVector<int>, a);
    QFETCH(QVector<int>, b);
    QFETCH(QVector<int>, start);

    KIVQLabelEx label;
    KIVQLabelExImpl* d = label.impl();
    d->setSelection(TextPosition{a[0], a[1], a[2]}, TextPosition{b[0], b[1], b[2]});
    const TextPosition s = d->selectionStart();
    QCOMPARE((QVector<int>{s.block, s.line, s.cursor}), start);
    QVERIFY(!(d->selectionEnd() < s));
    d->clearSelection();
    QVERIFY(!d->selectionStart().isValid() && !d->selectionEnd().isValid());
}

void tst_KIVQLabelEx::doubleClickSelectsAll()
{
    KIVQLabelEx label;
    label.setText(QStringLiteral("hello"));
    label.resize(200, 40);
    QTest::mouseDClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    const TextPosition s = label.impl()->selectionStart();
    const TextPosition e = label.impl()->selectionEnd();
    QCOMPARE(QVector<int>({s.block, s.line, s.cursor}), QVector<int>({0, 0, 0}));
    QCOMPARE(QVector<int>({e.block, e.line, e.cursor}), QVector<int>({1, 0, 5}));

    // The whole line, from the left margin to the end of the text; a row below the baseline is free of glyphs.
    const QImage image = label.grab().toImage();
    const QTextLine line = label.impl()->document().firstBlock().layout()->lineAt(0);
    const int y = 5 + int(line.height()) - 2;
    QCOMPARE(image.pixel(5, y), kHighlight);
    QCOMPARE(image.pixel(int(line.horizontalAdvance()) + 3, y), kHighlight);
    QVERIFY(image.pixel(int(line.horizontalAdvance()) + 8, y) != kHighlight);
}

void tst_KIVQLabelEx::pressAndDragSelects()
{
    const auto label = twoParagraphLabel();
    QTextDocument& doc = label->impl()->document();
    const QPoint from = lineCentre(doc, 0, 0);
    const QPoint to = lineCentre(doc, 1, 1);

    sendMouse(label.get(), QEvent::MouseButtonPress, from, Qt::LeftButton);
    QVERIFY(label->hasMouseTracking());
    QCOMPARE(label->impl()->selectionStart(), label->impl()->selectionEnd());
    sendMouse(label.get(), QEvent::MouseMove, to, Qt::LeftButton);
    QCOMPARE(label->impl()->selectionEnd(), label->impl()->hitTestTextPosition(to));
    sendMouse(label.get(), QEvent::MouseButtonRelease, to);
    QVERIFY(!label->hasMouseTracking());
    QVERIFY(highlightedRows(label->grab().toImage()) > 0);

    // Off every line the end is none and nothing is highlighted.
    sendMouse(label.get(), QEvent::MouseMove, QPoint(5, 155), Qt::LeftButton);
    QVERIFY(!label->impl()->selectionEnd().isValid());
    QCOMPARE(highlightedRows(label->grab().toImage()), 0);
}

void tst_KIVQLabelEx::noTextInteractionIgnoresTheMouse()
{
    const auto label = twoParagraphLabel();
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    const QPoint p = lineCentre(label->impl()->document(), 1, 0);
    QTest::mouseDClick(label.get(), Qt::LeftButton, Qt::NoModifier, p);
    sendMouse(label.get(), QEvent::MouseButtonPress, p, Qt::LeftButton);
    sendMouse(label.get(), QEvent::MouseMove, p + QPoint(10, 0), Qt::LeftButton);
    sendMouse(label.get(), QEvent::MouseButtonRelease, p);
    QVERIFY(!label->impl()->selectionStart().isValid());
    QVERIFY(!label->impl()->selectionEnd().isValid());
    QVERIFY(!label->hasMouseTracking());
}

void tst_KIVQLabelEx::calcSizeLeavesTheDocument()
{
    KIVQLabelEx label;
    const QString before = label.getHtmlContent();
    QVERIFY(before.contains(QStringLiteral("label")));
    const QSize one = label.calcSize(QStringLiteral("<b>short</b>"), 200);
    const QSize many = label.calcSize(kTwoParagraphs + kTwoParagraphs, 200);
    QVERIFY(one.width() > 0 && one.width() <= 200);
    QVERIFY(many.height() > 2 * one.height());
    QCOMPARE(label.getHtmlContent(), before);
}

void tst_KIVQLabelEx::htmlIsSavedAsPlainText()
{
    KIVQLabelEx label;
    label.setHtmlContent(QStringLiteral("<b>bold</b> and <i>plain</i>"));
    Json::Value out = writeControl(&label);
    QCOMPARE(compactJson(out["attr"]), QByteArray(R"({"text":"bold and plain"})"));
    QVERIFY(out.isMember("style") && out["style"].isNull());

    KIVQLabelEx copy;
    QVERIFY(copy.readJsonValue(&out));
    QCOMPARE(copy.impl()->document().toPlainText(), QStringLiteral("bold and plain"));
    copy.setText(QString());
    QVERIFY(!writeControl(&copy).isMember("attr"));
}

QTEST_MAIN(tst_KIVQLabelEx)
#include "tst_KIVQLabelEx.moc"
