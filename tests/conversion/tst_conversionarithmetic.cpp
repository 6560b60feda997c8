#include "conversion/conversionarithmetic.h"

#include <QSet>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(ConversionPath)
Q_DECLARE_METATYPE(ConversionFault)

class tst_ConversionArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void rejections_data();
    void rejections();
    void pathIsForcedByCaller();
    void dataEntryMessageNamesEachFault_data();
    void dataEntryMessageNamesEachFault();
    void resultTextWritesEveryStep();
    void resultText_data();
    void resultText();
    void levelRowOfFractions_data();
    void levelRowOfFractions();
};

void tst_ConversionArithmetic::conversions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("fromFactor");
    QTest::addColumn<float>("toFactor");
    QTest::addColumn<ConversionPath>("path");
    QTest::addColumn<float>("volume");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("exponent"); // of the path taken
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("row");

    const auto one = ConversionPath::AtLeastOne;
    const auto below = ConversionPath::BelowOne;
    QTest::newRow("volume 1") << "1" << 1.0f << 1.0f << one << 1.0f << "1" << 1 << 0.1f << 210;
    QTest::newRow("volume 0.5") << "0.5" << 1.0f << 1.0f << below << 0.5f << "0.5" << 0 << 0.5f << 125;
    QTest::newRow("volume 0.05") << "0.05" << 1.0f << 1.0f << below << 0.05f << "0.05" << 1 << 0.5f << 125;
    QTest::newRow("volume 9.4") << "9.4" << 1.0f << 1.0f << one << 9.4f << "9.4" << 1 << 0.94f << 30;
    QTest::newRow("volume 9.6 rounds to 10")
        << "9.6" << 1.0f << 1.0f << one << 9.6f << "9.6" << 2 << 0.096f << 211;
    QTest::newRow("volume 0") << "0" << 1.0f << 1.0f << below << 0.0f << "0" << 0 << 0.0f << 232;
    QTest::newRow("volume 1.006 read as 1.01")
        << "1.006" << 1.0f << 1.0f << one << 1.01f << "1.01" << 1 << 0.101f << 210;
    QTest::newRow("volume 0.006 at full precision")
        << "0.006" << 1.0f << 1.0f << below << 0.006f << "0.006" << 2 << 0.6f << 103;
    QTest::newRow("volume 2500000000")
        << "2500000000" << 1.0f << 1.0f << one << 2.5e9f << "2,500,000,000" << 10 << 0.25f << 178;
    QTest::newRow("volume 350") << "350" << 1.0f << 1.0f << one << 350.0f << "350" << 3 << 0.35f << 157;
    QTest::newRow("volume 999.6 rounds to 1000")
        << "999.6" << 1.0f << 1.0f << one << 999.6f << "999.6" << 4 << 0.09996f << 210;
    QTest::newRow("volume 10.5") << "10.5" << 1.0f << 1.0f << one << 10.5f << "10.5" << 2 << 0.105f << 209;
    QTest::newRow("grouped volume read in full")
        << "1,234.5" << 1.0f << 1.0f << one << 1234.5f << "1,234.5" << 4 << 0.12345f << 205;
    QTest::newRow("volume 0.00123") << "0.00123" << 1.0f << 1.0f << below << 0.00123f << "0.00123" << 2
                                    << 0.123f << 205;
    QTest::newRow("volume 0.00001 in exponent form")
        << "0.00001" << 1.0f << 1.0f << below << 1e-5f << "0.00001" << 0 << 1e-5f << 231;
    QTest::newRow("volume 0.0001 three zeros")
        << "0.0001" << 1.0f << 1.0f << below << 1e-4f << "0.0001" << 3 << 0.1f << 210;
    QTest::newRow("point after a digit is numeric")
        << "1." << 1.0f << 1.0f << one << 1.0f << "1" << 1 << 0.1f << 210;
    QTest::newRow("negative zero is zero")
        << "-0" << 1.0f << 1.0f << below << 0.0f << "0" << 0 << 0.0f << 232;
    QTest::newRow("result 0.99999 uses ten decimals")
        << "0.99999" << 1.0f << 1.0f << below << 0.99999f << "0.99999" << 0 << 0.99999f << 18;
    QTest::newRow("From unit multiplies")
        << "1" << 3.785411784f << 1.0f << one << 1.0f << "3.7854" << 1 << 0.1f << 210;
    QTest::newRow("To unit divides") << "2" << 1.0f << 4.0f << one << 2.0f << "0.5" << 1 << 0.2f << 189;
    QTest::newRow("result from the single held")
        << "1" << 1234.56789f << 1.0f << one << 1.0f << "1,234.568" << 1 << 0.1f << 210;
    QTest::newRow("small result shows ten decimals")
        << "1" << 0.000264172f << 1.0f << one << 1.0f << "0.000264172" << 1 << 0.1f << 210;
    QTest::newRow("typed exponent by paste")
        << "5e-1" << 1.0f << 1.0f << below << 0.5f << "0.5" << 0 << 0.5f << 125;
    QTest::newRow("largest scale that fits a single")
        << "9e37" << 1.0f << 1.0f << one << 9e37f << "90,000,000,000,000,000,000,000,000,000,000,000,000"
        << 38 << 0.9f << 39;
}

