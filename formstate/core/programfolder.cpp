#include "formstate/programfolder.h"

#include <QCoreApplication>

namespace program {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace program
