#include "conversion/graduations.h"

#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "conversion/graduationlayout.h"
#include "formstate/formstate.h"
#include "resources/fonts.h"
#include "resources/resourcepicture.h"

#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using Formkit::OptionButton;
using Formkit::PictureBox;

// A fluid display option, the fluid's dots and the colours of odd and even labels over it.
struct FluidMode
{
    int option = 0; // 0 yellow fluid, 1 red, 2 sparkle
    QRgb fluid = 0;
    QRgb oddLabel = 0;
    QRgb evenLabel = 0;
};
Q_DECLARE_METATYPE(FluidMode)

// The scale drawn on real picture boxes of the flask's size, read back pixel by pixel.
class tst_Graduations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ticksOnGraduationsOneToTen();
    void labelsStandAtTheirColumns();
    void labelColours_data();
    void labelColours();
    void sameDrawingOnBothTargets();
    void smallScaleLabels();
    void labelsAreCrisp_data();
    void labelsAreCrisp();
    void labelsKeepClearOfColumns49And79_data();
    void labelsKeepClearOfColumns49And79();

private:
    PictureBox *makeFlask(const QColor &back);
    PictureBox *makeFlaskWithFluid(QRgb fluid);
    int countPixels(const PictureBox *box, QRect area, const std::function<bool(QColor)> &test) const;

    std::unique_ptr<QWidget> m_window;
    QVBoxLayout *m_layout = nullptr;
    OptionButton *m_yellow = nullptr;
    OptionButton *m_red = nullptr;
    OptionButton *m_sparkle = nullptr;
    FormState m_state;
    std::unique_ptr<Graduations> m_graduations;
};

namespace {

// These tell label pixels from the background whatever their shade: over
// white, any darker pixel is ink.
bool isInkOnWhite(QColor c)
{
    return c.red() + c.green() + c.blue() < 3 * 230;
}

// Over the dark blue background (0, 0, 160) of the colour test: black only
// loses blue, yellow gains red and green and loses blue, white gains all three.
const QColor darkBlue(0, 0, 160);
bool isBlackOnBlue(QColor c)
{
    return c.red() < 20 && c.green() < 20 && c.blue() < 140;
}
bool isYellowOnBlue(QColor c)
{
    return c.red() > 40 && c.green() > 40 && c.blue() < 150;
}
bool isWhiteOnBlue(QColor c)
{
    return c.red() > 40 && c.green() > 40 && c.blue() > 170;
}

// The area a label of graduation row `row` covers below its top-left corner,
// clear of the tick drawn on the row itself.
QRect labelArea(int fromColumn, int toColumn, int row)
{
    return QRect(QPoint(fromColumn, row + 1), QPoint(toColumn, row + 9));
}

constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb yellow = qRgb(255, 255, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb red = qRgb(255, 0, 0);

const FluidMode yellowFluid { 0, yellow, black, black };
const FluidMode redFluid { 1, red, yellow, white };
const FluidMode sparkleFluid { 2, qRgb(0, 128, 128), yellow, white };

} // namespace

void tst_Graduations::init()
{
    m_window = std::make_unique<QWidget>();
    m_layout = new QVBoxLayout(m_window.get());
    m_yellow = new OptionButton(QStringLiteral("Yellow"));
    m_red = new OptionButton(QStringLiteral("Red"));
    m_sparkle = new OptionButton(QStringLiteral("Sparkle"));
    m_layout->addWidget(m_yellow);
    m_layout->addWidget(m_red);
    m_layout->addWidget(m_sparkle);
    m_yellow->setValue(true);

    m_state = FormState();
    m_state.fromFactor = 1.0f;
    m_state.toFactor = 1.0f;
    m_state.scaleExponent = 1;
    m_graduations = std::make_unique<Graduations>(m_state, GraduationWidgets { m_red, m_sparkle });
}

void tst_Graduations::cleanup()
{
    m_graduations.reset();
    m_window.reset();
}

PictureBox *tst_Graduations::makeFlask(const QColor &back)
{
    auto *box = new PictureBox;
    box->setFixedSize(92, 236);
    box->setFont(flaskLabelFont());
    m_layout->addWidget(box);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    box->setBackColor(back);
    return box;
}

// The real flask picture with a full fluid's dots on it, as the conversion leaves
// it before the scale is drawn.
PictureBox *tst_Graduations::makeFlaskWithFluid(QRgb fluid)
{
    PictureBox *box = makeFlask(Qt::white);
    if (!box)
        return nullptr;
    box->setPicture(QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))));
    box->drawPixels([fluid](QImage &image) {
        for (int x = 6; x <= 86; x += 2) {
            for (int y = 18; y <= 232; y += 2)
                image.setPixel(x, y, fluid);
        }
    });
    return box;
}

