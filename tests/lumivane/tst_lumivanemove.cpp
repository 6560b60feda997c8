#include "Lumivane/lumivane.h"
#include "movedrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// The host's view of the control: its place in a container that measures in
// twips of the screen, and every Move the control asks for.
class TestExtender final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double left READ left)
    Q_PROPERTY(double Top READ top)

public:
    explicit TestExtender(QWidget *control)
        : QObject(control)
        , m_control(control)
    { }

    static double perPixel()
    {
        return movedrag::twipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    }
    double left() const { return m_control->x() * perPixel(); }
    double top() const { return m_control->y() * perPixel(); }
    Q_INVOKABLE void Move(double left, double top)
    {
        moves.append(QPointF(left, top));
        m_control->move(qRound(left / perPixel()), qRound(top / perPixel()));
        if (onMove)
            onMove();
    }

    QList<QPointF> moves;
    std::function<void()> onMove;

private:
    QWidget *m_control;
};

// Counts a mouse event of the control (its parameters are references, which a
// signal spy cannot keep).
struct EventCount
{
    int count = 0;
    EventCount(Lumivane *control, void (Lumivane::*event)(int &, int &, float &, float &))
    {
        QObject::connect(control, event, control, [this](int &, int &, float &, float &) { ++count; });
    }
};

// The outlines on the screen.
QList<QRect> outlines()
{
    QList<QRect> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("LumivaneDragOutline") && window->isVisible())
            shown.append(window->geometry());
    }
    return shown;
}

// A control at 40, 30 pixels (600, 450 twips) of a shown container.
struct Scene
{
    QWidget container;
    Lumivane *control = nullptr;
    TestExtender *extender = nullptr;

    explicit Scene(bool moveable = true, qint32 moveStyle = movedrag::contents)
    {
        container.setGeometry(100, 100, 400, 300);
        control = new Lumivane(&container);
        control->setGeometry(40, 30, 50, 20);
        control->setMoveable(moveable);
        control->setMoveStyle(Lumivane::LVNMoveStyle(moveStyle));
        extender = new TestExtender(control);
        control->setExtender(extender);
        container.show();
    }

    QPoint corner() const { return control->mapToGlobal(QPoint(0, 0)); }

    // The cursor goes to a screen position and the control hears of it, as it
    // would with the button held (capture) or over it.
    void press(QPoint screen, Qt::MouseButton button = Qt::LeftButton)
    {
        QCursor::setPos(screen);
        QTest::mousePress(control, button, {}, control->mapFromGlobal(screen));
    }
    void moveTo(QPoint screen)
    {
        QCursor::setPos(screen);
        QTest::mouseMove(control, control->mapFromGlobal(screen));
    }
    void release(QPoint screen, Qt::MouseButton button = Qt::LeftButton)
    {
        QCursor::setPos(screen);
        QTest::mouseRelease(control, button, {}, control->mapFromGlobal(screen));
    }
};

} // namespace

class tst_LumivaneMove final : public QObject
{
    Q_OBJECT

private slots:
    void cursorCanBeSetOnThisPlatform();
    void notMoveableOnlyRaisesTheEvents();
    void contentsKeepsTheOffsetFromTheCursor();
    void offsetsAreTakenInContainerUnits();
    void wireFrameMovesOnceOnReleaseToTheOutline();
    void bothMovesOutlineAndControl();
    void styleOutsideTheRangeOnlyJumpsOnRelease_data();
    void styleOutsideTheRangeOnlyJumpsOnRelease();
    void anyButtonStartsADrag_data();
    void anyButtonStartsADrag();
    void dragOutsideTheControlKeepsMoving();
    void doubleClickLeavesNoOutlineAndStays_data();
    void doubleClickLeavesNoOutlineAndStays();
    void switchingMoveableOffDuringADragLetsItGoOn();
    void nestedMovesAreDropped();
    void cursorIsReadBeforeTheHostHearsOfThePress();
    void withoutAnExtenderTheControlMovesInItsParent();
    void extenderWithoutTheMembersLeavesTheControl();
};

void tst_LumivaneMove::cursorCanBeSetOnThisPlatform()
{
    QCursor::setPos(QPoint(321, 123));
    QCOMPARE(QCursor::pos(), QPoint(321, 123));
}

