#include "conversion/graduations.h"

#include "formstate/formstate.h"
#include "conversion/graduationlayout.h"
#include "resources/fonts.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"

#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

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

private:
    PictureBox *makeFlask(const QColor &back);
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

// Labels are drawn smoothed, so their pixels are blends of the label colour
// with the background; these tell the blends apart. Over white, any darker
// pixel is ink.
bool isInkOnWhite(QColor c)
{
    return c.red() + c.green() + c.blue() < 3 * 230;
}

// Over the dark blue background (0, 0, 160) of the colour test: a blend with
// black only loses blue, a blend with yellow gains red and green and loses
// blue, a blend with white gains all three.
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

QTEST_MAIN(tst_Graduations)
#include "tst_graduations.moc"
