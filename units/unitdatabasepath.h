#ifndef BRIMLOW_UNITDATABASEPATH_H
#define BRIMLOW_UNITDATABASEPATH_H

#include <QString>
#include <QStringView>

inline constexpr char unitDatabaseFileName[] = "brimlowDB.mdb";

// folder and name with exactly one "/" between them: a folder that already
// ends with one (the root "/") gets no second.
QString joinFolderAndName(QStringView folder, QStringView name);

// Where the unit database lies: beside the program file.
QString unitDatabasePath(QStringView programFolder);

#endif