int tst_Graduations::countPixels(
    const PictureBox *box, QRect area, const std::function<bool(QColor)> &test) const
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(QColor(box->image().pixel(x, y))) ? 1 : 0;
    }
    return n;
}

void tst_Graduations::ticksOnGraduationsOneToTen()
{
    PictureBox *flask = makeFlask(Qt::white);
    QVERIFY(flask);
    QCOMPARE(flask->image().size(), QSize(92, 236));
    m_red->setValue(true); // ticks stay black over a red fluid
    m_graduations->drawGraduations(flask, ScaleVariant::Large);

    for (int k = 1; k <= 10; ++k) {
        const int row = graduationRow(k);
        for (int x = 7; x <= 11; ++x)
            QCOMPARE(flask->image().pixel(x, row), qRgb(0, 0, 0));
        for (int x = 81; x <= 86; ++x)
            QCOMPARE(flask->image().pixel(x, row), qRgb(0, 0, 0));
    }
    // The scale's zero gets neither tick nor label, and nothing is drawn below it.
    QCOMPARE(countPixels(flask, QRect(QPoint(0, 225), QPoint(91, 235)),
                 [](QColor c) { return c != QColor(Qt::white); }),
        0);
}

void tst_Graduations::labelsStandAtTheirColumns()
{
    PictureBox *flask = makeFlask(Qt::white);
    QVERIFY(flask);
    m_graduations->drawGraduations(flask, ScaleVariant::Large);

    // Volume 1 with equal factors: "1" on the left and "1.0" from column 71 at k = 1.
    const int row1 = graduationRow(1);
    QVERIFY(countPixels(flask, labelArea(8, 20, row1), isInkOnWhite) > 0);
    QVERIFY(countPixels(flask, labelArea(71, 87, row1), isInkOnWhite) > 0);
    QCOMPARE(countPixels(flask, labelArea(30, 69, row1), isInkOnWhite), 0);

    // "10.0" at k = 10 moves left to column 67; "9.0" at k = 9 does not.
    QVERIFY(countPixels(flask, labelArea(67, 70, graduationRow(10)), isInkOnWhite) > 0);
    QCOMPARE(countPixels(flask, labelArea(60, 70, graduationRow(9)), isInkOnWhite), 0);
    QCOMPARE(countPixels(flask, labelArea(0, 7, graduationRow(10)), isInkOnWhite), 0);
}

void tst_Graduations::labelColours_data()
{
    QTest::addColumn<int>("mode"); // 0 yellow fluid, 1 red, 2 sparkle
    QTest::addColumn<bool>("contrast");

    QTest::newRow("Yellow fluid: black labels") << 0 << false;
    QTest::newRow("Red fluid: yellow and white labels") << 1 << true;
    QTest::newRow("Sparkle fluid: yellow and white labels") << 2 << true;
}

