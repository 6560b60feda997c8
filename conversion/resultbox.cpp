#include "conversion/resultbox.h"

#include <QEvent>
#include <QScopedValueRollback>

using Formkit::TextBox;

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

bool ResultBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusIn: // tabbing in selects the whole text, for copying
    case QEvent::ContextMenu: { // the menu's "Select All"
        QScopedValueRollback user(m_userMoves, m_userMoves + 1);
        return TextBox::event(event);
    }
    default:
        return TextBox::event(event);
    }
}
