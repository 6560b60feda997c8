#ifndef BRIMLOW_TEXTBOX_H
#define BRIMLOW_TEXTBOX_H

// A line edit with the text box events the converter's handlers are written for:
//  - change(): raised whenever the text becomes a different text, by typing or by
//    code; setText() from code raises it at once, before setText() returns.
//  - keyPress(int &keyAscii): raised for every key that produces a character
//    (Backspace 8, Enter 13, Esc 27, Ctrl+letter 1..26 included; arrows, Delete,
//    Shift and the like produce none). The handler may set keyAscii to 0 to
//    discard the key, or to another code to type that character instead.
//  - keyUp(keyCode, shift) for every released key (Qt::Key codes), gotFocus().
// The maximum length limits typing and pasting only: a text set by code is never
// cut, which is why Qt's own QLineEdit::maxLength is not used.

#include <QLineEdit>

class TextBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int maxTypedLength READ maxLength WRITE setMaxLength)

public:
    explicit TextBox(QWidget *parent = nullptr);

    // 0 means no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

signals:
    void change();
    void keyPress(int &keyAscii);
    void keyUp(int keyCode, int shift);
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void typeText(QString text);
    int roomLeft() const;

    int m_maxLength = 0;
    QString m_lastText;

    Q_DISABLE_COPY_MOVE(TextBox)
};

// The character code a key event types, or -1 when the key types nothing.
int keyAsciiOf(const QKeyEvent *event);

// Shift state bits of a key or mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

#endif