void tst_ConversionArithmetic::conversions()
{
    QFETCH(QString, text);
    QFETCH(float, fromFactor);
    QFETCH(float, toFactor);
    QFETCH(ConversionPath, path);
    QFETCH(float, volume);
    QFETCH(QString, result);
    QFETCH(int, exponent);
    QFETCH(float, fraction);
    QFETCH(int, row);

    QCOMPARE(conversionPathFor(text), path);
    const ConversionOutcome outcome = convertVolume(text, fromFactor, toFactor);
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.path, path);
    QCOMPARE(outcome.volumeValue, volume);
    QCOMPARE(outcome.resultText(), result);
    QCOMPARE(path == ConversionPath::AtLeastOne ? outcome.scaleExponent : outcome.fractionScaleExponent,
        qint16(exponent));
    QCOMPARE(outcome.levelFraction, fraction);
    QCOMPARE(outcome.fluidTopRow, row);
}

void tst_ConversionArithmetic::rejections_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("fromFactor");
    QTest::addColumn<float>("toFactor");
    QTest::addColumn<ConversionPath>("path");
    QTest::addColumn<ConversionFault>("fault");

    const auto one = ConversionPath::AtLeastOne;
    const auto below = ConversionPath::BelowOne;
    QTest::newRow("empty text") << "" << 1.0f << 1.0f << below << ConversionFault::EmptyVolume;
    QTest::newRow("blanks only") << "   " << 1.0f << 1.0f << below << ConversionFault::EmptyVolume;
    QTest::newRow("lone point") << "." << 1.0f << 1.0f << below << ConversionFault::NotNumeric;
    QTest::newRow("two points") << "1.2.3" << 1.0f << 1.0f << one << ConversionFault::ExtraPoint;
    QTest::newRow("two points below 1") << "0.5.1" << 1.0f << 1.0f << below << ConversionFault::ExtraPoint;
    QTest::newRow("two lone points") << ".." << 1.0f << 1.0f << below << ConversionFault::ExtraPoint;
    QTest::newRow("letters after digits") << "12abc" << 1.0f << 1.0f << one << ConversionFault::NotNumeric;
    QTest::newRow("negative below 1") << "-0.5" << 1.0f << 1.0f << below << ConversionFault::Negative;
    QTest::newRow("negative whole number") << "-5" << 1.0f << 1.0f << below << ConversionFault::Negative;
    // A size of 0 is a unit whose lookup failed.
    QTest::newRow("To size 0 above 1") << "1" << 1.0f << 0.0f << one << ConversionFault::NoUnitSize;
    QTest::newRow("To size 0 below 1") << "0.5" << 1.0f << 0.0f << below << ConversionFault::NoUnitSize;
    QTest::newRow("From size 0") << "5" << 0.0f << 1.0f << one << ConversionFault::NoUnitSize;
    QTest::newRow("scale top beyond a single")
        << "1e38" << 1.0f << 1.0f << one << ConversionFault::VolumeOutOfRange;
    QTest::newRow("volume beyond a single")
        << "1e39" << 1.0f << 1.0f << one << ConversionFault::VolumeOutOfRange;
    QTest::newRow("volume beyond 64 bits")
        << "1e400" << 1.0f << 1.0f << one << ConversionFault::VolumeOutOfRange;
    QTest::newRow("negative beyond 64 bits")
        << "-1e400" << 1.0f << 1.0f << below << ConversionFault::Negative;
    QTest::newRow("result beyond a single")
        << "1000" << 1e36f << 1e-3f << one << ConversionFault::ResultOutOfRange;
    QTest::newRow("result beyond a single below 1")
        << "0.5" << 3e38f << 1e-3f << below << ConversionFault::ResultOutOfRange;
    QTest::newRow("From size not a number")
        << "1" << std::numeric_limits<float>::quiet_NaN() << 1.0f << one << ConversionFault::ResultOutOfRange;
}

