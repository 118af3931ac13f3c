#include "ControlTestHelpers.h"

#include "core/KIVQtLib.h"
#include "core/StateStyles.h"

#include <QtTest>

using namespace KIVQtLib;
using namespace ControlTest;

namespace {

QStringList names(const StateStyles<FillStyle>& styles)
{
    QStringList out;
    for (int s = 0; s < kStateCount; ++s)
        out << styles.get(s).name;
    return out;
}

// element["style"] into a run of four fills starting at code 2, as a control reads it.
void readFillRun(const Json::Value& element, StateStyles<FillStyle>& styles)
{
    for (const StyleEntry& entry : readStyleEntries(element))
        applyStateEntry(styles, 2, entry);
}

} // namespace

class tst_StateStyles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void stateRule();
    void readRun_data();
    void readRun();
    void twoItemEntryIsSkipped();
    void writeRun_data();
    void writeRun();
    void emptyWriterReplacesStaleStyle_data();
    void emptyWriterReplacesStaleStyle();
};

void tst_StateStyles::initTestCase()
{
    kivSetFillStyle(QStringLiteral("red"), namedFill(QStringLiteral("red"), 0xffff0000));
    kivSetFillStyle(QStringLiteral("blue"), namedFill(QStringLiteral("blue"), 0xff0000ff));
    kivSetFillStyle(QStringLiteral("twin"), namedFill(QStringLiteral("twin"), 0xffff0000)); // looks like red
}

void tst_StateStyles::stateRule()
{
    StateStyles<FillStyle> styles;
    QVERIFY(styles.set(kAllStates, namedFill(QStringLiteral("all"), 0)));
    QVERIFY(styles.set(CtrlPressed, namedFill(QStringLiteral("pressed"), 0)));
    QVERIFY(!styles.set(5, namedFill(QStringLiteral("five"), 0)));
    QVERIFY(!styles.set(-1, namedFill(QStringLiteral("minus"), 0)));
    QCOMPARE(names(styles), (QStringList{"all", "all", "pressed", "all"}));
    QCOMPARE(styles.get(-7).name, QStringLiteral("all"));
    QCOMPARE(styles.get(99).name, QStringLiteral("all"));
    QCOMPARE(styles.get(3).name, QStringLiteral("all"));
}

void tst_StateStyles::readRun_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("written"); // the run written back

    const QString e;
    QTest::newRow("first code sets all four")
        << QByteArray(R"({"style": [["red", 1, 2]]})") << QStringList{"red", "red", "red", "red"}
        << QByteArray(R"([["red",1,2]])");
    QTest::newRow("later code overrides one state")
        << QByteArray(R"({"style": [["red", 1, 2], ["blue", 1, 4]]})") << QStringList{"red", "red", "blue", "red"}
        << QByteArray(R"([["red",1,2],["red",1,3],["blue",1,4],["red",1,5]])");
    QTest::newRow("first code after a single state wins")
        << QByteArray(R"({"style": [["blue", 1, 4], ["red", 1, 2]]})") << QStringList{"red", "red", "red", "red"}
        << QByteArray(R"([["red",1,2]])");
    QTest::newRow("codes outside the run are ignored")
        << QByteArray(R"({"style": [["red", 1, 1], ["red", 1, 6], ["red", 1, -1]]})") << QStringList{e, e, e, e}
        << QByteArray("null");
    // Kept over the look the state had, so that a save writes the reference back as it was read.
    QTest::newRow("a name the store lacks is kept in its state")
        << QByteArray(R"({"style": [["red", 1, 2], ["missing", 1, 3]]})") << QStringList{"red", "missing", "red", "red"}
        << QByteArray(R"([["red",1,2],["missing",1,3],["red",1,4],["red",1,5]])");
    QTest::newRow("a first code the store lacks is kept in all four")
        << QByteArray(R"({"style": [["missing", 1, 2]]})") << QStringList{"missing", "missing", "missing", "missing"}
        << QByteArray(R"([["missing",1,2]])");
    QTest::newRow("an empty name leaves the name a state has")
        << QByteArray(R"({"style": [["red", 1, 2], ["", 1, 3], [null, 1, 4]]})")
        << QStringList{"red", "red", "red", "red"} << QByteArray(R"([["red",1,2]])");
    QTest::newRow("the kind is not consulted")
        << QByteArray(R"({"style": [["blue", 2, 2]]})") << QStringList{"blue", "blue", "blue", "blue"}
        << QByteArray(R"([["blue",1,2]])");
    QTest::newRow("malformed entries are skipped")
        << QByteArray(R"({"style": [["red", 1], "blue", [[3], 1, 2], ["blue", 1, "3"], {"a": 1}]})")
        << QStringList{e, e, e, e} << QByteArray("null");
    QTest::newRow("style that is not an array")
        << QByteArray(R"({"style": {"red": 2}})") << QStringList{e, e, e, e} << QByteArray("null");
}

