#include "conversion/graduationlayout.h"

#include <QTest>

Q_DECLARE_METATYPE(ScaleVariant)
Q_DECLARE_METATYPE(LabelColour)

class tst_GraduationLayout : public QObject
{
    Q_OBJECT

private slots:
    void rows();
    void rightLabelsOfScaleTops_data();
    void rightLabelsOfScaleTops();
    void colours_data();
    void colours();
    void leftLabels_data();
    void leftLabels();
    void leftLabelsOfScaleTops_data();
    void leftLabelsOfScaleTops();
    void leftLabelsOfEveryLargeScale();
    void rightLabels_data();
    void rightLabels();
    void valuesBeyondSingleHaveNoText();
};

void tst_GraduationLayout::rows()
{
    const int expected[] = { 232, 210, 189, 167, 146, 125, 103, 82, 60, 39, 18 };
    for (int k = 0; k <= 10; ++k)
        QCOMPARE(graduationRow(k), expected[k]);
    const GraduationLayout layout = graduationLayout(ScaleVariant::Large, 1, 0, 1.0f, 1.0f, false);
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(layout[k - 1].k, k);
        QCOMPARE(layout[k - 1].row, expected[k]);
    }
}

void tst_GraduationLayout::rightLabelsOfScaleTops_data()
{
    QTest::addColumn<ScaleVariant>("variant");
    QTest::addColumn<int>("exponent"); // scaleExponent, or fractionScaleExponent for the small scale
    QTest::addColumn<float>("toFactor"); // the From unit's size is 1
    QTest::addColumn<QStringList>("labels"); // graduations 1 to 10
    QTest::addColumn<QList<int>>("columns");

    const auto large = ScaleVariant::Large;
    const auto small = ScaleVariant::Small;
    QTest::newRow("10, same units") << large << 1 << 1.0f
                                    << QStringList { "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0",
                                           "9.0", "10.0" }
                                    << QList<int> { 71, 71, 71, 71, 71, 71, 71, 71, 71, 67 };
    QTest::newRow("10^6, same units")
        << large << 6 << 1.0f
        << QStringList { "1.00E+05", "2.00E+05", "3.00E+05", "4.00E+05", "5.00E+05", "6.00E+05", "7.00E+05",
               "8.00E+05", "9.00E+05", "1.00E+06" }
        << QList<int>(10, 50);
    QTest::newRow("1, same units") << small << 0 << 1.0f
                                   << QStringList { "0.1000", "0.2000", "0.3000", "0.4000", "0.5000",
                                          "0.6000", "0.7000", "0.8000", "0.9000", "1.0" }
                                   << QList<int> { 57, 57, 57, 57, 57, 57, 57, 57, 57, 71 };
    QTest::newRow("1, To unit 10,000 times the From")
        << small << 0 << 10000.0f
        << QStringList { "1.00E-05", "2.00E-05", "3.00E-05", "4.00E-05", "5.00E-05", "6.00E-05", "7.00E-05",
               "8.00E-05", "9.00E-05", "1.00E-04" }
        << QList<int>(10, 50);
}

void tst_GraduationLayout::rightLabelsOfScaleTops()
{
    QFETCH(ScaleVariant, variant);
    QFETCH(int, exponent);
    QFETCH(float, toFactor);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, columns);
    const GraduationLayout layout
        = graduationLayout(variant, qint16(exponent), qint16(exponent), 1.0f, toFactor, false);
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(layout[k - 1].rightText, labels[k - 1]);
        QCOMPARE(layout[k - 1].rightColumn, columns[k - 1]);
    }
}

void tst_GraduationLayout::colours_data()
{
    QTest::addColumn<bool>("contrast");
    QTest::addColumn<LabelColour>("odd");
    QTest::addColumn<LabelColour>("even");

    QTest::newRow("red or sparkle") << true << LabelColour::Yellow << LabelColour::White;
    QTest::newRow("yellow, aqua or level marker") << false << LabelColour::Black << LabelColour::Black;
}

void tst_GraduationLayout::colours()
{
    QFETCH(bool, contrast);
    QFETCH(LabelColour, odd);
    QFETCH(LabelColour, even);
    for (ScaleVariant variant : { ScaleVariant::Large, ScaleVariant::Small }) {
        const GraduationLayout layout = graduationLayout(variant, 2, 1, 1.0f, 1.0f, contrast);
        for (const GraduationLabel &label : layout)
            QCOMPARE(label.colour, label.k % 2 == 1 ? odd : even);
    }
}

