#include "formstate/programlayout.h"

#include <QDir>
#include <QFileInfo>

namespace program {

QString installedDataFolder(const QString &programFolder)
{
    // The root is its own parent, as the file system has it.
    const QString folder = QDir::cleanPath(programFolder);
    const QString parent = folder == QLatin1String("/") ? folder : QFileInfo(folder).path();
    return QDir::cleanPath(parent + QStringLiteral("/share/brimlow"));
}

DataFileLocation locateDataFile(const QString &programFolder, const QString &fileName)
{
    const QString beside = QDir(programFolder).filePath(fileName);
    const QString installed = QDir(installedDataFolder(programFolder)).filePath(fileName);
    DataFileLocation location { std::nullopt, beside, { beside, installed } };
    if (QFileInfo::exists(beside)) {
        location.layout = ProgramLayout::Portable;
    } else if (QFileInfo::exists(installed)) {
        location.layout = ProgramLayout::Installed;
        location.path = installed;
    }
    return location;
}

QString userFilesFolder(ProgramLayout layout, const QString &programFolder, const QString &documentsFolder)
{
    return layout == ProgramLayout::Installed ? documentsFolder : programFolder;
}

} // namespace program