void tst_LumivaneMove::notMoveableOnlyRaisesTheEvents()
{
    Scene scene(false);
    EventCount downs(scene.control, &Lumivane::MouseDown);
    EventCount moves(scene.control, &Lumivane::MouseMove);
    EventCount ups(scene.control, &Lumivane::MouseUp);
    const QPoint start = scene.corner() + QPoint(5, 5);
    scene.press(start);
    QVERIFY(!scene.control->isDragging());
    QVERIFY(QWidget::mouseGrabber() != scene.control);
    scene.moveTo(start + QPoint(30, 20));
    scene.release(start + QPoint(30, 20));
    QCOMPARE(downs.count, 1);
    QCOMPARE(moves.count, 1);
    QCOMPARE(ups.count, 1);
    QCOMPARE(scene.control->pos(), QPoint(40, 30));
    QVERIFY(scene.extender->moves.isEmpty());
    QVERIFY(outlines().isEmpty());
}

void tst_LumivaneMove::contentsKeepsTheOffsetFromTheCursor()
{
    Scene scene(true, movedrag::contents);
    EventCount moves(scene.control, &Lumivane::MouseMove);
    const QPoint grip(7, 4);
    const QPoint start = scene.corner() + grip;
    scene.press(start);
    QVERIFY(scene.control->isDragging());
    QCOMPARE(QWidget::mouseGrabber(), scene.control);
    QVERIFY(outlines().isEmpty());

    for (const QPoint step : { QPoint(10, 0), QPoint(25, 12), QPoint(-3, 40) }) {
        scene.moveTo(start + step);
        QCOMPARE(scene.corner(), start + step - grip);
        QVERIFY(outlines().isEmpty());
    }
    QCOMPARE(moves.count, 3);
    QCOMPARE(scene.extender->moves.size(), 3);

    scene.release(start + QPoint(-3, 40));
    QVERIFY(!scene.control->isDragging());
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    QCOMPARE(scene.control->pos(), QPoint(37, 70));
    // The release moves once more, to the same place.
    QCOMPARE(scene.extender->moves.size(), 4);
    QCOMPARE(scene.extender->moves.last(), scene.extender->moves.at(2));
}

void tst_LumivaneMove::offsetsAreTakenInContainerUnits()
{
    // The container's twips are the screen's: the first move goes to the
    // control's left and top plus the cursor's travel in twips.
    Scene scene(true, movedrag::contents);
    const double perPixel = TestExtender::perPixel();
    const QPoint start = scene.corner() + QPoint(3, 3);
    scene.press(start);
    scene.moveTo(start + QPoint(2, -1));
    QCOMPARE(scene.extender->moves.size(), 1);
    QCOMPARE(scene.extender->moves.first(), QPointF(600 + 2 * perPixel, 450 - perPixel));
    scene.release(start + QPoint(2, -1));
}

void tst_LumivaneMove::wireFrameMovesOnceOnReleaseToTheOutline()
{
    Scene scene(true, movedrag::wireFrame);
    const QPoint grip(10, 5);
    const QPoint start = scene.corner() + grip;
    const QRect original(scene.corner(), scene.control->size());
    scene.press(start);
    QCOMPARE(outlines(), QList<QRect> { original });

    scene.moveTo(start + QPoint(20, 15));
    QCOMPARE(outlines(), QList<QRect> { original.translated(20, 15) });
    scene.moveTo(start + QPoint(60, -10));
    QCOMPARE(outlines(), QList<QRect> { original.translated(60, -10) });
    QCOMPARE(scene.control->pos(), QPoint(40, 30)); // the control stays
    QVERIFY(scene.extender->moves.isEmpty());

    scene.release(start + QPoint(60, -10));
    QVERIFY(outlines().isEmpty());
    QCOMPARE(scene.extender->moves.size(), 1);
    QCOMPARE(QRect(scene.corner(), scene.control->size()), original.translated(60, -10));
}

void tst_LumivaneMove::bothMovesOutlineAndControl()
{
    Scene scene(true, movedrag::both);
    const QPoint start = scene.corner() + QPoint(4, 4);
    scene.press(start);
    for (const QPoint step : { QPoint(5, 5), QPoint(50, 0), QPoint(12, 33) }) {
        scene.moveTo(start + step);
        const QRect now(scene.corner(), scene.control->size());
        QCOMPARE(now.topLeft(), start + step - QPoint(4, 4));
        QCOMPARE(outlines(), QList<QRect> { now });
    }
    scene.release(start + QPoint(12, 33));
    QVERIFY(outlines().isEmpty());
    QCOMPARE(scene.control->pos(), QPoint(52, 63));
}

void tst_LumivaneMove::styleOutsideTheRangeOnlyJumpsOnRelease_data()
{
    QTest::addColumn<qint32>("style");
    QTest::newRow("three") << 3;
    QTest::newRow("minus one") << -1;
    QTest::newRow("large") << qint32(0x7FFFFFFF);
}

