// The embedded fonts: registered from the program itself, picked by the font
// functions, and narrow enough that every flask label fits the 92-pixel flask.

#include "resources/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void registersEmbeddedFamilies();
    void windowFontIsEmbeddedSans();
    void frameCaptionFontIsBoldWindowFont();
    void flaskLabelFontIsEmbeddedSerif();
    void widestLabelsFitTheFlask_data();
    void widestLabelsFitTheFlask();
    void labelsAreLegibleHeight();
};

void tst_Fonts::registersEmbeddedFamilies()
{
    QVERIFY(registerBrimlowFonts());
    QVERIFY(registerBrimlowFonts()); // again: nothing more to do
    const QStringList families = QFontDatabase::families();
    QVERIFY(families.contains(QStringLiteral("Liberation Sans")));
    QVERIFY(families.contains(QStringLiteral("Liberation Serif")));
}

void tst_Fonts::windowFontIsEmbeddedSans()
{
    const QFontInfo info(windowFont());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.pixelSize(), 11);
    QVERIFY(!info.bold());
}

void tst_Fonts::frameCaptionFontIsBoldWindowFont()
{
    const QFontInfo info(frameCaptionFont());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(info.pixelSize(), 11);
    QVERIFY(info.bold());
}

void tst_Fonts::flaskLabelFontIsEmbeddedSerif()
{
    const QFontInfo info(flaskLabelFont());
    QCOMPARE(info.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(info.pixelSize(), 8);
    QVERIFY(!info.bold());
}

void tst_Fonts::widestLabelsFitTheFlask_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("endBefore");

    // Left labels start at column 8 and must end before the right labels' first column, 50.
    QTest::newRow("left, grouped") << 8 << "900,000" << 50;
    QTest::newRow("left, large exponent") << 8 << "9.0E+37" << 50;
    QTest::newRow("left, small exponent") << 8 << "9.0E-38" << 50;
    QTest::newRow("left, small plain") << 8 << " 0.0009 " << 50;

    // Right labels at the columns chosen by their length must end inside the picture.
    QTest::newRow("right, scientific large") << 50 << "8.88E+37" << 92;
    QTest::newRow("right, scientific small") << 50 << "8.88E-38" << 92;
    QTest::newRow("right, eight characters") << 51 << "88,888.8" << 92;
    QTest::newRow("right, rounded to eight") << 51 << "10,000.0" << 92;
    QTest::newRow("right, seven characters") << 56 << "8,888.8" << 92;
    QTest::newRow("right, rounded to seven") << 56 << "1,000.0" << 92;
    QTest::newRow("right, below one") << 57 << "0.8888" << 92;
    QTest::newRow("right, five characters") << 62 << "888.8" << 92;
    QTest::newRow("right, rounded to five") << 62 << "100.0" << 92;
    QTest::newRow("right, four characters") << 67 << "88.8" << 92;
    QTest::newRow("right, rounded to four") << 67 << "10.0" << 92;
    QTest::newRow("right, three characters") << 71 << "8.8" << 92;
}

void tst_Fonts::widestLabelsFitTheFlask()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, endBefore);
    const QFontMetrics metrics(flaskLabelFont());
    // Every digit is as wide as the widest, so "8" stands for any digit.
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1))
        QCOMPARE(metrics.horizontalAdvance(digit), metrics.horizontalAdvance(u'8'));
    const int end = column + metrics.horizontalAdvance(text);
    QVERIFY2(end <= endBefore, qPrintable(QStringLiteral("\"%1\" ends at column %2").arg(text).arg(end)));
}

void tst_Fonts::labelsAreLegibleHeight()
{
    const QFontMetrics metrics(flaskLabelFont());
    // Digits need a few pixels of height to read; the labels of neighbouring
    // graduations (21 rows apart) must not run into each other.
    QVERIFY(metrics.tightBoundingRect(QStringLiteral("0123456789")).height() >= 5);
    QVERIFY(metrics.height() < 21);
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
