#include "core/ControlInfo.h"
#include "core/StyleTypes.h"

#include <QtTest>

using namespace KIVQtLib;

// Members that start defined, and copies that keep every flag.
class tst_StyleTypes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillDefaults();
    void copiesKeepEveryFlag();
    void propertyDefDefaults();
};

// Members that start defined, never as stack garbage.
void tst_StyleTypes::fillDefaults()
{
    const FillStyle f;
    QVERIFY(!f.res.flag);
    for (int m : f.imageDesc.margins)
        QCOMPARE(m, 0);
    QVERIFY(!f.imageDesc.repeatCenter);
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
    QVERIFY(!d.quadGetter && !d.quadSetter); // unbound accessors are empty, not dangling
    QVERIFY(!d.target);
    QVERIFY(d.valueText.isEmpty());
}

QTEST_MAIN(tst_StyleTypes)
#include "tst_StyleTypes.moc"
