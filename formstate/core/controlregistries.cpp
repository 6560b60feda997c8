#include "formstate/controlregistries.h"

#include "Formkit/controlregistry.h"

#include <QDir>
#include <QFileInfo>

namespace program {

QStringList controlRegistries(const QString &programFolder)
{
    QStringList paths;
    const QString besideProgram = QDir(programFolder).filePath(Formkit::ControlRegistry::fileName());
    if (QFileInfo::exists(besideProgram))
        paths.append(besideProgram);
    for (const QString &path : Formkit::ControlRegistry::defaultSearchPaths()) {
        if (!paths.contains(path))
            paths.append(path);
    }
    return paths;
}

} // namespace program
