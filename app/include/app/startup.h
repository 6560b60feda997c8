#ifndef BRIMLOW_STARTUP_H
#define BRIMLOW_STARTUP_H

// Program start: the fonts, the unit database check, the window, its Load and
// its first show, then the event loop until the window closes. A unit database
// that cannot be used is reported in a message box naming the file, and the
// program ends with status 1 before any window opens.

#include <functional>

class Form1;
class QApplication;

// `shown` (for the start-up benchmark) runs once the window has been shown.
int runBrimlow(QApplication &application, const std::function<void(Form1 &)> &shown = {});

#endif
