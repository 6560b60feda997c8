#ifndef BRIMLOW_PROGRAMFOLDER_H
#define BRIMLOW_PROGRAMFOLDER_H

// Where the program's files lie: the unit database and the results file live in
// the program's own folder. Needs no widgets, so the pure cores use it too.

#include "toolkit/formruntime_export.h"

#include <QString>

namespace toolkit {

// The folder that holds the program file, without a trailing "/" (except for "/").
FORMRUNTIME_EXPORT QString programFolder();

// Joins a folder and a file name with exactly one "/": a folder that already ends
// with "/" (the root) gets none added.
FORMRUNTIME_EXPORT QString joinPath(const QString &folder, const QString &name);

} // namespace toolkit

#endif
