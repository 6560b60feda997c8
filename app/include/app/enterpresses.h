#ifndef BRIMLOW_ENTERPRESSES_H
#define BRIMLOW_ENTERPRESSES_H

// Enter presses a focused button as Space does: Return or the keypad's Enter
// holds the button down and its release clicks it. Qt's buttons take Space
// only (a push button takes Enter in a dialog alone), and users of this window
// reach for Enter as often.

class QAbstractButton;

// From now on Enter presses `button` while it has the focus.
void pressOnEnter(QAbstractButton *button);

#endif
