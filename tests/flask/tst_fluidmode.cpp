// The fluid mode read from the five options: the first selected in the order
// Aqua, Red, Sparkle, Yellow, Level Marker Only.

#include "flask/fluidmode.h"

#include <QtTest>

Q_DECLARE_METATYPE(FluidMode)

class tst_FluidMode : public QObject
{
    Q_OBJECT

private slots:
    void firstSelectedWins_data();
    void firstSelectedWins();
    void colours_data();
    void colours();
};

void tst_FluidMode::firstSelectedWins_data()
{
    QTest::addColumn<bool>("aqua");
    QTest::addColumn<bool>("red");
    QTest::addColumn<bool>("sparkle");
    QTest::addColumn<bool>("yellow");
    QTest::addColumn<bool>("level");
    QTest::addColumn<FluidMode>("mode");
    QTest::newRow("none selected") << false << false << false << false << false << FluidMode::None;
    QTest::newRow("aqua alone") << true << false << false << false << false << FluidMode::Aqua;
    QTest::newRow("red alone") << false << true << false << false << false << FluidMode::Red;
    QTest::newRow("sparkle alone") << false << false << true << false << false << FluidMode::Sparkle;
    QTest::newRow("yellow alone") << false << false << false << true << false << FluidMode::Yellow;
    QTest::newRow("level alone") << false << false << false << false << true << FluidMode::LevelMarker;
    QTest::newRow("aqua before all") << true << true << true << true << true << FluidMode::Aqua;
    QTest::newRow("red before sparkle") << false << true << true << false << false << FluidMode::Red;
    QTest::newRow("sparkle before yellow") << false << false << true << true << false << FluidMode::Sparkle;
    QTest::newRow("yellow before level") << false << false << false << true << true << FluidMode::Yellow;
}

void tst_FluidMode::firstSelectedWins()
{
    QFETCH(bool, aqua);
    QFETCH(bool, red);
    QFETCH(bool, sparkle);
    QFETCH(bool, yellow);
    QFETCH(bool, level);
    QFETCH(FluidMode, mode);
    QCOMPARE(fluidModeOf(aqua, red, sparkle, yellow, level), mode);
}

void tst_FluidMode::colours_data()
{
    QTest::addColumn<FluidMode>("mode");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("aqua") << FluidMode::Aqua << qRgb(0, 255, 255);
    QTest::newRow("red") << FluidMode::Red << qRgb(255, 0, 0);
    QTest::newRow("yellow") << FluidMode::Yellow << qRgb(255, 255, 0);
    QTest::newRow("level line black") << FluidMode::LevelMarker << qRgb(0, 0, 0);
}

void tst_FluidMode::colours()
{
    QFETCH(FluidMode, mode);
    QFETCH(QRgb, colour);
    QCOMPARE(fluidColour(mode), colour);
}

QTEST_APPLESS_MAIN(tst_FluidMode)
#include "tst_fluidmode.moc"
