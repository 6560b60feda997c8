#ifndef BRIMLOW_PROGRAMFOLDER_H
#define BRIMLOW_PROGRAMFOLDER_H

/// \file
/// Where the program's files lie: the unit database and the results file live in
/// the program's own folder. Needs no widgets, so the pure cores use it too.

#include <QString>

/// The program's start-up and layout: where it runs from and keeps its files.
namespace program {

/// The folder that holds the program file, without a trailing "/" (except for "/").
QString programFolder();

/// Joins a folder and a file name with exactly one "/": a folder that already ends
/// with "/" (the root) gets none added.
QString joinPath(const QString &folder, const QString &name);

} // namespace program

#endif
