#include "units/unitdatabasepath.h"

QString joinFolderAndName(QStringView folder, QStringView name)
{
    if (folder.endsWith(u'/'))
        return folder.toString() + name.toString();
    return folder.toString() + u'/' + name.toString();
}

QString unitDatabasePath(QStringView programFolder)
{
    return joinFolderAndName(programFolder, QString::fromLatin1(unitDatabaseFileName));
}
