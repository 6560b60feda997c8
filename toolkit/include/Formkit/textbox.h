#ifndef FORMKIT_TEXTBOX_H
#define FORMKIT_TEXTBOX_H

/// \class Formkit::TextBox
/// A line edit with the text box events the converter's handlers are written for:
///  - change(): raised whenever the text becomes a different text, by typing or by
///    code; setText() from code raises it at once, before setText() returns.
///  - keyPress(int &keyAscii): raised for every key that produces a character
///    (Backspace 8, Enter 13, Esc 27, Ctrl+letter 1..26 included; arrows, Delete,
///    Shift and the like produce none). The handler may set keyAscii to 0 to
///    discard the key, or to another code to type that character instead.
///  - keyUp(keyCode, shift) for every released key (Qt::Key codes), gotFocus().
/// The maximum length limits typing and pasting only: a text set by code is never
/// cut, which is why Qt's own QLineEdit::maxLength is not used.
///
/// A mouse press that brings the focus into the box keeps the selection that the
/// gotFocus() handler made (so a box that selects its text on focus is replaced by
/// what is typed next, whether the focus came by Tab or by a click); a press into
/// the box that already has the focus places the caret as usual, and dragging
/// after the press selects from the pressed place.
///
/// Undo keeps at most a bounded number of edits (undoLimit), where QLineEdit
/// alone would keep every edit of the session.

#include "Formkit/formkitwidgets_export.h"

#include <QLineEdit>

#include <memory>

namespace Formkit {

class TextBoxPrivate;

class FORMKITWIDGETS_EXPORT TextBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int maxTypedLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(int undoLimit READ undoLimit WRITE setUndoLimit)

public:
    /// An empty box without a length limit.
    explicit TextBox(QWidget *parent = nullptr);
    ~TextBox() override;

    /// 0 means no limit.
    int maxLength() const;
    /// Sets the typing limit (0: none).
    void setMaxLength(int length);

    ///@{
    /// The selection as a start (or the caret's place) and a length in characters.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    ///@}

    /// How many of the latest edits Ctrl+Z can take back: always the last
    /// `edits`, never more than twice as many. 0 keeps no undo history at all.
    static constexpr int defaultUndoLimit = 100;
    /// The undo limit in force.
    int undoLimit() const;
    /// Sets the undo limit; the history kept shrinks at once.
    void setUndoLimit(int edits);

signals:
    /// The text became a different text.
    void change();
    /// A key typed the character keyAscii (the handler may change or discard it).
    void keyPress(int &keyAscii);
    /// A key was released: its Qt::Key code and the shift state (1 Shift, 2 Ctrl, 4 Alt).
    void keyUp(int keyCode, int shift);
    /// The box got the keyboard focus.
    void gotFocus();

protected:
    ///@{
    /// Qt's event handlers, which raise the events above.
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    ///@}

private:
    Q_DECLARE_PRIVATE(TextBox)
    const std::unique_ptr<TextBoxPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(TextBox)
};

/// The character code a key event types, or -1 when the key types nothing.
FORMKITWIDGETS_EXPORT int keyAsciiOf(const QKeyEvent *event);

/// Shift state bits of a key or mouse event: 1 Shift, 2 Ctrl, 4 Alt.
FORMKITWIDGETS_EXPORT int shiftStateOf(Qt::KeyboardModifiers modifiers);

} // namespace Formkit

#endif
