// Dragging the fluid level with real mouse events on PicFlask: the accepted
// band, the buttons, the order of the work for each position, the rounding of
// the row, the two report buttons, and a drag that leaves the flask.

#include "flask/flaskdrag.h"
#include "flask/sparklegenerator.h"
#include "flaskfixture.h"

#include <QtTest>

using Formkit::PictureBox;

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// The first row with fluid (or the level line) in column 6, or -1.
int firstFluidRow(const QImage &image, const QImage &plain)
{
    for (int y = 0; y <= 232; ++y) {
        if (image.pixel(6, y) != plain.pixel(6, y) && image.pixel(6, y) != qRgb(255, 0, 255))
            return y;
    }
    return -1;
}

struct DragFixture : FlaskFixture
{
    FlaskDrag drag { state, procedures, widgets };

    DragFixture()
    {
        selectQuietly(widgets.optionwhite);
        state.volumeEditLive = true;
        state.volumeAtLeastOne = true;
        window.show();
    }
    PictureBox *flask() const { return widgets.picFlask; }
};

} // namespace

class tst_FlaskDrag : public QObject
{
    Q_OBJECT

private slots:
    void pressInTheBand_data();
    void pressInTheBand();
    void rightButtonDoesNothing();
    void positionWorkInOrder();
    void scaleVariantFollowsTheLastConversion_data();
    void scaleVariantFollowsTheLastConversion();
    void rowRoundsHalfToEven_data();
    void rowRoundsHalfToEven();
    void reportButtons_data();
    void reportButtons();
    void moveOutsideTheBandKeepsTheDrawing();
    void moveWithoutDragDoesNothing();
    void releaseOfTheOtherButtonDoesNotEnd();
    void pressWhileDraggingAppliesAgain();
    void dragThatLeavesTheFlaskGoesOn();
    void sparkleDuringDragUsesZeroToTwelve();
};

void tst_FlaskDrag::pressInTheBand_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<bool>("volumeAtLeastOne");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("17.9 ignored") << 17.9f << 0 << true << false;
    QTest::newRow("18 accepted") << 18.0f << 0 << true << true;
    QTest::newRow("232 accepted") << 232.0f << 0 << true << true;
    QTest::newRow("232.5 ignored") << 232.5f << 0 << true << false;
    QTest::newRow("20 with exponent 17 ignored") << 20.0f << 17 << true << false;
    QTest::newRow("20 on the small scale with exponent 17 left over ignored")
        << 20.0f << 17 << false << false;
    QTest::newRow("22 with exponent 17 accepted") << 22.0f << 17 << true << true;
    QTest::newRow("20 with exponent 16 accepted") << 20.0f << 16 << true << true;
}

void tst_FlaskDrag::pressInTheBand()
{
    QFETCH(float, y);
    QFETCH(int, scaleExponent);
    QFETCH(bool, volumeAtLeastOne);
    QFETCH(bool, accepted);
    DragFixture f;
    f.state.scaleExponent = qint16(scaleExponent);
    f.state.volumeAtLeastOne = volumeAtLeastOne;
    const QImage before = f.flask()->image();
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, y), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(f.state.draggingFlask, accepted);
    QCOMPARE(f.state.volumeEditLive, !accepted);
    if (accepted) {
        QCOMPARE(f.procedures.calls.size(), 4);
        QCOMPARE(firstFluidRow(f.flask()->image(), f.plainFlaskBox()), int(y));
    } else {
        QVERIFY(f.procedures.calls.isEmpty());
        QCOMPARE(f.flask()->image(), before);
    }
}

void tst_FlaskDrag::rightButtonDoesNothing()
{
    DragFixture f;
    QTest::mousePress(f.flask(), Qt::RightButton, {}, QPoint(40, 100));
    QTest::mouseMove(f.flask(), QPoint(40, 120));
    QTest::mouseRelease(f.flask(), Qt::RightButton, {}, QPoint(40, 120));
    QVERIFY(f.procedures.calls.isEmpty());
    QVERIFY(!f.state.draggingFlask);
    QVERIFY(f.state.volumeEditLive);
}

