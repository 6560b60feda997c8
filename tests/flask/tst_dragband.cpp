// The mouse rows a drag of the fluid level accepts, and the row drawn from.

#include "flask/dragband.h"

#include <QtTest>

class tst_DragBand : public QObject
{
    Q_OBJECT

private slots:
    void band_data();
    void band();
    void topRowRoundsHalfToEven_data();
    void topRowRoundsHalfToEven();
};

void tst_DragBand::band_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("17.9 above the scale top") << 17.9f << 0 << false;
    QTest::newRow("18 the scale top") << 18.0f << 0 << true;
    QTest::newRow("232 the scale zero") << 232.0f << 0 << true;
    QTest::newRow("232.1 below the zero") << 232.1f << 0 << false;
    QTest::newRow("negative row") << -3.0f << 0 << false;
    QTest::newRow("18 with exponent 16") << 18.0f << 16 << true;
    QTest::newRow("18 with a negative exponent") << 18.0f << -5 << true;
    QTest::newRow("20 with exponent 17") << 20.0f << 17 << false;
    QTest::newRow("21.9 with exponent 17") << 21.9f << 17 << false;
    QTest::newRow("22 with exponent 17") << 22.0f << 17 << true;
    QTest::newRow("232 with exponent 17") << 232.0f << 17 << true;
    QTest::newRow("20 with exponent 38") << 20.0f << 38 << false;
    QTest::newRow("22 with exponent 38") << 22.0f << 38 << true;
}

void tst_DragBand::band()
{
    QFETCH(float, y);
    QFETCH(int, scaleExponent);
    QFETCH(bool, accepted);
    QCOMPARE(isInDragBand(y, qint16(scaleExponent)), accepted);
}

void tst_DragBand::topRowRoundsHalfToEven_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("row");
    QTest::newRow("100.5 to 100") << 100.5f << 100;
    QTest::newRow("101.5 to 102") << 101.5f << 102;
    QTest::newRow("18.5 to 18") << 18.5f << 18;
    QTest::newRow("231.5 to 232") << 231.5f << 232;
    QTest::newRow("100.49 down") << 100.49f << 100;
    QTest::newRow("100.51 up") << 100.51f << 101;
    QTest::newRow("whole row") << 150.0f << 150;
}

void tst_DragBand::topRowRoundsHalfToEven()
{
    QFETCH(float, y);
    QFETCH(int, row);
    QCOMPARE(dragTopRow(y), row);
}

QTEST_APPLESS_MAIN(tst_DragBand)
#include "tst_dragband.moc"
