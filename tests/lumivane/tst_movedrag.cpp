#include "movedrag.h"

#include <QTest>

#include <limits>

class tst_MoveDrag final : public QObject
{
    Q_OBJECT

private slots:
    void offsetRoundsHalfToEven_data();
    void offsetRoundsHalfToEven();
    void offsetStopsAtThe32BitEnds();
    void positionAddsTheOffset();
    void twipsPerPixelOfTheScreen_data();
    void twipsPerPixelOfTheScreen();
    void stylesThatShowAnOutlineOrMoveLive();
};

void tst_MoveDrag::offsetRoundsHalfToEven_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<float>("perPixel");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<qint32>("offset");
    QTest::newRow("whole twips") << 4660.0 << 15.0f << 300 << qint32(160);
    QTest::newRow("half down to even") << 2.5 << 1.0f << 0 << qint32(2);
    QTest::newRow("half up to even") << 3.5 << 1.0f << 0 << qint32(4);
    QTest::newRow("negative half to even") << 0.0 << 12.5f << 1 << qint32(-12);
    QTest::newRow("negative half away to even") << 0.0 << 12.5f << 3 << qint32(-38);
    QTest::newRow("fraction below half") << 1000.0 << float(1440.0 / 110) << 7 << qint32(908);
    QTest::newRow("cursor left of the screen") << 0.0 << 15.0f << -20 << qint32(300);
}

void tst_MoveDrag::offsetRoundsHalfToEven()
{
    QFETCH(double, position);
    QFETCH(float, perPixel);
    QFETCH(int, cursor);
    QFETCH(qint32, offset);
    QCOMPARE(movedrag::offset(position, perPixel, cursor), offset);
}

void tst_MoveDrag::offsetStopsAtThe32BitEnds()
{
    QCOMPARE(movedrag::offset(1e12, 15.0f, 0), std::numeric_limits<qint32>::max());
    QCOMPARE(movedrag::offset(-1e12, 15.0f, 0), std::numeric_limits<qint32>::min());
    QCOMPARE(movedrag::offset(std::numeric_limits<double>::quiet_NaN(), 15.0f, 0), 0);
}

void tst_MoveDrag::positionAddsTheOffset()
{
    QCOMPARE(movedrag::position(15.0f, 310, 160), 4810.0);
    // Passed on unrounded: a container in other units keeps the fraction.
    QCOMPARE(movedrag::position(12.5f, 3, -12), 25.5);
}

void tst_MoveDrag::twipsPerPixelOfTheScreen_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<float>("perPixel");
    QTest::newRow("96 dots per inch") << qreal(96) << 15.0f;
    QTest::newRow("120 dots per inch") << qreal(120) << 12.0f;
    QTest::newRow("144 dots per inch") << qreal(144) << 10.0f;
    QTest::newRow("nothing reported") << qreal(0) << 15.0f;
}

void tst_MoveDrag::twipsPerPixelOfTheScreen()
{
    QFETCH(qreal, dpi);
    QFETCH(float, perPixel);
    QCOMPARE(movedrag::twipsPerPixel(dpi), perPixel);
}

void tst_MoveDrag::stylesThatShowAnOutlineOrMoveLive()
{
    QVERIFY(movedrag::movesLive(0) && !movedrag::showsOutline(0));
    QVERIFY(!movedrag::movesLive(1) && movedrag::showsOutline(1));
    QVERIFY(movedrag::movesLive(2) && movedrag::showsOutline(2));
    QVERIFY(!movedrag::movesLive(3) && !movedrag::showsOutline(3));
    QVERIFY(!movedrag::movesLive(-1) && !movedrag::showsOutline(-1));
}

QTEST_APPLESS_MAIN(tst_MoveDrag)
#include "tst_movedrag.moc"