void tst_FlaskDrag::positionWorkInOrder()
{
    DragFixture f;
    QTest::mousePress(f.flask(), Qt::LeftButton, {}, QPoint(40, 150));
    // The volume box is filled with conversions already switched off and
    // before the drag counts as started; the scale goes into the buffer
    // before the one copy to the screen.
    QCOMPARE(f.procedures.calls,
        QStringList({ QStringLiteral("setVolumeFromLevel(150) live=0 dragging=0"),
            QStringLiteral("update_framestatic(150,12)"), QStringLiteral("drawGraduations(large)"),
            QStringLiteral("showFlask") }));
    QCOMPARE(f.procedures.lastGraduationTarget, f.widgets.picflaskbuffer);
    QVERIFY(f.state.draggingFlask);
    QCOMPARE(f.flask()->image(), f.widgets.picflaskbuffer->image());
    QCOMPARE(f.flask()->image().pixel(40, 2), qRgb(255, 0, 255)); // the scale made it to the screen
    QCOMPARE(f.flask()->image().pixel(6, 150), qRgb(255, 255, 0));
    QTest::mouseRelease(f.flask(), Qt::LeftButton, {}, QPoint(40, 150));
    QVERIFY(!f.state.draggingFlask);
    QVERIFY(!f.state.volumeEditLive);
    QCOMPARE(f.procedures.calls.size(), 4); // the release draws nothing
}

void tst_FlaskDrag::scaleVariantFollowsTheLastConversion_data()
{
    QTest::addColumn<bool>("volumeAtLeastOne");
    QTest::addColumn<QString>("call");
    QTest::newRow("volume of 1 or more") << true << "drawGraduations(large)";
    QTest::newRow("volume below 1") << false << "drawGraduations(small)";
}

void tst_FlaskDrag::scaleVariantFollowsTheLastConversion()
{
    QFETCH(bool, volumeAtLeastOne);
    QFETCH(QString, call);
    DragFixture f;
    f.state.volumeAtLeastOne = volumeAtLeastOne;
    QTest::mousePress(f.flask(), Qt::LeftButton, {}, QPoint(40, 100));
    QCOMPARE(f.procedures.calls.value(2), call);
    QCOMPARE(f.procedures.lastGraduationTarget, f.widgets.picflaskbuffer);
}

void tst_FlaskDrag::rowRoundsHalfToEven_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("row");
    QTest::newRow("100.5 draws from 100") << 100.5f << 100;
    QTest::newRow("101.5 draws from 102") << 101.5f << 102;
    QTest::newRow("18.4 draws from 18") << 18.4f << 18;
    QTest::newRow("231.6 draws from 232") << 231.6f << 232;
}

void tst_FlaskDrag::rowRoundsHalfToEven()
{
    QFETCH(float, y);
    QFETCH(int, row);
    DragFixture f;
    f.selectQuietly(f.widgets.optionLevel);
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, y), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(f.procedures.calls.value(0),
        QStringLiteral("setVolumeFromLevel(%1) live=0 dragging=0").arg(double(y)));
    QCOMPARE(f.procedures.calls.value(1), QStringLiteral("update_framestatic(%1,12)").arg(row));
    QCOMPARE(firstFluidRow(f.flask()->image(), f.plainFlaskBox()), row);
    QCOMPARE(f.flask()->image().pixel(7, row), qRgb(0, 0, 0));
}

void tst_FlaskDrag::reportButtons_data()
{
    QTest::addColumn<bool>("gridHasRows");
    QTest::addColumn<bool>("makeFileWasEnabled");
    QTest::newRow("nothing saved yet") << false << false;
    QTest::newRow("nothing saved, Make File was enabled") << false << true;
    QTest::newRow("a conversion saved") << true << false;
}

void tst_FlaskDrag::reportButtons()
{
    QFETCH(bool, gridHasRows);
    QFETCH(bool, makeFileWasEnabled);
    DragFixture f;
    f.state.gridHasRows = gridHasRows;
    f.widgets.makeFileCmnd->setEnabled(makeFileWasEnabled);
    QTest::mousePress(f.flask(), Qt::LeftButton, {}, QPoint(40, 120));
    QVERIFY(f.widgets.saveCmnd->isEnabled());
    QCOMPARE(f.widgets.makeFileCmnd->isEnabled(), gridHasRows);
    QTest::mouseMove(f.flask(), QPoint(40, 130));
    QVERIFY(f.widgets.saveCmnd->isEnabled());
    QCOMPARE(f.widgets.makeFileCmnd->isEnabled(), gridHasRows);
    QTest::mouseRelease(f.flask(), Qt::LeftButton, {}, QPoint(40, 130));
}

