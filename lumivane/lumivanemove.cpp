// Moving the control by dragging it. The press starts a drag of a moveable
// control, each move carries the control and/or an outline of it with the
// cursor, and the release puts the control at its final place. Moveable and
// MoveStyle are read where the drag needs them, so switching Moveable off during
// a drag lets the drag go on until a release finds it on again.

#include "Lumivane/lumivane.h"
#include "lumivane_p.h"

#include "controlextender.h"
#include "dragoutline.h"
#include "movedrag.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QScreen>

namespace {

// A property of the extender by name, the case of the name aside.
QVariant propertyByName(const QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    const int exact = meta->indexOfProperty(name);
    if (exact >= 0)
        return meta->property(exact).read(object);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        if (qstricmp(meta->property(i).name(), name) == 0)
            return meta->property(i).read(object);
    }
    for (const QByteArray &dynamic : object->dynamicPropertyNames()) {
        if (qstricmp(dynamic.constData(), name) == 0)
            return object->property(dynamic.constData());
    }
    return {};
}

// Calls the extender's Move(left, top), the case of the name aside; an extender
// without one is not moved.
void callMove(QObject *object, double left, double top)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.parameterCount() == 2 && qstricmp(method.name().constData(), "Move") == 0
            && method.parameterType(0) == QMetaType::Double && method.parameterType(1) == QMetaType::Double) {
            method.invoke(object, Qt::DirectConnection, Q_ARG(double, left), Q_ARG(double, top));
            return;
        }
    }
}

} // namespace

void Lumivane::setExtender(QObject *extender)
{
    Q_D(Lumivane);
    d->m_extender = extender;
}

QObject *Lumivane::extender()
{
    Q_D(Lumivane);
    if (!d->m_extender)
        d->m_extender = new ControlExtender(this);
    return d->m_extender;
}

QRect Lumivane::windowRect() const
{
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

float Lumivane::twipsPerPixelX() const
{
    return movedrag::twipsPerPixel(screen() ? screen()->logicalDotsPerInchX() : 96.0);
}

float Lumivane::twipsPerPixelY() const
{
    return movedrag::twipsPerPixel(screen() ? screen()->logicalDotsPerInchY() : 96.0);
}

bool Lumivane::readExtender(const char *name, double &value)
{
    bool ok = false;
    const double read = propertyByName(extender(), name).toDouble(&ok);
    if (ok)
        value = read;
    return ok;
}

void Lumivane::readDragCursor()
{
    Q_D(Lumivane);
    // Read before the host hears of the press, whether or not a drag follows.
    d->m_cursorPos = QCursor::pos();
}

void Lumivane::beginDrag()
{
    Q_D(Lumivane);
    if (!d->m_moveable)
        return;
    d->m_dragging = true;
    if (QWidget *holder = QWidget::mouseGrabber())
        holder->releaseMouse();
    grabMouse(); // the moves keep coming when the cursor leaves the control
    d->m_dragPos = windowRect().topLeft();
    // An extender without the position keeps the offsets as they were.
    double left = 0;
    double top = 0;
    if (readExtender("left", left))
        d->m_offsetX = movedrag::offset(left, twipsPerPixelX(), d->m_cursorPos.x());
    if (readExtender("Top", top))
        d->m_offsetY = movedrag::offset(top, twipsPerPixelY(), d->m_cursorPos.y());
    if (movedrag::showsOutline(d->m_moveStyle))
        drawDragOutline(d->m_dragPos);
}

void Lumivane::moveToCursor()
{
    Q_D(Lumivane);
    callMove(extender(), movedrag::position(twipsPerPixelX(), d->m_cursorPos.x(), d->m_offsetX),
        movedrag::position(twipsPerPixelY(), d->m_cursorPos.y(), d->m_offsetY));
}

void Lumivane::followDrag()
{
    Q_D(Lumivane);
    if (movedrag::showsOutline(d->m_moveStyle))
        drawDragOutline(d->m_dragPos); // removes the last one
    // The outline keeps its distance from the cursor.
    d->m_dragPos -= d->m_cursorPos;
    d->m_cursorPos = QCursor::pos();
    d->m_dragPos += d->m_cursorPos;
    if (movedrag::movesLive(d->m_moveStyle)) {
        moveToCursor();
        // The container repaints what the control uncovered before the next move.
        const QPointer<Lumivane> alive(this);
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
    if (movedrag::showsOutline(d->m_moveStyle))
        drawDragOutline(d->m_dragPos);
}

void Lumivane::endDrag()
{
    Q_D(Lumivane);
    if (!d->m_moveable)
        return;
    const bool wasDragging = d->m_dragging;
    d->m_dragging = false;
    // A release without a press before it (the second one of a double-click)
    // has no outline to remove.
    if (wasDragging && movedrag::showsOutline(d->m_moveStyle))
        drawDragOutline(d->m_dragPos);
    moveToCursor(); // from the cursor of the last move: it is not read again
    if (QWidget *holder = QWidget::mouseGrabber())
        holder->releaseMouse();
}

void Lumivane::drawDragOutline(QPoint position)
{
    Q_D(Lumivane);
    if (!d->m_dragOutline)
        d->m_dragOutline = new DragOutline(this);
    d->m_dragOutline->draw(QRect(position, windowRect().size()));
}
