// The fluid's pixels on a picture of the plain flask: the dot screen of each
// colour, the level line, the sparkle colours and the edges of the range.

#include "flask/flaskgeometry.h"
#include "flask/fluidrenderer.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(FluidMode)

namespace {

// A picture of the flask's size in which every pixel has a colour of its own,
// none of them a fluid or palette colour (blue 77 is neither), so any pixel
// drawn over, or left out, shows.
QImage plainFlask()
{
    QImage image(flaskgeometry::pictureWidth, flaskgeometry::pictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, 77));
    }
    return image;
}

bool onDotScreen(int x, int y, int topRow)
{
    return x >= 6 && x <= 86 && x % 2 == 0 && y % 2 == 0 && y >= topRow && y <= 232;
}

// Palette indices of the dots, in drawing order, or -1 for a colour outside the palette.
QList<int> sparkleIndices(const QImage &image, int topRow)
{
    QList<int> indices;
    for (int x = 6; x <= 86; x += 2) {
        for (int y = topRow + topRow % 2; y <= 232; y += 2) {
            int found = -1;
            for (int i = 0; i < 16 && found < 0; ++i) {
                if (image.pixel(x, y) == sparklePaletteColour(i))
                    found = i;
            }
            indices.append(found);
        }
    }
    return indices;
}

} // namespace

class tst_FluidRenderer : public QObject
{
    Q_OBJECT

private slots:
    void dotScreen_data();
    void dotScreen();
    void levelMarker_data();
    void levelMarker();
    void noModeLeavesPlainFlask();
    void sparkleIndexRange_data();
    void sparkleIndexRange();
    void sparkleDotsOnlyOnTheScreen();
    void sparkleIsTheSameEveryRun();
    void sparkleGoesOnFromRedrawToRedraw();
    void drawsIntoPaletteAndSmallImages();
};

void tst_FluidRenderer::dotScreen_data()
{
    QTest::addColumn<FluidMode>("mode");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("yellow, top row 232 gives one row") << FluidMode::Yellow << 232 << qRgb(255, 255, 0);
    QTest::newRow("yellow, odd top row 101 starts at 102") << FluidMode::Yellow << 101 << qRgb(255, 255, 0);
    QTest::newRow("yellow, full scale from 18") << FluidMode::Yellow << 18 << qRgb(255, 255, 0);
    QTest::newRow("aqua, even top row 100") << FluidMode::Aqua << 100 << qRgb(0, 255, 255);
    QTest::newRow("red, top row 167") << FluidMode::Red << 167 << qRgb(255, 0, 0);
    QTest::newRow("yellow, top row beyond 232 draws nothing")
        << FluidMode::Yellow << 233 << qRgb(255, 255, 0);
    QTest::newRow("aqua, top row above the picture") << FluidMode::Aqua << -7 << qRgb(0, 255, 255);
}

void tst_FluidRenderer::dotScreen()
{
    QFETCH(FluidMode, mode);
    QFETCH(int, topRow);
    QFETCH(QRgb, colour);
    const QImage plain = plainFlask();
    QImage image = plain;
    FluidRenderer().draw(image, mode, topRow, 10);
    int dots = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = onDotScreen(x, y, topRow) ? colour : plain.pixel(x, y);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            dots += onDotScreen(x, y, topRow) ? 1 : 0;
        }
    }
    const int firstRow = qMax(topRow + qAbs(topRow % 2), 0);
    QCOMPARE(dots, firstRow > 232 ? 0 : 41 * ((232 - firstRow) / 2 + 1));
}

void tst_FluidRenderer::levelMarker_data()
{
    QTest::addColumn<int>("topRow");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("odd row 101") << 101 << true;
    QTest::newRow("scale top 18") << 18 << true;
    QTest::newRow("scale zero 232") << 232 << true;
    QTest::newRow("row above the picture") << -1 << false;
    QTest::newRow("row below the picture") << 236 << false;
}

