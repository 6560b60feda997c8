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

class TextBoxPrivate
{
    Q_DECLARE_PUBLIC(TextBox)

public:
    explicit TextBoxPrivate(TextBox *box)
        : q_ptr(box)
    { }

    struct Selection
    {
        int cursor = 0;
        int start = 0;
        int length = 0;
    };

    void onTextChanged(const QString &text);
    void typeText(QString text);
    int roomLeft() const;
    Selection selection() const;
    void restoreSelection(const Selection &selection);
    void keepUndoWithinLimit();
    void dropUndoHistory();
    void trimUndoHistory();
    void replayEdit(const QString &to);
    void endUndoStep();

    TextBox *const q_ptr;
    int maxLength = 0;
    QString lastText;
    int undoLimit = TextBox::defaultUndoLimit;
    int editsSinceTrim = 0;
    int eventDepth = 0;
    // The focus came in by a mouse press that has not reached the box yet.
    bool focusPressDue = false;
    // That press has come and keeps the focus selection until the mouse drags.
    bool keepingFocusSelection = false;
    QPointF focusPressAt;
};

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
    , d_ptr(std::make_unique<TextBoxPrivate>(this))
{
    connect(
        this, &QLineEdit::textChanged, this, [this](const QString &now) { d_func()->onTextChanged(now); });
    connect(this, &QLineEdit::textEdited, this, [this] { ++d_func()->editsSinceTrim; });
}

TextBox::~TextBox() = default;

int TextBox::maxLength() const
{
    Q_D(const TextBox);
    return d->maxLength;
}

int TextBox::undoLimit() const
{
    Q_D(const TextBox);
    return d->undoLimit;
}

void TextBox::setUndoLimit(int edits)
{
    Q_D(TextBox);
    d->undoLimit = qMax(0, edits);
    d->keepUndoWithinLimit();
}

void TextBox::setMaxLength(int length)
{
    Q_D(TextBox);
    d->maxLength = qMax(0, length);
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

void TextBoxPrivate::onTextChanged(const QString &text)
{
    Q_Q(TextBox);
    if (text == lastText)
        return;
    lastText = text;
    emit q->change();
}

int TextBoxPrivate::roomLeft() const
{
    Q_Q(const TextBox);
    if (maxLength == 0)
        return INT_MAX;
    return qMax(0, maxLength - int(q->text().size()) + int(q->selectedText().size()));
}

void TextBoxPrivate::typeText(QString text)
{
    Q_Q(TextBox);
    if (q->isReadOnly())
        return;
    text.truncate(qMin(roomLeft(), int(text.size())));
    if (!text.isEmpty())
        q->insert(text);
}

bool TextBox::event(QEvent *event)
{
    Q_D(TextBox);
    ++d->eventDepth;
    const bool handled = QLineEdit::event(event);
    --d->eventDepth;
    // Only after the outermost event: within it QLineEdit may be amid an edit
    // whose handlers opened a nested event loop.
    if (d->eventDepth == 0)
        d->keepUndoWithinLimit();
    return handled;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    Q_D(TextBox);
    d->focusPressDue = false;
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
        d->typeText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (keyAscii != original) {
        // The handler asked for another character in place of the key.
        if (keyAscii >= 32)
            d->typeText(QString(QChar(keyAscii)));
        event->accept();
        return;
    }
    if (keyAscii >= 32 && d->roomLeft() < int(event->text().size())) {
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
    Q_D(TextBox);
    // Focus given by a mouse press comes before the press itself, and the press
    // would then drop the selection that the gotFocus() handler makes.
    d->focusPressDue = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    Q_D(TextBox);
    d->focusPressDue = false;
    d->keepingFocusSelection = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    Q_D(TextBox);
    const bool focusPress = std::exchange(d->focusPressDue, false);
    if (!focusPress || event->button() != Qt::LeftButton || !hasSelectedText()) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const TextBoxPrivate::Selection made = d->selection();
    QLineEdit::mousePressEvent(event);
    d->restoreSelection(made);
    d->keepingFocusSelection = true;
    d->focusPressAt = event->position();
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_D(TextBox);
    if (d->keepingFocusSelection) {
        // A hand's tremble during the click keeps the selection; a drag selects
        // from the pressed place, as after any other press.
        if ((event->position() - d->focusPressAt).manhattanLength() < QApplication::startDragDistance()) {
            event->accept();
            return;
        }
        d->keepingFocusSelection = false;
        setCursorPosition(cursorPositionAt(d->focusPressAt.toPoint()));
    }
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    Q_D(TextBox);
    d->keepingFocusSelection = false;
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

TextBoxPrivate::Selection TextBoxPrivate::selection() const
{
    Q_Q(const TextBox);
    Selection s;
    s.cursor = q->cursorPosition();
    s.start = q->hasSelectedText() ? q->selectionStart() : s.cursor;
    s.length = q->hasSelectedText() ? q->selectionLength() : 0;
    return s;
}

void TextBoxPrivate::restoreSelection(const Selection &s)
{
    Q_Q(TextBox);
    if (s.length == 0)
        q->setCursorPosition(s.cursor);
    else if (s.cursor == s.start)
        q->setSelection(s.start + s.length, -s.length);
    else
        q->setSelection(s.start, s.length);
}

void TextBoxPrivate::keepUndoWithinLimit()
{
    Q_Q(TextBox);
    if (undoLimit == 0) {
        if (q->isUndoAvailable())
            dropUndoHistory();
        return;
    }
    // Not while the user is undoing: redo would be lost.
    if (editsSinceTrim >= undoLimit && !q->isRedoAvailable())
        trimUndoHistory();
}

void TextBoxPrivate::dropUndoHistory()
{
    Q_Q(TextBox);
    const Selection kept = selection();
    const bool modified = q->isModified();
    const QSignalBlocker quiet(q);
    q->setText(q->text());
    restoreSelection(kept);
    q->setModified(modified);
}

void TextBoxPrivate::trimUndoHistory()
{
    Q_Q(TextBox);
    const Selection kept = selection();
    const bool modified = q->isModified();
    const QString now = q->text();
    const QSignalBlocker quiet(q);
    QStringList past; // oldest first
    while (past.size() < undoLimit && q->isUndoAvailable()) {
        q->undo();
        past.prepend(q->text());
    }
    if (!past.isEmpty()) {
        q->setText(past.takeFirst());
        for (const QString &state : std::as_const(past))
            replayEdit(state);
        replayEdit(now);
        endUndoStep(); // the user's next edit is a step of its own
    }
    restoreSelection(kept);
    q->setModified(modified);
    editsSinceTrim = 0;
}

// QLineEdit ends an undo step where the cursor moves. With no text to move in,
// the step before was a removal, and a removal by Backspace and the typing that
// follows are never one step.
void TextBoxPrivate::endUndoStep()
{
    Q_Q(TextBox);
    if (!q->text().isEmpty())
        q->setCursorPosition(q->cursorPosition() == 0 ? 1 : 0);
}

// Turns the text into `to` with one undo step: the part between what both share
// at the start and at the end is replaced.
void TextBoxPrivate::replayEdit(const QString &to)
{
    Q_Q(TextBox);
    const QString from = q->text();
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
        q->setCursorPosition(at + removed);
        for (int i = 0; i < removed; ++i)
            q->backspace();
    } else if (removed > 0) {
        q->setSelection(at, removed);
        q->insert(added);
    } else {
        q->setCursorPosition(at);
        q->insert(added);
    }
}

} // namespace Formkit
