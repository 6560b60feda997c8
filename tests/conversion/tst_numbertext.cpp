#include "conversion/numbertext.h"

#include <QTest>

#include <limits>

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void groupedFixedSingle_data();
    void groupedFixedSingle();
    void groupedFixedDouble_data();
    void groupedFixedDouble();
    void fixed_data();
    void fixed();
    void scientific_data();
    void scientific();
    void generalSingle_data();
    void generalSingle();
    void generalDouble_data();
    void generalDouble();
    void generalLong_data();
    void generalLong();
    void leading_data();
    void leading();
    void numeric_data();
    void numeric();
    void trim_data();
    void trim();
    void trimSteps();
    void nonFiniteHaveNoText();
};

void tst_NumberText::groupedFixedSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1234.5 with 4") << 1234.5f << 4 << "1,234.5000";
    QTest::newRow("0.5 with 10") << 0.5f << 10 << "0.5000000000";
    QTest::newRow("100000 with 0") << 100000.0f << 0 << "100,000";
    QTest::newRow("nearest single to 0.1 shows 0.1") << 0.1f << 10 << "0.1000000000";
    QTest::newRow("1234.56789 from seven digits") << 1234.56789f << 4 << "1,234.5680";
    QTest::newRow("0.264172 with 10") << 0.264172f << 10 << "0.2641720000";
    QTest::newRow("half below 4 decimals rounds up") << 0.00005f << 4 << "0.0001";
    QTest::newRow("just under half rounds down") << 0.00004999f << 4 << "0.0000";
    QTest::newRow("half of 2.5 away from zero") << 2.5f << 0 << "3";
    QTest::newRow("half of 3.5 away from zero") << 3.5f << 0 << "4";
    QTest::newRow("negative half away from zero") << -2.5f << 0 << "-3";
    QTest::newRow("carry into a new group") << 9999.5f << 0 << "10,000";
    QTest::newRow("carry through all decimals") << 0.99999999f << 4 << "1.0000";
    QTest::newRow("zero") << 0.0f << 4 << "0.0000";
    QTest::newRow("negative zero has no sign") << -0.0f << 4 << "0.0000";
    QTest::newRow("tiny negative rounds to unsigned zero") << -0.00001f << 4 << "0.0000";
    QTest::newRow("tenth decimal") << 1e-10f << 10 << "0.0000000001";
    QTest::newRow("half of the tenth decimal") << 5e-11f << 10 << "0.0000000001";
    QTest::newRow("below the tenth decimal") << 4e-11f << 10 << "0.0000000000";
    QTest::newRow("no digits beyond single precision") << 123456789.0f << 4 << "123,456,800.0000";
    QTest::newRow("million grouped twice") << 1000000.0f << 1 << "1,000,000.0";
    QTest::newRow("three digits not grouped") << 999.0f << 2 << "999.00";
    QTest::newRow("largest decade of a single")
        << 3e38f << 0 << "300,000,000,000,000,000,000,000,000,000,000,000,000";
    QTest::newRow("negative grouped") << -1234.5f << 1 << "-1,234.5";
}

void tst_NumberText::groupedFixedSingle()
{
    QFETCH(float, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(groupedFixedText(value, decimals), expected);
}

void tst_NumberText::groupedFixedDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1.006 to two decimals") << 1.006 << 2 << "1.01";
    QTest::newRow("1.005 rounds from its decimal text") << 1.005 << 2 << "1.01";
    QTest::newRow("1.0049 rounds down") << 1.0049 << 2 << "1.00";
    QTest::newRow("grouped with two decimals") << 1234567.891 << 2 << "1,234,567.89";
    QTest::newRow("whole number") << 9.6 << 2 << "9.60";
    QTest::newRow("two and a half billion") << 2500000000.0 << 2 << "2,500,000,000.00";
    QTest::newRow("fifteen digits kept") << 123456789012.345 << 3 << "123,456,789,012.345";
}

void tst_NumberText::groupedFixedDouble()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(groupedFixedText(value, decimals), expected);
}