void tst_LumivaneMove::styleOutsideTheRangeOnlyJumpsOnRelease()
{
    QFETCH(qint32, style);
    Scene scene(true, style);
    QCOMPARE(qint32(scene.control->moveStyle()), style);
    const QPoint start = scene.corner() + QPoint(2, 2);
    scene.press(start);
    scene.moveTo(start + QPoint(30, 30));
    scene.moveTo(start + QPoint(35, 20));
    QVERIFY(outlines().isEmpty());
    QVERIFY(scene.extender->moves.isEmpty());
    QCOMPARE(scene.control->pos(), QPoint(40, 30));
    scene.release(start + QPoint(35, 20));
    QVERIFY(outlines().isEmpty());
    QCOMPARE(scene.control->pos(), QPoint(75, 50));
}

void tst_LumivaneMove::anyButtonStartsADrag_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("buttonCode");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 2;
    QTest::newRow("middle") << Qt::MiddleButton << 4;
}

void tst_LumivaneMove::anyButtonStartsADrag()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, buttonCode);
    Scene scene(true, movedrag::contents);
    int pressed = 0;
    connect(scene.control, &Lumivane::MouseDown, this, [&](int &b, int &, float &, float &) { pressed = b; });
    const QPoint start = scene.corner() + QPoint(1, 1);
    scene.press(start, button);
    QCOMPARE(pressed, buttonCode);
    QVERIFY(scene.control->isDragging());
    scene.moveTo(start + QPoint(8, 9));
    scene.release(start + QPoint(8, 9), button);
    QCOMPARE(scene.control->pos(), QPoint(48, 39));
}

void tst_LumivaneMove::dragOutsideTheControlKeepsMoving()
{
    Scene scene(true, movedrag::contents);
    const QPoint start = scene.corner() + QPoint(1, 1);
    scene.press(start);
    // Far outside the control and its container: the capture keeps the moves coming.
    QCOMPARE(QWidget::mouseGrabber(), scene.control);
    scene.moveTo(start + QPoint(600, 400));
    QCOMPARE(scene.control->pos(), QPoint(640, 430));
    scene.release(start + QPoint(600, 400));
    QVERIFY(QWidget::mouseGrabber() == nullptr);
}

void tst_LumivaneMove::doubleClickLeavesNoOutlineAndStays_data()
{
    QTest::addColumn<qint32>("style");
    QTest::newRow("wire frame") << movedrag::wireFrame;
    QTest::newRow("both") << movedrag::both;
    QTest::newRow("contents") << movedrag::contents;
}

void tst_LumivaneMove::doubleClickLeavesNoOutlineAndStays()
{
    QFETCH(qint32, style);
    Scene scene(true, style);
    EventCount downs(scene.control, &Lumivane::MouseDown);
    EventCount ups(scene.control, &Lumivane::MouseUp);
    QSignalSpy doubles(scene.control, &Lumivane::DblClick);
    const QPoint at = scene.corner() + QPoint(6, 6);
    QCursor::setPos(at);
    const QPoint local = scene.control->mapFromGlobal(at);
    // Down, up, double-click, up: the second release comes without a press.
    QTest::mousePress(scene.control, Qt::LeftButton, {}, local);
    QTest::mouseRelease(scene.control, Qt::LeftButton, {}, local);
    QTest::mouseDClick(scene.control, Qt::LeftButton, {}, local);
    QVERIFY(outlines().isEmpty());
    QTest::mouseRelease(scene.control, Qt::LeftButton, {}, local);
    QCOMPARE(downs.count, 1);
    QCOMPARE(ups.count, 2);
    QCOMPARE(doubles.count(), 1);
    QVERIFY(outlines().isEmpty());
    QCOMPARE(scene.control->pos(), QPoint(40, 30));
    QVERIFY(QWidget::mouseGrabber() == nullptr);
}

