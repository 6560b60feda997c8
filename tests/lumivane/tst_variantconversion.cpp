#include "variantconversion.h"

#include <QPixmap>
#include <QTest>

using Formkit::OleColor;

using namespace variantconversion;

class tst_VariantConversion final : public QObject
{
    Q_OBJECT

private slots:
    void integer_data();
    void integer();
    void colourKeepsSystemValues_data();
    void colourKeepsSystemValues();
    void booleanFollowsTheRuntime_data();
    void booleanFollowsTheRuntime();
    void singleOverflows();
    void pictureAcceptsImagesAndNothing();
};

void tst_VariantConversion::integer_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("errorNumber");

    QTest::newRow("in range") << QVariant(13) << 13 << 0;
    QTest::newRow("upper edge") << QVariant(32767) << 32767 << 0;
    QTest::newRow("lower edge") << QVariant(-32768) << -32768 << 0;
    QTest::newRow("40000 overflows") << QVariant(40000) << 0 << 6;
    QTest::newRow("-32769 overflows") << QVariant(-32769) << 0 << 6;
    QTest::newRow("half rounds to even down") << QVariant(2.5) << 2 << 0;
    QTest::newRow("half rounds to even up") << QVariant(3.5) << 4 << 0;
    QTest::newRow("32767.5 rounds over the edge") << QVariant(32767.5) << 0 << 6;
    QTest::newRow("numeric text") << QVariant(QStringLiteral(" 7 ")) << 7 << 0;
    QTest::newRow("True is -1") << QVariant(true) << -1 << 0;
    QTest::newRow("words are a type mismatch") << QVariant(QStringLiteral("seven")) << 0 << 13;
    QTest::newRow("a picture is a type mismatch") << QVariant(QImage()) << 0 << 13;
}

void tst_VariantConversion::integer()
{
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QFETCH(int, errorNumber);
    const Converted<qint16> result = toInteger(value);
    QCOMPARE(result.error.number, errorNumber);
    if (errorNumber == 0)
        QCOMPARE(int(result.value), expected);
}

void tst_VariantConversion::colourKeepsSystemValues_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<quint32>("expected");

    QTest::newRow("plain colour") << QVariant(0x00BEBEBE) << 0x00BEBEBEu;
    QTest::newRow("system colour as unsigned") << QVariant(0x8000000Fu) << 0x8000000Fu;
    QTest::newRow("system colour as negative Long") << QVariant(qint32(0x80000012u)) << 0x80000012u;
}

void tst_VariantConversion::colourKeepsSystemValues()
{
    QFETCH(QVariant, value);
    QFETCH(quint32, expected);
    const Converted<OleColor> result = toColour(value);
    QVERIFY(result.ok());
    QCOMPARE(result.value, expected);
}

void tst_VariantConversion::booleanFollowsTheRuntime_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("-1") << QVariant(-1) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("any other number") << QVariant(5) << true;
    QTest::newRow("text False") << QVariant(QStringLiteral("False")) << false;
    QTest::newRow("text true") << QVariant(QStringLiteral("true")) << true;
}

void tst_VariantConversion::booleanFollowsTheRuntime()
{
    QFETCH(QVariant, value);
    QFETCH(bool, expected);
    const Converted<bool> result = toBoolean(value);
    QVERIFY(result.ok());
    QCOMPARE(result.value, expected);
}

void tst_VariantConversion::singleOverflows()
{
    QCOMPARE(toSingle(QVariant(1e39)).error.number, 6);
    QCOMPARE(toSingle(QVariant(1.5)).value, 1.5f);
}

void tst_VariantConversion::pictureAcceptsImagesAndNothing()
{
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QCOMPARE(toPicture(QVariant(image)).value.size(), QSize(2, 3));
    QVERIFY(toPicture(QVariant()).ok());
    QVERIFY(toPicture(QVariant()).value.isNull());
    QCOMPARE(toPicture(QVariant(42)).error.number, 13);
}

QTEST_APPLESS_MAIN(tst_VariantConversion)
#include "tst_variantconversion.moc"
