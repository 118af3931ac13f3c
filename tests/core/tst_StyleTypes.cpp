#include "core/ControlInfo.h"
#include "core/StyleTypes.h"

#include <QtTest>

using namespace KIVQtLib;

// Defaults that stored themes and designers rely on.
class tst_StyleTypes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillDefaults();
    void textDefaults();
    void copiesKeepEveryFlag();
    void propertyDefDefaults();
};

void tst_StyleTypes::fillDefaults()
{
    const FillStyle f;
    QVERIFY(!f.isText);
    QVERIFY(f.draw);
    QVERIFY(f.colourFill);
    QCOMPARE(f.res.colour, QColor(255, 255, 255, 255));
    QCOMPARE(f.res.colour2, QColor(255, 255, 255, 255));
    QCOMPARE(f.res.borderColour, QColor(128, 128, 128, 255));
    QVERIFY(!f.res.border);
    QCOMPARE(f.res.round, 0);
    QVERIFY(!f.res.flag); // starts defined, never as stack garbage
    for (int m : f.imageDesc.margins)
        QCOMPARE(m, 0);
    QVERIFY(!f.imageDesc.repeatCenter);
}

void tst_StyleTypes::textDefaults()
{
    const TextStyleDesc t;
    QVERIFY(t.isText);
    QCOMPARE(t.size, 12);
    QCOMPARE(t.colour, QColor(Qt::black));
    QCOMPARE(t.horAlign, 0);
    QCOMPARE(t.verAlign, 1);
    QVERIFY(t.singleline);
    QVERIFY(t.isHor);
    QVERIFY(t.elideMode != 3);
    QVERIFY(!t.family.isEmpty());

    const IconStyleDesc i;
    QCOMPARE(i.horAlign, 1);
    QCOMPARE(i.verAlign, 1);
    QVERIFY(!i.recolour);
}

void tst_StyleTypes::copiesKeepEveryFlag()
{
    FillStyle f;
    f.res.leftBorder = false;
    f.res.bottomBorder = false;
    f.res.roundTopRight = false;
    f.res.roundBottomLeft = false;
    f.res.border = true;
    const FillStyle copy = f;
    QVERIFY(copy == f);
    QVERIFY(!copy.res.leftBorder && copy.res.topBorder && copy.res.rightBorder && !copy.res.bottomBorder);
    QVERIFY(copy.res.roundTopLeft && !copy.res.roundTopRight && copy.res.roundBottomRight && !copy.res.roundBottomLeft);
    FillStyle other = f;
    other.res.roundBottomLeft = true;
    QVERIFY(other != f);
}

void tst_StyleTypes::propertyDefDefaults()
{
    const PropertyDef d;
    QCOMPARE(d.minimum, -10000);
    QCOMPARE(d.maximum, 10000);
    QVERIFY(!d.quadGetter && !d.quadSetter); // unbound accessors are empty, not dangling
    QVERIFY(!d.target);
    QVERIFY(d.valueText.isEmpty());
}

QTEST_MAIN(tst_StyleTypes)
#include "tst_StyleTypes.moc"
