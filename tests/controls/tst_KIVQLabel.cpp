#include "ControlTestHelpers.h"

#include "controls/KIVQLabel.h"
#include "core/KIVQtLib.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

TextStyleDesc pinnedStyle(const QString& name, int elideMode = Qt::ElideRight)
{
    TextStyleDesc style;
    style.name = name;
    style.family = QStringLiteral("DejaVu Sans");
    style.size = 13;
    style.elideMode = elideMode;
    return style;
}

const QString kLongText = QStringLiteral("Ward 7 bed 12: blood pressure review due before the evening round");

} // namespace

class tst_KIVQLabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void styleReachesWidget();
    void elidesOnResize_data();
    void elidesOnResize();
    void saveAfterResizeKeepsFullText();
    void styleJson();
    void themeRefreshKeepsText();
};

void tst_KIVQLabel::initTestCase()
{
    init();
    TextStyleDesc title = pinnedStyle(QStringLiteral("title"));
    title.colour = QColor(0x12, 0x34, 0x56);
    title.horAlign = 2;
    title.verAlign = 0;
    title.bold = true;
    kivSetTextStyle(title.name, title);
}

void tst_KIVQLabel::styleReachesWidget()
{
    KIVQLabel label;
    QCOMPARE(label.text(), QStringLiteral("label"));
    TextStyleDesc title;
    QVERIFY(kivGetTextStyle(QStringLiteral("title"), title));
    label.setTextStyle(CtrlNormal, title);
    QCOMPARE(label.font().pixelSize(), 13);
    QVERIFY(label.font().bold());
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0x12, 0x34, 0x56));
    QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignTop);

    // The disabled style is kept for states 1..3; only the normal one reaches the widget.
    label.setTextStyle(CtrlPressed, pinnedStyle(QStringLiteral("off")));
    label.setTextStyle(CtrlState(6), pinnedStyle(QStringLiteral("ignored")));
    QCOMPARE(label.getTextStyle(CtrlHover).name, QStringLiteral("off"));
    QCOMPARE(label.getTextStyle(CtrlState(-1)).name, QStringLiteral("title"));
    QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignTop);
    label.setColor(Qt::red);
    label.setDisableColor(Qt::gray);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(label.getDisableColor(), QColor(Qt::gray));
}

void tst_KIVQLabel::elidesOnResize_data()
{
    QTest::addColumn<int>("elideMode");
    QTest::addColumn<bool>("singleLine");
    QTest::addColumn<bool>("elides");

    QTest::newRow("right") << int(Qt::ElideRight) << true << true;
    QTest::newRow("middle") << int(Qt::ElideMiddle) << true << true;
    QTest::newRow("none") << int(Qt::ElideNone) << true << false;
    QTest::newRow("multi-line style") << int(Qt::ElideRight) << false << false;
}

void tst_KIVQLabel::elidesOnResize()
{
    QFETCH(int, elideMode);
    QFETCH(bool, singleLine);
    QFETCH(bool, elides);

    KIVQLabel label;
    TextStyleDesc style = pinnedStyle(QStringLiteral("pinned"), elideMode);
    style.singleline = singleLine;
    label.setTextStyle(CtrlNormal, style);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    label.setText(kLongText);
    QCOMPARE(label.text(), kLongText); // not shortened before the next resize

    label.resize(90, 20);
    const QFontMetrics metrics(label.font());
    QVERIFY(metrics.horizontalAdvance(kLongText) > 90);
    if (!elides) {
        QCOMPARE(label.text(), kLongText);
        return;
    }
    QCOMPARE(label.text(), metrics.elidedText(kLongText, Qt::TextElideMode(elideMode), 90));
    const int narrowLength = label.text().length();
    label.resize(200, 20);
    QCOMPARE(label.text(), metrics.elidedText(kLongText, Qt::TextElideMode(elideMode), 200));
    QVERIFY(label.text().length() > narrowLength);
    QCOMPARE(label.getText(), kLongText);
}

