// Input on the visible surface, passed to the host as the control's events:
// keys, mouse buttons and moves (a moveable control's drag follows them, in
// lumivanemove.cpp), and OLE drag and drop, with the control as a drop target
// and, through OLEDrag, as a drag source.

#include "Lumivane/lumivane.h"
#include "lumivane_p.h"

#include "Formkit/listbox.h"
#include "Formkit/textbox.h"
#include "dragdata.h"

#include <QCoreApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

using Formkit::ControlError;
using Formkit::keyAsciiOf;
using Formkit::mouseButtonCode;
using Formkit::shiftStateOf;

namespace {

// The platform's key codes: letters, digits and most keys share Qt's numbers;
// these differ.
int keyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || key == Qt::Key_Space)
        return key;
    return key & 0xFFFF;
}

// Drop effects: 1 copy, 2 move, 4 link.
qint32 effectOf(Qt::DropActions actions)
{
    qint32 effect = 0;
    if (actions & Qt::CopyAction)
        effect |= 1;
    if (actions & Qt::MoveAction)
        effect |= 2;
    if (actions & Qt::LinkAction)
        effect |= 4;
    return effect;
}

Qt::DropActions actionsOf(qint32 effect)
{
    Qt::DropActions actions;
    if (effect & 1)
        actions |= Qt::CopyAction;
    if (effect & 2)
        actions |= Qt::MoveAction;
    if (effect & 4)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction firstActionOf(qint32 effect)
{
    if (effect & 2)
        return Qt::MoveAction;
    if (effect & 1)
        return Qt::CopyAction;
    if (effect & 4)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

void Lumivane::keyPressEvent(QKeyEvent *event)
{
    int keyCode = keyCodeOf(event);
    int shift = shiftStateOf(event->modifiers());
    emit KeyDown(keyCode, shift);

    const int original = keyAsciiOf(event);
    if (original == 0) {
        event->ignore();
        return;
    }
    int keyAscii = original;
    emit KeyPress(keyAscii);
    if (keyAscii == 0) {
        event->accept(); // discarded: the container never sees it
        return;
    }
    if (keyAscii != original && parentWidget()) {
        // The container receives the character the handler chose.
        event->accept();
        const QString text { QChar(char16_t(keyAscii)) };
        QKeyEvent changed(QEvent::KeyPress, keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 32 : keyAscii,
            event->modifiers(), text);
        QCoreApplication::sendEvent(parentWidget(), &changed);
        return;
    }
    event->ignore();
}

void Lumivane::keyReleaseEvent(QKeyEvent *event)
{
    int keyCode = keyCodeOf(event);
    int shift = shiftStateOf(event->modifiers());
    emit KeyUp(keyCode, shift);
    event->ignore();
}

void Lumivane::mouseEventToHost(
    void (Lumivane::*hostEvent)(int &, int &, float &, float &), int button, QMouseEvent *e)
{
    const QPointF at = fromPixels(e->position() - QPointF(interior().topLeft()));
    int shift = shiftStateOf(e->modifiers());
    float x = float(at.x());
    float y = float(at.y());
    emit(this->*hostEvent)(button, shift, x, y);
}

void Lumivane::mousePressEvent(QMouseEvent *event)
{
    // The host hears of the press first; a drag of a moveable control follows it.
    readDragCursor();
    mouseEventToHost(&Lumivane::MouseDown, mouseButtonCode(event->button()), event);
    beginDrag();
}

void Lumivane::mouseMoveEvent(QMouseEvent *event)
{
    Q_D(Lumivane);
    // A move that arrives while the last one still runs (through the events
    // processed after a live move) is dropped whole.
    if (d->m_inMouseMove)
        return;
    d->m_inMouseMove = true;
    const QPointer<Lumivane> alive(this);
    mouseEventToHost(&Lumivane::MouseMove, mouseButtonCode(event->buttons()), event);
    if (alive && d->m_dragging)
        followDrag();
    if (alive)
        d->m_inMouseMove = false;
}

void Lumivane::mouseReleaseEvent(QMouseEvent *event)
{
    Q_D(Lumivane);
    const bool over = rect().contains(event->position().toPoint());
    mouseEventToHost(&Lumivane::MouseUp, mouseButtonCode(event->button()), event);
    endDrag();
    const bool click = over && !d->m_doubleClicked;
    d->m_doubleClicked = false;
    if (click)
        emit Click();
}

void Lumivane::mouseDoubleClickEvent(QMouseEvent *)
{
    Q_D(Lumivane);
    // Down, up, Click, DblClick, up: the second press is the double-click.
    d->m_doubleClicked = true;
    emit DblClick();
}

void Lumivane::dragEnterEvent(QDragEnterEvent *event)
{
    dragOverToHost(event, 0); // entering
}

void Lumivane::dragMoveEvent(QDragMoveEvent *event)
{
    dragOverToHost(event, 2); // over
}

void Lumivane::dragOverToHost(QDragMoveEvent *event, int state)
{
    qint32 effect = effectOf(event->possibleActions());
    int button = mouseButtonCode(event->buttons());
    int shift = shiftStateOf(event->modifiers());
    const QPointF at = fromPixels(event->position() - QPointF(interior().topLeft()));
    float x = float(at.x());
    float y = float(at.y());
    emit OLEDragOver(event->mimeData(), effect, button, shift, x, y, state);
    if (effect == 0) {
        event->ignore();
        return;
    }
    event->setDropAction(firstActionOf(effect));
    event->accept();
}

void Lumivane::dragLeaveEvent(QDragLeaveEvent *)
{
    qint32 effect = 0;
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
    int state = 1; // leaving
    emit OLEDragOver(nullptr, effect, button, shift, x, y, state);
}

void Lumivane::dropEvent(QDropEvent *event)
{
    qint32 effect = effectOf(event->possibleActions());
    int button = mouseButtonCode(event->buttons());
    int shift = shiftStateOf(event->modifiers());
    const QPointF at = fromPixels(event->position() - QPointF(interior().topLeft()));
    float x = float(at.x());
    float y = float(at.y());
    emit OLEDragDrop(event->mimeData(), effect, button, shift, x, y);
    event->setDropAction(firstActionOf(effect));
    event->accept();
}

// Drag source -------------------------------------------------------------------------

ControlError Lumivane::startOleDrag()
{
    auto *dragData
        = new DragData([this](DragData *promised, int &format) { emit OLESetData(promised, format); });
    qint32 allowed = 1 | 2;
    emit OLEStartDrag(dragData, allowed);
    if (allowed == 0) {
        delete dragData;
        return {};
    }
    QDrag drag(this);
    drag.setMimeData(dragData);
    connect(&drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        qint32 effect = effectOf(action);
        bool defaultCursors = true;
        emit OLEGiveFeedback(effect, defaultCursors);
    });
    qint32 effect = effectOf(drag.exec(actionsOf(allowed)));
    emit OLECompleteDrag(effect);
    return {};
}

void Lumivane::OLEDrag()
{
    runMember([this] { return startOleDrag(); });
}
