#ifndef BRIMLOW_APPLICATION_H
#define BRIMLOW_APPLICATION_H

// What the program asks of its platform besides widgets: its own folder (the unit
// database and the results file live there) and the screen's size for centring.

#include <QSize>
#include <QString>

namespace toolkit {

// The folder that holds the program file, without a trailing "/" (except for "/").
QString programFolder();

// Joins a folder and a file name with exactly one "/": a folder that already ends
// with "/" (the root) gets none added.
QString joinPath(const QString &folder, const QString &name);

// The primary screen's size in twips (its available geometry when it has one).
QSize screenSizeTwips();

} // namespace toolkit

#endif