void tst_KIVQLabel::saveAfterResizeKeepsFullText()
{
    KIVQLabel label;
    label.setTextStyle(CtrlNormal, pinnedStyle(QStringLiteral("pinned")));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    label.setText(kLongText);
    label.resize(70, 20);
    const QString shown = label.text();
    QVERIFY(shown != kLongText);
    // An element without "text" leaves both texts alone.
    Json::Value noText = parseJson(R"({"attr": {"other": 1}})");
    QVERIFY(label.readJsonValue(&noText));
    QCOMPARE(label.text(), shown);

    Json::Value out(Json::objectValue);
    label.serializeJsonValue(&out, false);
    QCOMPARE(QString::fromStdString(out["attr"]["text"].asString()), kLongText);
    KIVQLabel copy;
    QVERIFY(copy.readJsonValue(&out));
    QCOMPARE(copy.getText(), kLongText);

    // The designer's Text row edits the full text too.
    const ControlInfo info = KIVQLabel::getProps();
    const auto text = std::find_if(info.properties.begin(), info.properties.end(),
                                   [](const PropertyDef& d) { return d.name == QLatin1String("Text"); });
    QVERIFY(text != info.properties.end());
    QCOMPARE(text->textGetter(&label), kLongText);
    QCOMPARE(info.properties.back().optionValues, (QList<int>{CtrlNormal, CtrlDisabled}));
}

void tst_KIVQLabel::styleJson()
{
    KIVQLabel label;
    Json::Value element = parseJson(R"({"style": [["title", 2, 1], ["title", 2, 0], ["missing", 2, 0]],
                                    "attr": {"text": "Beds"}})");
    QVERIFY(label.readJsonValue(&element));
    // A name the store lacks is kept for the save, over the title's look.
    TextStyleDesc kept = label.getTextStyle(CtrlNormal);
    QCOMPARE(kept.name, QStringLiteral("missing"));
    TextStyleDesc title;
    QVERIFY(kivGetTextStyle(QStringLiteral("title"), title));
    kept.name = title.name;
    QVERIFY(kept == title);
    QVERIFY(label.getTextStyle(CtrlDisabled).name.isEmpty());
    QCOMPARE(label.text(), QStringLiteral("Beds"));
    QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignTop);
    Json::Value out(Json::objectValue);
    label.serializeJsonValue(&out, false);
    QCOMPARE(compactJson(out["style"]), QByteArray(R"([["missing",2,0]])"));

    // Unnamed style and empty text: "style" null and an empty text, which a new label reads back
    // as empty rather than as its initial caption.
    KIVQLabel plain;
    plain.setText(QString());
    out = Json::Value(Json::objectValue);
    plain.serializeJsonValue(&out, false);
    QVERIFY(out.isMember("style") && out["style"].isNull());
    QCOMPARE(out["attr"]["text"].asString(), std::string());
    KIVQLabel reloaded;
    reloaded.readJsonValue(&out);
    QVERIFY(reloaded.text().isEmpty());

    // The initial caption is not written; an element without "text" leaves the text alone.
    KIVQLabel fresh;
    out = Json::Value(Json::objectValue);
    fresh.serializeJsonValue(&out, false);
    QVERIFY(!out.isMember("attr"));
    Json::Value noText = parseJson(R"({"attr": {}})");
    label.readJsonValue(&noText);
    QCOMPARE(label.text(), QStringLiteral("Beds"));
}

void tst_KIVQLabel::themeRefreshKeepsText()
{
    QWidget window;
    auto* label = new KIVQLabel(&window);
    label->setText(QStringLiteral("Occupancy 92%"));
    QVERIFY(loadThemeFor(window, R"({"style": [{"type": 2, "name": "themeTitle", "clr": "ff00aa00", "size": 15}]})",
                         R"({"elements": [{"child": [{"name": "qtlabel", "style": [["themeTitle", 2, 0]],
                             "attr": {"text": "from the theme"}}]}]})"));
    QCOMPARE(label->getTextStyle(CtrlNormal).name, QStringLiteral("themeTitle"));
    QCOMPARE(label->font().pixelSize(), 15);
    QCOMPARE(label->getText(), QStringLiteral("Occupancy 92%"));

    // A label made under the theme takes its style but shows the constructor's text.
    KIVQLabel fresh;
    QCOMPARE(fresh.text(), QStringLiteral("label"));
    QCOMPARE(fresh.getTextStyle(CtrlNormal).name, QStringLiteral("themeTitle"));
}

QTEST_MAIN(tst_KIVQLabel)
#include "tst_KIVQLabel.moc"