void tst_GraduationLayout::leftLabels_data()
{
    QTest::addColumn<ScaleVariant>("variant");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<int>("fractionScaleExponent");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("expected");

    const auto large = ScaleVariant::Large;
    const auto small = ScaleVariant::Small;
    QTest::newRow("100 on the scale to 1000") << large << 3 << 0 << 1 << "100";
    QTest::newRow("1,000 on the scale to 10^4") << large << 4 << 0 << 1 << "1,000";
    QTest::newRow("30,000,000 in exponent form") << large << 8 << 0 << 3 << "3.0E+7";
    QTest::newRow("scale top 10^38") << large << 38 << 0 << 10 << "1.0E+38";
    QTest::newRow("scale to 0.01") << small << 0 << 2 << 3 << " 0.003 ";
    QTest::newRow("scale to 0.0001 in exponent form") << small << 0 << 4 << 1 << " 1E-05 ";
    QTest::newRow("fraction exponent 5, k 3") << small << 0 << 5 << 3 << "3.0E-6";
    QTest::newRow("fraction exponent 5, k 10") << small << 0 << 5 << 10 << "1.0E-5";
    QTest::newRow("fraction exponent 7, k 9") << small << 0 << 7 << 9 << "9.0E-8";
    QTest::newRow("small scale ignores the large exponent") << small << 9 << 0 << 5 << " 0.5 ";
}

void tst_GraduationLayout::leftLabels()
{
    QFETCH(ScaleVariant, variant);
    QFETCH(int, scaleExponent);
    QFETCH(int, fractionScaleExponent);
    QFETCH(int, k);
    QFETCH(QString, expected);
    const GraduationLayout layout
        = graduationLayout(variant, qint16(scaleExponent), qint16(fractionScaleExponent), 1.0f, 1.0f, false);
    QCOMPARE(layout[k - 1].leftText, expected);
}

void tst_GraduationLayout::leftLabelsOfScaleTops_data()
{
    QTest::addColumn<ScaleVariant>("variant");
    QTest::addColumn<int>("exponent"); // scaleExponent, or fractionScaleExponent for the small scale
    QTest::addColumn<QStringList>("labels"); // graduations 1 to 10

    const auto large = ScaleVariant::Large;
    const auto small = ScaleVariant::Small;
    QTest::newRow("1") << small << 0
                       << QStringList { " 0.1 ", " 0.2 ", " 0.3 ", " 0.4 ", " 0.5 ", " 0.6 ", " 0.7 ",
                              " 0.8 ", " 0.9 ", " 1 " };
    QTest::newRow("0.1") << small << 1
                         << QStringList { " 0.01 ", " 0.02 ", " 0.03 ", " 0.04 ", " 0.05 ", " 0.06 ",
                                " 0.07 ", " 0.08 ", " 0.09 ", " 0.1 " };
    QTest::newRow("0.0001") << small << 4
                            << QStringList { " 1E-05 ", " 2E-05 ", " 3E-05 ", " 4E-05 ", " 5E-05 ", " 6E-05 ",
                                   " 7E-05 ", " 8E-05 ", " 9E-05 ", " 0.0001 " };
    QTest::newRow("0.00001") << small << 5
                             << QStringList { "1.0E-6", "2.0E-6", "3.0E-6", "4.0E-6", "5.0E-6", "6.0E-6",
                                    "7.0E-6", "8.0E-6", "9.0E-6", "1.0E-5" };
    QTest::newRow("10") << large << 1 << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" };
    QTest::newRow("10^3") << large << 3
                          << QStringList { "100", "200", "300", "400", "500", "600", "700", "800", "900",
                                 "1,000" };
    QTest::newRow("10^6") << large << 6
                          << QStringList { "100,000", "200,000", "300,000", "400,000", "500,000", "600,000",
                                 "700,000", "800,000", "900,000", "1.0E+6" };
    QTest::newRow("10^9") << large << 9
                          << QStringList { "1.0E+8", "2.0E+8", "3.0E+8", "4.0E+8", "5.0E+8", "6.0E+8",
                                 "7.0E+8", "8.0E+8", "9.0E+8", "1.0E+9" };
    QTest::newRow("10^10") << large << 10
                           << QStringList { "1.0E+9", "2.0E+9", "3.0E+9", "4.0E+9", "5.0E+9", "6.0E+9",
                                  "7.0E+9", "8.0E+9", "9.0E+9", "1.0E+10" };
    QTest::newRow("10^28") << large << 28
                           << QStringList { "1.0E+27", "2.0E+27", "3.0E+27", "4.0E+27", "5.0E+27", "6.0E+27",
                                  "7.0E+27", "8.0E+27", "9.0E+27", "1.0E+28" };
    QTest::newRow("10^29") << large << 29
                           << QStringList { "1.0E+28", "2.0E+28", "3.0E+28", "4.0E+28", "5.0E+28", "6.0E+28",
                                  "7.0E+28", "8.0E+28", "9.0E+28", "1.0E+29" };
    QTest::newRow("10^38") << large << 38
                           << QStringList { "1.0E+37", "2.0E+37", "3.0E+37", "4.0E+37", "5.0E+37", "6.0E+37",
                                  "7.0E+37", "8.0E+37", "9.0E+37", "1.0E+38" };
}