void tst_FlaskDrag::moveOutsideTheBandKeepsTheDrawing()
{
    DragFixture f;
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, 100), Qt::LeftButton, Qt::LeftButton);
    const QImage drawn = f.flask()->image();
    f.procedures.calls.clear();
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 232.5), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 17.5), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 5), Qt::NoButton, Qt::LeftButton);
    QVERIFY(f.procedures.calls.isEmpty());
    QCOMPARE(f.flask()->image(), drawn);
    QVERIFY(f.state.draggingFlask);
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 200), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.procedures.calls.value(1), QStringLiteral("update_framestatic(200,12)"));
    QCOMPARE(firstFluidRow(f.flask()->image(), f.plainFlaskBox()), 200);
}

void tst_FlaskDrag::moveWithoutDragDoesNothing()
{
    DragFixture f;
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 100), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 120), Qt::NoButton, Qt::NoButton);
    QVERIFY(f.procedures.calls.isEmpty());
    QVERIFY(!f.state.draggingFlask);
}

void tst_FlaskDrag::releaseOfTheOtherButtonDoesNotEnd()
{
    DragFixture f;
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, 100), Qt::RightButton,
        Qt::LeftButton | Qt::RightButton);
    sendMouse(f.flask(), QEvent::MouseButtonRelease, QPointF(40, 100), Qt::RightButton, Qt::LeftButton);
    QVERIFY(f.state.draggingFlask);
    f.procedures.calls.clear();
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 110), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.procedures.calls.size(), 4);

    sendMouse(f.flask(), QEvent::MouseButtonRelease, QPointF(40, 110), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!f.state.draggingFlask);
    f.procedures.calls.clear();
    sendMouse(f.flask(), QEvent::MouseMove, QPointF(40, 120), Qt::NoButton, Qt::NoButton);
    QVERIFY(f.procedures.calls.isEmpty());
}

void tst_FlaskDrag::pressWhileDraggingAppliesAgain()
{
    DragFixture f;
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(f.flask(), QEvent::MouseButtonPress, QPointF(40, 140), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(f.procedures.calls.size(), 8);
    QCOMPARE(firstFluidRow(f.flask()->image(), f.plainFlaskBox()), 140);
}

void tst_FlaskDrag::dragThatLeavesTheFlaskGoesOn()
{
    DragFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mousePress(f.flask(), Qt::LeftButton, {}, QPoint(40, 100));
    QVERIFY(f.state.draggingFlask);
    // Over the rest of the window, left of the flask: the flask still gets the
    // moves (x is not looked at) and the release.
    const QPoint outside = f.flask()->mapFrom(&f.window, QPoint(150, 0)) + QPoint(0, 180);
    QVERIFY(!f.flask()->rect().contains(outside));
    f.procedures.calls.clear();
    QTest::mouseMove(f.flask(), outside);
    QCOMPARE(f.procedures.calls.value(1), QStringLiteral("update_framestatic(%1,12)").arg(outside.y()));
    QTest::mouseRelease(f.flask(), Qt::LeftButton, {}, outside);
    QVERIFY(!f.state.draggingFlask);
}

void tst_FlaskDrag::sparkleDuringDragUsesZeroToTwelve()
{
    DragFixture f;
    f.selectQuietly(f.widgets.optionsparkle);
    QTest::mousePress(f.flask(), Qt::LeftButton, {}, QPoint(40, 18));
    const QImage shown = f.flask()->image();
    int highEntries = 0;
    for (int x = 6; x <= 86; x += 2) {
        for (int y = 18; y <= 232; y += 2) {
            const QRgb c = shown.pixel(x, y);
            highEntries += (c == sparklePaletteColour(11) || c == sparklePaletteColour(12)) ? 1 : 0;
            bool inPalette = false;
            for (int i = 0; i <= 12; ++i)
                inPalette = inPalette || c == sparklePaletteColour(i);
            QVERIFY(inPalette);
        }
    }
    QVERIFY(highEntries > 0);
    QTest::mouseRelease(f.flask(), Qt::LeftButton, {}, QPoint(40, 18));
}

QTEST_MAIN(tst_FlaskDrag)
#include "tst_flaskdrag.moc"
