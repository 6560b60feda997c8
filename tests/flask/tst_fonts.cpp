// The embedded fonts: registered from the program itself and picked by the font
// functions; and the flask labels' pixel face, narrow enough that every label
// ends before the right ticks, with a shape of its own for every character.

#include "resources/fonts.h"
#include "resources/labelface.h"

#include <QFontDatabase>
#include <QFontInfo>
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
    void everyLabelCharacterHasItsOwnShape();
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

    // Right labels at the columns chosen by their length must end before column
    // 79, a blank column before the ticks at 80.
    QTest::newRow("right, scientific large") << 50 << "8.88E+37" << 79;
    QTest::newRow("right, scientific small") << 50 << "8.88E-38" << 79;
    QTest::newRow("right, eight characters") << 51 << "88,888.8" << 79;
    QTest::newRow("right, rounded to eight") << 51 << "10,000.0" << 79;
    QTest::newRow("right, eight rounded to nine") << 51 << "100,000.0" << 79;
    QTest::newRow("right, seven characters") << 56 << "8,888.8" << 79;
    QTest::newRow("right, rounded to seven") << 56 << "1,000.0" << 79;
    QTest::newRow("right, below one") << 57 << "0.8888" << 79;
    QTest::newRow("right, five characters") << 62 << "888.8" << 79;
    QTest::newRow("right, rounded to five") << 62 << "100.0" << 79;
    QTest::newRow("right, four characters") << 67 << "88.8" << 79;
    QTest::newRow("right, rounded to four") << 67 << "10.0" << 79;
    QTest::newRow("right, three characters") << 71 << "8.8" << 79;
}

void tst_Fonts::widestLabelsFitTheFlask()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, endBefore);
    // "8" stands for any digit: the label with every 8 put as another digit is
    // no wider.
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        QString label = text;
        label.replace(QLatin1Char('8'), QChar(digit));
        QVERIFY(labelface::inkWidth(label) <= labelface::inkWidth(text));
    }
    const int end = column + labelface::inkWidth(text);
    QVERIFY2(end <= endBefore, qPrintable(QStringLiteral("\"%1\" ends at column %2").arg(text).arg(end)));
}

namespace {

QImage drawn(const QString &text)
{
    QImage image(40, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    labelface::draw(image, QPoint(1, 1), text, qRgb(0, 0, 0));
    return image;
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

void tst_Fonts::labelsAreLegibleHeight()
{
    // Digits need a few pixels of height to read; they start below the tick on
    // the label's top row, and the labels of neighbouring graduations (21 rows
    // apart) must not run into each other.
    const QRect digits = inkBounds(drawn(QStringLiteral("0123456789")));
    QVERIFY(digits.height() >= 5);
    QVERIFY(digits.top() >= 1 + 2);
    QVERIFY(inkBounds(drawn(QStringLiteral("1,000"))).bottom() < 1 + 21 - 2);
}

void tst_Fonts::everyLabelCharacterHasItsOwnShape()
{
    const QString characters = QStringLiteral("0123456789.,E+-");
    for (const QChar c : characters) {
        const QImage glyph = drawn(QString(c));
        QVERIFY2(inkBounds(glyph).isValid(), qPrintable(QString(c)));
        for (const QChar other : characters) {
            if (other != c)
                QVERIFY2(drawn(QString(other)) != glyph, qPrintable(QString(c) + QLatin1Char(' ') + other));
        }
    }
    // The blank sets nothing but moves the next character on.
    QVERIFY(!inkBounds(drawn(QStringLiteral(" "))).isValid());
    QVERIFY(inkBounds(drawn(QStringLiteral(" 1"))).left() > inkBounds(drawn(QStringLiteral("1"))).left());
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