void tst_LumivaneMove::switchingMoveableOffDuringADragLetsItGoOn()
{
    Scene scene(true, movedrag::both);
    EventCount ups(scene.control, &Lumivane::MouseUp);
    const QPoint start = scene.corner() + QPoint(2, 2);
    scene.press(start);
    scene.moveTo(start + QPoint(10, 10));
    scene.control->setMoveable(false);

    // The release only raises its event: the drag, the capture and the outline stay.
    scene.release(start + QPoint(10, 10));
    QCOMPARE(ups.count, 1);
    QVERIFY(scene.control->isDragging());
    QCOMPARE(QWidget::mouseGrabber(), scene.control);
    QCOMPARE(outlines().size(), 1);

    // Moves keep moving it; a release with Moveable on again ends the drag.
    QCursor::setPos(start + QPoint(20, 30));
    QMouseEvent move(QEvent::MouseMove, scene.control->mapFromGlobal(start + QPoint(20, 30)),
        start + QPoint(20, 30), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(scene.control, &move);
    QCOMPARE(scene.control->pos(), QPoint(60, 60));
    QCOMPARE(outlines(), QList<QRect> { QRect(scene.corner(), scene.control->size()) });
    scene.control->setMoveable(true);
    scene.release(start + QPoint(20, 30));
    QVERIFY(!scene.control->isDragging());
    QVERIFY(outlines().isEmpty());
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    QCOMPARE(scene.control->pos(), QPoint(60, 60));
}

void tst_LumivaneMove::nestedMovesAreDropped()
{
    Scene scene(true, movedrag::contents);
    EventCount moves(scene.control, &Lumivane::MouseMove);
    const QPoint start = scene.corner() + QPoint(2, 2);
    // A move that waits in the queue when the control moves is delivered while
    // the first one still runs, and is dropped whole.
    scene.extender->onMove = [&] {
        scene.extender->onMove = nullptr;
        QCursor::setPos(start + QPoint(90, 90));
        QCoreApplication::postEvent(scene.control,
            new QMouseEvent(QEvent::MouseMove, QPointF(1, 1), QPointF(start + QPoint(90, 90)), Qt::NoButton,
                Qt::LeftButton, Qt::NoModifier));
    };
    scene.press(start);
    scene.moveTo(start + QPoint(10, 10));
    QCOMPARE(moves.count, 1);
    QCOMPARE(scene.extender->moves.size(), 1);
    QCOMPARE(scene.control->pos(), QPoint(50, 40));

    // The guard is down again for the next move.
    scene.moveTo(start + QPoint(11, 10));
    QCOMPARE(moves.count, 2);
    QCOMPARE(scene.control->pos(), QPoint(51, 40));
    scene.release(start + QPoint(11, 10));
}

void tst_LumivaneMove::cursorIsReadBeforeTheHostHearsOfThePress()
{
    // A host that moves the cursor in its MouseDown handler does not shift the offset.
    Scene scene(true, movedrag::contents);
    const QPoint start = scene.corner() + QPoint(5, 5);
    connect(scene.control, &Lumivane::MouseDown, this,
        [&](int &, int &, float &, float &) { QCursor::setPos(start + QPoint(100, 100)); });
    scene.press(start);
    scene.moveTo(start + QPoint(1, 0));
    QCOMPARE(scene.control->pos(), QPoint(41, 30));
    scene.release(start + QPoint(1, 0));
}

void tst_LumivaneMove::withoutAnExtenderTheControlMovesInItsParent()
{
    QWidget container;
    container.setGeometry(100, 100, 300, 200);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 20, 30, 30);
    control->setMoveable(true);
    container.show();
    QObject *extender = control->extender();
    QCOMPARE(extender->property("left").toDouble(), 10 * TestExtender::perPixel());
    QCOMPARE(extender->property("Top").toDouble(), 20 * TestExtender::perPixel());

    const QPoint start = control->mapToGlobal(QPoint(3, 3));
    QCursor::setPos(start);
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
    QCursor::setPos(start + QPoint(15, 25));
    QTest::mouseMove(control, control->mapFromGlobal(start + QPoint(15, 25)));
    QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFromGlobal(start + QPoint(15, 25)));
    QCOMPARE(control->pos(), QPoint(25, 45));
}

void tst_LumivaneMove::extenderWithoutTheMembersLeavesTheControl()
{
    // A host whose extender has neither a position nor Move: the events still
    // come, the control stays and nothing fails.
    QWidget container;
    container.setGeometry(100, 100, 300, 200);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 20, 30, 30);
    control->setMoveable(true);
    QObject bare;
    control->setExtender(&bare);
    container.show();
    EventCount ups(control, &Lumivane::MouseUp);
    const QPoint start = control->mapToGlobal(QPoint(3, 3));
    QCursor::setPos(start);
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
    QCursor::setPos(start + QPoint(15, 25));
    QTest::mouseMove(control, control->mapFromGlobal(start + QPoint(15, 25)));
    QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFromGlobal(start + QPoint(15, 25)));
    QCOMPARE(ups.count, 1);
    QCOMPARE(control->pos(), QPoint(10, 20));
    QVERIFY(!control->lastError().isError());
}

QTEST_MAIN(tst_LumivaneMove)
#include "tst_lumivanemove.moc"