void tst_StateStyles::readRun()
{
    QFETCH(QByteArray, element);
    QFETCH(QStringList, expected);
    QFETCH(QByteArray, written);
    // Each state with a look of its own, as a theme entry may give them.
    StateStyles<FillStyle> styles;
    for (int s = 0; s < kStateCount; ++s)
        styles.set(s, namedFill(QString(), 0xff000000 + s));
    readFillRun(parseJson(element), styles);
    QCOMPARE(names(styles), expected);
    // A style the store holds brings its look; where it holds none of them, every state keeps its own.
    const bool anyHeld = expected.contains("red") || expected.contains("blue");
    for (int s = 0; s < kStateCount; ++s) {
        if (expected.at(s) == "red" || expected.at(s) == "blue")
            QCOMPARE(styles.get(s).res.colour, QColor(expected.at(s)));
        else if (!anyHeld)
            QCOMPARE(styles.get(s).res.colour, QColor::fromRgba(0xff000000 + s));
    }
    StyleWriter writer;
    writer.states(styles, 2);
    Json::Value out(Json::objectValue);
    writer.store(out, true);
    QCOMPARE(compactJson(out["style"]), written);
}

// Read as code 0 it would restyle the first slot of most controls.
void tst_StateStyles::twoItemEntryIsSkipped()
{
    const QVector<StyleEntry> entries = readStyleEntries(parseJson(R"({"style": [["blue", 1, 0], ["red", 1]]})"));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().name, QStringLiteral("blue"));
}

void tst_StateStyles::writeRun_data()
{
    QTest::addColumn<QStringList>("stateNames");
    QTest::addColumn<QByteArray>("expected");

    const QString e;
    QTest::newRow("four states agree") << QStringList{"red", "red", "red", "red"} << QByteArray(R"([["red",1,2]])");
    QTest::newRow("one named state differs") << QStringList{"red", "blue", "red", "red"}
                                             << QByteArray(R"([["red",1,2],["blue",1,3],["red",1,4],["red",1,5]])");
    QTest::newRow("same look under another name")
        << QStringList{"red", "red", "twin", "red"}
        << QByteArray(R"([["red",1,2],["red",1,3],["twin",1,4],["red",1,5]])");
    QTest::newRow("only the normal state named") << QStringList{"red", e, e, e} << QByteArray(R"([["red",1,2]])");
    QTest::newRow("unnamed normal state")
        << QStringList{e, "blue", e, "blue"} << QByteArray(R"([["blue",1,3],["blue",1,5]])");
    QTest::newRow("differing states not side by side")
        << QStringList{"red", e, "blue", "blue"} << QByteArray(R"([["red",1,2],["blue",1,4],["blue",1,5]])");
    QTest::newRow("nothing named") << QStringList{e, e, e, e} << QByteArray("null");
}

void tst_StateStyles::writeRun()
{
    QFETCH(QStringList, stateNames);
    QFETCH(QByteArray, expected);

    StateStyles<FillStyle> styles;
    for (int s = 0; s < kStateCount; ++s) {
        FillStyle f = namedFill(QString(), 0xff00ff00); // unnamed states have a look of their own
        if (!stateNames.at(s).isEmpty())
            QVERIFY(kivGetFillStyle(stateNames.at(s), f));
        styles.set(s, f);
    }
    StyleWriter writer;
    writer.states(styles, 2);
    Json::Value element(Json::objectValue);
    writer.store(element, true);
    QCOMPARE(compactJson(element["style"]), expected);

    // Reading the entries back gives every named state its own style again.
    StateStyles<FillStyle> back;
    readFillRun(element, back);
    for (int s = 0; s < kStateCount; ++s) {
        if (!stateNames.at(s).isEmpty())
            QCOMPARE(back.get(s).name, stateNames.at(s));
    }
}

void tst_StateStyles::emptyWriterReplacesStaleStyle_data()
{
    QTest::addColumn<bool>("evenWhenEmpty");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("removed") << false << QByteArray(R"({"x":1})");
    QTest::newRow("written as null") << true << QByteArray(R"({"style":null,"x":1})");
}

void tst_StateStyles::emptyWriterReplacesStaleStyle()
{
    QFETCH(bool, evenWhenEmpty);
    QFETCH(QByteArray, expected);
    Json::Value element = parseJson(R"({"style": [["red", 1, 2]], "x": 1})");
    StyleWriter().store(element, evenWhenEmpty);
    QCOMPARE(compactJson(element), expected);
}

QTEST_MAIN(tst_StateStyles)
#include "tst_StateStyles.moc"
