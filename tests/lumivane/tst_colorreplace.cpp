#include "colorreplace.h"

#include <QTest>

class tst_ColorReplace final : public QObject
{
    Q_OBJECT

private slots:
    void replacesOnlyTheColour_data();
    void replacesOnlyTheColour();
    void keepsAlphaOfArgbSurfaces();
    void convertsOtherFormats();
    void emptyImageStaysEmpty();
};

void tst_ColorReplace::replacesOnlyTheColour_data()
{
    QTest::addColumn<QRgb>("from");
    QTest::addColumn<QRgb>("to");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<QRgb>("replaced");

    QTest::newRow("black foreground gives the new colour")
        << qRgb(190, 190, 190) << qRgb(255, 0, 0) << qRgb(0, 0, 0) << qRgb(255, 0, 0);
    QTest::newRow("equal colours with black foreground change nothing")
        << qRgb(190, 190, 190) << qRgb(190, 190, 190) << qRgb(0, 0, 0) << qRgb(190, 190, 190);
    QTest::newRow("white foreground keeps the old bits")
        << qRgb(0x0F, 0xF0, 0x33) << qRgb(0x30, 0x03, 0x00) << qRgb(255, 255, 255) << qRgb(0x3F, 0xF3, 0x33);
    QTest::newRow("coloured foreground masks the old colour")
        << qRgb(0xFF, 0xFF, 0x00) << qRgb(0x00, 0x00, 0x80) << qRgb(0x0F, 0xF0, 0xFF)
        << qRgb(0x0F, 0xF0, 0x80);
}

void tst_ColorReplace::replacesOnlyTheColour()
{
    QFETCH(QRgb, from);
    QFETCH(QRgb, to);
    QFETCH(QRgb, foreground);
    QFETCH(QRgb, replaced);

    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(0, 0, from);
    image.setPixel(2, 1, from);
    const QRgb neighbour = qRgb(from & 0xFF, 7, 9); // shares a byte with from, still another colour
    image.setPixel(1, 0, neighbour);

    colorreplace::replaceColor(image, from, to, foreground);

    QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, replaced & 0xFFFFFF);
    QCOMPARE(image.pixel(2, 1) & 0xFFFFFF, replaced & 0xFFFFFF);
    if (neighbour != from)
        QCOMPARE(image.pixel(1, 0), neighbour);
    QCOMPARE(image.pixel(1, 1), qRgb(1, 2, 3));
}

void tst_ColorReplace::keepsAlphaOfArgbSurfaces()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 128));
    colorreplace::replaceColor(image, qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(0, 0), qRgba(200, 100, 50, 128));
}

void tst_ColorReplace::convertsOtherFormats()
{
    QImage image(2, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    colorreplace::replaceColor(image, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(1, 0), qRgb(0, 255, 0));
}

void tst_ColorReplace::emptyImageStaysEmpty()
{
    QImage image;
    colorreplace::replaceColor(image, 0, 0, 0);
    QVERIFY(image.isNull());
}

QTEST_APPLESS_MAIN(tst_ColorReplace)
#include "tst_colorreplace.moc"
