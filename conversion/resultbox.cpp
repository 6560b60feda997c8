#include "conversion/resultbox.h"

#include <QScopedValueRollback>

ResultBox::ResultBox(QWidget *parent)
    : TextBox(parent)
{
    setReadOnly(true);
    // A new text, or the same text written again, moves the cursor to its end.
    connect(this, &QLineEdit::cursorPositionChanged, this, &ResultBox::showStart);
}

void ResultBox::showStart()
{
    if (m_userMoves == 0 && cursorPosition() != 0)
        setCursorPosition(0);
}

void ResultBox::keyPressEvent(QKeyEvent *event)
{
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::keyPressEvent(event);
}

void ResultBox::mousePressEvent(QMouseEvent *event)
{
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::mousePressEvent(event);
}

void ResultBox::mouseMoveEvent(QMouseEvent *event)
{
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::mouseMoveEvent(event);
}

void ResultBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::mouseDoubleClickEvent(event);
}

void ResultBox::focusInEvent(QFocusEvent *event)
{
    // Tabbing in selects the whole text, for copying.
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::focusInEvent(event);
}

void ResultBox::contextMenuEvent(QContextMenuEvent *event)
{
    // "Select All" of the menu.
    QScopedValueRollback user(m_userMoves, m_userMoves + 1);
    TextBox::contextMenuEvent(event);
}