void tst_NumberText::fixed_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1234.5") << 1234.5f << "1234.50";
    QTest::newRow("1") << 1.0f << "1.00";
    QTest::newRow("0.5") << 0.5f << "0.50";
    QTest::newRow("million not grouped") << 1000000.0f << "1000000.00";
    QTest::newRow("half of a hundredth up") << 0.005f << "0.01";
    QTest::newRow("under half of a hundredth") << 0.004999f << "0.00";
    QTest::newRow("carry to a longer text") << 99.999f << "100.00";
}

void tst_NumberText::fixed()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(fixedText(value), expected);
}

void tst_NumberText::scientific_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("alwaysSign");
    QTest::addColumn<QString>("expected");

    QTest::newRow("123456 with sign") << 123456.0f << true << "1.23E+05";
    QTest::newRow("123456 sign only when negative") << 123456.0f << false << "1.23E05";
    QTest::newRow("0.000123 negative exponent") << 0.000123f << false << "1.23E-04";
    QTest::newRow("0.000123 with sign") << 0.000123f << true << "1.23E-04";
    QTest::newRow("1E-05") << 1e-5f << false << "1.00E-05";
    QTest::newRow("mantissa carries into the exponent") << 999500.0f << true << "1.00E+06";
    QTest::newRow("mantissa half rounds up") << 1.235f << true << "1.24E+00";
    QTest::newRow("zero") << 0.0f << true << "0.00E+00";
    QTest::newRow("denormal") << 1e-40f << false << "1.00E-40";
    QTest::newRow("largest decade") << 3e38f << true << "3.00E+38";
    QTest::newRow("negative value") << -0.000264f << false << "-2.64E-04";
}

void tst_NumberText::scientific()
{
    QFETCH(float, value);
    QFETCH(bool, alwaysSign);
    QFETCH(QString, expected);
    QCOMPARE(scientificText(value, alwaysSign ? ExponentSign::Always : ExponentSign::WhenNegative), expected);
}

void tst_NumberText::generalSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("350") << 350.0f << " 350";
    QTest::newRow("0") << 0.0f << " 0";
    QTest::newRow("negative zero") << -0.0f << " 0";
    QTest::newRow("0.05 with a zero before the point") << 0.05f << " 0.05";
    QTest::newRow("nearest single to 0.1") << 0.1f << " 0.1";
    QTest::newRow("0.3") << 0.3f << " 0.3";
    QTest::newRow("0.0001 still plain") << 0.0001f << " 0.0001";
    QTest::newRow("0.00012345 plain") << 0.00012345f << " 0.00012345";
    QTest::newRow("just below 0.0001 in exponent form") << 9.999999e-5f << " 9.999999E-05";
    QTest::newRow("1E-05") << 1e-5f << " 1E-05";
    QTest::newRow("seven digits plain") << 1234567.0f << " 1234567";
    QTest::newRow("eight digits in exponent form") << 12345678.0f << " 1.234568E+07";
    QTest::newRow("2E+09") << 2e9f << " 2E+09";
    QTest::newRow("2.5E+09") << 2.5e9f << " 2.5E+09";
    QTest::newRow("negative without blank") << -0.5f << "-0.5";
    QTest::newRow("smallest denormal") << 1.401298e-45f << " 1.401298E-45";
    QTest::newRow("rounding to seven digits carries") << 9999999.6f << " 1E+07";
}

void tst_NumberText::generalSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(generalNumberText(value), expected);
}

void tst_NumberText::generalDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0.05") << 0.05 << " 0.05";
    QTest::newRow("0.5") << 0.5 << " 0.5";
    QTest::newRow("0.00123") << 0.00123 << " 0.00123";
    QTest::newRow("1E-05") << 1e-5 << " 1E-05";
    QTest::newRow("fifteen digits plain") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("sixteen digits in exponent form") << 1e15 << " 1E+15";
    QTest::newRow("0.1 + 0.2 at fifteen digits") << 0.1 + 0.2 << " 0.3";
    QTest::newRow("three exponent digits") << 2.5e-300 << " 2.5E-300";
    QTest::newRow("2E+09 is plain at fifteen digits") << 2e9 << " 2000000000";
}

void tst_NumberText::generalDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(generalNumberText(value), expected);
}

void tst_NumberText::generalLong_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("350") << qint32(350) << " 350";
    QTest::newRow("0") << qint32(0) << " 0";
    QTest::newRow("ten digits stay plain") << qint32(1999999999) << " 1999999999";
    QTest::newRow("negative") << qint32(-7) << "-7";
}

