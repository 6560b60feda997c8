#include "maskregion.h"

#include <QTest>

class tst_MaskRegion final : public QObject
{
    Q_OBJECT

private slots:
    void keepsEveryPixelOfAnotherColour();
    void allSeeThroughIsEmpty();
    void ignoresAlpha();
};

void tst_MaskRegion::keepsEveryPixelOfAnotherColour()
{
    const QRgb grey = qRgb(190, 190, 190);
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(grey);
    image.setPixel(1, 0, qRgb(0, 0, 0));
    image.setPixel(2, 0, qRgb(191, 190, 190)); // one step off is still shown
    image.setPixel(7, 3, qRgb(255, 255, 255));
    const QRegion region = maskregion::visibleRegion(image, grey);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x)
            QCOMPARE(region.contains(QPoint(x, y)), image.pixel(x, y) != grey);
    }
}

void tst_MaskRegion::allSeeThroughIsEmpty()
{
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    QVERIFY(maskregion::visibleRegion(image, qRgb(1, 2, 3)).isEmpty());
    QVERIFY(maskregion::visibleRegion(QImage(), 0).isEmpty());
}

void tst_MaskRegion::ignoresAlpha()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(10, 20, 31, 255));
    const QRegion region = maskregion::visibleRegion(image, qRgb(10, 20, 30));
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(region.contains(QPoint(1, 0)));
}

QTEST_APPLESS_MAIN(tst_MaskRegion)
#include "tst_maskregion.moc"
