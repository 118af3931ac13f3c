// What the readers say about what they ignored, in the "kiv.json" category.

#include "TestControl.h"
#include "TestSupport.h"

#include "core/KIVQPageLoader.h"
#include "core/KIVQtLib.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace KIVQtLib;
using namespace TestSupport;

namespace {

QStringList g_messages;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && context.category && QByteArray(context.category) == "kiv.json")
        g_messages << message;
}

// The kiv.json warnings given while action runs.
template <class Action> QStringList warningsOf(Action action)
{
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    action();
    qInstallMessageHandler(previous);
    return g_messages;
}

enum Case
{
    PageDoesNotParse,
    JsonDataDoesNotParse,
    UnknownTypeInPage,
    MissingStyleOncePerName,
    RepeatedRegistration,
    WrongTypeIsSilent
};

} // namespace

class tst_JsonWarnings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void warns_data();
    void warns();

private:
    QTemporaryDir m_dir;
};

void tst_JsonWarnings::initTestCase()
{
    init();
    kivRegisterControl<TestControl>({}, true);
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("broken.json")), R"({"elements": [{"type": )"));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ward.json")),
                      R"({"elements": [{"type": "qttestcontrol", "child": [{"type": "qttestcontrol"},
                                                                         {"type": "nosuchtype"}]}]})"));
}

void tst_JsonWarnings::warns_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("expected"); // patterns, in order
    QTest::newRow("a page that does not parse names the file and the parser's reason")
        << int(PageDoesNotParse) << QStringList{"^Document .*broken does not parse: .+"};
    QTest::newRow("a jsonData text that does not parse names the control type")
        << int(JsonDataDoesNotParse) << QStringList{"^Document jsonData of qttestcontrol does not parse: .+"};
    QTest::newRow("an unknown type names the document and the element's path")
        << int(UnknownTypeInPage)
        << QStringList{"^Unknown control type nosuchtype at .*ward: elements\\[0\\]/child\\[1\\]$"};
    QTest::newRow("a missing style is named once however often it is asked for")
        << int(MissingStyleOncePerName)
        << QStringList{"^Style noSuchFill is not in the style store$", "^Style noSuchText is not in the style store$"};
    QTest::newRow("a second registration of a name is reported")
        << int(RepeatedRegistration)
        << QStringList{"^Control type qttestcontrol registered again; the later registration replaces it$"};
    QTest::newRow("a value of the wrong type is absent, without a word") << int(WrongTypeIsSilent) << QStringList{};
}

void tst_JsonWarnings::warns()
{
    QFETCH(int, which);
    QFETCH(QStringList, expected);
    QWidget host;
    const QStringList got = warningsOf([&] {
        switch (Case(which)) {
        case PageDoesNotParse:
            QVERIFY(!kivCreatePageByFileName(&host, m_dir.filePath(QStringLiteral("broken"))));
            break;
        case JsonDataDoesNotParse: {
            TestControl c;
            c.setJsonData(QStringLiteral("{\"attr\": "));
            QCOMPARE(c.jsonData(), QStringLiteral("{\"attr\": "));
            break;
        }
        case UnknownTypeInPage:
            kivCreatePageByFileName(&host, m_dir.filePath(QStringLiteral("ward")));
            QCOMPARE(host.findChildren<TestControl*>().size(), 2);
            break;
        case MissingStyleOncePerName:
            for (int i = 0; i < 3; ++i) {
                TestControl c;
                Json::Value e = parseJson(R"({"style": [["noSuchFill", 1, 0], ["noSuchText", 2, 1]]})");
                QVERIFY(c.readJsonValue(&e));
            }
            break;
        case RepeatedRegistration:
            kivRegisterControl<TestControl>({}, true);
            break;
        case WrongTypeIsSilent: {
            TestControl c;
            Json::Value e = parseJson(R"({"attr": {"count": "seven", "flag": [1]}, "style": "none"})");
            QVERIFY(c.readJsonValue(&e));
            QCOMPARE(c.d()->count, 0);
            break;
        }
        }
    });
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(QRegularExpression(expected[i]).match(got[i]).hasMatch(), qPrintable(got[i]));
}

QTEST_MAIN(tst_JsonWarnings)
#include "tst_JsonWarnings.moc"
