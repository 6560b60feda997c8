#ifndef BRIMLOW_RESULTBOX_H
#define BRIMLOW_RESULTBOX_H

// The result box Text2: a read-only text box that shows a result from its start.
// A line edit puts its cursor after a new text and scrolls to keep the cursor in
// view, so a result longer than the box would show only its last digits
// ("58,864,000,000,000,000,000" of 1,458,864,000,000,000,000,000). After every
// write, whoever writes, the cursor goes back before the first character; only
// the user's own keys and mouse move it elsewhere, to read on.

#include "Formkit/textbox.h"

class ResultBox final : public Formkit::TextBox
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget *parent = nullptr);

protected:
    // Counts the user's own keys, mouse, focus and menu while they are handled.
    bool event(QEvent *event) override;

private:
    void showStart();

    // Above 0 while an event of the user's is being handled.
    int m_userMoves = 0;

    Q_DISABLE_COPY_MOVE(ResultBox)
};

#endif