void tst_ConversionArithmetic::rejections()
{
    QFETCH(QString, text);
    QFETCH(float, fromFactor);
    QFETCH(float, toFactor);
    QFETCH(ConversionPath, path);
    QFETCH(ConversionFault, fault);

    QCOMPARE(conversionPathFor(text), path);
    const ConversionOutcome outcome = convertVolume(text, fromFactor, toFactor);
    QCOMPARE(outcome.fault, fault);
    QVERIFY(!outcome.ok());
    QVERIFY(outcome.resultWrites.isEmpty());
}

void tst_ConversionArithmetic::dataEntryMessageNamesEachFault_data()
{
    QTest::addColumn<ConversionFault>("fault");
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral("Please enter a valid number for volume.");
    QTest::newRow("empty box") << ConversionFault::EmptyVolume << QStringLiteral("Please enter a volume.");
    QTest::newRow("more than one point")
        << ConversionFault::ExtraPoint << invalid + QStringLiteral("\r\nUse only one decimal point.");
    QTest::newRow("other text") << ConversionFault::NotNumeric << invalid;
    QTest::newRow("negative") << ConversionFault::Negative
                              << invalid + QStringLiteral("\r\nA volume cannot be less than zero.");
    QTest::newRow("volume too large")
        << ConversionFault::VolumeOutOfRange
        << invalid + QStringLiteral("\r\nThe volume is too large: use less than 1E+38.");
    QTest::newRow("result too large")
        << ConversionFault::ResultOutOfRange
        << QStringLiteral("Please enter a smaller volume.\r\nIts converted volume is too large to show.");
    // A unit without a size was told by the unit lists: no message of its own.
    QTest::newRow("no unit size") << ConversionFault::NoUnitSize << QString();
    QTest::newRow("no fault") << ConversionFault::None << QString();
}

void tst_ConversionArithmetic::dataEntryMessageNamesEachFault()
{
    QFETCH(ConversionFault, fault);
    QFETCH(QString, message);
    QCOMPARE(dataEntryMessage(fault), message);
}

void tst_ConversionArithmetic::pathIsForcedByCaller()
{
    // Each path validates on its own: a caller may run either on any text.
    QCOMPARE(convertAtLeastOne(u"", 1.0f, 1.0f).fault, ConversionFault::EmptyVolume);
    const ConversionOutcome below = convertBelowOne(u"0.5", 1.0f, 1.0f);
    QCOMPARE(below.path, ConversionPath::BelowOne);
    QCOMPARE(below.scaleExponent, qint16(0));
    const ConversionOutcome above = convertAtLeastOne(u"5", 1.0f, 1.0f);
    QCOMPARE(above.path, ConversionPath::AtLeastOne);
    QCOMPARE(above.fractionScaleExponent, qint16(0));
}

void tst_ConversionArithmetic::resultTextWritesEveryStep()
{
    QCOMPARE(resultTextWrites(2.5f), (QStringList { "2.5000", "2.500", "2.50", "2.5" }));
    QCOMPARE(resultTextWrites(1.0f), (QStringList { "1.0000", "1.000", "1.00", "1.0", "1.", "1" }));
    QCOMPARE(resultTextWrites(0.1234567f),
        (QStringList { "0.1234567000", "0.123456700", "0.12345670", "0.1234567" }));
}

void tst_ConversionArithmetic::resultText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0.264172") << 0.264172f << "0.264172";
    QTest::newRow("exactly 1 uses four decimals") << 1.0f << "1";
    QTest::newRow("2.5") << 2.5f << "2.5";
    QTest::newRow("1234.56789 held as a single") << 1234.56789f << "1,234.568";
    QTest::newRow("0") << 0.0f << "0";
    QTest::newRow("0.99999") << 0.99999f << "0.99999";
    QTest::newRow("four decimals round") << 1.23456f << "1.2346";
    QTest::newRow("ten decimals round") << 0.00000000004f << "0";
    QTest::newRow("nearest single to 0.1") << 0.1f << "0.1";
}

void tst_ConversionArithmetic::resultText()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(::resultText(value), expected);
}

void tst_ConversionArithmetic::levelRowOfFractions_data()
{
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("row");

    QTest::newRow("empty") << 0.0f << 232;
    QTest::newRow("full") << 1.0f << 18;
    QTest::newRow("a tenth as a single") << 0.1f << 210;
    QTest::newRow("half") << 0.5f << 125;
    QTest::newRow("tiny fraction leaves the zero row") << 1e-5f << 231;
}

void tst_ConversionArithmetic::levelRowOfFractions()
{
    QFETCH(float, fraction);
    QFETCH(int, row);
    QCOMPARE(levelRow(fraction), row);
}

QTEST_APPLESS_MAIN(tst_ConversionArithmetic)
#include "tst_conversionarithmetic.moc"
