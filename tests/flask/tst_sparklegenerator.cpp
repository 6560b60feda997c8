// The sparkle colours' generator: uniform on [0, 1) in single precision, the
// same from every fresh start, and the 16-colour palette it picks from.

#include "flask/sparklegenerator.h"

#include <QtTest>

class tst_SparkleGenerator : public QObject
{
    Q_OBJECT

private slots:
    void startsTheSameEveryTime();
    void wholeCycleStaysBelowOneAndIsUniform();
    void indicesCoverZeroToSpan_data();
    void indicesCoverZeroToSpan();
    void palette_data();
    void palette();
};

void tst_SparkleGenerator::startsTheSameEveryTime()
{
    SparkleGenerator a;
    SparkleGenerator b;
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(a.next(), b.next());
}

void tst_SparkleGenerator::wholeCycleStaysBelowOneAndIsUniform()
{
    SparkleGenerator generator;
    const float first = generator.next();
    constexpr int period = 1 << 24;
    double sum = 0;
    QList<int> tenths(10, 0);
    float r = first;
    for (int i = 0; i < period; ++i) {
        if (!(r >= 0.0f && r < 1.0f))
            QFAIL(qPrintable(QStringLiteral("%1 out of range after %2 draws").arg(double(r)).arg(i)));
        sum += r;
        ++tenths[int(r * 10)];
        r = generator.next();
    }
    // Every 24-bit state comes once, so the mean and the tenths are exact.
    QCOMPARE(r, first);
    QCOMPARE(sum / period, 0.5 - 0.5 / period);
    for (int count : tenths)
        QVERIFY(qAbs(count - period / 10) <= 1);
}

void tst_SparkleGenerator::indicesCoverZeroToSpan_data()
{
    QTest::addColumn<int>("span");
    QTest::newRow("span 10") << 10;
    QTest::newRow("span 12") << 12;
}

void tst_SparkleGenerator::indicesCoverZeroToSpan()
{
    QFETCH(int, span);
    SparkleGenerator generator;
    QList<int> counts(span + 1, 0);
    constexpr int draws = 120000;
    for (int i = 0; i < draws; ++i) {
        const int index = generator.nextIndex(span);
        QVERIFY(index >= 0 && index <= span);
        ++counts[index];
    }
    const double middle = double(draws) / span;
    QVERIFY(qAbs(counts[0] - middle / 2) < middle * 0.1);
    QVERIFY(qAbs(counts[span] - middle / 2) < middle * 0.1);
    for (int i = 1; i < span; ++i)
        QVERIFY(qAbs(counts[i] - middle) < middle * 0.1);
}

void tst_SparkleGenerator::palette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("0 black") << 0 << qRgb(0, 0, 0);
    QTest::newRow("1 dark blue") << 1 << qRgb(0, 0, 128);
    QTest::newRow("2 dark green") << 2 << qRgb(0, 128, 0);
    QTest::newRow("3 dark cyan") << 3 << qRgb(0, 128, 128);
    QTest::newRow("4 dark red") << 4 << qRgb(128, 0, 0);
    QTest::newRow("5 dark magenta") << 5 << qRgb(128, 0, 128);
    QTest::newRow("6 dark yellow") << 6 << qRgb(128, 128, 0);
    QTest::newRow("7 light grey") << 7 << qRgb(192, 192, 192);
    QTest::newRow("8 grey") << 8 << qRgb(128, 128, 128);
    QTest::newRow("9 blue") << 9 << qRgb(0, 0, 255);
    QTest::newRow("10 green") << 10 << qRgb(0, 255, 0);
    QTest::newRow("11 cyan") << 11 << qRgb(0, 255, 255);
    QTest::newRow("12 red") << 12 << qRgb(255, 0, 0);
    QTest::newRow("out of range") << 16 << qRgb(0, 0, 0);
}

void tst_SparkleGenerator::palette()
{
    QFETCH(int, index);
    QFETCH(QRgb, colour);
    QCOMPARE(sparklePaletteColour(index), colour);
}

QTEST_APPLESS_MAIN(tst_SparkleGenerator)
#include "tst_sparklegenerator.moc"