void tst_NumberText::generalLong()
{
    QFETCH(qint32, value);
    QFETCH(QString, expected);
    QCOMPARE(generalNumberText(value), expected);
}

void tst_NumberText::leading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("point five") << ".5" << 0.5;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("grouping comma ends it") << "1,234.5" << 1.0;
    QTest::newRow("exponent then junk") << " 1e3x" << 1000.0;
    QTest::newRow("tab and line feed skipped inside") << "\t1\n2" << 12.0;
    QTest::newRow("blanks skipped inside") << "1 2 3" << 123.0;
    QTest::newRow("blank between sign and digits") << "- .5" << -0.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("exponent mark without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("D exponent") << "2D2" << 200.0;
    QTest::newRow("negative exponent") << "1.5E-2" << 0.015;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("general text of 0.05") << " 0.05" << 0.05;
    QTest::newRow("general text in exponent form") << " 1E-05" << 1e-5;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("only tabs and line feeds") << "\n\t" << 0.0;
    QTest::newRow("carriage return is not skipped") << "1\r2" << 1.0;
}

void tst_NumberText::leading()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(leadingNumber(text), expected);
}

void tst_NumberText::numeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("one") << "1" << true << 1.0;
    QTest::newRow("trailing point") << "1." << true << 1.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << " " << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("grouped") << "1,234.5" << true << 1234.5;
    QTest::newRow("grouped twice") << "12,345,678" << true << 12345678.0;
    QTest::newRow("short group") << "1,23" << false << 0.0;
    QTest::newRow("long group") << "1,2345" << false << 0.0;
    QTest::newRow("long first group") << "1234,567" << false << 0.0;
    QTest::newRow("group after zero") << "0,500" << false << 0.0;
    QTest::newRow("leading comma") << ",5" << false << 0.0;
    QTest::newRow("group then point") << "1,000." << true << 1000.0;
    QTest::newRow("surrounding blanks") << " 42 " << true << 42.0;
    QTest::newRow("tab around") << "\t1" << false << 0.0;
    QTest::newRow("minus") << "-3" << true << -3.0;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("D exponent") << "1D-2" << true << 0.01;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("digit then letter") << "1a" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("beyond the 64-bit range") << "1e999" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
}

void tst_NumberText::numeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(isNumericText(text), numeric);
    const std::optional<double> parsed = numericValue(text);
    QCOMPARE(parsed.has_value(), numeric);
    if (numeric)
        QCOMPARE(*parsed, value);
}

void tst_NumberText::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ten decimals") << "0.2641720000"
                                  << "0.264172";
    QTest::newRow("whole number drops the point") << "1.0000"
                                                  << "1";
    QTest::newRow("zero") << "0.0000000000"
                          << "0";
    QTest::newRow("grouped") << "1,234.5680"
                             << "1,234.568";
    QTest::newRow("nothing to drop") << "2.5"
                                     << "2.5";
    QTest::newRow("other trailing separator kept") << "2,0"
                                                   << "2,";
    QTest::newRow("only one point dropped") << "5.."
                                            << "5.";
}

void tst_NumberText::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(trimResultText(text), expected);
}

void tst_NumberText::trimSteps()
{
    QCOMPARE(trimResultSteps(QStringLiteral("2.500")), (QStringList { "2.50", "2.5" }));
    QCOMPARE(trimResultSteps(QStringLiteral("50.00")), (QStringList { "50.0", "50.", "50" }));
    QVERIFY(trimResultSteps(QStringLiteral("0.25")).isEmpty());
}

void tst_NumberText::nonFiniteHaveNoText()
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QVERIFY(groupedFixedText(inf, 4).isEmpty());
    QVERIFY(groupedFixedText(nan, 4).isEmpty());
    QVERIFY(groupedFixedText(double(-inf), 2).isEmpty());
    QVERIFY(fixedText(inf).isEmpty());
    QVERIFY(scientificText(nan, ExponentSign::Always).isEmpty());
    QVERIFY(generalNumberText(inf).isEmpty());
    QVERIFY(generalNumberText(double(nan)).isEmpty());
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
