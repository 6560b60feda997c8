#ifndef BRIMLOW_STARTUP_H
#define BRIMLOW_STARTUP_H

// Program start: the fonts, the unit database check, the window, its Load and
// its first show, then the event loop until the window closes. A unit database
// that cannot be used is reported in a message box naming the file (both
// places looked at when neither holds it), and the program ends with status 1
// before any window opens.
//
// Where the unit database is found decides the program's layout (see
// formstate/programlayout.h): beside the program, the results file is written
// there too; in the installed data folder, it goes to the user's documents
// folder.

#include <QString>

#include <functional>

class Form1;
class QApplication;

// `shown` (for the start-up benchmark) runs once the window has been shown.
int runBrimlow(QApplication &application, const std::function<void(Form1 &)> &shown = {});

// The same start for a program in programFolder whose user keeps documents in
// documentsFolder; runBrimlow passes the real ones.
int runBrimlowFrom(QApplication &application, const QString &programFolder, const QString &documentsFolder,
    const std::function<void(Form1 &)> &shown = {});

#endif
