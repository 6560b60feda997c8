#include "toolkit/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

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
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
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

void TextBox::keyPressEvent(QKeyEvent *event)
{
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
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}
