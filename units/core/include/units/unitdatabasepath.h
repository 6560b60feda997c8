#ifndef BRIMLOW_UNITDATABASEPATH_H
#define BRIMLOW_UNITDATABASEPATH_H

#include "formstate/programlayout.h"

#include <QString>

inline constexpr char unitDatabaseFileName[] = "brimlowDB.mdb";

// Where the unit database lies: in the program's folder, joined with exactly
// one "/" (the root folder "/" gives "/brimlowDB.mdb").
QString unitDatabasePath(const QString &programFolder);

// The unit database beside the program (the portable layout), else in the
// installed data folder; the place it was found decides the program's layout.
program::DataFileLocation locateUnitDatabase(const QString &programFolder);

// What to tell the user when no place holds the unit database: every place
// looked at.
QString unitDatabaseNotFoundMessage(const program::DataFileLocation &location);

#endif
