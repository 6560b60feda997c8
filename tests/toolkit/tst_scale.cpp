#include "Formkit/scale.h"

#include <QTest>

using Formkit::Scale;

// A surface of 96 x 48 pixels: 1440 x 720 twips, one inch by half an inch.
namespace {
const QSize area(96, 48);
}

class tst_Scale final : public QObject
{
    Q_OBJECT

private slots:
    void onePartMakesAUserScaleOfTheScaleInForce_data();
    void onePartMakesAUserScaleOfTheScaleInForce();
    void userScaleMapsBothWays();
    void modeAloneKeepsTheLastUserExtents();
};

void tst_Scale::onePartMakesAUserScaleOfTheScaleInForce_data()
{
    QTest::addColumn<Scale::Mode>("mode");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::newRow("twips") << Scale::Mode::Twip << 1440.0f << 720.0f;
    QTest::newRow("inches") << Scale::Mode::Inch << 1.0f << 0.5f;
    QTest::newRow("characters, 120 by 240 twips") << Scale::Mode::Character << 12.0f << 3.0f;
}

void tst_Scale::onePartMakesAUserScaleOfTheScaleInForce()
{
    QFETCH(Scale::Mode, mode);
    QFETCH(float, width);
    QFETCH(float, height);
    Scale scale(mode);
    scale.setLeft(10, area);
    QCOMPARE(scale.mode(), Scale::Mode::User);
    QCOMPARE(scale.left(), 10.0f);
    QCOMPARE(scale.top(), 0.0f);
    QCOMPARE(scale.width(area), width);
    QCOMPARE(scale.height(area), height);
    // The user scale no longer follows the surface.
    QCOMPARE(scale.width(area * 2), width);
}

void tst_Scale::userScaleMapsBothWays()
{
    Scale scale(Scale::Mode::Pixel);
    scale.set(10, 20, 34, 32); // 24 x 12 units over 96 x 48 pixels
    QCOMPARE(scale.toPixels(QPointF(16, 26), area), QPointF(24, 24));
    QCOMPARE(scale.fromPixels(QPointF(24, 24), area), QPointF(16, 26));
}

void tst_Scale::modeAloneKeepsTheLastUserExtents()
{
    Scale scale(Scale::Mode::Pixel);
    scale.set(0, 0, 50, 25);
    scale.setMode(Scale::Mode::Twip);
    QCOMPARE(scale.width(area), 1440.0f);
    scale.setMode(Scale::Mode::User);
    QCOMPARE(scale.width(area), 50.0f);
    QCOMPARE(scale.height(area), 25.0f);
}

QTEST_APPLESS_MAIN(tst_Scale)
#include "tst_scale.moc"