void tst_FluidRenderer::levelMarker()
{
    QFETCH(int, topRow);
    QFETCH(bool, drawn);
    const QImage plain = plainFlask();
    QImage image = plain;
    FluidRenderer().draw(image, FluidMode::LevelMarker, topRow, 10);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool onLine = drawn && y == topRow && x >= 6 && x <= 86;
            const QRgb expected = onLine ? qRgb(0, 0, 0) : plain.pixel(x, y);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_FluidRenderer::noModeLeavesPlainFlask()
{
    const QImage plain = plainFlask();
    QImage image = plain;
    FluidRenderer().draw(image, FluidMode::None, 18, 10);
    QCOMPARE(image, plain);
}

void tst_FluidRenderer::sparkleIndexRange_data()
{
    QTest::addColumn<int>("span");
    QTest::newRow("after a conversion, 0 to 10") << 10;
    QTest::newRow("during a drag, 0 to 12") << 12;
}

void tst_FluidRenderer::sparkleIndexRange()
{
    QFETCH(int, span);
    QImage image = plainFlask();
    FluidRenderer().draw(image, FluidMode::Sparkle, 18, span);
    const QList<int> indices = sparkleIndices(image, 18);
    QCOMPARE(indices.size(), 41 * 108);
    QList<int> counts(16, 0);
    for (int index : indices) {
        QVERIFY(index >= 0);
        ++counts[index];
    }
    for (int i = 0; i <= span; ++i)
        QVERIFY2(counts[i] > 0, qPrintable(QStringLiteral("index %1 never drawn").arg(i)));
    for (int i = span + 1; i < 16; ++i)
        QCOMPARE(counts[i], 0);
    // Rounding makes the two ends half as likely as the indices between.
    const double middle = double(indices.size()) / span;
    QVERIFY(counts[0] < 0.75 * middle);
    QVERIFY(counts[span] < 0.75 * middle);
    QVERIFY(counts[span / 2] > 0.75 * middle);
}

void tst_FluidRenderer::sparkleDotsOnlyOnTheScreen()
{
    const QImage plain = plainFlask();
    QImage image = plain;
    FluidRenderer().draw(image, FluidMode::Sparkle, 101, 12);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!onDotScreen(x, y, 101) && image.pixel(x, y) != plain.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_FluidRenderer::sparkleIsTheSameEveryRun()
{
    QImage first = plainFlask();
    QImage second = first;
    FluidRenderer().draw(first, FluidMode::Sparkle, 50, 10);
    FluidRenderer().draw(second, FluidMode::Sparkle, 50, 10);
    QCOMPARE(first, second);
}

void tst_FluidRenderer::sparkleGoesOnFromRedrawToRedraw()
{
    FluidRenderer renderer;
    QImage first = plainFlask();
    QImage second = first;
    renderer.draw(first, FluidMode::Sparkle, 50, 10);
    renderer.draw(second, FluidMode::Sparkle, 50, 10);
    QVERIFY(first != second);
}

void tst_FluidRenderer::drawsIntoPaletteAndSmallImages()
{
    // A palette picture has no room for the fluid's colours: it is drawn in full colour.
    QImage indexed = plainFlask().convertToFormat(QImage::Format_Indexed8);
    FluidRenderer().draw(indexed, FluidMode::Aqua, 200, 10);
    QCOMPARE(indexed.pixel(6, 200), qRgb(0, 255, 255));
    QCOMPARE(indexed.pixel(86, 232), qRgb(0, 255, 255));

    // A box smaller than the flask gets what fits.
    QImage small(50, 120, QImage::Format_RGB32);
    small.fill(Qt::white);
    FluidRenderer().draw(small, FluidMode::Red, 100, 10);
    QCOMPARE(small.pixel(48, 118), qRgb(255, 0, 0));
    QCOMPARE(small.pixel(48, 98), qRgb(255, 255, 255));
    FluidRenderer().draw(small, FluidMode::LevelMarker, 119, 10);
    QCOMPARE(small.pixel(49, 119), qRgb(0, 0, 0));
}

QTEST_GUILESS_MAIN(tst_FluidRenderer)
#include "tst_fluidrenderer.moc"