void tst_Graduations::labelColours()
{
    QFETCH(int, mode);
    QFETCH(bool, contrast);

    PictureBox *flask = makeFlask(darkBlue);
    QVERIFY(flask);
    OptionButton *options[] = { m_yellow, m_red, m_sparkle };
    options[mode]->setValue(true);
    m_graduations->drawGraduations(flask, ScaleVariant::Large);

    for (int k = 1; k <= 10; ++k) {
        const QRect left = labelArea(8, 24, graduationRow(k));
        const QRect right = labelArea(60, 87, graduationRow(k));
        for (const QRect &area : { left, right }) {
            const int black = countPixels(flask, area, isBlackOnBlue);
            const int yellow = countPixels(flask, area, isYellowOnBlue);
            const int white = countPixels(flask, area, isWhiteOnBlue);
            const QByteArray where = QByteArray("k ") + QByteArray::number(k);
            if (!contrast) {
                QVERIFY2(black > 0 && yellow == 0 && white == 0, where);
            } else if (k % 2 == 1) {
                QVERIFY2(yellow > 0 && white == 0 && black == 0, where);
            } else {
                QVERIFY2(white > 0 && yellow == 0 && black == 0, where);
            }
        }
    }
}

void tst_Graduations::sameDrawingOnBothTargets()
{
    PictureBox *flask = makeFlask(Qt::white);
    QVERIFY(flask);
    auto *buffer = new PictureBox(m_window.get());
    buffer->setFixedSize(92, 236);
    buffer->setFont(flaskLabelFont());
    buffer->show();
    buffer->hide(); // the drawing buffer is never visible
    buffer->setBackColor(Qt::white);

    m_state.scaleExponent = 6;
    m_state.toFactor = 0.001f;
    m_graduations->drawGraduations(flask, ScaleVariant::Large);
    m_graduations->drawGraduations(buffer, ScaleVariant::Large);
    QCOMPARE(buffer->image().size(), flask->image().size());
    QVERIFY(buffer->image() == flask->image());
    QVERIFY(countPixels(flask, labelArea(8, 40, graduationRow(5)), isInkOnWhite) > 0);
}

void tst_Graduations::smallScaleLabels()
{
    PictureBox *flask = makeFlask(Qt::white);
    QVERIFY(flask);
    m_state.scaleExponent = 30; // an old exponent the small scale ignores
    m_state.fractionScaleExponent = 0;
    m_graduations->drawGraduations(flask, ScaleVariant::Small);

    // "0.1000" at column 57 for k = 1; "1.0" at 71 for k = 10.
    QVERIFY(countPixels(flask, labelArea(57, 62, graduationRow(1)), isInkOnWhite) > 0);
    QVERIFY(countPixels(flask, labelArea(8, 24, graduationRow(1)), isInkOnWhite) > 0);
    QCOMPARE(countPixels(flask, labelArea(57, 70, graduationRow(10)), isInkOnWhite), 0);
    QVERIFY(countPixels(flask, labelArea(71, 87, graduationRow(10)), isInkOnWhite) > 0);
}

void tst_Graduations::labelsAreCrisp_data()
{
    QTest::addColumn<FluidMode>("mode");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<float>("toFactor");

    QTest::newRow("yellow fluid, scale to 10") << yellowFluid << 1 << 1.0f;
    QTest::newRow("yellow fluid, scale to 10^6, litres to gallons") << yellowFluid << 6 << 3.785411f;
    QTest::newRow("red fluid, scale to 10^3") << redFluid << 3 << 0.01f;
    QTest::newRow("sparkle fluid, scale to 10^10") << sparkleFluid << 10 << 1000.0f;
}

