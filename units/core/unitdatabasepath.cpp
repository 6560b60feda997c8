#include "units/unitdatabasepath.h"

#include "toolkit/programfolder.h"

QString unitDatabasePath(const QString &programFolder)
{
    return toolkit::joinPath(programFolder, QString::fromLatin1(unitDatabaseFileName));
}
