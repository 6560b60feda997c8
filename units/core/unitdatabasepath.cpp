#include "units/unitdatabasepath.h"

#include "formstate/programfolder.h"

#include <QDir>

QString unitDatabasePath(const QString &programFolder)
{
    return program::joinPath(programFolder, QString::fromLatin1(unitDatabaseFileName));
}

program::DataFileLocation locateUnitDatabase(const QString &programFolder)
{
    return program::locateDataFile(programFolder, QString::fromLatin1(unitDatabaseFileName));
}

QString unitDatabaseNotFoundMessage(const program::DataFileLocation &location)
{
    return QStringLiteral("The unit database cannot be opened: the file exists neither beside the "
                          "program, at %1, nor in its installed data folder, at %2.")
        .arg(QDir::toNativeSeparators(location.triedPaths.value(0)),
            QDir::toNativeSeparators(location.triedPaths.value(1)));
}
