#ifndef BRIMLOW_UNITDATABASEPATH_H
#define BRIMLOW_UNITDATABASEPATH_H

#include <QString>

inline constexpr char unitDatabaseFileName[] = "brimlowDB.mdb";

// Where the unit database lies: in the program's folder, joined with exactly
// one "/" (the root folder "/" gives "/brimlowDB.mdb").
QString unitDatabasePath(const QString &programFolder);

#endif