void tst_GraduationLayout::leftLabelsOfScaleTops()
{
    QFETCH(ScaleVariant, variant);
    QFETCH(int, exponent);
    QFETCH(QStringList, labels);
    const GraduationLayout layout
        = graduationLayout(variant, qint16(exponent), qint16(exponent), 1.0f, 1.0f, false);
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(layout[k - 1].leftText, labels[k - 1]);
}

void tst_GraduationLayout::leftLabelsOfEveryLargeScale()
{
    // A volume of 1 or more puts the scale's top anywhere from 10^1 to 10^38. At
    // k < 10 the label starts with the digit k and stands for k × 10^(n - 1);
    // at 10 it is one more power of ten. Up to six digits it is written out
    // with grouping, beyond that as the digit, ".0E+" and the power.
    const auto expected = [](int digit, int power) {
        if (power > 5)
            return QStringLiteral("%1.0E+%2").arg(digit).arg(power);
        QString text = QString::number(digit) + QString(power, QLatin1Char('0'));
        for (qsizetype at = text.size() - 3; at > 0; at -= 3)
            text.insert(at, QLatin1Char(','));
        return text;
    };
    for (int n = 1; n <= 38; ++n) {
        const GraduationLayout layout
            = graduationLayout(ScaleVariant::Large, qint16(n), 0, 1.0f, 1.0f, false);
        for (int k = 1; k <= 10; ++k) {
            const QString want = k < 10 ? expected(k, n - 1) : expected(1, n);
            QVERIFY2(layout[k - 1].leftText == want,
                qPrintable(QStringLiteral("scale 10^%1, k %2: %3, not %4")
                               .arg(n)
                               .arg(k)
                               .arg(layout[k - 1].leftText, want)));
        }
    }
}

void tst_GraduationLayout::rightLabels_data()
{
    // Graduation 1 of the scale to 10 stands for 1 From unit, so the right label
    // shows the factor ratio itself.
    QTest::addColumn<float>("ratio");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");

    QTest::newRow("3.5") << 3.5f << "3.5" << 71;
    QTest::newRow("9.96 rounds to 10.0") << 9.96f << "10.0" << 67;
    QTest::newRow("26.4") << 26.4f << "26.4" << 67;
    QTest::newRow("99.96 rounds to 100.0") << 99.96f << "100.0" << 62;
    QTest::newRow("264.2") << 264.2f << "264.2" << 62;
    QTest::newRow("999.96 rounds to 1,000.0") << 999.96f << "1,000.0" << 56;
    QTest::newRow("2641.7 grouped") << 2641.7f << "2,641.7" << 56;
    QTest::newRow("9999.96 rounds to 10,000.0") << 9999.96f << "10,000.0" << 51;
    QTest::newRow("26417.2") << 26417.2f << "26,417.2" << 51;
    QTest::newRow("99999.96 has no second choice") << 99999.96f << "100,000.0" << 51;
    QTest::newRow("123456.7 in exponent form") << 123456.7f << "1.23E+05" << 50;
    QTest::newRow("1 exactly") << 1.0f << "1.0" << 71;
    QTest::newRow("0.2642") << 0.26417f << "0.2642" << 57;
    QTest::newRow("0.001 still four decimals") << 0.001f << "0.0010" << 57;
    QTest::newRow("below 0.001 in exponent form") << 0.000264f << "2.64E-04" << 50;
}

void tst_GraduationLayout::rightLabels()
{
    QFETCH(float, ratio);
    QFETCH(QString, text);
    QFETCH(int, column);
    const GraduationLayout layout = graduationLayout(ScaleVariant::Large, 1, 0, ratio, 1.0f, false);
    QCOMPARE(layout[0].rightText, text);
    QCOMPARE(layout[0].rightColumn, column);
}

void tst_GraduationLayout::valuesBeyondSingleHaveNoText()
{
    // The scale to 10^38 fits a Single; converted tenfold its top does not.
    const GraduationLayout converted = graduationLayout(ScaleVariant::Large, 38, 0, 10.0f, 1.0f, false);
    QCOMPARE(converted[0].rightText, QStringLiteral("1.00E+38"));
    QVERIFY(converted[9].rightText.isEmpty());
    QCOMPARE(converted[9].leftText, QStringLiteral("1.0E+38"));

    const GraduationLayout beyond = graduationLayout(ScaleVariant::Large, 39, 0, 1.0f, 1.0f, false);
    QVERIFY(beyond[9].leftText.isEmpty());
    QVERIFY(beyond[9].rightText.isEmpty());

    const GraduationLayout noToSize = graduationLayout(ScaleVariant::Large, 1, 0, 1.0f, 0.0f, false);
    for (const GraduationLabel &label : noToSize) {
        QVERIFY(!label.leftText.isEmpty());
        QVERIFY(label.rightText.isEmpty());
    }
}

QTEST_APPLESS_MAIN(tst_GraduationLayout)
#include "tst_graduationlayout.moc"
