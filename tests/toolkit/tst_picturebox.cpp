#include "Formkit/picturebox.h"

#include <QSignalSpy>
#include <QTest>

using Formkit::PictureBox;

class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void clsRestoresBackgroundPicture();
    void drawingsPersistUntilCls();
    void lineMovesCurrentPosition();
    void textIsTransparentByDefault();
    void printAdvancesToNextLine();
    void userScaleMapsCoordinates();
    void fixedScaleModes_data();
    void fixedScaleModes();
    void blockCopyIsOneToOne();
    void hiddenBoxKeepsItsImage();
    void batchDrawsWhatSeparateCallsDraw_data();
    void batchDrawsWhatSeparateCallsDraw();
    void batchFollowsAResize();
    void mouseEventsInScale();
    void mouseMoveReportsHeldButtons();
};

namespace {
QPixmap checkerPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(10, 20, 30) : qRgb(200, 100, 50));
    return QPixmap::fromImage(image);
}
} // namespace

void tst_PictureBox::clsRestoresBackgroundPicture()
{
    PictureBox box;
    box.resize(6, 5);
    box.setBackColor(QColor(128, 255, 255));
    box.setPicture(checkerPicture());
    const QImage plain = box.image();
    QCOMPARE(plain.pixel(0, 0), qRgb(200, 100, 50));
    QCOMPARE(plain.pixel(1, 0), qRgb(10, 20, 30));
    QCOMPARE(plain.pixel(5, 4), qRgb(128, 255, 255)); // beyond the picture: back colour
    box.pset(0, 0, Qt::red);
    box.line(0, 2, 5, 2);
    QVERIFY(box.image() != plain);
    box.cls();
    QCOMPARE(box.image(), plain);
}

void tst_PictureBox::drawingsPersistUntilCls()
{
    PictureBox box;
    box.resize(10, 10);
    box.pset(3, 4, QColor(1, 2, 3));
    box.repaint();
    box.resize(20, 20); // growing keeps what was drawn
    QCOMPARE(box.image().pixel(3, 4), qRgb(1, 2, 3));
    QCOMPARE(*box.point(3, 4), QRgb(0x010203));
    QVERIFY(!box.point(25, 0).has_value());
}

void tst_PictureBox::lineMovesCurrentPosition()
{
    PictureBox box;
    box.resize(100, 100);
    box.setForeColor(Qt::black);
    box.line(6, 10, 12, 10);
    QCOMPARE(box.currentX(), 12.0f);
    QCOMPARE(box.currentY(), 10.0f);
    for (int x = 6; x < 12; ++x)
        QCOMPARE(box.image().pixel(x, 10), qRgb(0, 0, 0));
    QCOMPARE(box.image().pixel(6, 11), qRgb(255, 255, 255));
}

void tst_PictureBox::textIsTransparentByDefault()
{
    PictureBox box;
    box.resize(60, 30);
    box.setBackColor(QColor(0, 255, 0));
    box.setForeColor(QColor(255, 0, 0));
    box.setCurrentX(2);
    box.setCurrentY(2);
    box.print(QStringLiteral("8"));
    const QImage image = box.image();
    int red = 0;
    int other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == qRgb(255, 0, 0))
                ++red;
            else if (qGreen(p) < 250 && qRed(p) < 5)
                ++other; // a background fill would leave pure non-green pixels
        }
    QVERIFY(red > 0);
    QCOMPARE(other, 0);
}

void tst_PictureBox::printAdvancesToNextLine()
{
    PictureBox box;
    box.resize(100, 100);
    box.setCurrentX(30);
    box.setCurrentY(5);
    box.print(QStringLiteral("x"));
    QCOMPARE(box.currentX(), 0.0f);
    QCOMPARE(box.currentY(), 5.0f + box.textHeight(QStringLiteral("x")));
}

void tst_PictureBox::userScaleMapsCoordinates()
{
    PictureBox box;
    box.resize(200, 100);
    box.scale(0, 0, 100, 50);
    QCOMPARE(box.scaleMode(), PictureBox::ScaleMode::User);
    QCOMPARE(box.toPixels(QPointF(50, 25)), QPointF(100, 50));
    QCOMPARE(box.fromPixels(QPointF(100, 50)), QPointF(50, 25));
    box.pset(10, 10, Qt::blue);
    QCOMPARE(box.image().pixel(20, 20), qRgb(0, 0, 255));
    box.resetScale();
    QCOMPARE(box.scaleWidth(), 200.0f);
    QCOMPARE(box.scaleHeight(), 100.0f);
}

void tst_PictureBox::fixedScaleModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    // A 96 x 48 pixel box: 1440 x 720 twips, one inch by half an inch.
    QTest::newRow("twip") << int(PictureBox::ScaleMode::Twip) << 1440.0f << 720.0f;
    QTest::newRow("point") << int(PictureBox::ScaleMode::Point) << 72.0f << 36.0f;
    QTest::newRow("pixel") << int(PictureBox::ScaleMode::Pixel) << 96.0f << 48.0f;
    QTest::newRow("character") << int(PictureBox::ScaleMode::Character) << 12.0f << 3.0f;
    QTest::newRow("inch") << int(PictureBox::ScaleMode::Inch) << 1.0f << 0.5f;
    QTest::newRow("millimetre") << int(PictureBox::ScaleMode::Millimeter) << 25.4f << 12.7f;
    QTest::newRow("centimetre") << int(PictureBox::ScaleMode::Centimeter) << 2.54f << 1.27f;
}

void tst_PictureBox::fixedScaleModes()
{
    QFETCH(int, mode);
    QFETCH(float, width);
    QFETCH(float, height);
    PictureBox box;
    box.resize(96, 48);
    box.setScaleMode(PictureBox::ScaleMode(mode));
    QCOMPARE(box.scaleWidth(), width);
    QCOMPARE(box.scaleHeight(), height);
    QCOMPARE(box.scaleLeft(), 0.0f);
}

