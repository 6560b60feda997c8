#include "Formkit/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <utility>

namespace Formkit {

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

int keyAsciiOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return -1;
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return -1;
    return c.unicode();
}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::onTextChanged);
    connect(this, &QLineEdit::textEdited, this, [this] { ++m_editsSinceTrim; });
}

void TextBox::setUndoLimit(int edits)
{
    m_undoLimit = qMax(0, edits);
    keepUndoWithinLimit();
}

void TextBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
}

int TextBox::selStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int start)
{
    setCursorPosition(qBound(0, start, int(text().size())));
}

int TextBox::selLength() const
{
    return hasSelectedText() ? int(selectedText().size()) : 0;
}

void TextBox::setSelLength(int length)
{
    const int start = selStart();
    const int len = qBound(0, length, int(text().size()) - start);
    if (len == 0)
        setCursorPosition(start);
    else
        setSelection(start, len);
}

void TextBox::onTextChanged(const QString &text)
{
    if (text == m_lastText)
        return;
    m_lastText = text;
    emit change();
}

int TextBox::roomLeft() const
{
    if (m_maxLength == 0)
        return INT_MAX;
    return qMax(0, m_maxLength - int(text().size()) + int(selectedText().size()));
}

void TextBox::typeText(QString text)
{
    if (isReadOnly())
        return;
    text.truncate(qMin(roomLeft(), int(text.size())));
    if (!text.isEmpty())
        insert(text);
}

bool TextBox::event(QEvent *event)
{
    ++m_eventDepth;
    const bool handled = QLineEdit::event(event);
    --m_eventDepth;
    // Only after the outermost event: within it QLineEdit may be amid an edit
    // whose handlers opened a nested event loop.
    if (m_eventDepth == 0)
        keepUndoWithinLimit();
    return handled;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    m_focusPressDue = false;
    const int original = keyAsciiOf(event);
    if (original < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = original;
    emit keyPress(keyAscii);
    if (keyAscii == 0) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        typeText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (keyAscii != original) {
        // The handler asked for another character in place of the key.
        if (keyAscii >= 32)
            typeText(QString(QChar(keyAscii)));
        event->accept();
        return;
    }
    if (keyAscii >= 32 && roomLeft() < int(event->text().size())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyUp(event->key(), shiftStateOf(event->modifiers()));
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    // Focus given by a mouse press comes before the press itself, and the press
    // would then drop the selection that the gotFocus() handler makes.
    m_focusPressDue = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    m_focusPressDue = false;
    m_keepingFocusSelection = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    const bool focusPress = std::exchange(m_focusPressDue, false);
    if (!focusPress || event->button() != Qt::LeftButton || !hasSelectedText()) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const Selection made = selection();
    QLineEdit::mousePressEvent(event);
    restoreSelection(made);
    m_keepingFocusSelection = true;
    m_focusPressAt = event->position();
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_keepingFocusSelection) {
        // A hand's tremble during the click keeps the selection; a drag selects
        // from the pressed place, as after any other press.
        if ((event->position() - m_focusPressAt).manhattanLength() < QApplication::startDragDistance()) {
            event->accept();
            return;
        }
        m_keepingFocusSelection = false;
        setCursorPosition(cursorPositionAt(m_focusPressAt.toPoint()));
    }
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    m_keepingFocusSelection = false;
    QLineEdit::mouseReleaseEvent(event);
}

// Undo history --------------------------------------------------------------------
//
// QLineEdit records every edit for undo and never forgets one before its text is
// set anew: a box typed into all day grows without end. Its history can only be
// read by undoing and only be emptied by setting the text, so the limit is kept
// with those two: past the limit the box walks back over the edits it keeps,
// empties its history at the oldest of them and makes those edits again, one
// undo step each. Ctrl+Z then still takes back the recent edits. All of it runs
// with the box's signals blocked: to its handlers the text never changed.

TextBox::Selection TextBox::selection() const
{
    Selection s;
    s.cursor = cursorPosition();
    s.start = hasSelectedText() ? selectionStart() : s.cursor;
    s.length = hasSelectedText() ? selectionLength() : 0;
    return s;
}

void TextBox::restoreSelection(const Selection &s)
{
    if (s.length == 0)
        setCursorPosition(s.cursor);
    else if (s.cursor == s.start)
        setSelection(s.start + s.length, -s.length);
    else
        setSelection(s.start, s.length);
}

void TextBox::keepUndoWithinLimit()
{
    if (m_undoLimit == 0) {
        if (isUndoAvailable())
            dropUndoHistory();
        return;
    }
    // Not while the user is undoing: redo would be lost.
    if (m_editsSinceTrim >= m_undoLimit && !isRedoAvailable())
        trimUndoHistory();
}

void TextBox::dropUndoHistory()
{
    const Selection kept = selection();
    const bool modified = isModified();
    const QSignalBlocker quiet(this);
    setText(text());
    restoreSelection(kept);
    setModified(modified);
}

void TextBox::trimUndoHistory()
{
    const Selection kept = selection();
    const bool modified = isModified();
    const QString now = text();
    const QSignalBlocker quiet(this);
    QStringList past; // oldest first
    while (past.size() < m_undoLimit && isUndoAvailable()) {
        undo();
        past.prepend(text());
    }
    if (!past.isEmpty()) {
        setText(past.takeFirst());
        for (const QString &state : std::as_const(past))
            replayEdit(state);
        replayEdit(now);
        endUndoStep(); // the user's next edit is a step of its own
    }
    restoreSelection(kept);
    setModified(modified);
    m_editsSinceTrim = 0;
}

// QLineEdit ends an undo step where the cursor moves. With no text to move in,
// the step before was a removal, and a removal by Backspace and the typing that
// follows are never one step.
void TextBox::endUndoStep()
{
    if (!text().isEmpty())
        setCursorPosition(cursorPosition() == 0 ? 1 : 0);
}

// Turns the text into `to` with one undo step: the part between what both share
// at the start and at the end is replaced.
void TextBox::replayEdit(const QString &to)
{
    const QString from = text();
    const qsizetype shorter = qMin(from.size(), to.size());
    qsizetype head = 0;
    while (head < shorter && from.at(head) == to.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && from.at(from.size() - 1 - tail) == to.at(to.size() - 1 - tail))
        ++tail;
    const int at = int(head);
    const int removed = int(from.size() - head - tail);
    const QString added = to.mid(head, to.size() - head - tail);
    if (removed == 0 && added.isEmpty())
        return;
    endUndoStep();
    if (added.isEmpty()) {
        setCursorPosition(at + removed);
        for (int i = 0; i < removed; ++i)
            backspace();
    } else if (removed > 0) {
        setSelection(at, removed);
        insert(added);
    } else {
        setCursorPosition(at);
        insert(added);
    }
}

} // namespace Formkit