void tst_Graduations::labelsAreCrisp()
{
    QFETCH(FluidMode, mode);
    QFETCH(int, scaleExponent);
    QFETCH(float, toFactor);

    PictureBox *flask = makeFlaskWithFluid(mode.fluid);
    QVERIFY(flask);
    OptionButton *options[] = { m_yellow, m_red, m_sparkle };
    options[mode.option]->setValue(true);
    m_state.scaleExponent = qint16(scaleExponent);
    m_state.toFactor = toFactor;
    const QImage before = flask->grab().toImage().convertToFormat(QImage::Format_RGB32);
    m_graduations->drawGraduations(flask, ScaleVariant::Large);
    const QImage after = flask->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(after.size(), QSize(92, 236));

    // Below each tick, down to the next graduation: every pixel the label
    // changed has exactly the label's colour, no shade between it and what was there.
    for (int k = 1; k <= 10; ++k) {
        const QRgb colour = k % 2 == 1 ? mode.oddLabel : mode.evenLabel;
        int changed = 0;
        for (int y = graduationRow(k) + 1; y < graduationRow(k - 1); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(after.pixel(x, y) == colour,
                    qPrintable(QStringLiteral("k %1: pixel (%2, %3) is #%4")
                                   .arg(k)
                                   .arg(x)
                                   .arg(y)
                                   .arg(after.pixel(x, y) & 0xFFFFFFu, 6, 16, QLatin1Char('0'))));
            }
        }
        QVERIFY2(changed > 0, qPrintable(QStringLiteral("k %1 has no label").arg(k)));
    }
}

void tst_Graduations::labelsKeepClearOfColumns49And79_data()
{
    QTest::addColumn<int>("variant"); // 0 large, 1 small
    QTest::addColumn<int>("exponent"); // scaleExponent or fractionScaleExponent
    QTest::addColumn<float>("toFactor");

    // Graduation 1 of the scale to 10 stands for 1 From unit: its right label is
    // 1 / toFactor, graduation 10 ten times that. Each row puts the longest
    // right labels at one of their columns.
    QTest::newRow("8.9 at 71, 88.9 at 67") << 0 << 1 << 1.0f / 8.888f;
    QTest::newRow("9.96 gives 10.0 at 67") << 0 << 1 << 1.0f / 9.96f;
    QTest::newRow("888.9 at 62") << 0 << 1 << 1.0f / 888.88f;
    QTest::newRow("999.96 gives 1,000.0 at 56") << 0 << 1 << 1.0f / 999.96f;
    QTest::newRow("8,888.8 at 56, 88,888.8 at 51") << 0 << 1 << 1.0f / 8888.8f;
    QTest::newRow("26,417.2 at 51") << 0 << 1 << 1.0f / 26417.2f;
    QTest::newRow("99,999.96 gives 100,000.0 at 51") << 0 << 1 << 1.0f / 99999.96f;
    QTest::newRow("0.8888 at 57") << 1 << 0 << 1.0f / 0.8888f;
    QTest::newRow("1.00E-05 at 50, left 0.1 to 1") << 1 << 0 << 10000.0f;
    QTest::newRow("8.88E+37 at 50, left 1.0E+37 to 1.0E+38") << 0 << 38 << 1.0f / 0.888f;
    QTest::newRow("left 1E-05 to 0.0001") << 1 << 4 << 1.0f;
    QTest::newRow("left 1.0E-8 to 1.0E-7") << 1 << 7 << 1.0f;
}

void tst_Graduations::labelsKeepClearOfColumns49And79()
{
    QFETCH(int, variant);
    QFETCH(int, exponent);
    QFETCH(float, toFactor);

    PictureBox *flask = makeFlaskWithFluid(yellow);
    QVERIFY(flask);
    m_state.scaleExponent = qint16(exponent);
    m_state.fractionScaleExponent = qint16(exponent);
    m_state.toFactor = toFactor;
    const QImage before = flask->image().copy();
    m_graduations->drawGraduations(flask, variant == 0 ? ScaleVariant::Large : ScaleVariant::Small);
    const QImage after = flask->image();

    // Column 49 parts the left labels from the right ones, which start at 50 or
    // later; column 79 stays clear before the right ticks at 80.
    for (int x : { 49, 79 }) {
        for (int y = 0; y < after.height(); ++y)
            QVERIFY2(after.pixel(x, y) == before.pixel(x, y),
                qPrintable(QStringLiteral("pixel (%1, %2) was drawn on").arg(x).arg(y)));
    }
}

QTEST_MAIN(tst_Graduations)
#include "tst_graduations.moc"