void tst_PictureBox::blockCopyIsOneToOne()
{
    PictureBox source;
    source.resize(8, 8);
    source.setPicture(checkerPicture());
    source.pset(2, 2, QColor(9, 9, 9));
    PictureBox target;
    target.resize(8, 8);
    target.setBackColor(Qt::white);
    target.bitBlt(source, QRect(0, 0, 8, 8), QPoint(0, 0));
    QCOMPARE(target.image(), source.image());
    target.cls(); // the target's own background comes back, not the copy
    QCOMPARE(target.image().pixel(2, 2), qRgb(255, 255, 255));
}

void tst_PictureBox::hiddenBoxKeepsItsImage()
{
    QWidget window;
    auto *box = new PictureBox(&window);
    box->setGeometry(0, 0, 20, 20);
    box->hide();
    box->pset(5, 5, Qt::red);
    QCOMPARE(box->size(), QSize(20, 20));
    QCOMPARE(box->image().pixel(5, 5), qRgb(255, 0, 0));
}

namespace {

// A scale-like drawing: ticks and labels in turn, with the operations a caller
// may mix in between; `between` says which.
void drawTicksAndLabels(PictureBox &box, const PictureBox &other, const QString &between)
{
    for (int row = 5; row < 60; row += 11) {
        box.setForeColor(Qt::black);
        box.line(0, row, 6, row);
        if (between == QLatin1String("xor lines"))
            box.setDrawMode(7);
        box.line(50, row, 56, row);
        box.setDrawMode(13);
        box.setForeColor(QColor(200, 0, 0));
        box.setCurrentX(8);
        box.setCurrentY(row - 4);
        box.print(QString::number(row * 1.5));
        if (between == QLatin1String("pixels"))
            box.pset(30, row, QColor(0, 0, 250));
        if (between == QLatin1String("block copy"))
            box.bitBlt(other, QRect(0, 0, 4, 3), QPoint(40, row));
        if (between == QLatin1String("opaque text"))
            box.setFontTransparent(false);
        if (between == QLatin1String("cls") && row == 27)
            box.cls();
        // The widget paints the image in the middle of a batch.
        if (between == QLatin1String("repaint"))
            box.repaint();
    }
}

} // namespace

void tst_PictureBox::batchDrawsWhatSeparateCallsDraw_data()
{
    QTest::addColumn<QString>("between");
    QTest::newRow("lines and text only") << QString();
    QTest::newRow("lines in xor mode, text over them") << QStringLiteral("xor lines");
    QTest::newRow("single pixels between") << QStringLiteral("pixels");
    QTest::newRow("block copies between") << QStringLiteral("block copy");
    QTest::newRow("text with its background") << QStringLiteral("opaque text");
    QTest::newRow("cleared half way") << QStringLiteral("cls");
    QTest::newRow("painted half way") << QStringLiteral("repaint");
}

void tst_PictureBox::batchDrawsWhatSeparateCallsDraw()
{
    QFETCH(QString, between);
    PictureBox other;
    other.resize(8, 8);
    other.setPicture(checkerPicture());
    PictureBox separate;
    PictureBox batched;
    for (PictureBox *box : { &separate, &batched }) {
        box->resize(64, 64);
        box->setBackColor(QColor(128, 255, 255));
        box->show();
    }
    drawTicksAndLabels(separate, other, between);
    {
        const PictureBox::Batch batch(batched);
        drawTicksAndLabels(batched, other, between);
    }
    QCOMPARE(batched.image(), separate.image());
    QCOMPARE(batched.currentY(), separate.currentY());
    // After the batch, single calls draw as before.
    batched.line(0, 63, 63, 63);
    separate.line(0, 63, 63, 63);
    QCOMPARE(batched.image(), separate.image());
}

void tst_PictureBox::batchFollowsAResize()
{
    PictureBox box;
    box.resize(20, 20);
    const PictureBox::Batch batch(box);
    box.line(0, 2, 10, 2);
    box.resize(40, 40);
    box.line(0, 30, 30, 30);
    QCOMPARE(box.image().size(), QSize(40, 40));
    QCOMPARE(box.image().pixel(5, 2), qRgb(0, 0, 0));
    QCOMPARE(box.image().pixel(25, 30), qRgb(0, 0, 0));
}

void tst_PictureBox::mouseEventsInScale()
{
    PictureBox box;
    box.resize(100, 100);
    box.scale(0, 0, 50, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy down(&box, &PictureBox::mouseDown);
    QSignalSpy up(&box, &PictureBox::mouseUp);
    QTest::mousePress(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(20, 40));
    QTest::mouseRelease(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(20, 40));
    QCOMPARE(down.count(), 1);
    QCOMPARE(down.at(0).at(0).toInt(), 2);
    QCOMPARE(down.at(0).at(1).toInt(), 1);
    QCOMPARE(down.at(0).at(2).toFloat(), 10.0f);
    QCOMPARE(down.at(0).at(3).toFloat(), 80.0f);
    QCOMPARE(up.count(), 1);
}

void tst_PictureBox::mouseMoveReportsHeldButtons()
{
    PictureBox box;
    box.resize(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy move(&box, &PictureBox::mouseMove);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent moved(QEvent::MouseMove, QPointF(10.5, 30.25), box.mapToGlobal(QPointF(10.5, 30.25)),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &moved);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(move.count() >= 1);
    const QList<QVariant> last = move.last();
    QCOMPARE(last.at(0).toInt(), 1);
    QCOMPARE(last.at(2).toFloat(), 10.5f);
    QCOMPARE(last.at(3).toFloat(), 30.25f);
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
