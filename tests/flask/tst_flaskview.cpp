// The flask display on the real picture boxes and options: the fluid goes into
// the hidden buffer, one copy puts it on PicFlask, and a fluid option click
// converts again unless it is the one the window's load caused.

#include "flask/flaskview.h"
#include "flask/sparklegenerator.h"
#include "flaskfixture.h"

#include <QtTest>

using Formkit::OptionButton;

class tst_FlaskView : public QObject
{
    Q_OBJECT

private slots:
    void drawsIntoTheBufferOnly();
    void showFlaskCopiesTheWholeBuffer();
    void eachRedrawStartsFromThePlainFlask();
    void modeOfTheSelectedOption_data();
    void modeOfTheSelectedOption();
    void noOptionSelectedShowsPlainFlask();
    void sparkleAfterConversionUsesZeroToTen();
    void optionClickConverts_data();
    void optionClickConverts();
    void loadsOwnClickOnlyClearsTheFlag();
};

void tst_FlaskView::drawsIntoTheBufferOnly()
{
    FlaskFixture f;
    f.selectQuietly(f.widgets.optionwhite);
    const QImage before = f.widgets.picFlask->image();
    f.view->update_framestatic(100, 10);
    QCOMPARE(f.widgets.picflaskbuffer->image().pixel(6, 100), qRgb(255, 255, 0));
    QCOMPARE(f.widgets.picFlask->image(), before);
}

void tst_FlaskView::showFlaskCopiesTheWholeBuffer()
{
    FlaskFixture f;
    f.selectQuietly(f.widgets.optionblue);
    f.view->update_framestatic(18, 10);
    // Something on the buffer beyond the flask picture travels too.
    f.widgets.picflaskbuffer->pset(95, 240, Qt::red);
    f.view->showFlask();
    QCOMPARE(f.widgets.picFlask->image(), f.widgets.picflaskbuffer->image());
    QCOMPARE(f.widgets.picFlask->image().pixel(86, 18), qRgb(0, 255, 255));
}

void tst_FlaskView::eachRedrawStartsFromThePlainFlask()
{
    FlaskFixture f;
    f.selectQuietly(f.widgets.optionwhite);
    f.view->update_framestatic(18, 10);
    f.widgets.picflaskbuffer->line(6, 5, 86, 5, Qt::magenta); // as a scale would be drawn
    f.view->update_framestatic(232, 10);
    const QImage plain = f.plainFlaskBox();
    const QImage buffer = f.widgets.picflaskbuffer->image();
    for (int y = 0; y < 232; ++y) {
        for (int x = 0; x < buffer.width(); ++x) {
            if (buffer.pixel(x, y) != plain.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 left over").arg(x).arg(y)));
        }
    }
    QCOMPARE(buffer.pixel(86, 232), qRgb(255, 255, 0));
}

void tst_FlaskView::modeOfTheSelectedOption_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QRgb>("dot");
    QTest::addColumn<bool>("line");
    QTest::newRow("Yellow") << "Yellow" << qRgb(255, 255, 0) << false;
    QTest::newRow("Aqua") << "Aqua" << qRgb(0, 255, 255) << false;
    QTest::newRow("Red") << "Red" << qRgb(255, 0, 0) << false;
    QTest::newRow("Level Marker Only") << "Level Marker Only" << qRgb(0, 0, 0) << true;
}

void tst_FlaskView::modeOfTheSelectedOption()
{
    QFETCH(QString, option);
    QFETCH(QRgb, dot);
    QFETCH(bool, line);
    FlaskFixture f;
    const auto options = f.frame3->findChildren<OptionButton *>();
    for (OptionButton *button : options) {
        if (button->text() == option)
            f.selectQuietly(button);
    }
    f.view->update_framestatic(101, 10);
    f.view->showFlask();
    const QImage shown = f.widgets.picFlask->image();
    const QImage plain = f.plainFlaskBox();
    if (line) {
        QCOMPARE(shown.pixel(6, 101), dot);
        QCOMPARE(shown.pixel(7, 101), dot);
        QCOMPARE(shown.pixel(86, 101), dot);
        QCOMPARE(shown.pixel(6, 102), plain.pixel(6, 102));
    } else {
        QCOMPARE(shown.pixel(6, 101), plain.pixel(6, 101));
        QCOMPARE(shown.pixel(6, 102), dot);
        QCOMPARE(shown.pixel(7, 102), plain.pixel(7, 102));
        QCOMPARE(shown.pixel(86, 232), dot);
    }
}

void tst_FlaskView::noOptionSelectedShowsPlainFlask()
{
    FlaskFixture f;
    f.selectQuietly(f.widgets.optionwhite);
    f.view->update_framestatic(18, 10);
    f.view->showFlask();
    f.widgets.optionwhite->setValue(false);
    QCOMPARE(f.view->fluidMode(), FluidMode::None);
    f.view->update_framestatic(18, 10);
    QCOMPARE(f.widgets.picflaskbuffer->image(), f.plainFlaskBox());
    f.view->showFlask();
    QCOMPARE(f.widgets.picFlask->image(), f.plainFlaskBox());
}

void tst_FlaskView::sparkleAfterConversionUsesZeroToTen()
{
    FlaskFixture f;
    f.selectQuietly(f.widgets.optionsparkle);
    for (int redraw = 0; redraw < 5; ++redraw) {
        f.view->update_framestatic(18, 10);
        const QImage buffer = f.widgets.picflaskbuffer->image();
        for (int x = 6; x <= 86; x += 2) {
            for (int y = 18; y <= 232; y += 2) {
                const QRgb c = buffer.pixel(x, y);
                if (c == sparklePaletteColour(11) || c == sparklePaletteColour(12))
                    QFAIL(qPrintable(QStringLiteral("entry 11 or 12 at %1,%2").arg(x).arg(y)));
            }
        }
    }
}

void tst_FlaskView::optionClickConverts_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("Aqua") << "Aqua";
    QTest::newRow("Yellow") << "Yellow";
    QTest::newRow("Level Marker Only") << "Level Marker Only";
}

void tst_FlaskView::optionClickConverts()
{
    QFETCH(QString, option);
    FlaskFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.selectQuietly(f.widgets.optionwhite);
    for (OptionButton *button : f.frame3->findChildren<OptionButton *>()) {
        if (button->text() == option)
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QCOMPARE(f.procedures.calls,
        QStringList({ QStringLiteral("lookupFromFactor"), QStringLiteral("lookupToFactor"),
            QStringLiteral("updateConversion") }));
    QVERIFY(!f.state.skipColourClick);
}

void tst_FlaskView::loadsOwnClickOnlyClearsTheFlag()
{
    FlaskFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.state.skipColourClick = true;
    f.widgets.optionwhite->setValue(true); // as the window's load selects "Yellow"
    QVERIFY(f.procedures.calls.isEmpty());
    QVERIFY(!f.state.skipColourClick);
    const QImage before = f.widgets.picFlask->image();

    QTest::mouseClick(f.widgets.optionblue, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(f.procedures.calls.size(), 3);
    QCOMPARE(f.procedures.calls.last(), QStringLiteral("updateConversion"));

    // The flag set again before a click: that click does nothing either.
    f.procedures.calls.clear();
    f.state.skipColourClick = true;
    QTest::mouseClick(f.widgets.optionLevel, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(f.procedures.calls.isEmpty());
    QVERIFY(!f.state.skipColourClick);
    QCOMPARE(f.widgets.picFlask->image(), before);
}

QTEST_MAIN(tst_FlaskView)
#include "tst_flaskview.moc"
